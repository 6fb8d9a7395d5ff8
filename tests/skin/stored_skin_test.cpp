// Stored and compressed skins: the pictures stream and the payload byte for byte,
// and the blob holder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "gui/core/bmp_image.h"
#include "gui/core/exceptions.h"
#include "gui/core/memory_stream.h"
#include "gui/core/stream.h"
#include "gui/core/strings.h"
#include "skin/model/compressed_stored_skin.h"
#include "skin/model/skin_pictures.h"
#include "skin/model/stored_skin.h"
#include "skin/model/zlib_streams.h"
#include "test_skin_files.h"

using namespace sk;

namespace {

std::vector<uint8_t> Bytes(gui::TMemoryStream& s)
{
    const auto* p = static_cast<const uint8_t*>(s.Memory());
    return std::vector<uint8_t>(p, p + s.Size());
}

gui::BmpImage Image(int width, int height, int bitCount, uint8_t fill)
{
    gui::BmpImage image;
    image.width = width;
    image.height = height;
    image.bitCount = bitCount;
    if (bitCount <= 8)
        image.palette.assign(size_t(1) << bitCount, 0x123456);
    image.bits.assign(size_t(gui::BmpRowStride(width, bitCount)) * size_t(height), fill);
    return image;
}

std::vector<uint8_t> BmpBytes(const gui::BmpImage& image)
{
    gui::TMemoryStream s;
    gui::WriteBmp(s, image);
    return Bytes(s);
}

void Append(std::vector<uint8_t>& to, const std::vector<uint8_t>& bytes)
{
    to.insert(to.end(), bytes.begin(), bytes.end());
}

void Load(gui::TMemoryStream& s, const std::vector<uint8_t>& bytes)
{
    s.Clear();
    s.WriteBuffer(bytes.data(), int32_t(bytes.size()));
    s.SetPosition(0);
}

}  // namespace

TEST(StoredSkin, AnEmptyPicturesStreamIsEightBytes)
{
    TskStoredSkin skin(nullptr);
    gui::TMemoryStream s;
    skin.WritePictures(s);
    EXPECT_EQ(Bytes(s), (std::vector<uint8_t>{1, 1, 1, 1, 0, 0, 0, 0}));
}

TEST(StoredSkin, PicturesStreamLayoutAndRoundTrip)
{
    TskStoredSkin skin(nullptr);
    skin.Pictures().Mask = Image(3, 2, 1, 0xAA);
    skin.Pictures().ActivePictures = {Image(5, 4, 8, 7), Image(2, 2, 24, 9)};
    gui::TMemoryStream s;
    skin.WritePictures(s);

    std::vector<uint8_t> expected{1, 0};
    Append(expected, BmpBytes(skin.Pictures().Mask));
    Append(expected, {1, 1, 2, 0, 0, 0});
    Append(expected, BmpBytes(skin.Pictures().ActivePictures[0]));
    Append(expected, BmpBytes(skin.Pictures().ActivePictures[1]));
    EXPECT_EQ(Bytes(s), expected);

    TskStoredSkin read(nullptr);
    s.SetPosition(0);
    read.ReadPictures(s);
    EXPECT_TRUE(read.Pictures().Picture.Empty());
    EXPECT_EQ(read.Pictures().Mask.bits, skin.Pictures().Mask.bits);
    ASSERT_EQ(read.Pictures().ActivePictures.size(), 2u);
    EXPECT_EQ(read.Pictures().ActivePictures[1].bitCount, 24);
    EXPECT_EQ(s.Position(), s.Size());
}

TEST(StoredSkin, AnyNonzeroFlagMeansNoPictureAndCountsBelowOneNone)
{
    TskStoredSkin skin(nullptr);
    gui::TMemoryStream s;
    Load(s, {7, 255, 1, 2, 0xFF, 0xFF, 0xFF, 0xFF});  // count -1
    skin.ReadPictures(s);
    EXPECT_TRUE(skin.Pictures().Picture.Empty());
    EXPECT_TRUE(skin.Pictures().ActivePictures.empty());
}

TEST(StoredSkin, BadPicturesStreamsRaiseAndChangeNothing)
{
    TskStoredSkin skin(nullptr);
    skin.Pictures().Picture = Image(1, 1, 24, 3);
    const std::vector<uint8_t> bmp = BmpBytes(Image(4, 4, 24, 1));
    gui::TMemoryStream s;

    Load(s, {1, 1, 1});  // ends in the flags
    EXPECT_THROW(skin.ReadPictures(s), gui::EReadError);
    std::vector<uint8_t> hugeCount{1, 1, 1, 1, 0x00, 0xCA, 0x9A, 0x3B};  // a billion pictures, one present
    Append(hugeCount, bmp);
    Load(s, hugeCount);
    skintest::RunWithin(5, [&] { EXPECT_THROW(skin.ReadPictures(s), gui::EInvalidGraphic); });
    std::vector<uint8_t> cut{0};
    Append(cut, bmp);
    cut.resize(cut.size() - 5);  // its BMP file reaches past the end
    Load(s, cut);
    EXPECT_THROW(skin.ReadPictures(s), gui::EInvalidGraphic);

    EXPECT_EQ(skin.Pictures().Picture.width, 1);
    EXPECT_TRUE(skin.Pictures().ActivePictures.empty());
}

TEST(StoredSkin, AnEmptyActivePictureCannotBeWritten)
{
    TskStoredSkin skin(nullptr);
    skin.Pictures().ActivePictures.resize(1);
    gui::TMemoryStream s;
    EXPECT_THROW(skin.WritePictures(s), gui::EInvalidGraphic);
}

TEST(StoredSkin, PayloadIsVersionPicturesAndCrLfLines)
{
    TskSkinPictures pictures;
    gui::TStringList lines{"[VERSION]", "skinname=x"};
    gui::TMemoryStream s;
    WriteSkinPayload(s, pictures, lines);
    const std::string text = "[VERSION]\r\nskinname=x\r\n";
    std::vector<uint8_t> expected{1, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0};
    expected.insert(expected.end(), text.begin(), text.end());
    EXPECT_EQ(Bytes(s), expected);

    s.SetPosition(0);
    gui::TStringList read;
    ASSERT_TRUE(ReadSkinPayload(s, pictures, read));
    EXPECT_EQ(read.Text(), lines.Text());

    std::vector<uint8_t> version2 = expected;
    version2[0] = 2;
    Load(s, version2);
    EXPECT_FALSE(ReadSkinPayload(s, pictures, read));
    EXPECT_EQ(s.Position(), 4);
}

TEST(CompressedStoredSkin, HoldsTheBlobAndInflatesIt)
{
    TskCompressedStoredSkin skin(nullptr);
    EXPECT_TRUE(skin.IsEmpty());
    gui::TMemoryStream payload;
    WriteSkinPayload(payload, TskSkinPictures(), gui::TStringList{"[VERSION]"});
    skin.Compress(payload);
    EXPECT_FALSE(skin.IsEmpty());

    gui::TMemoryStream blob;
    skin.WriteCompressedData(blob);
    const std::vector<uint8_t> bytes = Bytes(blob);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0x78);  // zlib at the best level
    EXPECT_EQ(bytes[1], 0xDA);

    TskCompressedStoredSkin copy(nullptr);
    gui::TMemoryStream source;
    source.WriteBuffer("junk", 4);
    source.WriteBuffer(bytes.data(), int32_t(bytes.size()));
    source.SetPosition(4);
    copy.ReadCompressedData(source);  // from the stream's position on
    gui::TMemoryStream inflated;
    copy.Decompress(inflated);
    EXPECT_EQ(Bytes(inflated), Bytes(payload));
}

namespace {

// A pictures stream of one frame picture and the given active pictures.
std::vector<uint8_t> PicturesStream(const gui::BmpImage& frame, const std::vector<gui::BmpImage>& active)
{
    std::vector<uint8_t> bytes{0};
    Append(bytes, BmpBytes(frame));
    Append(bytes, {1, 1, 1});
    const uint32_t count = uint32_t(active.size());
    Append(bytes, {uint8_t(count), uint8_t(count >> 8), uint8_t(count >> 16), uint8_t(count >> 24)});
    for (const gui::BmpImage& picture : active)
        Append(bytes, BmpBytes(picture));
    return bytes;
}

// A valid 1-bit BMP file of any size, made up as it is read, counting what is read.
class GeneratedBmpStream : public gui::TStream {
public:
    GeneratedBmpStream(int32_t width, int32_t height) : head_(BmpBytes(Image(8, 1, 1, 0)))
    {
        const uint64_t bits = uint64_t(gui::BmpRowStride(width, 1)) * uint64_t(height < 0 ? -int64_t(height) : height);
        size_ = 1 + head_.size() - 4 + bits;
        head_.resize(head_.size() - 4);  // the made-up picture's pixels follow
        auto put32 = [&](size_t at, uint32_t value) {
            for (int i = 0; i < 4; ++i)
                head_[at + i] = uint8_t(value >> (8 * i));
        };
        put32(2, uint32_t(size_ - 1));
        put32(18, uint32_t(width));
        put32(22, uint32_t(height));
        put32(34, uint32_t(bits));
        head_.insert(head_.begin(), 0);  // the picture flag
    }
    int32_t Read(void* buffer, int32_t count) override
    {
        const int64_t n = std::min<int64_t>(count, int64_t(size_) - position_);
        auto* out = static_cast<uint8_t*>(buffer);
        for (int64_t i = 0; i < n; ++i, ++position_)
            out[i] = position_ < int64_t(head_.size()) ? head_[size_t(position_)] : 0;
        bytesRead += uint64_t(n);
        return int32_t(n);
    }
    int32_t Write(const void*, int32_t) override { return 0; }
    int64_t Seek(int64_t offset, gui::TSeekOrigin origin) override
    {
        position_ = origin == gui::TSeekOrigin::soBeginning ? offset
                    : origin == gui::TSeekOrigin::soCurrent ? position_ + offset
                                                             : int64_t(size_) + offset;
        return position_;
    }
    uint64_t bytesRead = 0;

private:
    std::vector<uint8_t> head_;
    uint64_t size_;
    int64_t position_ = 0;
};

}  // namespace

TEST(StoredSkin, PicturesASkinHasNoRoomForAreRefused)
{
    const std::vector<gui::BmpImage> none;
    const gui::BmpImage dot = Image(1, 1, 24, 0);
    struct Case {
        const char* what;
        gui::BmpImage frame;
        std::vector<gui::BmpImage> active;
        bool refused;
    };
    const Case cases[] = {
        {"a frame as wide as a skin's may be", Image(kMaxSkinPictureSide, 2, 1, 0), none, false},
        {"a wider frame", Image(kMaxSkinPictureSide + 1, 2, 1, 0), none, true},
        {"a higher frame", Image(2, kMaxSkinPictureSide + 1, 1, 0), none, true},
        {"all the pixels a skin may have", Image(4096, 4096, 1, 0), none, false},
        {"one row more", Image(4096, 4097, 1, 0), none, true},
        {"more pixels in all", Image(4096, 2048, 1, 0), {Image(4096, 2049, 1, 0)}, true},
        {"as many pictures as a skin may have", dot, std::vector<gui::BmpImage>(kMaxSkinActivePictures, dot), false},
        {"one more", dot, std::vector<gui::BmpImage>(kMaxSkinActivePictures + 1, dot), true},
    };
    for (const Case& c : cases) {
        gui::TMemoryStream s;
        Load(s, PicturesStream(c.frame, c.active));
        TskSkinPictures pictures;
        if (c.refused)
            EXPECT_THROW(ReadSkinPictures(s, pictures), gui::EInvalidGraphic) << c.what;
        else
            EXPECT_NO_THROW(ReadSkinPictures(s, pictures)) << c.what;
    }

    // A frame of 32000 x 32000 pixels at one bit each, 128 MB that a hundred kilobytes
    // of compressed skin hold: refused from its header, before its pixels are read.
    for (const int32_t height : {32000, -32000}) {
        GeneratedBmpStream huge(32000, height);
        TskSkinPictures pictures;
        EXPECT_THROW(ReadSkinPictures(huge, pictures), gui::EInvalidGraphic);
        EXPECT_LT(huge.bytesRead, 1024u);
    }
}

TEST(StoredSkin, ADescriptionLongerThanASkinsMayBeIsRefused)
{
    for (const int64_t extra : {int64_t(0), int64_t(1)}) {
        gui::TMemoryStream s;
        WriteSkinPayload(s, TskSkinPictures(), gui::TStringList{});
        const std::string lines(size_t(kMaxSkinDescriptionBytes + extra), '\n');
        s.WriteBuffer(lines.data(), int32_t(lines.size()));
        s.SetPosition(0);
        TskSkinPictures pictures;
        gui::TStringList read;
        if (extra)
            EXPECT_THROW(ReadSkinPayload(s, pictures, read), gui::EReadError);
        else
            EXPECT_TRUE(ReadSkinPayload(s, pictures, read));
    }
}
