// A skin as a designer keeps it: a description file and the picture files beside
// it, named in its PICTURES section (picture, mask, rolluppicture, rollupmask, and
// the list activepicturescount, 0, 1 ...). These turn such a folder into the data
// the program carries.
#pragma once

#include <string>

namespace sk {

class TskStoredSkin;
class TskCompressedStoredSkin;

// Fills a stored skin from the description at path: its lines, and the pictures as
// BMP files or, for names containing ".jpg" or ".jpeg", as JPEG files. An empty
// name means no picture. On failure the stored skin is unchanged.
void LoadFromSkinFile(TskStoredSkin& skin, const std::string& path);

// Packs the description at path and its BMP pictures into the compressed skin's
// blob. False, with the blob unchanged, when the description lacks a required
// section; a picture that cannot be read raises and also leaves the blob as it was.
bool PackSkinFile(TskCompressedStoredSkin& skin, const std::string& path);

}  // namespace sk
