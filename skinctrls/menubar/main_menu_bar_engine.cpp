// What the form skinning engine asks of the menu bar: the keyboard's menu mode
// and the buttons of a maximized MDI child.
#include <algorithm>

#include "gui/controls/accel.h"
#include "gui/controls/menu_item.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/popups/skin_menu.h"
#include "skinctrls/menubar/main_menu_bar.h"

namespace sk {

namespace {

bool Selectable(const TskSkinMainMenuBarItem& item) { return item.Enabled() && item.Shown(); }

}  // namespace

TskSkinMainMenuBarItem* TskSkinMainMenuBar::FirstItem(bool (*test)(const TskSkinMainMenuBarItem&)) const
{
    for (int i = 0; i < ObjectCount(); ++i)
        if (TskSkinMainMenuBarItem* item = Item(i); item && test(*item))
            return item;
    return nullptr;
}

// ---- Keyboard menu mode ----

void TskSkinMainMenuBar::EnterMenuMode()
{
    menuMode_ = true;
    TskSkinMainMenuBarItem* item = FirstItem([](const TskSkinMainMenuBarItem& i) { return i.Active(); });
    if (!item)
        item = FirstItem([](const TskSkinMainMenuBarItem&) { return true; });
    if (item)
        item->MouseEnter();
    if (!Engine())
        return;
    EnterEngineMenuMode();
    FireMainMenuEnter();
}

bool TskSkinMainMenuBar::CheckAccelerator(char key)
{
    if (!Engine())
        return false;
    for (int i = 0; i < ObjectCount(); ++i) {
        TskSkinMainMenuBarItem* item = Item(i);
        if (!item || !Selectable(*item) || !item->MenuItem() || !gui::IsAccel(key, item->MenuItem()->Caption()))
            continue;
        const bool press = !(EngineMenuOpen() && item->HasSubItems());
        const unsigned generation = Generation();
        item->MouseEnter();
        if (press && generation == Generation())
            item->MouseDown(0, 0, gui::mbLeft);
        return true;
    }
    return false;
}

void TskSkinMainMenuBar::SelectNextItem() { SelectItem(true); }

void TskSkinMainMenuBar::SelectPriorItem() { SelectItem(false); }

void TskSkinMainMenuBar::SelectItem(bool next)
{
    std::vector<TskSkinMainMenuBarItem*> items;
    for (int i = 0; i < ObjectCount(); ++i)
        if (TskSkinMainMenuBarItem* item = Item(i); item && Selectable(*item))
            items.push_back(item);
    if (items.empty())
        return;
    const auto current = std::find_if(items.begin(), items.end(), [](const TskSkinMainMenuBarItem* item) {
        return item->Active() || item->Down();
    });
    if (current == items.end()) {
        (next ? items.front() : items.back())->MouseEnter();
        return;
    }
    const size_t at = size_t(current - items.begin());
    const size_t to = next ? (at + 1) % items.size() : (at + items.size() - 1) % items.size();
    TskSkinMainMenuBarItem* target = items[to];
    const unsigned generation = Generation();
    (*current)->MouseLeave();
    if (generation == Generation())
        target->MouseEnter();
}

bool TskSkinMainMenuBar::PressSelectedItem()
{
    if (!Engine())
        return false;
    const bool menuOpen = EngineMenuOpen();
    for (int i = 0; i < ObjectCount(); ++i) {
        TskSkinMainMenuBarItem* item = Item(i);
        if (!item || !((item->Down() && !item->HasSubItems()) || (item->Active() && !menuOpen)))
            continue;
        item->SetActive(false);
        item->MouseDown(0, 0, gui::mbLeft);
        return true;
    }
    return false;
}

void TskSkinMainMenuBar::SubMenuClosed()
{
    TskSkinMainMenuBarItem* item = FirstItem([](const TskSkinMainMenuBarItem& i) { return i.Down(); });
    if (!item)
        return;
    item->SubMenuClosed();
}

void TskSkinMainMenuBar::LeaveMenuMode()
{
    menuMode_ = false;
    TskSkinMainMenuBarItem* item =
        FirstItem([](const TskSkinMainMenuBarItem& i) { return i.Down() || i.Active(); });
    if (item)
        item->Deselect();
    hotIndex_ = oldHotIndex_ = -1;
}

// ---- Buttons of a maximized MDI child ----

void TskSkinMainMenuBar::MDIChildMaximized()
{
    if (mdiButtons_)
        return;
    mdiButtons_ = true;
    hotIndex_ = oldHotIndex_ = pressedIndex_ = -1;
    BuildButtons();
    UpdateButtonStates();
    Repaint();
}

void TskSkinMainMenuBar::MDIChildRestored()
{
    if (ChildEngine()) {
        UpdateButtonStates();
        Repaint();
        return;
    }
    if (!mdiButtons_)
        return;
    mdiButtons_ = false;
    objects_.erase(objects_.begin(), objects_.begin() + std::min<std::ptrdiff_t>(buttonCount_, objects_.size()));
    buttonCount_ = 0;
    hotIndex_ = oldHotIndex_ = pressedIndex_ = -1;
    ++generation_;
    Repaint();
}

void TskSkinMainMenuBar::BuildButtons()
{
    objects_.erase(objects_.begin(), objects_.begin() + std::min<std::ptrdiff_t>(buttonCount_, objects_.size()));
    buttonCount_ = 0;
    struct Role {
        std::string name;
        uint8_t command;
    };
    using B = TskSkinMainMenuBarButton;
    // Each goes to the front: the list reads system menu, close, then the other two.
    const std::vector<Role> roles =
        SkinLook() ? std::vector<Role>{{maxButton_, B::cbRestore}, {minButton_, B::cbMinimize},
                                       {closeButton_, B::cbClose}, {sysMenuButton_, B::cbSysMenu}}
                   : std::vector<Role>{{"MinButton", B::cbMinimize}, {"MaxButton", B::cbRestore},
                                       {"CloseButton", B::cbClose}, {"SysMenuButton", B::cbSysMenu}};
    for (const Role& role : roles) {
        TskDataSkinObject* record = nullptr;
        if (SkinData() && !SkinData()->Empty() && !role.name.empty()) {
            const int index = SkinData()->GetObjectIndex(role.name);
            if (index != -1)
                record = SkinData()->ObjectList[index];
        }
        objects_.insert(objects_.begin(), std::make_unique<B>(this, record, role.command));
        ++buttonCount_;
    }
    ++generation_;
}

void TskSkinMainMenuBar::UpdateButtonStates()
{
    TskFormSkinEngine* child = ChildEngine();
    for (int i = 0; i < buttonCount_ && i < ObjectCount(); ++i) {
        auto& button = static_cast<TskSkinMainMenuBarButton&>(*Objects(i));
        button.SetEnabled(true);
        if (!child)
            continue;
        if (button.Command() == TskSkinMainMenuBarButton::cbMinimize && !child->BorderIcons().Contains(biMinimize))
            button.SetEnabled(false);
        if (button.Command() == TskSkinMainMenuBarButton::cbSysMenu && !child->BorderIcons().Contains(biSystemMenu))
            button.SetEnabled(false);
    }
}

}  // namespace sk
