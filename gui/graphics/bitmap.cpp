#include "gui/graphics/bitmap.h"

#include <algorithm>
#include <cstring>

#include "gui/core/bmp_image.h"
#include "gui/core/exceptions.h"
#include "gui/core/file_stream.h"
#include "gui/graphics/canvas.h"

namespace gui {

// The bitmap's canvas: a memory DC with the DIB section selected, made on first
// use and dropped whenever the DIB section is replaced.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap& bitmap) : bitmap_(bitmap) {}
    ~TBitmapCanvas() override { FreeContext(); }

    void FreeContext()
    {
        if (!dc_)
            return;
        DeselectObjects();
        if (oldBitmap_)
            ::SelectObject(dc_.Get(), oldBitmap_);
        oldBitmap_ = nullptr;
        AttachHandle(nullptr);
        dc_.Reset();
    }

protected:
    void CreateHandle() override
    {
        dc_.Reset(::CreateCompatibleDC(nullptr));
        if (!dc_)
            throw EOutOfResources("Out of system resources");
        if (bitmap_.dib_)
            oldBitmap_ = ::SelectObject(dc_.Get(), bitmap_.dib_.Get());
        AttachHandle(dc_.Get());
    }

private:
    TBitmap& bitmap_;
    win::UniqueDC dc_;
    HGDIOBJ oldBitmap_ = nullptr;
};

namespace {

// A bottom-up DIB section of the given depth and palette.
win::UniqueBitmap CreateDib(int width, int height, int bitCount, const std::vector<uint32_t>& palette,
                            uint8_t*& bits)
{
    std::vector<uint8_t> info(sizeof(BITMAPINFOHEADER) + palette.size() * sizeof(RGBQUAD));
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = width;
    header->biHeight = height;
    header->biPlanes = 1;
    header->biBitCount = WORD(bitCount);
    header->biCompression = BI_RGB;
    header->biClrUsed = DWORD(palette.size());
    if (!palette.empty())
        std::memcpy(info.data() + sizeof(BITMAPINFOHEADER), palette.data(), palette.size() * sizeof(RGBQUAD));
    void* memory = nullptr;
    win::UniqueBitmap dib(::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS,
                                             &memory, nullptr, 0));
    if (!dib || !memory)
        throw EOutOfResources("Out of system resources");
    bits = static_cast<uint8_t*>(memory);
    return dib;
}

size_t ImageBytes(int width, int height, int bitCount)
{
    return size_t(BmpRowStride(width, bitCount)) * size_t(height);
}

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::~TBitmap()
{
    FreeCanvasContext();
}

void TBitmap::FreeCanvasContext()
{
    if (canvas_)
        canvas_->FreeContext();
}

void TBitmap::Replace(win::UniqueBitmap dib, uint8_t* bits, int width, int height)
{
    FreeCanvasContext();
    dib_ = std::move(dib);
    bits_ = dib_ ? bits : nullptr;
    width_ = width;
    height_ = height;
}

TPixelFormat TBitmap::PixelFormat() const
{
    switch (bitCount_) {
    case 1:
        return pf1bit;
    case 4:
        return pf4bit;
    case 8:
        return pf8bit;
    case 32:
        return pf32bit;
    default:
        return pf24bit;
    }
}

TCanvas& TBitmap::Canvas()
{
    if (!canvas_)
        canvas_ = std::make_unique<TBitmapCanvas>(*this);
    return *canvas_;
}

void TBitmap::SetSize(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == width_ && height == height_)
        return;
    if (width == 0 || height == 0) {
        Replace(win::UniqueBitmap(), nullptr, width, height);
        return;
    }
    uint8_t* bits = nullptr;
    win::UniqueBitmap fresh = CreateDib(width, height, bitCount_, palette_, bits);
    {
        win::UniqueDC dc(::CreateCompatibleDC(nullptr));
        win::SelectedObject selected(dc.Get(), fresh.Get());
        const RECT all{0, 0, width, height};
        ::FillRect(dc.Get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        if (dib_)
            ::BitBlt(dc.Get(), 0, 0, std::min(width, width_), std::min(height, height_), Canvas().Handle(), 0, 0,
                     SRCCOPY);
        ::GdiFlush();
    }
    Replace(std::move(fresh), bits, width, height);
}

void TBitmap::Assign(const TBitmap& source)
{
    if (&source == this)
        return;
    ::GdiFlush();
    bitCount_ = source.bitCount_;
    palette_ = source.palette_;
    transparent_ = source.transparent_;
    transparentMode_ = source.transparentMode_;
    transparentColor_ = source.transparentColor_;
    if (source.Empty()) {
        Replace(win::UniqueBitmap(), nullptr, source.width_, source.height_);
        return;
    }
    uint8_t* bits = nullptr;
    win::UniqueBitmap copy = CreateDib(source.width_, source.height_, bitCount_, palette_, bits);
    std::memcpy(bits, source.bits_, ImageBytes(source.width_, source.height_, bitCount_));
    Replace(std::move(copy), bits, source.width_, source.height_);
}

void TBitmap::LoadFromStream(TStream& stream)
{
    LoadFromImage(ReadBmp(stream));
}

void TBitmap::SaveToStream(TStream& stream) const
{
    if (!Empty())
        WriteBmp(stream, SaveToImage());
}

void TBitmap::LoadFromImage(const BmpImage& image)
{
    if (image.Empty() && image.bits.empty()) {
        Replace(win::UniqueBitmap(), nullptr, 0, 0);
        return;
    }
    const bool knownDepth = image.bitCount == 1 || image.bitCount == 4 || image.bitCount == 8 ||
                            image.bitCount == 24 || image.bitCount == 32;
    const size_t paletteCount = knownDepth && image.bitCount <= 8 ? size_t(1) << image.bitCount : 0;
    if (image.width < 1 || image.height < 1 || !knownDepth || image.palette.size() != paletteCount ||
        uint64_t(image.bits.size()) != uint64_t(BmpRowStride(image.width, image.bitCount)) * uint64_t(image.height))
        throw EInvalidGraphic("Bitmap image is not valid");
    uint8_t* bits = nullptr;
    win::UniqueBitmap dib = CreateDib(image.width, image.height, image.bitCount, image.palette, bits);
    std::memcpy(bits, image.bits.data(), image.bits.size());
    bitCount_ = image.bitCount;
    palette_ = image.palette;
    Replace(std::move(dib), bits, image.width, image.height);
}

BmpImage TBitmap::SaveToImage() const
{
    BmpImage image;
    if (Empty()) {
        image.width = 0;
        image.height = 0;
        return image;
    }
    ::GdiFlush();
    image.width = width_;
    image.height = height_;
    image.bitCount = bitCount_;
    image.palette = palette_;
    image.bits.assign(bits_, bits_ + ImageBytes(width_, height_, bitCount_));
    return image;
}

void TBitmap::LoadFromFile(const std::string& fileName)
{
    TFileStream file(fileName, fmOpenRead);
    LoadFromStream(file);
}

void TBitmap::SaveToFile(const std::string& fileName) const
{
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

TColor TBitmap::TransparentColor()
{
    if (transparentMode_ == tmFixed)
        return transparentColor_;
    if (Empty())
        return clDefault;
    return Canvas().Pixels(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor color)
{
    transparentColor_ = color;
    transparentMode_ = tmFixed;
}

}  // namespace gui
