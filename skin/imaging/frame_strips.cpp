#include "skin/imaging/frame_strips.h"

#include "gui/graphics/canvas.h"
#include "skin/imaging/tiling.h"

namespace sk {

namespace {

// One side strip of MakeSkinFrameStrips: columns x0..x1 of the picture, the
// segment y0..y1 tiled down the strip, then the end pieces above and below it.
void PlainSideStrip(gui::TBitmap& strip, gui::TCanvas& src, int x0, int x1, int clTop, int y0, int y1, int clBottom,
                    int height)
{
    const int width = x1 - x0;
    if (width <= 0 || height <= 0)
        return;
    strip.SetSize(width, height);
    gui::TCanvas& dst = strip.Canvas();
    if (y1 != y0)
        TileVertically(dst, 0, height, 0, width, src, TRect{x0, y0, x1, y1});
    if (y0 - clTop > 0)
        CopyPiece(dst, TRect{0, 0, width, y0 - clTop}, src, TRect{x0, clTop, x1, y0});
    if (clBottom - y1 > 0)
        CopyPiece(dst, TRect{0, height - (clBottom - y1), width, height}, src, TRect{x0, y1, x1, clBottom});
}

// One end strip of MakeSkinFrameStrips: rows y0..y1 of the picture, the segment
// sx0..sx1 tiled from nx0 to nx1, the left piece at its own width and the right
// piece from nx1 to the strip's end.
void PlainEndStrip(gui::TBitmap& strip, gui::TCanvas& src, int y0, int y1, int sx0, int sx1, int nx0, int nx1,
                   int pictureWidth, int newWidth)
{
    const int height = y1 - y0;
    if (newWidth <= 0 || height <= 0)
        return;
    strip.SetSize(newWidth, height);
    gui::TCanvas& dst = strip.Canvas();
    if (sx1 != sx0)
        TileHorizontally(dst, nx0, nx1, 0, height, src, TRect{sx0, y0, sx1, y1});
    CopyPiece(dst, TRect{0, 0, sx0, height}, src, TRect{0, y0, sx0, y1});
    CopyPiece(dst, TRect{nx1, 0, newWidth, height}, src, TRect{sx1, y0, pictureWidth, y1});
}

}  // namespace

void MakeSkinFrameStrips(const SkinGeometry& skin, const SkinGeometry& resized, gui::TBitmap& picture,
                         gui::TBitmap& topStrip, gui::TBitmap& leftStrip, gui::TBitmap& rightStrip,
                         gui::TBitmap& bottomStrip, int newWidth)
{
    if (picture.Empty())
        return;
    const SkinGeometry& s = skin;
    const SkinGeometry& n = resized;
    const int W = picture.Width(), H = picture.Height();
    gui::TCanvas& src = picture.Canvas();
    const int sideHeight = RectHeight(n.ClRect);
    PlainSideStrip(leftStrip, src, 0, s.ClRect.Left, s.ClRect.Top, s.LTPoint.Y, s.LBPoint.Y, s.ClRect.Bottom,
                   sideHeight);
    PlainSideStrip(rightStrip, src, s.ClRect.Right, W, s.ClRect.Top, s.RTPoint.Y, s.RBPoint.Y, s.ClRect.Bottom,
                   sideHeight);
    PlainEndStrip(topStrip, src, 0, s.ClRect.Top, s.LTPoint.X, s.RTPoint.X, n.LTPoint.X, n.RTPoint.X, W, newWidth);
    PlainEndStrip(bottomStrip, src, s.ClRect.Bottom, H, s.LBPoint.X, s.RBPoint.X, n.LBPoint.X, n.RBPoint.X, W,
                  newWidth);
}

namespace {

// The middle of a strip of MakeSkinFrameStripsEx: the segment stretched into
// `into`, or tiled over the whole strip.
void StripMiddle(gui::TCanvas& dst, gui::TCanvas& src, const TRect& segment, const TRect& into, bool stretch,
                 bool horizontal, int stripWidth, int stripHeight)
{
    if (stretch)
        CopyPiece(dst, into, src, segment);
    else if (horizontal)
        TileHorizontally(dst, 0, stripWidth, 0, stripHeight, src, segment);
    else
        TileVertically(dst, 0, stripHeight, 0, stripWidth, src, segment);
}

// A top or bottom strip of MakeSkinFrameStripsEx from picture rows y0..y0+height.
void StretchableEndStrip(gui::TBitmap& strip, gui::TCanvas& src, const TRect& skinRect, int y0, int height,
                         int sx0, int sx1, int nx0, int nx1, int newWidth, bool stretch)
{
    if (newWidth <= 0 || height <= 0 || sx1 <= sx0)
        return;
    strip.SetSize(newWidth, height);
    gui::TCanvas& dst = strip.Canvas();
    const int ox = skinRect.Left, W = RectWidth(skinRect);
    StripMiddle(dst, src, TRect{ox + sx0, y0, ox + sx1, y0 + height}, TRect{nx0, 0, nx1, height}, stretch, true,
                newWidth, height);
    CopyPiece(dst, TRect{0, 0, nx0, height}, src, TRect{ox, y0, ox + sx0, y0 + height});
    CopyPiece(dst, TRect{nx1, 0, newWidth, height}, src, TRect{ox + sx1, y0, ox + W, y0 + height});
}

// A left or right strip of MakeSkinFrameStripsEx from picture columns x0..x1.
void StretchableSideStrip(gui::TBitmap& strip, gui::TCanvas& src, const TRect& skinRect, int x0, int x1,
                          int width, int height, int clTop, int y0, int y1, int clBottom, bool stretch)
{
    if (width < 1 || height < 1 || y1 <= y0)
        return;
    strip.SetSize(width, height);
    gui::TCanvas& dst = strip.Canvas();
    const int oy = skinRect.Top;
    StripMiddle(dst, src, TRect{x0, oy + y0, x1, oy + y1}, TRect{0, y0 - clTop, width, height - (clBottom - y1)},
                stretch, false, width, height);
    if (y0 - clTop > 0)
        CopyPiece(dst, TRect{0, 0, width, y0 - clTop}, src, TRect{x0, oy + clTop, x1, oy + y0});
    if (clBottom - y1 > 0)
        CopyPiece(dst, TRect{0, height - (clBottom - y1), width, height}, src, TRect{x0, oy + y1, x1, oy + clBottom});
}

}  // namespace

void MakeSkinFrameStripsEx(const SkinGeometry& skin, const SkinGeometry& resized, gui::TBitmap& leftStrip,
                           gui::TBitmap& topStrip, gui::TBitmap& rightStrip, gui::TBitmap& bottomStrip,
                           gui::TBitmap& picture, const TRect& skinRect, int newWidth, int newHeight,
                           bool leftStretch, bool topStretch, bool rightStretch, bool bottomStretch)
{
    if (picture.Empty())
        return;
    const SkinGeometry& s = skin;
    const SkinGeometry& n = resized;
    gui::TCanvas& src = picture.Canvas();

    StretchableEndStrip(topStrip, src, skinRect, skinRect.Top, n.ClRect.Top, s.LTPoint.X, s.RTPoint.X, n.LTPoint.X,
                        n.RTPoint.X, newWidth, topStretch);
    const int bottomHeight = newHeight - n.ClRect.Bottom;
    StretchableEndStrip(bottomStrip, src, skinRect, skinRect.Bottom - bottomHeight, bottomHeight, s.LBPoint.X,
                        s.RBPoint.X, n.LBPoint.X, n.RBPoint.X, newWidth, bottomStretch);

    const int sideHeight = newHeight - bottomStrip.Height() - topStrip.Height();
    StretchableSideStrip(leftStrip, src, skinRect, skinRect.Left, skinRect.Left + n.ClRect.Left, n.ClRect.Left,
                         sideHeight, s.ClRect.Top, s.LTPoint.Y, s.LBPoint.Y, s.ClRect.Bottom, leftStretch);
    StretchableSideStrip(rightStrip, src, skinRect, skinRect.Left + s.ClRect.Right, skinRect.Right,
                         newWidth - n.ClRect.Right, sideHeight, s.ClRect.Top, s.RTPoint.Y, s.RBPoint.Y,
                         s.ClRect.Bottom, rightStretch);
}

}  // namespace sk
