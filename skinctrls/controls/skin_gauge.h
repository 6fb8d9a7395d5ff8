// A progress bar drawn from the skin element "gauge" (or "vgauge") or in a plain
// look: a bar proportional to Value within MinValue..MaxValue, growing to the
// right or, vertical, upward, with an optional caption of a progress text and a
// percentage.
#pragma once

#include <string>

#include "skinctrls/controls/skin_custom_control.h"

namespace sk {

class TskSkinGauge : public TskSkinCustomControl {
public:
    explicit TskSkinGauge(gui::TComponent* owner);

    int MinValue() const { return minValue_; }
    void SetMinValue(int value);
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int value);
    // Kept within MinValue..MaxValue.
    int Value() const { return value_; }
    void SetValue(int value);
    // An element decides the direction itself.
    bool Vertical() const { return vertical_; }
    void SetVertical(bool value);
    const std::string& ProgressText() const { return progressText_; }
    void SetProgressText(const std::string& value);
    bool ShowProgressText() const { return showProgressText_; }
    void SetShowProgressText(bool value);
    bool ShowPercent() const { return showPercent_; }
    void SetShowPercent(bool value);
    // The caption drawn over a skinned bar with the opacity TextAlphaBlendValue.
    bool TextAlphaBlend() const { return textAlphaBlend_; }
    void SetTextAlphaBlend(bool value);
    uint8_t TextAlphaBlendValue() const { return textAlphaBlendValue_; }
    void SetTextAlphaBlendValue(uint8_t value);

protected:
    void ReadSkinEntry() override;
    void DrawDefaultImage(gui::TBitmap& bitmap) override;
    void DrawSkinImage(gui::TBitmap& bitmap) override;
    void AdjustSkinSize(int& width, int& height) override;

private:
    // How far Value lies from MinValue toward MaxValue.
    double Fraction() const;
    TRect BarRect(const TRect& area) const;
    std::string CaptionText() const;
    bool ShowsCaption() const { return !CaptionText().empty(); }
    void DrawBar(gui::TBitmap& bitmap, const TRect& rect);
    void DrawCaption(gui::TCanvas& canvas, int width, int height);

    int minValue_ = 0;
    int maxValue_ = 100;
    int value_ = 50;
    bool vertical_ = false;
    std::string progressText_;
    bool showProgressText_ = false;
    bool showPercent_ = false;
    bool textAlphaBlend_ = false;
    uint8_t textAlphaBlendValue_ = 200;

    // Of the element (a gauge record).
    TskFontGroup font_;
    TRect progressArea_, progressRect_;
    int beginOffset_ = 0, endOffset_ = 0;
    TRect barArea_;  // progressArea_ at the current size
};

}  // namespace sk
