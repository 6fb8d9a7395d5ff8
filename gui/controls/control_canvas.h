// The canvas of a control. While the control paints, it draws on the DC of the
// paint; at other times it fetches a DC of the control's window on first use (for
// a graphic control, of its parent's window, moved to and clipped to the control)
// and gives it back with FreeHandle, at the next paint, or when it goes.
#pragma once

#include <functional>

#include "gui/graphics/canvas.h"

namespace gui {

class TControl;

class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(TControl& control) : control_(control) {}
    ~TControlCanvas() override { FreeHandle(); }

    // Gives back a DC that the canvas fetched itself; a DC handed in with
    // SetHandle is the giver's and is only let go.
    void FreeHandle();
    // Runs paint with the canvas drawing on the given DC, and lets the DC go
    // afterwards, also when paint raises.
    void PaintOn(HDC dc, const std::function<void()>& paint);

protected:
    void CreateHandle() override;

private:
    TControl& control_;
    HWND window_ = nullptr;  // whose DC the canvas fetched
    HDC fetched_ = nullptr;
};

}  // namespace gui
