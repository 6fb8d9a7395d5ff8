#include "skinctrls/folders/sel_dir_dlg_form.h"

#include "skin/forms/form_skin_engine.h"
#include "skinctrls/controls/skin_button.h"
#include "skinctrls/controls/skin_panel.h"
#include "skinctrls/controls/skin_scroll_bar.h"
#include "skinctrls/folders/skin_dir_tree_view.h"

namespace sk {

namespace {

TskSkinButton* MakeButton(TskSelDirDlgForm& form, TskSkinPanel* parent, const char* caption, int left,
                          gui::TModalResult result)
{
    auto* button = new TskSkinButton(&form);
    button->SetParent(parent);
    button->SetCaption(caption);
    button->SetCanFocused(true);
    button->SetDefaultHeight(25);
    button->SetBounds(left, 15, 70, 25);
    button->SetModalResult(result);
    return button;
}

}  // namespace

TskSelDirDlgForm::TskSelDirDlgForm(gui::TComponent* owner) : gui::TForm(owner)
{
    SetKeyPreview(true);
    SetPosition(gui::poScreenCenter);

    skinForm_ = new TskFormSkinEngine(this);

    clientPanel_ = new TskSkinPanel(this);
    clientPanel_->SetParent(this);
    clientPanel_->SetAlign(gui::alClient);
    clientPanel_->SetBorderStyle(bvFrame);
    clientPanel_->SetHeight(200);

    vScrollBar_ = new TskSkinScrollBar(this);
    vScrollBar_->SetKind(gui::sbVertical);
    vScrollBar_->SetParent(clientPanel_);
    vScrollBar_->SetAlign(gui::alRight);
    vScrollBar_->SetDefaultWidth(19);
    vScrollBar_->SetWidth(19);
    vScrollBar_->SetEnabled(false);
    vScrollBar_->SetSkinDataName("vscrollbar");

    hScrollBar_ = new TskSkinScrollBar(this);
    hScrollBar_->SetParent(clientPanel_);
    hScrollBar_->SetAlign(gui::alBottom);
    hScrollBar_->SetDefaultHeight(19);
    hScrollBar_->SetHeight(19);
    hScrollBar_->SetEnabled(false);
    hScrollBar_->SetBothMarkerWidth(19);
    hScrollBar_->SetSkinDataName("hscrollbar");

    dirTreeView_ = new TskSkinDirTreeView(this);
    dirTreeView_->SetParent(clientPanel_);
    dirTreeView_->SetAlign(gui::alClient);
    dirTreeView_->SetHScrollBar(hScrollBar_);
    dirTreeView_->SetVScrollBar(vScrollBar_);
    dirTreeView_->SetHideSelection(false);

    buttonPanel_ = new TskSkinPanel(this);
    buttonPanel_->SetParent(this);
    buttonPanel_->SetAlign(gui::alBottom);
    buttonPanel_->SetBorderStyle(bvNone);
    buttonPanel_->SetHeight(50);

    okButton_ = MakeButton(*this, buttonPanel_, "Ok", 20, gui::mrOk);
    okButton_->SetDefault(true);
    cancelButton_ = MakeButton(*this, buttonPanel_, "Cancel", 100, gui::mrCancel);
    cancelButton_->SetCancel(true);
}

}  // namespace sk
