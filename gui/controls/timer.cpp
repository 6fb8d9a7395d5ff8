#include "gui/controls/timer.h"

#include "gui/controls/application.h"

namespace gui {

namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner), window_([this](TMessage& m) { WndProc(m); })
{
    UpdateTimer();
}

TTimer::~TTimer()
{
    if (running_)
        ::KillTimer(window_.Handle(), kTimerId);
}

void TTimer::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    UpdateTimer();
}

void TTimer::SetInterval(UINT value)
{
    if (value == interval_)
        return;
    interval_ = value;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    if (running_)
        ::KillTimer(window_.Handle(), kTimerId);
    running_ = enabled_ && interval_ > 0 && ::SetTimer(window_.Handle(), kTimerId, interval_, nullptr) != 0;
}

void TTimer::Timer()
{
    if (OnTimer)
        OnTimer(this);
}

void TTimer::WndProc(TMessage& message)
{
    if (message.Msg != WM_TIMER) {
        window_.DefaultHandler(message);
        return;
    }
    // A tick still queued when the timer was stopped is dropped.
    if (!running_)
        return;
    try {
        Timer();
    } catch (...) {
        Application().HandleException(this);
    }
}

}  // namespace gui
