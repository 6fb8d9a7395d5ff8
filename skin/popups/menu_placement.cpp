#include "skin/popups/menu_placement.h"

#include <algorithm>

namespace sk {

gui::TPoint PlacePopupWindow(const TskMenuPlacement& placement)
{
    const gui::TRect& wa = placement.WorkArea;
    const gui::TRect& r = placement.Anchor;
    const int w = placement.Width, h = placement.Height;
    const int mid = wa.Top + (wa.Bottom - wa.Top) / 2;
    // Pushed against the work area's edge instead of lying at the anchor: the
    // window then goes beside the anchor so as not to cover it.
    bool moved = false;
    int y = 0;
    if (placement.Scrolling) {
        y = wa.Top;
    } else if (placement.Submenu) {
        if (r.Top + h - placement.ItemsTop <= wa.Bottom)
            y = r.Top - placement.ItemsTop;
        else if (r.Top < mid)
            y = wa.Bottom - h;
        else
            y = std::max(r.Bottom - h + placement.ItemsTop, int(wa.Top));
    } else if (placement.PopupUp) {
        if (r.Top - h >= wa.Top) {
            y = r.Top - h;
        } else if (r.Top >= mid) {
            y = wa.Top;
            moved = true;
        } else if (r.Bottom + h <= wa.Bottom) {
            y = r.Bottom;
        } else {
            y = wa.Bottom - h;
            moved = true;
        }
    } else {
        if (r.Bottom + h <= wa.Bottom) {
            y = r.Bottom;
        } else if (r.Top < mid) {
            y = wa.Bottom - h;
            moved = true;
        } else if (r.Top - h >= wa.Top) {
            y = r.Top - h;
        } else {
            y = wa.Top;
            moved = true;
        }
    }
    int x = 0;
    if (placement.Submenu || placement.Scrolling || moved) {
        x = r.Right + w + 1 <= wa.Right ? r.Right + 1 : r.Left - w - 1;
    } else {
        x = r.Left;
        if (r.Left + w > wa.Right)
            x = wa.Right - w;
        if (r.Left < wa.Left)
            x = wa.Left;
    }
    return gui::Point(x, y);
}

}  // namespace sk
