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
Placement Centred(TButtonLayout layout, int cx, int cy, gui::TSize g, gui::TSize t, int spacing)
{
    const int sw = (t.cx + g.cx + spacing) / 2, sh = (t.cy + g.cy + spacing) / 2;
    switch (layout) {
    case blGlyphRight:
        return {{cx + sw - g.cx, cy - g.cy / 2}, {cx - sw, cy - t.cy / 2}};
    case blGlyphTop:
        return {{cx - g.cx / 2, cy - sh}, {cx - t.cx / 2, cy + sh - t.cy}};
    case blGlyphBottom:
        return {{cx - g.cx / 2, cy + sh - g.cy}, {cx - t.cx / 2, cy - sh}};
    default:
        return {{cx - sw, cy - g.cy / 2}, {cx + sw - t.cx, cy - t.cy / 2}};
    }
}

// The glyph `margin` from the layout's edge, the caption `spacing` beyond it.
Placement FromEdge(TButtonLayout layout, const gui::TRect& r, int cx, int cy, gui::TSize g, gui::TSize t,
                   int margin, int spacing)
{
    Placement p;
    switch (layout) {
    case blGlyphRight:
        p.glyph = {r.Right - g.cx - margin, cy - g.cy / 2};
        p.text = {p.glyph.X - spacing - t.cx, cy - t.cy / 2};
        break;
    case blGlyphTop:
        p.glyph = {cx - g.cx / 2, r.Top + margin};
        p.text = {cx - t.cx / 2, p.glyph.Y + g.cy + spacing};
        break;
    case blGlyphBottom:
        p.glyph = {cx - g.cx / 2, r.Bottom - g.cy - margin};
        p.text = {cx - t.cx / 2, p.glyph.Y - spacing - t.cy};
        break;
    default:
        p.glyph = {r.Left + margin, cy - g.cy / 2};
        p.text = {p.glyph.X + g.cx + spacing, cy - t.cy / 2};
    }
    return p;
}

}  // namespace

void DrawGlyphAndText(gui::TCanvas& canvas, const gui::TRect& Rect, int Margin, int Spacing, TButtonLayout Layout,
                      const std::string& Caption, gui::TBitmap& Glyph, int NumGlyphs, int GlyphNumber, bool Pressed)
{
    const int frames = std::max(1, NumGlyphs);
    const gui::TSize glyph = Glyph.Empty() ? gui::TSize{} : gui::TSize{Glyph.Width() / frames, Glyph.Height()};
    gui::TRect extent;
    canvas.DrawText(Caption, extent, DT_CALCRECT);
    const gui::TSize text{extent.Right - extent.Left, extent.Bottom - extent.Top};
    canvas.Brush().SetStyle(gui::bsClear);

    const int cx = Rect.Left + (Rect.Right - Rect.Left) / 2, cy = Rect.Top + (Rect.Bottom - Rect.Top) / 2;
    Placement at = Margin < 0 ? Centred(Layout, cx, cy, glyph, text, Spacing)
                              : FromEdge(Layout, Rect, cx, cy, glyph, text, Margin, Spacing);
    if (Pressed) {
        at.glyph = {at.glyph.X + 1, at.glyph.Y + 1};
        at.text = {at.text.X + 1, at.text.Y + 1};
    }

    gui::TRect textRect{at.text.X, at.text.Y, at.text.X, at.text.Y};
    canvas.DrawText(Caption, textRect, DT_CALCRECT);
    textRect.Right += 2;
    canvas.DrawText(Caption, textRect, DT_CENTER | DT_VCENTER);
    if (!Glyph.Empty())
        DrawFrameImage(canvas, at.glyph.X, at.glyph.Y, Glyph, frames, GlyphNumber);
}

}  // namespace sk
