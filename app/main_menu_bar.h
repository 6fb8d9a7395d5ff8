// The main window's menu bar: the top-level items of the main menu, each opening
// its sub-items; an item stands enabled or disabled as its action does.
//
// This is the one place where the skinned main menu bar plugs in. Until it is
// part of the build, the menu shows as the main-menu items of the form's skinned
// frame, in the strip the skin keeps for them under the caption.
#pragma once

#include <utility>
#include <vector>

#include "gui/action.h"
#include "gui/component.h"
#include "gui/menu.h"

namespace gui {
class TForm;
}
namespace sk {
class TskSkinData;
}

namespace brenvale {

class TMainMenuBar : public gui::TComponent {
public:
    explicit TMainMenuBar(gui::TComponent* owner) : TComponent(owner) {}

    void SetMainMenu(gui::TMainMenu* value) { menu_ = value; }
    void SetSkinData(sk::TskSkinData* value) { skinData_ = value; }
    void SetForm(gui::TForm* value) { form_ = value; }
    // The item takes the action's caption, runs it when clicked, and stands
    // enabled or disabled as the action does.
    void Link(gui::TMenuItem* item, gui::TCustomAction* action);

    // Shows the menu on the form, or brings it up to date with the actions.
    void Update();

private:
    gui::TMainMenu* menu_ = nullptr;
    sk::TskSkinData* skinData_ = nullptr;
    gui::TForm* form_ = nullptr;
    std::vector<std::pair<gui::TMenuItem*, gui::TCustomAction*>> links_;
};

}  // namespace brenvale
