#include "extract/event_queue.h"

#include <oleauto.h>

#include "extract/messages.h"

namespace velmora {

EventQueue::~EventQueue()
{
    for (const auto& report : reports_)
        if (report.first == WM_RIPPER_EXTRACTIONERROR)
            ::SysFreeString(reinterpret_cast<BSTR>(report.second));
}

void EventQueue::Post(HWND window, UINT message, WPARAM wParam)
{
    bool wake = false;
    {
        std::lock_guard<std::mutex> guard(lock_);
        reports_.emplace_back(message, wParam);
        wake = !wakePending_ && window;
        wakePending_ = wakePending_ || wake;
    }
    if (wake && !::PostMessageW(window, WM_RIPPER_EVENTS, 0, 0)) {
        std::lock_guard<std::mutex> guard(lock_);
        wakePending_ = false;
    }
}

void EventQueue::Woken()
{
    std::lock_guard<std::mutex> guard(lock_);
    wakePending_ = false;
}

bool EventQueue::Take(UINT& message, WPARAM& wParam)
{
    std::lock_guard<std::mutex> guard(lock_);
    if (reports_.empty())
        return false;
    message = reports_.front().first;
    wParam = reports_.front().second;
    reports_.pop_front();
    return true;
}

}  // namespace velmora
