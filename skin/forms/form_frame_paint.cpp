// The frame of a skinned form: its layout for the current size, the non-client
// size, the window region from the skin's mask, and the painting of the frame
// (from the skin, or a plain default frame) and of the client background.
#include <algorithm>

#include "gui/controls/form.h"
#include "gui/graphics/canvas.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/frame/active_skin_objects.h"
#include "skin/imaging/effect_bmp.h"
#include "skin/imaging/frame_strips.h"
#include "skin/imaging/mask_region.h"
#include "skin/imaging/skin_image.h"
#include "skin/imaging/text_fit.h"
#include "skin/imaging/tiling.h"
#include "win/gdi_handles.h"

namespace sk {

namespace {

// Default frame: border, caption and caption buttons.
constexpr int kBorder = 3;
constexpr int kCaptionHeight = 19;
constexpr int kButtonSize = 17;
// The smaller caption of a tool window.
constexpr int kToolCaptionHeight = 15;
constexpr int kToolButtonSize = 13;
constexpr int kButtonsTop = 4;

SkinGeometry Corners(const gui::TPoint& lt, const gui::TPoint& rt, const gui::TPoint& lb, const gui::TPoint& rb,
                     const gui::TRect& client)
{
    SkinGeometry g;
    g.LTPoint = lt;
    g.RTPoint = rt;
    g.LBPoint = lb;
    g.RBPoint = rb;
    g.ClRect = client;
    return g;
}

// One ring of one-pixel lines inside r: top and left in one colour, bottom and
// right in the other.
void Ring(gui::TCanvas& canvas, const gui::TRect& r, gui::TColor topLeft, gui::TColor bottomRight)
{
    canvas.Pen().SetColor(topLeft);
    canvas.MoveTo(r.Left, r.Bottom - 1);
    canvas.LineTo(r.Left, r.Top);
    canvas.LineTo(r.Right - 1, r.Top);
    canvas.Pen().SetColor(bottomRight);
    canvas.LineTo(r.Right - 1, r.Bottom - 1);
    canvas.LineTo(r.Left - 1, r.Bottom - 1);
}

// The inactive look of the frame, applied to one strip.
void ApplyInactiveEffect(gui::TBitmap& strip, TskInactiveEffect effect)
{
    if (strip.Empty())
        return;
    TskEffectBmp bmp(strip.Handle());
    switch (effect) {
    case ieBrightness: bmp.ChangeBrightness(0.5); break;
    case ieDarkness: bmp.ChangeDarkness(0.3); break;
    case ieGrayScale: bmp.GrayScale(); break;
    case ieNoise: bmp.AddNoise(50); break;
    case ieSplitBlur: bmp.SplitBlur(1); break;
    case ieInvert: bmp.Invert(); break;
    default: break;
    }
    bmp.Draw(strip.Canvas().Handle(), 0, 0);
}

// A region from the black pixels of a strip lying at (dx, dy); none when it has
// none.
HRGN StripRegion(gui::TBitmap& strip, int dx, int dy)
{
    if (strip.Width() < 1 || strip.Height() < 1)
        return nullptr;
    std::vector<uint8_t> data;
    const uint32_t size = CreateMaskRegionData(strip, dx, dy, data);
    if (size == 0)
        return nullptr;
    return ::ExtCreateRegion(nullptr, size, reinterpret_cast<const RGNDATA*>(data.data()));
}

// The client rectangle is a part of the frame picture, not empty.
bool ClientInPicture(const gui::TRect& client, const gui::TBitmap& picture)
{
    return !picture.Empty() && !IsNullRect(client) && client.Left >= 0 && client.Top >= 0 &&
           client.Right <= picture.Width() && client.Bottom <= picture.Height();
}

}  // namespace

bool TskFormSkinEngine::ToolWindowBorder() const
{
    return form_->BorderStyle() == gui::bsToolWindow || form_->BorderStyle() == gui::bsSizeToolWin;
}

int TskFormSkinEngine::DefCaptionHeight() const { return ToolWindowBorder() ? kToolCaptionHeight : kCaptionHeight; }

int TskFormSkinEngine::DefButtonSize() const { return ToolWindowBorder() ? kToolButtonSize : kButtonSize; }

// A client rectangle that leaves the frame picture describes no frame that can be
// composed from it (a picture smaller than its description, or numbers past any
// picture): such a skin gets the default frame, as one without a client rectangle.
bool TskFormSkinEngine::FrameSkinUsable() const
{
    return skinInUse_ && supportNCArea_ && ClientInPicture(skinData_->FormInfo.ClRect, skinData_->Picture());
}

// ---- Layout ----

void TskFormSkinEngine::RecomputeGeometry()
{
    if (!skinInUse_)
        return;
    geometry_ = ComputeFrameGeometry(skinData_->FormInfo, skinData_->Picture().Width(),
                                     skinData_->Picture().Height(), frameWidth_, frameHeight_);
}

void TskFormSkinEngine::UpdateFrame(bool Recompute)
{
    if (ComponentState().Contains(gui::csDesigning) || !skinInUse_)
        return;
    RecomputeGeometry();
    if (Recompute)
        PlaceObjects();
    SetFormRegion(Recompute);
    if (OnChangeClientRect)
        OnChangeClientRect(this, geometry_.ClientRect);
    if (!supportNCArea_) {
        form_->Invalidate();
        PlaceAreaControls();
    } else if (!region_) {
        RepaintFrame();
    }
}

void TskFormSkinEngine::NCCalcSize(gui::TMessage& message)
{
    message.Result = 0;
    // A maximized MDI child has no frame: its parent's stands for it.
    if (!supportNCArea_ || BorderNone() || IsMaximizedMDIChild())
        return;
    RECT* r = message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam)->rgrc[0]
                             : reinterpret_cast<RECT*>(message.LParam);
    const RECT window = *r;
    if (FrameSkinUsable()) {
        const gui::TRect& client = skinData_->FormInfo.ClRect;
        const int pw = skinData_->Picture().Width(), ph = skinData_->Picture().Height();
        r->left += client.Left;
        r->top += client.Top;
        r->right += client.Right - pw;
        r->bottom += client.Bottom - ph;
    } else {
        r->left += kBorder;
        r->top += DefCaptionHeight() + kBorder;
        r->right -= kBorder;
        r->bottom -= kBorder;
    }
    // The client area stays inside the window, and a window smaller than its
    // frame gets an empty one, not an inside-out one.
    r->left = std::min(std::max(r->left, window.left), window.right);
    r->top = std::min(std::max(r->top, window.top), window.bottom);
    r->right = std::min(std::max(r->right, r->left), window.right);
    r->bottom = std::min(std::max(r->bottom, r->top), window.bottom);
}

// ---- Region ----

void TskFormSkinEngine::RemoveRegion()
{
    if (region_ && form_->HandleAllocated())
        ::SetWindowRgn(form_->Handle(), nullptr, TRUE);
    // The system deleted the region it held.
    region_ = nullptr;
}

void TskFormSkinEngine::SetFormRegion(bool Recompute)
{
    if (!form_->HandleAllocated())
        return;
    if ((supportNCArea_ && BorderNone()) || IsMaximizedMDIChild()) {
        RemoveRegion();
        return;
    }
    if (!skinInUse_ || skinData_->Mask().Empty()) {
        if (region_) {
            RemoveRegion();
            topMask_.SetSize(0, 0);
            bottomMask_.SetSize(0, 0);
            leftMask_.SetSize(0, 0);
            rightMask_.SetSize(0, 0);
        }
        return;
    }
    const TskFormInfo& info = skinData_->FormInfo;
    HRGN region = nullptr;
    if (Recompute) {
        const TskFrameGeometry& g = geometry_;
        const SkinGeometry skin = Corners(info.LTPoint, info.RTPoint, info.LBPoint, info.RBPoint, info.MaskRectArea);
        const SkinGeometry now = Corners(g.LTPoint, g.RTPoint, g.LBPoint, g.RBPoint, g.MaskRectArea);
        topMask_.SetSize(0, 0);
        bottomMask_.SetSize(0, 0);
        leftMask_.SetSize(0, 0);
        rightMask_.SetSize(0, 0);
        MakeSkinFrameStrips(skin, now, skinData_->Mask(), topMask_, leftMask_, rightMask_, bottomMask_, frameWidth_);
        const gui::TRect& a = g.MaskRectArea;
        region = ::CreateRectRgn(a.Left, a.Top, std::max(a.Left, a.Right), std::max(a.Top, a.Bottom));
        const struct {
            gui::TBitmap& strip;
            int dx, dy;
        } strips[] = {{topMask_, 0, 0}, {bottomMask_, 0, a.Bottom}, {leftMask_, 0, a.Top}, {rightMask_, a.Right, a.Top}};
        for (const auto& s : strips)
            if (HRGN part = StripRegion(s.strip, s.dx, s.dy)) {
                ::CombineRgn(region, region, part, RGN_OR);
                ::DeleteObject(part);
            }
    } else {
        region = MaskToRegion(skinData_->Mask()).Release();
    }
    RECT box;
    if (!region || ::GetRgnBox(region, &box) == NULLREGION) {
        // A mask without black pixels would hide the whole window.
        if (region)
            ::DeleteObject(region);
        return;
    }
    if (::SetWindowRgn(form_->Handle(), region, TRUE))
        region_ = region;  // the system's now; it deletes the one replaced
    else
        ::DeleteObject(region);
}

// ---- Painting ----

void TskFormSkinEngine::RedrawObject(TskActiveSkinObject& object)
{
    if (!ShownInRollState(object) || !form_->HandleAllocated())
        return;
    if (supportNCArea_) {
        if (BorderNone() || IsMaximizedMDIChild())
            return;
        // The default frame has places for the caption buttons only.
        if (!FrameSkinUsable() && !dynamic_cast<TskSkinStdButtonObject*>(&object))
            return;
        win::WindowFrameDC dc(form_->Handle());
        gui::TCanvas canvas(dc.Get());
        object.Draw(canvas, true);
        return;
    }
    win::WindowDC dc(form_->Handle());
    gui::TCanvas canvas(dc.Get());
    object.Draw(canvas, true);
}

void TskFormSkinEngine::PaintSkinFrame()
{
    if (!form_->HandleAllocated() || !FrameSkinUsable())
        return;
    const HWND window = form_->Handle();
    RECT wr;
    ::GetWindowRect(window, &wr);
    const int W = wr.right - wr.left, H = wr.bottom - wr.top;
    if (W < GetMinWidth() || H < GetMinHeight())
        return;
    frameWidth_ = W;
    frameHeight_ = H;
    RecomputeGeometry();
    PlaceObjects();

    const TskFormInfo& info = skinData_->FormInfo;
    const TskFrameGeometry& g = geometry_;
    gui::TBitmap left, top, right, bottom;
    gui::TBitmap& picture = skinData_->Picture();
    MakeSkinFrameStripsEx(Corners(info.LTPoint, info.RTPoint, info.LBPoint, info.RBPoint, info.ClRect),
                          Corners(g.LTPoint, g.RTPoint, g.LBPoint, g.RBPoint, g.ClientRect), left, top, right, bottom,
                          picture, gui::Rect(0, 0, picture.Width(), picture.Height()), W, H, info.LeftStretch,
                          info.TopStretch, info.RightStretch, info.BottomStretch);

    // The objects go into the strips: those above the client area into the top
    // one, the others into the bottom one.
    for (auto& object : objects_) {
        if (dynamic_cast<TskSkinMainMenuItem*>(object.get())) {
            gui::TBitmap& strip = g.MainMenuRect.Top > g.ClientRect.Top ? bottom : top;
            if (!strip.Empty())
                object->Draw(strip.Canvas(), false);
            continue;
        }
        if (!ShownInRollState(*object) || !object->Visible)
            continue;
        if (object->ObjectRect.Bottom <= g.ClientRect.Top) {
            if (!top.Empty())
                object->Draw(top.Canvas(), false);
        } else if (!bottom.Empty()) {
            const gui::TRect saved = object->ObjectRect;
            object->ObjectRect.Top -= g.ClientRect.Bottom;
            object->ObjectRect.Bottom -= g.ClientRect.Bottom;
            object->Draw(bottom.Canvas(), false);
            object->ObjectRect = saved;
        }
    }

    if (!FormActive() && info.AutoRenderingInActiveImage) {
        ApplyInactiveEffect(top, info.InActiveEffect);
        ApplyInactiveEffect(left, info.InActiveEffect);
        ApplyInactiveEffect(right, info.InActiveEffect);
        ApplyInactiveEffect(bottom, info.InActiveEffect);
    }
    win::WindowFrameDC dc(window);
    ::ExcludeClipRect(dc.Get(), g.ClientRect.Left, g.ClientRect.Top, g.ClientRect.Right, g.ClientRect.Bottom);
    gui::TCanvas canvas(dc.Get());
    const int topHeight = top.Empty() ? 0 : top.Height();
    if (!top.Empty())
        canvas.Draw(0, 0, top);
    if (!left.Empty())
        canvas.Draw(0, topHeight, left);
    if (!right.Empty())
        canvas.Draw(W - right.Width(), topHeight, right);
    if (!bottom.Empty())
        canvas.Draw(0, H - bottom.Height(), bottom);
}

void TskFormSkinEngine::LayoutDefaultFrame()
{
    const int W = frameWidth_;
    const int ch = DefCaptionHeight(), bs = DefButtonSize();
    defCaptionRect_ = gui::Rect(kBorder, kBorder, W - kBorder, ch);
    auto find = [this](TskStdCommand command) -> TskSkinStdButtonObject* {
        for (auto& object : objects_)
            if (auto* b = dynamic_cast<TskSkinStdButtonObject*>(object.get()))
                if (b->Command == command)
                    return b;
        return nullptr;
    };
    int x = W - kBorder;
    for (TskStdCommand command : {cmClose, cmMaximize, cmMinimize, cmRollUp})
        if (TskSkinStdButtonObject* b = find(command))
            if (b->Visible) {
                b->ObjectRect = gui::Rect(x - bs, kButtonsTop, x, kButtonsTop + bs);
                x -= bs;
            }
    defCaptionRect_.Right = x;
    if (TskSkinStdButtonObject* b = find(cmSysMenu))
        if (b->Visible) {
            int w = bs, h = bs;
            if (showIcon_) {
                const gui::TSize icon = SmallIconSize();
                w = icon.cx;
                h = icon.cy;
            }
            b->ObjectRect = gui::Rect(kBorder, kButtonsTop, kBorder + w, kButtonsTop + h);
            defCaptionRect_.Left = b->ObjectRect.Right;
        }
}

void TskFormSkinEngine::PaintDefaultFrame()
{
    if (!form_->HandleAllocated())
        return;
    const HWND window = form_->Handle();
    RECT wr;
    ::GetWindowRect(window, &wr);
    const int W = wr.right - wr.left, H = wr.bottom - wr.top;
    frameWidth_ = W;
    frameHeight_ = H;
    if (objects_.empty())
        CreateDefaultButtons();
    LayoutDefaultFrame();
    const int ch = DefCaptionHeight();
    if (W - 2 * kBorder < 1 || ch < 1)
        return;

    gui::TBitmap caption;
    caption.SetSize(W - 2 * kBorder, ch);
    gui::TCanvas& c = caption.Canvas();
    c.Brush().SetColor(gui::clBtnFace);
    c.FillRect(gui::Rect(0, 0, caption.Width(), caption.Height()));

    // Bitmap x = form x - 3.
    const int L = defCaptionRect_.Left, R = defCaptionRect_.Right;
    if (ch - 4 > 1)
        for (int i = 0; i < ch - 5; ++i) {
            c.Pen().SetColor(i % 2 == 0 ? gui::clBtnHighlight : gui::clBtnShadow);
            c.MoveTo(L - 1, 2 + i);
            c.LineTo(R - 6, 2 + i);
        }

    c.Font().Assign(FormActive() ? defCaptionFont_ : defInActiveCaptionFont_);
    std::string text = CaptionText();
    const int A = R - L + 3;
    FitTextWithEllipsis(c, text, A);
    const int tw = c.TextWidth(text), th = c.TextHeight(text);
    const int x0 = (L - kBorder) + A / 2 - (tw + 5) / 2;
    c.FillRect(gui::Rect(x0, 0, x0 + tw + 5, ch));
    c.Brush().SetStyle(gui::bsClear);
    c.TextOut(x0 + 3, ch / 2 - th / 2, text);
    c.Brush().SetStyle(gui::bsSolid);

    // Only the caption buttons have places in this frame: a skin's other objects
    // (its caption text above all) would draw over it where the skin put them.
    for (auto& object : objects_) {
        if (!object->Visible || !dynamic_cast<TskSkinStdButtonObject*>(object.get()))
            continue;
        const gui::TRect saved = object->ObjectRect;
        object->ObjectRect = Offset(saved, -kBorder, -kBorder);
        object->Draw(c, true);
        object->ObjectRect = saved;
    }

    win::WindowFrameDC dc(window);
    ::ExcludeClipRect(dc.Get(), kBorder, ch + kBorder, W - kBorder, H - kBorder);
    gui::TCanvas canvas(dc.Get());
    canvas.Draw(kBorder, kBorder, caption);
    gui::TRect r = gui::Rect(0, 0, W, H);
    Ring(canvas, r, gui::cl3DLight, gui::cl3DDkShadow);
    r = gui::Rect(1, 1, W - 1, H - 1);
    Ring(canvas, r, gui::clBtnHighlight, gui::clBtnShadow);
    r = gui::Rect(2, 2, W - 2, H - 2);
    Ring(canvas, r, gui::clBtnFace, gui::clBtnFace);
}

void TskFormSkinEngine::PaintClientBackground(HDC dc)
{
    RECT cr;
    ::GetClientRect(form_->Handle(), &cr);
    PaintBackground(dc, gui::Rect(cr.left, cr.top, cr.right, cr.bottom));
}

void TskFormSkinEngine::PaintBackground(HDC dc, const gui::TRect& area)
{
    gui::TCanvas canvas(dc);
    if (!skinInUse_) {
        canvas.Brush().SetColor(gui::clBtnFace);
        canvas.FillRect(area);
        return;
    }
    const TskFormInfo& info = skinData_->FormInfo;
    gui::TBitmap* background = skinData_->ActivePicture(info.BGPictureIndex);
    if (info.BGPictureIndex != -1 && background && !background->Empty()) {
        TileArea(canvas, area, background->Canvas(), gui::Rect(0, 0, background->Width(), background->Height()));
    } else if (!ClientInPicture(info.ClRect, skinData_->Picture())) {
        canvas.Brush().SetColor(gui::clBtnFace);
        canvas.FillRect(area);
    } else {
        TileArea(canvas, area, skinData_->Picture().Canvas(), info.ClRect);
    }
}

void TskFormSkinEngine::PaintWholeForm(HDC dc)
{
    RECT cr;
    ::GetClientRect(form_->Handle(), &cr);
    gui::TCanvas canvas(dc);
    if (!skinInUse_) {
        canvas.Brush().SetColor(gui::clBtnFace);
        canvas.Pen().SetColor(gui::clBlack);
        canvas.Rectangle(cr.left, cr.top, cr.right, cr.bottom);
        return;
    }
    const TskFormInfo& info = skinData_->FormInfo;
    gui::TBitmap image;
    gui::TBitmap& rollUp = skinData_->RollUpPicture();
    if (!rolledUp_ || rollUp.Empty()) {
        gui::TBitmap& picture = skinData_->Picture();
        const bool corners = !IsNullPoint(info.LTPoint) || !IsNullPoint(info.RTPoint) ||
                             !IsNullPoint(info.LBPoint) || !IsNullPoint(info.RBPoint);
        if (corners) {
            const TskFrameGeometry& g = geometry_;
            MakeSkinImageEx(Corners(info.LTPoint, info.RTPoint, info.LBPoint, info.RBPoint, info.ClRect),
                            Corners(g.LTPoint, g.RTPoint, g.LBPoint, g.RBPoint, g.ClientRect), image, picture,
                            gui::Rect(0, 0, picture.Width(), picture.Height()), cr.right, cr.bottom, true);
        } else {
            image.Assign(picture);
        }
    } else if (info.RollUpLeftPoint.X < info.RollUpRightPoint.X) {
        MakeHSkinImage(info.RollUpLeftPoint.X, rollUp.Width() - info.RollUpRightPoint.X, image, rollUp,
                       gui::Rect(0, 0, rollUp.Width(), rollUp.Height()), cr.right);
    } else {
        image.Assign(rollUp);
    }
    if (image.Empty())
        return;
    for (auto& object : objects_)
        if (ShownInRollState(*object))
            object->Draw(image.Canvas(), false);
    canvas.Draw(0, 0, image);
}

}  // namespace sk
