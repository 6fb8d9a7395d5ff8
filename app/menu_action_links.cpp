#include "app/menu_action_links.h"

namespace brenvale {

void TMenuActionLinks::Link(gui::TMenuItem* item, gui::TCustomAction* action)
{
    item->SetCaption(action->Caption());
    item->OnClick = [action](gui::TComponent*) { action->Execute(); };
    links_.emplace_back(item, action);
}

void TMenuActionLinks::Update()
{
    for (auto& [item, action] : links_)
        item->SetEnabled(action->Enabled());
}

}  // namespace brenvale
