// The window states the engine keeps for its form (the form itself stays
// normal): minimized forms shrink to their caption and park along the bottom of
// the work area, maximized ones fill it. An MDI child does the same inside its
// parent's client window.
#include <algorithm>
#include <vector>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/menu.h"
#include "gui/controls/screen.h"
#include "gui/controls/timer.h"
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

bool IsEmpty(const gui::TRect& r) { return r.Right - r.Left < 1 || r.Bottom - r.Top < 1; }

}  // namespace

void TskFormSkinEngine::SetFormState(int state)
{
    if (state == windowState_ || state < wsNormal || state > wsMaximized)
        return;
    // A rolled-up form rolls down before it fills the work area: maximized, it
    // shows its client area, and a restore finds the height it had.
    if (state == wsMaximized && rolledUp_)
        RollUpForm(false);
    const bool mainForm = gui::Application().MainForm() == form_;
    if (!(state == wsMinimized && mainForm))
        windowState_ = TskWindowState(state);
    if (state == wsNormal)
        RestoreForm();
    else if (state == wsMinimized)
        MinimizeForm();
    else
        MaximizeForm();
}

gui::TRect TskFormSkinEngine::RestoredBounds() const
{
    if (!IsEmpty(normalBounds_))
        return normalBounds_;
    gui::TRect bounds = form_->BoundsRect();
    if (rolledUp_)
        bounds.Bottom = bounds.Top + oldHeight_;
    return bounds;
}

void TskFormSkinEngine::MinimizeForm()
{
    if (gui::Application().MainForm() == form_ || !supportNCArea_) {
        gui::Application().Minimize();
        return;
    }
    if (IsEmpty(normalBounds_))
        normalBounds_ = form_->BoundsRect();
    const gui::TPoint slot = ParkingSlot();
    form_->SetBounds(slot.X, slot.Y, GetMinWidth(), GetMinHeight());
    if (IsMDIChild())
        SendToMainForm(WM_MDICHILDRESTORED);
}

gui::TPoint TskFormSkinEngine::ParkingSlot(const std::vector<gui::TRect>* occupied)
{
    const int w = GetMinWidth(), h = GetMinHeight();
    // A child parks inside its parent's client window, from its bottom-left
    // corner; other forms along the bottom of the work area.
    const bool child = IsMDIChild();
    gui::TRect area = WorkArea();
    if (child) {
        const gui::TSize size = MDIChildSpace();
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
    auto overlaps = [](const gui::TRect& a, const gui::TRect& b) {
        return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
    };
    auto taken = [&](int left, int top) {
        const gui::TRect slot = gui::Rect(left, top, left + w, top + h);
        if (occupied)
            return std::any_of(occupied->begin(), occupied->end(),
                               [&](const gui::TRect& r) { return overlaps(slot, r); });
        for (gui::TForm* other : others) {
            if (other == form_ || other == gui::Application().MainForm() || !other->Visible())
                continue;
            if (TskFormSkinEngine* engine = GetFormSkinEngine(other))
                if (engine->WindowState() == wsMinimized && overlaps(slot, other->BoundsRect()))
                    return true;
        }
        return false;
    };
    int x = area.Left, y = area.Bottom - h;
    while (taken(x, y)) {
        const int old = x;
        x += w;
        if (old + 2 * w > area.Right) {
            x = area.Left;
            y -= h;
            if (y < area.Top) {
                y = area.Bottom - h;
                break;
            }
        }
    }
    return gui::Point(x, y);
}

void TskFormSkinEngine::MaximizeForm()
{
    if (IsEmpty(normalBounds_))
        normalBounds_ = form_->BoundsRect();
    if (IsMDIChild()) {
        // The parent's frame and menu bar stand for the child's from now on.
        mouseTimer_->SetEnabled(false);
        ClearHover();
        const gui::TSize size = MDIChildSpace();
        const int oldWidth = form_->Width(), oldHeight = form_->Height();
        form_->SetBounds(0, 0, size.cx, size.cy);
        // The frame goes even when the size stays.
        if (form_->Width() == oldWidth && form_->Height() == oldHeight)
            NudgeWidth();
        // A maximized child is the one in front, as the system's are.
        if (form_->Visible())
            form_->Show();
        SendToMainForm(WM_MDICHILDMAXIMIZED);
        return;
    }
    const gui::TRect r = MaximizedBounds();
    form_->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    // Already there (a window manager sized it first): the system still learns
    // of the state.
    ShowSystemState();
}

gui::TRect TskFormSkinEngine::MaximizedBounds() const
{
    if (maximizeOnFullScreen_)
        return gui::Rect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    return WorkArea();
}

void TskFormSkinEngine::RestoreForm()
{
    rolledUpMaximized_ = false;
    if (IsEmpty(normalBounds_)) {
        ShowSystemState();
        return;
    }
    const int oldWidth = form_->Width(), oldHeight = form_->Height();
    form_->SetBoundsRect(normalBounds_);
    normalBounds_ = gui::TRect{};
    mouseTimer_->SetEnabled(true);
    if (supportNCArea_) {
        if (form_->Width() == oldWidth && form_->Height() == oldHeight)
            NudgeWidth();
        form_->Invalidate();
        RepaintFrame();
    }
    if (IsMDIChild())
        SendToMainForm(WM_MDICHILDRESTORED);
    ShowSystemState();
}

}  // namespace sk
