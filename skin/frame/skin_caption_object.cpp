#include "skin/frame/skin_caption_object.h"

#include <algorithm>

#include "skin/data/skin_data.h"
#include "skin/imaging/effect_bmp.h"
#include "skin/imaging/morph_by_kind.h"
#include "skin/imaging/skin_image.h"
#include "skin/imaging/text_fit.h"
#include "skin/imaging/tiling.h"
#include "skin/model/geometry.h"

namespace sk {

TskSkinCaptionObject::TskSkinCaptionObject(TskSkinObjectHost* parent, TskDataSkinCaption* data)
    : TskActiveSkinObject(parent, data)
{
    if (!data)
        return;
    defaultCaption_ = data->DefaultCaption;
    fontName_ = data->FontName;
    fontStyle_ = data->FontStyle;
    fontHeight_ = data->FontHeight;
    fontColor_ = data->FontColor;
    activeFontColor_ = data->ActiveFontColor;
    shadowColor_ = data->ShadowColor;
    activeShadowColor_ = data->ActiveShadowColor;
    shadow_ = data->Shadow;
    alignment_ = data->Alignment;
    textRect_ = data->TextRect;
    frameRect_ = data->FrameRect;
    activeFrameRect_ = data->ActiveFrameRect;
    frameLeftOffset_ = data->FrameLeftOffset;
    frameRightOffset_ = data->FrameRightOffset;
    frameTextRect_ = data->FrameTextRect;
}

void TskSkinCaptionObject::SetCaption(const std::string& text)
{
    caption_ = text;
    Parent()->RedrawObject(*this);
}

void TskSkinCaptionObject::DrawText(gui::TCanvas& canvas, int offsetX, int offsetY, bool activeLook)
{
    std::string text = Parent()->CaptionText();
    if (text.empty() || IsNullRect(textRect_))
        return;
    gui::TRect tr = textRect_;
    tr.Right += RectWidth(ObjectRect()) - RectWidth(SkinRect());
    const bool framed = !IsNullRect(frameRect_);
    if (framed) {
        tr.Left += frameTextRect_.Left;
        tr.Top += frameTextRect_.Top;
        tr.Right += frameTextRect_.Right - RectWidth(frameRect_);
    }
    gui::TFont& font = canvas.Font();
    font.SetName(fontName_);
    font.SetStyle(fontStyle_);
    font.SetHeight(fontHeight_);
    font.SetCharset(Parent()->DefCaptionFont().Charset());
    canvas.Brush().SetStyle(gui::bsClear);
    FitTextWithEllipsis(canvas, text, RectWidth(tr));
    const gui::TSize size = canvas.TextExtent(text);
    int y = tr.Top + RectHeight(tr) / 2 - size.cy / 2;
    int x = tr.Left;
    if (alignment_ == gui::taRightJustify)
        x = tr.Right - size.cx;
    else if (alignment_ == gui::taCenter)
        x = tr.Left + RectWidth(tr) / 2 - size.cx / 2;
    x += offsetX;
    y += offsetY;
    if (framed && ActivePicture() && !ActivePicture()->Empty()) {
        const gui::TRect& source = activeLook && !IsNullRect(activeFrameRect_) ? activeFrameRect_ : frameRect_;
        gui::TBitmap frame;
        MakeHSkinImage(frameLeftOffset_, frameRightOffset_, frame, *ActivePicture(), source,
                       RectWidth(frameRect_) + size.cx - RectWidth(frameTextRect_));
        if (!frame.Empty())
            canvas.Draw(x - frameTextRect_.Left, y - frameTextRect_.Top, frame);
    }
    if (shadow_) {
        font.SetColor(activeLook ? activeShadowColor_ : shadowColor_);
        canvas.TextOut(x + 1, y + 1, text);
    }
    font.SetColor(activeLook ? activeFontColor_ : fontColor_);
    canvas.TextOut(x, y, text);
}

void TskSkinCaptionObject::MakeBackground(gui::TBitmap& dest, gui::TBitmap* source, const gui::TRect& sourceRect)
{
    const int w = RectWidth(ObjectRect()), h = RectHeight(ObjectRect());
    const TskFormInfo* info = SkinData() ? &SkinData()->FormInfo : nullptr;
    const bool stretchable = info && info->RBPoint.X != info->LTPoint.X && info->RBPoint.Y != info->LTPoint.Y;
    const bool sameSize = w == RectWidth(SkinRect()) && h == RectHeight(SkinRect());
    if (!stretchable || sameSize || !source || source->Empty() || IsNullRect(sourceRect)) {
        CopyScaled(dest, w, h, source, sourceRect);
        return;
    }
    dest.SetSize(w, h);
    if (dest.Empty())
        return;
    gui::TCanvas& d = dest.Canvas();
    gui::TCanvas& s = source->Canvas();
    const int sw = RectWidth(sourceRect), sh = RectHeight(sourceRect);
    // The edge of the frame the caption lies on decides which way it stretches;
    // the end pieces are measured on the caption's place in the frame picture.
    int first, last;
    bool horizontal = true;
    if (SkinRect().Top <= info->LTPoint.Y && SkinRect().Bottom < info->RTPoint.Y) {
        first = info->LTPoint.X - SkinRect().Left;
        last = SkinRect().Right - info->RTPoint.X;
    } else if (SkinRect().Top >= info->LBPoint.Y && SkinRect().Bottom > info->RBPoint.Y) {
        first = info->LBPoint.X - SkinRect().Left;
        last = SkinRect().Right - info->RBPoint.X;
    } else if (SkinRect().Top <= info->LTPoint.Y && SkinRect().Bottom > info->LBPoint.Y) {
        horizontal = false;
        first = info->LTPoint.Y - SkinRect().Top;
        last = SkinRect().Bottom - info->LBPoint.Y;
    } else {
        horizontal = false;
        first = info->RTPoint.Y - SkinRect().Top;
        last = SkinRect().Bottom - info->RBPoint.Y;
    }
    const int length = horizontal ? sw : sh;
    first = std::clamp(first, 0, length);
    last = std::clamp(last, 0, length - first);
    if (horizontal) {
        TileArea(d, gui::Rect(0, 0, w, h), s,
                 gui::Rect(sourceRect.Left + first, sourceRect.Top, sourceRect.Right - last, sourceRect.Bottom));
        CopyPiece(d, gui::Rect(0, 0, first, h), s,
                  gui::Rect(sourceRect.Left, sourceRect.Top, sourceRect.Left + first, sourceRect.Bottom));
        CopyPiece(d, gui::Rect(w - last, 0, w, h), s,
                  gui::Rect(sourceRect.Right - last, sourceRect.Top, sourceRect.Right, sourceRect.Bottom));
    } else {
        TileArea(d, gui::Rect(0, 0, w, h), s,
                 gui::Rect(sourceRect.Left, sourceRect.Top + first, sourceRect.Right, sourceRect.Bottom - last));
        CopyPiece(d, gui::Rect(0, 0, w, first), s,
                  gui::Rect(sourceRect.Left, sourceRect.Top, sourceRect.Right, sourceRect.Top + first));
        CopyPiece(d, gui::Rect(0, h - last, w, h), s,
                  gui::Rect(sourceRect.Left, sourceRect.Bottom - last, sourceRect.Right, sourceRect.Bottom));
    }
}

void TskSkinCaptionObject::MakeLook(gui::TBitmap& dest, bool activeLook)
{
    if (activeLook)
        MakeBackground(dest, ActivePicture(), ActiveSkinRect());
    else
        MakeBackground(dest, Picture(), SkinRect());
    if (!dest.Empty())
        DrawText(dest.Canvas(), 0, 0, activeLook);
}

void TskSkinCaptionObject::ApplyInactiveEffect(gui::TBitmap& look)
{
    if (!SkinData() || !SkinData()->FormInfo.AutoRenderingInActiveImage || Parent()->FormActive() || look.Empty())
        return;
    TskEffectBmp effect(look.Handle());
    switch (SkinData()->FormInfo.InActiveEffect) {
    case ieBrightness:
        effect.ChangeBrightness(0.5);
        break;
    case ieDarkness:
        effect.ChangeDarkness(0.3);
        break;
    case ieGrayScale:
        effect.GrayScale();
        break;
    case ieNoise:
        effect.AddNoise(50);
        break;
    case ieSplitBlur:
        effect.SplitBlur(1);
        break;
    case ieInvert:
        effect.Invert();
        break;
    }
    effect.Draw(look.Canvas().Handle(), 0, 0);
}

void TskSkinCaptionObject::Draw(gui::TCanvas& canvas, bool repaint)
{
    SetActive(Parent()->FormActive());
    const bool activeRect = !IsNullRect(ActiveSkinRect());
    if (RectWidth(ObjectRect()) > 0 && RectHeight(ObjectRect()) > 0 && (!Parent()->SupportNCArea() || activeRect)) {
        if (activeRect && (Active() || MorphFactor() != 0)) {
            gui::TBitmap activeLook;
            MakeLook(activeLook, true);
            if ((MorphFactor() == 0 && Active() && !Morphing()) || (Active() && MorphFactor() == 1)) {
                canvas.Draw(ObjectRect().Left, ObjectRect().Top, activeLook);
                return;
            }
            gui::TBitmap normalLook;
            MakeLook(normalLook, false);
            TskEffectBmp image(normalLook.Handle());
            TskEffectBmp target(activeLook.Handle());
            MorphByKind(image, target, MorphFactor(), MorphKind());
            image.Draw(normalLook.Canvas().Handle(), 0, 0);
            ApplyInactiveEffect(normalLook);
            canvas.Draw(ObjectRect().Left, ObjectRect().Top, normalLook);
            return;
        }
        if (repaint) {
            gui::TBitmap look;
            MakeBackground(look, Picture(), SkinRect());
            if (!look.Empty())
                DrawText(look.Canvas(), 0, 0, Active());
            ApplyInactiveEffect(look);
            canvas.Draw(ObjectRect().Left, ObjectRect().Top, look);
            return;
        }
    }
    // The frame beneath already shows the background.
    DrawText(canvas, ObjectRect().Left, ObjectRect().Top, Active());
}

void TskSkinCaptionObject::MouseDown(int x, int y, gui::TMouseButton button)
{
    if (!Parent()->SupportNCArea() && Parent()->WindowState() != 2)
        Parent()->StartFormDrag(x, y);
    Parent()->MouseDownEvent(IDName(), x, y, ObjectRect(), button);
}

void TskSkinCaptionObject::MouseUp(int x, int y, gui::TMouseButton button)
{
    if (!Parent()->SupportNCArea())
        Parent()->EndFormDrag();
    Parent()->MouseUpEvent(IDName(), x, y, ObjectRect(), button);
}

// Active follows the form's activation, not the mouse.
void TskSkinCaptionObject::MouseEnter()
{
    SetMouseIn(true);
    Parent()->MouseEnterEvent(IDName());
}

void TskSkinCaptionObject::MouseLeave()
{
    SetMouseIn(false);
    Parent()->MouseLeaveEvent(IDName());
}

}  // namespace sk
