#include "gui/controls/menu.h"

#include "gui/controls/shift_state.h"
#include "gui/core/component_reference.h"
#include "gui/graphics/image_list.h"

namespace gui {

namespace {

template <typename Match>
TMenuItem* FindInTree(TMenuItem& item, Match match)
{
    for (int i = 0; i < item.Count(); ++i) {
        TMenuItem* child = item.Items(i);
        if (match(*child))
            return child;
        if (TMenuItem* found = FindInTree(*child, match))
            return found;
    }
    return nullptr;
}

bool EnabledUpToRoot(const TMenuItem* item)
{
    for (; item && item->Parent(); item = item->Parent())
        if (!item->Enabled())
            return false;
    return true;
}

}  // namespace

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) { items_->menu_ = this; }

TMenu::~TMenu()
{
    Destroying();
    // The root goes with the menu's own components; until then it must not lead
    // back to a menu that is being destroyed.
    items_->menu_ = nullptr;
}

void TMenu::SetImages(TImageList* value)
{
    SetReference(*this, images_, value);
}

void TMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == images_)
        images_ = nullptr;
    if (component == items_)
        items_ = nullptr;
}

TMenuItem* TMenu::FindItem(WORD command)
{
    if (!items_)
        return nullptr;
    return FindInTree(*items_, [command](const TMenuItem& item) { return item.Command() == command; });
}

bool TMenu::DispatchCommand(WORD command)
{
    TMenuItem* item = FindItem(command);
    if (!item)
        return false;
    item->Click();
    return true;
}

bool TMenu::IsShortCut(const TMessage& message)
{
    if (!items_)
        return false;
    TShiftState shift = KeyboardShiftState();
    if (message.LParam & (LPARAM(KF_ALTDOWN) << 16))
        shift.Include(ssAlt);
    const TShortCut shortCut = ShortCut(WORD(message.WParam), shift);
    if (shortCut == scNone)
        return false;
    TMenuItem* item = FindInTree(*items_, [shortCut](const TMenuItem& candidate) {
        return candidate.ShortCut() == shortCut && EnabledUpToRoot(&candidate);
    });
    if (!item)
        return false;
    item->Click();
    return true;
}

}  // namespace gui
