// A 24-bit top-down DIB section copied from any bitmap: the pixel memory that the
// per-pixel code of the skin engine (mask scanning, effects) works in. Pixels are
// blue, green, red; each row is padded to a multiple of 4 bytes.
#pragma once

#include <windows.h>

#include <cstdint>

#include "win/gdi_handles.h"

namespace sk {

struct Dib24 {
    win::UniqueBitmap handle;
    uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;  // 3 x width + width mod 4
    BITMAPINFO info{};

    uint8_t* Row(int y) const { return bits + static_cast<ptrdiff_t>(y) * stride; }
};

// Copies `source` through GetDIBits with `dc`. A source without pixels (or one that
// cannot be read) gives an empty copy: width and height 0, no bits.
Dib24 CopyToDib24(HBITMAP source, HDC dc);

}  // namespace sk
