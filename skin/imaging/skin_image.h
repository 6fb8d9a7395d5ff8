// Composition of a skin element's picture at a new size: end pieces and corners
// kept, the middle parts of the edges and the client area tiled. `target` is sized by
// the routine; `picture` is the skin picture and `skinRect` the element's rectangle
// in it.
#pragma once

#include "gui/graphics/bitmap.h"
#include "skin/model/geometry.h"

namespace sk {

// A horizontally stretching element (caption bar, menu bar): `target` becomes
// `newWidth` wide and as high as `skinRect`; the first `leftWidth` and last
// `rightWidth` columns are kept at the ends and the middle between them is tiled.
void MakeHSkinImage(int leftWidth, int rightWidth, gui::TBitmap& target, gui::TBitmap& picture, const TRect& skinRect,
                    int newWidth);
// The same without a right end piece: the middle is tiled to the right edge.
void MakeHTiledImage(int leftWidth, int rightWidth, gui::TBitmap& target, gui::TBitmap& picture,
                     const TRect& skinRect, int newWidth);
// The vertical twin of MakeHSkinImage: `target` keeps `skinRect`'s width.
void MakeVSkinImage(int topHeight, int bottomHeight, gui::TBitmap& target, gui::TBitmap& picture,
                    const TRect& skinRect, int newHeight);

// An element of a new size: the four edges' middle parts tiled between the new
// corner points, the eight L-shaped corner pieces copied, and with `drawClient`
// the client part tiled over the new client rectangle (otherwise `target`'s client
// area is left for the caller to paint).
void MakeSkinImageEx(const SkinGeometry& skin, const SkinGeometry& resized, gui::TBitmap& target, gui::TBitmap& picture,
                     const TRect& skinRect, int newWidth, int newHeight, bool drawClient);
// An element open on its right side (a list-view header): top and bottom edges
// tiled to `target`'s right edge, no right edge and no right-hand corner pieces.
void MakeSkinImage(const SkinGeometry& skin, const SkinGeometry& resized, gui::TBitmap& target, gui::TBitmap& picture,
                   const TRect& skinRect, int newWidth, int newHeight, bool drawClient);

}  // namespace sk
