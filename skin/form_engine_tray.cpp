// The program in the notification area: "Minimize to Tray" of the system menu
// hides it behind the engine's tray icon, whose menu ("Restore", "Close") and
// double click bring it back.
#include "gui/application.h"
#include "gui/form.h"
#include "gui/menu.h"
#include "gui/shortcut.h"
#include "skin/form_skin_engine.h"
#include "skinctrls/skin_popup_menu.h"
#include "skinctrls/tray_icon.h"

namespace sk {

void TskFormSkinEngine::BuildTrayMenu()
{
    gui::TMenuItem& items = skinPopupMenu_->Items();
    auto add = [&](const char* name, const char* caption) {
        auto* item = new gui::TMenuItem(skinPopupMenu_);
        item->SetName(name);
        item->SetCaption(caption);
        items.Add(item);
        return item;
    };
    add("TRAY_DSF_RESTORE", "&Restore")->OnClick = [this](gui::TComponent*) { RestoreFromTray(); };
    add("", "-");
    gui::TMenuItem* close = add("TRAY_DSF_CLOSE", "&Close");
    // An MDI child closes with Ctrl+F4, as the system's own children do.
    close->SetShortCut(gui::ShortCut(VK_F4, {IsMDIChild() ? gui::ssCtrl : gui::ssAlt}));
    close->OnClick = [this](gui::TComponent*) { CloseForm(); };
}

void TskFormSkinEngine::ReleaseTrayIcon()
{
    if (!trayIcon_)
        return;
    trayIcon_->RemoveFreeNotification(this);
    if (trayIcon_->PopupMenu() == skinPopupMenu_)
        trayIcon_->SetPopupMenu(nullptr);
    if (trayDblClickSet_)
        trayIcon_->OnDblClick = nullptr;
    trayDblClickSet_ = false;
    trayIcon_ = nullptr;
}

void TskFormSkinEngine::SetTrayIcon(TskTrayIcon* value)
{
    if (trayIcon_ != value)
        ReleaseTrayIcon();
    trayIcon_ = value;
    if (!trayIcon_)
        return;
    trayIcon_->FreeNotification(this);
    trayIcon_->SetIconVisible(false);
    trayIcon_->SetMinimizeToTray(false);
    if (ComponentState().Contains(gui::csDesigning) || trayIcon_->PopupMenu())
        return;
    trayIcon_->SetPopupMenu(skinPopupMenu_);
    trayIcon_->OnDblClick = [this](gui::TComponent*) { RestoreFromTray(); };
    trayDblClickSet_ = true;
}

void TskFormSkinEngine::MinimizeToTray()
{
    if (!trayIcon_)
        return;
    trayIcon_->SetMinimizeToTray(true);
    gui::Application().Minimize();
    if (OnMinimizeToTray)
        OnMinimizeToTray(this);
}

void TskFormSkinEngine::RestoreFromTray()
{
    if (!trayIcon_)
        return;
    trayIcon_->SetMinimizeToTray(false);
    trayIcon_->ShowMainForm();
    gui::Application().Restore();
    trayIcon_->SetIconVisible(false);
    if (OnRestoreFromTray)
        OnRestoreFromTray(this);
}

}  // namespace sk
