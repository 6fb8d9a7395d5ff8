#include "skin/imaging/skin_image.h"

#include <algorithm>

#include "gui/graphics/canvas.h"
#include "skin/imaging/tiling.h"

namespace sk {

namespace {

// Shared by the horizontal images: `withRightEnd` decides whether the right end
// piece is drawn and where the middle stops.
void MakeHImage(int leftWidth, int rightWidth, gui::TBitmap& target, gui::TBitmap& picture, const TRect& skinRect,
                int newWidth, bool withRightEnd)
{
    const int height = RectHeight(skinRect);
    target.SetSize(newWidth, height);
    if (picture.Empty() || target.Empty())
        return;
    gui::TCanvas& dst = target.Canvas();
    gui::TCanvas& src = picture.Canvas();
    if (leftWidth != 0)
        CopyPiece(dst, TRect{0, 0, leftWidth, height}, src,
                  TRect{skinRect.Left, skinRect.Top, skinRect.Left + leftWidth, skinRect.Bottom});
    if (withRightEnd && rightWidth != 0)
        CopyPiece(dst, TRect{newWidth - rightWidth, 0, newWidth, height}, src,
                  TRect{skinRect.Right - rightWidth, skinRect.Top, skinRect.Right, skinRect.Bottom});
    const int middle = std::max(1, RectWidth(skinRect) - leftWidth - rightWidth);
    const int end = withRightEnd ? newWidth - rightWidth : newWidth;
    TileHorizontally(dst, leftWidth, end, 0, height, src,
                     TRect{skinRect.Left + leftWidth, skinRect.Top, skinRect.Left + leftWidth + middle, skinRect.Bottom});
}

}  // namespace

void MakeHSkinImage(int leftWidth, int rightWidth, gui::TBitmap& target, gui::TBitmap& picture, const TRect& skinRect,
                    int newWidth)
{
    MakeHImage(leftWidth, rightWidth, target, picture, skinRect, newWidth, true);
}

void MakeHTiledImage(int leftWidth, int rightWidth, gui::TBitmap& target, gui::TBitmap& picture,
                     const TRect& skinRect, int newWidth)
{
    MakeHImage(leftWidth, rightWidth, target, picture, skinRect, newWidth, false);
}

void MakeVSkinImage(int topHeight, int bottomHeight, gui::TBitmap& target, gui::TBitmap& picture,
                    const TRect& skinRect, int newHeight)
{
    const int width = RectWidth(skinRect);
    target.SetSize(width, newHeight);
    if (picture.Empty() || target.Empty())
        return;
    gui::TCanvas& dst = target.Canvas();
    gui::TCanvas& src = picture.Canvas();
    if (topHeight != 0)
        CopyPiece(dst, TRect{0, 0, width, topHeight}, src,
                  TRect{skinRect.Left, skinRect.Top, skinRect.Right, skinRect.Top + topHeight});
    if (bottomHeight != 0)
        CopyPiece(dst, TRect{0, newHeight - bottomHeight, width, newHeight}, src,
                  TRect{skinRect.Left, skinRect.Bottom - bottomHeight, skinRect.Right, skinRect.Bottom});
    const int middle = std::max(1, RectHeight(skinRect) - topHeight - bottomHeight);
    TileVertically(dst, topHeight, newHeight - bottomHeight, 0, width, src,
                   TRect{skinRect.Left, skinRect.Top + topHeight, skinRect.Right, skinRect.Top + topHeight + middle});
}

namespace {

// The parts both element compositions share; `openRight` composes an element
// without right edge whose top and bottom run on to `target`'s right edge.
void ComposeElement(const SkinGeometry& skin, const SkinGeometry& resized, gui::TBitmap& target, gui::TBitmap& picture,
                    const TRect& skinRect, int newWidth, int newHeight, bool drawClient, bool openRight)
{
    target.SetSize(newWidth, newHeight);
    if (skin.RBPoint.X == skin.LTPoint.X || skin.RBPoint.Y == skin.LTPoint.Y || picture.Empty() || target.Empty())
        return;
    gui::TCanvas& dst = target.Canvas();
    gui::TCanvas& src = picture.Canvas();
    const int W = RectWidth(skinRect), H = RectHeight(skinRect);
    const int ox = skinRect.Left, oy = skinRect.Top;
    auto pic = [ox, oy](int left, int top, int right, int bottom) {
        return Offset(TRect{left, top, right, bottom}, ox, oy);
    };
    auto copy = [&](const TRect& from, const TRect& to) { CopyPiece(dst, to, src, Offset(from, ox, oy)); };

    // Edges.
    TileHorizontally(dst, resized.LTPoint.X, openRight ? newWidth : resized.RTPoint.X, 0, resized.ClRect.Top, src,
                     pic(skin.LTPoint.X, 0, skin.RTPoint.X, skin.ClRect.Top));
    TileHorizontally(dst, resized.LBPoint.X, openRight ? newWidth : resized.RBPoint.X, resized.ClRect.Bottom, newHeight,
                     src, pic(skin.LBPoint.X, skin.ClRect.Bottom, skin.RBPoint.X, H));
    TileVertically(dst, resized.LTPoint.Y, resized.LBPoint.Y, 0, resized.ClRect.Left, src,
                   pic(0, skin.LTPoint.Y, resized.ClRect.Left, skin.LBPoint.Y));
    if (!openRight)
        TileVertically(dst, resized.RTPoint.Y, resized.RBPoint.Y, resized.ClRect.Right, newWidth, src,
                       pic(skin.ClRect.Right, skin.RTPoint.Y, W, skin.RBPoint.Y));

    // Corner pieces, each along one edge.
    copy(TRect{0, 0, skin.LTPoint.X, skin.ClRect.Top}, TRect{0, 0, resized.LTPoint.X, resized.ClRect.Top});
    copy(TRect{0, skin.ClRect.Top, skin.ClRect.Left, skin.LTPoint.Y},
         TRect{0, resized.ClRect.Top, resized.ClRect.Left, resized.LTPoint.Y});
    if (!openRight) {
        copy(TRect{skin.RTPoint.X, 0, W, skin.ClRect.Top}, TRect{resized.RTPoint.X, 0, newWidth, resized.ClRect.Top});
        copy(TRect{skin.ClRect.Right, skin.ClRect.Top, W, skin.RTPoint.Y},
             TRect{resized.ClRect.Right, resized.ClRect.Top, newWidth, resized.RTPoint.Y});
    }
    copy(TRect{0, skin.LBPoint.Y, skin.ClRect.Left, H}, TRect{0, resized.LBPoint.Y, resized.ClRect.Left, newHeight});
    copy(TRect{skin.ClRect.Left, skin.ClRect.Bottom, skin.LBPoint.X, H},
         TRect{resized.ClRect.Left, resized.ClRect.Bottom, resized.LBPoint.X, newHeight});
    if (!openRight) {
        copy(TRect{skin.RBPoint.X, skin.ClRect.Bottom, W, H},
             TRect{resized.RBPoint.X, resized.ClRect.Bottom, newWidth, newHeight});
        copy(TRect{skin.ClRect.Right, skin.RBPoint.Y, W, skin.ClRect.Bottom},
             TRect{resized.ClRect.Right, resized.RBPoint.Y, newWidth, resized.ClRect.Bottom});
    }

    if (drawClient) {
        TRect area = resized.ClRect;
        if (openRight)
            area.Right = newWidth;
        TileArea(dst, area, src, Offset(skin.ClRect, ox, oy));
    }
}

}  // namespace

void MakeSkinImageEx(const SkinGeometry& skin, const SkinGeometry& resized, gui::TBitmap& target, gui::TBitmap& picture,
                     const TRect& skinRect, int newWidth, int newHeight, bool drawClient)
{
    ComposeElement(skin, resized, target, picture, skinRect, newWidth, newHeight, drawClient, false);
}

void MakeSkinImage(const SkinGeometry& skin, const SkinGeometry& resized, gui::TBitmap& target, gui::TBitmap& picture,
                   const TRect& skinRect, int newWidth, int newHeight, bool drawClient)
{
    ComposeElement(skin, resized, target, picture, skinRect, newWidth, newHeight, drawClient, true);
}

}  // namespace sk
