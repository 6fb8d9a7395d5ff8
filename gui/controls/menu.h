// Menus: a tree of items under the root item Items, the pictures its items show,
// and the way back from a command number or a shortcut key to the item it stands
// for. A main menu belongs to a form's menu bar, a popup menu opens at a point.
#pragma once

#include <windows.h>

#include "gui/controls/events.h"
#include "gui/controls/menu_item.h"
#include "gui/controls/message.h"
#include "gui/core/component.h"

namespace gui {

class TImageList;

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    TMenuItem& Items() { return *items_; }
    // The pictures the items' ImageIndex counts in; dropped when it is destroyed.
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* value);

    // The item of the tree that carries the command number, or none.
    TMenuItem* FindItem(WORD command);
    // Clicks the item of the command; false when the tree has none.
    bool DispatchCommand(WORD command);
    // For a key-down message (WM_KEYDOWN, WM_SYSKEYDOWN): clicks the first item
    // whose ShortCut is that key with the modifiers held and which is enabled,
    // with every parent of it. True when an item took the key.
    bool IsShortCut(const TMessage& message);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TMenuItem* items_;
    TImageList* images_ = nullptr;
};

class TMainMenu : public TMenu {
public:
    using TMenu::TMenu;
};

class TPopupMenu : public TMenu {
public:
    using TMenu::TMenu;

    // Fires OnPopup, then shows the items as the system's popup menu at the screen
    // point and clicks the item chosen.
    virtual void Popup(int x, int y);
    // Whether the menu opens by itself when its component is right-clicked (or its
    // tray icon clicked); off, the component leaves it to the program.
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool value) { autoPopup_ = value; }
    // The component the menu was last opened for (the control right-clicked).
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* value);

    TNotifyEvent OnPopup;

protected:
    void DoPopup();
    void Notification(TComponent* component, TOperation operation) override;

private:
    TComponent* popupComponent_ = nullptr;
    bool autoPopup_ = true;
};

}  // namespace gui
