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
    TskSkinCaptionObject(TskSkinObjectHost* AParent, TskDataSkinCaption* AData);
    std::string Caption;  // the text the engine last gave
    bool DefaultCaption = false;  // the record marks the form's main caption
    std::string FontName;
    gui::TFontStyles FontStyle;
    int FontHeight = 0;
    gui::TColor FontColor = 0, ActiveFontColor = 0, ShadowColor = 0, ActiveShadowColor = 0;
    bool Shadow = false;
    gui::TAlignment Alignment = gui::taLeftJustify;
    gui::TRect TextRect, FrameRect, ActiveFrameRect, FrameTextRect;
    int FrameLeftOffset = 0, FrameRightOffset = 0;

    // Stores the text and repaints the caption.
    void SetCaption(const std::string& text);

    void Draw(gui::TCanvas& Canvas, bool Repaint) override;
    void MouseDown(int X, int Y, gui::TMouseButton Button) override;
    void MouseUp(int X, int Y, gui::TMouseButton Button) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    // Frame, shadow and text of the caption on Canvas, the text rectangle moved by
    // (OffsetX, OffsetY).
    void DrawText(gui::TCanvas& Canvas, int OffsetX, int OffsetY, bool ActiveLook);
    // The background of a look: SourceRect of Source composed to ObjectRect's size.
    void MakeBackground(gui::TBitmap& Dest, gui::TBitmap* Source, const gui::TRect& SourceRect);
    void MakeLook(gui::TBitmap& Dest, bool ActiveLook);
    void ApplyInactiveEffect(gui::TBitmap& Look);
};

}  // namespace sk
