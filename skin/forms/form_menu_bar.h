// What the form skinning engine asks of the menu bar that its keyboard menu mode
// goes to: the keys of the menu mode, and the buttons of a maximized MDI child.
// The skinned main menu bar implements it; the engine knows the bar only through
// it.
#pragma once

namespace gui {
class TMainMenu;
}  // namespace gui

namespace sk {

class TskFormMenuBar {
public:
    // The menu the bar shows; its shortcuts are the form's.
    virtual gui::TMainMenu* MainMenu() const = 0;
    // A child of the MDI parent was maximized or restored: the child's buttons
    // come or go.
    virtual void MDIChildMaximized() = 0;
    virtual void MDIChildRestored() = 0;
    // Alt+letter: the item with that accelerator is selected and pressed. True
    // when an item took the key.
    virtual bool CheckAccelerator(char key) = 0;
    // Right and Left: the next or previous item is selected, round the bar.
    virtual void SelectNextItem() = 0;
    virtual void SelectPriorItem() = 0;
    // Enter or Down: the selected item is pressed. True when one was.
    virtual bool PressSelectedItem() = 0;
    // F10 or Alt: the first item is selected and the keys go to the menus.
    virtual void EnterMenuMode() = 0;
    // The submenu of the pressed item was closed: the item stays selected.
    virtual void SubMenuClosed() = 0;
    virtual void LeaveMenuMode() = 0;

protected:
    TskFormMenuBar() = default;
    TskFormMenuBar(const TskFormMenuBar&) = default;
    TskFormMenuBar& operator=(const TskFormMenuBar&) = default;
    ~TskFormMenuBar() = default;
};

}  // namespace sk
