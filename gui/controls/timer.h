// A component that fires OnTimer every Interval milliseconds while it is enabled
// (and Interval is above 0). Ticks come through the thread's message loop; an
// exception from OnTimer goes to the application's handler.
#pragma once

#include "gui/controls/events.h"
#include "gui/controls/utility_window.h"
#include "gui/core/component.h"

namespace gui {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    // Setting it starts the interval anew.
    UINT Interval() const { return interval_; }
    void SetInterval(UINT value);

    TNotifyEvent OnTimer;

protected:
    virtual void Timer();

private:
    void WndProc(TMessage& message);
    void UpdateTimer();

    bool enabled_ = true;
    UINT interval_ = 1000;
    bool running_ = false;
    TUtilityWindow window_;
};

}  // namespace gui
