#include "gui/controls/custom_label.h"

#include "gui/controls/accel.h"
#include "gui/controls/control_messages.h"
#include "gui/controls/win_control.h"
#include "gui/core/component_reference.h"
#include "win/gdi_handles.h"

namespace gui {

namespace {

UINT AlignmentFlags(TAlignment alignment)
{
    switch (alignment) {
    case taRightJustify:
        return DT_RIGHT;
    case taCenter:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

}  // namespace

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner)
{
    SetControlStyle(ControlStyle() | TControlStyle{csSetCaption, csOpaque});
    SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAlignment(TAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustBounds();
}

void TCustomLabel::SetLayout(TTextLayout value)
{
    if (value == layout_)
        return;
    layout_ = value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value)
{
    if (value == showAccelChar_)
        return;
    showAccelChar_ = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool value)
{
    if (value == Transparent())
        return;
    TControlStyle style = ControlStyle();
    if (value)
        style.Exclude(csOpaque);
    else
        style.Include(csOpaque);
    SetControlStyle(style);
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* value)
{
    SetReference(*this, focusControl_, value);
}

void TCustomLabel::SetBiDiMode(TBiDiMode value)
{
    if (value == biDiMode_)
        return;
    biDiMode_ = value;
    AdjustBounds();
    Invalidate();
}

UINT TCustomLabel::DrawTextBiDiModeFlagsReadingOnly() const
{
    return biDiMode_ == bdLeftToRight ? 0 : DT_RTLREADING;
}

void TCustomLabel::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    if (!Transparent()) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(client);
    }
    canvas.Brush().SetStyle(bsClear);
    TRect r = client;
    const UINT flags = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | AlignmentFlags(alignment_);
    if (layout_ != tlTop) {
        TRect extent = r;
        DoDrawText(extent, flags | DT_CALCRECT);
        const int free = Height() - extent.Bottom;
        const int dy = layout_ == tlBottom ? free : free / 2;
        r.Top += dy;
        r.Bottom += dy;
    }
    DoDrawText(r, flags);
}

void TCustomLabel::DoDrawText(TRect& rect, UINT flags)
{
    const std::string text = LabelText(flags);
    Canvas().Font().Assign(Font());
    DrawLabelText(text, rect, LabelTextFlags(flags));
}

std::string TCustomLabel::LabelText(UINT flags)
{
    std::string text = Caption();
    if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&")))
        text += ' ';
    return text;
}

UINT TCustomLabel::LabelTextFlags(UINT flags) const
{
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    return flags | DrawTextBiDiModeFlagsReadingOnly();
}

void TCustomLabel::DrawLabelText(const std::string& text, TRect& rect, UINT flags)
{
    TCanvas& canvas = Canvas();
    if (Enabled() || (flags & DT_CALCRECT)) {
        canvas.DrawText(text, rect, flags);
        return;
    }
    // A light copy one pixel down and right under a shadow.
    TRect light{rect.Left + 1, rect.Top + 1, rect.Right + 1, rect.Bottom + 1};
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(text, light, flags);
    canvas.Font().SetColor(clBtnShadow);
    canvas.DrawText(text, rect, flags);
}

void TCustomLabel::AdjustBounds()
{
    if (!autoSize_ || ComponentState().Contains(csLoading))
        return;
    TRect r = ClientRect();
    {
        win::UniqueDC dc(::CreateCompatibleDC(nullptr));
        TCanvas& canvas = Canvas();
        auto& own = static_cast<TControlCanvas&>(canvas);
        own.PaintOn(dc.Get(), [&] { DoDrawText(r, DT_EXPANDTABS | DT_CALCRECT | (wordWrap_ ? DT_WORDBREAK : 0)); });
    }
    int left = Left();
    if (alignment_ == taRightJustify)
        left += Width() - r.Right;
    SetBounds(left, Top(), r.Right, r.Bottom);
}

void TCustomLabel::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        AdjustBounds();
        TGraphicControl::WndProc(message);
        Invalidate();
        break;
    case CM_DIALOGCHAR:
        CMDialogChar(message);
        break;
    default:
        TGraphicControl::WndProc(message);
    }
}

void TCustomLabel::CMDialogChar(TMessage& message)
{
    if (focusControl_ && Enabled() && showAccelChar_ && IsAccel(char(message.WParam), Caption()) &&
        focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        message.Result = 1;
    }
}

void TCustomLabel::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == focusControl_)
        focusControl_ = nullptr;
}

void TCustomLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

}  // namespace gui
