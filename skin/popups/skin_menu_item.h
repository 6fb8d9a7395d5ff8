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

    TskSkinPopupWindow& Window() const { return window_; }
    gui::TMenuItem& MenuItem() const { return menuItem_; }
    // The skin's element and picture, or none.
    const TskDataSkinMenuItem* RowRecord() const { return rowRecord_; }
    gui::TBitmap* Picture() const { return picture_; }
    // 0 the normal look .. 1 the selected one.
    double MorphFactor() const { return morphFactor_; }
    void SetMorphFactor(double value) { morphFactor_ = value; }
    // In the window's client area.
    const gui::TRect& ItemRect() const { return itemRect_; }
    void SetItemRect(const gui::TRect& value) { itemRect_ = value; }
    // Selected.
    bool Active() const { return active_; }
    void SetActive(bool value) { active_ = value; }
    // Its submenu shows.
    bool Open() const { return open_; }
    void SetOpen(bool value) { open_ = value; }
    // In the shown part of a scrolling window.
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }

    bool IsSeparator() const { return menuItem_.IsLine(); }
    bool Morphing() const { return rowRecord_ && rowRecord_->Morphing; }
    // Shows the selected look (selected or open).
    bool ActiveLook() const { return active_ || open_; }
    // Whether the morph has further to go. An invisible row that is still half
    // morphed is reset to the normal look instead.
    virtual bool MorphRunning();
    // One step of the morph toward the look the row should have.
    void MorphStep();

    // Draws the row at its rectangle on the canvas (a window's, or the bitmap of a
    // whole window); nothing when it is not visible.
    void Draw(gui::TCanvas& canvas);

private:
    void DrawLook(gui::TBitmap& bitmap, bool activeLook);
    void DrawDefaultRow(gui::TBitmap& bitmap, bool activeLook);
    void DrawSkinnedRow(gui::TBitmap& bitmap, bool activeLook);
    void DrawSeparator(gui::TBitmap& bitmap);
    // What every look has in common: caption, shortcut, submenu arrow, image or
    // mark, placed in the text rectangle with the gutter and right margin given.
    void DrawContent(gui::TCanvas& canvas, const gui::TRect& text, int gutter, int rightMargin, const MarkPlaces& marks,
                     gui::TColor colour);
    void CopyToCanvas(gui::TCanvas& canvas, gui::TBitmap& bitmap);

    TskSkinPopupWindow& window_;
    const TskDataSkinMenuItem* rowRecord_;
    gui::TBitmap* picture_;
    double morphFactor_ = 0;
    gui::TMenuItem& menuItem_;
    gui::TRect itemRect_;
    bool active_ = false;
    bool open_ = false;
    bool visible_ = true;
};

}  // namespace sk
