// The main menu of a skinned form. It only adds the skin its submenus open with:
// set, it is used instead of the skin of the form's menus.
#pragma once

#include "gui/controls/menu.h"
#include "skin/data/skin_data.h"

namespace sk {

class TskSkinMainMenu : public gui::TMainMenu {
public:
    using gui::TMainMenu::TMainMenu;

    TskSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TskSkinData* value);

protected:
    void Notification(gui::TComponent* component, gui::TOperation operation) override;

private:
    TskSkinData* skinData_ = nullptr;
};

}  // namespace sk
