// The form as the system and a window manager see it. The engine keeps the
// window state itself and draws its own caption, but a top-level form tells the
// system what it offers and where it stands:
// - the minimize and maximize its caption buttons offer (a window manager greys
//   in its own menus, keys and taskbar what a window does not offer, and drops
//   the requests);
// - while the engine keeps it maximized, a maximized window with a caption
//   style. A window that covers the whole screen without those is taken for a
//   full-screen one: the system confines the pointer to it, and a manager keeps
//   it above everything and does not count it as maximized.
// The manager's own requests (its menu, keys, taskbar, a double click on the
// minimized title) come as system commands, and the engine follows them.
#pragma once

#include <windows.h>

#include "gui/controls/message.h"
#include "gui/core/set.h"

namespace sk {

class TskEngineParts;

// Posted to the form after a restore the system asked for: its place is handed on
// to the window manager then (wParam and lParam are 0).
constexpr UINT WM_SKINSYNCPLACE = 1235;

// The window styles that tell the system of the caption buttons (the system
// menu, minimize and maximize icons) and of a maximized state. A child window
// has no manager to tell.
LONG_PTR SystemStyles(bool topLevel, bool systemMenu, bool minimize, bool maximize, bool shownMaximized);

class TskSystemState {
public:
    explicit TskSystemState(TskEngineParts& parts) : parts_(parts) {}
    TskSystemState(const TskSystemState&) = delete;
    TskSystemState& operator=(const TskSystemState&) = delete;

    // A form of its own on the screen: neither a child control nor an MDI child.
    bool IsTopLevel() const;
    // Sets the styles for the engine's state; true when they changed.
    bool Apply();
    // The same, and the system told of a change even when the form keeps its place.
    void Show();
    // WM_GETMINMAXINFO: where the system puts the form maximized.
    void MaximizedPlacement(MINMAXINFO& info) const;
    // WM_SYSCOMMAND other than the keyboard's menu.
    void SysCommand(gui::TMessage& message);
    // WM_SKINSYNCPLACE: the form's place, as it stands, handed on to the manager.
    void SyncPlace();
    // WM_NCCREATE: the system's caption and buttons go; the engine draws its own.
    void StripCaptionStyles();
    // The engine goes before its form: the window its own frame, caption and
    // plain shape again.
    void GiveBackFormFrame();

private:
    bool ShownMaximized() const;

    TskEngineParts& parts_;
    // The caption styles taken off the form's window, given back when the
    // engine goes before it.
    LONG_PTR strippedStyles_ = 0;
};

}  // namespace sk
