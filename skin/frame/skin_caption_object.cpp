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

TskSkinCaptionObject::TskSkinCaptionObject(TskSkinObjectHost* AParent, TskDataSkinCaption* AData)
    : TskActiveSkinObject(AParent, AData)
{
    if (!AData)
        return;
    DefaultCaption = AData->DefaultCaption;
    FontName = AData->FontName;
    FontStyle = AData->FontStyle;
    FontHeight = AData->FontHeight;
    FontColor = AData->FontColor;
    ActiveFontColor = AData->ActiveFontColor;
    ShadowColor = AData->ShadowColor;
    ActiveShadowColor = AData->ActiveShadowColor;
    Shadow = AData->Shadow;
    Alignment = AData->Alignment;
    TextRect = AData->TextRect;
    FrameRect = AData->FrameRect;
    ActiveFrameRect = AData->ActiveFrameRect;
    FrameLeftOffset = AData->FrameLeftOffset;
    FrameRightOffset = AData->FrameRightOffset;
    FrameTextRect = AData->FrameTextRect;
}

void TskSkinCaptionObject::SetCaption(const std::string& text)
{
    Caption = text;
    Parent->RedrawObject(*this);
}

void TskSkinCaptionObject::DrawText(gui::TCanvas& Canvas, int OffsetX, int OffsetY, bool ActiveLook)
{
    std::string text = Parent->CaptionText();
    if (text.empty() || IsNullRect(TextRect))
        return;
    gui::TRect tr = TextRect;
    tr.Right += RectWidth(ObjectRect) - RectWidth(SkinRect);
    const bool framed = !IsNullRect(FrameRect);
    if (framed) {
        tr.Left += FrameTextRect.Left;
        tr.Top += FrameTextRect.Top;
        tr.Right += FrameTextRect.Right - RectWidth(FrameRect);
    }
    gui::TFont& font = Canvas.Font();
    font.SetName(FontName);
    font.SetStyle(FontStyle);
    font.SetHeight(FontHeight);
    font.SetCharset(Parent->DefCaptionFont().Charset());
    Canvas.Brush().SetStyle(gui::bsClear);
    FitTextWithEllipsis(Canvas, text, RectWidth(tr));
    const gui::TSize size = Canvas.TextExtent(text);
    int y = tr.Top + RectHeight(tr) / 2 - size.cy / 2;
    int x = tr.Left;
    if (Alignment == gui::taRightJustify)
        x = tr.Right - size.cx;
    else if (Alignment == gui::taCenter)
        x = tr.Left + RectWidth(tr) / 2 - size.cx / 2;
    x += OffsetX;
    y += OffsetY;
    if (framed && ActivePicture && !ActivePicture->Empty()) {
        const gui::TRect& source = ActiveLook && !IsNullRect(ActiveFrameRect) ? ActiveFrameRect : FrameRect;
        gui::TBitmap frame;
        MakeHSkinImage(FrameLeftOffset, FrameRightOffset, frame, *ActivePicture, source,
                       RectWidth(FrameRect) + size.cx - RectWidth(FrameTextRect));
        if (!frame.Empty())
            Canvas.Draw(x - FrameTextRect.Left, y - FrameTextRect.Top, frame);
    }
    if (Shadow) {
        font.SetColor(ActiveLook ? ActiveShadowColor : ShadowColor);
        Canvas.TextOut(x + 1, y + 1, text);
    }
    font.SetColor(ActiveLook ? ActiveFontColor : FontColor);
    Canvas.TextOut(x, y, text);
}

void TskSkinCaptionObject::MakeBackground(gui::TBitmap& Dest, gui::TBitmap* Source, const gui::TRect& SourceRect)
{
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    const TskFormInfo* info = SkinData ? &SkinData->FormInfo : nullptr;
    const bool stretchable = info && info->RBPoint.X != info->LTPoint.X && info->RBPoint.Y != info->LTPoint.Y;
    const bool sameSize = w == RectWidth(SkinRect) && h == RectHeight(SkinRect);
    if (!stretchable || sameSize || !Source || Source->Empty() || IsNullRect(SourceRect)) {
        CopyScaled(Dest, w, h, Source, SourceRect);
        return;
    }
    Dest.SetSize(w, h);
    if (Dest.Empty())
        return;
    gui::TCanvas& d = Dest.Canvas();
    gui::TCanvas& s = Source->Canvas();
    const int sw = RectWidth(SourceRect), sh = RectHeight(SourceRect);
    // The edge of the frame the caption lies on decides which way it stretches;
    // the end pieces are measured on the caption's place in the frame picture.
    int first, last;
    bool horizontal = true;
    if (SkinRect.Top <= info->LTPoint.Y && SkinRect.Bottom < info->RTPoint.Y) {
        first = info->LTPoint.X - SkinRect.Left;
        last = SkinRect.Right - info->RTPoint.X;
    } else if (SkinRect.Top >= info->LBPoint.Y && SkinRect.Bottom > info->RBPoint.Y) {
        first = info->LBPoint.X - SkinRect.Left;
        last = SkinRect.Right - info->RBPoint.X;
    } else if (SkinRect.Top <= info->LTPoint.Y && SkinRect.Bottom > info->LBPoint.Y) {
        horizontal = false;
        first = info->LTPoint.Y - SkinRect.Top;
        last = SkinRect.Bottom - info->LBPoint.Y;
    } else {
        horizontal = false;
        first = info->RTPoint.Y - SkinRect.Top;
        last = SkinRect.Bottom - info->RBPoint.Y;
    }
    const int length = horizontal ? sw : sh;
    first = std::clamp(first, 0, length);
    last = std::clamp(last, 0, length - first);
    if (horizontal) {
        TileArea(d, gui::Rect(0, 0, w, h), s,
                 gui::Rect(SourceRect.Left + first, SourceRect.Top, SourceRect.Right - last, SourceRect.Bottom));
        CopyPiece(d, gui::Rect(0, 0, first, h), s,
                  gui::Rect(SourceRect.Left, SourceRect.Top, SourceRect.Left + first, SourceRect.Bottom));
        CopyPiece(d, gui::Rect(w - last, 0, w, h), s,
                  gui::Rect(SourceRect.Right - last, SourceRect.Top, SourceRect.Right, SourceRect.Bottom));
    } else {
        TileArea(d, gui::Rect(0, 0, w, h), s,
                 gui::Rect(SourceRect.Left, SourceRect.Top + first, SourceRect.Right, SourceRect.Bottom - last));
        CopyPiece(d, gui::Rect(0, 0, w, first), s,
                  gui::Rect(SourceRect.Left, SourceRect.Top, SourceRect.Right, SourceRect.Top + first));
        CopyPiece(d, gui::Rect(0, h - last, w, h), s,
                  gui::Rect(SourceRect.Left, SourceRect.Bottom - last, SourceRect.Right, SourceRect.Bottom));
    }
}

void TskSkinCaptionObject::MakeLook(gui::TBitmap& Dest, bool ActiveLook)
{
    if (ActiveLook)
        MakeBackground(Dest, ActivePicture, ActiveSkinRect);
    else
        MakeBackground(Dest, Picture, SkinRect);
    if (!Dest.Empty())
        DrawText(Dest.Canvas(), 0, 0, ActiveLook);
}

void TskSkinCaptionObject::ApplyInactiveEffect(gui::TBitmap& Look)
{
    if (!SkinData || !SkinData->FormInfo.AutoRenderingInActiveImage || Parent->FormActive() || Look.Empty())
        return;
    TskEffectBmp effect(Look.Handle());
    switch (SkinData->FormInfo.InActiveEffect) {
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
    effect.Draw(Look.Canvas().Handle(), 0, 0);
}

void TskSkinCaptionObject::Draw(gui::TCanvas& Canvas, bool Repaint)
{
    Active = Parent->FormActive();
    const bool activeRect = !IsNullRect(ActiveSkinRect);
    if (RectWidth(ObjectRect) > 0 && RectHeight(ObjectRect) > 0 && (!Parent->SupportNCArea() || activeRect)) {
        if (activeRect && (Active || MorphFactor != 0)) {
            gui::TBitmap activeLook;
            MakeLook(activeLook, true);
            if ((MorphFactor == 0 && Active && !Morphing) || (Active && MorphFactor == 1)) {
                Canvas.Draw(ObjectRect.Left, ObjectRect.Top, activeLook);
                return;
            }
            gui::TBitmap normalLook;
            MakeLook(normalLook, false);
            TskEffectBmp image(normalLook.Handle());
            TskEffectBmp target(activeLook.Handle());
            MorphByKind(image, target, MorphFactor, MorphKind);
            image.Draw(normalLook.Canvas().Handle(), 0, 0);
            ApplyInactiveEffect(normalLook);
            Canvas.Draw(ObjectRect.Left, ObjectRect.Top, normalLook);
            return;
        }
        if (Repaint) {
            gui::TBitmap look;
            MakeBackground(look, Picture, SkinRect);
            if (!look.Empty())
                DrawText(look.Canvas(), 0, 0, Active);
            ApplyInactiveEffect(look);
            Canvas.Draw(ObjectRect.Left, ObjectRect.Top, look);
            return;
        }
    }
    // The frame beneath already shows the background.
    DrawText(Canvas, ObjectRect.Left, ObjectRect.Top, Active);
}

void TskSkinCaptionObject::MouseDown(int X, int Y, gui::TMouseButton Button)
{
    if (!Parent->SupportNCArea() && Parent->WindowState() != 2)
        Parent->StartFormDrag(X, Y);
    Parent->MouseDownEvent(IDName, X, Y, ObjectRect, Button);
}

void TskSkinCaptionObject::MouseUp(int X, int Y, gui::TMouseButton Button)
{
    if (!Parent->SupportNCArea())
        Parent->EndFormDrag();
    Parent->MouseUpEvent(IDName, X, Y, ObjectRect, Button);
}

// Active follows the form's activation, not the mouse.
void TskSkinCaptionObject::MouseEnter()
{
    MouseIn = true;
    Parent->MouseEnterEvent(IDName);
}

void TskSkinCaptionObject::MouseLeave()
{
    MouseIn = false;
    Parent->MouseLeaveEvent(IDName);
}

}  // namespace sk
