#include "skinctrls/controls/skin_button.h"

#include <algorithm>

#include "gui/controls/accel.h"
#include "gui/controls/control_messages.h"
#include "gui/controls/form.h"
#include "gui/graphics/image_list.h"
#include "skin/imaging/default_look.h"
#include "skin/imaging/effect_bmp.h"
#include "skin/imaging/morph_by_kind.h"
#include "skin/model/control_records.h"
#include "skinctrls/controls/blend_over_parent.h"

namespace sk {

namespace {

constexpr UINT kMorphInterval = 20;
constexpr double kMorphStep = 0.1;

}  // namespace

TskSkinButton::TskSkinButton(gui::TComponent* owner)
    : TskSkinCustomControl(owner), actionLink_([this](gui::TCustomAction& a) { ActionChanged(a); })
{
    // Clicks come from the button's own handling of the mouse and keys.
    gui::TControlStyle style = ControlStyle();
    style.Exclude(gui::csClickEvents);
    SetControlStyle(style);
    SetSkinDataName("button");
    SetBounds(Left(), Top(), 75, 25);
    SetTabStop(true);
}

// ---- Properties ----

void TskSkinButton::SetCanFocused(bool value)
{
    canFocused_ = value;
    // A form being built sets both, as its designer would have.
    const gui::TComponentState state = ComponentState();
    if (state.Contains(gui::csDesigning) || state.Contains(gui::csLoading))
        SetTabStop(value);
}

void TskSkinButton::SetGroupIndex(int value)
{
    groupIndex_ = value;
    if (value != 0)
        SetCanFocused(false);
}

void TskSkinButton::SetDown(bool value)
{
    down_ = value;
    morphFactor_ = 1;
    if (value) {
        StopMorph();
        // AllowAllUp only lets the last button of a group go up as well: one
        // going down always releases the others.
        if (groupIndex_ != 0)
            ReleaseGroup();
        Repaint();
    } else {
        Repaint();
        StartMorph();  // back to the normal look
    }
}

void TskSkinButton::ReleaseGroup()
{
    gui::TWinControl* parent = Parent();
    if (!parent)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* other = dynamic_cast<TskSkinButton*>(parent->Controls(i));
        if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_)
            other->SetDown(false);
    }
}

void TskSkinButton::SetGlyph(const gui::TBitmap& value)
{
    glyph_.Assign(value);
    Repaint();
}

void TskSkinButton::SetNumGlyphs(TskNumGlyphs value)
{
    numGlyphs_ = std::clamp(value, 1, 4);
    Repaint();
}

void TskSkinButton::SetMargin(int value)
{
    if (value == margin_ || value < -1)
        return;
    margin_ = value;
    Repaint();
}

void TskSkinButton::SetSpacing(int value)
{
    if (value == spacing_)
        return;
    spacing_ = value;
    Repaint();
}

void TskSkinButton::SetLayout(TskButtonLayout value)
{
    if (value == layout_)
        return;
    layout_ = value;
    Repaint();
}

void TskSkinButton::SetDefault(bool value)
{
    default_ = value;
    if (!HandleAllocated() || !canFocused_ || ComponentState().Contains(gui::csDesigning))
        return;
    // Every button of the form works out anew which one Enter clicks.
    if (gui::TForm* form = gui::GetParentForm(this))
        form->Perform(gui::CM_FOCUSCHANGED, 0,
                      reinterpret_cast<LPARAM>(static_cast<gui::TControl*>(form->ActiveControl())));
}

void TskSkinButton::ActionChanged(gui::TCustomAction& action)
{
    SetCaption(action.Caption());
    SetEnabled(action.Enabled());
    SetVisible(action.Visible());
    gui::TActionList* list = action.ActionList();
    gui::TImageList* images = list ? list->Images() : nullptr;
    if (!glyph_.Empty() || !images || action.ImageIndex() < 0 || action.ImageIndex() >= images->Count())
        return;
    // The picture on magenta, the colour a glyph leaves out.
    glyph_.SetSize(images->Width(), images->Height());
    gui::TCanvas& canvas = glyph_.Canvas();
    canvas.Brush().SetStyle(gui::bsSolid);
    canvas.Brush().SetColor(gui::clFuchsia);
    canvas.FillRect(gui::Rect(0, 0, images->Width(), images->Height()));
    images->Draw(canvas, 0, 0, action.ImageIndex());
    Repaint();
}

// ---- Skin ----

void TskSkinButton::ReadSkinEntry()
{
    TskSkinCustomControl::ReadSkinEntry();
    const auto* record =
        SkinIndex() == -1 ? nullptr : dynamic_cast<const TskDataSkinButtonControl*>(SkinData()->CtrlList[SkinIndex()]);
    if (!record) {
        // An element of another kind has one image for every state and the plain
        // font.
        morphing_ = false;
        const gui::TFont& plain = DefaultFont();
        font_ = TskFontGroup{plain.Name(), plain.Height(), plain.Style(), plain.Color()};
        activeFontColor_ = downFontColor_ = disabledFontColor_ = font_.FontColor;
        activeSkinRect_ = downSkinRect_ = SkinRect();
        disabledSkinRect_ = TRect();
        return;
    }
    font_ = *record;
    activeFontColor_ = record->ActiveFontColor;
    downFontColor_ = record->DownFontColor;
    disabledFontColor_ = record->DisabledFontColor;
    morphing_ = record->Morphing;
    morphKind_ = record->MorphKind;
    activeSkinRect_ = IsNullRect(record->ActiveSkinRect) ? SkinRect() : record->ActiveSkinRect;
    downSkinRect_ = IsNullRect(record->DownSkinRect) ? activeSkinRect_ : record->DownSkinRect;
    disabledSkinRect_ = record->DisabledSkinRect;
}

void TskSkinButton::ApplySkin()
{
    StopMorph();
    TskSkinCustomControl::ApplySkin();
    if (SkinIndex() != -1 && morphing_ && (Focused() || hot_))
        morphFactor_ = 1;
}

// ---- Painting ----

bool TskSkinButton::ShowsDown() { return down_ && ((hot_ || (Focused() && !mousePressed_)) || groupIndex_ != 0); }

void TskSkinButton::Paint()
{
    if (Width() <= 0 || Height() <= 0)
        return;
    ReadSkinEntry();
    if (SkinIndex() == -1)
        TskSkinCustomControl::Paint();
    else
        PaintSkinned();
}

void TskSkinButton::PaintSkinned()
{
    // The caption goes into the client rectangle moved to the current size.
    int width = Width(), height = Height();
    AdjustSkinSize(width, height);

    gui::TBitmap image;
    image.SetSize(Width(), Height());
    const bool enabled = Enabled();
    if (morphing_ && morphFactor_ != 0 && morphFactor_ != 1 && enabled) {
        gui::TBitmap active;
        active.SetSize(Width(), Height());
        DrawButtonFace(image, SkinRect(), false, false);
        DrawButtonFace(active, activeSkinRect_, true, false);
        TskEffectBmp blended(image.Handle());
        MorphByKind(blended, TskEffectBmp(active.Handle()), morphFactor_, morphKind_);
        blended.Draw(image.Canvas().Handle(), 0, 0);
    } else if (!enabled && !IsNullRect(disabledSkinRect_)) {
        DrawButtonFace(image, disabledSkinRect_, false, false);
    } else if (ShowsDown()) {
        DrawButtonFace(image, downSkinRect_, true, true);
    } else if (Focused() || hot_ || (morphing_ && morphFactor_ == 1)) {
        DrawButtonFace(image, activeSkinRect_, true, false);
    } else {
        DrawButtonFace(image, SkinRect(), false, false);
    }

    if (!AlphaBlend()) {
        Canvas().Draw(0, 0, image);
        return;
    }
    DrawBlendedOverParent(*this, image, AlphaBlendValue(), Canvas().Handle());
}

void TskSkinButton::DrawButtonFace(gui::TBitmap& bitmap, const TRect& source, bool active, bool isDown)
{
    ComposeSkinImage(bitmap, source);
    gui::TCanvas& canvas = bitmap.Canvas();
    if (UseSkinFont())
        AssignSkinFont(canvas.Font(), font_, DefaultFont());
    else
        canvas.Font().Assign(DefaultFont());
    const bool enabled = Enabled();
    canvas.Font().SetColor(!enabled           ? disabledFontColor_
                           : active && isDown ? downFontColor_
                           : active           ? activeFontColor_
                                              : font_.FontColor);
    int frame = 1;
    if (active && isDown && numGlyphs_ > 2)
        frame = 3;
    else if (isDown && numGlyphs_ > 3)
        frame = 4;
    else if (!enabled && numGlyphs_ > 1)
        frame = 2;
    DrawGlyphAndText(canvas, NewGeometry().ClRect, margin_, spacing_, layout_, Caption(), glyph_, numGlyphs_, frame,
                     active && isDown);
}

void TskSkinButton::DrawDefaultImage(gui::TBitmap& bitmap)
{
    gui::TCanvas& canvas = bitmap.Canvas();
    const TRect client = ClientRect();
    canvas.Font().Assign(DefaultFont());
    if (!Enabled())
        canvas.Font().SetColor(gui::clBtnShadow);
    const bool pressed = ShowsDown();
    const bool hot = hot_ || (canFocused_ && Focused());
    DrawDefaultFace(canvas, client, pressed ? fsPressed : hot ? fsHot : fsNormal);
    DrawGlyphAndText(canvas, client, margin_, spacing_, layout_, Caption(), glyph_, numGlyphs_, 1, pressed);
}

// ---- The cross-fade between the normal and the active image ----

void TskSkinButton::StartMorph()
{
    if (SkinIndex() == -1 || !morphing_) {
        Repaint();
        return;
    }
    if (morphTimer_)
        return;
    morphTimer_ = new gui::TTimer(this);
    morphTimer_->SetInterval(kMorphInterval);
    morphTimer_->OnTimer = [this](gui::TComponent*) { MorphTick(); };
}

void TskSkinButton::StopMorph()
{
    delete morphTimer_;
    morphTimer_ = nullptr;
}

void TskSkinButton::MorphTick()
{
    const bool target = hot_ || Focused();
    if (SkinIndex() == -1 || !morphing_) {
        morphFactor_ = target ? 1 : 0;
        StopMorph();
        return;
    }
    if (target && morphFactor_ < 1) {
        morphFactor_ += kMorphStep;
    } else if (!target && morphFactor_ > 0) {
        morphFactor_ -= kMorphStep;
    } else {
        morphFactor_ = target ? 1 : 0;
        StopMorph();
    }
    Repaint();
}

// ---- Clicks ----

void TskSkinButton::StartRepeat()
{
    StopRepeat();
    repeatTimer_ = new gui::TTimer(this);
    repeatTimer_->SetInterval(UINT(std::max(1, repeatInterval_)));
    repeatTimer_->OnTimer = [this](gui::TComponent*) { DoButtonClick(); };
}

void TskSkinButton::StopRepeat()
{
    delete repeatTimer_;
    repeatTimer_ = nullptr;
}

void TskSkinButton::DoButtonClick()
{
    if (canFocused_)
        if (gui::TForm* form = gui::GetParentForm(this))
            form->SetModalResult(modalResult_);
    // A handler of the button's own wins over the action's.
    if (OnClick && actionLink_.Action())
        OnClick(this);
    else if (!ComponentState().Contains(gui::csDesigning) && actionLink_.Action())
        actionLink_.Execute();
    else if (OnClick)
        OnClick(this);
}

void TskSkinButton::Click()
{
    if (!actionLink_.Action())
        TskSkinCustomControl::Click();
}

void TskSkinButton::MouseDown(gui::TMouseButton button, gui::TShiftState shift, int x, int y)
{
    TskSkinCustomControl::MouseDown(button, shift, x, y);
    if (button != gui::mbLeft)
        return;
    mousePressed_ = true;
    if (!down_) {
        hot_ = true;
        SetDown(true);
        if (repeatMode_ && groupIndex_ == 0)
            StartRepeat();  // the first click comes with the first tick
        else if (groupIndex_ != 0)
            DoButtonClick();
        wasDown_ = false;
    } else if (groupIndex_ != 0) {
        wasDown_ = true;
    }
}

void TskSkinButton::MouseUp(gui::TMouseButton button, gui::TShiftState shift, int x, int y)
{
    if (button == gui::mbLeft) {
        mousePressed_ = false;
        if (groupIndex_ == 0) {
            if (hot_) {
                SetDown(false);
                StopRepeat();
                DoButtonClick();
            } else {
                down_ = false;  // released outside: no click
                StopRepeat();
            }
        } else if (down_ && allowAllUp_ && wasDown_ && hot_) {
            SetDown(false);
            DoButtonClick();
        }
    }
    TskSkinCustomControl::MouseUp(button, shift, x, y);
}

// ---- Messages ----

void TskSkinButton::CreateWnd()
{
    TskSkinCustomControl::CreateWnd();
    currentDefault_ = default_;
}

void TskSkinButton::WndProc(gui::TMessage& message)
{
    if (canFocused_) {
        switch (message.Msg) {
        case WM_KEYDOWN:
            WMKeyDown(message);
            break;
        case WM_KEYUP:
            WMKeyUp(message);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            WMLButtonDown(message);
            return;
        case gui::CN_COMMAND:
            if (takingFocus_)
                return;
            break;
        default:
            break;
        }
    }
    switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        WMFocus(message);
        break;
    case gui::CM_DIALOGKEY:
        CMDialogKey(message);
        break;
    case gui::CM_DIALOGCHAR:
        CMDialogChar(message);
        break;
    case gui::CM_FOCUSCHANGED:
        CMFocusChanged(message);
        break;
    case gui::CM_ENABLEDCHANGED:
        CMEnabledChanged(message);
        break;
    case gui::CM_TEXTCHANGED:
        CMTextChanged(message);
        break;
    case gui::CM_MOUSEENTER:
        CMMouseEnter(message);
        break;
    case gui::CM_MOUSELEAVE:
        CMMouseLeave(message);
        break;
    default:
        TskSkinCustomControl::WndProc(message);
    }
}

void TskSkinButton::WMKeyDown(gui::TMessage& message)
{
    if (message.WParam == VK_SPACE) {
        SetDown(true);
        if (repeatMode_)
            DoButtonClick();  // the keyboard's own repeat repeats it
    } else if (message.WParam == VK_RETURN) {
        DoButtonClick();
    }
}

void TskSkinButton::WMKeyUp(gui::TMessage& message)
{
    if (message.WParam == VK_SPACE) {
        SetDown(false);
        DoButtonClick();
    }
}

void TskSkinButton::WMLButtonDown(gui::TMessage& message)
{
    if (!ComponentState().Contains(gui::csDesigning) && !Focused()) {
        // Clicks announced while the focus arrives are not the button's.
        takingFocus_ = true;
        ::SetFocus(Handle());
        takingFocus_ = false;
        if (!Focused())
            return;  // refused: the press goes nowhere
    }
    TskSkinCustomControl::WndProc(message);
}

void TskSkinButton::WMFocus(gui::TMessage& message)
{
    TskSkinCustomControl::WndProc(message);
    StartMorph();
}

void TskSkinButton::CMDialogKey(gui::TMessage& message)
{
    const WPARAM key = message.WParam;
    if (key == VK_RETURN && currentDefault_ && Enabled()) {
        DoButtonClick();
        message.Result = 1;
    } else if (key == VK_ESCAPE && cancel_ && canFocused_ && gui::KeyboardShiftState().Empty() && CanFocus()) {
        DoButtonClick();
        message.Result = 1;
    } else {
        TskSkinCustomControl::WndProc(message);
    }
}

void TskSkinButton::CMDialogChar(gui::TMessage& message)
{
    if (gui::IsAccel(char(message.WParam), Caption()) && CanFocus() && canFocused_) {
        SetFocus();
        DoButtonClick();
        message.Result = 1;
    } else {
        TskSkinCustomControl::WndProc(message);
    }
}

void TskSkinButton::CMFocusChanged(gui::TMessage& message)
{
    auto* focused = reinterpret_cast<gui::TControl*>(message.LParam);
    auto* button = dynamic_cast<TskSkinButton*>(focused);
    currentDefault_ = button ? button == this : default_;
    if (canFocused_ && default_) {
        if (button && button != this) {
            hot_ = false;
            StartMorph();
        } else if (!button) {
            // Enter clicks this button while the focus is elsewhere: it shows so.
            hot_ = true;
            if (morphing_)
                morphFactor_ = 1;
            Repaint();
        }
    }
    TskSkinCustomControl::WndProc(message);
}

void TskSkinButton::CMEnabledChanged(gui::TMessage& message)
{
    TskSkinCustomControl::WndProc(message);
    StopMorph();
    morphFactor_ = 0;
    hot_ = false;
    Repaint();
}

void TskSkinButton::CMTextChanged(gui::TMessage& message)
{
    TskSkinCustomControl::WndProc(message);
    if (SkinIndex() != -1 || ComponentState().Contains(gui::csDesigning) || DrawDefault())
        Repaint();
}

void TskSkinButton::CMMouseEnter(gui::TMessage& message)
{
    hot_ = true;
    if ((groupIndex_ != 0 && !down_) || (groupIndex_ == 0 && (!Focused() || down_))) {
        if (down_) {
            if (morphing_)
                morphFactor_ = 1;
            Repaint();
        } else {
            StartMorph();
        }
    }
    if (down_ && repeatMode_ && groupIndex_ == 0)
        StartRepeat();  // back over a held button: the repeat goes on
    TskSkinCustomControl::WndProc(message);
}

void TskSkinButton::CMMouseLeave(gui::TMessage& message)
{
    // A default button that Enter would click stays highlighted.
    if (!(canFocused_ && default_ && currentDefault_ && !Focused()))
        hot_ = false;
    if ((groupIndex_ != 0 && !down_) || (groupIndex_ == 0 && (!Focused() || down_)))
        StartMorph();
    if (down_ && repeatMode_ && groupIndex_ == 0)
        StopRepeat();
    TskSkinCustomControl::WndProc(message);
}

}  // namespace sk
