// The system menu of a skinned form: the window commands that apply to the form's
// state (minimize, restore, maximize, roll-up, minimize to tray) and close. A
// system menu of the program's own gets the same commands around its items
// unless UseDefaultSysMenu is off.
#pragma once

#include <cstdint>

#include "gui/core/types.h"

namespace gui {
class TComponent;
class TMenuItem;
class TPopupMenu;
}  // namespace gui

namespace sk {

class TskEngineParts;

// What the form's state at the moment offers.
struct TskSystemMenuState {
    uint8_t WindowState = 0;  // TskWindowState
    bool Iconic = false;      // minimized by the system
    bool RolledUp = false;
    bool MaximizedMDIChild = false;
    bool Minimize = true, Maximize = true, RollUp = true, ToTray = false;  // the border icons
};
// The window commands the system menu shows for a state, in this order:
// minimize, maximize, restore, roll-up, minimize to tray.
struct TskSystemMenuCommands {
    bool Minimize = false, Maximize = false, Restore = false, RollUp = false, ToTray = false;
};
TskSystemMenuCommands SystemMenuCommands(const TskSystemMenuState& state);

class TskSystemMenu {
public:
    // Makes the default system menu, owned by the engine.
    explicit TskSystemMenu(TskEngineParts& parts);
    TskSystemMenu(const TskSystemMenu&) = delete;
    TskSystemMenu& operator=(const TskSystemMenu&) = delete;

    // The program's own system menu, or none.
    gui::TPopupMenu* ProgramMenu() const { return programMenu_; }
    void SetProgramMenu(gui::TPopupMenu* menu);
    bool UseDefaultSysMenu() const { return useDefault_; }
    void SetUseDefaultSysMenu(bool value) { useDefault_ = value; }
    // The items made ready for the form's current state.
    gui::TMenuItem* Items();
    // Opens the menu at a screen point.
    void Open(gui::TPoint screen);
    // The program's menu was destroyed.
    void ComponentRemoved(gui::TComponent* component);

private:
    TskEngineParts& parts_;
    gui::TPopupMenu* defaultMenu_;  // the engine owns it
    gui::TPopupMenu* programMenu_ = nullptr;
    bool useDefault_ = true;
};

}  // namespace sk
