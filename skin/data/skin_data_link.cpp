#include "skin/data/skin_data_link.h"

#include "gui/core/component_reference.h"

namespace sk {

bool LinkSkinData(gui::TComponent& self, TskSkinData*& field, TskSkinData* value)
{
    gui::SetReference(self, field, value);
    return value && !value->Empty() && !self.ComponentState().Contains(gui::csDesigning);
}

int SkinControlIndex(const TskSkinData* skinData, const std::string& name)
{
    return !skinData || skinData->Empty() ? -1 : skinData->GetControlIndex(name);
}

}  // namespace sk
