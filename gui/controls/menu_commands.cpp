// Command numbers of menu items.
#include "gui/controls/application.h"

namespace gui {

WORD TApplication::AllocateMenuCommand()
{
    // 0 is no command; numbers beyond 16 bits would not survive WM_COMMAND.
    for (size_t i = 1; i < menuCommands_.size(); ++i) {
        if (!menuCommands_[i]) {
            menuCommands_[i] = true;
            return WORD(i);
        }
    }
    if (menuCommands_.empty())
        menuCommands_.push_back(true);
    if (menuCommands_.size() > 0xFFFF)
        return 0;
    menuCommands_.push_back(true);
    return WORD(menuCommands_.size() - 1);
}

void TApplication::ReleaseMenuCommand(WORD command)
{
    if (command != 0 && command < menuCommands_.size())
        menuCommands_[command] = false;
}

}  // namespace gui
