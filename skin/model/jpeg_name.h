// Skin pictures named like JPEG files are decoded as JPEG, all others as BMP.
#pragma once

#include <string>

namespace sk {

// A case-sensitive substring test for ".jpg" or ".jpeg".
inline bool IsJpegFileName(const std::string& fileName)
{
    return fileName.find(".jpg") != std::string::npos || fileName.find(".jpeg") != std::string::npos;
}

}  // namespace sk
