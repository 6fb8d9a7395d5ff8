// A control without a window of its own: it lies in its parent's client area, is
// painted by its parent after the parent itself (Paint draws on Canvas, moved to
// and clipped to the control), and gets its mouse messages from the parent.
#pragma once

#include "gui/controls/control.h"
#include "gui/controls/control_canvas.h"

namespace gui {

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;

    TCanvas& Canvas() { return canvas_; }

protected:
    virtual void Paint() {}
    void WndProc(TMessage& message) override;

private:
    void WMPaint(TMessage& message);

    TControlCanvas canvas_;
};

}  // namespace gui
