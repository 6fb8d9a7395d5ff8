// The objects a main menu bar is made of: one per top-level item of its menu,
// and the four buttons of a maximized MDI child. Each knows its place in the
// bar, draws itself from the skin (or in the plain default look) and reacts to
// the mouse as the bar passes it on. A highlight can fade in and out in steps
// driven by the bar's morph timer.
#pragma once

#include <cstdint>
#include <string>

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
    TskMenuBarObject(TskSkinMainMenuBar* AParent, TskDataSkinObject* AData);
    virtual ~TskMenuBarObject() = default;
    TskMenuBarObject(const TskMenuBarObject&) = delete;
    TskMenuBarObject& operator=(const TskMenuBarObject&) = delete;

    TskSkinMainMenuBar* Parent;
    double MorphFactor = 0;  // 0 the normal look .. 1 the highlighted one
    bool MouseIn = false;
    bool Down = false;
    std::string IDName;
    gui::TRect SkinRect, ActiveSkinRect;
    bool Enabled = true;
    bool Visible = true;
    bool Active = false;  // highlighted
    bool Morphing = false;
    TskMorphKind MorphKind = mkDefault;
    gui::TBitmap* Picture = nullptr;  // the skin's, or none
    gui::TRect DownRect;
    gui::TRect ObjectRect;  // client coordinates of the bar

    virtual void Draw(gui::TCanvas& Canvas) { (void)Canvas; }
    virtual void DblClick() {}
    virtual void MouseDown(int X, int Y, gui::TMouseButton Button);
    virtual void MouseUp(int X, int Y, gui::TMouseButton Button);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // The look is still on its way to the highlighted or the normal one.
    virtual bool MorphRunning() const;

    // Draws at once, or lets the bar's morph timer step the look there.
    void Redraw();
    void MorphStep();

protected:
    // Draws Image at ObjectRect's top-left corner, or the normal image morphed
    // toward the highlighted one while the look changes.
    void DrawImage(gui::TCanvas& Canvas, gui::TBitmap& Normal, gui::TBitmap* Highlighted);
};

// A top-level item of the bar's menu.
class TskSkinMainMenuBarItem : public TskMenuBarObject, public TskMainMenuItemLook {
public:
    TskSkinMainMenuBarItem(TskSkinMainMenuBar* AParent, TskDataSkinMainMenuItem* AData, gui::TMenuItem* AMenuItem);

    bool SkinSupport;  // made with a record
    gui::TMenuItem* MenuItem;  // none once the menu item is gone
    bool SavedEnabled = true;
    bool Shown = true;  // fits the bar

    bool HasSubItems() const;
    // Opens the submenu (true) or closes the item's look back to normal.
    void SetDown(bool value);

    void Draw(gui::TCanvas& Canvas) override;
    void MouseDown(int X, int Y, gui::TMouseButton Button) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    std::string Caption() const;
    // Places ObjectRect after the item before it; false when it does not fit.
    bool Layout();
    void DrawDefault(gui::TCanvas& Canvas);
    void DrawSkinned(gui::TCanvas& Canvas);
    void MakeItemImage(gui::TBitmap& Image, const gui::TRect& Source, bool Highlighted);
    void OpenSubMenu();
    // Opens the submenu, or runs the command of an item without one.
    void Press();
};

// A button of a maximized MDI child: 0 close, 1 restore, 2 minimize, 3 system menu.
class TskSkinMainMenuBarButton : public TskMenuBarObject {
public:
    enum : uint8_t { cbClose = 0, cbRestore = 1, cbMinimize = 2, cbSysMenu = 3 };
    TskSkinMainMenuBarButton(TskSkinMainMenuBar* AParent, TskDataSkinObject* AData, uint8_t ACommand);

    uint8_t Command;
    bool SkinSupport;  // made with a standard-button record

    void Draw(gui::TCanvas& Canvas) override;
    void DblClick() override;
    void MouseDown(int X, int Y, gui::TMouseButton Button) override;
    void MouseUp(int X, int Y, gui::TMouseButton Button) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void DrawDefault(gui::TCanvas& Canvas);
    void OpenSystemMenu();
};

}  // namespace sk
