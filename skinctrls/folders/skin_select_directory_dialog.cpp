#include "skinctrls/folders/skin_select_directory_dialog.h"

#include <algorithm>
#include <memory>

#include "gui/controls/application.h"
#include "skin/forms/form_skin_engine.h"
#include "skinctrls/controls/skin_button.h"
#include "skinctrls/controls/skin_panel.h"
#include "skinctrls/controls/skin_scroll_bar.h"
#include "skinctrls/dialogs/skin_message.h"
#include "skinctrls/folders/sel_dir_dlg_form.h"
#include "skinctrls/folders/skin_dir_tree_view.h"

namespace sk {

namespace {

// The link stays when a reference changes: the same skin is often held twice,
// and a link to a component no longer held only costs a notification.
template <typename T>
void Refer(gui::TComponent& self, T*& field, T* value)
{
    field = value;
    if (value)
        self.FreeNotification(value);
}

}  // namespace

TskSkinSelectDirectoryDialog::TskSkinSelectDirectoryDialog(gui::TComponent* owner) : gui::TComponent(owner)
{
    defaultFont_.SetName("Arial");
    defaultFont_.SetHeight(14);
    defaultFont_.SetStyle({});
}

void TskSkinSelectDirectoryDialog::SetSkinMessage(TskSkinMessage* value) { Refer(*this, skinMessage_, value); }

void TskSkinSelectDirectoryDialog::SetSkinData(TskSkinData* value) { Refer(*this, skinData_, value); }

void TskSkinSelectDirectoryDialog::SetCtrlSkinData(TskSkinData* value) { Refer(*this, ctrlSkinData_, value); }

void TskSkinSelectDirectoryDialog::Notification(gui::TComponent* component, gui::TOperation operation)
{
    gui::TComponent::Notification(component, operation);
    if (operation != gui::opRemove)
        return;
    if (component == skinMessage_)
        skinMessage_ = nullptr;
    if (component == skinData_)
        skinData_ = nullptr;
    if (component == ctrlSkinData_)
        ctrlSkinData_ = nullptr;
}

bool TskSkinSelectDirectoryDialog::Execute()
{
    std::unique_ptr<TskSelDirDlgForm> form(new TskSelDirDlgForm(&gui::Application()));
    struct Shown {
        TskSelDirDlgForm*& field;
        ~Shown() { field = nullptr; }
    } shown{form_};
    form_ = form.get();

    form->SetCaption(title_);
    TskFormSkinEngine& engine = *form->SkinForm();
    engine.SetBorderIcons({});
    engine.SetSkinData(skinData_);
    engine.SetMenusSkinData(ctrlSkinData_);
    engine.SetAlphaBlend(alphaBlend_);
    engine.SetAlphaBlendAnimation(alphaBlendAnimation_);
    engine.SetAlphaBlendValue(alphaBlendValue_);
    // The window has the engine's frame from here on, so the client sizes below
    // are the real ones.
    form->HandleNeeded();

    form->ClientPanel()->SetSkinData(ctrlSkinData_);
    TskSkinDirTreeView& tree = *form->DirTreeView();
    tree.SetDefaultFont(defaultFont_);
    tree.SetSkinData(ctrlSkinData_);
    tree.SetSkinMessage(skinMessage_);
    tree.SetColor(gui::clWindow);
    if (!directory_.empty())
        tree.SelectPath(directory_);

    form->VScrollBar()->SetSkinData(ctrlSkinData_);
    form->HScrollBar()->SetSkinData(ctrlSkinData_);
    for (TskSkinButton* button : {form->OkButton(), form->CancelButton()}) {
        button->SetSkinData(ctrlSkinData_);
        button->SetDefaultFont(defaultFont_);
    }
    form->ButtonPanel()->SetSkinData(ctrlSkinData_);

    form->SetClientWidth(lastClientWidth_ != 0 ? lastClientWidth_ : 250);
    form->SetClientHeight(lastClientWidth_ != 0 ? lastClientHeight_ : 250);
    if (skinData_ && !skinData_->Empty()) {
        form->SetWidth(std::max(form->Width(), engine.GetMinWidth()));
        form->SetHeight(std::max(form->Height(), engine.GetMinHeight()));
    }

    const gui::TModalResult result = form->ShowModal();
    lastClientWidth_ = form->ClientWidth();
    lastClientHeight_ = form->ClientHeight();
    if (result != gui::mrOk)
        return false;
    directory_ = TskSkinDirTreeView::NodePath(tree.Selected());
    if (OnChange)
        OnChange(this);
    return true;
}

}  // namespace sk
