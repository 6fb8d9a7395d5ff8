// The worker's reports to the control's window, kept in order. Posting a window
// message costs a round trip through the system (on some systems through a server
// process, slow when the machine is busy); the window takes every report queued so
// far at each wake, so a worker that reports faster than the window answers posts
// one wake for many reports. The window's handler turns each report into its event
// just as if the report had been posted on its own.
#pragma once

#include <windows.h>

#include <deque>
#include <mutex>
#include <utility>

namespace velmora {

class EventQueue {
public:
    EventQueue() = default;
    // Frees the texts of error reports never delivered.
    ~EventQueue();
    EventQueue(const EventQueue&) = delete;
    EventQueue& operator=(const EventQueue&) = delete;

    // Queues a report as the window would receive it (message and wParam; the BSTR
    // of WM_RIPPER_EXTRACTIONERROR passes to the queue) and posts WM_RIPPER_EVENTS
    // to `window` unless a wake is already on its way.
    void Post(HWND window, UINT message, WPARAM wParam);
    // On the window's thread, when WM_RIPPER_EVENTS arrives: reports queued from now
    // on wake the window again (a handler may run a message loop of its own).
    void Woken();
    // The oldest report, which passes to the caller; false when there is none.
    bool Take(UINT& message, WPARAM& wParam);

private:
    std::mutex lock_;
    std::deque<std::pair<UINT, WPARAM>> reports_;
    bool wakePending_ = false;
};

}  // namespace velmora
