#include "gui/native/native_view.h"

#include "gui/controls/control_messages.h"

namespace gui {

TNativeView::TNativeView(TComponent* owner, int width, int height) : TWinControl(owner)
{
    TControlStyle style = ControlStyle();
    style.Exclude(csCaptureMouse);
    SetControlStyle(style);
    SetBounds(Left(), Top(), width, height);
    SetTabStop(true);
}

void TNativeView::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_PAINT:
    case WM_ERASEBKGND:
        // The system's control paints all of itself.
        DefaultHandler(message);
        break;
    case WM_DESTROY:
        SaveState();
        TWinControl::WndProc(message);
        break;
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
        TWinControl::WndProc(message);
        ApplyColors();
        break;
    default:
        TWinControl::WndProc(message);
    }
}

}  // namespace gui
