// The pictures of the test skin: their files, sizes, depths and pixels, computed
// from formulas so that the program drawing them and the tests reading them back
// agree on every pixel.
#pragma once

#include <cstdint>

namespace testskin {

enum class TestPicture { Frame, FrameMask, RollUp, RollUpMask, Controls, Buttons, Glyphs, Photo };
constexpr TestPicture kAllPictures[] = {TestPicture::Frame,    TestPicture::FrameMask, TestPicture::RollUp,
                                        TestPicture::RollUpMask, TestPicture::Controls, TestPicture::Buttons,
                                        TestPicture::Glyphs,   TestPicture::Photo};

struct TestPictureInfo {
    const char* fileName;
    int width;
    int height;
    int bitCount;  // the photo is a JPEG file, decoded to 24 bits
};

inline TestPictureInfo Info(TestPicture picture)
{
    switch (picture) {
    case TestPicture::Frame:
        return {"frame.bmp", 96, 72, 8};
    case TestPicture::FrameMask:
        return {"frame_mask.bmp", 96, 72, 1};
    case TestPicture::RollUp:
        return {"rollup.bmp", 96, 20, 24};
    case TestPicture::RollUpMask:
        return {"rollup_mask.bmp", 96, 20, 1};
    case TestPicture::Controls:
        return {"controls.bmp", 64, 48, 8};
    case TestPicture::Buttons:
        return {"buttons.bmp", 48, 16, 24};
    case TestPicture::Glyphs:
        return {"glyphs.bmp", 33, 9, 4};
    case TestPicture::Photo:
        return {"photo.jpg", 40, 30, 24};
    }
    return {"", 0, 0, 0};
}

// 0xRRGGBB of palette entry i of a picture of 8 bits or fewer.
inline uint32_t PaletteEntry(TestPicture picture, uint32_t index)
{
    if (picture == TestPicture::FrameMask || picture == TestPicture::RollUpMask)
        return index == 0 ? 0x000000 : 0xFFFFFF;  // black is inside
    if (picture == TestPicture::Glyphs)
        return (index * 17) << 8 | (255 - index * 17);
    const uint32_t salt = picture == TestPicture::Frame ? 0 : 100;
    return ((index + salt) & 0xFF) << 16 | ((255 - index) & 0xFF) << 8 | ((index * 7) & 0xFF);
}

// Pixel (x, y), y counted from the top: the palette index up to 8 bits, else 0xRRGGBB.
inline uint32_t PixelValue(TestPicture picture, int x, int y)
{
    const auto ux = uint32_t(x), uy = uint32_t(y);
    switch (picture) {
    case TestPicture::Frame:
        return (ux + 2 * uy) & 0xFF;
    case TestPicture::Controls:
        return (3 * ux + uy) & 0xFF;
    case TestPicture::Glyphs:
        return (ux + uy) % 16;
    case TestPicture::FrameMask:
    case TestPicture::RollUpMask: {
        const int w = Info(picture).width, h = Info(picture).height;
        const bool corner = (x < 4 || x >= w - 4) && (y < 4 || y >= h - 4);
        return corner ? 1 : 0;
    }
    case TestPicture::RollUp:
        return (ux * 2) << 16 | (uy * 10) << 8 | 0x80;
    case TestPicture::Buttons:
        return (ux * 5) << 16 | (uy * 15) << 8 | ((ux + uy) * 3);
    case TestPicture::Photo:
        return (ux * 6) << 16 | (uy * 8) << 8 | 100;
    }
    return 0;
}

inline uint32_t PixelColor(TestPicture picture, int x, int y)
{
    const uint32_t v = PixelValue(picture, x, y);
    return Info(picture).bitCount <= 8 ? PaletteEntry(picture, v) : v;
}

}  // namespace testskin
