#include "skin/frame/active_skin_object.h"

#include <algorithm>

#include "skin/data/skin_data.h"
#include "skin/imaging/effect_bmp.h"
#include "skin/imaging/morph_by_kind.h"
#include "skin/model/geometry.h"

namespace sk {

namespace {

// The step of the hover morph per timer tick. It is added in extended precision;
// since 0.1 is not exact, a full change takes 11 ticks (the tenth stops short).
constexpr long double kMorphStep = 0.1L;

}  // namespace

TskActiveSkinObject::TskActiveSkinObject(TskSkinObjectHost* AParent, TskDataSkinObject* AData) : Parent(AParent)
{
    SkinData = AParent ? AParent->SkinData() : nullptr;
    if (!AData)
        return;
    IDName = AData->IDName;
    Hint = AData->Hint;
    SkinRectInAPicture = AData->SkinRectInAPicture;
    SkinRect = AData->SkinRect;
    ActiveSkinRect = AData->ActiveSkinRect;
    Morphing = AData->Morphing;
    MorphKind = AData->MorphKind;
    CursorIndex = AData->CursorIndex;
    RollUp = AData->RollUp;
    if (SkinData) {
        Picture = RollUp ? &SkinData->RollUpPicture() : &SkinData->Picture();
        ActivePicture = SkinData->ActivePicture(AData->ActivePictureIndex);
    }
    if (!ActivePicture) {
        // No highlighted look without its picture, for the record too.
        ClearRect(ActiveSkinRect);
        ClearRect(AData->ActiveSkinRect);
    }
    ObjectRect = SkinRect;
}

gui::TBitmap* TskActiveSkinObject::NormalPicture() const { return SkinRectInAPicture ? ActivePicture : Picture; }

void TskActiveSkinObject::CopyToObject(gui::TCanvas& Canvas, gui::TBitmap* Source, const gui::TRect& SourceRect)
{
    if (!Source || Source->Empty() || IsNullRect(SourceRect) || IsNullRect(ObjectRect))
        return;
    Canvas.CopyRect(ObjectRect, Source->Canvas(), SourceRect);
}

void TskActiveSkinObject::DrawMorph(gui::TCanvas& Canvas, gui::TBitmap& Normal, gui::TBitmap& Highlighted)
{
    TskEffectBmp image(Normal.Handle());
    TskEffectBmp target(Highlighted.Handle());
    MorphByKind(image, target, MorphFactor, MorphKind);
    image.Draw(Canvas.Handle(), ObjectRect.Left, ObjectRect.Top);
}

void CopyScaled(gui::TBitmap& Dest, int Width, int Height, gui::TBitmap* Source, const gui::TRect& SourceRect)
{
    Dest.SetSize(std::max(Width, 0), std::max(Height, 0));
    if (Dest.Empty() || !Source || Source->Empty() || IsNullRect(SourceRect))
        return;
    Dest.Canvas().CopyRect(gui::Rect(0, 0, Width, Height), Source->Canvas(), SourceRect);
}

void TskActiveSkinObject::Draw(gui::TCanvas& Canvas, bool Repaint)
{
    if (LookChanging()) {
        const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
        if (w < 1 || h < 1)
            return;
        gui::TBitmap normal, highlighted;
        CopyScaled(normal, w, h, NormalPicture(), SkinRect);
        CopyScaled(highlighted, w, h, ActivePicture, ActiveSkinRect);
        DrawMorph(Canvas, normal, highlighted);
        return;
    }
    if (Active && !IsNullRect(ActiveSkinRect)) {
        CopyToObject(Canvas, ActivePicture, ActiveSkinRect);
        return;
    }
    if (!Repaint && !SkinRectInAPicture)
        return;  // the frame strip already shows the normal look
    CopyToObject(Canvas, NormalPicture(), SkinRect);
}

void TskActiveSkinObject::MouseDown(int X, int Y, gui::TMouseButton Button)
{
    Parent->MouseDownEvent(IDName, X, Y, ObjectRect, Button);
}

void TskActiveSkinObject::MouseUp(int X, int Y, gui::TMouseButton Button)
{
    if (MouseIn)
        Parent->MouseUpEvent(IDName, X, Y, ObjectRect, Button);
}

void TskActiveSkinObject::MouseMove(int X, int Y) { Parent->MouseMoveEvent(IDName, X, Y, ObjectRect); }

void TskActiveSkinObject::MouseEnter()
{
    MouseIn = true;
    Active = true;
    if (!IsNullRect(ActiveSkinRect))
        StartMorph();
    Parent->MouseEnterEvent(IDName);
}

void TskActiveSkinObject::MouseLeave()
{
    MouseIn = false;
    Active = false;
    if (!IsNullRect(ActiveSkinRect))
        StartMorph();
    Parent->MouseLeaveEvent(IDName);
}

bool TskActiveSkinObject::MorphInProgress() { return (Active && MorphFactor < 1) || (!Active && MorphFactor > 0); }

void TskActiveSkinObject::StartMorph()
{
    if (Morphing)
        Parent->StartMorphTimer();
    else
        Parent->RedrawObject(*this);
}

void TskActiveSkinObject::MorphStep()
{
    const long double k = MorphFactor;
    SetMorphFactor(double(Active ? k + kMorphStep : k - kMorphStep));
    Parent->RedrawObject(*this);
}

void TskActiveSkinObject::SetMorphFactor(double value) { MorphFactor = std::clamp(value, 0.0, 1.0); }

}  // namespace sk
