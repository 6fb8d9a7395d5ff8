// One top-level item of the form's main menu drawn inside the frame: the skin's
// item picture stretched around the caption. Items are laid out left to right
// in the engine's main-menu area; an item that does not fit is disabled until it
// fits again. A pressed item shows its submenu; moving onto another item while
// one is open opens that one's instead.
#pragma once

#include <vector>

#include "skin/frame/active_skin_object.h"
#include "skin/frame/main_menu_item_look.h"

namespace gui {
class TMenuItem;
}

namespace sk {

class TskSkinMainMenuItem : public TskActiveSkinObject, public TskMainMenuItemLook {
public:
    // IDName is the menu item's Name, Enabled its Enabled.
    TskSkinMainMenuItem(TskSkinObjectHost* parent, TskDataSkinMainMenuItem* data, gui::TMenuItem* menuItem);

    gui::TMenuItem* MenuItem() const { return menuItem_; }
    // The submenu is open.
    bool Down() const { return down_; }
    // Opens the submenu (true), or closes the item's look back to normal.
    void SetDown(bool value);
    // The item fits the main-menu area (it is disabled while it does not).
    bool Fits() const { return fits_; }
    const gui::TRect& DownRect() const { return downRect_; }
    // Places ObjectRect after the previous main-menu item of the engine's list.
    void Layout();

    void Draw(gui::TCanvas& canvas, bool repaint) override;
    void MouseDown(int x, int y, gui::TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    int CaptionWidth();
    void MakeItemImage(gui::TBitmap& image, const gui::TRect& source, bool highlighted);
    void OpenSubMenu();
    // The main-menu items of the engine's list, this one among them.
    std::vector<TskSkinMainMenuItem*> Row() const;

    gui::TMenuItem* menuItem_;
    bool down_ = false;
    bool savedEnabled_ = true;
    bool fits_ = true;
    gui::TRect downRect_;
};

}  // namespace sk
