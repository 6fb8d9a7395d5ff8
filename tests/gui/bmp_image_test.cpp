// BMP files: every depth written and read back, and files that lie about their
// sizes, offsets or palettes, or are cut short or scrambled, rejected cleanly.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "gui/core/bmp_image.h"
#include "gui/core/exceptions.h"
#include "gui/core/memory_stream.h"

using namespace gui;

namespace {

BmpImage Sample(int32_t width, int32_t height, int32_t bitCount)
{
    BmpImage image;
    image.width = width;
    image.height = height;
    image.bitCount = bitCount;
    if (bitCount <= 8)
        for (int i = 0; i < (1 << bitCount); ++i)
            image.palette.push_back(uint32_t(i * 0x010203) & 0xFFFFFF);
    image.bits.resize(size_t(BmpRowStride(width, bitCount) * height));
    for (size_t i = 0; i < image.bits.size(); ++i)
        image.bits[i] = uint8_t(i * 7 + 3);
    return image;
}

std::vector<uint8_t> FileBytes(const BmpImage& image)
{
    TMemoryStream s;
    WriteBmp(s, image);
    const auto* p = static_cast<const uint8_t*>(s.Memory());
    return std::vector<uint8_t>(p, p + s.Size());
}

void Set32(std::vector<uint8_t>& f, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        f[at + size_t(i)] = uint8_t(v >> (8 * i));
}

uint32_t Get32(const std::vector<uint8_t>& f, size_t at)
{
    return uint32_t(f[at]) | uint32_t(f[at + 1]) << 8 | uint32_t(f[at + 2]) << 16 | uint32_t(f[at + 3]) << 24;
}

void ExpectSame(const BmpImage& a, const BmpImage& b)
{
    EXPECT_EQ(a.width, b.width);
    EXPECT_EQ(a.height, b.height);
    EXPECT_EQ(a.bitCount, b.bitCount);
    EXPECT_EQ(a.palette, b.palette);
    EXPECT_EQ(a.bits, b.bits);
}

}  // namespace

TEST(BmpImage, EveryDepthRoundTripsWithOddWidths)
{
    for (int32_t bits : {1, 4, 8, 24, 32}) {
        const BmpImage image = Sample(13, 5, bits);
        const auto file = FileBytes(image);
        const size_t paletteBytes = bits <= 8 ? size_t(4) << bits : 0;
        EXPECT_EQ(file.size(), 54 + paletteBytes + image.bits.size());
        EXPECT_EQ(Get32(file, 2), file.size());     // bfSize
        EXPECT_EQ(Get32(file, 10), 54 + paletteBytes);  // bfOffBits
        ExpectSame(ParseBmp(file.data(), file.size()), image);
    }
    EXPECT_EQ(BmpRowStride(13, 24), 40);
    EXPECT_EQ(BmpRowStride(13, 1), 4);
    EXPECT_EQ(BmpRowStride(33, 1), 8);
}

TEST(BmpImage, ReadsOneFileAndStopsAtItsEnd)
{
    TMemoryStream s;
    WriteBmp(s, Sample(3, 2, 8));
    WriteBmp(s, Sample(5, 1, 24));
    s.WriteBuffer("tail", 4);
    s.SetPosition(0);
    EXPECT_EQ(ReadBmp(s).width, 3);
    EXPECT_EQ(ReadBmp(s).width, 5);
    char tail[4];
    s.ReadBuffer(tail, 4);
    EXPECT_EQ(std::memcmp(tail, "tail", 4), 0);
}

TEST(BmpImage, TopDownRowsAreTurnedOverAndShortPalettesFilled)
{
    BmpImage image = Sample(4, 3, 8);
    auto file = FileBytes(image);
    // Make it top-down with a 2-entry palette: move the rows up by 254 entries.
    Set32(file, 22, uint32_t(-3));
    Set32(file, 46, 2);
    const size_t stride = 4;
    std::vector<uint8_t> topDown(file.begin(), file.begin() + 54 + 8);
    for (int row = 2; row >= 0; --row)
        topDown.insert(topDown.end(), image.bits.begin() + long(row * stride), image.bits.begin() + long((row + 1) * stride));
    Set32(topDown, 10, 54 + 8);
    Set32(topDown, 2, uint32_t(topDown.size()));
    const BmpImage read = ParseBmp(topDown.data(), topDown.size());
    EXPECT_EQ(read.bits, image.bits);
    ASSERT_EQ(read.palette.size(), 256u);
    EXPECT_EQ(read.palette[1], image.palette[1]);
    EXPECT_EQ(read.palette[2], 0u);
}

TEST(BmpImage, ThirtyTwoBitFieldsOfTheUsualLayoutAreAccepted)
{
    const BmpImage image = Sample(2, 2, 32);
    auto file = FileBytes(image);
    Set32(file, 30, 3);  // BI_BITFIELDS, masks behind the 40-byte header
    const uint32_t masks[3] = {0xFF0000, 0xFF00, 0xFF};
    std::vector<uint8_t> withMasks(file.begin(), file.begin() + 54);
    for (uint32_t m : masks)
        for (int i = 0; i < 4; ++i)
            withMasks.push_back(uint8_t(m >> (8 * i)));
    withMasks.insert(withMasks.end(), file.begin() + 54, file.end());
    Set32(withMasks, 10, 66);
    Set32(withMasks, 2, uint32_t(withMasks.size()));
    ExpectSame(ParseBmp(withMasks.data(), withMasks.size()), image);

    Set32(withMasks, 54, 0x7C00);  // 5-5-5 masks: not supported
    EXPECT_THROW(ParseBmp(withMasks.data(), withMasks.size()), EInvalidGraphic);
}

TEST(BmpImage, HeaderFieldsThatDoNotFitTheBytesAreRejected)
{
    const auto good = FileBytes(Sample(7, 3, 8));
    struct Case {
        const char* what;
        size_t at;
        uint32_t value;
    };
    const Case cases[] = {
        {"file size beyond the data", 2, uint32_t(good.size() + 1)},
        {"file size below the headers", 2, 40},
        {"pixel offset beyond the file", 10, uint32_t(good.size())},
        {"pixel offset inside the palette", 10, 54 + 100},
        {"unknown info header size", 14, 64},
        {"info header overlapping the palette", 14, 124},
        {"zero width", 18, 0},
        {"negative width", 18, uint32_t(-5)},
        {"zero height", 22, 0},
        {"height beyond the data", 22, 4},
        {"most negative height", 22, 0x80000000u},
        {"two planes", 26, 0x00080002},
        {"16 bits per pixel", 26, 0x00100001},
        {"run-length compression", 30, 1},
        {"more colours than the depth holds", 46, 257},
        {"huge width", 18, 0x7FFFFFFF},
    };
    for (const Case& c : cases) {
        auto file = good;
        Set32(file, c.at, c.value);
        EXPECT_THROW(ParseBmp(file.data(), file.size()), EInvalidGraphic) << c.what;
    }
    auto notBm = good;
    notBm[0] = 'M';
    EXPECT_THROW(ParseBmp(notBm.data(), notBm.size()), EInvalidGraphic);
    EXPECT_THROW(ParseBmp(nullptr, 0), EInvalidGraphic);
}

TEST(BmpImage, TruncatedFilesRaiseAtEveryLength)
{
    for (int32_t bits : {1, 8, 24}) {
        const auto file = FileBytes(Sample(9, 4, bits));
        for (size_t n = 0; n < file.size(); ++n) {
            TMemoryStream s;
            s.WriteBuffer(file.data(), int32_t(n));
            s.SetPosition(0);
            EXPECT_THROW(ReadBmp(s), EInvalidGraphic) << bits << " bits, " << n << " bytes";
            EXPECT_THROW(ParseBmp(file.data(), n), EInvalidGraphic);
        }
    }
}

TEST(BmpImage, ScrambledFilesEitherReadOrRaise)
{
    std::mt19937 random(12345);
    const std::vector<std::vector<uint8_t>> seeds = {
        FileBytes(Sample(5, 3, 1)), FileBytes(Sample(6, 2, 4)), FileBytes(Sample(3, 3, 8)),
        FileBytes(Sample(7, 2, 24)), FileBytes(Sample(2, 2, 32))};
    int read = 0, rejected = 0;
    for (int round = 0; round < 4000; ++round) {
        auto file = seeds[size_t(round) % seeds.size()];
        const int flips = 1 + int(random() % 6);
        for (int i = 0; i < flips; ++i) {
            // Mostly the headers, where the sizes and offsets live.
            const size_t at = random() % 4 ? random() % std::min<size_t>(file.size(), 70) : random() % file.size();
            file[at] = uint8_t(random());
        }
        if (random() % 5 == 0)
            file.resize(random() % file.size());
        try {
            TMemoryStream s;
            s.WriteBuffer(file.data(), int32_t(file.size()));
            s.SetPosition(0);
            const BmpImage image = ReadBmp(s);
            EXPECT_EQ(int64_t(image.bits.size()), BmpRowStride(image.width, image.bitCount) * image.height);
            ++read;
        } catch (const EInvalidGraphic&) {
            ++rejected;
        }
    }
    EXPECT_GT(read, 0);
    EXPECT_GT(rejected, 0);
}
