#include "tools/skinpack/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>

#include "gui/core/exceptions.h"
#include "gui/core/file_stream.h"

namespace sk {

namespace {

// Pictures beyond this many pixels are refused rather than allocated.
constexpr uint64_t kMaxPixels = uint64_t(1) << 26;

// libjpeg reports errors by calling error_exit, which must not return: it jumps
// back to LoadJpegPicture. Everything the decoder touches lives in this heap
// object, so nothing is left in an undefined state by the jump.
struct JpegDecoder {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf failed;
    char message[JMSG_LENGTH_MAX] = {};
    long warnings = 0;
    gui::BmpImage image;
    std::vector<uint8_t> row;

    ~JpegDecoder() { jpeg_destroy_decompress(&info); }
};

JpegDecoder& DecoderOf(j_common_ptr info) { return *reinterpret_cast<JpegDecoder*>(info->client_data); }

[[noreturn]] void OnError(j_common_ptr info)
{
    JpegDecoder& decoder = DecoderOf(info);
    (*info->err->format_message)(info, decoder.message);
    std::longjmp(decoder.failed, 1);
}

void OnMessage(j_common_ptr info, int level)
{
    // Warnings (corrupt or cut data that libjpeg would fill in) count as failures.
    if (level < 0 && DecoderOf(info).warnings++ == 0)
        (*info->err->format_message)(info, DecoderOf(info).message);
}

std::vector<uint8_t> ReadWholeFile(const std::string& fileName)
{
    gui::TFileStream file(fileName, gui::fmOpenRead);
    const int64_t size = file.Size();
    if (size <= 0 || size > INT32_MAX)
        throw gui::EInvalidGraphic("JPEG image is not valid: " + fileName);
    std::vector<uint8_t> data(static_cast<size_t>(size));
    file.ReadBuffer(data.data(), int32_t(size));
    return data;
}

void Decode(JpegDecoder& decoder, const std::vector<uint8_t>& data)
{
    jpeg_mem_src(&decoder.info, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&decoder.info, TRUE);
    decoder.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&decoder.info);
    const uint64_t width = decoder.info.output_width;
    const uint64_t height = decoder.info.output_height;
    if (width == 0 || height == 0 || width * height > kMaxPixels || decoder.info.output_components != 3)
        throw gui::EInvalidGraphic("JPEG image is too large or not in colour");
    decoder.image.width = int32_t(width);
    decoder.image.height = int32_t(height);
    decoder.image.bitCount = 24;
    const auto stride = size_t(gui::BmpRowStride(decoder.image.width, 24));
    decoder.image.bits.assign(stride * height, 0);
    decoder.row.resize(size_t(width) * 3);
    while (decoder.info.output_scanline < decoder.info.output_height) {
        const size_t y = decoder.info.output_scanline;
        JSAMPROW samples = decoder.row.data();
        jpeg_read_scanlines(&decoder.info, &samples, 1);
        uint8_t* out = decoder.image.bits.data() + (height - 1 - y) * stride;  // BMP rows run bottom-up
        for (size_t x = 0; x < width; ++x) {
            out[3 * x] = decoder.row[3 * x + 2];
            out[3 * x + 1] = decoder.row[3 * x + 1];
            out[3 * x + 2] = decoder.row[3 * x];
        }
    }
    jpeg_finish_decompress(&decoder.info);
}

}  // namespace

void LoadJpegPicture(gui::BmpImage& bitmap, const std::string& fileName)
{
    const std::vector<uint8_t> data = ReadWholeFile(fileName);
    auto decoder = std::make_unique<JpegDecoder>();
    JpegDecoder& d = *decoder;
    d.info.err = jpeg_std_error(&d.errors);
    d.errors.error_exit = OnError;
    d.errors.emit_message = OnMessage;
    d.info.client_data = &d;
    if (setjmp(d.failed))
        throw gui::EInvalidGraphic("JPEG image is not valid: " + fileName + ": " + d.message);
    jpeg_create_decompress(&d.info);
    Decode(d, data);
    if (d.warnings > 0)
        throw gui::EInvalidGraphic("JPEG image is not valid: " + fileName + ": " + d.message);
    bitmap = std::move(d.image);
}

}  // namespace sk
