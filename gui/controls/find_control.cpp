#include "gui/controls/find_control.h"

#include "gui/controls/win_control.h"

namespace gui {

TControl* FindDragTarget(TPoint screenPoint, bool allowDisabled)
{
    // A native child window inside a control (a list view's header) counts as
    // the control; the search stops at a top-level window, whose parent is only
    // its owner.
    TWinControl* window = nullptr;
    HWND h = ::WindowFromPoint(POINT{screenPoint.X, screenPoint.Y});
    while (h && !(window = FindControl(h)) && (::GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD))
        h = ::GetParent(h);
    if (!window)
        return nullptr;
    TControl* child = window->ControlAtPos(window->ScreenToClient(screenPoint), allowDisabled);
    return child ? child : window;
}

}  // namespace gui
