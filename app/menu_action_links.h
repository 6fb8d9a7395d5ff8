// Menu items that stand for actions: an item takes its action's caption, runs the
// action when clicked, and stands enabled or disabled as the action does after
// each Update.
#pragma once

#include <utility>
#include <vector>

#include "gui/controls/action.h"
#include "gui/controls/menu_item.h"

namespace brenvale {

class TMenuActionLinks {
public:
    void Link(gui::TMenuItem* item, gui::TCustomAction* action);
    void Update();

private:
    std::vector<std::pair<gui::TMenuItem*, gui::TCustomAction*>> links_;
};

}  // namespace brenvale
