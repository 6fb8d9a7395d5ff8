#include "skinctrls/controls/skin_custom_edit.h"

#include "gui/controls/control_messages.h"
#include "skin/data/skin_data_link.h"
#include "skin/imaging/default_look.h"
#include "skin/model/geometry.h"

namespace sk {

namespace {

DWORD AlignmentStyle(gui::TAlignment alignment)
{
    switch (alignment) {
    case gui::taRightJustify:
        return ES_RIGHT;
    case gui::taCenter:
        return ES_CENTER;
    default:
        return ES_LEFT;
    }
}

}  // namespace

TskSkinCustomEdit::TskSkinCustomEdit(gui::TComponent* owner) : TskCustomEdit(owner)
{
    Font().SetName("Arial");
    Font().SetHeight(14);
    Font().SetStyle({});
    Font().SetColor(gui::clWindowText);
    defaultFont_.Assign(Font());
    defaultFont_.OnChange = [this](gui::TGraphicsObject&) {
        if (!Skinned())
            Font().Assign(defaultFont_);
    };
    SetHeight(20);
    SetTransparent(true);
}

// ---- The element ----

void TskSkinCustomEdit::ReadSkinEntry()
{
    skinIndex_ = SkinControlIndex(skinData_, skinDataName_);
    const auto* record =
        skinIndex_ == -1 ? nullptr : dynamic_cast<const TskDataSkinEditControl*>(skinData_->CtrlList[skinIndex_]);
    picture_ = record ? skinData_->ActivePicture(record->PictureIndex) : nullptr;
    // An element without a picture to cut the frame from, without a size, or with
    // rectangles past its picture draws nothing: such an edit keeps the plain
    // frame and its own height.
    if (!record || !ElementFitsPicture(*skinData_, *record)) {
        skinIndex_ = -1;
        picture_ = nullptr;
        return;
    }
    skinRect_ = record->SkinRect;
    activeSkinRect_ = IsNullRect(record->ActiveSkinRect) ? skinRect_ : record->ActiveSkinRect;
    leftWidth_ = record->LTPoint.X;
    rightWidth_ = RectWidth(skinRect_) - record->RTPoint.X;
    clRect_ = record->ClRect;
    skinFont_ = *record;
    disabledFontColor_ = record->DisabledFontColor;
    activeFontColor_ = record->ActiveFontColor;
    skinButtonRect_ = record->ButtonRect;
    activeButtonRect_ = record->ActiveButtonRect;
    downButtonRect_ = IsNullRect(record->DownButtonRect) ? activeButtonRect_ : record->DownButtonRect;
    unEnabledButtonRect_ = record->UnEnabledButtonRect;
}

bool TskSkinCustomEdit::Skinned()
{
    ReadSkinEntry();
    return skinIndex_ != -1;
}

int TskSkinCustomEdit::SkinWidth() const { return RectWidth(skinRect_); }

int TskSkinCustomEdit::SkinHeight() const { return RectHeight(skinRect_); }

void TskSkinCustomEdit::SetSkinData(TskSkinData* value)
{
    if (LinkSkinData(*this, skinData_, value))
        ApplySkin();
}

void TskSkinCustomEdit::Notification(gui::TComponent* component, gui::TOperation operation)
{
    TskCustomEdit::Notification(component, operation);
    if (operation == gui::opRemove && component == skinData_)
        skinData_ = nullptr;
}

void TskSkinCustomEdit::ApplySkin()
{
    ReadSkinEntry();
    if (skinIndex_ == -1) {
        Font().Assign(defaultFont_);
        if (defaultWidth_ > 0)
            SetWidth(defaultWidth_);
        if (defaultHeight_ > 0)
            SetHeight(defaultHeight_);
    } else {
        const int height = SkinHeight();
        if (useSkinFont_) {
            AssignSkinFont(Font(), skinFont_, defaultFont_);
        } else {
            Font().Assign(defaultFont_);
        }
        SetFontColor(Focused() ? activeFontColor_ : skinFont_.FontColor);
        SetHeight(height);
    }
    // The frame's size is asked for when the window is made.
    RecreateWnd();
    EnabledFontColor();
}

// ---- Properties ----

void TskSkinCustomEdit::SetDefaultWidth(int value)
{
    defaultWidth_ = value;
    if (value > 0 && !Skinned())
        SetWidth(value);
}

void TskSkinCustomEdit::SetDefaultHeight(int value)
{
    defaultHeight_ = value;
    if (value > 0 && !Skinned())
        SetHeight(value);
}

void TskSkinCustomEdit::SetButtonMode(bool value)
{
    buttonMode_ = value;
    if (ComponentState().Contains(gui::csDesigning) && !ComponentState().Contains(gui::csLoading))
        skinDataName_ = value ? "buttonedit" : "edit";
    RecreateWnd();
}

void TskSkinCustomEdit::SetAlphaBlend(bool value)
{
    if (value == alphaBlend_)
        return;
    alphaBlend_ = value;
    Invalidate();
}

void TskSkinCustomEdit::SetAlphaBlendValue(uint8_t value)
{
    alphaBlendValue_ = value;
    if (alphaBlend_)
        Invalidate();
}

void TskSkinCustomEdit::SetAlignment(gui::TAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    RecreateWnd();
}

void TskSkinCustomEdit::SetBounds(int left, int top, int width, int height)
{
    if (Skinned() && (width != Width() || height != Height()))
        height = SkinHeight();
    TskCustomEdit::SetBounds(left, top, width, height);
    Invalidate();
}

void TskSkinCustomEdit::Invalidate() { InvalidateWithFrame(); }

void TskSkinCustomEdit::CreateParams(gui::TCreateParams& params)
{
    TskCustomEdit::CreateParams(params);
    // The frame paints what lies under the text itself.
    params.ExStyle &= ~DWORD(WS_EX_TRANSPARENT);
    params.Style |= AlignmentStyle(alignment_);
}

// ---- Messages ----

void TskSkinCustomEdit::WndProc(gui::TMessage& message)
{
    switch (message.Msg) {
    case WM_NCCALCSIZE:
        WMNCCalcSize(message);
        break;
    case WM_NCHITTEST:
        WMNCHitTest(message);
        break;
    case WM_NCMOUSEMOVE:
        WMNCMouseMove(message);
        break;
    case WM_NCMOUSELEAVE:
        WMNCMouseLeave(message);
        break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        WMNCLButtonDown(message);
        break;
    case WM_NCLBUTTONUP:
        WMNCLButtonUp(message);
        break;
    case WM_NCPAINT:
        WMNCPaint(message);
        break;
    case WM_MOUSEMOVE:
        WMMouseMove(message);
        break;
    case gui::CM_MOUSEENTER:
        CMMouseEnter(message);
        break;
    case gui::CM_MOUSELEAVE:
        CMMouseLeave(message);
        break;
    case WM_SETFOCUS:
        WMSetFocus(message);
        break;
    case WM_KILLFOCUS:
        WMKillFocus(message);
        break;
    case gui::CM_WANTSPECIALKEY:
        CMWantSpecialKey(message);
        break;
    case WM_KEYDOWN:
        WMKeyDown(message);
        break;
    case WM_CHAR:
        WMChar(message);
        break;
    case WM_LBUTTONDOWN:
        WMLButtonDown(message);
        break;
    case gui::CM_ENABLEDCHANGED:
        CMEnabledChanged(message);
        break;
    case WM_SETFONT:
        WMSetFont(message);
        break;
    default:
        TskCustomEdit::WndProc(message);
    }
}

void TskSkinCustomEdit::CMMouseEnter(gui::TMessage& message)
{
    TskCustomEdit::WndProc(message);
    mouseOver_ = true;
    if (!Focused()) {
        if (Skinned())
            SetFontColor(activeFontColor_);
        Invalidate();
    }
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TskSkinCustomEdit::CMMouseLeave(gui::TMessage& message)
{
    TskCustomEdit::WndProc(message);
    mouseOver_ = false;
    if (!Focused()) {
        if (Skinned())
            SetFontColor(skinFont_.FontColor);
        Invalidate();
    }
    if (buttonHot_ || buttonDown_) {
        buttonHot_ = buttonDown_ = false;
        Invalidate();
    }
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TskSkinCustomEdit::WMSetFocus(gui::TMessage& message)
{
    if (!mouseOver_ && Skinned())
        SetFontColor(activeFontColor_);
    TskCustomEdit::WndProc(message);
    ButtonKeysOnSetFocus();
}

void TskSkinCustomEdit::WMKillFocus(gui::TMessage& message)
{
    if (!mouseOver_ && Skinned())
        SetFontColor(skinFont_.FontColor);
    ButtonKeysOnKillFocus();
    TskCustomEdit::WndProc(message);
}

void TskSkinCustomEdit::CMEnabledChanged(gui::TMessage& message)
{
    TskCustomEdit::WndProc(message);
    EnabledFontColor();
    Invalidate();
}

void TskSkinCustomEdit::EnabledFontColor()
{
    const bool skinned = Skinned();
    if (Enabled())
        SetFontColor(skinned ? skinFont_.FontColor : defaultFont_.Color());
    else
        SetFontColor(skinned ? disabledFontColor_ : gui::clGrayText);
}

void TskSkinCustomEdit::WMSetFont(gui::TMessage& message)
{
    TskCustomEdit::WndProc(message);
    // A new font resets the system's margins to the font's own.
    Perform(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(2, 0));
}

void TskSkinCustomEdit::WMMouseMove(gui::TMessage& message)
{
    SetButtonHot(false);
    TskCustomEdit::WndProc(message);
}

void TskSkinCustomEdit::SetButtonHot(bool value)
{
    if (value == buttonHot_)
        return;
    buttonHot_ = value;
    Invalidate();
}

void TskSkinCustomEdit::ButtonClick()
{
    if (OnButtonClick)
        OnButtonClick(this);
}

}  // namespace sk
