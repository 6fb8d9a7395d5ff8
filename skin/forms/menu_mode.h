// The engine's menus and the keyboard's menu mode. Menus opened on the form (the
// system menu, the main-menu items of the frame, the menu bar's submenus) take
// the keys while they are open: the engine puts its handler in front of the
// program's message loops and hands each key press to the main menu or to the
// innermost open menu. F10 or Alt alone enter the menu mode with the first main-
// menu item selected; Alt and a letter open the item that letter marks. A menu
// bar, when the form has one, takes the mode instead of the frame's items.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "gui/controls/message.h"

namespace gui {
class TComponent;
class TMainMenu;
}  // namespace gui

namespace sk {

class TskEngineParts;
class TskFormMenuBar;
class TskSkinMainMenuItem;
class TskSkinMenu;

// What a key does in the menu mode, before the open menus see it.
enum class TskMenuKeyAction {
    None,         // to the innermost open menu, if any
    ExitMode,     // Esc with no menu open
    SelectPrior,  // Left on the bar or in a first-level menu
    SelectNext,   // Right where no submenu opens
    Press,        // Enter; Down or Up while no menu is open
};
// What a key does given the menu mode (mode), whether a menu of it is open
// (menuOpen), the levels the menu engine has open, and whether the active row
// of the innermost one opens a submenu.
TskMenuKeyAction MenuKeyAction(WORD key, bool mode, bool menuOpen, int levels, bool rowOpensSubmenu);

class TskMenuMode {
public:
    // Makes the menu engine, owned by the engine.
    explicit TskMenuMode(TskEngineParts& parts);
    ~TskMenuMode();
    TskMenuMode(const TskMenuMode&) = delete;
    TskMenuMode& operator=(const TskMenuMode&) = delete;

    TskSkinMenu& SkinMenu() { return *skinMenu_; }
    // A skinned menu opened on the form is still open.
    bool MenuOpen() const { return menuOpen_; }
    bool MainMenuMode() const { return mainMenuMode_; }
    void ClearMenuOpen() { menuOpen_ = false; }

    // The menu bar that takes the menu mode; one that is a component is let go
    // of when it is destroyed.
    TskFormMenuBar* Bar() const { return bar_; }
    void SetBar(TskFormMenuBar* bar);
    void ComponentRemoved(gui::TComponent* component);

    // Alt and a letter reach the menus through the form's shortcuts: the engine
    // takes the form's handler, and gives it back.
    void TakeFormShortCuts();
    void GiveBackFormShortCuts();

    // ---- Opening and closing ----
    void SkinMenuOpen();
    void EnterMainMenuMode();
    // The pressed main-menu item's menu closed; all menus closed; the mode ends.
    void SkinMenuClose();
    void SkinMenusClosed();
    void MainMenuExit();
    // A press or a move elsewhere closes whatever menu is open.
    void Dismiss();
    // While a menu is open or the menu mode is on, the key presses of every
    // message loop of the program come to the engine first.
    void HookAppMessages();
    void UnhookAppMessages();

    // ---- Keys ----
    // WM_SYSCOMMAND SC_KEYMENU: Alt or F10 alone, or Alt+Space.
    void KeyMenu(gui::TMessage& message);

private:
    struct AppMessageLink;
    struct AppMessageHook;

    void AppMessage(MSG& msg, bool& handled);
    void SysKeyMenu();
    void SystemMenuKey();
    void MenuKey(WORD key);
    void FormShortCut(gui::TMessage& message, bool& handled);
    gui::TMainMenu* ShortCutMenu() const;
    bool AltLetter(char key);
    void SelectMainMenuItem(bool next);
    bool PressMainMenuItem();
    void ChooseMainMenuItem(TskSkinMainMenuItem& item);

    TskEngineParts& parts_;
    TskSkinMenu* skinMenu_;  // the engine owns it
    TskFormMenuBar* bar_ = nullptr;
    gui::TComponent* barComponent_ = nullptr;  // the same bar, as a component
    bool menuOpen_ = false;
    bool mainMenuMode_ = false;
    // The form's shortcut handler while the engine has it.
    std::function<void(gui::TMessage&, bool&)> savedShortCut_;
    // The engine's place among the application's message handlers while a menu
    // mode lasts.
    std::shared_ptr<AppMessageLink> appLink_;
};

}  // namespace sk
