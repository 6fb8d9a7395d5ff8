// BMP files in memory form: reading with every header field checked against the
// bytes present, and writing. Pictures of 1, 4, 8, 24 and 32 bits per pixel,
// uncompressed (32-bit ones also with the plain blue-green-red bit fields).
//
// A read image is normalised: rows bottom-up as in a file, palettes of 8 bits or
// fewer filled up to all 2^bits entries (the missing ones black), bit fields
// dropped. Writing an image and reading it back gives the same image, and the
// bytes written depend on the image alone, so whatever reads and writes the same
// picture produces the same file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gui {

class TStream;

struct BmpImage {
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitCount = 24;          // 1, 4, 8, 24 or 32
    std::vector<uint32_t> palette;  // 0x00RRGGBB; 2^bitCount entries up to 8 bits, else none
    std::vector<uint8_t> bits;      // rows bottom-up, BmpRowStride bytes each

    // No picture at all: what an empty bitmap gives.
    bool Empty() const { return width < 1 || height < 1; }
};

constexpr size_t kBmpFileHeaderSize = 14;
constexpr size_t kBmpInfoHeaderSize = 40;

// Bytes of one row: the pixels' bits rounded up to a multiple of 4 bytes.
int64_t BmpRowStride(int64_t width, int32_t bitCount);

// A whole BMP file of `size` bytes. Raises EInvalidGraphic when it is not one.
BmpImage ParseBmp(const uint8_t* data, size_t size);
// Reads one BMP file from the stream's position: exactly as many bytes as its file
// header gives (bfSize). Raises EInvalidGraphic for a bad or short file.
BmpImage ReadBmp(TStream& stream);
// Writes a file header, a 40-byte info header, the palette and the rows.
void WriteBmp(TStream& stream, const BmpImage& image);

}  // namespace gui
