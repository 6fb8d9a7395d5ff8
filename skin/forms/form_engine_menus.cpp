// The engine's menus and the keyboard's menu mode. Menus opened on the form (the
// system menu, the main-menu items of the frame, the menu bar's submenus) take
// the keys while they are open: the engine puts its handler in front of the
// program's message loops and hands each key press to the main menu or to the
// innermost open menu. F10 or Alt alone enter the menu mode with the first main-
// menu item selected; Alt and a letter open the item that letter marks.
#include "gui/controls/accel.h"
#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/menu.h"
#include "gui/controls/shift_state.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/forms/form_skin_engine_finders.h"
#include "skin/frame/active_skin_objects.h"
#include "skin/popups/skin_hint.h"
#include "skin/popups/skin_menu.h"
#include "skin/popups/skin_popup_window.h"

namespace sk {

namespace {

bool Selectable(const TskSkinMainMenuItem& item) { return item.Enabled && item.Visible; }

bool HasSubItems(const TskSkinMainMenuItem& item) { return item.MenuItem && item.MenuItem->Count() > 0; }

// Whether Key names an item of the main menu by its accelerator.
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

}  // namespace

void TskFormSkinEngine::SetMainMenuBar(TskFormMenuBar* value)
{
    auto* component = dynamic_cast<gui::TComponent*>(value);
    if (mainMenuBarComponent_ && mainMenuBarComponent_ != component)
        mainMenuBarComponent_->RemoveFreeNotification(this);
    mainMenuBar_ = value;
    mainMenuBarComponent_ = component;
    if (mainMenuBarComponent_)
        mainMenuBarComponent_->FreeNotification(this);
}

bool TskFormSkinEngine::HasMainMenuItems() const
{
    for (const auto& object : objects_)
        if (dynamic_cast<TskSkinMainMenuItem*>(object.get()))
            return true;
    return false;
}

// ---- Opening and closing ----

void TskFormSkinEngine::SkinMenuOpen()
{
    if (!mainMenuMode_)
        HookAppMessages();
    if (!menuOpen_) {
        menuOpen_ = true;
        if (OnSkinMenuOpen)
            OnSkinMenuOpen(this);
    }
}

void TskFormSkinEngine::EnterMainMenuMode()
{
    if (mainMenuMode_)
        return;
    mainMenuMode_ = true;
    HookAppMessages();
    if (OnMainMenuEnter)
        OnMainMenuEnter(this);
}

void TskFormSkinEngine::SkinMenuClose()
{
    menuOpen_ = false;
    if (mainMenuBar_) {
        mainMenuBar_->SubMenuClosed();
    } else {
        for (auto& object : objects_) {
            auto* item = dynamic_cast<TskSkinMainMenuItem*>(object.get());
            if (!item || !item->Down)
                continue;
            item->SetDown(false);
            item->MouseEnter();
            break;
        }
    }
    if (OnSkinMenuClose)
        OnSkinMenuClose(this);
}

void TskFormSkinEngine::SkinMenusClosed()
{
    menuOpen_ = false;
    bool released = false;
    for (auto& object : objects_) {
        auto* item = dynamic_cast<TskSkinMainMenuItem*>(object.get());
        if (!item || !item->Down)
            continue;
        item->MouseIn = false;
        item->SetDown(false);
        released = true;
        break;
    }
    if (!released) {
        for (auto& object : objects_) {
            auto* button = dynamic_cast<TskSkinButtonObject*>(object.get());
            if (!button || !button->Down || !button->PopupItem)
                continue;
            button->SetDown(false);
            RedrawObject(*button);
            break;
        }
    }
    UnhookAppMessages();
    if (OnSkinMenuClose)
        OnSkinMenuClose(this);
    if (mainMenuMode_) {
        mainMenuMode_ = false;
        if (mainMenuBar_)
            mainMenuBar_->LeaveMenuMode();
        if (OnMainMenuExit)
            OnMainMenuExit(this);
    }
}

void TskFormSkinEngine::MainMenuExit()
{
    mainMenuMode_ = false;
    if (skinMenu_->LevelCount() > 0)
        skinMenu_->CloseLevels(0);
    if (mainMenuBar_) {
        mainMenuBar_->LeaveMenuMode();
    } else {
        for (auto& object : objects_) {
            auto* item = dynamic_cast<TskSkinMainMenuItem*>(object.get());
            if (item && (item->Active || item->Down)) {
                if (item->Down)
                    item->SetDown(false);
                item->MouseLeave();
            }
        }
    }
    menuOpen_ = false;
    UnhookAppMessages();
    if (OnMainMenuExit)
        OnMainMenuExit(this);
}

void TskFormSkinEngine::DismissMenus()
{
    if (showObjectHint_ && skinHint_)
        skinHint_->HideObjectHint();
    if (mainMenuMode_ && !menuOpen_) {
        MainMenuExit();
    } else if (skinMenu_->LevelCount() > 0) {
        skinMenu_->CloseMenus();
    } else if (menuOpen_) {
        SkinMenusClosed();
    } else if (IsMDIParent() && form_->Visible()) {
        // A menu of the active child (its system menu, say) closes as well.
        TskFormSkinEngine* child = GetActiveMDIChildSkinForm();
        if (child && child != this)
            child->DismissMenus();
    }
}

// ---- The application's messages ----

// The handler an engine installs. Engines in menu mode at the same time (two
// forms, a form and its dialog) stack their handlers, each holding the one it
// replaced; an engine that lets go while another is above it is taken out of the
// stack, so that each gets back exactly what it replaced, in whatever order the
// modes end. A link that cannot be taken out (the program put a handler of its
// own above it) passes every message on to what it replaced.
struct TskFormSkinEngine::AppMessageHook {
    std::shared_ptr<AppMessageLink> link;

    void operator()(MSG& msg, bool& handled) const
    {
        if (link->engine)
            link->engine->AppMessage(msg, handled);
        else if (link->replaced)
            link->replaced(msg, handled);
    }
};

void TskFormSkinEngine::HookAppMessages()
{
    if (appLink_)
        return;
    auto& handler = gui::Application().OnMessage;
    appLink_ = std::make_shared<AppMessageLink>(AppMessageLink{this, std::move(handler)});
    handler = AppMessageHook{appLink_};
}

void TskFormSkinEngine::UnhookAppMessages()
{
    if (!appLink_)
        return;
    const std::shared_ptr<AppMessageLink> link = std::move(appLink_);
    link->engine = nullptr;
    auto& handler = gui::Application().OnMessage;
    auto* hook = handler.target<AppMessageHook>();
    if (hook && hook->link == link) {
        handler = link->replaced;
        return;
    }
    // Installed before another engine's: the one above it takes what it replaced.
    for (; hook; hook = hook->link->replaced.target<AppMessageHook>()) {
        auto* below = hook->link->replaced.target<AppMessageHook>();
        if (below && below->link == link) {
            hook->link->replaced = link->replaced;
            return;
        }
    }
}

void TskFormSkinEngine::AppMessage(MSG& msg, bool& handled)
{
    // The keys of a minimized active window come as system keys without Alt.
    const bool iconicKey = msg.message == WM_SYSKEYDOWN && !(msg.lParam & (LPARAM(KF_ALTDOWN) << 16)) && Iconic();
    if (msg.message != WM_KEYDOWN && !iconicKey)
        return;
    const WORD key = WORD(msg.wParam);
    msg.message = 0;
    handled = true;
    MenuKey(key);
}

// ---- Keys ----

void TskFormSkinEngine::SysKeyMenu()
{
    if (mainMenuMode_) {
        MainMenuExit();
        return;
    }
    // A form with no main menu to enter has no menu mode: the keys stay the
    // controls'. An MDI child hands them to its parent's menu.
    if (!mainMenuBar_ && !HasMainMenuItems()) {
        if (TskFormSkinEngine* main = IsMDIChild() ? MainFormEngine() : nullptr)
            main->SysKeyMenu();
        return;
    }
    // A menu still open (the system menu, say) closes first: nothing would take
    // its keys any more.
    if (skinMenu_->LevelCount() > 0)
        skinMenu_->CloseMenus();
    if (mainMenuBar_) {
        // The bar selects its first item, enters the mode and tells of it.
        mainMenuBar_->EnterMenuMode();
        if (!mainMenuMode_)
            EnterMainMenuMode();
        return;
    }
    TskSkinMainMenuItem* first = nullptr;
    TskSkinMainMenuItem* hovered = nullptr;
    for (int i = 0; i < ObjectCount(); ++i) {
        auto* item = dynamic_cast<TskSkinMainMenuItem*>(Objects(i));
        if (!item)
            continue;
        if (!first)
            first = item;
        if (i == hoverIndex_)
            hovered = item;
    }
    (hovered ? hovered : first)->MouseEnter();
    EnterMainMenuMode();
}

// Alt+Space: the system menu, below the system-menu button when the frame shows
// one, else at the top-left corner of the client area, as the system's opens. A
// maximized MDI child shows no frame: its menu opens at the top-left corner of
// the parent's client window, below the menu bar's button of the child.
void TskFormSkinEngine::SystemMenuKey()
{
    if (!borderIcons_.Contains(biSystemMenu) || !form_->HandleAllocated())
        return;
    if (mainMenuMode_)
        MainMenuExit();
    if (skinMenu_->LevelCount() > 0)
        skinMenu_->CloseMenus();
    if (menuOpen_)
        SkinMenusClosed();
    gui::TPoint at;
    const TskActiveSkinObject* button = nullptr;
    for (auto& object : objects_)
        if (auto* b = IsMaximizedMDIChild() ? nullptr : dynamic_cast<TskSkinStdButtonObject*>(object.get()))
            if (b->Command == cmSysMenu && b->Visible && b->Enabled && ShownInRollState(*b)) {
                button = b;
                break;
            }
    if (button) {
        const gui::TPoint origin = supportNCArea_ ? FrameScreenOrigin() : form_->ClientToScreen(gui::Point(0, 0));
        at = gui::Point(origin.X + button->ObjectRect.Left, origin.Y + button->ObjectRect.Bottom);
    } else if (supportNCArea_) {
        at = form_->ClientToScreen(gui::Point(0, 0));
    } else {
        at = form_->ClientToScreen(gui::Point(0, geometry_.CaptionRect.Bottom));
    }
    OpenSystemMenu(at);
}

void TskFormSkinEngine::MenuKey(WORD key)
{
    // While the parent's menus are at work, the keys are theirs.
    if (TskFormSkinEngine* main = IsMDIChild() ? MainFormEngine() : nullptr)
        if (main->menuOpen_ || main->mainMenuMode_ || main->skinMenu_->LevelCount() > 0) {
            main->MenuKey(key);
            return;
        }
    gui::TMainMenu* menu = mainMenuBar_ && mainMenuBar_->MainMenu() ? mainMenuBar_->MainMenu() : mainMenu_;
    if (mainMenuMode_ && IsMenuAccel(menu, gui::AccelChar(key)) && AltLetter(gui::AccelChar(key)))
        return;
    const int levels = skinMenu_->LevelCount();
    if (key == VK_ESCAPE && mainMenuMode_ && !menuOpen_) {
        MainMenuExit();
        return;
    }
    if (key == VK_LEFT && mainMenuMode_ && levels <= 1) {
        SelectMainMenuItem(false);
        return;
    }
    if (key == VK_RIGHT && mainMenuMode_) {
        const TskSkinPopupWindow* top = skinMenu_->TopLevel();
        const TskSkinMenuItem* row =
            top && top->ActiveRow() >= 0 && top->ActiveRow() < top->RowCount() ? top->Rows(top->ActiveRow()) : nullptr;
        if (!top || !row || row->MenuItem.Count() == 0) {
            SelectMainMenuItem(true);
            return;
        }
    }
    // Enter chooses the selected item; Down or Up opens its menu while none is
    // open, as the system's menu bar does.
    if ((key == VK_RETURN || ((key == VK_DOWN || key == VK_UP) && mainMenuMode_ && levels == 0)) &&
        (mainMenuBar_ ? mainMenuBar_->PressSelectedItem() : PressMainMenuItem()))
        return;
    if (TskSkinPopupWindow* top = skinMenu_->TopLevel()) {
        top->ProcessKey(key);
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

void TskFormSkinEngine::SelectMainMenuItem(bool next)
{
    if (mainMenuBar_) {
        if (next)
            mainMenuBar_->SelectNextItem();
        else
            mainMenuBar_->SelectPriorItem();
        return;
    }
    std::vector<TskSkinMainMenuItem*> items;
    for (auto& object : objects_)
        if (auto* item = dynamic_cast<TskSkinMainMenuItem*>(object.get()); item && Selectable(*item))
            items.push_back(item);
    if (items.empty())
        return;
    size_t at = items.size();
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i]->Active || items[i]->Down) {
            at = i;
            break;
        }
    TskSkinMainMenuItem* target;
    if (at == items.size())
        target = next ? items.front() : items.back();
    else
        target = items[next ? (at + 1) % items.size() : (at + items.size() - 1) % items.size()];
    if (at < items.size() && items[at] != target && !items[at]->Down)
        items[at]->MouseLeave();
    // An item whose menu is open hands it over to the one entered.
    target->MouseEnter();
}

bool TskFormSkinEngine::PressMainMenuItem()
{
    for (auto& object : objects_) {
        auto* item = dynamic_cast<TskSkinMainMenuItem*>(object.get());
        if (!item || !((item->Down && !HasSubItems(*item)) || (item->Active && !menuOpen_)))
            continue;
        item->Active = false;
        ChooseMainMenuItem(*item);
        return true;
    }
    return false;
}

void TskFormSkinEngine::ChooseMainMenuItem(TskSkinMainMenuItem& item)
{
    // A command ends the menu mode before it runs: the keys are the program's
    // again, in a dialog the command shows too.
    if (!HasSubItems(item) && mainMenuMode_)
        MainMenuExit();
    item.MouseDown(0, 0, gui::mbLeft);
}

bool TskFormSkinEngine::AltLetter(char key)
{
    if (mainMenuBar_)
        return mainMenuBar_->CheckAccelerator(key);
    for (auto& object : objects_) {
        auto* item = dynamic_cast<TskSkinMainMenuItem*>(object.get());
        if (!item || !Selectable(*item) || !item->MenuItem || !gui::IsAccel(key, item->MenuItem->Caption()))
            continue;
        const bool press = !menuOpen_ || !HasSubItems(*item);
        item->MouseEnter();
        if (press && !item->Down)
            ChooseMainMenuItem(*item);
        return true;
    }
    return false;
}

void TskFormSkinEngine::FormShortCut(gui::TMessage& message, bool& handled)
{
    gui::TMainMenu* menu = mainMenuBar_ && mainMenuBar_->MainMenu() ? mainMenuBar_->MainMenu() : mainMenu_;
    if (!menu) {
        // An MDI child without a menu of its own takes its parent's.
        if (TskFormSkinEngine* main = IsMDIChild() ? MainFormEngine() : nullptr)
            main->FormShortCut(message, handled);
        return;
    }
    gui::TShiftState shift = gui::KeyboardShiftState();
    if (message.LParam & (LPARAM(KF_ALTDOWN) << 16))
        shift.Include(gui::ssAlt);
    const bool altOnly = shift.Contains(gui::ssAlt) && !shift.Contains(gui::ssCtrl) && !shift.Contains(gui::ssShift);
    if (altOnly && gui::AccelChar(unsigned(message.WParam)) && AltLetter(gui::AccelChar(unsigned(message.WParam)))) {
        handled = true;
        // The system takes Alt released after a key it did not see for Alt
        // alone, which would end the menu mode just entered: it sees the key.
        if (message.Msg == WM_SYSKEYDOWN && form_->HandleAllocated())
            ::DefWindowProcA(form_->Handle(), message.Msg, message.WParam, message.LParam);
        return;
    }
    // Each press reaches this once (the loops offer it once), so every press of
    // a shortcut reaches the menu.
    handled = menu->IsShortCut(message);
}

}  // namespace sk
