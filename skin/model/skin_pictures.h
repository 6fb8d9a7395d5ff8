// The pictures of a skin as they travel in stored and compressed skins, and the
// two binary layouts that carry them (little-endian throughout):
//
// Pictures stream: for picture, mask, rolluppicture and rollupmask in this order a
// flag byte (1: no picture, 0: a BMP file follows; readers take any nonzero flag as
// none), then the signed 32-bit count of active pictures and that many BMP files
// back to back. Each BMP file is as long as its header's bfSize says.
//
// Skin payload (what a compressed skin inflates to): the signed 32-bit format
// version 1, the pictures stream, then the description's lines to the end, each
// followed by CR LF.
#pragma once

#include <cstdint>
#include <vector>

#include "gui/core/bmp_image.h"

namespace gui {
class TStream;
class TStrings;
}  // namespace gui

namespace sk {

struct TskSkinPictures {
    gui::BmpImage Picture;  // an Empty() image stands for no picture
    gui::BmpImage Mask;
    gui::BmpImage RollUpPicture;
    gui::BmpImage RollUpMask;
    std::vector<gui::BmpImage> ActivePictures;
};

constexpr int32_t kSkinFormatVersion = 1;

// What a skin may hold. Real skins stay far below (the program's own has a frame of
// 240 x 150, a dozen pictures and 8 KB of description); a damaged or hostile one is
// refused at these bounds before its pictures or lines take memory or handles.
constexpr int32_t kMaxSkinPictureSide = 8192;
constexpr int64_t kMaxSkinPixels = int64_t(16) << 20;  // of all its pictures together
constexpr int32_t kMaxSkinActivePictures = 1024;
constexpr int64_t kMaxSkinDescriptionBytes = int64_t(1) << 20;

// An active picture that is empty cannot be written (the layout has no flag for
// it): EInvalidGraphic.
void WriteSkinPictures(gui::TStream& stream, const TskSkinPictures& pictures);
// Raises EReadError or EInvalidGraphic when the stream ends early or a BMP file is
// not valid; counts are not trusted beyond the bytes present. EInvalidGraphic also
// for more active pictures, a wider or higher picture, or more pixels than a skin
// may hold, found from the headers before any picture is read.
void ReadSkinPictures(gui::TStream& stream, TskSkinPictures& pictures);

void WriteSkinPayload(gui::TStream& stream, const TskSkinPictures& pictures, const gui::TStrings& description);
// False, with nothing read beyond it, when the format version is not 1. EReadError
// for a description of more than kMaxSkinDescriptionBytes.
bool ReadSkinPayload(gui::TStream& stream, TskSkinPictures& pictures, gui::TStrings& description);
// EReadError when a description of these lines is longer than a skin's may be.
void CheckSkinDescriptionSize(const gui::TStrings& description);

}  // namespace sk
