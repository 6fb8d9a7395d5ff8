#include "skin/data/skin_data_link.h"

#include "gui/core/component_reference.h"
#include "skin/data/skin_client.h"

namespace sk {

bool LinkSkinData(gui::TComponent& self, TskSkinData*& field, TskSkinData* value)
{
    // A control drawing from the skin is kept by it, so that it hears of every
    // change of the skin whichever form it sits on.
    if (auto* client = dynamic_cast<TskSkinClient*>(&self)) {
        if (field && field != value)
            field->RemoveClient(self);
        if (value)
            value->AddClient(self, *client);
    }
    gui::SetReference(self, field, value);
    return value && !value->Empty() && !self.ComponentState().Contains(gui::csDesigning);
}

int SkinControlIndex(const TskSkinData* skinData, const std::string& name)
{
    return !skinData || skinData->Empty() ? -1 : skinData->GetControlIndex(name);
}

bool ElementFitsPicture(TskSkinData& skinData, const TskDataSkinCustomControl& record)
{
    const gui::TBitmap* picture = skinData.ActivePicture(record.PictureIndex);
    return record.FitsPicture(picture ? picture->Width() : 0, picture ? picture->Height() : 0);
}

}  // namespace sk
