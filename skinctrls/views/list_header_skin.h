// The column header of a skinned list view: every section and the rest of the
// header drawn off-screen, from a button-kind skin element (normal and pressed
// pictures, font colours) or in a plain look, with the column's caption,
// alignment and picture.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "gui/graphics/bitmap.h"
#include "gui/native/list_view.h"
#include "skin/data/skin_data.h"
#include "skin/model/geometry.h"

namespace sk {

class TskListHeaderSkin {
public:
    // Copies what painting needs of the element `name`; none without skin data,
    // with an empty skin or without such an element.
    void Read(TskSkinData* skinData, const std::string& name);
    int32_t Index() const { return index_; }
    // Drawn from the skin: an element of button kind with a picture. Any other
    // element leaves the plain look.
    bool Skinned() const { return index_ != -1 && picture_ && !IsNullRect(skinRect_); }

    // The whole header into dc. The section at place `pressed` (from the left)
    // shows pressed; -1 none.
    void Paint(HDC dc, HWND header, gui::TCustomListView& view, int pressed);

    // One section of size width x height into bitmap, for the column.
    void PaintSection(gui::TBitmap& bitmap, int width, int height, gui::TCustomListView& view,
                      const gui::TListColumn& column, bool pressed);

private:
    // The element is nine-part; otherwise only its ends keep their width.
    bool CornersSet() const { return geometry_.LBPoint.X != 0 || geometry_.LBPoint.Y != 0; }
    // The corner points and client rectangle for an image of that size.
    void MoveGeometry(int width, int height);
    void ComposeSection(gui::TBitmap& bitmap, int width, int height, const TRect& source);
    void PaintRest(gui::TBitmap& bitmap, int width, int height);

    int32_t index_ = -1;
    SkinGeometry geometry_;
    SkinGeometry moved_;  // for the size being drawn
    TRect skinRect_, activeSkinRect_, downSkinRect_;
    gui::TBitmap* picture_ = nullptr;  // the skin's
    gui::TColor fontColor_ = 0, activeFontColor_ = 0, downFontColor_ = 0;
};

}  // namespace sk
