#include "skin/frame/skin_animate_object.h"

#include <algorithm>

#include "skin/frame/skin_button_objects.h"
#include "skin/model/geometry.h"

namespace sk {

namespace {

constexpr int kAnimationTick = 25;  // milliseconds per tick of the engine's timer

}  // namespace

TskSkinAnimateObject::TskSkinAnimateObject(TskSkinObjectHost* AParent, TskDataSkinAnimate* AData)
    : TskActiveSkinObject(AParent, AData)
{
    if (!AData)
        return;
    CountFrames = AData->CountFrames;
    Cycle = AData->Cycle;
    ButtonStyle = AData->ButtonStyle;
    TimerInterval = std::max(AData->TimerInterval, kAnimationTick);
    Command = AData->Command;
}

void TskSkinAnimateObject::Draw(gui::TCanvas& Canvas, bool)
{
    const int w = RectWidth(SkinRect);
    const gui::TRect source =
        gui::Bounds(ActiveSkinRect.Left + w * (FrameIndex - 1), ActiveSkinRect.Top, w, RectHeight(SkinRect));
    CopyToObject(Canvas, ActivePicture, source);
}

void TskSkinAnimateObject::MouseEnter()
{
    MouseIn = true;
    if (ButtonStyle) {
        Active = true;
        Forward = true;
        Parent->StartAnimationTimer();
    }
    Parent->MouseEnterEvent(IDName);
}

void TskSkinAnimateObject::MouseLeave()
{
    MouseIn = false;
    if (ButtonStyle) {
        Active = true;
        Forward = false;
        Parent->StartAnimationTimer();
    }
    Parent->MouseLeaveEvent(IDName);
}

void TskSkinAnimateObject::AnimateStep()
{
    if (Elapsed < TimerInterval) {
        Elapsed += kAnimationTick;
        return;
    }
    Elapsed = kAnimationTick;
    // An animation already at the end it runs to stops there instead of wrapping
    // round for a whole extra turn (the mouse left before the first frame moved).
    if (Forward) {
        if (!Cycle && FrameIndex >= CountFrames) {
            Active = false;
            return;
        }
        SetFrame(FrameIndex + 1);
        if (!Cycle && FrameIndex >= CountFrames)
            Active = false;
    } else {
        if (FrameIndex <= 1) {
            Active = false;
            return;
        }
        SetFrame(FrameIndex - 1);
        if (FrameIndex == 1)
            Active = false;
    }
}

void TskSkinAnimateObject::SetFrame(int n)
{
    if (Forward)
        FrameIndex = n > CountFrames ? 1 : n;
    else
        FrameIndex = n <= 0 ? CountFrames : n;
    Parent->RedrawObject(*this);
}

void TskSkinAnimateObject::MouseUp(int X, int Y, gui::TMouseButton Button)
{
    TskActiveSkinObject::MouseUp(X, Y, Button);
    if (MouseIn && ButtonStyle && Button == gui::mbLeft)
        Run();
}

void TskSkinAnimateObject::Run()
{
    if (RunFormCommand(*Parent, Command))
        return;
    if (Command == cmSysMenu) {
        PopupItem = Parent->GetSystemMenuItems();
        OpenObjectPopup(*Parent, ObjectRect, PopupItem, PopupUp);
    } else if (Command == cmDefault && PopupItem) {
        OpenObjectPopup(*Parent, ObjectRect, PopupItem, PopupUp);
    }
}

void TskSkinAnimateObject::DblClick()
{
    if (Command == cmSysMenu)
        Parent->CloseForm();
}

}  // namespace sk
