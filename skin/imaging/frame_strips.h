// Cutting a skinned window's frame into four strips for a new size: top and
// bottom as wide as the window, left and right between them. A strip whose size
// comes out below one pixel is not made and keeps what its bitmap held.
#pragma once

#include "gui/graphics/bitmap.h"
#include "skin/model/geometry.h"

namespace sk {

// From the whole picture (for window regions): the strips keep the picture's
// frame thickness, the side strips are as high as the new client rectangle, and
// every middle part is tiled. The Y coordinates of the new corner points are not
// used: side strips tile from their own top.
void MakeSkinFrameStrips(const SkinGeometry& skin, const SkinGeometry& resized, gui::TBitmap& picture,
                         gui::TBitmap& topStrip, gui::TBitmap& leftStrip, gui::TBitmap& rightStrip,
                         gui::TBitmap& bottomStrip, int newWidth);

// From `skinRect` inside the picture (for painting a form's frame or a control
// bar): the strips take the new frame thickness, and each strip's middle is
// stretched or tiled by its flag. The side strips fill the height left between
// the top and bottom strip bitmaps.
void MakeSkinFrameStripsEx(const SkinGeometry& skin, const SkinGeometry& resized, gui::TBitmap& leftStrip,
                           gui::TBitmap& topStrip, gui::TBitmap& rightStrip, gui::TBitmap& bottomStrip,
                           gui::TBitmap& picture, const TRect& skinRect, int newWidth, int newHeight,
                           bool leftStretch, bool topStretch, bool rightStretch, bool bottomStretch);

}  // namespace sk
