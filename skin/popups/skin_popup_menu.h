// A popup menu drawn by the skinned menu engine of its form's skinning engine.
// Its form is the owner form reference when set, else its owner, else its
// owner's owner; a menu on no skinned form shows nothing.
#pragma once

#include "gui/controls/menu.h"
#include "skin/data/skin_data.h"
#include "skin/popups/skin_menu_host.h"

namespace gui {
class TForm;
}

namespace sk {

class TskSkinPopupMenu : public gui::TPopupMenu {
public:
    using gui::TPopupMenu::TPopupMenu;

    // The skin of the menu; taken from the form skinning engine (its menus' skin,
    // or its own) at the first popup that finds it unset.
    TskSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TskSkinData* value);
    // The form whose engine shows the menu, when it is not the owner's.
    gui::TForm* OwnerForm() const { return ownerForm_; }
    void SetOwnerForm(gui::TForm* value);

    // Fires OnPopup and opens the items at the screen point.
    void Popup(int x, int y) override;
    // The same at a screen rectangle: below it, or above it with `popupUp`.
    void PopupFromRect(const gui::TRect& rect, bool popupUp);

protected:
    void Notification(gui::TComponent* component, gui::TOperation operation) override;

private:
    TskSkinMenuHost* FindHost() const;

    TskSkinData* skinData_ = nullptr;
    gui::TForm* ownerForm_ = nullptr;
};

}  // namespace sk
