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

// An active picture that is empty cannot be written (the layout has no flag for
// it): EInvalidGraphic.
void WriteSkinPictures(gui::TStream& stream, const TskSkinPictures& pictures);
// Raises EReadError or EInvalidGraphic when the stream ends early or a BMP file is
// not valid; counts are not trusted beyond the bytes present.
void ReadSkinPictures(gui::TStream& stream, TskSkinPictures& pictures);

void WriteSkinPayload(gui::TStream& stream, const TskSkinPictures& pictures, const gui::TStrings& description);
// False, with nothing read beyond it, when the format version is not 1.
bool ReadSkinPayload(gui::TStream& stream, TskSkinPictures& pictures, gui::TStrings& description);

}  // namespace sk
