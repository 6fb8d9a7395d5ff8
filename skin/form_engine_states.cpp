// The window states the engine keeps for its form (the form itself stays
// normal): minimized forms shrink to their caption and park along the bottom of
// the work area, maximized ones fill it.
#include "gui/application.h"
#include "gui/form.h"
#include "gui/menu.h"
#include "gui/screen.h"
#include "gui/timer.h"
#include "skin/form_skin_engine.h"

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
    const int w = GetMinWidth(), h = GetMinHeight();
    const gui::TRect area = WorkArea();
    int x = area.Left, y = area.Bottom - h;
    // The next slot that no other minimized skinned form takes.
    auto taken = [this](int left, int top) {
        for (int i = 0; i < gui::Screen().FormCount(); ++i) {
            gui::TForm* other = gui::Screen().Forms(i);
            if (other == form_ || other == gui::Application().MainForm() || !other->Visible())
                continue;
            for (int c = 0; c < other->ComponentCount(); ++c)
                if (auto* engine = dynamic_cast<TskFormSkinEngine*>(other->Components(c)))
                    if (engine->WindowState() == wsMinimized && other->Left() == left && other->Top() == top)
                        return true;
        }
        return false;
    };
    while (taken(x, y)) {
        const int old = x;
        x += w;
        if (old + 2 * w > area.Right) {
            x = area.Left;
            y -= h;
            if (y < area.Top) {
                x = area.Left;
                y = area.Bottom - h;
                break;
            }
        }
    }
    form_->SetBounds(x, y, w, h);
}

void TskFormSkinEngine::MaximizeForm()
{
    if (IsEmpty(normalBounds_))
        normalBounds_ = form_->BoundsRect();
    gui::TRect r = WorkArea();
    if (maximizeOnFullScreen_)
        r = gui::Rect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    form_->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

void TskFormSkinEngine::RestoreForm()
{
    rolledUpMaximized_ = false;
    if (IsEmpty(normalBounds_))
        return;
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
}

}  // namespace sk
