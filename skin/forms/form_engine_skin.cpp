// The skin in use: the frame rebuilt for a new skin, the form's track sizes that
// follow from it, the skinned controls told of a skin change, and the fade-in.
#include <algorithm>
#include <functional>

#include "gui/controls/form.h"
#include "gui/controls/win_control.h"
#include "skin/data/skin_client.h"
#include "skin/forms/form_engine_parts.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/imaging/layered.h"

namespace sk {

namespace {

constexpr UINT_PTR kFadeTimer = 1;

}  // namespace

// ---- Skin rebuild ----

void TskFormSkinEngine::RebuildSkin()
{
    parts_->Objects().ResetHover();
    skinInUse_ = skinData_ && !skinData_->Empty();
    if (supportNCArea_)
        RebuildNCSkin();
    else
        RebuildClientSkin();
}

void TskFormSkinEngine::RebuildNCSkin()
{
    TskEngineParts& parts = *parts_;
    if (skinInUse_) {
        parts.Objects().Build();
        parts.Objects().ButtonVisibilityPass();
    } else {
        parts.Objects().Clear();
        parts.Frame().RemoveRegion();
    }
    FitFormToMinimum();
    parts.Frame().SetSize(form_->Width(), form_->Height());
    if (skinInUse_)
        parts.Frame().Update(true);
    if (parts.MDI().IsParent() && form_->ClientHandle()) {
        // The children's background is the skin's too.
        ::RedrawWindow(form_->ClientHandle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE);
        parts.MDI().RefitChildren();
    } else {
        form_->Invalidate();
    }
    parts.Frame().Repaint();
    if (!parts.MDI().IsMaximizedChild())
        parts.Objects().UpdateCaptionActive(true);
    parts.Objects().StartMouseTimer();
    if (OnChangeSkinData)
        OnChangeSkinData(this);
}

void TskFormSkinEngine::RebuildClientSkin()
{
    TskEngineParts& parts = *parts_;
    if (!skinInUse_) {
        // A form rolled up under the old skin gets its controls and height back:
        // without a skin nothing could roll it down later.
        parts.RollUp().DropWithoutSkin();
        // Nothing of the old skin may stay on the form.
        parts.Objects().Clear();
        parts.Frame().RemoveRegion();
        form_->Invalidate();
        return;
    }
    // A skin without a roll-up picture has no rolled-up look: the form rolls
    // down and its hidden controls come back.
    TskRollUp& rollUp = parts.RollUp();
    if (rollUp.RolledUp() && skinData_->RollUpPicture().Empty())
        rollUp.Roll(false);
    const TskFormInfo& info = skinData_->FormInfo;
    const bool stretchable = IsStretchableSkin(info);
    const int pictureWidth = skinData_->Picture().Width(), pictureHeight = skinData_->Picture().Height();
    if (!rollUp.RolledUp()) {
        // The client area takes at least the picture's size, exactly it for a
        // skin of fixed size. Without a frame of its own, the client area is the
        // whole window.
        if (stretchable) {
            if (minWidth_ == 0 || minHeight_ == 0) {
                if (form_->Width() < pictureWidth)
                    form_->SetWidth(pictureWidth);
                if (form_->Height() < pictureHeight)
                    form_->SetHeight(pictureHeight);
            }
        } else {
            form_->SetBounds(form_->Left(), form_->Top(), pictureWidth, pictureHeight);
            sizeable_ = false;
        }
    }
    parts.Objects().Build();
    parts.Objects().ButtonVisibilityPass();
    // A form that stays rolled up takes the new skin's rolled-up look: the size
    // of its roll-up picture, its mask and the places of its roll-up objects.
    if (rollUp.RolledUp() && !skinData_->RollUpPicture().Empty())
        rollUp.RollUpClient();
    if (OnChangeSkinData)
        OnChangeSkinData(this);
    parts.Frame().SetSize(form_->Width(), form_->Height());
    if (!rollUp.RolledUp() &&
        (stretchable || (form_->Width() == pictureWidth && form_->Height() == pictureHeight)))
        parts.Frame().Update(stretchable);
    parts.Objects().AnchorAreaControls();
    parts.Objects().PlaceAreaControls();
    parts.Objects().UpdateCaptionActive(true);
    parts.Objects().StartMouseTimer();
}

void TskFormSkinEngine::FitFormToMinimum()
{
    const int minWidth = GetMinWidth(), minHeight = GetMinHeight();
    const bool narrow = form_->Width() < minWidth, low = form_->Height() < minHeight;
    if (narrow && low)
        form_->SetBounds(form_->Left(), form_->Top(), minWidth, minHeight);
    else if (low)
        form_->SetHeight(minHeight);
    else if (narrow)
        form_->SetWidth(minWidth);
    else
        parts_->Frame().NudgeWidth();
    const uint8_t state = parts_->States().State();
    if (parts_->RollUp().RolledUp() || state == wsMinimized)
        form_->SetHeight(minHeight);
    if (state == wsMinimized)
        form_->SetWidth(minWidth);
}

// ---- Track sizes ----

int TskFormSkinEngine::GetMinWidth()
{
    if (supportNCArea_) {
        if (!skinInUse_)
            return minWidth_ > 0 ? minWidth_ : 130;
        const int pictureWidth = skinData_->Picture().Width();
        return minWidth_ > pictureWidth && parts_->States().State() != wsMinimized ? minWidth_ : pictureWidth;
    }
    if (!skinInUse_)
        return 0;
    const int pictureWidth = skinData_->Picture().Width();
    return minWidth_ == 0 || minWidth_ > pictureWidth ? pictureWidth : minWidth_;
}

int TskFormSkinEngine::GetMinHeight()
{
    if (supportNCArea_) {
        const int height = skinInUse_ ? skinData_->Picture().Height() - RectHeight(skinData_->FormInfo.ClRect)
                                      : DefCaptionHeight() + 6;
        return height >= minHeight_ || parts_->RollUp().RolledUp() || parts_->States().State() == wsMinimized
                   ? height
                   : minHeight_;
    }
    if (!skinInUse_)
        return 0;
    const int pictureHeight = skinData_->Picture().Height();
    return minHeight_ == 0 || minHeight_ > pictureHeight ? pictureHeight : minHeight_;
}

int TskFormSkinEngine::GetMaxWidth()
{
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work.right - work.left;
}

int TskFormSkinEngine::GetMaxHeight()
{
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work.bottom - work.top;
}

// ---- Skin changes of the controls ----

void TskFormSkinEngine::WalkSkinControls(TskSkinData* skin, bool apply)
{
    // The skin data tells every control this walk did not reach itself.
    std::function<void(gui::TControl*)> visit = [&](gui::TControl* control) {
        auto* client = dynamic_cast<TskSkinClient*>(control);
        if (client && (!skin || client->SkinData() == skin)) {
            if (skin)
                skin->ClientReached(*control);
            if (apply)
                client->ApplySkin();
            else
                client->ReleaseSkin();
        }
        if (auto* parent = dynamic_cast<gui::TWinControl*>(control))
            for (int i = 0; i < parent->ControlCount(); ++i)
                visit(parent->Controls(i));
    };
    visit(form_);
}

// ---- Fade-in ----

// One step of the fade-in per tick of its timer, so that the form is seen
// coming in: 5, 10, 15... up to the target with the animation, or the blend
// value at once without it.
void TskFormSkinEngine::FadeIn()
{
    const HWND window = form_->Handle();
    const uint8_t target = alphaBlendAnimation_ && !alphaBlend_ ? 255 : alphaBlendValue_;
    if (alphaBlendAnimation_) {
        fadeAlpha_ = std::min<int>(fadeAlpha_ + 5, target);
        SetWindowAlpha(window, BYTE(fadeAlpha_));
        if (fadeAlpha_ < target)
            return;
    } else if (target != 255) {
        SetWindowAlpha(window, alphaBlendValue_);
    }
    ::KillTimer(window, kFadeTimer);
    if (target == 255) {
        const LONG_PTR style = ::GetWindowLongPtrA(window, GWL_EXSTYLE);
        if (style & WS_EX_LAYERED)
            ::SetWindowLongPtrA(window, GWL_EXSTYLE, style & ~LONG_PTR(WS_EX_LAYERED));
    }
}

}  // namespace sk
