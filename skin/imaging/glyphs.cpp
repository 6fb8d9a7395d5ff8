#include "skin/imaging/glyphs.h"

namespace sk {

using gui::TCanvas;
using gui::TColor;

namespace {

void Line(TCanvas& c, int x0, int y0, int x1, int y1)
{
    c.MoveTo(x0, y0);
    c.LineTo(x1, y1);
}

// Rectangle outlines: the brush is set clear (and stays so).
void HollowRectangles(TCanvas& c, int X, int Y, std::initializer_list<gui::TRect> rects)
{
    c.Brush().SetStyle(gui::bsClear);
    for (const gui::TRect& r : rects)
        c.Rectangle(X + r.Left, Y + r.Top, X + r.Right, Y + r.Bottom);
}

}  // namespace

void DrawArrow(TCanvas& Canvas, const gui::TRect& r, TColor Color, int Kind)
{
    Canvas.Pen().SetColor(Color);
    const int cx = r.Left + (r.Right - r.Left) / 2;
    const int cy = r.Top + (r.Bottom - r.Top) / 2;
    switch (Kind) {
    case kArrowLeft:
        for (int i = 0; i <= 3; ++i)
            Line(Canvas, cx - 2 + i, cy - i, cx - 2 + i, cy + i + 1);
        break;
    case kArrowRight:
        for (int i = 3; i >= 0; --i)
            Line(Canvas, cx + 2 - i, cy + i, cx + 2 - i, cy - i - 1);
        break;
    case kArrowUp:
        for (int i = 0; i <= 3; ++i)
            Line(Canvas, cx - i, cy - 2 + i, cx + i + 1, cy - 2 + i);
        break;
    case kArrowDown:
        for (int i = 3; i >= 0; --i)
            Line(Canvas, cx - i, cy + 2 - i, cx + i + 1, cy + 2 - i);
        break;
    default:
        break;
    }
}

void DrawCheckMark(TCanvas& Canvas, int X, int Y, TColor Color)
{
    Canvas.Pen().SetColor(Color);
    for (int i = 0; i <= 2; ++i)
        Canvas.Polyline({gui::Point(X, Y + 5 - i), gui::Point(X + 2, Y + 7 - i), gui::Point(X + 7, Y + 2 - i)});
}

void DrawCloseGlyph(TCanvas& Canvas, int X, int Y, TColor Color)
{
    Canvas.Pen().SetColor(Color);
    Line(Canvas, X + 1, Y + 1, X + 9, Y + 9);
    Line(Canvas, X + 2, Y + 1, X + 10, Y + 9);
    Line(Canvas, X + 9, Y + 1, X + 1, Y + 9);
    Line(Canvas, X + 8, Y + 1, X + 0, Y + 9);
}

void DrawSysMenuGlyph(TCanvas& Canvas, int X, int Y, TColor Color)
{
    Canvas.Pen().SetColor(Color);
    HollowRectangles(Canvas, X, Y, {gui::Rect(1, 3, 9, 6)});
}

void DrawMinimizeGlyph(TCanvas& Canvas, int X, int Y, TColor Color)
{
    Canvas.Pen().SetColor(Color);
    Line(Canvas, X + 1, Y + 8, X + 9, Y + 8);
    Line(Canvas, X + 1, Y + 9, X + 9, Y + 9);
}

void DrawMaximizeGlyph(TCanvas& Canvas, int X, int Y, TColor Color)
{
    Canvas.Pen().SetColor(Color);
    HollowRectangles(Canvas, X, Y, {gui::Rect(0, 0, 11, 10), gui::Rect(0, 0, 11, 2)});
}

void DrawRestoreGlyph(TCanvas& Canvas, int X, int Y, TColor Color)
{
    Canvas.Pen().SetColor(Color);
    HollowRectangles(Canvas, X, Y,
                     {gui::Rect(2, 0, 10, 6), gui::Rect(2, 0, 10, 2), gui::Rect(0, 4, 7, 10), gui::Rect(0, 4, 7, 6)});
}

void DrawRollDownGlyph(TCanvas& Canvas, int X, int Y, TColor Color)
{
    Canvas.Pen().SetColor(Color);
    for (int i = 0; i <= 4; ++i)
        Line(Canvas, X + 5 - i, Y + 6 - i, X + 5 + i, Y + 6 - i);
}

void DrawRollUpGlyph(TCanvas& Canvas, int X, int Y, TColor Color)
{
    Canvas.Pen().SetColor(Color);
    for (int i = 0; i <= 4; ++i)
        Line(Canvas, X + 5 - i, Y + 2 + i, X + 5 + i, Y + 2 + i);
}

void DrawMinimizeToTrayGlyph(TCanvas& Canvas, int X, int Y, TColor Color)
{
    Canvas.Pen().SetColor(Color);
    Canvas.Brush().SetColor(Color);
    Canvas.Rectangle(X + 2, Y + 2, X + 7, Y + 7);
}

void DrawFrameImage(TCanvas& Canvas, int X, int Y, gui::TBitmap& Picture, int FrameCount, int FrameIndex)
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
    Canvas.Draw(X, Y, frame);
}

}  // namespace sk
