#include "app/options_form.h"

#include <windows.h>

#include "app/form_resources.h"
#include "app/form_skin.h"
#include "gui/core/string_utils.h"
#include "skinctrls/controls/skin_button.h"
#include "skinctrls/controls/skin_std_label.h"
#include "skinctrls/dialogs/skin_message.h"
#include "skinctrls/folders/skin_directory_edit.h"

namespace brenvale {

namespace {

// The drive a path names by its letter ("Q:" for "Q:\Music"), when no such drive
// is there; empty for a path on a drive that exists and for one without a letter
// (a share, a relative path).
std::string MissingDrive(const std::string& path)
{
    if (path.size() < 2 || path[1] != ':')
        return std::string();
    const char letter = path[0] >= 'a' && path[0] <= 'z' ? char(path[0] - 'a' + 'A') : path[0];
    if (letter < 'A' || letter > 'Z')
        return std::string();
    const char root[] = {letter, ':', '\\', '\0'};
    return ::GetDriveTypeA(root) == DRIVE_NO_ROOT_DIR ? std::string{letter, ':'} : std::string();
}

}  // namespace

TfrmOptions::TfrmOptions(gui::TComponent* owner, sk::TskSkinData* skin) : TForm(owner)
{
    BeginLoading();
    SetName("frmOptions");
    SetCaption("Options");
    // The skin's frame first: the client size is what lies inside it.
    AttachFormSkin(*this, skin, {/*sizeable=*/true, /*rollUp=*/true, /*menuItemHeight=*/0});
    SetClientWidth(321);
    SetClientHeight(131);
    CenterOnScreen(*this);

    Label2 = new sk::TskSkinStdLabel(this);
    Label2->SetName("Label2");
    Label2->SetSkinData(skin);
    Label2->SetSkinDataName("stdlabel");
    Label2->SetCaption("Choose directory to save the ripped files:");
    Label2->SetLeft(24);
    Label2->SetTop(16);
    Label2->SetParent(this);

    skSkinDirectoryEdit_OutputDir = new sk::TskSkinDirectoryEdit(this);
    skSkinDirectoryEdit_OutputDir->SetName("skSkinDirectoryEdit_OutputDir");
    skSkinDirectoryEdit_OutputDir->SetSkinDataName("buttonedit");
    skSkinDirectoryEdit_OutputDir->SetButtonMode(true);
    skSkinDirectoryEdit_OutputDir->SetSkinData(skin);
    skSkinDirectoryEdit_OutputDir->SetDlgSkinData(skin);
    skSkinDirectoryEdit_OutputDir->SetDlgCtrlSkinData(skin);
    skSkinDirectoryEdit_OutputDir->SetBounds(24, 40, 273, 25);
    skSkinDirectoryEdit_OutputDir->SetParent(this);

    skSkinButton_OK = new sk::TskSkinButton(this);
    skSkinButton_OK->SetName("skSkinButton_OK");
    skSkinButton_OK->SetSkinDataName("button");
    skSkinButton_OK->SetSkinData(skin);
    skSkinButton_OK->SetBounds(136, 88, 81, 25);
    skSkinButton_OK->SetCaption("OK");
    skSkinButton_OK->SetModalResult(gui::mrOk);
    skSkinButton_OK->SetDefault(true);
    skSkinButton_OK->OnClick = [this](gui::TComponent* sender) { skSkinButton_OKClick(sender); };
    skSkinButton_OK->SetParent(this);

    skSkinButton_Cancel = new sk::TskSkinButton(this);
    skSkinButton_Cancel->SetName("skSkinButton_Cancel");
    skSkinButton_Cancel->SetSkinDataName("button");
    skSkinButton_Cancel->SetSkinData(skin);
    skSkinButton_Cancel->SetBounds(224, 88, 75, 25);
    skSkinButton_Cancel->SetCaption("Cancel");
    skSkinButton_Cancel->SetModalResult(gui::mrCancel);
    skSkinButton_Cancel->SetCancel(true);
    skSkinButton_Cancel->SetParent(this);

    skSkinMessage = new sk::TskSkinMessage(this);
    skSkinMessage->SetName("skSkinMessage");
    skSkinMessage->SetSkinData(skin);
    skSkinMessage->SetCtrlSkinData(skin);
    // A drive the folder dialog cannot read is reported in the skin too.
    skSkinDirectoryEdit_OutputDir->SelectDirectoryDialog().SetSkinMessage(skSkinMessage);
    EndLoading();
}

void TfrmOptions::SetOutputPath(const std::string& value)
{
    outputPath_ = gui::Trim(value);
    skSkinDirectoryEdit_OutputDir->SetText(outputPath_);
}

void TfrmOptions::skSkinButton_OKClick(gui::TComponent*)
{
    const std::string path = gui::Trim(skSkinDirectoryEdit_OutputDir->Text());
    const std::string drive = MissingDrive(path);
    if (!drive.empty()) {
        // The button's result would close the dialog: it stays open, the folder
        // in its field for the user to mend.
        SetModalResult(gui::mrNone);
        skSkinMessage->MessageDlg("The drive " + drive + " does not exist. Please choose a folder on a drive of "
                                  "this computer.",
                                  gui::mtWarning, {gui::mbOK}, 0);
        if (skSkinDirectoryEdit_OutputDir->CanFocus())
            skSkinDirectoryEdit_OutputDir->SetFocus();
        return;
    }
    outputPath_ = path;
}

}  // namespace brenvale
