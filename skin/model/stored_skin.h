// A whole skin carried inside the program uncompressed: the description's lines
// and the pictures, filled from the form's binary data ("Pictures") and read by
// the skin data component.
#pragma once

#include <string>

#include "gui/core/component.h"
#include "gui/core/strings.h"
#include "skin/model/skin_pictures.h"

namespace sk {

class TskStoredSkin : public gui::TComponent {
public:
    explicit TskStoredSkin(gui::TComponent* owner) : TComponent(owner) {}

    // The description file the skin came from, without folder.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& value) { fileName_ = value; }

    gui::TStringList& IniStrings() { return iniStrings_; }
    const gui::TStringList& IniStrings() const { return iniStrings_; }
    void SetIniStrings(const gui::TStrings& value) { iniStrings_.Assign(value); }

    TskSkinPictures& Pictures() { return pictures_; }
    const TskSkinPictures& Pictures() const { return pictures_; }
    void ClearActivePictures() { pictures_.ActivePictures.clear(); }

    // The binary "Pictures" data, in the pictures stream layout. A failed read
    // leaves the pictures as they were.
    void ReadPictures(gui::TStream& stream);
    void WritePictures(gui::TStream& stream) const { WriteSkinPictures(stream, pictures_); }

private:
    std::string fileName_;
    gui::TStringList iniStrings_;
    TskSkinPictures pictures_;
};

}  // namespace sk
