// The caption text of a skinned frame, with an optional frame picture behind it
// that stretches with the text, an optional shadow, and a look of its own for
// the active form that it morphs to when the form is activated.
#pragma once

#include <string>

#include "gui/core/alignment.h"
#include "gui/core/color.h"
#include "gui/core/font_style.h"
#include "skin/frame/active_skin_object.h"

namespace sk {

class TskSkinCaptionObject : public TskActiveSkinObject {
public:
    TskSkinCaptionObject(TskSkinObjectHost* parent, TskDataSkinCaption* data);

    // The text the engine last gave.
    const std::string& Caption() const { return caption_; }
    // Stores the text and repaints the caption.
    void SetCaption(const std::string& text);
    // Stores the text without a repaint: the frame is painted anew anyway.
    void StoreCaption(const std::string& text) { caption_ = text; }
    // The record marks the form's main caption.
    bool DefaultCaption() const { return defaultCaption_; }
    void SetDefaultCaption(bool value) { defaultCaption_ = value; }

    void Draw(gui::TCanvas& canvas, bool repaint) override;
    void MouseDown(int x, int y, gui::TMouseButton button) override;
    void MouseUp(int x, int y, gui::TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    // Frame, shadow and text of the caption on Canvas, the text rectangle moved
    // by (offsetX, offsetY).
    void DrawText(gui::TCanvas& canvas, int offsetX, int offsetY, bool activeLook);
    // The background of a look: SourceRect of Source composed to ObjectRect's size.
    void MakeBackground(gui::TBitmap& dest, gui::TBitmap* source, const gui::TRect& sourceRect);
    void MakeLook(gui::TBitmap& dest, bool activeLook);
    void ApplyInactiveEffect(gui::TBitmap& look);

    std::string caption_;
    bool defaultCaption_ = false;
    std::string fontName_;
    gui::TFontStyles fontStyle_;
    int fontHeight_ = 0;
    gui::TColor fontColor_ = 0, activeFontColor_ = 0, shadowColor_ = 0, activeShadowColor_ = 0;
    bool shadow_ = false;
    gui::TAlignment alignment_ = gui::taLeftJustify;
    gui::TRect textRect_, frameRect_, activeFrameRect_, frameTextRect_;
    int frameLeftOffset_ = 0, frameRightOffset_ = 0;
};

}  // namespace sk
