// Stored and compressed skins: the pictures stream and the payload byte for byte,
// and the blob holder.
#include <gtest/gtest.h>

#include <cstring>

#include "gui/core/bmp_image.h"
#include "gui/core/exceptions.h"
#include "gui/core/memory_stream.h"
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
