#include "skin/imaging/parent_background.h"

#include "gui/controls/custom_control.h"
#include "gui/controls/form.h"
#include "gui/controls/graphic_control.h"
#include "gui/graphics/win_types.h"
#include "win/saved_dc.h"

namespace sk {

namespace {

bool Overlap(const gui::TRect& first, const gui::TRect& second)
{
    RECT common;
    const RECT ra = gui::ToRECT(first), rb = gui::ToRECT(second);
    return ::IntersectRect(&common, &ra, &rb) != FALSE;
}

// Paints a control with its top-left corner at `origin` plus (x, y) of the DC,
// clipped to the control.
void PaintAt(HDC dc, POINT origin, int x, int y, gui::TControl& control)
{
    win::SavedDC saved(dc);
    ::SetViewportOrgEx(dc, origin.x + x, origin.y + y, nullptr);
    ::IntersectClipRect(dc, 0, 0, control.Width(), control.Height());
    control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

// The windowed children of a custom control lying at (dx, dy) from the
// transparent control, which is width x height, and theirs in turn.
void PaintChildControls(int dx, int dy, int width, HDC dc, POINT origin, gui::TWinControl& container, int height)
{
    const gui::TRect area = gui::Rect(0, 0, width, height);
    for (int i = 0; i < container.ControlCount(); ++i) {
        auto* child = dynamic_cast<gui::TCustomControl*>(container.Controls(i));
        if (!child || !child->Visible())
            continue;
        const gui::TRect bounds = gui::Bounds(child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
        if (!Overlap(bounds, area))
            continue;
        PaintAt(dc, origin, bounds.Left, bounds.Top, *child);
        if (child->ControlCount() > 0)
            PaintChildControls(bounds.Left, bounds.Top, width, dc, origin, *child, height);
    }
}

}  // namespace

void PaintParentBackground(gui::TControl& control, gui::TCanvas& canvas)
{
    gui::TWinControl* parent = control.Parent();
    if (!parent)
        return;
    const HDC dc = canvas.Handle();
    // Positions are taken from the canvas's origin as it was handed in.
    POINT origin{};
    ::GetViewportOrgEx(dc, &origin);
    {
        win::SavedDC saved(dc);
        ::SetViewportOrgEx(dc, origin.x - control.Left(), origin.y - control.Top(), nullptr);
        const gui::TRect client = parent->ClientRect();
        ::IntersectClipRect(dc, 0, 0, client.Right - client.Left, client.Bottom - client.Top);
        const auto wParam = reinterpret_cast<WPARAM>(dc);
        if (dynamic_cast<gui::TForm*>(parent)) {
            ::SendMessageA(parent->Handle(), WM_ERASEBKGND, wParam, 0);
        } else {
            parent->Perform(WM_ERASEBKGND, wParam, 0);
            parent->Perform(WM_PAINT, wParam, 0);
        }
    }
    const gui::TRect bounds = control.BoundsRect();
    for (int i = 0; i < parent->ControlCount(); ++i) {
        gui::TControl* sibling = parent->Controls(i);
        if (sibling == &control)
            break;
        auto* custom = dynamic_cast<gui::TCustomControl*>(sibling);
        if (!custom && !dynamic_cast<gui::TGraphicControl*>(sibling))
            continue;
        if (!sibling->Visible() || !Overlap(sibling->BoundsRect(), bounds))
            continue;
        const int dx = sibling->Left() - control.Left(), dy = sibling->Top() - control.Top();
        PaintAt(dc, origin, dx, dy, *sibling);
        if (custom)
            PaintChildControls(dx, dy, control.Width(), dc, origin, *custom, control.Height());
    }
}

}  // namespace sk
