#include "skin/imaging/skin_image.h"

#include <algorithm>

#include "gui/graphics/canvas.h"
#include "skin/imaging/tiling.h"

namespace sk {

namespace {

// Shared by the horizontal images: `withRightEnd` decides whether the right end
// piece is drawn and where the middle stops.
void MakeHImage(int LeftWidth, int RightWidth, gui::TBitmap& Dest, gui::TBitmap& Picture, const TRect& SkinRect,
                int NewWidth, bool withRightEnd)
{
    const int height = RectHeight(SkinRect);
    Dest.SetSize(NewWidth, height);
    if (Picture.Empty() || Dest.Empty())
        return;
    gui::TCanvas& dst = Dest.Canvas();
    gui::TCanvas& src = Picture.Canvas();
    if (LeftWidth != 0)
        CopyPiece(dst, TRect{0, 0, LeftWidth, height}, src,
                  TRect{SkinRect.Left, SkinRect.Top, SkinRect.Left + LeftWidth, SkinRect.Bottom});
    if (withRightEnd && RightWidth != 0)
        CopyPiece(dst, TRect{NewWidth - RightWidth, 0, NewWidth, height}, src,
                  TRect{SkinRect.Right - RightWidth, SkinRect.Top, SkinRect.Right, SkinRect.Bottom});
    const int middle = std::max(1, RectWidth(SkinRect) - LeftWidth - RightWidth);
    const int end = withRightEnd ? NewWidth - RightWidth : NewWidth;
    TileHorizontally(dst, LeftWidth, end, 0, height, src,
                     TRect{SkinRect.Left + LeftWidth, SkinRect.Top, SkinRect.Left + LeftWidth + middle, SkinRect.Bottom});
}

}  // namespace

void MakeHSkinImage(int LeftWidth, int RightWidth, gui::TBitmap& Dest, gui::TBitmap& Picture, const TRect& SkinRect,
                    int NewWidth)
{
    MakeHImage(LeftWidth, RightWidth, Dest, Picture, SkinRect, NewWidth, true);
}

void MakeHTiledImage(int LeftWidth, int RightWidth, gui::TBitmap& Dest, gui::TBitmap& Picture,
                     const TRect& SkinRect, int NewWidth)
{
    MakeHImage(LeftWidth, RightWidth, Dest, Picture, SkinRect, NewWidth, false);
}

void MakeVSkinImage(int TopHeight, int BottomHeight, gui::TBitmap& Dest, gui::TBitmap& Picture,
                    const TRect& SkinRect, int NewHeight)
{
    const int width = RectWidth(SkinRect);
    Dest.SetSize(width, NewHeight);
    if (Picture.Empty() || Dest.Empty())
        return;
    gui::TCanvas& dst = Dest.Canvas();
    gui::TCanvas& src = Picture.Canvas();
    if (TopHeight != 0)
        CopyPiece(dst, TRect{0, 0, width, TopHeight}, src,
                  TRect{SkinRect.Left, SkinRect.Top, SkinRect.Right, SkinRect.Top + TopHeight});
    if (BottomHeight != 0)
        CopyPiece(dst, TRect{0, NewHeight - BottomHeight, width, NewHeight}, src,
                  TRect{SkinRect.Left, SkinRect.Bottom - BottomHeight, SkinRect.Right, SkinRect.Bottom});
    const int middle = std::max(1, RectHeight(SkinRect) - TopHeight - BottomHeight);
    TileVertically(dst, TopHeight, NewHeight - BottomHeight, 0, width, src,
                   TRect{SkinRect.Left, SkinRect.Top + TopHeight, SkinRect.Right, SkinRect.Top + TopHeight + middle});
}

namespace {

// The parts both element compositions share; `openRight` composes an element
// without right edge whose top and bottom run on to Dest's right edge.
void ComposeElement(const SkinGeometry& s, const SkinGeometry& n, gui::TBitmap& Dest, gui::TBitmap& Picture,
                    const TRect& SkinRect, int NewWidth, int NewHeight, bool DrawClient, bool openRight)
{
    Dest.SetSize(NewWidth, NewHeight);
    if (s.RBPoint.X == s.LTPoint.X || s.RBPoint.Y == s.LTPoint.Y || Picture.Empty() || Dest.Empty())
        return;
    gui::TCanvas& dst = Dest.Canvas();
    gui::TCanvas& src = Picture.Canvas();
    const int W = RectWidth(SkinRect), H = RectHeight(SkinRect);
    const int ox = SkinRect.Left, oy = SkinRect.Top;
    auto pic = [ox, oy](int l, int t, int r, int b) { return Offset(TRect{l, t, r, b}, ox, oy); };
    auto copy = [&](const TRect& from, const TRect& to) { CopyPiece(dst, to, src, Offset(from, ox, oy)); };

    // Edges.
    TileHorizontally(dst, n.LTPoint.X, openRight ? NewWidth : n.RTPoint.X, 0, n.ClRect.Top, src,
                     pic(s.LTPoint.X, 0, s.RTPoint.X, s.ClRect.Top));
    TileHorizontally(dst, n.LBPoint.X, openRight ? NewWidth : n.RBPoint.X, n.ClRect.Bottom, NewHeight, src,
                     pic(s.LBPoint.X, s.ClRect.Bottom, s.RBPoint.X, H));
    TileVertically(dst, n.LTPoint.Y, n.LBPoint.Y, 0, n.ClRect.Left, src,
                   pic(0, s.LTPoint.Y, n.ClRect.Left, s.LBPoint.Y));
    if (!openRight)
        TileVertically(dst, n.RTPoint.Y, n.RBPoint.Y, n.ClRect.Right, NewWidth, src,
                       pic(s.ClRect.Right, s.RTPoint.Y, W, s.RBPoint.Y));

    // Corner pieces, each along one edge.
    copy(TRect{0, 0, s.LTPoint.X, s.ClRect.Top}, TRect{0, 0, n.LTPoint.X, n.ClRect.Top});
    copy(TRect{0, s.ClRect.Top, s.ClRect.Left, s.LTPoint.Y},
         TRect{0, n.ClRect.Top, n.ClRect.Left, n.LTPoint.Y});
    if (!openRight) {
        copy(TRect{s.RTPoint.X, 0, W, s.ClRect.Top}, TRect{n.RTPoint.X, 0, NewWidth, n.ClRect.Top});
        copy(TRect{s.ClRect.Right, s.ClRect.Top, W, s.RTPoint.Y},
             TRect{n.ClRect.Right, n.ClRect.Top, NewWidth, n.RTPoint.Y});
    }
    copy(TRect{0, s.LBPoint.Y, s.ClRect.Left, H}, TRect{0, n.LBPoint.Y, n.ClRect.Left, NewHeight});
    copy(TRect{s.ClRect.Left, s.ClRect.Bottom, s.LBPoint.X, H},
         TRect{n.ClRect.Left, n.ClRect.Bottom, n.LBPoint.X, NewHeight});
    if (!openRight) {
        copy(TRect{s.RBPoint.X, s.ClRect.Bottom, W, H}, TRect{n.RBPoint.X, n.ClRect.Bottom, NewWidth, NewHeight});
        copy(TRect{s.ClRect.Right, s.RBPoint.Y, W, s.ClRect.Bottom},
             TRect{n.ClRect.Right, n.RBPoint.Y, NewWidth, n.ClRect.Bottom});
    }

    if (DrawClient) {
        TRect area = n.ClRect;
        if (openRight)
            area.Right = NewWidth;
        TileArea(dst, area, src, Offset(s.ClRect, ox, oy));
    }
}

}  // namespace

void MakeSkinImageEx(const SkinGeometry& Skin, const SkinGeometry& New, gui::TBitmap& Dest, gui::TBitmap& Picture,
                     const TRect& SkinRect, int NewWidth, int NewHeight, bool DrawClient)
{
    ComposeElement(Skin, New, Dest, Picture, SkinRect, NewWidth, NewHeight, DrawClient, false);
}

void MakeSkinImage(const SkinGeometry& Skin, const SkinGeometry& New, gui::TBitmap& Dest, gui::TBitmap& Picture,
                   const TRect& SkinRect, int NewWidth, int NewHeight, bool DrawClient)
{
    ComposeElement(Skin, New, Dest, Picture, SkinRect, NewWidth, NewHeight, DrawClient, true);
}

}  // namespace sk
