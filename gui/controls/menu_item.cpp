#include "gui/controls/menu_item.h"

#include <algorithm>

#include "gui/controls/application.h"
#include "gui/core/exceptions.h"
#include "gui/core/string_utils.h"

namespace gui {

TMenuItem::TMenuItem(TComponent* owner)
    : TComponent(owner),
      command_(Application().AllocateMenuCommand()),
      actionLink_([this](TCustomAction& action) { ActionChanged(action); })
{
}

TMenuItem::~TMenuItem()
{
    Destroying();
    Clear();
    if (parent_)
        parent_->Remove(this);
    Application().ReleaseMenuCommand(command_);
}

TMenuItem* TMenuItem::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    return items_[size_t(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    const auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : int(it - items_.begin());
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (!item)
        return;
    for (const TMenuItem* p = this; p; p = p->parent_)
        if (p == item)
            throw EInvalidOperation("A menu item cannot hold itself or one of its parents");
    if (index < 0 || index > Count())
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    if (item->parent_) {
        // Moving within this submenu: the place counts after the item has left.
        if (item->parent_ == this && IndexOf(item) < index)
            --index;
        item->parent_->Remove(item);
    }
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item)
{
    const auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end())
        return;
    items_.erase(it);
    item->parent_ = nullptr;
}

void TMenuItem::Clear()
{
    while (!items_.empty()) {
        TMenuItem* item = items_.back();
        Remove(item);
        delete item;
    }
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* root = this;
    while (root->parent_)
        root = root->parent_;
    return root->menu_;
}

void TMenuItem::Click()
{
    if (OnClick)
        OnClick(this);
    else
        actionLink_.Execute();
}

void TMenuItem::ActionChanged(TCustomAction& action)
{
    caption_ = action.Caption();
    enabled_ = action.Enabled();
    visible_ = action.Visible();
    checked_ = action.Checked();
    hint_ = action.Hint();
    imageIndex_ = action.ImageIndex();
}

}  // namespace gui
