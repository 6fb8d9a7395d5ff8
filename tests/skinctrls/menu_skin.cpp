#include "menu_skin.h"

#include "gui/canvas.h"

namespace menutest {

MenuSkin::MenuSkin() : stored_(new sk::TskStoredSkin(&owner_)), data_(new sk::TskSkinData(&owner_)) {}

int MenuSkin::AddPicture(gui::TBitmap& picture)
{
    auto& pictures = stored_->Pictures().ActivePictures;
    pictures.push_back(picture.SaveToImage());
    return int(pictures.size()) - 1;
}

void MenuSkin::AddSection(const std::string& name, const std::vector<std::string>& lines)
{
    sections_.push_back("[" + name + "]");
    sections_.insert(sections_.end(), lines.begin(), lines.end());
}

void MenuSkin::AddObject(const std::string& name, const std::string& type, const std::vector<std::string>& lines)
{
    objects_.push_back(std::to_string(objects_.size()) + "=" + name + ":" + type);
    AddSection(name, lines);
}

void MenuSkin::Load()
{
    std::vector<std::string> ini = {"[VERSION]", "skinname=Menus test", "[PICTURES]", "activepicturescount=0",
                                    "[FORMINFO]", "borderwidth=0", "[SKINCONTROLS]", "count=0", "[SKINOBJECTS]",
                                    "count=" + std::to_string(objects_.size())};
    ini.insert(ini.end(), objects_.begin(), objects_.end());
    ini.insert(ini.end(), sections_.begin(), sections_.end());
    gui::TStringList lines;
    for (const std::string& line : ini)
        lines.Add(line);
    stored_->SetIniStrings(lines);
    data_->SetStoredSkin(stored_);
}

void MakeSolid(gui::TBitmap& bitmap, int width, int height, gui::TColor colour)
{
    bitmap.SetSize(width, height);
    bitmap.Canvas().Brush().SetColor(colour);
    bitmap.Canvas().FillRect(gui::Rect(0, 0, width, height));
}

}  // namespace menutest
