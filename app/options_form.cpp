#include "app/options_form.h"

#include "app/form_resources.h"
#include "app/form_skin.h"
#include "gui/core/string_utils.h"
#include "skinctrls/controls/skin_button.h"
#include "skinctrls/controls/skin_std_label.h"
#include "skinctrls/folders/skin_directory_edit.h"

namespace brenvale {

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
    EndLoading();
}

void TfrmOptions::SetOutputPath(const std::string& value)
{
    outputPath_ = gui::Trim(value);
    skSkinDirectoryEdit_OutputDir->SetText(outputPath_);
}

void TfrmOptions::skSkinButton_OKClick(gui::TComponent*)
{
    outputPath_ = gui::Trim(skSkinDirectoryEdit_OutputDir->Text());
}

}  // namespace brenvale
