// Where a popup menu window goes: below or above its anchor for a menu opened
// from a bar or a point, beside its row for a submenu, always inside the work
// area.
#pragma once

#include "gui/core/types.h"

namespace sk {

struct TskMenuPlacement {
    gui::TRect WorkArea;
    gui::TRect Anchor;  // screen rectangle the window opens from
    int Width = 0;
    int Height = 0;
    int ItemsTop = 0;   // top of the rows within the window
    bool Submenu = false;
    bool Scrolling = false;  // taller than the work area: placed at its top
    bool PopupUp = false;    // opens above the anchor when there is room
};

// The screen position of the window's top-left corner.
gui::TPoint PlacePopupWindow(const TskMenuPlacement& placement);

}  // namespace sk
