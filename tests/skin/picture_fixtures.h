// Test pictures whose pixels tell where they came from, and readers of pixels.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "gui/graphics/bitmap.h"

namespace skintest {

// A 24-bit picture whose red channel is x and green channel y (both below 256).
void MakeRamp(gui::TBitmap& bitmap, int width, int height);
// A 24-bit picture from rows of characters: '#' black, '.' white, 'g' the almost
// black (1, 1, 1).
void MakeMask(gui::TBitmap& bitmap, const std::vector<std::string>& rows);
// A picture of any depth straight from pixel values: `colour(x, y)` gives the
// palette index (up to 8 bits) or the 0xRRGGBB value.
template <typename F>
void MakePicture(gui::TBitmap& bitmap, int width, int height, int bitCount, const std::vector<uint32_t>& palette,
                 F colour);

int Red(gui::TBitmap& bitmap, int x, int y);
int Green(gui::TBitmap& bitmap, int x, int y);
// Red values of row y, columns x0..x1-1.
std::vector<int> Reds(gui::TBitmap& bitmap, int y, int x0, int x1);
// Green values of column x, rows y0..y1-1.
std::vector<int> Greens(gui::TBitmap& bitmap, int x, int y0, int y1);
// 0, 1, ... n-1 shifted by `from`, repeating every `period`.
std::vector<int> Sequence(int from, int count, int period = 1 << 30);

void LoadImage(gui::TBitmap& bitmap, int width, int height, int bitCount, const std::vector<uint32_t>& palette,
               const std::vector<uint32_t>& pixels);

template <typename F>
void MakePicture(gui::TBitmap& bitmap, int width, int height, int bitCount, const std::vector<uint32_t>& palette,
                 F colour)
{
    std::vector<uint32_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(colour(x, y));
    LoadImage(bitmap, width, height, bitCount, palette, pixels);
}

}  // namespace skintest
