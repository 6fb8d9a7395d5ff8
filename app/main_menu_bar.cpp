#include "app/main_menu_bar.h"

#include "gui/form.h"

namespace brenvale {

namespace {

HMENU BuildMenu(const gui::TMenuItem& item, bool bar)
{
    HMENU menu = bar ? ::CreateMenu() : ::CreatePopupMenu();
    for (int i = 0; i < item.Count(); ++i) {
        const gui::TMenuItem& child = *item.Items(i);
        if (!child.Visible())
            continue;
        if (child.IsLine()) {
            ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT flags = MF_STRING | (child.Enabled() ? 0 : MF_GRAYED);
        if (child.Count() > 0)
            ::AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(child, false)),
                          child.Caption().c_str());
        else
            ::AppendMenuA(menu, flags, child.Command(), child.Caption().c_str());
    }
    return menu;
}

}  // namespace

TMainMenuBar::~TMainMenuBar()
{
    if (bar_ && form_ && form_->HandleAllocated() && ::GetMenu(form_->Handle()) == bar_)
        ::SetMenu(form_->Handle(), nullptr);
    if (bar_)
        ::DestroyMenu(bar_);
}

void TMainMenuBar::Link(gui::TMenuItem* item, gui::TCustomAction* action)
{
    item->SetCaption(action->Caption());
    item->OnClick = [action](gui::TComponent*) { action->Execute(); };
    links_.emplace_back(item, action);
}

void TMainMenuBar::Update()
{
    if (!menu_ || !form_ || !form_->HandleAllocated())
        return;
    for (auto& [item, action] : links_)
        item->SetEnabled(action->Enabled());
    HMENU old = bar_;
    bar_ = BuildMenu(menu_->Items(), true);
    ::SetMenu(form_->Handle(), bar_);
    if (old)
        ::DestroyMenu(old);
}

}  // namespace brenvale
