// The options dialog's folder field: a line of text with a browse button that
// lets the user pick a folder.
//
// This is the one place where the skinned directory edit and its select-folder
// dialog plug in. Until they are part of the build, the field is the system's
// edit box and the browse button opens the shell's folder browser.
#pragma once

#include <string>

#include "gui/win_control.h"

namespace sk {
class TskSkinButton;
class TskSkinData;
}  // namespace sk

namespace brenvale {

class TDirectoryEdit : public gui::TWinControl {
public:
    TDirectoryEdit(gui::TComponent* owner, sk::TskSkinData* skin);

    std::string Text() override;
    void SetEditText(const std::string& value);
    // The edit box's window, for whoever types into it.
    HWND EditHandle();
    void Browse();

private:
    class Edit;
    Edit* edit_;
    sk::TskSkinButton* button_;
};

}  // namespace brenvale
