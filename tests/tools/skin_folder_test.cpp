// The design-time side: packing a skin folder into a blob and loading it into a
// stored skin, with its JPEG pictures.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "gui/core/exceptions.h"
#include "gui/core/memory_stream.h"
#include "gui/core/strings.h"
#include "skin/model/compressed_stored_skin.h"
#include "skin/model/stored_skin.h"
#include "tools/skinpack/jpeg_picture.h"
#include "tools/skinpack/skin_folder.h"
#include "tools/testskin/test_skin_pictures.h"

using namespace sk;
using testskin::TestPicture;

namespace {

std::string SkinFile(const std::string& name) { return std::string(TEST_SKIN_DIR) + "/" + name; }

std::vector<uint8_t> Blob(TskCompressedStoredSkin& skin)
{
    gui::TMemoryStream s;
    skin.WriteCompressedData(s);
    const auto* p = static_cast<const uint8_t*>(s.Memory());
    return std::vector<uint8_t>(p, p + s.Size());
}

std::vector<uint8_t> FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A folder of its own for a test: a copy of the test skin with one line changed.
class SkinFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::string(::testing::TempDir()) + "skinfolder" +
                  std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "/";
        ASSERT_EQ(std::system(("rm -rf '" + folder_ + "' && mkdir -p '" + folder_ + "' && cp '" +
                               std::string(TEST_SKIN_DIR) + "'/*.bmp '" + std::string(TEST_SKIN_DIR) +
                               "'/*.jpg '" + folder_ + "'").c_str()),
                  0);
    }
    void TearDown() override { std::system(("rm -rf '" + folder_ + "'").c_str()); }

    // skin.ini with `from` replaced by `to`.
    std::string Description(const std::string& from, const std::string& to)
    {
        gui::TStringList lines;
        lines.LoadFromFile(SkinFile("skin.ini"));
        const int32_t i = lines.IndexOf(from);
        EXPECT_GE(i, 0) << from;
        if (i >= 0)
            lines.Put(i, to);
        lines.SaveToFile(folder_ + "skin.ini");
        return folder_ + "skin.ini";
    }

    std::string folder_;
};

}  // namespace

TEST(SkinPack, PackingIsReproducibleAndMatchesTheBuild)
{
    TskCompressedStoredSkin first(nullptr), second(nullptr);
    ASSERT_TRUE(PackSkinFile(first, SkinFile("skin.ini")));
    ASSERT_TRUE(PackSkinFile(second, SkinFile("skin.ini")));
    EXPECT_EQ(Blob(first), Blob(second));
    EXPECT_EQ(Blob(first), FileBytes(SkinFile("skin.blob")));
    EXPECT_EQ(first.FileName(), "skin.ini");
}

TEST_F(SkinFolder, MissingSectionLeavesTheBlobAlone)
{
    TskCompressedStoredSkin skin(nullptr);
    ASSERT_TRUE(PackSkinFile(skin, SkinFile("skin.ini")));
    const std::vector<uint8_t> before = Blob(skin);
    EXPECT_FALSE(PackSkinFile(skin, Description("[FORMINFO]", "[NOTFORMINFO]")));
    EXPECT_EQ(Blob(skin), before);
}

TEST_F(SkinFolder, PackerTakesBmpFilesOnlyAndKeepsTheBlobOnFailure)
{
    TskCompressedStoredSkin skin(nullptr);
    ASSERT_TRUE(PackSkinFile(skin, SkinFile("skin.ini")));
    const std::vector<uint8_t> before = Blob(skin);
    EXPECT_THROW(PackSkinFile(skin, Description("1=buttons.bmp", "1=photo.jpg")), gui::EInvalidGraphic);
    EXPECT_THROW(PackSkinFile(skin, Description("mask=frame_mask.bmp", "mask=missing.bmp")), gui::EFOpenError);
    EXPECT_THROW(PackSkinFile(skin, Description("2=glyphs.bmp", "2=")), gui::EInvalidGraphic);
    EXPECT_EQ(Blob(skin), before);
}

TEST(SkinPack, StoredSkinTakesJpegPictures)
{
    TskStoredSkin skin(nullptr);
    LoadFromSkinFile(skin, SkinFile("jpeg_skin.ini"));
    EXPECT_EQ(skin.FileName(), "jpeg_skin.ini");
    gui::TStringList file;
    file.LoadFromFile(SkinFile("jpeg_skin.ini"));
    EXPECT_EQ(skin.IniStrings().Text(), file.Text());
    EXPECT_TRUE(skin.Pictures().Mask.Empty());
    ASSERT_EQ(skin.Pictures().ActivePictures.size(), 2u);
    const gui::BmpImage& photo = skin.Pictures().ActivePictures[0];
    EXPECT_EQ(photo.width, 40);
    EXPECT_EQ(photo.height, 30);
    EXPECT_EQ(photo.bitCount, 24);
    const auto stride = size_t(gui::BmpRowStride(40, 24));
    for (int y = 0; y < 30; y += 7)
        for (int x = 0; x < 40; x += 9) {
            const uint8_t* p = photo.bits.data() + size_t(29 - y) * stride + size_t(x) * 3;
            const uint32_t want = testskin::PixelColor(TestPicture::Photo, x, y);
            EXPECT_NEAR(p[2], int(want >> 16 & 0xFF), 12) << x << "," << y;
            EXPECT_NEAR(p[1], int(want >> 8 & 0xFF), 12) << x << "," << y;
            EXPECT_NEAR(p[0], int(want & 0xFF), 12) << x << "," << y;
        }
    EXPECT_EQ(skin.Pictures().ActivePictures[1].width, 48);  // the BMP beside it
}

TEST_F(SkinFolder, BrokenJpegFilesAreClearErrors)
{
    const std::vector<uint8_t> jpeg = FileBytes(folder_ + "photo.jpg");
    gui::BmpImage image;
    LoadJpegPicture(image, folder_ + "photo.jpg");
    EXPECT_EQ(image.width, 40);
    for (size_t keep : {size_t(0), size_t(10), jpeg.size() / 2, jpeg.size() - 2}) {
        std::ofstream(folder_ + "cut.jpg", std::ios::binary)
            .write(reinterpret_cast<const char*>(jpeg.data()), std::streamsize(keep));
        EXPECT_THROW(LoadJpegPicture(image, folder_ + "cut.jpg"), gui::EInvalidGraphic) << keep;
    }
    EXPECT_THROW(LoadJpegPicture(image, folder_ + "frame.bmp"), gui::EInvalidGraphic);
    EXPECT_THROW(LoadJpegPicture(image, folder_ + "none.jpg"), gui::EFOpenError);
    EXPECT_EQ(image.width, 40);  // unchanged by the failures
}
