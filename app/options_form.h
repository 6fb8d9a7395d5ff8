// The options dialog: the folder that receives the ripped files.
#pragma once

#include <string>

#include "gui/controls/form.h"

namespace sk {
class TskSkinButton;
class TskSkinData;
class TskSkinDirectoryEdit;
class TskSkinMessage;
class TskSkinStdLabel;
}  // namespace sk

namespace brenvale {

class TfrmOptions : public gui::TForm {
public:
    TfrmOptions(gui::TComponent* owner, sk::TskSkinData* skin);

    sk::TskSkinStdLabel* Label2;
    sk::TskSkinDirectoryEdit* skSkinDirectoryEdit_OutputDir;
    sk::TskSkinButton* skSkinButton_OK;
    sk::TskSkinButton* skSkinButton_Cancel;
    sk::TskSkinMessage* skSkinMessage;  // the dialog's messages, and the folder dialog's

    // The folder shown when the dialog opens, and the one OK stored; blanks
    // around it are dropped both ways. OK keeps the dialog open, and says why,
    // for a folder on a drive that does not exist: every rip would fail there.
    void SetOutputPath(const std::string& value);
    const std::string& OutputPath() const { return outputPath_; }

private:
    void skSkinButton_OKClick(gui::TComponent* sender);

    std::string outputPath_;
};

}  // namespace brenvale
