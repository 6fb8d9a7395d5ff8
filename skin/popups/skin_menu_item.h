// One row of a skinned popup menu window: a menu item, where the row lies in the
// window, whether it is selected or has its submenu open, and how far its look
// has morphed toward the selected one. It draws itself from the skin's menu item
// element, or in the default look without one.
#pragma once

#include "gui/controls/menu_item.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "skin/model/object_records.h"

namespace sk {

class TskSkinPopupWindow;
struct MarkPlaces;

class TskSkinMenuItem {
public:
    // The row's picture is the skin picture of the element's active picture index.
    TskSkinMenuItem(TskSkinPopupWindow& window, const TskDataSkinMenuItem* rowRecord, gui::TBitmap* picture,
                    gui::TMenuItem& item);
    virtual ~TskSkinMenuItem() = default;

    TskSkinPopupWindow& Window;
    const TskDataSkinMenuItem* RowRecord;  // the skin's, or none
    gui::TBitmap* Picture;                 // the skin's, or none
    double MorphFactor = 0;                // 0 the normal look .. 1 the selected one
    gui::TMenuItem& MenuItem;
    gui::TRect ItemRect;  // in the window's client area
    bool Active = false;  // selected
    bool Open = false;    // its submenu shows
    bool Visible = true;  // in the shown part of a scrolling window

    bool IsSeparator() const { return MenuItem.IsLine(); }
    bool Morphing() const { return RowRecord && RowRecord->Morphing; }
    // Shows the selected look (selected or open).
    bool ActiveLook() const { return Active || Open; }
    // Whether the morph has further to go. An invisible row that is still half
    // morphed is reset to the normal look instead.
    virtual bool MorphRunning();
    // One step of the morph toward the look the row should have.
    void MorphStep();

    // Draws the row at its rectangle on the canvas (a window's, or the bitmap of a
    // whole window); nothing when it is not visible.
    void Draw(gui::TCanvas& canvas);

private:
    void DrawLook(gui::TBitmap& b, bool activeLook);
    void DrawDefaultRow(gui::TBitmap& b, bool activeLook);
    void DrawSkinnedRow(gui::TBitmap& b, bool activeLook);
    void DrawSeparator(gui::TBitmap& b);
    // What every look has in common: caption, shortcut, submenu arrow, image or
    // mark, placed in the text rectangle with the gutter and right margin given.
    void DrawContent(gui::TCanvas& c, const gui::TRect& text, int gutter, int rightMargin, const MarkPlaces& marks,
                     gui::TColor colour);
    void CopyToCanvas(gui::TCanvas& canvas, gui::TBitmap& b);
};

}  // namespace sk
