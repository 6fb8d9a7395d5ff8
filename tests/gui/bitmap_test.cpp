// Bitmaps as DIB sections: BMP files of every depth in and out, resizing, deep
// copies, transparency, and broken files that leave the bitmap as it was.
#include <gtest/gtest.h>

#include <windows.h>

#include <random>
#include <vector>

#include "gui/core/bmp_image.h"
#include "gui/core/exceptions.h"
#include "gui/core/memory_stream.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"

using namespace gui;

namespace {

TMemoryStream FileOf(const BmpImage& image)
{
    TMemoryStream s;
    WriteBmp(s, image);
    s.SetPosition(0);
    return s;
}

// A 1-bit picture with the given palette: the left half of each row set.
BmpImage TwoColour(int width, int height, uint32_t colour0, uint32_t colour1)
{
    BmpImage image;
    image.width = width;
    image.height = height;
    image.bitCount = 1;
    image.palette = {colour0, colour1};
    const auto stride = size_t(BmpRowStride(width, 1));
    image.bits.assign(stride * size_t(height), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            image.bits[size_t(y) * stride + size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
    return image;
}

std::vector<uint8_t> Saved(const TBitmap& bitmap)
{
    TMemoryStream s;
    bitmap.SaveToStream(s);
    const auto* p = static_cast<const uint8_t*>(s.Memory());
    return std::vector<uint8_t>(p, p + s.Size());
}

}  // namespace

TEST(Bitmap, LoadsPalettePicturesThroughTheirPalette)
{
    TBitmap bitmap;
    TMemoryStream file = FileOf(TwoColour(10, 3, 0x0000FF, 0xFFFFFF));  // 0 = blue, 1 = white
    bitmap.LoadFromStream(file);
    EXPECT_EQ(bitmap.Width(), 10);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.PixelFormat(), pf1bit);
    EXPECT_EQ(bitmap.Canvas().Pixels(0, 0), TColor(RGB(255, 255, 255)));
    EXPECT_EQ(bitmap.Canvas().Pixels(9, 2), TColor(RGB(0, 0, 255)));
}

TEST(Bitmap, SavesWhatItLoadedByteForByte)
{
    for (int bits : {1, 4, 8, 24, 32}) {
        BmpImage image;
        image.width = 7;
        image.height = 3;
        image.bitCount = bits;
        if (bits <= 8)
            for (int i = 0; i < (1 << bits); ++i)
                image.palette.push_back(uint32_t(i) * 0x030507 & 0xFFFFFF);
        image.bits.resize(size_t(BmpRowStride(7, bits) * 3));
        for (size_t i = 0; i < image.bits.size(); ++i)
            image.bits[i] = uint8_t(i * 13);
        // Padding bytes at row ends are part of the file too: zero them as a
        // writer would.
        TMemoryStream file = FileOf(image);
        TBitmap bitmap;
        bitmap.LoadFromStream(file);
        const auto* p = static_cast<const uint8_t*>(file.Memory());
        EXPECT_EQ(Saved(bitmap), std::vector<uint8_t>(p, p + file.Size())) << bits << " bits";
    }
}

TEST(Bitmap, ResizingKeepsTheTopLeftAndWhitensTheRest)
{
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    bitmap.SetWidth(4);
    EXPECT_TRUE(bitmap.Empty());  // still no height
    bitmap.SetHeight(3);
    ASSERT_FALSE(bitmap.Empty());
    EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
    bitmap.Canvas().Brush().SetColor(clRed);
    bitmap.Canvas().FillRect(Rect(0, 0, 4, 3));
    bitmap.SetSize(6, 5);
    EXPECT_EQ(bitmap.Canvas().Pixels(3, 2), clRed);
    EXPECT_EQ(bitmap.Canvas().Pixels(4, 2), clWhite);
    EXPECT_EQ(bitmap.Canvas().Pixels(0, 4), clWhite);
    bitmap.SetSize(2, 2);
    EXPECT_EQ(bitmap.Canvas().Pixels(1, 1), clRed);
    bitmap.SetHeight(0);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Handle(), nullptr);
    EXPECT_TRUE(Saved(bitmap).empty());
}

TEST(Bitmap, AssignMakesAnIndependentCopy)
{
    TBitmap a, b;
    TMemoryStream file = FileOf(TwoColour(8, 2, 0x00FF00, 0x000000));
    a.LoadFromStream(file);
    a.SetTransparent(true);
    b.Assign(a);
    EXPECT_NE(a.Handle(), b.Handle());
    EXPECT_EQ(b.PixelFormat(), pf1bit);
    EXPECT_TRUE(b.Transparent());
    EXPECT_EQ(Saved(a), Saved(b));
    a.Canvas().SetPixels(0, 0, clLime);
    EXPECT_EQ(b.Canvas().Pixels(0, 0), clBlack);
    TBitmap empty;
    b.Assign(empty);
    EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, TransparentDrawLeavesTheBottomLeftColourOut)
{
    TBitmap sprite;
    sprite.SetSize(4, 4);
    sprite.Canvas().Brush().SetColor(clFuchsia);
    sprite.Canvas().FillRect(Rect(0, 0, 4, 4));
    sprite.Canvas().SetPixels(1, 1, clBlue);
    EXPECT_EQ(sprite.TransparentColor(), clFuchsia);
    sprite.SetTransparent(true);

    TBitmap target;
    target.SetSize(8, 8);
    target.Canvas().Brush().SetColor(clLime);
    target.Canvas().FillRect(Rect(0, 0, 8, 8));
    target.Canvas().Draw(2, 2, sprite);
    EXPECT_EQ(target.Canvas().Pixels(3, 3), clBlue);
    EXPECT_EQ(target.Canvas().Pixels(2, 2), clLime);
    EXPECT_EQ(target.Canvas().Pixels(5, 5), clLime);

    sprite.SetTransparent(false);
    target.Canvas().Draw(2, 2, sprite);
    EXPECT_EQ(target.Canvas().Pixels(2, 2), clFuchsia);

    sprite.SetTransparentColor(clBlue);  // fixed from now on
    EXPECT_EQ(sprite.TransparentMode(), tmFixed);
    EXPECT_EQ(sprite.TransparentColor(), clBlue);
}

TEST(Bitmap, BrokenFilesLeaveTheBitmapAsItWas)
{
    TBitmap bitmap;
    bitmap.SetSize(3, 3);
    bitmap.Canvas().SetPixels(1, 1, clRed);
    const std::vector<uint8_t> before = Saved(bitmap);

    TMemoryStream good = FileOf(TwoColour(9, 5, 0x123456, 0x654321));
    const auto* p = static_cast<const uint8_t*>(good.Memory());
    const std::vector<uint8_t> seed(p, p + good.Size());
    std::mt19937 random(99);
    int loaded = 0;
    for (int round = 0; round < 1500; ++round) {
        std::vector<uint8_t> bytes = seed;
        for (int i = 0; i < 3; ++i)
            bytes[random() % 62] = uint8_t(random());
        if (round % 3 == 0)
            bytes.resize(random() % bytes.size());
        TMemoryStream s;
        s.WriteBuffer(bytes.data(), int32_t(bytes.size()));
        s.SetPosition(0);
        TBitmap probe;
        probe.Assign(bitmap);
        try {
            probe.LoadFromStream(s);
            ++loaded;
            probe.Canvas().Pixels(probe.Width() - 1, probe.Height() - 1);
        } catch (const EInvalidGraphic&) {
            EXPECT_EQ(Saved(probe), before);
        } catch (const EOutOfResources&) {
            EXPECT_EQ(Saved(probe), before);  // a size the system would not give
        }
    }
    EXPECT_GT(loaded, 0);
}

TEST(Bitmap, ImagesInAndOutAreCheckedForConsistency)
{
    TBitmap bitmap;
    const BmpImage image = TwoColour(10, 4, 0x0000FF, 0x00FF00);
    bitmap.LoadFromImage(image);
    EXPECT_EQ(bitmap.PixelFormat(), pf1bit);
    EXPECT_EQ(bitmap.SaveToImage().bits, image.bits);
    const std::vector<uint8_t> before = Saved(bitmap);

    BmpImage shortBits = image;
    shortBits.bits.pop_back();
    BmpImage noPalette = image;
    noPalette.palette.clear();
    BmpImage oddDepth = image;
    oddDepth.bitCount = 16;
    for (const BmpImage* bad : {&shortBits, &noPalette, &oddDepth}) {
        EXPECT_THROW(bitmap.LoadFromImage(*bad), EInvalidGraphic);
        EXPECT_EQ(Saved(bitmap), before);
    }

    bitmap.LoadFromImage(BmpImage());  // no picture at all
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_TRUE(bitmap.SaveToImage().Empty());
}
