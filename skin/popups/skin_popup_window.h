// One level of the skinned menus: a popup window that lists the visible
// sub-items of a menu item as rows, drawn from the skin's popup window and menu
// item elements (or in the default look), placed by its anchor within the work
// area, and scrolled by markers at its top and bottom when it is taller than the
// work area. It never takes the activation from the form: the mouse is followed
// by polling, and the keys come from the form skinning engine (ProcessKey).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "gui/controls/custom_control.h"
#include "gui/controls/menu_item.h"
#include "gui/controls/timer.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/image_list.h"
#include "skin/data/skin_data.h"
#include "skin/imaging/effect_bmp.h"
#include "skin/popups/skin_menu_item.h"

namespace sk {

class TskSkinMenu;

class TskSkinPopupWindow : public gui::TCustomControl {
public:
    // Without a popup record (no skin, an empty one, or a window picture the skin
    // does not have) the window has the default look.
    TskSkinPopupWindow(TskSkinMenu& menu, const TskDataSkinPopupWindow* popupRecord, TskSkinData* skinData);
    // The skin the window was opened in (none for the default look).
    TskSkinData* SkinData() const { return skinData_; }
    ~TskSkinPopupWindow() override;

    // Lays the rows out, places the window at the anchor and shows it with the
    // first enabled row selected.
    void Popup(const gui::TRect& anchor, gui::TMenuItem& item, int startIndex, bool submenu, bool popupUp);
    // Stops the window's timers and hides it, for good.
    void Close();
    // A key-down for the top level: accelerators, Enter, Esc, the arrows. True
    // when the key was used.
    bool ProcessKey(WORD key);

    TskSkinMenu& Menu() const { return menu_; }
    int RowCount() const { return int(rows_.size()); }
    TskSkinMenuItem* Rows(int index) const { return rows_.at(size_t(index)).get(); }
    int ActiveRow() const { return activeRow_; }
    bool Scroll() const { return scroll_; }
    int ScrollCode() const { return scrollCode_; }  // 0 none, 1 up, 2 down
    int VisibleStart() const { return visibleStart_; }
    int VisibleCount() const { return visibleCount_; }
    const gui::TRect& ItemsRect() const { return itemsRect_; }
    gui::TPoint ShowPosition() const { return showPosition_; }

    // What the rows draw with.
    const TskDataSkinMenuItem* RowRecord() const { return rowRecord_; }
    gui::TImageList* Images() const { return images_; }
    int GlyphWidth() const { return glyphWidth_; }
    gui::TFont& MenuFont();
    gui::TFont& RowFont() { return rowFont_; }
    // Blending over a copy of the screen, where layered windows are not used.
    bool FakeTransparency() const;
    double BlendFactor() const;  // toward the screen copy
    TskEffectBmp* ScreenEffect() const { return screenEffect_.get(); }

    // Selection of rows, as hovering or the keyboard changes it.
    void Select(TskSkinMenuItem& row, bool keyboard);
    void Deselect(TskSkinMenuItem& row);
    // Shows a row's new state: step by step when the row morphs.
    void RedrawRow(TskSkinMenuItem& row);
    void DrawRow(TskSkinMenuItem& row);
    // The mouse at a client point: the scroll markers and the row under it.
    void MouseMoveAt(gui::TPoint point);

protected:
    void CreateParams(gui::TCreateParams& params) override;
    void WndProc(gui::TMessage& message) override;
    void MouseUp(gui::TMouseButton button, gui::TShiftState shift, int x, int y) override;

private:
    // Layout and showing.
    void Layout(gui::TMenuItem& item, int startIndex);
    int RowHeight(const TskSkinMenuItem& row) const;
    int MeasureRowsWidth();
    void PlaceRows();
    void UpdateRegion();
    void ShowWindowAt();
    void SelectFirstEnabled(bool anyRow);
    void CaptureTimerTick();
    void ApplySkinCursor();

    // Mouse and scrolling.
    void MouseTimerTick();
    void MorphTimerTick();
    void StartScrolling(int code);
    void StopScrolling();
    void ScrollTimerTick();
    bool HiddenAbove() const { return visibleStart_ > 0; }
    bool HiddenBelow() const { return visibleStart_ + visibleCount_ < RowCount(); }
    void ScrollUp(bool wrap);
    void ScrollDown(bool wrap);
    int LastPageStart() const;
    gui::TRect TopMarker() const;
    gui::TRect BottomMarker() const;

    // Keys.
    void ClickRow(int index);
    void ChangeActiveRow(int index, bool keyboard);
    void NextRow();
    void PriorRow();
    bool Selectable(int index) const;
    void CloseTopLevel();

    // Painting.
    void WMEraseBkgnd(gui::TMessage& message);
    void WMMouseActivate(gui::TMessage& message);
    void WMTimer(gui::TMessage& message);
    void CMVisibleChanged(gui::TMessage& message);
    void PaintWindowImage(gui::TBitmap& bitmap);
    void DrawBackground(gui::TBitmap& bitmap);
    void DrawScrollMarkers(gui::TCanvas& canvas);
    void DrawMarker(gui::TCanvas& canvas, bool top);
    void BlendWithScreen(gui::TBitmap& bitmap, int x, int y);
    // Draws straight onto the shown window, outside its painting.
    void DrawOnWindow(const std::function<void(gui::TCanvas&)>& draw);

    TskSkinMenu& menu_;
    bool alphaBlend_;
    uint8_t alphaValue_;
    bool alphaAnimation_;
    std::vector<std::unique_ptr<TskSkinMenuItem>> rows_;
    gui::TTimer* mouseTimer_;
    gui::TTimer* morphTimer_;
    gui::TTimer* captureTimer_;
    gui::TBitmap* windowPicture_ = nullptr;  // the skin's
    gui::TBitmap* maskPicture_ = nullptr;    // the skin's
    const TskDataSkinPopupWindow* popupRecord_;
    TskSkinData* skinData_;
    int activeRow_ = -1;
    gui::TPoint lastMousePoint_{-1, -1};
    gui::TBitmap screenCopy_;
    std::unique_ptr<TskEffectBmp> screenEffect_;
    const TskDataSkinMenuItem* rowRecord_ = nullptr;
    gui::TBitmap* rowPicture_ = nullptr;  // the skin's
    gui::TFont rowFont_;
    int scrollCode_ = 0;
    bool scroll_ = false;
    bool scrollTimerSet_ = false;
    int visibleStart_ = 0;
    int visibleCount_ = 0;
    gui::TRect itemsRect_;
    SkinGeometry skinGeometry_;  // the window picture's corner points and items rectangle
    SkinGeometry newGeometry_;   // the same at the window's size
    gui::TImageList* images_ = nullptr;
    int glyphWidth_ = 16;
    gui::TPoint showPosition_;
    bool closed_ = false;
};

}  // namespace sk
