#include "gui/controls/graphic_control.h"

namespace gui {

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(*this) {}

TGraphicControl::~TGraphicControl()
{
    // The canvas may hold a DC of the parent's window, which goes before the
    // parent does.
    canvas_.FreeHandle();
}

void TGraphicControl::WndProc(TMessage& message)
{
    if (message.Msg == WM_PAINT)
        WMPaint(message);
    else
        TControl::WndProc(message);
}

void TGraphicControl::WMPaint(TMessage& message)
{
    // The parent hands in its DC, moved and clipped to this control.
    const auto dc = reinterpret_cast<HDC>(message.WParam);
    message.Result = 0;
    if (dc)
        canvas_.PaintOn(dc, [this] { Paint(); });
}

}  // namespace gui
