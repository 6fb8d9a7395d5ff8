// A skinned edit ("buttonedit") holding a folder's path, whose browse button
// opens the select-folder dialog at that folder and puts the folder chosen with
// Ok into the text.
#pragma once

#include <memory>

#include "skinctrls/controls/skin_edit.h"
#include "skinctrls/folders/skin_select_directory_dialog.h"

namespace sk {

class TskSkinDirectoryEdit : public TskSkinEdit {
public:
    explicit TskSkinDirectoryEdit(gui::TComponent* owner);
    ~TskSkinDirectoryEdit() override;

    // The skins the dialog is shown in: its frame, and its controls and menus.
    // Not owned; forgotten when freed.
    TskSkinData* DlgSkinData() const { return dlgSkinData_; }
    void SetDlgSkinData(TskSkinData* value);
    TskSkinData* DlgCtrlSkinData() const { return dlgCtrlSkinData_; }
    void SetDlgCtrlSkinData(TskSkinData* value);

    // The dialog the browse button runs; the edit owns it.
    TskSkinSelectDirectoryDialog& SelectDirectoryDialog() { return *dialog_; }

    // What the browse button does.
    void DoButtonClick(gui::TComponent* sender);

protected:
    void Notification(gui::TComponent* component, gui::TOperation operation) override;

private:
    TskSkinData* dlgSkinData_ = nullptr;
    TskSkinData* dlgCtrlSkinData_ = nullptr;
    std::unique_ptr<TskSkinSelectDirectoryDialog> dialog_;
};

}  // namespace sk
