#include "app/form_skin.h"

#include "gui/controls/form.h"
#include "skin/forms/form_skin_engine.h"

namespace brenvale {

sk::TskFormSkinEngine* AttachFormSkin(gui::TForm& form, sk::TskSkinData* skin, const FormSkinOptions& options)
{
    auto* engine = new sk::TskFormSkinEngine(&form);
    engine->SetName("skFormSkinEngine");
    engine->SetSkinData(skin);
    engine->SetSizeable(options.sizeable);
    sk::TskBorderIcons icons{sk::biSystemMenu, sk::biMinimize, sk::biMaximize};
    if (options.rollUp)
        icons.Include(sk::biRollUp);
    engine->SetBorderIcons(icons);
    if (options.menuItemHeight > 0)
        engine->SetDefMenuItemHeight(options.menuItemHeight);
    engine->SetUseDefaultSysMenu(true);
    engine->SetMenusAlphaBlend(false);
    return engine;
}

}  // namespace brenvale
