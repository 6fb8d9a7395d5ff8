// JPEG picture files, decoded through libjpeg into the portable BMP form: 24 bits
// per pixel at the JPEG's size, whatever its colour space.
#pragma once

#include <string>

#include "gui/core/bmp_image.h"

namespace sk {

// Raises EFOpenError for a file that cannot be read and EInvalidGraphic for one
// that is not a whole, valid JPEG image.
void LoadJpegPicture(gui::BmpImage& bitmap, const std::string& fileName);

}  // namespace sk
