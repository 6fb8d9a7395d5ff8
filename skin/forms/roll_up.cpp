#include "skin/forms/roll_up.h"

#include <algorithm>

#include "gui/controls/form.h"
#include "skin/forms/form_engine_parts.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/frame/active_skin_object.h"
#include "skin/imaging/mask_region.h"
#include "skin/imaging/skin_image.h"

namespace sk {

gui::TRect RollUpObjectRect(const gui::TRect& skinRect, int leftX, int rightX, int dx)
{
    gui::TRect rect = skinRect;
    if (rect.Left >= rightX) {
        rect.Left += dx;
        rect.Right += dx;
    } else if (rect.Left <= leftX && rect.Right >= rightX) {
        rect.Right += dx;
    }
    return rect;
}

void TskRollUp::Roll(bool rollUp)
{
    TskFormSkinEngine& engine = parts_.Engine();
    const uint8_t state = parts_.States().State();
    if ((!engine.SupportNCArea() && !engine.SkinInUse()) || !engine.BorderIcons().Contains(biRollUp) ||
        state == wsMinimized)
        return;
    if (state == wsMaximized && rolledUp_ && !rolledUpMaximized_)
        return;
    if (rollUp == rolledUp_)
        return;
    if (state == wsMaximized)
        rolledUpMaximized_ = rollUp;
    rolledUp_ = rollUp;
    gui::TForm& form = parts_.Form();
    if (engine.SupportNCArea()) {
        if (rollUp) {
            heightBefore_ = form.Height();
            form.SetHeight(engine.GetMinHeight());
        } else {
            form.SetHeight(heightBefore_);
        }
    } else if (rollUp && engine.SkinData()->RollUpPicture().Empty()) {
        // Nothing to show rolled up.
        rolledUp_ = false;
        rolledUpMaximized_ = false;
        return;
    } else if (rollUp) {
        heightBefore_ = form.Height();
        RollUpClient();
    } else {
        RollDownClient();
    }
    if (engine.OnChangeRollUpState)
        engine.OnChangeRollUpState(&engine);
}

void TskRollUp::RollUpClient()
{
    TskSkinData& skin = *parts_.Engine().SkinData();
    const TskFormInfo& info = skin.FormInfo;
    gui::TBitmap& picture = skin.RollUpPicture();
    gui::TForm& form = parts_.Form();
    TskFrameObjectList& objects = parts_.Objects();
    const bool stretchable = info.RollUpLeftPoint.X < info.RollUpRightPoint.X;
    if (stretchable) {
        const int dx = form.Width() - picture.Width();
        for (const auto& object : objects.All())
            if (object->RollUp())
                object->SetObjectRect(
                    RollUpObjectRect(object->SkinRect(), info.RollUpLeftPoint.X, info.RollUpRightPoint.X, dx));
    }
    objects.ClearHover();
    objects.StopMouseTimer();
    objects.StopMorphTimer();
    if (hiddenControls_.empty()) {
        for (int i = 0; i < form.ControlCount(); ++i) {
            gui::TControl* control = form.Controls(i);
            if (!control->Visible())
                continue;
            control->FreeNotification(&parts_.Engine());
            hiddenControls_.push_back(control);
        }
        for (gui::TControl* control : hiddenControls_)
            control->SetVisible(false);
    }
    if (stretchable)
        form.SetHeight(picture.Height());
    else
        form.SetBounds(form.Left(), form.Top(), picture.Width(), picture.Height());
    SetRollUpRegion();
    form.Invalidate();
    objects.StartMouseTimer();
    objects.StartMorphTimer();
}

void TskRollUp::ShowHiddenControls()
{
    std::vector<gui::TControl*> controls;
    controls.swap(hiddenControls_);
    for (gui::TControl* control : controls) {
        control->RemoveFreeNotification(&parts_.Engine());
        control->SetVisible(true);
    }
}

// Also under a skin that came while the form was rolled up and has no roll-up
// picture: the hidden controls and the form's height come back all the same.
void TskRollUp::RollDownClient()
{
    TskFrameObjectList& objects = parts_.Objects();
    objects.ClearHover();
    objects.StopMouseTimer();
    objects.StopMorphTimer();
    ShowHiddenControls();
    const bool stretchable = IsStretchableSkin(parts_.Engine().SkinData()->FormInfo);
    if (stretchable)
        parts_.Form().SetHeight(heightBefore_);
    FitClientToSkin();
    // The form's own region and objects come back with its size.
    parts_.Frame().Update(stretchable);
    objects.StartMouseTimer();
    objects.StartMorphTimer();
}

void TskRollUp::FitClientToSkin()
{
    // Without a frame of its own, the form's client area is the whole window.
    TskFormSkinEngine& engine = parts_.Engine();
    TskSkinData& skin = *engine.SkinData();
    gui::TForm& form = parts_.Form();
    const int pictureWidth = skin.Picture().Width(), pictureHeight = skin.Picture().Height();
    if (IsStretchableSkin(skin.FormInfo)) {
        if (engine.MinWidth() != 0 && engine.MinHeight() != 0)
            return;
        if (form.Width() < pictureWidth)
            form.SetWidth(pictureWidth);
        if (form.Height() < pictureHeight)
            form.SetHeight(pictureHeight);
        return;
    }
    form.SetBounds(form.Left(), form.Top(), pictureWidth, pictureHeight);
    engine.SetSizeable(false);
}

void TskRollUp::SetRollUpRegion()
{
    gui::TForm& form = parts_.Form();
    if (!form.HandleAllocated())
        return;
    TskSkinData& skin = *parts_.Engine().SkinData();
    gui::TBitmap& mask = skin.RollUpMask();
    if (mask.Empty()) {
        parts_.Frame().RemoveRegion();
        return;
    }
    const TskFormInfo& info = skin.FormInfo;
    if (info.RollUpLeftPoint.X < info.RollUpRightPoint.X) {
        gui::TBitmap wide;
        MakeHSkinImage(info.RollUpLeftPoint.X, mask.Width() - info.RollUpRightPoint.X, wide, mask,
                       gui::Rect(0, 0, mask.Width(), mask.Height()), form.Width());
        parts_.Frame().ApplyRegion(MaskToRegion(wide));
    } else {
        parts_.Frame().ApplyRegion(MaskToRegion(mask));
    }
}

void TskRollUp::DropWithoutSkin()
{
    if (!rolledUp_)
        return;
    ShowHiddenControls();
    rolledUp_ = false;
    rolledUpMaximized_ = false;
    parts_.Form().SetHeight(heightBefore_);
    TskFormSkinEngine& engine = parts_.Engine();
    if (engine.OnChangeRollUpState)
        engine.OnChangeRollUpState(&engine);
}

void TskRollUp::ComponentRemoved(gui::TComponent* component)
{
    hiddenControls_.erase(std::remove(hiddenControls_.begin(), hiddenControls_.end(), component),
                          hiddenControls_.end());
}

}  // namespace sk
