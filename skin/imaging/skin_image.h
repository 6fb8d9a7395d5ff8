// Composition of a skin element's picture at a new size: end pieces and corners
// kept, the middle parts of the edges and the client area tiled. Dest is sized by
// the routine; Picture is the skin picture and SkinRect the element's rectangle in
// it.
#pragma once

#include "gui/graphics/bitmap.h"
#include "skin/model/geometry.h"

namespace sk {

// A horizontally stretching element (caption bar, menu bar): Dest becomes
// NewWidth wide and as high as SkinRect; the first LeftWidth and last RightWidth
// columns are kept at the ends and the middle between them is tiled.
void MakeHSkinImage(int LeftWidth, int RightWidth, gui::TBitmap& Dest, gui::TBitmap& Picture, const TRect& SkinRect,
                    int NewWidth);
// The same without a right end piece: the middle is tiled to the right edge.
void MakeHTiledImage(int LeftWidth, int RightWidth, gui::TBitmap& Dest, gui::TBitmap& Picture,
                     const TRect& SkinRect, int NewWidth);
// The vertical twin of MakeHSkinImage: Dest keeps SkinRect's width.
void MakeVSkinImage(int TopHeight, int BottomHeight, gui::TBitmap& Dest, gui::TBitmap& Picture,
                    const TRect& SkinRect, int NewHeight);

// An element of a new size: the four edges' middle parts tiled between the new
// corner points, the eight L-shaped corner pieces copied, and with DrawClient the
// client part tiled over the new client rectangle (otherwise Dest's client area is
// left for the caller to paint).
void MakeSkinImageEx(const SkinGeometry& Skin, const SkinGeometry& New, gui::TBitmap& Dest, gui::TBitmap& Picture,
                     const TRect& SkinRect, int NewWidth, int NewHeight, bool DrawClient);
// An element open on its right side (a list-view header): top and bottom edges
// tiled to Dest's right edge, no right edge and no right-hand corner pieces.
void MakeSkinImage(const SkinGeometry& Skin, const SkinGeometry& New, gui::TBitmap& Dest, gui::TBitmap& Picture,
                   const TRect& SkinRect, int NewWidth, int NewHeight, bool DrawClient);

}  // namespace sk
