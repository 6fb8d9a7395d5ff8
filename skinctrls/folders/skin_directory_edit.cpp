#include "skinctrls/folders/skin_directory_edit.h"

namespace sk {

TskSkinDirectoryEdit::TskSkinDirectoryEdit(gui::TComponent* owner)
    : TskSkinEdit(owner), dialog_(std::make_unique<TskSkinSelectDirectoryDialog>(nullptr))
{
    // The text is a path, never the component's name.
    gui::TControlStyle style = ControlStyle();
    style.Exclude(gui::csSetCaption);
    SetControlStyle(style);
    SetButtonMode(true);
    OnButtonClick = [this](gui::TComponent* sender) { DoButtonClick(sender); };
    SetSkinDataName("buttonedit");
}

TskSkinDirectoryEdit::~TskSkinDirectoryEdit() = default;

// The links stay when a reference changes: the same skin is often held twice,
// and a link to a component no longer held only costs a notification.
void TskSkinDirectoryEdit::SetDlgSkinData(TskSkinData* value)
{
    dlgSkinData_ = value;
    if (value)
        FreeNotification(value);
}

void TskSkinDirectoryEdit::SetDlgCtrlSkinData(TskSkinData* value)
{
    dlgCtrlSkinData_ = value;
    if (value)
        FreeNotification(value);
}

void TskSkinDirectoryEdit::Notification(gui::TComponent* component, gui::TOperation operation)
{
    TskSkinEdit::Notification(component, operation);
    if (operation != gui::opRemove)
        return;
    if (component == dlgSkinData_)
        dlgSkinData_ = nullptr;
    if (component == dlgCtrlSkinData_)
        dlgCtrlSkinData_ = nullptr;
}

void TskSkinDirectoryEdit::DoButtonClick(gui::TComponent*)
{
    dialog_->SetDirectory(Text());
    dialog_->SetSkinData(dlgSkinData_);
    dialog_->SetCtrlSkinData(dlgCtrlSkinData_);
    if (dialog_->Execute())
        SetText(dialog_->Directory());
}

}  // namespace sk
