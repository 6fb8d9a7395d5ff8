// The copies that compositions are made of. A piece is copied from a rectangle of
// the source canvas to one of the destination, scaled when the sizes differ; a
// piece with no area (or turned inside out) is skipped. A segment is tiled by
// copying it side by side from a start to an end, the last tile cut short; a
// segment of no length lays nothing.
#pragma once

#include "gui/core/types.h"
#include "gui/graphics/canvas.h"

namespace sk {

void CopyPiece(gui::TCanvas& dest, const gui::TRect& destRect, gui::TCanvas& source, const gui::TRect& sourceRect);

// Tiles `segment` along x from x0 to x1, each tile filling rows top..bottom.
void TileHorizontally(gui::TCanvas& dest, int x0, int x1, int top, int bottom, gui::TCanvas& source,
                      const gui::TRect& segment);
// Tiles `segment` along y from y0 to y1, each tile filling columns left..right.
void TileVertically(gui::TCanvas& dest, int y0, int y1, int left, int right, gui::TCanvas& source,
                    const gui::TRect& segment);
// Tiles `segment` over `area` in both directions: columns from the left, and rows
// from the top within each column; tiles are cut at the area's right and bottom.
void TileArea(gui::TCanvas& dest, const gui::TRect& area, gui::TCanvas& source, const gui::TRect& segment);

// `rect` moved by (dx, dy): from skin-element coordinates to picture coordinates.
inline gui::TRect Offset(const gui::TRect& rect, int dx, int dy)
{
    return gui::TRect{rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy};
}

}  // namespace sk
