#include "skin/forms/tray_link.h"

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/menu.h"
#include "gui/controls/shortcut.h"
#include "skin/forms/form_engine_parts.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/popups/skin_popup_menu.h"
#include "skin/popups/tray_icon.h"

namespace sk {

TskTrayLink::TskTrayLink(TskEngineParts& parts) : parts_(parts), menu_(new TskSkinPopupMenu(&parts.Engine()))
{
    menu_->SetOwnerForm(&parts.Form());
    gui::TMenuItem& items = menu_->Items();
    auto add = [&](const char* name, const char* caption) {
        auto* item = new gui::TMenuItem(menu_);
        item->SetName(name);
        item->SetCaption(caption);
        items.Add(item);
        return item;
    };
    add("TRAY_DSF_RESTORE", "&Restore")->OnClick = [this](gui::TComponent*) { RestoreFromTray(); };
    add("", "-");
    gui::TMenuItem* close = add("TRAY_DSF_CLOSE", "&Close");
    // An MDI child closes with Ctrl+F4, as the system's own children do.
    const bool child = parts.Form().FormStyle() == gui::fsMDIChild;
    close->SetShortCut(gui::ShortCut(VK_F4, {child ? gui::ssCtrl : gui::ssAlt}));
    close->OnClick = [this](gui::TComponent*) { parts_.Engine().CloseForm(); };
}

void TskTrayLink::SetSkinData(TskSkinData* skin) { menu_->SetSkinData(skin); }

void TskTrayLink::Release()
{
    if (!icon_)
        return;
    icon_->RemoveFreeNotification(&parts_.Engine());
    if (icon_->PopupMenu() == menu_)
        icon_->SetPopupMenu(nullptr);
    if (dblClickSet_)
        icon_->OnDblClick = nullptr;
    dblClickSet_ = false;
    icon_ = nullptr;
}

void TskTrayLink::SetIcon(TskTrayIcon* icon)
{
    if (icon_ != icon)
        Release();
    icon_ = icon;
    if (!icon_)
        return;
    icon_->FreeNotification(&parts_.Engine());
    icon_->SetIconVisible(false);
    icon_->SetMinimizeToTray(false);
    if (parts_.Engine().ComponentState().Contains(gui::csDesigning) || icon_->PopupMenu())
        return;
    icon_->SetPopupMenu(menu_);
    icon_->OnDblClick = [this](gui::TComponent*) { RestoreFromTray(); };
    dblClickSet_ = true;
}

void TskTrayLink::MinimizeToTray()
{
    if (!icon_)
        return;
    icon_->SetMinimizeToTray(true);
    gui::Application().Minimize();
    TskFormSkinEngine& engine = parts_.Engine();
    if (engine.OnMinimizeToTray)
        engine.OnMinimizeToTray(&engine);
}

void TskTrayLink::RestoreFromTray()
{
    if (!icon_)
        return;
    icon_->SetMinimizeToTray(false);
    icon_->ShowMainForm();
    gui::Application().Restore();
    icon_->SetIconVisible(false);
    TskFormSkinEngine& engine = parts_.Engine();
    if (engine.OnRestoreFromTray)
        engine.OnRestoreFromTray(&engine);
}

void TskTrayLink::ComponentRemoved(gui::TComponent* component)
{
    if (component != icon_)
        return;
    icon_ = nullptr;
    dblClickSet_ = false;
}

}  // namespace sk
