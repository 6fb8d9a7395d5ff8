#include "skin/popups/skin_popup_menu.h"

#include "gui/controls/form.h"
#include "gui/core/component_reference.h"
#include "skin/data/skin_data_link.h"
#include "skin/popups/skin_menu.h"

namespace sk {

namespace {

TskSkinMenuHost* HostAmong(const gui::TComponent* form)
{
    if (!form)
        return nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* host = dynamic_cast<TskSkinMenuHost*>(form->Components(i)))
            return host;
    return nullptr;
}

}  // namespace

void TskSkinPopupMenu::SetSkinData(TskSkinData* value)
{
    LinkSkinData(*this, skinData_, value);
}

void TskSkinPopupMenu::SetOwnerForm(gui::TForm* value)
{
    gui::SetReference(*this, ownerForm_, value);
}

void TskSkinPopupMenu::Notification(gui::TComponent* component, gui::TOperation operation)
{
    gui::TPopupMenu::Notification(component, operation);
    if (operation != gui::opRemove)
        return;
    if (component == skinData_)
        skinData_ = nullptr;
    if (component == ownerForm_)
        ownerForm_ = nullptr;
}

TskSkinMenuHost* TskSkinPopupMenu::FindHost() const
{
    if (ownerForm_)
        return HostAmong(ownerForm_);
    if (auto* form = dynamic_cast<gui::TForm*>(Owner()))
        return HostAmong(form);
    if (Owner())
        if (auto* form = dynamic_cast<gui::TForm*>(Owner()->Owner()))
            return HostAmong(form);
    return nullptr;
}

void TskSkinPopupMenu::Popup(int x, int y) { PopupFromRect(gui::Rect(x, y, x, y), false); }

void TskSkinPopupMenu::PopupFromRect(const gui::TRect& rect, bool popupUp)
{
    DoPopup();
    TskSkinMenuHost* host = FindHost();
    if (!host)
        return;
    if (!skinData_)
        SetSkinData(host->MenusSkinData() ? host->MenusSkinData() : host->SkinData());
    host->SkinMenuOpen();
    host->SkinMenu().Popup(nullptr, skinData_, 0, rect, &Items(), popupUp);
}

}  // namespace sk
