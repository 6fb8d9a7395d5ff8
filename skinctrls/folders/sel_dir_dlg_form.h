// The window of the select-folder dialog, built in code: a skinned frame, the
// folder tree in a framed panel with its two skinned scroll bars, and a panel
// with the Ok and Cancel buttons below.
#pragma once

#include "gui/controls/form.h"

namespace sk {

class TskFormSkinEngine;
class TskSkinButton;
class TskSkinDirTreeView;
class TskSkinPanel;
class TskSkinScrollBar;

class TskSelDirDlgForm : public gui::TForm {
public:
    explicit TskSelDirDlgForm(gui::TComponent* owner);

    TskFormSkinEngine* SkinForm() const { return skinForm_; }
    TskSkinPanel* ClientPanel() const { return clientPanel_; }
    TskSkinScrollBar* VScrollBar() const { return vScrollBar_; }
    TskSkinScrollBar* HScrollBar() const { return hScrollBar_; }
    TskSkinDirTreeView* DirTreeView() const { return dirTreeView_; }
    TskSkinPanel* ButtonPanel() const { return buttonPanel_; }
    TskSkinButton* OkButton() const { return okButton_; }
    TskSkinButton* CancelButton() const { return cancelButton_; }

private:
    TskFormSkinEngine* skinForm_;
    TskSkinPanel* clientPanel_;
    TskSkinScrollBar* vScrollBar_;
    TskSkinScrollBar* hScrollBar_;
    TskSkinDirTreeView* dirTreeView_;
    TskSkinPanel* buttonPanel_;
    TskSkinButton* okButton_;
    TskSkinButton* cancelButton_;
};

}  // namespace sk
