// Texts on the frame: a label in a font of the skin, and a text set from a grid
// of character pictures.
#pragma once

#include <string>

#include "gui/core/alignment.h"
#include "gui/core/color.h"
#include "gui/core/font_style.h"
#include "gui/core/strings.h"
#include "skin/frame/active_skin_object.h"

namespace sk {

// Row r of the grid in ActiveSkinRect holds the characters of Symbols line r,
// one cell of SymbolWidth x SymbolHeight each.
class TskSkinBitLabelObject : public TskActiveSkinObject {
public:
    TskSkinBitLabelObject(TskSkinObjectHost* parent, TskDataSkinBitLabel* data);

    const std::string& TextValue() const { return textValue_; }
    void SetTextValue(const std::string& value) { textValue_ = value; }

    void Draw(gui::TCanvas& canvas, bool repaint) override;

private:
    std::string textValue_;
    int symbolWidth_ = 0, symbolHeight_ = 0;
    gui::TStringList symbols_;
};

class TskSkinLabelObject : public TskActiveSkinObject {
public:
    TskSkinLabelObject(TskSkinObjectHost* parent, TskDataSkinLabel* data);

    const std::string& TextValue() const { return textValue_; }
    void SetTextValue(const std::string& value) { textValue_ = value; }

    void Draw(gui::TCanvas& canvas, bool repaint) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    // The look of the given state: the picture's rectangle with the text on it.
    void MakeLook(gui::TBitmap& look, gui::TBitmap* source, const gui::TRect& sourceRect, gui::TColor color);

    std::string textValue_;
    std::string fontName_;
    gui::TFontStyles fontStyle_;
    int fontHeight_ = 0;
    gui::TColor fontColor_ = 0, activeFontColor_ = 0;
    gui::TAlignment alignment_ = gui::taLeftJustify;
};

}  // namespace sk
