// The layout of a glyph and a caption in a rectangle, shared by the skinned
// button and its default look.
#pragma once

#include <string>

#include "gui/core/types.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"

namespace sk {

// Where the glyph goes relative to the caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Draws `caption` in the canvas's font and frame `glyphNumber` (from 1) of
// `glyphImage`, a picture of `numGlyphs` frames side by side drawn transparent, in
// `rect`. A `margin` below 0 centres glyph and caption together, `spacing` apart
// (`spacing` counts even without a glyph or caption); a `margin` of 0 or more puts
// the glyph that far from the layout's edge and the caption `spacing` beyond it.
// `pressed` moves both one pixel right and down. The canvas's brush is left clear.
void DrawGlyphAndText(gui::TCanvas& canvas, const gui::TRect& rect, int margin, int spacing, TButtonLayout layout,
                      const std::string& caption, gui::TBitmap& glyphImage, int numGlyphs, int glyphNumber,
                      bool pressed);

}  // namespace sk
