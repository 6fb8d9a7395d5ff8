// Window regions from mask pictures: a pixel whose red, green and blue are all 0
// is inside, any other colour outside. Each horizontal run of inside pixels in a
// row becomes one rectangle of the region.
#pragma once

#include <cstdint>
#include <vector>

#include "gui/graphics/bitmap.h"
#include "skin/model/geometry.h"
#include "win/gdi_handles.h"

namespace sk {

// Fills `data` with a region data block (the layout ExtCreateRegion takes: a 32-byte
// header with the run count and the bounds (dx, dy, dx + width, dy + height), then
// one rectangle per run, moved by (dx, dy)) and answers its length in bytes. An
// empty mask gives 0 and no data.
uint32_t CreateMaskRegionData(gui::TBitmap& mask, int dx, int dy, std::vector<uint8_t>& data);

// The region of the whole mask; none for an empty mask, an empty region for a mask
// without black pixels.
win::UniqueRegion MaskToRegion(gui::TBitmap& mask);

// The region of a window or control of a new size from its mask: the frame strips
// cut from the mask (MakeSkinFrameStrips) joined with the new client rectangle.
// None for inverted target points or a null new client rectangle.
win::UniqueRegion MakeSkinRegion(const SkinGeometry& skin, const SkinGeometry& resized, gui::TBitmap& mask,
                                 int newWidth);

}  // namespace sk
