// A container drawn from the skin element "panel" or in a bevelled look. It can
// show a caption strip with a glyph, a check box in it that enables or disables
// the panel's children, and an arrow that rolls the panel up to its caption. An
// element may instead give a background picture, which is tiled and nothing else.
#pragma once

#include <vector>

#include "gui/core/alignment.h"
#include "skinctrls/controls/skin_custom_control.h"

namespace sk {

enum TskSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };
using TskSkinPanelNumGlyphs = int;  // 1..2

class TskSkinPanel : public TskSkinCustomControl {
public:
    explicit TskSkinPanel(gui::TComponent* owner);

    TskSkinBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TskSkinBorderStyle value);
    bool CaptionMode() const { return captionMode_; }
    virtual void SetCaptionMode(bool value);
    // The height of the caption strip without a skin.
    int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
    virtual void SetDefaultCaptionHeight(int value);
    // Where the caption goes without a skin (the element says it with one).
    gui::TAlignment DefaultAlignment() const { return defaultAlignment_; }
    void SetDefaultAlignment(gui::TAlignment value);
    // Frame 2 of the glyph shows while the panel is disabled.
    gui::TBitmap& Glyph() { return glyph_; }
    void SetGlyph(const gui::TBitmap& value);
    TskSkinPanelNumGlyphs NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(TskSkinPanelNumGlyphs value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);

    // A check box in the caption; with AutoEnabledControls it enables and
    // disables the children.
    bool CheckedMode() const { return checkedMode_; }
    void SetCheckedMode(bool value);
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    bool AutoEnabledControls() const { return autoEnabledControls_; }
    void SetAutoEnabledControls(bool value) { autoEnabledControls_ = value; }
    // An arrow in the caption that rolls the panel up to its caption strip, the
    // children hidden, and down again.
    bool RollUpMode() const { return rollUpMode_; }
    void SetRollUpMode(bool value);
    bool RollUpState() const { return rollUpState_; }
    void SetRollUpState(bool value);

    // After every assignment of Checked.
    gui::TNotifyEvent OnChecked;

    void SetBounds(int left, int top, int width, int height) override;
    void ApplySkin() override;

protected:
    void Paint() override;
    void ReadSkinEntry() override;
    void DrawDefaultImage(gui::TBitmap& bitmap) override;
    void DrawSkinImage(gui::TBitmap& bitmap) override;
    void AdjustClientRect(TRect& rect) override;
    void CreateParams(gui::TCreateParams& params) override;
    void WndProc(gui::TMessage& message) override;
    void MouseUp(gui::TMouseButton button, gui::TShiftState shift, int x, int y) override;
    void Notification(gui::TComponent* component, gui::TOperation operation) override;

private:
    // The background picture of the element, if it has one.
    gui::TBitmap* BackgroundPicture();
    // The element's client rectangle at the panel's current size.
    TRect SizedClientRect();
    // The caption text, glyph and roll-up arrow in rect.
    void DrawCaption(gui::TCanvas& canvas, TRect rect, gui::TAlignment alignment, int textIndent,
                     gui::TColor arrowColor);
    void DrawSkinCaption(gui::TBitmap& bitmap, TRect rect);
    void RollUp();
    void Unroll();

    TskSkinBorderStyle borderStyle_ = bvFrame;
    bool captionMode_ = false;
    int defaultCaptionHeight_ = 22;
    gui::TAlignment defaultAlignment_ = gui::taLeftJustify;
    gui::TBitmap glyph_;
    TskSkinPanelNumGlyphs numGlyphs_ = 1;
    int spacing_ = 2;
    bool checkedMode_ = false;
    bool checked_ = false;
    bool autoEnabledControls_ = true;
    bool rollUpMode_ = false;
    bool rollUpState_ = false;

    int fullHeight_ = -1;                 // the height before rolling up; -1 none
    std::vector<gui::TControl*> hidden_;  // children that rolling up hid
    bool hiding_ = false;                 // the children hidden by a roll-up are listed
    TRect captionRect_;                   // of the last skinned paint

    // Of the element (a panel record).
    TskFontGroup font_;
    int32_t bgPictureIndex_ = -1;
    TRect elementCaptionRect_;
    gui::TAlignment alignment_ = gui::taLeftJustify;
    TRect checkImageRect_, uncheckImageRect_;
};

}  // namespace sk
