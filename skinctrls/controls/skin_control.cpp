#include "skinctrls/controls/skin_control.h"

#include "gui/controls/control_messages.h"
#include "skin/data/skin_data_link.h"
#include "skinctrls/controls/blend_over_parent.h"

namespace sk {

TskSkinControl::TskSkinControl(gui::TComponent* owner) : TCustomControl(owner) {}

void TskSkinControl::Paint()
{
    if (Width() <= 0 || Height() <= 0)
        return;
    ReadSkinEntry();
    gui::TBitmap image;
    image.SetSize(Width(), Height());
    if (skinIndex_ != -1)
        DrawSkinImage(image);
    else if (drawDefault_)
        DrawDefaultImage(image);
    if (!alphaBlend_) {
        Canvas().Draw(0, 0, image);
        return;
    }
    DrawBlendedOverParent(*this, image, alphaBlendValue_, Canvas().Handle());
}

void TskSkinControl::SetAlphaBlend(bool value)
{
    alphaBlend_ = value;
    Repaint();
}

void TskSkinControl::SetAlphaBlendValue(uint8_t value)
{
    alphaBlendValue_ = value;
    Repaint();
}

void TskSkinControl::ReadSkinEntry()
{
    skinIndex_ = SkinControlIndex(skinData_, skinDataName_);
    cursorIndex_ = -1;
}

void TskSkinControl::SetSkinData(TskSkinData* value)
{
    if (LinkSkinData(*this, skinData_, value))
        ApplySkin();
}

void TskSkinControl::ApplySkin()
{
    ReadSkinEntry();
    ApplySkinCursor();
    Repaint();
}

void TskSkinControl::ApplySkinCursor()
{
    if (!useSkinCursor_)
        return;
    if (cursorIndex_ == -1 || !skinData_)
        SetCursor(gui::crDefault);
    else
        SetCursor(gui::TCursor(skinData_->StartCursorIndex + cursorIndex_));
}

void TskSkinControl::Notification(gui::TComponent* component, gui::TOperation operation)
{
    TCustomControl::Notification(component, operation);
    // The skin goes: the next paint shows the default look.
    if (operation == gui::opRemove && component == skinData_)
        skinData_ = nullptr;
}

void TskSkinControl::WndProc(gui::TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        WMEraseBkgnd(message);
        break;
    case WM_MOVE:
        WMMove(message);
        break;
    case gui::CM_MOUSEENTER:
        CMMouseEnter(message);
        break;
    case gui::CM_MOUSELEAVE:
        CMMouseLeave(message);
        break;
    default:
        TCustomControl::WndProc(message);
    }
}

void TskSkinControl::WMEraseBkgnd(gui::TMessage& message)
{
    // Paint covers the whole client area.
    message.Result = 1;
}

void TskSkinControl::WMMove(gui::TMessage& message)
{
    TCustomControl::WndProc(message);
    // What shows through a blended control changed with its place.
    if (alphaBlend_)
        Repaint();
}

void TskSkinControl::CMMouseEnter(gui::TMessage& message)
{
    TCustomControl::WndProc(message);
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TskSkinControl::CMMouseLeave(gui::TMessage& message)
{
    TCustomControl::WndProc(message);
    if (OnMouseLeave)
        OnMouseLeave(this);
}

}  // namespace sk
