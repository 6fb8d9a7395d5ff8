#include "skin/model/skin_pictures.h"

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

void ReadFlaggedPicture(gui::TStream& stream, gui::BmpImage& picture)
{
    uint8_t flag = 1;
    stream.ReadBuffer(&flag, 1);
    picture = flag != 0 ? gui::BmpImage() : gui::ReadBmp(stream);
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
    for (gui::BmpImage* p : {&pictures.Picture, &pictures.Mask, &pictures.RollUpPicture, &pictures.RollUpMask})
        ReadFlaggedPicture(stream, *p);
    pictures.ActivePictures.clear();
    // Every picture is read from bytes that are there, so a count far beyond
    // them ends at the first missing one.
    const int32_t count = ReadInt32(stream);
    for (int32_t i = 0; i < count; ++i)
        pictures.ActivePictures.push_back(gui::ReadBmp(stream));
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
    description.LoadFromStream(stream);
    return true;
}

}  // namespace sk
