#include "skinctrls/skin_main_menu.h"

namespace sk {

void TskSkinMainMenu::SetSkinData(TskSkinData* value)
{
    if (skinData_ && skinData_ != value)
        RemoveFreeNotification(skinData_);
    skinData_ = value;
    if (skinData_)
        FreeNotification(skinData_);
}

void TskSkinMainMenu::Notification(gui::TComponent* component, gui::TOperation operation)
{
    gui::TMainMenu::Notification(component, operation);
    if (operation == gui::opRemove && component == skinData_)
        skinData_ = nullptr;
}

}  // namespace sk
