// The form as the system and a window manager see it. The engine keeps the
// window state itself, but a top-level form tells the system what it offers and
// where it stands:
// - the minimize and maximize its caption buttons offer (a window manager greys
//   in its own menus, keys and taskbar what a window does not offer, and drops
//   the requests);
// - while the engine keeps it maximized, a maximized window with a caption
//   style. A window that covers the whole screen without those is taken for a
//   full-screen one: the system confines the pointer to it, and a manager keeps
//   it above everything and does not count it as maximized.
// The manager's own requests (its menu, keys, taskbar, a double click on the
// minimized title) come as system commands, and the engine follows them.
#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "skin/forms/form_skin_engine.h"

namespace sk {

namespace {

// The styles the engine decides; the others stay the form's.
constexpr LONG_PTR kEngineStyles = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_MAXIMIZE;

}  // namespace

bool TskFormSkinEngine::IsTopLevel() const { return !form_->Parent() && !IsMDIChild(); }

bool TskFormSkinEngine::ShownMaximized() const
{
    return IsTopLevel() && windowState_ == wsMaximized && !rolledUp_ && !Iconic();
}

LONG_PTR TskFormSkinEngine::SystemStyles() const
{
    // A child window has no manager to tell; the system's caption and buttons
    // are the engine's to draw.
    if (!IsTopLevel())
        return 0;
    LONG_PTR style = 0;
    if (borderIcons_.Contains(biSystemMenu))
        style |= WS_SYSMENU;
    if (borderIcons_.Contains(biMinimize))
        style |= WS_MINIMIZEBOX;
    if (borderIcons_.Contains(biMaximize))
        style |= WS_MAXIMIZEBOX;
    if (ShownMaximized())
        style |= WS_MAXIMIZE | WS_CAPTION;
    return style;
}

bool TskFormSkinEngine::ApplySystemStyles()
{
    if (!form_->HandleAllocated() || ComponentState().Contains(gui::csDesigning))
        return false;
    const HWND window = form_->Handle();
    const LONG_PTR style = ::GetWindowLongPtrA(window, GWL_STYLE);
    const LONG_PTR wanted = (style & ~kEngineStyles) | SystemStyles();
    if (wanted == style)
        return false;
    ::SetWindowLongPtrA(window, GWL_STYLE, wanted);
    return true;
}

void TskFormSkinEngine::ShowSystemState()
{
    // The system hands a new state on to a window manager when the window's
    // place changes; one that keeps its place is told by a frame change.
    if (ApplySystemStyles())
        ::SetWindowPos(form_->Handle(), nullptr, 0, 0, 0, 0,
                       SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TskFormSkinEngine::MaximizedPlacement(MINMAXINFO& info)
{
    // Where the system puts the form when it brings it back from the taskbar
    // maximized: the place the engine gives a maximized form.
    if (!IsTopLevel())
        return;
    const gui::TRect r = MaximizedBounds();
    info.ptMaxPosition = POINT{r.Left, r.Top};
    info.ptMaxSize = POINT{r.Right - r.Left, r.Bottom - r.Top};
}

void TskFormSkinEngine::WMSysCommand(gui::TMessage& message)
{
    const WPARAM command = message.WParam & 0xFFF0;
    const bool mainForm = gui::Application().MainForm() == form_;
    if (!IsTopLevel() || (command != SC_MINIMIZE && command != SC_MAXIMIZE && command != SC_RESTORE)) {
        CallSaved(message);
        return;
    }
    message.Result = 0;
    if (Iconic()) {
        // Back from the taskbar (to the state it left in, which the system
        // remembers); the program as a whole when it is the main form.
        if (command == SC_MINIMIZE)
            return;
        if (mainForm && gui::Application().Minimized())
            gui::Application().Restore();
        else
            CallSaved(message);
        ShowSystemState();
        return;
    }
    switch (command) {
    case SC_MINIMIZE:
        // To the taskbar, also for a form that the engine would park as a
        // caption strip: the manager has taken it there already. The main form
        // takes the program with it.
        if (!borderIcons_.Contains(biMinimize))
            return;
        if (mainForm)
            SetFormState(wsMinimized);
        else
            CallSaved(message);
        return;
    case SC_MAXIMIZE:
        if (borderIcons_.Contains(biMaximize))
            SetFormState(wsMaximized);
        break;
    default:
        if (rolledUp_ && (rolledUpMaximized_ || windowState_ == wsNormal))
            RollUpForm(false);
        else
            SetFormState(wsNormal);
        break;
    }
    // A state whose bounds the form had already (the manager sized it first)
    // moved nothing: the system is told the state itself.
    ShowSystemState();
}

}  // namespace sk
