#include "app/main_menu_bar.h"

#include "gui/form.h"
#include "skin/form_skin_engine.h"

namespace brenvale {

void TMainMenuBar::Link(gui::TMenuItem* item, gui::TCustomAction* action)
{
    item->SetCaption(action->Caption());
    item->OnClick = [action](gui::TComponent*) { action->Execute(); };
    links_.emplace_back(item, action);
}

void TMainMenuBar::Update()
{
    if (!menu_ || !form_)
        return;
    for (auto& [item, action] : links_)
        item->SetEnabled(action->Enabled());
    // The frame's menu items are made anew from the menu.
    for (int i = 0; i < form_->ComponentCount(); ++i)
        if (auto* engine = dynamic_cast<sk::TskFormSkinEngine*>(form_->Components(i)))
            engine->SetMainMenu(menu_);
}

}  // namespace brenvale
