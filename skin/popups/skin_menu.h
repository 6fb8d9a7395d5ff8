// The skinned menu engine of a form: it opens menus of TMenuItem trees in popup
// windows of its own, one level above another (a submenu opens above the level of
// its row), opens submenus when a row is hovered or clicked, and runs a chosen
// item's command through the item's menu. The form skinning engine owns one per
// form, feeds keys to the top level and closes the menus when the form gets a
// message that dismisses them. Closing all levels tells the control the menus
// were opened for, and CloseMenus the form too, with WM_CLOSESKINMENUS.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "gui/controls/menu_item.h"
#include "gui/controls/timer.h"
#include "gui/controls/utility_window.h"
#include "gui/core/component.h"
#include "gui/graphics/graphics_objects.h"
#include "skin/data/skin_data.h"

namespace gui {
class TControl;
class TForm;
}  // namespace gui

namespace sk {

class TskSkinMenuItem;
class TskSkinPopupWindow;

// All levels of the skinned menus are closed. wParam and lParam 0.
constexpr UINT WM_CLOSESKINMENUS = WM_USER + 204;

class TskSkinMenu : public gui::TComponent {
public:
    TskSkinMenu(gui::TComponent* owner, gui::TForm* form);
    ~TskSkinMenu() override;

    // Opens the first level with the visible sub-items of Item from StartIndex on
    // (a menu bar passes the number of items it shows itself), at Anchor (screen
    // coordinates): below it, or above it with PopupUp. Open levels close first.
    // An item without sub-items opens nothing.
    void Popup(gui::TControl* ownerControl, TskSkinData* skinData, int startIndex, const gui::TRect& anchor,
               gui::TMenuItem* item, bool popupUp);
    // Closes level n and those above it; closing level 0 closes the menus.
    void CloseLevels(int from);
    // Closes every level and tells the form.
    void CloseMenus();
    // Whether a message that reaches the form dismisses the menus: moves, sizes,
    // activation and focus changes, and mouse presses.
    static bool IsMenuCloseMessage(UINT msg);

    int LevelCount() const { return int(levels_.size()); }
    TskSkinPopupWindow* Levels(int index) const { return levels_.at(size_t(index)).get(); }
    TskSkinPopupWindow* TopLevel() const { return levels_.empty() ? nullptr : levels_.back().get(); }
    // The window's level, or LevelCount when it is not open.
    int LevelIndex(const TskSkinPopupWindow* window) const;

    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int value) { itemHeight_ = value; }
    // The font of rows without a skin ("Arial", height 14).
    gui::TFont& Font() { return font_; }
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool value) { alphaBlend_ = value; }
    uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(uint8_t value) { alphaBlendValue_ = value; }
    // A first level fades in.
    bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
    void SetAlphaBlendAnimation(bool value) { alphaBlendAnimation_ = value; }
    // Whether blended menus are layered windows (where the system has them);
    // otherwise they are composed over a copy of the screen beneath them.
    bool LayeredWindows() const { return layeredWindows_; }
    void SetLayeredWindows(bool value) { layeredWindows_ = value; }

    bool MenusOpen() const { return menusOpen_; }
    // True while Popup opens a level with no menu open before.
    bool FirstLevel() const { return firstLevel_; }
    TskSkinData* SkinData() const { return skinData_; }
    gui::TControl* OwnerControl() const { return ownerControl_; }
    const gui::TRect& WorkArea() const { return workArea_; }
    // The row whose submenu opens when the submenu timer ticks.
    TskSkinMenuItem* PendingItem() const { return pendingItem_; }

    // What a row asks of the engine when it is hovered, chosen from the keyboard
    // or clicked.
    void ActivateRow(TskSkinMenuItem& row, bool click, bool keyboard);
    // Forgets the row's pending submenu.
    void CancelPending(const TskSkinMenuItem& row);
    // Opens a level above the others.
    void OpenLevel(const gui::TRect& anchor, gui::TMenuItem& item, int startIndex, bool submenu, bool popupUp);

protected:
    void Notification(gui::TComponent* component, gui::TOperation operation) override;

private:
    void SetOwnerControl(gui::TControl* control);
    void StopSubmenuTimer();
    void SubmenuTimerTick();
    void DispatchItem(gui::TMenuItem& item);
    void ReleaseClosed(gui::TMessage& message);
    void PostRelease();

    bool firstLevel_ = false;
    int itemHeight_ = 20;
    gui::TFont font_;
    gui::TControl* ownerControl_ = nullptr;
    gui::TForm* form_ = nullptr;
    gui::TTimer* submenuTimer_;
    TskSkinMenuItem* pendingItem_ = nullptr;
    gui::TRect workArea_;
    bool menusOpen_ = false;
    TskSkinData* skinData_ = nullptr;
    std::vector<std::unique_ptr<TskSkinPopupWindow>> levels_;
    bool alphaBlend_ = false;
    uint8_t alphaBlendValue_ = 200;
    bool alphaBlendAnimation_ = false;
    bool layeredWindows_;
    // Closed levels wait here until the message that closed them is done: a level
    // is often closed from one of its own handlers.
    std::vector<std::unique_ptr<TskSkinPopupWindow>> closed_;
    gui::TUtilityWindow releaser_;
    bool releasePosted_ = false;
    int opening_ = 0;  // levels being opened: none is freed meanwhile
};

}  // namespace sk
