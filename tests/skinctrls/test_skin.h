// A skin made by a test: pictures drawn in the test, control elements, frame
// objects and fixed sections described by their sections' lines, loaded into a
// skin data component owned by a form.
#pragma once

#include <string>
#include <vector>

#include "gui/controls/form.h"
#include "gui/graphics/bitmap.h"
#include "skin/data/skin_data.h"
#include "skin/model/stored_skin.h"

namespace skinctrlstest {

class TestSkin {
public:
    TestSkin();

    // Adds an active picture; answers its index.
    int AddPicture(gui::TBitmap& picture);
    // Adds a control element of the type keyword with the lines of its section.
    void AddElement(const std::string& name, const std::string& type, const std::vector<std::string>& lines);
    // Adds a frame object (SKINOBJECTS) of the type keyword with its section's lines.
    void AddObject(const std::string& name, const std::string& type, const std::vector<std::string>& lines);
    // Adds a fixed section (POPUPWINDOW, HINTWINDOW...) with its lines.
    void AddSection(const std::string& name, const std::vector<std::string>& lines);
    void SetStartCursorIndex(int index) { startCursorIndex_ = index; }
    // Loads what was added into Data().
    void Load();
    // Forgets every picture, element, object and section added: the next Load
    // replaces the skin with what is added after this.
    void Clear();

    gui::TForm& Owner() { return owner_; }
    sk::TskSkinData& Data() { return *data_; }

private:
    gui::TForm owner_{nullptr};
    sk::TskStoredSkin* stored_;
    sk::TskSkinData* data_;
    std::vector<std::string> controls_;
    std::vector<std::string> objects_;
    std::vector<std::string> sections_;
    int startCursorIndex_ = 1;
};

}  // namespace skinctrlstest
