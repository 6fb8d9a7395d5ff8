// The keys of the menu mode: F10 or Alt alone, Alt and a letter, Alt+Space,
// the arrows, Enter and Esc, for the frame's main-menu items or the menu bar.
#include <vector>

#include "gui/controls/accel.h"
#include "gui/controls/form.h"
#include "gui/controls/menu.h"
#include "gui/controls/shift_state.h"
#include "skin/forms/form_engine_parts.h"
#include "skin/forms/form_menu_bar.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/forms/menu_mode.h"
#include "skin/frame/active_skin_objects.h"
#include "skin/frame/main_menu_item_behaviour.h"
#include "skin/popups/skin_menu.h"
#include "skin/popups/skin_popup_window.h"

namespace sk {

namespace {

bool Selectable(const TskSkinMainMenuItem& item) { return item.Enabled() && item.Visible(); }

// Whether a key names an item of the main menu by its accelerator.
bool IsMenuAccel(gui::TMainMenu* menu, char key)
{
    if (!menu || !key)
        return false;
    gui::TMenuItem& items = menu->Items();
    for (int i = 0; i < items.Count(); ++i)
        if (items.Items(i)->Visible() && items.Items(i)->Enabled() && gui::IsAccel(key, items.Items(i)->Caption()))
            return true;
    return false;
}

std::vector<TskSkinMainMenuItem*> MainMenuItems(const TskFrameObjectList& objects)
{
    std::vector<TskSkinMainMenuItem*> items;
    for (const auto& object : objects.All())
        if (auto* item = dynamic_cast<TskSkinMainMenuItem*>(object.get()))
            items.push_back(item);
    return items;
}

}  // namespace

TskMenuKeyAction MenuKeyAction(WORD key, bool mode, bool menuOpen, int levels, bool rowOpensSubmenu)
{
    if (key == VK_ESCAPE && mode && !menuOpen)
        return TskMenuKeyAction::ExitMode;
    if (key == VK_LEFT && mode && levels <= 1)
        return TskMenuKeyAction::SelectPrior;
    if (key == VK_RIGHT && mode && !rowOpensSubmenu)
        return TskMenuKeyAction::SelectNext;
    // Enter chooses the selected item; Down or Up opens its menu while none is
    // open, as the system's menu bar does.
    if (key == VK_RETURN || ((key == VK_DOWN || key == VK_UP) && mode && levels == 0))
        return TskMenuKeyAction::Press;
    return TskMenuKeyAction::None;
}

gui::TMainMenu* TskMenuMode::ShortCutMenu() const
{
    return bar_ && bar_->MainMenu() ? bar_->MainMenu() : parts_.Engine().MainMenu();
}

void TskMenuMode::KeyMenu(gui::TMessage& message)
{
    // Alt or F10 alone; a letter with Alt came to the form's shortcuts.
    if (message.LParam == 0)
        SysKeyMenu();
    else if (message.LParam == ' ')
        SystemMenuKey();
    message.Result = 0;
}

void TskMenuMode::SysKeyMenu()
{
    if (mainMenuMode_) {
        MainMenuExit();
        return;
    }
    // A form with no main menu to enter has no menu mode: the keys stay the
    // controls'. An MDI child hands them to its parent's menu.
    if (!bar_ && !parts_.Objects().HasMainMenuItems()) {
        if (TskFormSkinEngine* main = parts_.MDI().IsChild() ? parts_.MDI().MainFormEngine() : nullptr)
            TskEngineParts::Of(*main).Menus().SysKeyMenu();
        return;
    }
    // A menu still open (the system menu, say) closes first: nothing would take
    // its keys any more.
    if (skinMenu_->LevelCount() > 0)
        skinMenu_->CloseMenus();
    if (bar_) {
        // The bar selects its first item, enters the mode and tells of it.
        bar_->EnterMenuMode();
        if (!mainMenuMode_)
            EnterMainMenuMode();
        return;
    }
    TskSkinMainMenuItem* first = nullptr;
    TskSkinMainMenuItem* hovered = nullptr;
    const TskFrameObjectList& objects = parts_.Objects();
    for (int i = 0; i < objects.Count(); ++i) {
        auto* item = dynamic_cast<TskSkinMainMenuItem*>(objects.At(i));
        if (!item)
            continue;
        if (!first)
            first = item;
        if (i == objects.HoverIndex())
            hovered = item;
    }
    (hovered ? hovered : first)->MouseEnter();
    EnterMainMenuMode();
}

// Alt+Space: the system menu, below the system-menu button when the frame shows
// one, else at the top-left corner of the client area, as the system's opens. A
// maximized MDI child shows no frame: its menu opens at the top-left corner of
// the parent's client window, below the menu bar's button of the child.
void TskMenuMode::SystemMenuKey()
{
    TskFormSkinEngine& engine = parts_.Engine();
    gui::TForm& form = parts_.Form();
    if (!engine.BorderIcons().Contains(biSystemMenu) || !form.HandleAllocated())
        return;
    if (mainMenuMode_)
        MainMenuExit();
    if (skinMenu_->LevelCount() > 0)
        skinMenu_->CloseMenus();
    if (menuOpen_)
        SkinMenusClosed();
    const TskActiveSkinObject* button = nullptr;
    if (!parts_.MDI().IsMaximizedChild())
        for (const auto& object : parts_.Objects().All())
            if (auto* candidate = dynamic_cast<TskSkinStdButtonObject*>(object.get()))
                if (candidate->Command() == cmSysMenu && candidate->Visible() && candidate->Enabled() &&
                    parts_.Objects().ShownInRollState(*candidate)) {
                    button = candidate;
                    break;
                }
    gui::TPoint at;
    if (button) {
        const gui::TPoint origin =
            engine.SupportNCArea() ? engine.FrameScreenOrigin() : form.ClientToScreen(gui::Point(0, 0));
        at = gui::Point(origin.X + button->ObjectRect().Left, origin.Y + button->ObjectRect().Bottom);
    } else if (engine.SupportNCArea()) {
        at = form.ClientToScreen(gui::Point(0, 0));
    } else {
        at = form.ClientToScreen(gui::Point(0, parts_.Frame().Geometry().CaptionRect.Bottom));
    }
    parts_.SystemMenu().Open(at);
}

void TskMenuMode::MenuKey(WORD key)
{
    // While the parent's menus are at work, the keys are theirs.
    if (TskFormSkinEngine* main = parts_.MDI().IsChild() ? parts_.MDI().MainFormEngine() : nullptr) {
        TskMenuMode& parentMenus = TskEngineParts::Of(*main).Menus();
        if (parentMenus.menuOpen_ || parentMenus.mainMenuMode_ || parentMenus.skinMenu_->LevelCount() > 0) {
            parentMenus.MenuKey(key);
            return;
        }
    }
    const char letter = gui::AccelChar(key);
    if (mainMenuMode_ && IsMenuAccel(ShortCutMenu(), letter) && AltLetter(letter))
        return;
    const int levels = skinMenu_->LevelCount();
    const TskSkinPopupWindow* top = skinMenu_->TopLevel();
    const TskSkinMenuItem* row =
        top && top->ActiveRow() >= 0 && top->ActiveRow() < top->RowCount() ? top->Rows(top->ActiveRow()) : nullptr;
    const bool rowOpensSubmenu = row && row->MenuItem().Count() > 0;
    switch (MenuKeyAction(key, mainMenuMode_, menuOpen_, levels, rowOpensSubmenu)) {
    case TskMenuKeyAction::ExitMode:
        MainMenuExit();
        return;
    case TskMenuKeyAction::SelectPrior:
        SelectMainMenuItem(false);
        return;
    case TskMenuKeyAction::SelectNext:
        SelectMainMenuItem(true);
        return;
    case TskMenuKeyAction::Press:
        if (bar_ ? bar_->PressSelectedItem() : PressMainMenuItem())
            return;
        break;
    case TskMenuKeyAction::None:
        break;
    }
    if (TskSkinPopupWindow* open = skinMenu_->TopLevel()) {
        open->ProcessKey(key);
        // Esc closed the last level. In the menu mode its item comes back up,
        // still selected: Down or Enter opens it again, Left and Right move
        // along the bar, the next Esc leaves the mode. A menu opened outside
        // the mode is over: the next key is the program's again.
        if (menuOpen_ && skinMenu_->LevelCount() == 0) {
            if (mainMenuMode_)
                SkinMenuClose();
            else
                SkinMenusClosed();
        }
        return;
    }
    if (key == VK_ESCAPE) {
        if (mainMenuMode_)
            SkinMenuClose();
        else
            SkinMenusClosed();
    }
}

void TskMenuMode::SelectMainMenuItem(bool next)
{
    if (bar_) {
        if (next)
            bar_->SelectNextItem();
        else
            bar_->SelectPriorItem();
        return;
    }
    std::vector<TskSkinMainMenuItem*> items;
    for (TskSkinMainMenuItem* item : MainMenuItems(parts_.Objects()))
        if (Selectable(*item))
            items.push_back(item);
    if (items.empty())
        return;
    size_t at = items.size();
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i]->Active() || items[i]->Down()) {
            at = i;
            break;
        }
    TskSkinMainMenuItem* target;
    if (at == items.size())
        target = next ? items.front() : items.back();
    else
        target = items[next ? (at + 1) % items.size() : (at + items.size() - 1) % items.size()];
    if (at < items.size() && items[at] != target && !items[at]->Down())
        items[at]->MouseLeave();
    // An item whose menu is open hands it over to the one entered.
    target->MouseEnter();
}

bool TskMenuMode::PressMainMenuItem()
{
    for (TskSkinMainMenuItem* item : MainMenuItems(parts_.Objects())) {
        if (!((item->Down() && !HasSubItems(item->MenuItem())) || (item->Active() && !menuOpen_)))
            continue;
        item->SetActive(false);
        ChooseMainMenuItem(*item);
        return true;
    }
    return false;
}

void TskMenuMode::ChooseMainMenuItem(TskSkinMainMenuItem& item)
{
    // A command ends the menu mode before it runs: the keys are the program's
    // again, in a dialog the command shows too.
    if (!HasSubItems(item.MenuItem()) && mainMenuMode_)
        MainMenuExit();
    item.MouseDown(0, 0, gui::mbLeft);
}

bool TskMenuMode::AltLetter(char key)
{
    if (bar_)
        return bar_->CheckAccelerator(key);
    for (TskSkinMainMenuItem* item : MainMenuItems(parts_.Objects())) {
        if (!Selectable(*item) || !item->MenuItem() || !gui::IsAccel(key, item->MenuItem()->Caption()))
            continue;
        const bool press = !menuOpen_ || !HasSubItems(item->MenuItem());
        item->MouseEnter();
        if (press && !item->Down())
            ChooseMainMenuItem(*item);
        return true;
    }
    return false;
}

void TskMenuMode::FormShortCut(gui::TMessage& message, bool& handled)
{
    gui::TMainMenu* menu = ShortCutMenu();
    if (!menu) {
        // An MDI child without a menu of its own takes its parent's.
        if (TskFormSkinEngine* main = parts_.MDI().IsChild() ? parts_.MDI().MainFormEngine() : nullptr)
            TskEngineParts::Of(*main).Menus().FormShortCut(message, handled);
        return;
    }
    gui::TShiftState shift = gui::KeyboardShiftState();
    if (message.LParam & (LPARAM(KF_ALTDOWN) << 16))
        shift.Include(gui::ssAlt);
    const bool altOnly = shift.Contains(gui::ssAlt) && !shift.Contains(gui::ssCtrl) && !shift.Contains(gui::ssShift);
    const char letter = gui::AccelChar(unsigned(message.WParam));
    if (altOnly && letter && AltLetter(letter)) {
        handled = true;
        // The system takes Alt released after a key it did not see for Alt
        // alone, which would end the menu mode just entered: it sees the key.
        gui::TForm& form = parts_.Form();
        if (message.Msg == WM_SYSKEYDOWN && form.HandleAllocated())
            ::DefWindowProcA(form.Handle(), message.Msg, message.WParam, message.LParam);
        return;
    }
    // Each press reaches this once (the loops offer it once), so every press of
    // a shortcut reaches the menu.
    handled = menu->IsShortCut(message);
}

}  // namespace sk
