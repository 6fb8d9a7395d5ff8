// A skinned menu bar along the top of its form: the top-level items of a main
// menu in a row, each opening its submenu through the skinned menus of the
// form's skinning engine. The item under the mouse is highlighted; while a
// submenu is open the menu follows the mouse from item to item. Items that do
// not fit are not shown: a marker at the bar's right end opens a menu of them.
// The engine drives the bar from the keyboard (F10 or Alt, Alt+letter, arrows,
// Enter, Esc) and, on an MDI parent, has it show the four buttons of a
// maximized child. Without a skin element the bar has a plain look of its own.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/controls/menu.h"
#include "gui/controls/timer.h"
#include "gui/controls/wnd_proc_chain.h"
#include "gui/graphics/graphics_objects.h"
#include "skin/forms/form_menu_bar.h"
#include "skinctrls/controls/skin_control.h"
#include "skinctrls/menubar/menu_bar_objects.h"

namespace sk {

class TskFormSkinEngine;
class TskSkinObjectHost;

// An item of the bar was pressed; IDName is its menu item's Name.
using TMainMenuItemClick = std::function<void(gui::TComponent* sender, const std::string& idName)>;

class TskSkinMainMenuBar : public TskSkinControl, public TskFormMenuBar {
public:
    explicit TskSkinMainMenuBar(gui::TComponent* owner);
    ~TskSkinMainMenuBar() override;

    // The captions' font without a skin element: "Arial", height 14.
    gui::TFont& DefItemFont() { return defItemFont_; }
    void SetDefItemFont(const gui::TFont& value);
    // Sizes taken without a skin element, where above 0.
    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int value);
    int DefaultHeight() const { return defaultHeight_; }
    void SetDefaultHeight(int value);
    // Submenus open above the bar.
    bool PopupToUp() const { return popupToUp_; }
    void SetPopupToUp(bool value) { popupToUp_ = value; }
    // The engine whose menus the submenus open in; without one nothing opens.
    TskFormSkinEngine* FormSkinEngine() const { return formSkinEngine_; }
    void SetFormSkinEngine(TskFormSkinEngine* value);
    // The menu shown; the bar does not own it.
    gui::TMainMenu* MainMenu() const override { return mainMenu_; }
    void SetMainMenu(gui::TMainMenu* value);

    TMainMenuItemClick OnMainMenuItemClick;

    void SetBounds(int left, int top, int width, int height) override;
    void ApplySkin() override;
    void ReleaseSkin() override;

    // --- What the form skinning engine calls ---
    void MDIChildMaximized() override;
    void MDIChildRestored() override;
    bool CheckAccelerator(char key) override;
    void SelectNextItem() override;
    void SelectPriorItem() override;
    bool PressSelectedItem() override;
    void EnterMenuMode() override;
    void SubMenuClosed() override;
    void LeaveMenuMode() override;

    // --- What the bar's objects ask of it ---
    int ObjectCount() const { return int(objects_.size()); }
    TskMenuBarObject* Objects(int index) const { return objects_.at(size_t(index)).get(); }
    int IndexOfObject(const TskMenuBarObject* object) const;
    // How many objects at the front of the list are MDI child buttons.
    int ButtonCount() const { return buttonCount_; }
    // The engine as the objects call it, or none.
    TskSkinObjectHost* Engine() const;
    // The engine of the maximized MDI child, or none.
    TskFormSkinEngine* ChildEngine() const;
    // The bar's skin element is in use.
    bool Skinned() const { return skinned_; }
    bool MenuMode() const { return menuMode_; }
    void SetMenuMode(bool value) { menuMode_ = value; }
    bool HiddenItems() const { return hiddenItems_; }
    // An item did not fit while the bar was drawn.
    void NoteHiddenItem() { hiddenItems_ = true; }
    bool MarkerHot() const { return markerHot_; }
    int HotIndex() const { return hotIndex_; }
    int PressedIndex() const { return pressedIndex_; }
    // Where the items go, in client coordinates.
    const gui::TRect& ItemsArea() const { return itemsArea_; }
    gui::TRect MarkerRect() const;
    // Counts up whenever the objects are made anew, so that an object's handler
    // can tell that what it called freed it.
    unsigned Generation() const { return generation_; }
    // Lets the morph timer step the objects whose look is changing.
    void StartMorphTimer();
    // Draws an object at once over the bar on screen.
    void DrawObject(TskMenuBarObject& object);
    // Tells the engine's listeners that the keyboard or the mouse entered the
    // menus (Sender is the bar).
    void FireMainMenuEnter();
    // The engine's main-menu mode begins, without its own announcement.
    void EnterEngineMenuMode();
    // Every open menu closes and the menu mode ends.
    void ExitMainMenu();
    // A skinned menu of the engine is open.
    bool EngineMenuOpen() const;

protected:
    void Paint() override {}
    void ReadSkinEntry() override;
    void Notification(gui::TComponent* component, gui::TOperation operation) override;
    void WndProc(gui::TMessage& message) override;
    void MouseDown(gui::TMouseButton button, gui::TShiftState shift, int x, int y) override;
    void MouseMove(gui::TShiftState shift, int x, int y) override;
    void MouseUp(gui::TMouseButton button, gui::TShiftState shift, int x, int y) override;

private:
    // The bar's element is in use for layout and background.
    bool SkinLook() const;
    bool IsItem(int index) const;
    TskSkinMainMenuBarItem* Item(int index) const;
    void BuildObjects();
    void FreeObjects();
    void BuildButtons();
    void UpdateButtonStates();
    void LayoutArea();
    void PaintBar(HDC dc);
    void DrawMarker(gui::TCanvas& canvas);
    void Track(int x, int y);
    void TrackTimerTick();
    void MorphTimerTick();
    void OpenHiddenItems();
    void CloseSkinMenus();
    void SelectItem(bool next);
    void ListenToForm();
    TskSkinMainMenuBarItem* FirstItem(bool (*test)(const TskSkinMainMenuBarItem&)) const;

    gui::TFont defItemFont_;
    bool skinned_ = false;
    bool mdiButtons_ = false;
    int buttonCount_ = 0;
    bool popupToUp_ = false;
    bool menuMode_ = false;
    bool hiddenItems_ = false;
    bool markerHot_ = false;
    TskFormSkinEngine* formSkinEngine_ = nullptr;
    gui::TMainMenu* mainMenu_ = nullptr;
    gui::TTimer* morphTimer_;
    gui::TTimer* trackTimer_;
    int32_t hotIndex_ = -1, oldHotIndex_ = -1, pressedIndex_ = -1;
    gui::TRect itemsArea_;
    int defaultWidth_ = 0;
    int defaultHeight_ = 22;
    // The skin element's fields.
    gui::TRect skinRect_, itemsRect_;
    std::string menuBarItem_, minButton_, maxButton_, sysMenuButton_, closeButton_;
    gui::TBitmap* picture_ = nullptr;
    std::vector<std::unique_ptr<TskMenuBarObject>> objects_;
    unsigned generation_ = 0;
    // On the engine's form, which hears when the skinned menus close.
    std::unique_ptr<gui::TWndProcHook> formHook_;
    // The skin element's colours of the overflow marker.
    gui::TColor trackMarkColor_ = 0, trackMarkActiveColor_ = 0;
};

}  // namespace sk
