#include "skin/frame/main_menu_item_behaviour.h"

#include "gui/controls/menu.h"
#include "gui/controls/menu_item.h"
#include "skin/model/geometry.h"

namespace sk {

bool HasSubItems(const gui::TMenuItem* item) { return item && item->Count() > 0; }

void RunMenuItemCommand(gui::TMenuItem* item)
{
    if (!item)
        return;
    gui::TMenu* menu = item->GetParentMenu();
    if (!menu || !menu->DispatchCommand(item->Command()))
        item->Click();
}

TskMainMenuItemLookChoice ChooseMainMenuItemLook(bool down, bool active, bool lookChanging,
                                                 const gui::TRect& skinRect, const gui::TRect& activeSkinRect,
                                                 const gui::TRect& downRect)
{
    if (down)
        return {downRect, active, false};
    if (lookChanging)
        return {skinRect, false, true};
    if (active)
        return {IsNullRect(activeSkinRect) ? skinRect : activeSkinRect, true, false};
    return {skinRect, false, false};
}

}  // namespace sk
