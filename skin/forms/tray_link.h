// The program in the notification area: "Minimize to Tray" of the system menu
// hides it behind the engine's tray icon, whose menu ("Restore", "Close") and
// double click bring it back.
#pragma once

namespace gui {
class TComponent;
}

namespace sk {

class TskEngineParts;
class TskSkinData;
class TskSkinPopupMenu;
class TskTrayIcon;

class TskTrayLink {
public:
    // Makes the tray menu, owned by the engine.
    explicit TskTrayLink(TskEngineParts& parts);
    TskTrayLink(const TskTrayLink&) = delete;
    TskTrayLink& operator=(const TskTrayLink&) = delete;

    // The engine's skinned tray menu.
    TskSkinPopupMenu& Menu() { return *menu_; }
    void SetSkinData(TskSkinData* skin);

    TskTrayIcon* Icon() const { return icon_; }
    // Setting it hides the icon and, unless it has a menu of its own, gives it
    // the engine's tray menu and a double click that brings the program back.
    void SetIcon(TskTrayIcon* icon);
    // Takes the engine's menu and double click back from the icon.
    void Release();
    void MinimizeToTray();
    void RestoreFromTray();
    // The icon was destroyed.
    void ComponentRemoved(gui::TComponent* component);

private:
    TskEngineParts& parts_;
    TskSkinPopupMenu* menu_;  // the engine owns it
    TskTrayIcon* icon_ = nullptr;
    bool dblClickSet_ = false;  // the icon's double click is the engine's
};

}  // namespace sk
