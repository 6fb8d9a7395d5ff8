// The roll-up: the form shrinks to its caption and back. With the skin as the
// non-client frame the form keeps only the frame's height; with the skin painted
// into the client area the skin's roll-up picture (stretched between its two
// roll-up points when they allow) takes the form's place, its mask the region,
// and the form's controls hide until the form rolls down.
#include "gui/controls/form.h"
#include "gui/controls/timer.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/frame/active_skin_object.h"
#include "skin/imaging/mask_region.h"
#include "skin/imaging/skin_image.h"

namespace sk {

void TskFormSkinEngine::RollUpForm(bool rollUp)
{
    if ((!supportNCArea_ && !skinInUse_) || !borderIcons_.Contains(biRollUp) || windowState_ == wsMinimized)
        return;
    if (windowState_ == wsMaximized && rolledUp_ && !rolledUpMaximized_)
        return;
    if (rollUp == rolledUp_)
        return;
    if (windowState_ == wsMaximized)
        rolledUpMaximized_ = rollUp;
    rolledUp_ = rollUp;
    if (supportNCArea_) {
        if (rollUp) {
            oldHeight_ = form_->Height();
            form_->SetHeight(GetMinHeight());
        } else {
            form_->SetHeight(oldHeight_);
        }
    } else if (rollUp && skinData_->RollUpPicture().Empty()) {
        // Nothing to show rolled up.
        rolledUp_ = false;
        rolledUpMaximized_ = false;
        return;
    } else if (rollUp) {
        oldHeight_ = form_->Height();
        RollUpClient();
    } else {
        RollDownClient();
    }
    if (OnChangeRollUpState)
        OnChangeRollUpState(this);
}

// The height to roll down to is the caller's to remember: a new skin applies
// the roll-up again to a form that is already rolled up, at its rolled-up height.
void TskFormSkinEngine::RollUpClient()
{
    const TskFormInfo& info = skinData_->FormInfo;
    gui::TBitmap& picture = skinData_->RollUpPicture();
    const bool stretchable = info.RollUpLeftPoint.X < info.RollUpRightPoint.X;
    if (stretchable) {
        // Objects right of the stretched middle follow the right edge; those
        // spanning it stretch with it.
        const int dx = form_->Width() - picture.Width();
        for (auto& object : objects_) {
            if (!object->RollUp)
                continue;
            gui::TRect r = object->SkinRect;
            if (r.Left >= info.RollUpRightPoint.X) {
                r.Left += dx;
                r.Right += dx;
            } else if (r.Left <= info.RollUpLeftPoint.X && r.Right >= info.RollUpRightPoint.X) {
                r.Right += dx;
            }
            object->ObjectRect = r;
        }
    }
    ClearHover();
    mouseTimer_->SetEnabled(false);
    morphTimer_->SetEnabled(false);
    if (rolledUpControls_.empty()) {
        for (int i = 0; i < form_->ControlCount(); ++i) {
            gui::TControl* control = form_->Controls(i);
            if (!control->Visible())
                continue;
            control->FreeNotification(this);
            rolledUpControls_.push_back(control);
        }
        for (gui::TControl* control : rolledUpControls_)
            control->SetVisible(false);
    }
    if (stretchable)
        form_->SetHeight(picture.Height());
    else
        form_->SetBounds(form_->Left(), form_->Top(), picture.Width(), picture.Height());
    SetRollUpRegion();
    form_->Invalidate();
    mouseTimer_->SetEnabled(true);
    morphTimer_->SetEnabled(true);
}

// Also under a skin that came while the form was rolled up and has no roll-up
// picture: the hidden controls and the form's height come back all the same.
void TskFormSkinEngine::RollDownClient()
{
    ClearHover();
    mouseTimer_->SetEnabled(false);
    morphTimer_->SetEnabled(false);
    std::vector<gui::TControl*> controls;
    controls.swap(rolledUpControls_);
    for (gui::TControl* control : controls) {
        control->RemoveFreeNotification(this);
        control->SetVisible(true);
    }
    const TskFormInfo& info = skinData_->FormInfo;
    if (IsStretchableSkin(info))
        form_->SetHeight(oldHeight_);
    FitClientToSkin();
    // The form's own region and objects come back with its size.
    UpdateFrame(IsStretchableSkin(info));
    mouseTimer_->SetEnabled(true);
    morphTimer_->SetEnabled(true);
}

void TskFormSkinEngine::FitClientToSkin()
{
    // Without a frame of its own, the form's client area is the whole window.
    const int pw = skinData_->Picture().Width(), ph = skinData_->Picture().Height();
    if (IsStretchableSkin(skinData_->FormInfo)) {
        if (minWidth_ != 0 && minHeight_ != 0)
            return;
        if (form_->Width() < pw)
            form_->SetWidth(pw);
        if (form_->Height() < ph)
            form_->SetHeight(ph);
        return;
    }
    form_->SetBounds(form_->Left(), form_->Top(), pw, ph);
    sizeable_ = false;
}

void TskFormSkinEngine::SetRollUpRegion()
{
    if (!form_->HandleAllocated())
        return;
    gui::TBitmap& mask = skinData_->RollUpMask();
    if (mask.Empty()) {
        RemoveRegion();
        return;
    }
    const TskFormInfo& info = skinData_->FormInfo;
    win::UniqueRegion region;
    if (info.RollUpLeftPoint.X < info.RollUpRightPoint.X) {
        gui::TBitmap wide;
        MakeHSkinImage(info.RollUpLeftPoint.X, mask.Width() - info.RollUpRightPoint.X, wide, mask,
                       gui::Rect(0, 0, mask.Width(), mask.Height()), form_->Width());
        region = MaskToRegion(wide);
    } else {
        region = MaskToRegion(mask);
    }
    RECT box;
    if (!region || ::GetRgnBox(region.Get(), &box) == NULLREGION)
        return;  // a mask without black pixels would hide the whole form
    HRGN handle = region.Release();
    if (::SetWindowRgn(form_->Handle(), handle, TRUE))
        region_ = handle;  // the system's now; it deletes the one replaced
    else
        ::DeleteObject(handle);
}

}  // namespace sk
