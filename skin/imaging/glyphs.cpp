#include "skin/imaging/glyphs.h"

namespace sk {

using gui::TCanvas;
using gui::TColor;

namespace {

void Line(TCanvas& canvas, int x0, int y0, int x1, int y1)
{
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y1);
}

// Rectangle outlines: the brush is set clear (and stays so).
void HollowRectangles(TCanvas& canvas, int x, int y, std::initializer_list<gui::TRect> rects)
{
    canvas.Brush().SetStyle(gui::bsClear);
    for (const gui::TRect& r : rects)
        canvas.Rectangle(x + r.Left, y + r.Top, x + r.Right, y + r.Bottom);
}

}  // namespace

void DrawArrow(TCanvas& canvas, const gui::TRect& rect, TColor color, int kind)
{
    canvas.Pen().SetColor(color);
    const int cx = rect.Left + (rect.Right - rect.Left) / 2;
    const int cy = rect.Top + (rect.Bottom - rect.Top) / 2;
    switch (kind) {
    case kArrowLeft:
        for (int i = 0; i <= 3; ++i)
            Line(canvas, cx - 2 + i, cy - i, cx - 2 + i, cy + i + 1);
        break;
    case kArrowRight:
        for (int i = 3; i >= 0; --i)
            Line(canvas, cx + 2 - i, cy + i, cx + 2 - i, cy - i - 1);
        break;
    case kArrowUp:
        for (int i = 0; i <= 3; ++i)
            Line(canvas, cx - i, cy - 2 + i, cx + i + 1, cy - 2 + i);
        break;
    case kArrowDown:
        for (int i = 3; i >= 0; --i)
            Line(canvas, cx - i, cy + 2 - i, cx + i + 1, cy + 2 - i);
        break;
    default:
        break;
    }
}

void DrawCheckMark(TCanvas& canvas, int x, int y, TColor color)
{
    canvas.Pen().SetColor(color);
    for (int i = 0; i <= 2; ++i)
        canvas.Polyline({gui::Point(x, y + 5 - i), gui::Point(x + 2, y + 7 - i), gui::Point(x + 7, y + 2 - i)});
}

void DrawCloseGlyph(TCanvas& canvas, int x, int y, TColor color)
{
    canvas.Pen().SetColor(color);
    Line(canvas, x + 1, y + 1, x + 9, y + 9);
    Line(canvas, x + 2, y + 1, x + 10, y + 9);
    Line(canvas, x + 9, y + 1, x + 1, y + 9);
    Line(canvas, x + 8, y + 1, x + 0, y + 9);
}

void DrawSysMenuGlyph(TCanvas& canvas, int x, int y, TColor color)
{
    canvas.Pen().SetColor(color);
    HollowRectangles(canvas, x, y, {gui::Rect(1, 3, 9, 6)});
}

void DrawMinimizeGlyph(TCanvas& canvas, int x, int y, TColor color)
{
    canvas.Pen().SetColor(color);
    Line(canvas, x + 1, y + 8, x + 9, y + 8);
    Line(canvas, x + 1, y + 9, x + 9, y + 9);
}

void DrawMaximizeGlyph(TCanvas& canvas, int x, int y, TColor color)
{
    canvas.Pen().SetColor(color);
    HollowRectangles(canvas, x, y, {gui::Rect(0, 0, 11, 10), gui::Rect(0, 0, 11, 2)});
}

void DrawRestoreGlyph(TCanvas& canvas, int x, int y, TColor color)
{
    canvas.Pen().SetColor(color);
    HollowRectangles(canvas, x, y,
                     {gui::Rect(2, 0, 10, 6), gui::Rect(2, 0, 10, 2), gui::Rect(0, 4, 7, 10), gui::Rect(0, 4, 7, 6)});
}

void DrawRollDownGlyph(TCanvas& canvas, int x, int y, TColor color)
{
    canvas.Pen().SetColor(color);
    for (int i = 0; i <= 4; ++i)
        Line(canvas, x + 5 - i, y + 6 - i, x + 5 + i, y + 6 - i);
}

void DrawRollUpGlyph(TCanvas& canvas, int x, int y, TColor color)
{
    canvas.Pen().SetColor(color);
    for (int i = 0; i <= 4; ++i)
        Line(canvas, x + 5 - i, y + 2 + i, x + 5 + i, y + 2 + i);
}

void DrawMinimizeToTrayGlyph(TCanvas& canvas, int x, int y, TColor color)
{
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
    canvas.Rectangle(x + 2, y + 2, x + 7, y + 7);
}

void DrawFrameImage(TCanvas& canvas, int x, int y, gui::TBitmap& picture, int frameCount, int frameIndex)
{
    if (picture.Empty())
        return;
    if (frameCount < 1)
        frameCount = 1;
    const int frameWidth = picture.Width() / frameCount;
    if (frameWidth < 1)
        return;
    gui::TBitmap frame;
    frame.SetSize(frameWidth, picture.Height());
    frame.Canvas().CopyRect(gui::Rect(0, 0, frameWidth, picture.Height()), picture.Canvas(),
                            gui::Rect((frameIndex - 1) * frameWidth, 0, frameIndex * frameWidth, picture.Height()));
    frame.SetTransparent(true);
    canvas.Draw(x, y, frame);
}

}  // namespace sk
