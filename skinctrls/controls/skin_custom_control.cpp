#include "skinctrls/controls/skin_custom_control.h"

#include <utility>

#include "skin/data/skin_data_link.h"
#include "skin/imaging/mask_region.h"
#include "skin/imaging/skin_image.h"
#include "skin/model/control_records.h"
#include "win/window_region.h"

namespace sk {

namespace {

TPoint Moved(TPoint point, int dx, int dy) { return TPoint{point.X + dx, point.Y + dy}; }

int ModeOf(const TRect& skinRect, const SkinGeometry& geometry)
{
    if (IsNullRect(skinRect))
        return rmNone;
    if (geometry.RBPoint.X != 0 && geometry.RBPoint.Y != 0)
        return rmNinePart;
    if (geometry.RTPoint.X != 0 || geometry.RTPoint.Y != 0)
        return rmHorizontal;
    if (geometry.LBPoint.X != 0 || geometry.LBPoint.Y != 0)
        return rmVertical;
    return rmFixed;
}

// The geometry that cuts the mask of an element stretching one way: a horizontal
// element's left corners stand for the bottom ones (both right corners move), a
// vertical element's top corners for the right ones (both bottom corners move).
SkinGeometry Folded(SkinGeometry geometry, int mode)
{
    if (mode == rmHorizontal) {
        geometry.LBPoint = geometry.LTPoint;
        geometry.RBPoint = geometry.RTPoint;
    } else if (mode == rmVertical) {
        geometry.RTPoint = geometry.LTPoint;
        geometry.RBPoint = geometry.LBPoint;
    }
    return geometry;
}

// The zones of a nine-part element whose corners do not stretch.
bool Inside(const TRect& rect, const TRect& zone) { return RectInRect(rect, zone); }
bool At(const TPoint& point, const TRect& zone) { return IsPointInRect(zone, point); }

}  // namespace

TskSkinCustomControl::TskSkinCustomControl(gui::TComponent* owner) : TskSkinControl(owner)
{
    defaultFont_.SetName("Arial");
    defaultFont_.SetHeight(14);
    defaultFont_.SetStyle({});
    defaultFont_.OnChange = [this](gui::TGraphicsObject&) {
        DefaultFontChanged();
        if (SkinIndex() == -1)
            Repaint();
    };
}

void TskSkinCustomControl::SetDefaultFont(const gui::TFont& value)
{
    defaultFont_.Assign(value);
    DefaultFontChanged();
}

void TskSkinCustomControl::ReadSkinEntry()
{
    TskSkinControl::ReadSkinEntry();
    const auto* record =
        SkinIndex() == -1 ? nullptr : dynamic_cast<const TskDataSkinCustomControl*>(SkinData()->CtrlList[SkinIndex()]);
    if (record && !ElementFitsPicture(*SkinData(), *record)) {
        // Rectangles past the picture would paint black: the control keeps its
        // default look, as without an element.
        DropSkinElement();
        record = nullptr;
    }
    if (!record) {
        // Nothing of an element of another kind is taken, not even its size.
        resizeMode_ = rmFixed;
        picture_ = maskPicture_ = nullptr;
        skinRect_ = TRect();
        geometry_ = SkinGeometry();
        return;
    }
    picture_ = SkinData()->ActivePicture(record->PictureIndex);
    maskPicture_ = SkinData()->ActivePicture(record->MaskPictureIndex);
    skinRect_ = record->SkinRect;
    SetCursorIndex(record->CursorIndex);
    geometry_ = static_cast<const SkinGeometry&>(*record);
    resizeMode_ = ModeOf(skinRect_, geometry_);
}

void TskSkinCustomControl::AdjustSkinSize(int& width, int& height)
{
    const int dw = width - SkinWidth(), dh = height - SkinHeight();
    const SkinGeometry& g = geometry_;
    SkinGeometry& n = newGeometry_;
    switch (resizeMode_) {
    case rmNinePart:
        n.LTPoint = g.LTPoint;
        n.RTPoint = Moved(g.RTPoint, dw, 0);
        n.LBPoint = Moved(g.LBPoint, 0, dh);
        n.RBPoint = Moved(g.RBPoint, dw, dh);
        n.ClRect = TRect{g.ClRect.Left, g.ClRect.Top, g.ClRect.Right + dw, g.ClRect.Bottom + dh};
        break;
    case rmHorizontal:
        height = SkinHeight();
        n.LTPoint = g.LTPoint;
        n.RTPoint = Moved(g.RTPoint, dw, 0);
        n.ClRect = TRect{g.ClRect.Left, g.ClRect.Top, g.ClRect.Right + dw, g.ClRect.Bottom};
        break;
    case rmVertical:
        width = SkinWidth();
        n.LTPoint = g.LTPoint;
        n.LBPoint = Moved(g.LBPoint, 0, dh);
        n.ClRect = TRect{g.ClRect.Left, g.ClRect.Top, g.ClRect.Right, g.ClRect.Bottom + dh};
        break;
    case rmFixed:
        // Only an element that gave a picture rectangle has a size to snap to.
        if (SkinIndex() != -1 && !IsNullRect(skinRect_)) {
            width = SkinWidth();
            height = SkinHeight();
            n.ClRect = g.ClRect;
        }
        break;
    default:
        break;
    }
}

void TskSkinCustomControl::SetBounds(int left, int top, int width, int height)
{
    ReadSkinEntry();
    const int oldWidth = Width(), oldHeight = Height();
    const bool element = SkinIndex() != -1;
    if (element && (width != oldWidth || height != oldHeight)) {
        AdjustSkinSize(width, height);
        if (resizeMode_ == rmFixed)
            newGeometry_.ClRect = geometry_.ClRect;
    }
    TskSkinControl::SetBounds(left, top, width, height);
    if (element && (Width() != oldWidth || Height() != oldHeight)) {
        UpdateSkinRegion();
        Repaint();
    }
}

void TskSkinCustomControl::ApplySkin()
{
    ReadSkinEntry();
    ApplySkinCursor();
    int width = Width(), height = Height();
    if (SkinIndex() == -1) {
        if (defaultWidth_ > 0)
            width = defaultWidth_;
        if (defaultHeight_ > 0)
            height = defaultHeight_;
        if (width != Width() || height != Height())
            SetBounds(Left(), Top(), width, height);
        UpdateSkinRegion();
        Repaint();
        return;
    }
    AdjustSkinSize(width, height);
    if (width != Width() || height != Height()) {
        SetBounds(Left(), Top(), width, height);  // shapes and repaints the control
    } else {
        UpdateSkinRegion();
        Repaint();
    }
}

void TskSkinCustomControl::DrawDefaultImage(gui::TBitmap& bitmap)
{
    gui::TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetStyle(gui::bsSolid);
    canvas.Brush().SetColor(gui::clBtnFace);
    canvas.FillRect(ClientRect());
}

void TskSkinCustomControl::DrawSkinImage(gui::TBitmap& bitmap) { ComposeSkinImage(bitmap, skinRect_); }

void TskSkinCustomControl::ComposeSkinImage(gui::TBitmap& bitmap, const TRect& source)
{
    if (!picture_)
        return;
    switch (resizeMode_) {
    case rmFixed:
        bitmap.SetSize(RectWidth(source), RectHeight(source));
        bitmap.Canvas().CopyRect(gui::Rect(0, 0, bitmap.Width(), bitmap.Height()), picture_->Canvas(), source);
        break;
    case rmNinePart:
        MakeSkinImageEx(geometry_, newGeometry_, bitmap, *picture_, source, Width(), Height(), true);
        break;
    case rmHorizontal:
        MakeHSkinImage(geometry_.LTPoint.X, SkinWidth() - geometry_.RTPoint.X, bitmap, *picture_, source, Width());
        break;
    case rmVertical:
        MakeVSkinImage(geometry_.LTPoint.Y, SkinHeight() - geometry_.LBPoint.Y, bitmap, *picture_, source, Height());
        break;
    default:
        break;
    }
}

void TskSkinCustomControl::CreateWnd()
{
    TskSkinControl::CreateWnd();
    // A new window has no shape yet.
    regionSet_ = false;
    UpdateSkinRegion();
}

void TskSkinCustomControl::UpdateSkinRegion()
{
    if (!HandleAllocated())
        return;  // shaped when the window is made
    win::UniqueRegion region;
    if (maskPicture_ && SkinIndex() != -1) {
        if (resizeMode_ == rmFixed)
            region = MaskToRegion(*maskPicture_);
        else if (resizeMode_ != rmNone)
            region = MakeSkinRegion(Folded(geometry_, resizeMode_), Folded(newGeometry_, resizeMode_), *maskPicture_,
                                    Width());
    } else if (!regionSet_) {
        return;
    }
    // The window owns its shape: the control keeps no handle of it.
    const bool shaped = static_cast<bool>(region);
    if (win::SetWindowRegion(Handle(), std::move(region)))
        regionSet_ = shaped;
}

TRect TskSkinCustomControl::MapSkinRect(const TRect& rect) const
{
    const int dw = Width() - SkinWidth(), dh = Height() - SkinHeight();
    const SkinGeometry& g = geometry_;
    TRect r = rect;
    switch (resizeMode_) {
    case rmNinePart: {
        const int w = SkinWidth(), h = SkinHeight();
        const TRect lt = CornerZone({0, 0, g.LTPoint.X, g.LTPoint.Y}, w, h);
        const TRect lb = CornerZone({0, g.LBPoint.Y, g.LBPoint.X, h}, w, h);
        const TRect rt = CornerZone({g.RTPoint.X, 0, w, g.RTPoint.Y}, w, h);
        const TRect rb = CornerZone({g.RBPoint.X, g.RBPoint.Y, w, h}, w, h);
        const TPoint p{rect.Left, rect.Top}, q{rect.Right, rect.Bottom};
        if (Inside(rect, lt)) {
            r = rect;  // the top-left corner never moves
        } else if (Inside(rect, rt)) {
            r = TRect{rect.Left + dw, rect.Top, rect.Right + dw, rect.Bottom};
        } else if (Inside(rect, lb)) {
            r = TRect{rect.Left, rect.Top + dh, rect.Right, rect.Bottom + dh};
        } else if (Inside(rect, rb)) {
            r = TRect{rect.Left + dw, rect.Top + dh, rect.Right + dw, rect.Bottom + dh};
        } else if (At(p, lt) && At(q, rb)) {
            r.Right += dw;
            r.Bottom += dh;
        } else if (At(p, lt) && At(q, rt)) {
            r.Right += dw;
        } else if (At(p, lb) && At(q, rb)) {
            r = TRect{rect.Left, rect.Top + dh, rect.Right + dw, rect.Bottom + dh};
        } else if (At(p, lt) && At(q, lb)) {
            r.Bottom += dh;
        } else if (At(p, rt) && At(q, rb)) {
            r = TRect{rect.Left + dw, rect.Top, rect.Right + dw, rect.Bottom + dh};
        }
        break;
    }
    case rmHorizontal:
        if (rect.Left <= g.LTPoint.X && rect.Right >= g.RTPoint.X)
            r.Right += dw;
        else if (rect.Left >= g.RTPoint.X && rect.Right > g.RTPoint.X)
            r = TRect{rect.Left + dw, rect.Top, rect.Right + dw, rect.Bottom};
        break;
    case rmVertical:
        if (rect.Top <= g.LTPoint.Y && rect.Bottom >= g.LBPoint.Y)
            r.Bottom += dh;
        else if (rect.Top >= g.LBPoint.Y && rect.Bottom > g.LBPoint.Y)
            r = TRect{rect.Left, rect.Top + dh, rect.Right, rect.Bottom + dh};
        break;
    default:
        break;
    }
    return r;
}

}  // namespace sk
