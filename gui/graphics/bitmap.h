// A picture in memory: a device-independent bitmap (DIB section) of 1, 4, 8, 24
// or 32 bits per pixel, drawn on through its canvas and read from and written to
// BMP files. New bitmaps are 24-bit; loaded ones keep the file's depth and
// palette. A bitmap whose width or height is 0 is empty and has no handle.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gui/core/color.h"
#include "win/gdi_handles.h"

namespace gui {

class TCanvas;
class TStream;
class TBitmapCanvas;
struct BmpImage;

enum TPixelFormat { pf1bit, pf4bit, pf8bit, pf24bit, pf32bit };
// tmAuto: the transparent colour is that of the bottom-left pixel.
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap {
public:
    TBitmap();
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Resizing keeps the picture's top-left part; new pixels are white.
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }
    void SetSize(int width, int height);
    bool Empty() const { return !dib_; }
    HBITMAP Handle() const { return dib_.Get(); }
    TPixelFormat PixelFormat() const;
    TCanvas& Canvas();

    // A deep copy: pixels, depth, palette and transparency settings.
    void Assign(const TBitmap& source);

    // Reads one BMP file (EInvalidGraphic when it is not valid; the bitmap is then
    // unchanged). Saving an empty bitmap writes nothing.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;
    // The same through the portable form of a BMP file. An image that is not
    // consistent raises EInvalidGraphic; an image without pixels empties the bitmap.
    void LoadFromImage(const BmpImage& image);
    BmpImage SaveToImage() const;  // width 0 for an empty bitmap

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value) { transparent_ = value; }
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode mode) { transparentMode_ = mode; }
    TColor TransparentColor();
    void SetTransparentColor(TColor color);  // also switches the mode to tmFixed

private:
    void Replace(win::UniqueBitmap dib, uint8_t* bits, int width, int height);
    void FreeCanvasContext();

    friend class TBitmapCanvas;
    win::UniqueBitmap dib_;
    uint8_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int bitCount_ = 24;
    std::vector<uint32_t> palette_;  // 2^bitCount entries up to 8 bits
    std::unique_ptr<TBitmapCanvas> canvas_;
    bool transparent_ = false;
    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clDefault;
};

}  // namespace gui
