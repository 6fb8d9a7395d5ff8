// How a skinned component holds the skin data it draws from. The skin is
// usually the main window's and can go first, so the two are linked both ways
// and the component hears of it.
#pragma once

#include <string>

#include "gui/core/component.h"
#include "skin/data/skin_data.h"
#include "skin/model/control_records.h"

namespace sk {

// Points `field` of `self` at `value` and links the two; the link to the skin
// held before goes. A `self` that is a skin client is kept by the skin as one of
// its controls. Answers whether `self` should read the new skin at once:
// there is one, it is loaded, and `self` is not being designed.
bool LinkSkinData(gui::TComponent& self, TskSkinData*& field, TskSkinData* value);

// The index of the element `name` in the skin's control list: -1 without skin
// data, with an empty skin or without such an element.
int SkinControlIndex(const TskSkinData* skinData, const std::string& name);

// Whether a control can draw `record` from the skin's picture it names: every
// rectangle it cuts lies in that picture, which is there.
bool ElementFitsPicture(TskSkinData& skinData, const TskDataSkinCustomControl& record);

}  // namespace sk
