#include "extract/event_queue.h"

#include <oleauto.h>

#include "extract/messages.h"

namespace velmora {
namespace {

class Exclusive {
public:
    explicit Exclusive(SRWLOCK& lock) : lock_(lock) { ::AcquireSRWLockExclusive(&lock_); }
    ~Exclusive() { ::ReleaseSRWLockExclusive(&lock_); }
    Exclusive(const Exclusive&) = delete;
    Exclusive& operator=(const Exclusive&) = delete;

private:
    SRWLOCK& lock_;
};

}  // namespace

EventQueue::EventQueue() = default;

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
        Exclusive guard(lock_);
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
        Exclusive guard(lock_);
        wakePending_ = false;
    }
}

void EventQueue::StartPosting()
{
    StopPosting();
    {
        Exclusive guard(lock_);
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
        Exclusive guard(lock_);
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
    Exclusive guard(lock_);
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
    Exclusive guard(lock_);
    wakePending_ = false;
}

bool EventQueue::Take(UINT& message, WPARAM& wParam)
{
    Exclusive guard(lock_);
    if (reports_.empty())
        return false;
    message = reports_.front().first;
    wParam = reports_.front().second;
    reports_.pop_front();
    return true;
}

}  // namespace velmora
