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

// Draws Caption in the canvas's font and frame GlyphNumber (from 1) of Glyph, a
// picture of NumGlyphs frames side by side drawn transparent, in Rect. A Margin
// below 0 centres glyph and caption together, Spacing apart (Spacing counts even
// without a glyph or caption); a Margin of 0 or more puts the glyph that far from
// the layout's edge and the caption Spacing beyond it. Pressed moves both one
// pixel right and down. The canvas's brush is left clear.
void DrawGlyphAndText(gui::TCanvas& canvas, const gui::TRect& Rect, int Margin, int Spacing, TButtonLayout Layout,
                      const std::string& Caption, gui::TBitmap& Glyph, int NumGlyphs, int GlyphNumber,
                      bool Pressed);

}  // namespace sk
