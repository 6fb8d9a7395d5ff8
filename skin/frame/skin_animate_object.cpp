#include "skin/frame/skin_animate_object.h"

#include <algorithm>

#include "skin/frame/skin_button_objects.h"
#include "skin/model/geometry.h"

namespace sk {

namespace {

constexpr int kAnimationTick = 25;  // milliseconds per tick of the engine's timer

}  // namespace

TskSkinAnimateObject::TskSkinAnimateObject(TskSkinObjectHost* parent, TskDataSkinAnimate* data)
    : TskActiveSkinObject(parent, data)
{
    if (!data)
        return;
    countFrames_ = data->CountFrames;
    cycle_ = data->Cycle;
    buttonStyle_ = data->ButtonStyle;
    timerInterval_ = std::max(data->TimerInterval, kAnimationTick);
    command_ = data->Command;
}

void TskSkinAnimateObject::Draw(gui::TCanvas& canvas, bool)
{
    const int width = RectWidth(SkinRect());
    const gui::TRect& strip = ActiveSkinRect();
    const gui::TRect source =
        gui::Bounds(strip.Left + width * (frameIndex_ - 1), strip.Top, width, RectHeight(SkinRect()));
    CopyToObject(canvas, ActivePicture(), source);
}

void TskSkinAnimateObject::MouseEnter()
{
    SetMouseIn(true);
    if (buttonStyle_) {
        SetActive(true);
        forward_ = true;
        Parent()->StartAnimationTimer();
    }
    Parent()->MouseEnterEvent(IDName());
}

void TskSkinAnimateObject::MouseLeave()
{
    SetMouseIn(false);
    if (buttonStyle_) {
        SetActive(true);
        forward_ = false;
        Parent()->StartAnimationTimer();
    }
    Parent()->MouseLeaveEvent(IDName());
}

void TskSkinAnimateObject::AnimateStep()
{
    if (elapsed_ < timerInterval_) {
        elapsed_ += kAnimationTick;
        return;
    }
    elapsed_ = kAnimationTick;
    // An animation already at the end it runs to stops there instead of wrapping
    // round for a whole extra turn (the mouse left before the first frame moved).
    if (forward_) {
        if (!cycle_ && frameIndex_ >= countFrames_) {
            SetActive(false);
            return;
        }
        SetFrame(frameIndex_ + 1);
        if (!cycle_ && frameIndex_ >= countFrames_)
            SetActive(false);
    } else {
        if (frameIndex_ <= 1) {
            SetActive(false);
            return;
        }
        SetFrame(frameIndex_ - 1);
        if (frameIndex_ == 1)
            SetActive(false);
    }
}

void TskSkinAnimateObject::SetFrame(int index)
{
    if (forward_)
        frameIndex_ = index > countFrames_ ? 1 : index;
    else
        frameIndex_ = index <= 0 ? countFrames_ : index;
    Parent()->RedrawObject(*this);
}

void TskSkinAnimateObject::MouseUp(int x, int y, gui::TMouseButton button)
{
    TskActiveSkinObject::MouseUp(x, y, button);
    if (MouseIn() && buttonStyle_ && button == gui::mbLeft)
        Run();
}

void TskSkinAnimateObject::Run()
{
    if (RunFormCommand(*Parent(), command_))
        return;
    if (command_ == cmSysMenu) {
        popupItem_ = Parent()->GetSystemMenuItems();
        OpenObjectPopup(*Parent(), ObjectRect(), popupItem_, popupUp_);
    } else if (command_ == cmDefault && popupItem_) {
        OpenObjectPopup(*Parent(), ObjectRect(), popupItem_, popupUp_);
    }
}

void TskSkinAnimateObject::DblClick()
{
    if (command_ == cmSysMenu)
        Parent()->CloseForm();
}

}  // namespace sk
