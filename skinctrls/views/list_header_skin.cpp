#include "skinctrls/views/list_header_skin.h"

#include <algorithm>

#include "gui/graphics/image_list.h"
#include "gui/native/header_sections.h"
#include "skin/data/skin_data_link.h"
#include "skin/imaging/default_look.h"
#include "skin/imaging/skin_image.h"
#include "skin/imaging/text_fit.h"

namespace sk {

namespace {

// Text and picture keep this far from a section's sides.
constexpr int TextMargin = 5;
// Between a picture and the caption.
constexpr int ImageSpacing = 10;

}  // namespace

void TskListHeaderSkin::Read(TskSkinData* skinData, const std::string& name)
{
    index_ = SkinControlIndex(skinData, name);
    picture_ = nullptr;
    if (index_ == -1)
        return;
    const auto* record = dynamic_cast<const TskDataSkinButtonControl*>(skinData->CtrlList[index_]);
    if (!record)
        return;
    geometry_ = *record;
    skinRect_ = record->SkinRect;
    picture_ = skinData->ActivePicture(record->PictureIndex);
    fontColor_ = record->FontColor;
    activeFontColor_ = record->ActiveFontColor;
    downFontColor_ = record->DownFontColor;
    activeSkinRect_ = IsNullRect(record->ActiveSkinRect) ? skinRect_ : record->ActiveSkinRect;
    downSkinRect_ = IsNullRect(record->DownSkinRect) ? activeSkinRect_ : record->DownSkinRect;
}

void TskListHeaderSkin::Paint(HDC dc, HWND header, gui::TCustomListView& view, int pressed)
{
    gui::TCanvas canvas(dc);
    int right = 0;
    int height = 0;
    const int count = gui::HeaderSectionCount(header);
    for (int position = 0; position < count; ++position) {
        // After the user dragged columns around, the section at a place is
        // another column's; it shows that column.
        const int section = view.FullDrag() ? gui::HeaderSectionAt(header, position) : position;
        const TRect r = gui::HeaderSectionRect(header, section);
        right = std::max(right, int(r.Right));
        height = RectHeight(r);
        if (RectWidth(r) <= 0 || height <= 0 || section < 0 || section >= view.Columns().Count())
            continue;
        gui::TBitmap image;
        PaintSection(image, RectWidth(r), height, view, *view.Columns()[section], position == pressed);
        canvas.Draw(r.Left, r.Top, image);
    }
    RECT client{};
    ::GetClientRect(header, &client);
    if (count == 0)
        height = client.bottom;  // no sections: the rest is all of it
    const int restWidth = client.right + 1 - right;
    if (restWidth <= 0 || height <= 0)
        return;
    gui::TBitmap rest;
    PaintRest(rest, restWidth, height);
    canvas.Draw(right, 0, rest);
}

void TskListHeaderSkin::MoveGeometry(int width, int height)
{
    const int dw = width - RectWidth(skinRect_);
    const int dh = height - RectHeight(skinRect_);
    moved_ = geometry_;
    moved_.RTPoint.X += dw;
    moved_.LBPoint.Y += dh;
    moved_.RBPoint.X += dw;
    moved_.RBPoint.Y += dh;
    moved_.ClRect.Right += dw;
    moved_.ClRect.Bottom += dh;
}

void TskListHeaderSkin::ComposeSection(gui::TBitmap& bitmap, int width, int height, const TRect& source)
{
    if (CornersSet()) {
        MoveGeometry(width, height);
        MakeSkinImageEx(geometry_, moved_, bitmap, *picture_, source, width, height, true);
        return;
    }
    gui::TBitmap strip;
    MakeHSkinImage(geometry_.LTPoint.X, RectWidth(skinRect_) - geometry_.RTPoint.X, strip, *picture_, source, width);
    bitmap.SetSize(width, height);
    bitmap.Canvas().StretchDraw(gui::Rect(0, 0, width, height), strip);
}

void TskListHeaderSkin::PaintSection(gui::TBitmap& bitmap, int width, int height, gui::TCustomListView& view,
                                     const gui::TListColumn& column, bool pressed)
{
    if (width <= 0 || height <= 0)
        return;
    bitmap.SetSize(width, height);
    gui::TCanvas& canvas = bitmap.Canvas();
    canvas.Font().Assign(view.Font());
    if (Skinned()) {
        ComposeSection(bitmap, width, height, pressed ? downSkinRect_ : skinRect_);
        canvas.Font().SetColor(pressed ? downFontColor_ : fontColor_);
    } else {
        TRect r = gui::Rect(0, 0, width, height);
        const gui::TColor frame = pressed ? gui::TColor(0x800000) : gui::clBtnShadow;
        Frame3D(canvas, r, frame, frame);
        canvas.Brush().SetStyle(gui::bsSolid);
        canvas.Brush().SetColor(pressed ? gui::TColor(0xB59385) : gui::clBtnFace);
        canvas.FillRect(r);
        canvas.Font().SetColor(gui::clBtnText);
    }
    canvas.Brush().SetStyle(gui::bsClear);

    const TRect area = gui::Rect(TextMargin, 0, width - TextMargin, height);
    const int areaWidth = RectWidth(area);
    std::string caption = column.Caption();
    gui::TImageList* images = view.SmallImages();
    const int image = column.ImageIndex();
    int x = area.Left;
    if (images && image >= 0 && image < images->Count()) {
        FitTextWithEllipsis(canvas, caption, areaWidth - images->Width() - ImageSpacing);
        const int textWidth = canvas.TextWidth(caption);
        if (caption == column.Caption()) {
            if (column.Alignment() == gui::taRightJustify)
                x = area.Right - textWidth - images->Width() - ImageSpacing;
            else if (column.Alignment() == gui::taCenter)
                x = areaWidth / 2 + area.Left - (textWidth + images->Width() + ImageSpacing) / 2;
        }
        images->Draw(canvas, x, height / 2 - images->Height() / 2, image);
        x += images->Width() + ImageSpacing;
    } else {
        FitTextWithEllipsis(canvas, caption, areaWidth);
        const int textWidth = canvas.TextWidth(caption);
        // A shortened caption starts at the left, whatever its alignment.
        if (caption == column.Caption()) {
            if (column.Alignment() == gui::taRightJustify)
                x = area.Right - textWidth - ImageSpacing;
            else if (column.Alignment() == gui::taCenter)
                x = areaWidth / 2 - textWidth / 2;
        }
    }
    const int y = height / 2 - canvas.TextHeight(caption) / 2;
    canvas.TextRect(area, x, y, caption);
}

void TskListHeaderSkin::PaintRest(gui::TBitmap& bitmap, int width, int height)
{
    bitmap.SetSize(width, height);
    gui::TCanvas& canvas = bitmap.Canvas();
    if (!Skinned()) {
        TRect r = gui::Rect(0, 0, width, height);
        Frame3D(canvas, r, gui::clBtnShadow, gui::clBtnShadow);
        canvas.Brush().SetStyle(gui::bsSolid);
        canvas.Brush().SetColor(gui::clBtnFace);
        canvas.FillRect(r);
        return;
    }
    if (CornersSet()) {
        MoveGeometry(width, height);
        MakeSkinImage(geometry_, moved_, bitmap, *picture_, skinRect_, width, height, true);
        return;
    }
    gui::TBitmap strip;
    MakeHTiledImage(geometry_.LTPoint.X, RectWidth(skinRect_) - geometry_.RTPoint.X, strip, *picture_, skinRect_,
                    width);
    bitmap.Canvas().StretchDraw(gui::Rect(0, 0, width, height), strip);
}

}  // namespace sk
