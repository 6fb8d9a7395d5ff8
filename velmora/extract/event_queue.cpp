#include "extract/event_queue.h"

#include <oleauto.h>

#include "extract/messages.h"
#include "win/exclusive_lock.h"

namespace velmora {

EventQueue::~EventQueue()
{
    StopPosting();
    for (const auto& report : reports_)
        if (report.first == WM_RIPPER_EXTRACTIONERROR)
            ::SysFreeString(reinterpret_cast<BSTR>(report.second));
}

void EventQueue::Post(HWND window, UINT message, WPARAM wParam)
{
    bool postHere = false;
    {
        win::ExclusiveLock guard(lock_);
        reports_.emplace_back(message, wParam);
        if (wakePending_ || !window)
            return;
        wakePending_ = true;
        if (poster_) {
            // The lock and the condition stay inside the process: waking the poster
            // is far cheaper than posting.
            wakeFor_ = window;
            ::WakeConditionVariable(&wakeWanted_);
        } else {
            postHere = true;
        }
    }
    if (postHere && !::PostMessageW(window, WM_RIPPER_EVENTS, 0, 0)) {
        win::ExclusiveLock guard(lock_);
        wakePending_ = false;
    }
}

void EventQueue::StartPosting()
{
    StopPosting();
    {
        win::ExclusiveLock guard(lock_);
        stopPosting_ = false;
    }
    // Without the thread the worker posts its wakes itself.
    poster_.Reset(::CreateThread(nullptr, 0, &EventQueue::PosterThread, this, 0, nullptr));
}

void EventQueue::StopPosting()
{
    if (!poster_)
        return;
    {
        win::ExclusiveLock guard(lock_);
        stopPosting_ = true;
        ::WakeConditionVariable(&wakeWanted_);
    }
    ::WaitForSingleObject(poster_.Get(), INFINITE);
    poster_.Reset();
}

DWORD WINAPI EventQueue::PosterThread(void* queue)
{
    static_cast<EventQueue*>(queue)->PostWakes();
    return 0;
}

void EventQueue::PostWakes()
{
    win::ExclusiveLock guard(lock_);
    for (;;) {
        while (!wakeFor_ && !stopPosting_)
            ::SleepConditionVariableSRW(&wakeWanted_, &lock_, INFINITE, 0);
        // A wake asked for before the stop is posted before the thread ends: the run's
        // last reports must reach the window once the worker is done.
        if (!wakeFor_)
            return;
        const HWND window = wakeFor_;
        wakeFor_ = nullptr;
        ::ReleaseSRWLockExclusive(&lock_);
        const bool posted = ::PostMessageW(window, WM_RIPPER_EVENTS, 0, 0);
        ::AcquireSRWLockExclusive(&lock_);
        if (!posted)
            wakePending_ = false;
    }
}

void EventQueue::Woken()
{
    win::ExclusiveLock guard(lock_);
    wakePending_ = false;
}

bool EventQueue::Take(UINT& message, WPARAM& wParam)
{
    win::ExclusiveLock guard(lock_);
    if (reports_.empty())
        return false;
    message = reports_.front().first;
    wParam = reports_.front().second;
    reports_.pop_front();
    return true;
}

}  // namespace velmora
