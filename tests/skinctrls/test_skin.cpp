#include "test_skin.h"

namespace skinctrlstest {

TestSkin::TestSkin() : stored_(new sk::TskStoredSkin(&owner_)), data_(new sk::TskSkinData(&owner_)) {}

int TestSkin::AddPicture(gui::TBitmap& picture)
{
    auto& pictures = stored_->Pictures().ActivePictures;
    pictures.push_back(picture.SaveToImage());
    return int(pictures.size()) - 1;
}

void TestSkin::AddElement(const std::string& name, const std::string& type, const std::vector<std::string>& lines)
{
    controls_.push_back(std::to_string(controls_.size()) + "=" + name + ":" + type);
    AddSection(name, lines);
}

void TestSkin::AddObject(const std::string& name, const std::string& type, const std::vector<std::string>& lines)
{
    objects_.push_back(std::to_string(objects_.size()) + "=" + name + ":" + type);
    AddSection(name, lines);
}

void TestSkin::AddSection(const std::string& name, const std::vector<std::string>& lines)
{
    sections_.push_back("[" + name + "]");
    sections_.insert(sections_.end(), lines.begin(), lines.end());
}

void TestSkin::Load()
{
    std::vector<std::string> ini = {"[VERSION]", "skinname=Controls test", "[PICTURES]", "activepicturescount=0",
                                    "[CURSORS]", "startcursorindex=" + std::to_string(startCursorIndex_),
                                    "[FORMINFO]", "borderwidth=0", "[SKINOBJECTS]",
                                    "count=" + std::to_string(objects_.size())};
    ini.insert(ini.end(), objects_.begin(), objects_.end());
    ini.push_back("[SKINCONTROLS]");
    ini.push_back("count=" + std::to_string(controls_.size()));
    ini.insert(ini.end(), controls_.begin(), controls_.end());
    ini.insert(ini.end(), sections_.begin(), sections_.end());
    gui::TStringList lines;
    for (const std::string& line : ini)
        lines.Add(line);
    stored_->SetIniStrings(lines);
    data_->SetStoredSkin(stored_);
}

void TestSkin::Clear()
{
    stored_->Pictures().ActivePictures.clear();
    controls_.clear();
    objects_.clear();
    sections_.clear();
}

}  // namespace skinctrlstest
