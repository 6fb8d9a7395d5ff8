// draw_test_skin FOLDER: draws the pictures of the test skin into FOLDER, as BMP
// files and one JPEG file, from the formulas the tests check them against.
#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "gui/core/bmp_image.h"
#include "gui/core/exceptions.h"
#include "gui/core/file_stream.h"
#include "tools/testskin/test_skin_pictures.h"

namespace {

using testskin::TestPicture;

gui::BmpImage Draw(TestPicture picture)
{
    const testskin::TestPictureInfo info = testskin::Info(picture);
    gui::BmpImage image;
    image.width = info.width;
    image.height = info.height;
    image.bitCount = info.bitCount;
    if (info.bitCount <= 8)
        for (uint32_t i = 0; i < (1u << info.bitCount); ++i)
            image.palette.push_back(testskin::PaletteEntry(picture, i));
    const auto stride = size_t(gui::BmpRowStride(info.width, info.bitCount));
    image.bits.assign(stride * size_t(info.height), 0);
    for (int y = 0; y < info.height; ++y) {
        uint8_t* row = image.bits.data() + size_t(info.height - 1 - y) * stride;
        for (int x = 0; x < info.width; ++x) {
            const uint32_t v = testskin::PixelValue(picture, x, y);
            if (info.bitCount == 24) {
                row[3 * x] = uint8_t(v);
                row[3 * x + 1] = uint8_t(v >> 8);
                row[3 * x + 2] = uint8_t(v >> 16);
            } else {
                const int perByte = 8 / info.bitCount;
                const int shift = (perByte - 1 - x % perByte) * info.bitCount;
                row[x / perByte] = uint8_t(row[x / perByte] | (v << shift));
            }
        }
    }
    return image;
}

void WriteJpeg(const gui::BmpImage& image, const std::string& fileName)
{
    std::FILE* file = std::fopen(fileName.c_str(), "wb");
    if (!file)
        throw gui::EFCreateError("Cannot create file \"" + fileName + "\"");
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(image.width);
    info.image_height = JDIMENSION(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    for (int c = 0; c < 3; ++c)  // no chroma subsampling: colours stay close to the formula
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    const auto stride = size_t(gui::BmpRowStride(image.width, 24));
    std::vector<uint8_t> rgb(size_t(image.width) * 3);
    while (info.next_scanline < info.image_height) {
        const uint8_t* bgr = image.bits.data() + size_t(image.height - 1 - int(info.next_scanline)) * stride;
        for (size_t x = 0; x < size_t(image.width); ++x) {
            rgb[3 * x] = bgr[3 * x + 2];
            rgb[3 * x + 1] = bgr[3 * x + 1];
            rgb[3 * x + 2] = bgr[3 * x];
        }
        JSAMPROW row = rgb.data();
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_test_skin FOLDER\n");
        return 2;
    }
    try {
        for (TestPicture picture : testskin::kAllPictures) {
            const std::string fileName = std::string(argv[1]) + "/" + testskin::Info(picture).fileName;
            const gui::BmpImage image = Draw(picture);
            if (picture == TestPicture::Photo) {
                WriteJpeg(image, fileName);
            } else {
                gui::TFileStream file(fileName, gui::fmCreate);
                gui::WriteBmp(file, image);
            }
        }
    } catch (const gui::Exception& e) {
        std::fprintf(stderr, "draw_test_skin: %s\n", e.what());
        return 1;
    }
    return 0;
}
