#include "skin/forms/window_states.h"

#include <windows.h>

#include <algorithm>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/screen.h"
#include "skin/forms/form_engine_parts.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/forms/form_skin_engine_finders.h"
#include "skin/forms/mdi_messages.h"

namespace sk {

namespace {

gui::TRect WorkArea()
{
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return gui::Rect(work.left, work.top, work.right, work.bottom);
}

bool IsEmpty(const gui::TRect& rect) { return rect.Right - rect.Left < 1 || rect.Bottom - rect.Top < 1; }

bool Overlap(const gui::TRect& one, const gui::TRect& other)
{
    return one.Left < other.Right && other.Left < one.Right && one.Top < other.Bottom && other.Top < one.Bottom;
}

}  // namespace

gui::TPoint FindParkingSlot(const gui::TRect& area, int width, int height,
                            const std::function<bool(const gui::TRect&)>& taken)
{
    // A slot of no width or height still steps on, so that the rows run out.
    const int stepX = std::max(width, 1), stepY = std::max(height, 1);
    int x = area.Left, y = area.Bottom - height;
    while (taken(gui::Rect(x, y, x + width, y + height))) {
        const int old = x;
        x += stepX;
        if (old + 2 * stepX > area.Right) {
            x = area.Left;
            y -= stepY;
            if (y < area.Top) {
                y = area.Bottom - height;
                break;
            }
        }
    }
    return gui::Point(x, y);
}

void TskWindowStates::Set(int state)
{
    if (state == state_ || state < wsNormal || state > wsMaximized)
        return;
    // A rolled-up form rolls down before it fills the work area: maximized, it
    // shows its client area, and a restore finds the height it had.
    if (state == wsMaximized && parts_.RollUp().RolledUp())
        parts_.RollUp().Roll(false);
    const bool mainForm = gui::Application().MainForm() == &parts_.Form();
    if (!(state == wsMinimized && mainForm))
        state_ = uint8_t(state);
    if (state == wsNormal)
        Restore();
    else if (state == wsMinimized)
        Minimize();
    else
        Maximize();
}

gui::TRect TskWindowStates::RestoredBounds() const
{
    if (!IsEmpty(normalBounds_))
        return normalBounds_;
    gui::TRect bounds = parts_.Form().BoundsRect();
    if (parts_.RollUp().RolledUp())
        bounds.Bottom = bounds.Top + parts_.RollUp().HeightBefore();
    return bounds;
}

void TskWindowStates::Minimize()
{
    gui::TForm& form = parts_.Form();
    if (gui::Application().MainForm() == &form || !parts_.Engine().SupportNCArea()) {
        gui::Application().Minimize();
        return;
    }
    if (IsEmpty(normalBounds_))
        normalBounds_ = form.BoundsRect();
    const gui::TPoint slot = ParkingSlot();
    form.SetBounds(slot.X, slot.Y, parts_.Engine().GetMinWidth(), parts_.Engine().GetMinHeight());
    if (parts_.MDI().IsChild())
        parts_.MDI().SendToMainForm(WM_MDICHILDRESTORED);
}

gui::TPoint TskWindowStates::ParkingSlot(const std::vector<gui::TRect>* occupied)
{
    gui::TForm& form = parts_.Form();
    const int width = parts_.Engine().GetMinWidth(), height = parts_.Engine().GetMinHeight();
    // A child parks inside its parent's client window, from its bottom-left
    // corner; other forms along the bottom of the work area.
    const bool child = parts_.MDI().IsChild();
    gui::TRect area = WorkArea();
    if (child) {
        const gui::TSize size = TskMDISupport::ChildSpace();
        area = gui::Rect(0, 0, size.cx, size.cy);
    }
    std::vector<gui::TForm*> others;
    if (child) {
        if (gui::TForm* main = gui::Application().MainForm())
            for (int i = 0; i < main->MDIChildCount(); ++i)
                others.push_back(main->MDIChildren(i));
    } else {
        // MDI children park in their parent's client window, not here.
        for (int i = 0; i < gui::Screen().FormCount(); ++i)
            if (gui::Screen().Forms(i)->FormStyle() != gui::fsMDIChild)
                others.push_back(gui::Screen().Forms(i));
    }
    // The next slot that no other minimized skinned form covers. Forms of other
    // skins, or of the default frame, minimize to other sizes: a slot is taken
    // by any minimized form that overlaps it, not only by one at its corner.
    auto taken = [&](const gui::TRect& slot) {
        if (occupied)
            return std::any_of(occupied->begin(), occupied->end(),
                               [&](const gui::TRect& place) { return Overlap(slot, place); });
        for (gui::TForm* other : others) {
            if (other == &form || other == gui::Application().MainForm() || !other->Visible())
                continue;
            if (TskFormSkinEngine* engine = GetFormSkinEngine(other))
                if (engine->WindowState() == wsMinimized && Overlap(slot, other->BoundsRect()))
                    return true;
        }
        return false;
    };
    return FindParkingSlot(area, width, height, taken);
}

void TskWindowStates::Maximize()
{
    gui::TForm& form = parts_.Form();
    if (IsEmpty(normalBounds_))
        normalBounds_ = form.BoundsRect();
    if (parts_.MDI().IsChild()) {
        // The parent's frame and menu bar stand for the child's from now on.
        parts_.Objects().StopMouseTimer();
        parts_.Objects().ClearHover();
        const gui::TSize size = TskMDISupport::ChildSpace();
        const int oldWidth = form.Width(), oldHeight = form.Height();
        form.SetBounds(0, 0, size.cx, size.cy);
        // The frame goes even when the size stays.
        if (form.Width() == oldWidth && form.Height() == oldHeight)
            parts_.Frame().NudgeWidth();
        // A maximized child is the one in front, as the system's are.
        if (form.Visible())
            form.Show();
        parts_.MDI().SendToMainForm(WM_MDICHILDMAXIMIZED);
        return;
    }
    const gui::TRect bounds = MaximizedBounds();
    form.SetBounds(bounds.Left, bounds.Top, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top);
    // Already there (a window manager sized it first): the system still learns
    // of the state.
    parts_.SystemState().Show();
}

gui::TRect TskWindowStates::MaximizedBounds() const
{
    if (maximizeOnFullScreen_)
        return gui::Rect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    return WorkArea();
}

void TskWindowStates::Restore()
{
    parts_.RollUp().ForgetMaximized();
    if (IsEmpty(normalBounds_)) {
        parts_.SystemState().Show();
        return;
    }
    gui::TForm& form = parts_.Form();
    const int oldWidth = form.Width(), oldHeight = form.Height();
    form.SetBoundsRect(normalBounds_);
    normalBounds_ = gui::TRect{};
    parts_.Objects().StartMouseTimer();
    if (parts_.Engine().SupportNCArea()) {
        if (form.Width() == oldWidth && form.Height() == oldHeight)
            parts_.Frame().NudgeWidth();
        form.Invalidate();
        parts_.Frame().Repaint();
    }
    if (parts_.MDI().IsChild())
        parts_.MDI().SendToMainForm(WM_MDICHILDRESTORED);
    parts_.SystemState().Show();
}

void TskWindowStates::CaptionDoubleClick(bool frame)
{
    TskFormSkinEngine& engine = parts_.Engine();
    TskRollUp& rollUp = parts_.RollUp();
    const bool sizeable = engine.Sizeable();
    if (!frame) {
        if (rollUp.RolledUp())
            rollUp.Roll(false);
        else if (sizeable)
            Set(state_ == wsNormal ? wsMaximized : wsNormal);
        else
            rollUp.Roll(true);
        return;
    }
    if (sizeable && state_ == wsMinimized)
        Set(wsNormal);
    else if (sizeable && state_ != wsMaximized && !rollUp.RolledUp() && engine.BorderIcons().Contains(biMaximize))
        Set(wsMaximized);
    else if (sizeable && state_ == wsMaximized && !rollUp.RolledUpMaximized())
        Set(wsNormal);
    else
        rollUp.Roll(!rollUp.RolledUp());
}

}  // namespace sk
