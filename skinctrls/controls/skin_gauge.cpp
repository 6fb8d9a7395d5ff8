#include "skinctrls/controls/skin_gauge.h"

#include "gui/core/rounding.h"
#include "skin/imaging/default_look.h"
#include "skin/imaging/effect_bmp.h"
#include "skin/model/control_records.h"
#include "win/gdi_handles.h"

namespace sk {

namespace {

constexpr gui::TColor kBarColor = 0xD2BDB6;

}  // namespace

TskSkinGauge::TskSkinGauge(gui::TComponent* owner) : TskSkinCustomControl(owner)
{
    SetSkinDataName("gauge");
    SetBounds(Left(), Top(), 100, 20);
}

// ---- Properties ----

void TskSkinGauge::SetValue(int value)
{
    if (value > maxValue_)
        value = maxValue_;
    else if (value < minValue_)
        value = minValue_;
    if (value == value_)
        return;
    value_ = value;
    Repaint();
}

void TskSkinGauge::SetMaxValue(int value)
{
    maxValue_ = value;
    if (value_ > value)
        value_ = value;
    Repaint();
}

void TskSkinGauge::SetMinValue(int value)
{
    minValue_ = value;
    if (value_ < value)
        value_ = value;
    Repaint();
}

void TskSkinGauge::SetVertical(bool value)
{
    vertical_ = value;
    const gui::TComponentState state = ComponentState();
    if (state.Contains(gui::csDesigning) && !state.Contains(gui::csLoading))
        SetSkinDataName(value ? "vgauge" : "gauge");
    Repaint();
}

void TskSkinGauge::SetProgressText(const std::string& value)
{
    progressText_ = value;
    Repaint();
}

void TskSkinGauge::SetShowProgressText(bool value)
{
    showProgressText_ = value;
    Repaint();
}

void TskSkinGauge::SetShowPercent(bool value)
{
    showPercent_ = value;
    Repaint();
}

void TskSkinGauge::SetTextAlphaBlend(bool value)
{
    textAlphaBlend_ = value;
    if (SkinIndex() != -1 && ShowsCaption())
        Repaint();
}

void TskSkinGauge::SetTextAlphaBlendValue(uint8_t value)
{
    textAlphaBlendValue_ = value;
    if (SkinIndex() != -1 && textAlphaBlend_ && ShowsCaption())
        Repaint();
}

// ---- Geometry ----

double TskSkinGauge::Fraction() const
{
    return maxValue_ == minValue_ ? 0.0 : double(value_ - minValue_) / double(maxValue_ - minValue_);
}

TRect TskSkinGauge::BarRect(const TRect& area) const
{
    TRect r = area;
    if (vertical_)
        r.Top = area.Bottom - gui::Round(Fraction() * RectHeight(area));
    else
        r.Right = area.Left + gui::Round(Fraction() * RectWidth(area));
    return r;
}

std::string TskSkinGauge::CaptionText() const
{
    std::string text = showProgressText_ ? progressText_ : std::string();
    if (showPercent_)
        text += std::to_string(gui::Round(100 * Fraction())) + "%";
    return text;
}

void TskSkinGauge::ReadSkinEntry()
{
    TskSkinCustomControl::ReadSkinEntry();
    const auto* record =
        SkinIndex() == -1 ? nullptr : dynamic_cast<const TskDataSkinGaugeControl*>(SkinData()->CtrlList[SkinIndex()]);
    if (!record) {
        // An element of another kind has no bar.
        progressArea_ = progressRect_ = TRect();
        beginOffset_ = endOffset_ = 0;
        return;
    }
    font_ = *record;
    progressArea_ = record->ProgressArea;
    progressRect_ = record->ProgressRect;
    beginOffset_ = record->BeginOffset;
    endOffset_ = record->EndOffset;
    vertical_ = record->Vertical;
}

void TskSkinGauge::AdjustSkinSize(int& width, int& height)
{
    TskSkinCustomControl::AdjustSkinSize(width, height);
    barArea_ = progressArea_;
    if (ResizeMode() > rmFixed) {
        if (vertical_)
            barArea_.Bottom += height - RectHeight(SkinRect());
        else
            barArea_.Right += width - RectWidth(SkinRect());
    }
}

// ---- Painting ----

void TskSkinGauge::DrawDefaultImage(gui::TBitmap& bitmap)
{
    gui::TCanvas& canvas = bitmap.Canvas();
    const int width = Width(), height = Height();
    canvas.Brush().SetStyle(gui::bsSolid);
    canvas.Brush().SetColor(gui::clWindow);
    canvas.FillRect(gui::Rect(0, 0, width, height));
    canvas.Brush().SetColor(gui::clBtnShadow);
    canvas.FrameRect(gui::Rect(0, 0, width, height));
    const TRect bar = BarRect(gui::Rect(1, 1, width - 1, height - 1));
    if (!IsNullRect(bar)) {
        canvas.Brush().SetColor(kBarColor);
        canvas.FillRect(bar);
    }
    canvas.Font().Assign(DefaultFont());
    DrawCaption(canvas, width, height);
}

void TskSkinGauge::DrawSkinImage(gui::TBitmap& bitmap)
{
    if (!Picture())
        return;
    int width = Width(), height = Height();
    AdjustSkinSize(width, height);  // the bar area at the current size
    TskSkinCustomControl::DrawSkinImage(bitmap);
    DrawBar(bitmap, BarRect(barArea_));
}

void TskSkinGauge::DrawBar(gui::TBitmap& bitmap, const TRect& rect)
{
    gui::TCanvas& dest = bitmap.Canvas();
    gui::TCanvas& source = Picture()->Canvas();
    const TRect& P = progressRect_;
    const int b = beginOffset_, e = endOffset_;
    if (!vertical_) {
        if (RectWidth(rect) - b - e > 0) {
            const TRect D{rect.Left + b, rect.Top, rect.Right - e, rect.Bottom};
            const TRect S{P.Left + b, P.Top, P.Right - e, P.Bottom};
            const int tile = RectWidth(S);
            if (tile <= 0)
                return;  // nothing to tile: no ends and no caption either
            for (int i = 0, count = RectWidth(D) / tile + 1; i < count; ++i) {
                const int x = D.Left + i * tile;
                const int cut = std::max(0, x + tile - D.Right);
                if (tile - cut > 0)
                    dest.CopyRect(TRect{x, D.Top, x + tile - cut, D.Bottom}, source,
                                  TRect{S.Left, S.Top, S.Right - cut, S.Bottom});
            }
        }
        if (RectWidth(rect) >= b + e) {
            if (b > 0)
                dest.CopyRect(TRect{rect.Left, rect.Top, rect.Left + b, rect.Bottom}, source,
                              TRect{P.Left, P.Top, P.Left + b, P.Bottom});
            if (e > 0)
                dest.CopyRect(TRect{rect.Right - e, rect.Top, rect.Right, rect.Bottom}, source,
                              TRect{P.Right - e, P.Top, P.Right, P.Bottom});
        }
    } else {
        if (RectHeight(rect) - b - e > 0) {
            const TRect D{rect.Left, rect.Top + b, rect.Right, rect.Bottom - e};
            const TRect S{P.Left, P.Top + b, P.Right, P.Bottom - e};
            const int tile = RectHeight(S);
            if (tile <= 0)
                return;
            // From the bottom up; the last tile loses its top rows.
            for (int i = 0, count = RectHeight(D) / tile + 1; i < count; ++i) {
                const int bottom = D.Bottom - i * tile;
                const int cut = std::max(0, D.Top - (bottom - tile));
                if (tile - cut > 0)
                    dest.CopyRect(TRect{D.Left, bottom - tile + cut, D.Right, bottom}, source,
                                  TRect{S.Left, S.Top + cut, S.Right, S.Bottom});
            }
        }
        if (RectHeight(rect) >= b + e) {
            if (b > 0)
                dest.CopyRect(TRect{rect.Left, rect.Top, rect.Right, rect.Top + b}, source,
                              TRect{P.Left, P.Top, P.Right, P.Top + b});
            if (e > 0)
                dest.CopyRect(TRect{rect.Left, rect.Bottom - e, rect.Right, rect.Bottom}, source,
                              TRect{P.Left, P.Bottom - e, P.Right, P.Bottom});
        }
    }

    gui::TCanvas& canvas = bitmap.Canvas();
    if (UseSkinFont())
        AssignSkinFont(canvas.Font(), font_, DefaultFont());
    else
        canvas.Font().Assign(DefaultFont());
    canvas.Font().SetColor(font_.FontColor);
    if (!textAlphaBlend_ || !ShowsCaption()) {
        DrawCaption(canvas, bitmap.Width(), bitmap.Height());
        return;
    }
    // The caption shows through with TextAlphaBlendValue's opacity.
    gui::TBitmap plain;
    plain.Assign(bitmap);
    DrawCaption(canvas, bitmap.Width(), bitmap.Height());
    TskEffectBmp blended(bitmap.Handle());
    blended.Morph(TskEffectBmp(plain.Handle()), 1.0 - textAlphaBlendValue_ / 255.0);
    blended.Draw(canvas.Handle(), 0, 0);
}

void TskSkinGauge::DrawCaption(gui::TCanvas& canvas, int width, int height)
{
    const std::string text = CaptionText();
    if (text.empty())
        return;
    const int textWidth = canvas.TextWidth(text), textHeight = canvas.TextHeight(text);
    canvas.Brush().SetStyle(gui::bsClear);
    if (!vertical_) {
        canvas.TextOut(width / 2 - textWidth / 2, height / 2 - textHeight / 2, text);
        return;
    }
    // Turned a quarter to the left: it reads from the bottom up.
    LOGFONTA logFont{};
    ::GetObjectA(canvas.Font().Handle(), sizeof(logFont), &logFont);
    logFont.lfEscapement = logFont.lfOrientation = 900;
    win::UniqueFont rotated(::CreateFontIndirectA(&logFont));
    const HDC dc = canvas.Handle();
    win::SelectedObject font(dc, rotated.Get());
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = ::SetTextColor(dc, gui::ColorToRGB(canvas.Font().Color()));
    ::TextOutA(dc, width / 2 - textHeight / 2, textWidth / 2 + height / 2, text.c_str(), int(text.size()));
    ::SetTextColor(dc, oldColor);
    ::SetBkMode(dc, oldMode);
}

}  // namespace sk
