#include "skinctrls/skin_data_link.h"

namespace sk {

bool LinkSkinData(gui::TComponent& self, TskSkinData*& field, TskSkinData* value)
{
    if (field && field != value)
        self.RemoveFreeNotification(field);
    field = value;
    if (!value)
        return false;
    self.FreeNotification(value);
    return !value->Empty() && !self.ComponentState().Contains(gui::csDesigning);
}

int SkinControlIndex(const TskSkinData* skinData, const std::string& name)
{
    return !skinData || skinData->Empty() ? -1 : skinData->GetControlIndex(name);
}

}  // namespace sk
