// The options dialog's folder field: a skinned edit whose browse button lets the
// user pick a folder.
//
// This is the one place where the skinned directory edit and its select-folder
// dialog plug in. Until they are part of the build, the browse button opens the
// shell's folder browser.
#pragma once

#include "skinctrls/skin_edit.h"

namespace brenvale {

class TDirectoryEdit : public sk::TskSkinEdit {
public:
    explicit TDirectoryEdit(gui::TComponent* owner);

    void Browse();
};

}  // namespace brenvale
