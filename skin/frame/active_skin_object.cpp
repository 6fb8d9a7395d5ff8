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

TskActiveSkinObject::TskActiveSkinObject(TskSkinObjectHost* parent, TskDataSkinObject* data) : parent_(parent)
{
    skinData_ = parent ? parent->SkinData() : nullptr;
    if (!data)
        return;
    idName_ = data->IDName;
    hint_ = data->Hint;
    skinRectInAPicture_ = data->SkinRectInAPicture;
    skinRect_ = data->SkinRect;
    activeSkinRect_ = data->ActiveSkinRect;
    morphing_ = data->Morphing;
    morphKind_ = data->MorphKind;
    cursorIndex_ = data->CursorIndex;
    rollUp_ = data->RollUp;
    if (skinData_) {
        picture_ = rollUp_ ? &skinData_->RollUpPicture() : &skinData_->Picture();
        activePicture_ = skinData_->ActivePicture(data->ActivePictureIndex);
    }
    if (!activePicture_) {
        // No highlighted look without its picture, for the record too.
        ClearRect(activeSkinRect_);
        ClearRect(data->ActiveSkinRect);
    }
    objectRect_ = skinRect_;
}

gui::TBitmap* TskActiveSkinObject::NormalPicture() const { return skinRectInAPicture_ ? activePicture_ : picture_; }

void TskActiveSkinObject::CopyToObject(gui::TCanvas& canvas, gui::TBitmap* source, const gui::TRect& sourceRect)
{
    if (!source || source->Empty() || IsNullRect(sourceRect) || IsNullRect(objectRect_))
        return;
    canvas.CopyRect(objectRect_, source->Canvas(), sourceRect);
}

void TskActiveSkinObject::DrawMorph(gui::TCanvas& canvas, gui::TBitmap& normal, gui::TBitmap& highlighted)
{
    TskEffectBmp image(normal.Handle());
    TskEffectBmp target(highlighted.Handle());
    MorphByKind(image, target, morphFactor_, morphKind_);
    image.Draw(canvas.Handle(), objectRect_.Left, objectRect_.Top);
}

void CopyScaled(gui::TBitmap& dest, int width, int height, gui::TBitmap* source, const gui::TRect& sourceRect)
{
    dest.SetSize(std::max(width, 0), std::max(height, 0));
    if (dest.Empty() || !source || source->Empty() || IsNullRect(sourceRect))
        return;
    dest.Canvas().CopyRect(gui::Rect(0, 0, width, height), source->Canvas(), sourceRect);
}

void TskActiveSkinObject::Draw(gui::TCanvas& canvas, bool repaint)
{
    if (LookChanging()) {
        const int width = RectWidth(objectRect_), height = RectHeight(objectRect_);
        if (width < 1 || height < 1)
            return;
        gui::TBitmap normal, highlighted;
        CopyScaled(normal, width, height, NormalPicture(), skinRect_);
        CopyScaled(highlighted, width, height, activePicture_, activeSkinRect_);
        DrawMorph(canvas, normal, highlighted);
        return;
    }
    if (active_ && !IsNullRect(activeSkinRect_)) {
        CopyToObject(canvas, activePicture_, activeSkinRect_);
        return;
    }
    if (!repaint && !skinRectInAPicture_)
        return;  // the frame strip already shows the normal look
    CopyToObject(canvas, NormalPicture(), skinRect_);
}

void TskActiveSkinObject::MouseDown(int x, int y, gui::TMouseButton button)
{
    parent_->MouseDownEvent(idName_, x, y, objectRect_, button);
}

void TskActiveSkinObject::MouseUp(int x, int y, gui::TMouseButton button)
{
    if (mouseIn_)
        parent_->MouseUpEvent(idName_, x, y, objectRect_, button);
}

void TskActiveSkinObject::MouseMove(int x, int y) { parent_->MouseMoveEvent(idName_, x, y, objectRect_); }

void TskActiveSkinObject::MouseEnter()
{
    mouseIn_ = true;
    active_ = true;
    if (!IsNullRect(activeSkinRect_))
        StartMorph();
    parent_->MouseEnterEvent(idName_);
}

void TskActiveSkinObject::MouseLeave()
{
    mouseIn_ = false;
    active_ = false;
    if (!IsNullRect(activeSkinRect_))
        StartMorph();
    parent_->MouseLeaveEvent(idName_);
}

bool TskActiveSkinObject::MorphInProgress()
{
    return (active_ && morphFactor_ < 1) || (!active_ && morphFactor_ > 0);
}

void TskActiveSkinObject::StartMorph()
{
    if (morphing_)
        parent_->StartMorphTimer();
    else
        parent_->RedrawObject(*this);
}

void TskActiveSkinObject::MorphStep()
{
    const long double factor = morphFactor_;
    SetMorphFactor(double(active_ ? factor + kMorphStep : factor - kMorphStep));
    parent_->RedrawObject(*this);
}

void TskActiveSkinObject::SetMorphFactor(double value) { morphFactor_ = std::clamp(value, 0.0, 1.0); }

}  // namespace sk
