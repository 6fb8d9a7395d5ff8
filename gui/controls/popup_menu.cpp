#include <memory>

#include "gui/controls/menu.h"
#include "gui/controls/utility_window.h"
#include "gui/core/component_reference.h"
#include "win/user_handles.h"

namespace gui {

namespace {

using win::UniqueMenu;

// The visible sub-items of an item as a system menu; submenus are owned by the
// menu they are appended to.
UniqueMenu BuildSystemMenu(const TMenuItem& item)
{
    UniqueMenu menu(::CreatePopupMenu());
    for (int i = 0; i < item.Count(); ++i) {
        const TMenuItem& child = *item.Items(i);
        if (!child.Visible())
            continue;
        if (child.IsLine()) {
            ::AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING;
        if (!child.Enabled())
            flags |= MF_GRAYED;
        if (child.Checked())
            flags |= MF_CHECKED;
        std::string text = child.Caption();
        const std::string shortCut = ShortCutToText(child.ShortCut());
        if (!shortCut.empty())
            text += "\t" + shortCut;
        if (child.Count() > 0) {
            UniqueMenu sub = BuildSystemMenu(child);
            ::AppendMenuA(menu.Get(), flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Get()), text.c_str());
            sub.Release();
        } else {
            ::AppendMenuA(menu.Get(), flags, child.Command(), text.c_str());
        }
        const UINT position = UINT(::GetMenuItemCount(menu.Get()) - 1);
        if (child.RadioItem() && child.Checked())
            ::CheckMenuRadioItem(menu.Get(), position, position, position, MF_BYPOSITION);
        if (child.Default())
            ::SetMenuDefaultItem(menu.Get(), position, TRUE);
    }
    return menu;
}

}  // namespace

void TPopupMenu::DoPopup()
{
    if (OnPopup)
        OnPopup(this);
}

void TPopupMenu::Popup(int x, int y)
{
    DoPopup();
    UniqueMenu menu = BuildSystemMenu(Items());
    // The system's menu needs a window of the program to report to.
    TUtilityWindow owner([&owner](TMessage& m) { owner.DefaultHandler(m); });
    ::SetForegroundWindow(owner.Handle());
    const auto command = WORD(::TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN,
                                               x, y, 0, owner.Handle(), nullptr));
    if (command != 0)
        DispatchCommand(command);
}

void TPopupMenu::SetPopupComponent(TComponent* value)
{
    SetReference(*this, popupComponent_, value);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TMenu::Notification(component, operation);
    if (operation == opRemove && component == popupComponent_)
        popupComponent_ = nullptr;
}

}  // namespace gui
