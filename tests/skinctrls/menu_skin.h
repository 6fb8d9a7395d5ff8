// A skin for the menu and hint tests: pictures drawn by the test, the popup and
// hint window sections, and frame objects such as the menu item element.
#pragma once

#include <string>
#include <vector>

#include "gui/bitmap.h"
#include "gui/form.h"
#include "skin/skin_data.h"
#include "skin/stored_skin.h"

namespace menutest {

class MenuSkin {
public:
    MenuSkin();

    // Adds an active picture; answers its index.
    int AddPicture(gui::TBitmap& picture);
    // A fixed section (POPUPWINDOW, HINTWINDOW) with its lines.
    void AddSection(const std::string& name, const std::vector<std::string>& lines);
    // A frame object of the type keyword with the lines of its section.
    void AddObject(const std::string& name, const std::string& type, const std::vector<std::string>& lines);
    void Load();

    gui::TForm& Owner() { return owner_; }
    sk::TskSkinData& Data() { return *data_; }

private:
    gui::TForm owner_{nullptr};
    sk::TskStoredSkin* stored_;
    sk::TskSkinData* data_;
    std::vector<std::string> objects_;
    std::vector<std::string> sections_;
};

// A picture of one colour.
void MakeSolid(gui::TBitmap& bitmap, int width, int height, gui::TColor colour);

}  // namespace menutest
