#include "skin/imaging/tiling.h"

#include <algorithm>

namespace sk {

using gui::TRect;

void CopyPiece(gui::TCanvas& dest, const TRect& destRect, gui::TCanvas& source, const TRect& sourceRect)
{
    if (destRect.Right <= destRect.Left || destRect.Bottom <= destRect.Top || sourceRect.Right <= sourceRect.Left ||
        sourceRect.Bottom <= sourceRect.Top)
        return;
    dest.CopyRect(destRect, source, sourceRect);
}

void TileHorizontally(gui::TCanvas& dest, int x0, int x1, int top, int bottom, gui::TCanvas& source,
                      const TRect& segment)
{
    const int length = segment.Right - segment.Left;
    if (length < 1)
        return;
    for (int x = x0; x < x1; x += length) {
        const int w = std::min(length, x1 - x);
        CopyPiece(dest, TRect{x, top, x + w, bottom}, source,
                  TRect{segment.Left, segment.Top, segment.Left + w, segment.Bottom});
    }
}

void TileVertically(gui::TCanvas& dest, int y0, int y1, int left, int right, gui::TCanvas& source,
                    const TRect& segment)
{
    const int length = segment.Bottom - segment.Top;
    if (length < 1)
        return;
    for (int y = y0; y < y1; y += length) {
        const int h = std::min(length, y1 - y);
        CopyPiece(dest, TRect{left, y, right, y + h}, source,
                  TRect{segment.Left, segment.Top, segment.Right, segment.Top + h});
    }
}

void TileArea(gui::TCanvas& dest, const TRect& area, gui::TCanvas& source, const TRect& segment)
{
    const int width = segment.Right - segment.Left;
    if (width < 1)
        return;
    for (int x = area.Left; x < area.Right; x += width) {
        const int w = std::min(width, area.Right - x);
        TileVertically(dest, area.Top, area.Bottom, x, x + w, source,
                       TRect{segment.Left, segment.Top, segment.Left + w, segment.Bottom});
    }
}

}  // namespace sk
