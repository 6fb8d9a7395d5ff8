// The skinned edit as forms place it.
#pragma once

#include "skinctrls/controls/skin_custom_edit.h"

namespace sk {

class TskSkinEdit : public TskSkinCustomEdit {
public:
    using TskSkinCustomEdit::TskSkinCustomEdit;
};

}  // namespace sk
