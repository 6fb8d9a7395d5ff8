#include "skin/model/skin_pictures.h"

#include <string>

#include "gui/core/exceptions.h"
#include "gui/core/stream.h"
#include "gui/core/strings.h"

namespace sk {

namespace {

void WriteInt32(gui::TStream& stream, int32_t value)
{
    const uint8_t bytes[4] = {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
    stream.WriteBuffer(bytes, 4);
}

int32_t ReadInt32(gui::TStream& stream)
{
    uint8_t b[4];
    stream.ReadBuffer(b, 4);
    return int32_t(uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24));
}

void WriteFlaggedPicture(gui::TStream& stream, const gui::BmpImage& picture)
{
    const uint8_t flag = picture.Empty() ? 1 : 0;
    stream.WriteBuffer(&flag, 1);
    if (!picture.Empty())
        gui::WriteBmp(stream, picture);
}

// Reads the BMP file at the stream's position once its header has shown a picture
// the skin has room for; `pixelsLeft` is what the skin's pictures may still hold.
gui::BmpImage ReadBoundedBmp(gui::TStream& stream, int64_t& pixelsLeft)
{
    constexpr int32_t kHeadSize = 26;  // file header, info header size, width, height
    uint8_t head[kHeadSize];
    const int64_t start = stream.Position();
    const bool whole = stream.Read(head, kHeadSize) == kHeadSize;
    stream.SetPosition(start);
    // A header too short or of another kind is left to the BMP reader to refuse.
    if (whole && head[0] == 'B' && head[1] == 'M') {
        auto le32 = [&](int at) {
            return int32_t(uint32_t(head[at]) | (uint32_t(head[at + 1]) << 8) | (uint32_t(head[at + 2]) << 16) |
                           (uint32_t(head[at + 3]) << 24));
        };
        const int64_t width = le32(18);
        const int64_t height = le32(22) < 0 ? -int64_t(le32(22)) : int64_t(le32(22));
        if (width > kMaxSkinPictureSide || height > kMaxSkinPictureSide ||
            (width > 0 && width * height > pixelsLeft))
            throw gui::EInvalidGraphic("A picture of the skin is too large: " + std::to_string(width) + " x " +
                                       std::to_string(height) + " pixels");
    }
    gui::BmpImage picture = gui::ReadBmp(stream);
    pixelsLeft -= int64_t(picture.width) * picture.height;
    return picture;
}

void ReadFlaggedPicture(gui::TStream& stream, gui::BmpImage& picture, int64_t& pixelsLeft)
{
    uint8_t flag = 1;
    stream.ReadBuffer(&flag, 1);
    picture = flag != 0 ? gui::BmpImage() : ReadBoundedBmp(stream, pixelsLeft);
}

}  // namespace

void WriteSkinPictures(gui::TStream& stream, const TskSkinPictures& pictures)
{
    for (const gui::BmpImage* p : {&pictures.Picture, &pictures.Mask, &pictures.RollUpPicture, &pictures.RollUpMask})
        WriteFlaggedPicture(stream, *p);
    WriteInt32(stream, int32_t(pictures.ActivePictures.size()));
    for (const gui::BmpImage& picture : pictures.ActivePictures) {
        if (picture.Empty())
            throw gui::EInvalidGraphic("An active picture of the skin is empty");
        gui::WriteBmp(stream, picture);
    }
}

void ReadSkinPictures(gui::TStream& stream, TskSkinPictures& pictures)
{
    int64_t pixelsLeft = kMaxSkinPixels;
    for (gui::BmpImage* p : {&pictures.Picture, &pictures.Mask, &pictures.RollUpPicture, &pictures.RollUpMask})
        ReadFlaggedPicture(stream, *p, pixelsLeft);
    pictures.ActivePictures.clear();
    // Each active picture becomes a bitmap of the system's: a count beyond what a
    // skin holds would exhaust them however small the pictures.
    const int32_t count = ReadInt32(stream);
    if (count > kMaxSkinActivePictures)
        throw gui::EInvalidGraphic("The skin has too many pictures: " + std::to_string(count));
    for (int32_t i = 0; i < count; ++i)
        pictures.ActivePictures.push_back(ReadBoundedBmp(stream, pixelsLeft));
}

void WriteSkinPayload(gui::TStream& stream, const TskSkinPictures& pictures, const gui::TStrings& description)
{
    WriteInt32(stream, kSkinFormatVersion);
    WriteSkinPictures(stream, pictures);
    description.SaveToStream(stream);
}

bool ReadSkinPayload(gui::TStream& stream, TskSkinPictures& pictures, gui::TStrings& description)
{
    if (ReadInt32(stream) != kSkinFormatVersion)
        return false;
    ReadSkinPictures(stream, pictures);
    if (stream.Size() - stream.Position() > kMaxSkinDescriptionBytes)
        throw gui::EReadError("The skin description is too large");
    description.LoadFromStream(stream);
    return true;
}

void CheckSkinDescriptionSize(const gui::TStrings& description)
{
    int64_t bytes = 0;
    for (int32_t i = 0; i < description.Count(); ++i) {
        bytes += int64_t(description[i].size()) + 2;  // with its line end
        if (bytes > kMaxSkinDescriptionBytes)
            throw gui::EReadError("The skin description is too large");
    }
}

}  // namespace sk
