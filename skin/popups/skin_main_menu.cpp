#include "skin/popups/skin_main_menu.h"

#include "skin/data/skin_data_link.h"

namespace sk {

void TskSkinMainMenu::SetSkinData(TskSkinData* value)
{
    LinkSkinData(*this, skinData_, value);
}

void TskSkinMainMenu::Notification(gui::TComponent* component, gui::TOperation operation)
{
    gui::TMainMenu::Notification(component, operation);
    if (operation == gui::opRemove && component == skinData_)
        skinData_ = nullptr;
}

}  // namespace sk
