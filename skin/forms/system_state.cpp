#include "skin/forms/system_state.h"

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "skin/forms/form_engine_parts.h"
#include "skin/forms/form_skin_engine.h"

namespace sk {

namespace {

// The caption and its buttons, as the form's own border styles give them.
constexpr LONG_PTR kCaptionStyles = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
// The styles the engine decides; the others stay the form's.
constexpr LONG_PTR kEngineStyles = kCaptionStyles | WS_MAXIMIZE;

}  // namespace

LONG_PTR SystemStyles(bool topLevel, bool systemMenu, bool minimize, bool maximize, bool shownMaximized)
{
    if (!topLevel)
        return 0;
    LONG_PTR style = 0;
    if (systemMenu)
        style |= WS_SYSMENU;
    if (minimize)
        style |= WS_MINIMIZEBOX;
    if (maximize)
        style |= WS_MAXIMIZEBOX;
    if (shownMaximized)
        style |= WS_MAXIMIZE | WS_CAPTION;
    return style;
}

bool TskSystemState::IsTopLevel() const { return !parts_.Form().Parent() && !parts_.MDI().IsChild(); }

bool TskSystemState::ShownMaximized() const
{
    return IsTopLevel() && parts_.States().State() == wsMaximized && !parts_.RollUp().RolledUp() &&
           !parts_.Iconic().Iconic();
}

bool TskSystemState::Apply()
{
    gui::TForm& form = parts_.Form();
    if (!form.HandleAllocated() || parts_.Engine().ComponentState().Contains(gui::csDesigning))
        return false;
    const TskBorderIcons icons = parts_.Engine().BorderIcons();
    const HWND window = form.Handle();
    const LONG_PTR style = ::GetWindowLongPtrA(window, GWL_STYLE);
    const LONG_PTR wanted =
        (style & ~kEngineStyles) | SystemStyles(IsTopLevel(), icons.Contains(biSystemMenu),
                                                icons.Contains(biMinimize), icons.Contains(biMaximize),
                                                ShownMaximized());
    if (wanted == style)
        return false;
    ::SetWindowLongPtrA(window, GWL_STYLE, wanted);
    return true;
}

void TskSystemState::Show()
{
    // The system hands a new state on to a window manager when the window's
    // place changes; one that keeps its place is told by a frame change.
    if (Apply())
        ::SetWindowPos(parts_.Form().Handle(), nullptr, 0, 0, 0, 0,
                       SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TskSystemState::MaximizedPlacement(MINMAXINFO& info) const
{
    // Where the system puts the form when it brings it back from the taskbar
    // maximized: the place the engine gives a maximized form.
    if (!IsTopLevel())
        return;
    const gui::TRect bounds = parts_.States().MaximizedBounds();
    info.ptMaxPosition = POINT{bounds.Left, bounds.Top};
    info.ptMaxSize = POINT{bounds.Right - bounds.Left, bounds.Bottom - bounds.Top};
}

void TskSystemState::SysCommand(gui::TMessage& message)
{
    const WPARAM command = message.WParam & 0xFFF0;
    const bool mainForm = gui::Application().MainForm() == &parts_.Form();
    if (!IsTopLevel() || (command != SC_MINIMIZE && command != SC_MAXIMIZE && command != SC_RESTORE)) {
        parts_.CallFormProc(message);
        return;
    }
    message.Result = 0;
    const TskBorderIcons icons = parts_.Engine().BorderIcons();
    TskWindowStates& states = parts_.States();
    if (parts_.Iconic().Iconic()) {
        // Back from the taskbar (to the state it left in, which the system
        // remembers); the program as a whole when it is the main form.
        if (command == SC_MINIMIZE)
            return;
        if (mainForm && gui::Application().Minimized())
            gui::Application().Restore();
        else
            parts_.CallFormProc(message);
        Show();
        return;
    }
    switch (command) {
    case SC_MINIMIZE:
        // To the taskbar, also for a form that the engine would park as a
        // caption strip: the manager has taken it there already. The main form
        // takes the program with it.
        if (!icons.Contains(biMinimize))
            return;
        if (mainForm)
            states.Set(wsMinimized);
        else
            parts_.CallFormProc(message);
        return;
    case SC_MAXIMIZE:
        if (icons.Contains(biMaximize))
            states.Set(wsMaximized);
        break;
    default: {
        TskRollUp& rollUp = parts_.RollUp();
        if (rollUp.RolledUp() && (rollUp.RolledUpMaximized() || states.State() == wsNormal))
            rollUp.Roll(false);
        else
            states.Set(wsNormal);
        // A manager that restored the window itself gave it the bounds it kept from
        // before the maximize (those of a rolled-up form, say), and the system does
        // not hand the form's own bounds on to the manager while it reports the
        // manager's change: they are handed on once that report is over.
        ::PostMessageA(parts_.Form().Handle(), WM_SKINSYNCPLACE, 0, 0);
        break;
    }
    }
    // A state whose bounds the form had already (the manager sized it first)
    // moved nothing: the system is told the state itself.
    Show();
}

void TskSystemState::SyncPlace()
{
    gui::TForm& form = parts_.Form();
    if (IsTopLevel() && form.HandleAllocated() && !::IsIconic(form.Handle()))
        ::SetWindowPos(form.Handle(), nullptr, 0, 0, 0, 0,
                       SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TskSystemState::StripCaptionStyles()
{
    // The engine draws caption and caption buttons itself; the system's would
    // be painted over the frame by the default handling of some messages. What
    // the buttons offer, the window still tells the system.
    strippedStyles_ = ::GetWindowLongPtrA(parts_.Form().Handle(), GWL_STYLE) & kCaptionStyles;
    Apply();
}

void TskSystemState::GiveBackFormFrame()
{
    // The form's own procedure has it again, and the window its own frame,
    // caption and plain shape.
    const HWND window = parts_.Form().Handle();
    const TskFormSkinEngine& engine = parts_.Engine();
    parts_.Frame().RemoveRegion();
    ::SetWindowLongPtrA(window, GWL_STYLE,
                        (::GetWindowLongPtrA(window, GWL_STYLE) & ~(kCaptionStyles | WS_MAXIMIZE)) | strippedStyles_);
    strippedStyles_ = 0;
    if (engine.AlphaBlend() || engine.AlphaBlendAnimation()) {
        const LONG_PTR exStyle = ::GetWindowLongPtrA(window, GWL_EXSTYLE);
        if (exStyle & WS_EX_LAYERED)
            ::SetWindowLongPtrA(window, GWL_EXSTYLE, exStyle & ~LONG_PTR(WS_EX_LAYERED));
    }
    ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace sk
