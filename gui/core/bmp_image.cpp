#include "gui/core/bmp_image.h"

#include <algorithm>
#include <cstring>

#include "gui/core/exceptions.h"
#include "gui/core/stream.h"

namespace gui {

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;

[[noreturn]] void Invalid() { throw EInvalidGraphic("Bitmap image is not valid"); }

uint16_t Le16(const uint8_t* bytes) { return uint16_t(bytes[0] | (bytes[1] << 8)); }

uint32_t Le32(const uint8_t* bytes)
{
    return uint32_t(bytes[0]) | (uint32_t(bytes[1]) << 8) | (uint32_t(bytes[2]) << 16) | (uint32_t(bytes[3]) << 24);
}

void Put16(std::vector<uint8_t>& out, uint16_t value)
{
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

bool KnownInfoHeaderSize(uint32_t size)
{
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool KnownBitCount(uint32_t bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32; }

}  // namespace

int64_t BmpRowStride(int64_t width, int32_t bitCount) { return (width * bitCount + 31) / 32 * 4; }

BmpImage ParseBmp(const uint8_t* data, size_t size)
{
    if (!data || size < kBmpFileHeaderSize + kBmpInfoHeaderSize || data[0] != 'B' || data[1] != 'M')
        Invalid();
    const uint64_t fileSize = Le32(data + 2);
    const uint64_t offBits = Le32(data + 10);
    if (fileSize > size || fileSize < kBmpFileHeaderSize + kBmpInfoHeaderSize)
        Invalid();

    const uint8_t* info = data + kBmpFileHeaderSize;
    const uint32_t infoSize = Le32(info);
    if (!KnownInfoHeaderSize(infoSize) || kBmpFileHeaderSize + infoSize > fileSize)
        Invalid();
    const auto width = static_cast<int32_t>(Le32(info + 4));
    const auto rawHeight = static_cast<int32_t>(Le32(info + 8));
    const uint16_t planes = Le16(info + 12);
    const uint16_t bitCount = Le16(info + 14);
    const uint32_t compression = Le32(info + 16);
    const uint32_t colorsUsed = Le32(info + 32);
    if (width < 1 || rawHeight == 0 || rawHeight == INT32_MIN || planes != 1 || !KnownBitCount(bitCount))
        Invalid();
    const int64_t height = rawHeight < 0 ? -int64_t(rawHeight) : int64_t(rawHeight);

    uint64_t paletteStart = kBmpFileHeaderSize + infoSize;
    if (compression == kBiBitfields) {
        // Only the layout that plain 32-bit pictures have: blue, green, red bytes.
        if (bitCount != 32)
            Invalid();
        const uint8_t* masks = info + 40;
        if (infoSize == 40) {
            if (paletteStart + 12 > fileSize)
                Invalid();
            paletteStart += 12;
        }
        if (Le32(masks) != 0x00FF0000 || Le32(masks + 4) != 0x0000FF00 || Le32(masks + 8) != 0x000000FF)
            Invalid();
    } else if (compression != kBiRgb) {
        Invalid();
    }

    BmpImage image;
    image.width = width;
    image.height = static_cast<int32_t>(height);
    image.bitCount = bitCount;
    uint64_t paletteEnd = paletteStart;
    if (bitCount <= 8) {
        const uint32_t fullCount = 1u << bitCount;
        const uint32_t count = colorsUsed == 0 ? fullCount : colorsUsed;
        if (count > fullCount)
            Invalid();
        paletteEnd = paletteStart + uint64_t(count) * 4;
        if (paletteEnd > offBits || paletteEnd > fileSize)
            Invalid();
        image.palette.assign(fullCount, 0);
        for (uint32_t i = 0; i < count; ++i)
            image.palette[i] = Le32(data + paletteStart + 4 * i) & 0x00FFFFFF;
    }
    if (offBits < paletteEnd)
        Invalid();

    const int64_t stride = BmpRowStride(width, bitCount);
    const uint64_t imageBytes = uint64_t(stride) * uint64_t(height);
    if (offBits > fileSize || imageBytes > fileSize - offBits)
        Invalid();

    image.bits.resize(static_cast<size_t>(imageBytes));
    const uint8_t* pixels = data + offBits;
    if (rawHeight > 0) {
        std::memcpy(image.bits.data(), pixels, image.bits.size());
    } else {
        for (int64_t row = 0; row < height; ++row)  // stored top-down: turn over
            std::memcpy(image.bits.data() + (height - 1 - row) * stride, pixels + row * stride,
                        static_cast<size_t>(stride));
    }
    return image;
}

BmpImage ReadBmp(TStream& stream)
{
    std::vector<uint8_t> file(kBmpFileHeaderSize);
    if (stream.Read(file.data(), int32_t(file.size())) != int32_t(file.size()) || file[0] != 'B' || file[1] != 'M')
        Invalid();
    const uint32_t fileSize = Le32(file.data() + 2);
    if (fileSize < kBmpFileHeaderSize + kBmpInfoHeaderSize)
        Invalid();
    // Grow with what actually arrives, so that a size field that lies costs no more
    // memory than the bytes present.
    constexpr size_t kChunk = 64 * 1024;
    while (file.size() < fileSize) {
        const size_t want = std::min<size_t>(kChunk, fileSize - file.size());
        const size_t old = file.size();
        file.resize(old + want);
        if (stream.Read(file.data() + old, int32_t(want)) != int32_t(want))
            Invalid();
    }
    return ParseBmp(file.data(), file.size());
}

void WriteBmp(TStream& stream, const BmpImage& image)
{
    const size_t paletteCount = image.bitCount <= 8 ? size_t(1) << image.bitCount : 0;
    const int64_t stride = BmpRowStride(image.width, image.bitCount);
    if (image.width < 1 || image.height < 1 || !KnownBitCount(uint32_t(image.bitCount)) ||
        image.palette.size() != paletteCount || int64_t(image.bits.size()) != stride * image.height)
        Invalid();
    const uint32_t offBits = uint32_t(kBmpFileHeaderSize + kBmpInfoHeaderSize + paletteCount * 4);
    const uint32_t fileSize = offBits + uint32_t(image.bits.size());

    std::vector<uint8_t> head;
    head.reserve(offBits);
    head.push_back('B');
    head.push_back('M');
    Put32(head, fileSize);
    Put32(head, 0);
    Put32(head, offBits);
    Put32(head, uint32_t(kBmpInfoHeaderSize));
    Put32(head, uint32_t(image.width));
    Put32(head, uint32_t(image.height));
    Put16(head, 1);
    Put16(head, uint16_t(image.bitCount));
    Put32(head, kBiRgb);
    Put32(head, uint32_t(image.bits.size()));
    Put32(head, 0);  // pixels per metre, x and y
    Put32(head, 0);
    Put32(head, 0);  // colours used: all
    Put32(head, 0);
    for (uint32_t c : image.palette)
        Put32(head, c & 0x00FFFFFF);
    stream.WriteBuffer(head.data(), int32_t(head.size()));
    stream.WriteBuffer(image.bits.data(), int32_t(image.bits.size()));
}

}  // namespace gui
