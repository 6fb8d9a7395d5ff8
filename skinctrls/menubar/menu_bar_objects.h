// The objects a main menu bar is made of: one per top-level item of its menu,
// and the four buttons of a maximized MDI child. Each knows its place in the
// bar, draws itself from the skin (or in the plain default look) and reacts to
// the mouse as the bar passes it on. A highlight can fade in and out in steps
// driven by the bar's morph timer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/controls/events.h"
#include "gui/core/color.h"
#include "gui/core/font_style.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "skin/frame/main_menu_item_look.h"
#include "skin/model/object_records.h"

namespace gui {
class TMenuItem;
}

namespace sk {

class TskSkinMainMenuBar;

class TskMenuBarObject {
public:
    // Without a record the object has the default look.
    TskMenuBarObject(TskSkinMainMenuBar* parent, TskDataSkinObject* data);
    virtual ~TskMenuBarObject() = default;
    TskMenuBarObject(const TskMenuBarObject&) = delete;
    TskMenuBarObject& operator=(const TskMenuBarObject&) = delete;

    TskSkinMainMenuBar* Parent() const { return parent_; }
    const std::string& IDName() const { return idName_; }
    const gui::TRect& SkinRect() const { return skinRect_; }
    const gui::TRect& ActiveSkinRect() const { return activeSkinRect_; }
    const gui::TRect& DownRect() const { return downRect_; }
    // The skin's picture, or none.
    gui::TBitmap* Picture() const { return picture_; }
    bool Morphing() const { return morphing_; }
    TskMorphKind MorphKind() const { return morphKind_; }
    // Client coordinates of the bar.
    const gui::TRect& ObjectRect() const { return objectRect_; }
    void SetObjectRect(const gui::TRect& value) { objectRect_ = value; }
    // 0 the normal look .. 1 the highlighted one.
    double MorphFactor() const { return morphFactor_; }
    void SetMorphFactor(double value) { morphFactor_ = value; }
    bool MouseIn() const { return mouseIn_; }
    void SetMouseIn(bool value) { mouseIn_ = value; }
    bool Down() const { return down_; }
    // Highlighted.
    bool Active() const { return active_; }
    void SetActive(bool value) { active_ = value; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    bool Visible() const { return visible_; }

    virtual void Draw(gui::TCanvas& canvas) { (void)canvas; }
    virtual void DblClick() {}
    virtual void MouseDown(int x, int y, gui::TMouseButton button);
    virtual void MouseUp(int x, int y, gui::TMouseButton button);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // The look is still on its way to the highlighted or the normal one.
    virtual bool MorphRunning() const;

    // Draws at once, or lets the bar's morph timer step the look there.
    void Redraw();
    void MorphStep();

protected:
    void SetIDName(const std::string& value) { idName_ = value; }
    void SetDownRect(const gui::TRect& value) { downRect_ = value; }
    void SetMorphing(bool value) { morphing_ = value; }
    void SetDownState(bool value) { down_ = value; }
    // Draws Image at ObjectRect's top-left corner, or the normal image morphed
    // toward the highlighted one while the look changes.
    void DrawImage(gui::TCanvas& canvas, gui::TBitmap& normal, gui::TBitmap* highlighted);

private:
    TskSkinMainMenuBar* parent_;
    std::string idName_;
    gui::TRect skinRect_, activeSkinRect_, downRect_;
    gui::TBitmap* picture_ = nullptr;
    bool morphing_ = false;
    TskMorphKind morphKind_ = mkDefault;
    gui::TRect objectRect_;
    double morphFactor_ = 0;
    bool mouseIn_ = false;
    bool down_ = false;
    bool active_ = false;
    bool enabled_ = true;
    bool visible_ = true;
};

// A top-level item of the bar's menu.
class TskSkinMainMenuBarItem : public TskMenuBarObject, public TskMainMenuItemLook {
public:
    TskSkinMainMenuBarItem(TskSkinMainMenuBar* parent, TskDataSkinMainMenuItem* data, gui::TMenuItem* menuItem);

    // Made with a record and a picture to draw from.
    bool SkinSupport() const { return skinSupport_; }
    // None once the menu item is gone.
    gui::TMenuItem* MenuItem() const { return menuItem_; }
    // The menu item went: the item stays, disabled, until the bar is made anew.
    void ForgetMenuItem();
    // Fits the bar.
    bool Shown() const { return shown_; }
    bool HasSubItems() const;
    // Opens the submenu (true) or closes the item's look back to normal.
    void SetDown(bool value);
    // The submenu closed from the keyboard: the item is up again, still selected.
    void SubMenuClosed();
    // The menu mode ended: the item is neither selected nor pressed.
    void Deselect();

    void Draw(gui::TCanvas& canvas) override;
    void MouseDown(int x, int y, gui::TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    std::string Caption() const;
    // Places ObjectRect after the item before it; false when it does not fit.
    bool Layout();
    void DrawDefault(gui::TCanvas& canvas);
    void DrawSkinned(gui::TCanvas& canvas);
    void MakeItemImage(gui::TBitmap& image, const gui::TRect& source, bool highlighted);
    void OpenSubMenu();
    // Opens the submenu, or runs the command of an item without one.
    void Press();
    // The items of the bar, this one among them.
    std::vector<TskSkinMainMenuBarItem*> Row() const;

    bool skinSupport_;
    gui::TMenuItem* menuItem_;
    bool savedEnabled_ = true;
    bool shown_ = true;
};

// A button of a maximized MDI child: 0 close, 1 restore, 2 minimize, 3 system menu.
class TskSkinMainMenuBarButton : public TskMenuBarObject {
public:
    enum : uint8_t { cbClose = 0, cbRestore = 1, cbMinimize = 2, cbSysMenu = 3 };
    TskSkinMainMenuBarButton(TskSkinMainMenuBar* parent, TskDataSkinObject* data, uint8_t command);

    uint8_t Command() const { return command_; }
    // Made with a standard-button record.
    bool SkinSupport() const { return skinSupport_; }
    // The system menu it opened closed; the button stays highlighted when the
    // mouse is over it (Hot).
    void MenuClosed(bool hot);

    void Draw(gui::TCanvas& canvas) override;
    void DblClick() override;
    void MouseDown(int x, int y, gui::TMouseButton button) override;
    void MouseUp(int x, int y, gui::TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void DrawDefault(gui::TCanvas& canvas);
    void OpenSystemMenu();

    uint8_t command_;
    bool skinSupport_ = false;
};

}  // namespace sk
