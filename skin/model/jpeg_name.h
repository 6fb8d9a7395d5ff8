// Skin pictures named like JPEG files are decoded as JPEG, all others as BMP.
#pragma once

#include <string>

namespace sk {

// True when the name's extension is ".jpg" or ".jpeg", in any letter case.
inline bool IsJpegFileName(const std::string& fileName)
{
    const size_t dot = fileName.find_last_of("./\\");
    if (dot == std::string::npos || fileName[dot] != '.')
        return false;
    std::string extension = fileName.substr(dot + 1);
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return extension == "jpg" || extension == "jpeg";
}

}  // namespace sk
