// A windowed control that paints itself: Paint draws the whole client area on
// Canvas, which draws on the paint's DC (the window's own, or one handed in by a
// parent painting what lies behind a transparent child).
#pragma once

#include "gui/controls/control_canvas.h"
#include "gui/controls/win_control.h"

namespace gui {

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);

    TCanvas& Canvas() { return canvas_; }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;
    void CreateParams(TCreateParams& params) override;
    void DestroyWnd() override;

private:
    TControlCanvas canvas_;
};

}  // namespace gui
