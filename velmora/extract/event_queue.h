// The worker's reports to the control's window, kept in order. Posting a window
// message costs a round trip through the system (on some systems through a server
// process, slow when the machine is busy); the window takes every report queued so
// far at each wake, so a worker that reports faster than the window answers posts
// one wake for many reports. During a run the wakes are posted by a thread of the
// queue's own, so that the worker only queues its report and reads on. The window's
// handler turns each report into its event just as if the report had been posted on
// its own.
#pragma once

#include <windows.h>

#include <deque>
#include <utility>

#include "win/unique_handle.h"

namespace velmora {

class EventQueue {
public:
    EventQueue() = default;
    // Frees the texts of error reports never delivered.
    ~EventQueue();
    EventQueue(const EventQueue&) = delete;
    EventQueue& operator=(const EventQueue&) = delete;

    // Queues a report as the window would receive it (message and wParam; the BSTR
    // of WM_RIPPER_EXTRACTIONERROR passes to the queue) and has WM_RIPPER_EVENTS
    // posted to `window` unless a wake is already on its way.
    void Post(HWND window, UINT message, WPARAM wParam);
    // Around a run, on the worker: the thread that posts the wakes starts, and ends
    // once every wake asked for is posted (without it, Post posts them itself).
    void StartPosting();
    void StopPosting();
    // On the window's thread, when WM_RIPPER_EVENTS arrives: reports queued from now
    // on wake the window again (a handler may run a message loop of its own).
    void Woken();
    // The oldest report, which passes to the caller; false when there is none.
    bool Take(UINT& message, WPARAM& wParam);

private:
    static DWORD WINAPI PosterThread(void* queue);
    void PostWakes();

    SRWLOCK lock_ = SRWLOCK_INIT;
    CONDITION_VARIABLE wakeWanted_ = CONDITION_VARIABLE_INIT;
    std::deque<std::pair<UINT, WPARAM>> reports_;
    bool wakePending_ = false;  // a wake is posted or about to be, not yet taken
    HWND wakeFor_ = nullptr;    // the window the poster is to wake next
    bool stopPosting_ = false;
    win::UniqueHandle poster_;
};

}  // namespace velmora
