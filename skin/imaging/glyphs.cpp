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
void HollowRectangles(TCanvas& canvas, int X, int Y, std::initializer_list<gui::TRect> rects)
{
    canvas.Brush().SetStyle(gui::bsClear);
    for (const gui::TRect& r : rects)
        canvas.Rectangle(X + r.Left, Y + r.Top, X + r.Right, Y + r.Bottom);
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

void DrawCheckMark(TCanvas& canvas, int X, int Y, TColor color)
{
    canvas.Pen().SetColor(color);
    for (int i = 0; i <= 2; ++i)
        canvas.Polyline({gui::Point(X, Y + 5 - i), gui::Point(X + 2, Y + 7 - i), gui::Point(X + 7, Y + 2 - i)});
}

void DrawCloseGlyph(TCanvas& canvas, int X, int Y, TColor color)
{
    canvas.Pen().SetColor(color);
    Line(canvas, X + 1, Y + 1, X + 9, Y + 9);
    Line(canvas, X + 2, Y + 1, X + 10, Y + 9);
    Line(canvas, X + 9, Y + 1, X + 1, Y + 9);
    Line(canvas, X + 8, Y + 1, X + 0, Y + 9);
}

void DrawSysMenuGlyph(TCanvas& canvas, int X, int Y, TColor color)
{
    canvas.Pen().SetColor(color);
    HollowRectangles(canvas, X, Y, {gui::Rect(1, 3, 9, 6)});
}

void DrawMinimizeGlyph(TCanvas& canvas, int X, int Y, TColor color)
{
    canvas.Pen().SetColor(color);
    Line(canvas, X + 1, Y + 8, X + 9, Y + 8);
    Line(canvas, X + 1, Y + 9, X + 9, Y + 9);
}

void DrawMaximizeGlyph(TCanvas& canvas, int X, int Y, TColor color)
{
    canvas.Pen().SetColor(color);
    HollowRectangles(canvas, X, Y, {gui::Rect(0, 0, 11, 10), gui::Rect(0, 0, 11, 2)});
}

void DrawRestoreGlyph(TCanvas& canvas, int X, int Y, TColor color)
{
    canvas.Pen().SetColor(color);
    HollowRectangles(canvas, X, Y,
                     {gui::Rect(2, 0, 10, 6), gui::Rect(2, 0, 10, 2), gui::Rect(0, 4, 7, 10), gui::Rect(0, 4, 7, 6)});
}

void DrawRollDownGlyph(TCanvas& canvas, int X, int Y, TColor color)
{
    canvas.Pen().SetColor(color);
    for (int i = 0; i <= 4; ++i)
        Line(canvas, X + 5 - i, Y + 6 - i, X + 5 + i, Y + 6 - i);
}

void DrawRollUpGlyph(TCanvas& canvas, int X, int Y, TColor color)
{
    canvas.Pen().SetColor(color);
    for (int i = 0; i <= 4; ++i)
        Line(canvas, X + 5 - i, Y + 2 + i, X + 5 + i, Y + 2 + i);
}

void DrawMinimizeToTrayGlyph(TCanvas& canvas, int X, int Y, TColor color)
{
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
    canvas.Rectangle(X + 2, Y + 2, X + 7, Y + 7);
}

void DrawFrameImage(TCanvas& canvas, int X, int Y, gui::TBitmap& Picture, int FrameCount, int FrameIndex)
{
    if (Picture.Empty())
        return;
    if (FrameCount < 1)
        FrameCount = 1;
    const int frameWidth = Picture.Width() / FrameCount;
    if (frameWidth < 1)
        return;
    gui::TBitmap frame;
    frame.SetSize(frameWidth, Picture.Height());
    frame.Canvas().CopyRect(gui::Rect(0, 0, frameWidth, Picture.Height()), Picture.Canvas(),
                            gui::Rect((FrameIndex - 1) * frameWidth, 0, FrameIndex * frameWidth, Picture.Height()));
    frame.SetTransparent(true);
    canvas.Draw(X, Y, frame);
}

}  // namespace sk
