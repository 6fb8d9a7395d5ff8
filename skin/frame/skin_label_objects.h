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
    TskSkinBitLabelObject(TskSkinObjectHost* AParent, TskDataSkinBitLabel* AData);
    std::string TextValue;
    int SymbolWidth = 0, SymbolHeight = 0;
    gui::TStringList Symbols;

    void Draw(gui::TCanvas& Canvas, bool Repaint) override;
};

class TskSkinLabelObject : public TskActiveSkinObject {
public:
    TskSkinLabelObject(TskSkinObjectHost* AParent, TskDataSkinLabel* AData);
    std::string TextValue;
    std::string FontName;
    gui::TFontStyles FontStyle;
    int FontHeight = 0;
    gui::TColor FontColor = 0, ActiveFontColor = 0;
    gui::TAlignment Alignment = gui::taLeftJustify;

    void Draw(gui::TCanvas& Canvas, bool Repaint) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    // The look of the given state: the picture's rectangle with the text on it.
    void MakeLook(gui::TBitmap& Look, gui::TBitmap* Source, const gui::TRect& SourceRect, gui::TColor Color);
};

}  // namespace sk
