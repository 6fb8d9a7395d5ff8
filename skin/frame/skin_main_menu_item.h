// One top-level item of the form's main menu drawn inside the frame: the skin's
// item picture stretched around the caption. Items are laid out left to right
// in the engine's main-menu area; an item that does not fit is disabled until it
// fits again. A pressed item shows its submenu; moving onto another item while
// one is open opens that one's instead.
#pragma once

#include "skin/frame/active_skin_object.h"
#include "skin/frame/main_menu_item_look.h"

namespace gui {
class TMenuItem;
}

namespace sk {

class TskSkinMainMenuItem : public TskActiveSkinObject, public TskMainMenuItemLook {
public:
    // IDName is the menu item's Name, Enabled its Enabled.
    TskSkinMainMenuItem(TskSkinObjectHost* AParent, TskDataSkinMainMenuItem* AData, gui::TMenuItem* AMenuItem);
    gui::TMenuItem* MenuItem;
    bool Down = false;  // the submenu is open
    bool SavedEnabled = true;
    bool Fits = true;
    gui::TRect DownRect;

    void SetDown(bool value);
    // Places ObjectRect after the previous main-menu item of the engine's list.
    void Layout();

    void Draw(gui::TCanvas& Canvas, bool Repaint) override;
    void MouseDown(int X, int Y, gui::TMouseButton Button) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    int CaptionWidth();
    void MakeItemImage(gui::TBitmap& Image, const gui::TRect& Source, bool Highlighted);
    void OpenSubMenu();
};

}  // namespace sk
