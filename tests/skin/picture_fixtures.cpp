#include "picture_fixtures.h"

#include "gui/core/bmp_image.h"
#include "gui/core/memory_stream.h"
#include "gui/graphics/canvas.h"

namespace skintest {

void LoadImage(gui::TBitmap& bitmap, int width, int height, int bitCount, const std::vector<uint32_t>& palette,
               const std::vector<uint32_t>& pixels)
{
    gui::BmpImage image;
    image.width = width;
    image.height = height;
    image.bitCount = bitCount;
    image.palette = palette;
    if (bitCount <= 8)
        image.palette.resize(size_t(1) << bitCount, 0);
    const auto stride = size_t(gui::BmpRowStride(width, bitCount));
    image.bits.assign(stride * size_t(height), 0);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = image.bits.data() + size_t(height - 1 - y) * stride;  // bottom-up
        for (int x = 0; x < width; ++x) {
            const uint32_t v = pixels[size_t(y) * size_t(width) + size_t(x)];
            if (bitCount >= 24) {
                uint8_t* p = row + size_t(x) * size_t(bitCount / 8);
                p[0] = uint8_t(v);
                p[1] = uint8_t(v >> 8);
                p[2] = uint8_t(v >> 16);
            } else {
                const int perByte = 8 / bitCount;
                const int shift = (perByte - 1 - x % perByte) * bitCount;
                row[x / perByte] = uint8_t(row[x / perByte] | (v << shift));
            }
        }
    }
    gui::TMemoryStream s;
    gui::WriteBmp(s, image);
    s.SetPosition(0);
    bitmap.LoadFromStream(s);
}

void MakeRamp(gui::TBitmap& bitmap, int width, int height)
{
    MakePicture(bitmap, width, height, 24, {}, [](int x, int y) { return uint32_t(x) << 16 | uint32_t(y) << 8; });
}

void MakeMask(gui::TBitmap& bitmap, const std::vector<std::string>& rows)
{
    MakePicture(bitmap, int(rows[0].size()), int(rows.size()), 24, {}, [&rows](int x, int y) {
        const char c = rows[size_t(y)][size_t(x)];
        return c == '#' ? 0u : c == 'g' ? 0x010101u : 0xFFFFFFu;
    });
}

int Red(gui::TBitmap& bitmap, int x, int y) { return GetRValue(bitmap.Canvas().Pixels(x, y)); }

int Green(gui::TBitmap& bitmap, int x, int y) { return GetGValue(bitmap.Canvas().Pixels(x, y)); }

std::vector<int> Reds(gui::TBitmap& bitmap, int y, int x0, int x1)
{
    std::vector<int> v;
    for (int x = x0; x < x1; ++x)
        v.push_back(Red(bitmap, x, y));
    return v;
}

std::vector<int> Greens(gui::TBitmap& bitmap, int x, int y0, int y1)
{
    std::vector<int> v;
    for (int y = y0; y < y1; ++y)
        v.push_back(Green(bitmap, x, y));
    return v;
}

std::vector<int> Sequence(int from, int count, int period)
{
    std::vector<int> v;
    for (int i = 0; i < count; ++i)
        v.push_back(from + i % period);
    return v;
}

}  // namespace skintest
