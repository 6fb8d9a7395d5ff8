#include "skinctrls/controls/skin_panel.h"

#include <algorithm>

#include "gui/controls/control_messages.h"
#include "skin/imaging/default_look.h"
#include "skin/imaging/glyphs.h"
#include "skin/imaging/tiling.h"
#include "skin/model/control_records.h"

namespace sk {

namespace {

constexpr int kCheckBoxSize = 14;
constexpr int kArrowWidth = 10;

}  // namespace

TskSkinPanel::TskSkinPanel(gui::TComponent* owner) : TskSkinCustomControl(owner)
{
    SetControlStyle({gui::csAcceptsControls, gui::csCaptureMouse, gui::csClickEvents, gui::csDoubleClicks,
                     gui::csOpaque, gui::csSetCaption});
    SetSkinDataName("panel");
    SetBounds(Left(), Top(), 150, 150);
}

// ---- Properties ----

void TskSkinPanel::SetBorderStyle(TskSkinBorderStyle value)
{
    borderStyle_ = value;
    if (SkinIndex() == -1) {
        Repaint();
        Realign();
    }
}

void TskSkinPanel::SetCaptionMode(bool value)
{
    captionMode_ = value;
    Repaint();
    Realign();
}

void TskSkinPanel::SetDefaultCaptionHeight(int value)
{
    defaultCaptionHeight_ = value;
    if (SkinIndex() == -1 && captionMode_) {
        Repaint();
        Realign();
    }
}

void TskSkinPanel::SetDefaultAlignment(gui::TAlignment value)
{
    defaultAlignment_ = value;
    if (SkinIndex() == -1 && captionMode_)
        Repaint();
}

void TskSkinPanel::SetGlyph(const gui::TBitmap& value)
{
    glyph_.Assign(value);
    Repaint();
}

void TskSkinPanel::SetNumGlyphs(TskSkinPanelNumGlyphs value)
{
    numGlyphs_ = std::clamp(value, 1, 2);
    Repaint();
}

void TskSkinPanel::SetSpacing(int value)
{
    spacing_ = value;
    Repaint();
}

void TskSkinPanel::SetCheckedMode(bool value)
{
    checkedMode_ = value;
    Repaint();
}

void TskSkinPanel::SetChecked(bool value)
{
    checked_ = value;
    if (checkedMode_) {
        Repaint();
        if (autoEnabledControls_)
            for (int i = 0; i < ControlCount(); ++i)
                Controls(i)->SetEnabled(value);
    }
    if (OnChecked)
        OnChecked(this);
}

void TskSkinPanel::SetRollUpMode(bool value)
{
    rollUpMode_ = value;
    if (SkinIndex() == -1 && captionMode_)
        Repaint();
}

void TskSkinPanel::SetRollUpState(bool value)
{
    // Rolling up what is rolled up would take the rolled height for the full one.
    if (!rollUpMode_ || value == rollUpState_)
        return;
    rollUpState_ = value;
    if (value)
        RollUp();
    else
        Unroll();
}

void TskSkinPanel::RollUp()
{
    ReadSkinEntry();
    if (fullHeight_ < 0)
        fullHeight_ = Height();
    if (!hiding_) {
        hiding_ = true;
        for (int i = 0; i < ControlCount(); ++i) {
            gui::TControl* c = Controls(i);
            if (c->Visible()) {
                hidden_.push_back(c);
                FreeNotification(c);
            }
        }
        for (gui::TControl* c : hidden_)
            c->Hide();
    }
    int height = defaultCaptionHeight_ + 1;
    if (SkinIndex() != -1) {
        // What is left of the full height without the element's client area. The
        // geometry of the panel's present size stays for its painting.
        const SkinGeometry present = NewGeometry();
        int width = Width(), full = fullHeight_;
        AdjustSkinSize(width, full);
        height = fullHeight_ - RectHeight(NewGeometry().ClRect);
        SetNewGeometry(present);
    }
    SetHeight(height);
}

void TskSkinPanel::Unroll()
{
    if (fullHeight_ < 0)
        return;
    SetHeight(std::exchange(fullHeight_, -1));
    const std::vector<gui::TControl*> hidden = std::move(hidden_);
    hidden_.clear();
    hiding_ = false;
    for (gui::TControl* c : hidden) {
        RemoveFreeNotification(c);
        if (c->Parent() == this)
            c->Show();
    }
}

void TskSkinPanel::Notification(gui::TComponent* component, gui::TOperation operation)
{
    TskSkinCustomControl::Notification(component, operation);
    if (operation == gui::opRemove)
        hidden_.erase(std::remove(hidden_.begin(), hidden_.end(), component), hidden_.end());
}

// ---- Skin and size ----

void TskSkinPanel::ReadSkinEntry()
{
    TskSkinCustomControl::ReadSkinEntry();
    bgPictureIndex_ = -1;
    const auto* record =
        SkinIndex() == -1 ? nullptr : dynamic_cast<const TskDataSkinPanelControl*>(SkinData()->CtrlList[SkinIndex()]);
    if (!record) {
        // An element of another kind has no caption.
        elementCaptionRect_ = checkImageRect_ = uncheckImageRect_ = TRect();
        return;
    }
    font_ = *record;
    bgPictureIndex_ = record->BGPictureIndex;
    elementCaptionRect_ = record->CaptionRect;
    alignment_ = record->Alignment;
    checkImageRect_ = record->CheckImageRect;
    uncheckImageRect_ = record->UnCheckImageRect;
}

gui::TBitmap* TskSkinPanel::BackgroundPicture()
{
    return SkinIndex() == -1 || bgPictureIndex_ == -1 ? nullptr : SkinData()->ActivePicture(bgPictureIndex_);
}

TRect TskSkinPanel::SizedClientRect()
{
    int width = Width(), height = Height();
    AdjustSkinSize(width, height);
    return NewGeometry().ClRect;
}

void TskSkinPanel::SetBounds(int left, int top, int width, int height)
{
    TskSkinCustomControl::SetBounds(left, top, width, height);
    // The window class does not redraw on resizing.
    if (SkinIndex() == -1)
        Repaint();
}

void TskSkinPanel::ApplySkin()
{
    TskSkinCustomControl::ApplySkin();
    if (rollUpState_)
        RollUp();  // to the new skin's caption, the full height kept
    else
        Realign();
}

void TskSkinPanel::AdjustClientRect(TRect& rect)
{
    ReadSkinEntry();
    if (SkinIndex() == -1 || ComponentState().Contains(gui::csDesigning)) {
        if (borderStyle_ != bvNone)
            rect = TRect{rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
        if (captionMode_)
            rect.Top += defaultCaptionHeight_;
    } else if (!BackgroundPicture()) {
        rect = SizedClientRect();
    }
}

void TskSkinPanel::CreateParams(gui::TCreateParams& params)
{
    TskSkinCustomControl::CreateParams(params);
    // Children stay put when the panel changes size: no full redraw.
    params.WindowClass.style &= ~UINT(CS_HREDRAW | CS_VREDRAW);
    params.WinClassName = "TskSkinPanel";
}

// ---- Painting ----

void TskSkinPanel::Paint()
{
    if (Width() <= 0 || Height() <= 0)
        return;
    ReadSkinEntry();
    gui::TBitmap* background = BackgroundPicture();
    if (!background || background->Empty()) {
        TskSkinCustomControl::Paint();
        return;
    }
    // The background picture alone, whole tiles from the top-left corner.
    for (int column = 0; column <= Width() / background->Width(); ++column)
        for (int row = 0; row <= Height() / background->Height(); ++row)
            Canvas().Draw(column * background->Width(), row * background->Height(), *background);
}

void TskSkinPanel::DrawDefaultImage(gui::TBitmap& bitmap)
{
    gui::TCanvas& canvas = bitmap.Canvas();
    const int width = Width(), height = Height();
    canvas.Brush().SetStyle(gui::bsSolid);
    canvas.Brush().SetColor(gui::clBtnFace);
    canvas.FillRect(gui::Rect(0, 0, width, height));
    TRect frame{0, 0, width, height};
    switch (borderStyle_) {
    case bvFrame:
        canvas.Brush().SetColor(gui::clBtnShadow);
        canvas.FrameRect(frame);
        break;
    case bvRaised:
        Frame3D(canvas, frame, gui::clBtnHighlight, gui::clBtnShadow);
        break;
    case bvLowered:
        Frame3D(canvas, frame, gui::clBtnShadow, gui::clBtnHighlight);
        break;
    default:
        break;
    }
    if (!captionMode_)
        return;

    TRect r;
    if (borderStyle_ == bvFrame) {
        r = TRect{0, 0, width, defaultCaptionHeight_};
        canvas.Brush().SetColor(gui::clBtnShadow);
        canvas.FrameRect(r);
        r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
        Frame3D(canvas, r, gui::clBtnHighlight, gui::clBtnFace);
    } else {
        r = TRect{1, 1, width - 1, defaultCaptionHeight_};
        Frame3D(canvas, r, gui::clBtnShadow, gui::clBtnHighlight);
        Frame3D(canvas, r, gui::clBtnHighlight, gui::clBtnShadow);
    }
    if (checkedMode_)
        r.Left += 20;
    if (rollUpMode_)
        r.Right -= kArrowWidth;

    canvas.Font().Assign(DefaultFont());
    if (checkedMode_) {
        const int top = r.Top + RectHeight(r) / 2 - kCheckBoxSize / 2;
        const TRect box{5, top, 5 + kCheckBoxSize, top + kCheckBoxSize};
        canvas.Brush().SetStyle(gui::bsSolid);
        canvas.Brush().SetColor(gui::clBtnShadow);
        canvas.FrameRect(box);
        if (checked_)
            DrawCheckMark(canvas, box.Left + 1 + 3, box.Top + 1 + 2, gui::clBtnText);
    }
    DrawCaption(canvas, r, defaultAlignment_, 2, gui::clBtnText);
}

void TskSkinPanel::DrawSkinImage(gui::TBitmap& bitmap)
{
    if (!Picture())
        return;
    if (borderStyle_ == bvNone && ResizeMode() == rmNinePart && !captionMode_) {
        // Only the element's client part, tiled 1:1.
        TileArea(bitmap.Canvas(), gui::Rect(0, 0, Width(), Height()), Picture()->Canvas(),
                 Offset(Geometry().ClRect, SkinRect().Left, SkinRect().Top));
        return;
    }
    TskSkinCustomControl::DrawSkinImage(bitmap);
    captionRect_ = ResizeMode() < rmNinePart ? elementCaptionRect_ : MapSkinRect(elementCaptionRect_);
    if (!Caption().empty() && !IsNullRect(captionRect_))
        DrawSkinCaption(bitmap, captionRect_);
}

void TskSkinPanel::DrawSkinCaption(gui::TBitmap& bitmap, TRect rect)
{
    gui::TCanvas& canvas = bitmap.Canvas();
    if (rollUpMode_)
        rect.Right -= 12;
    if (checkedMode_) {
        const TRect source = checked_ ? checkImageRect_ : uncheckImageRect_;
        gui::TBitmap box;
        box.SetSize(RectWidth(source), RectHeight(source));
        if (!box.Empty()) {
            box.Canvas().CopyRect(gui::Rect(0, 0, box.Width(), box.Height()), Picture()->Canvas(), source);
            box.SetTransparent(true);
            canvas.Draw(rect.Left, rect.Top + RectHeight(rect) / 2 - box.Height() / 2, box);
        }
        rect.Left += box.Width() + 2;
    }
    if (UseSkinFont())
        AssignSkinFont(canvas.Font(), font_, DefaultFont());
    else
        canvas.Font().Assign(DefaultFont());
    canvas.Font().SetColor(font_.FontColor);
    DrawCaption(canvas, rect, alignment_, 0, font_.FontColor);
}

void TskSkinPanel::DrawCaption(gui::TCanvas& canvas, TRect rect, gui::TAlignment alignment, int textIndent,
                               gui::TColor arrowColor)
{
    const std::string caption = Caption();
    const int frames = std::max(1, numGlyphs_);
    const int glyphWidth = glyph_.Empty() ? 0 : glyph_.Width() / frames;
    int total = canvas.TextWidth(caption);
    if (glyphWidth > 0)
        total += glyphWidth + spacing_;
    const int y = rect.Top + RectHeight(rect) / 2 - canvas.TextHeight(caption) / 2;
    int x = rect.Left + textIndent;
    if (alignment == gui::taRightJustify)
        x = rect.Right - total;
    else if (alignment == gui::taCenter)
        x = rect.Left + textIndent + RectWidth(rect) / 2 - total / 2;
    const int glyphX = x;
    if (glyphWidth > 0)
        x += glyphWidth + spacing_;

    canvas.Brush().SetStyle(gui::bsClear);
    canvas.TextRect(rect, x, y, caption);
    if (glyphWidth > 0)
        DrawFrameImage(canvas, glyphX, rect.Top + RectHeight(rect) / 2 - glyph_.Height() / 2, glyph_, frames,
                       !Enabled() && numGlyphs_ == 2 ? 2 : 1);
    if (rollUpMode_)
        DrawArrow(canvas, TRect{rect.Right, rect.Top, rect.Right + kArrowWidth, rect.Bottom}, arrowColor,
                  rollUpState_ ? kArrowDown : kArrowUp);
}

// ---- Messages ----

void TskSkinPanel::WndProc(gui::TMessage& message)
{
    TskSkinCustomControl::WndProc(message);
    if (message.Msg == gui::CM_TEXTCHANGED && captionMode_)
        Repaint();
}

void TskSkinPanel::MouseUp(gui::TMouseButton button, gui::TShiftState shift, int x, int y)
{
    if (button == gui::mbLeft && captionMode_ && (checkedMode_ || rollUpMode_)) {
        const TRect caption = SkinIndex() != -1 ? captionRect_ : TRect{1, 1, Width() - 1, defaultCaptionHeight_};
        if (x >= caption.Left && x < caption.Right && y >= caption.Top && y < caption.Bottom) {
            if (checkedMode_)
                SetChecked(!checked_);
            if (rollUpMode_)
                SetRollUpState(!rollUpState_);
        }
    }
    TskSkinCustomControl::MouseUp(button, shift, x, y);
}

}  // namespace sk
