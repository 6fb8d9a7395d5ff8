// A 24-bit top-down copy of a bitmap with a table of row addresses, for reading
// pixels directly (the mask-to-region scan). It owns its DIB section and a memory
// DC with the section selected.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "skin/imaging/dib24.h"
#include "win/gdi_handles.h"

namespace sk {

class TFBitmap {
public:
    explicit TFBitmap(HBITMAP source);
    ~TFBitmap();
    TFBitmap(const TFBitmap&) = delete;
    TFBitmap& operator=(const TFBitmap&) = delete;

    int Width() const { return dib_.width; }
    int Height() const { return dib_.height; }
    // Row y from the top: Width pixels of blue, green, red.
    uint8_t* Row(int y) const { return rows_[size_t(y)]; }
    const std::vector<uint8_t*>& Rows() const { return rows_; }
    HDC DC() const { return dc_.Get(); }

private:
    Dib24 dib_;
    std::vector<uint8_t*> rows_;
    win::UniqueDC dc_;
    HGDIOBJ oldBitmap_ = nullptr;
};

}  // namespace sk
