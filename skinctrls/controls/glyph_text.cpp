#include "skinctrls/controls/glyph_text.h"

#include <algorithm>

#include "skin/imaging/glyphs.h"

namespace sk {

namespace {

struct Placement {
    gui::TPoint glyph;
    gui::TPoint text;
};

// Glyph and caption centred together around (cx, cy).
Placement Centred(TButtonLayout layout, int cx, int cy, gui::TSize glyphSize, gui::TSize textSize, int spacing)
{
    const int sw = (textSize.cx + glyphSize.cx + spacing) / 2, sh = (textSize.cy + glyphSize.cy + spacing) / 2;
    switch (layout) {
    case blGlyphRight:
        return {{cx + sw - glyphSize.cx, cy - glyphSize.cy / 2}, {cx - sw, cy - textSize.cy / 2}};
    case blGlyphTop:
        return {{cx - glyphSize.cx / 2, cy - sh}, {cx - textSize.cx / 2, cy + sh - textSize.cy}};
    case blGlyphBottom:
        return {{cx - glyphSize.cx / 2, cy + sh - glyphSize.cy}, {cx - textSize.cx / 2, cy - sh}};
    default:
        return {{cx - sw, cy - glyphSize.cy / 2}, {cx + sw - textSize.cx, cy - textSize.cy / 2}};
    }
}

// The glyph `margin` from the layout's edge, the caption `spacing` beyond it.
Placement FromEdge(TButtonLayout layout, const gui::TRect& bounds, int cx, int cy, gui::TSize glyphSize,
                   gui::TSize textSize, int margin, int spacing)
{
    Placement p;
    switch (layout) {
    case blGlyphRight:
        p.glyph = {bounds.Right - glyphSize.cx - margin, cy - glyphSize.cy / 2};
        p.text = {p.glyph.X - spacing - textSize.cx, cy - textSize.cy / 2};
        break;
    case blGlyphTop:
        p.glyph = {cx - glyphSize.cx / 2, bounds.Top + margin};
        p.text = {cx - textSize.cx / 2, p.glyph.Y + glyphSize.cy + spacing};
        break;
    case blGlyphBottom:
        p.glyph = {cx - glyphSize.cx / 2, bounds.Bottom - glyphSize.cy - margin};
        p.text = {cx - textSize.cx / 2, p.glyph.Y - spacing - textSize.cy};
        break;
    default:
        p.glyph = {bounds.Left + margin, cy - glyphSize.cy / 2};
        p.text = {p.glyph.X + glyphSize.cx + spacing, cy - textSize.cy / 2};
    }
    return p;
}

}  // namespace

void DrawGlyphAndText(gui::TCanvas& canvas, const gui::TRect& rect, int margin, int spacing, TButtonLayout layout,
                      const std::string& caption, gui::TBitmap& glyphImage, int numGlyphs, int glyphNumber,
                      bool pressed)
{
    const int frames = std::max(1, numGlyphs);
    const gui::TSize glyph =
        glyphImage.Empty() ? gui::TSize{} : gui::TSize{glyphImage.Width() / frames, glyphImage.Height()};
    gui::TRect extent;
    canvas.DrawText(caption, extent, DT_CALCRECT);
    const gui::TSize text{extent.Right - extent.Left, extent.Bottom - extent.Top};
    canvas.Brush().SetStyle(gui::bsClear);

    const int cx = rect.Left + (rect.Right - rect.Left) / 2, cy = rect.Top + (rect.Bottom - rect.Top) / 2;
    Placement at = margin < 0 ? Centred(layout, cx, cy, glyph, text, spacing)
                              : FromEdge(layout, rect, cx, cy, glyph, text, margin, spacing);
    if (pressed) {
        at.glyph = {at.glyph.X + 1, at.glyph.Y + 1};
        at.text = {at.text.X + 1, at.text.Y + 1};
    }

    gui::TRect textRect{at.text.X, at.text.Y, at.text.X, at.text.Y};
    canvas.DrawText(caption, textRect, DT_CALCRECT);
    textRect.Right += 2;
    canvas.DrawText(caption, textRect, DT_CENTER | DT_VCENTER);
    if (!glyphImage.Empty())
        DrawFrameImage(canvas, at.glyph.X, at.glyph.Y, glyphImage, frames, glyphNumber);
}

}  // namespace sk
