#include "gui/native/list_items.h"

#include <algorithm>

#include "gui/core/exceptions.h"
#include "gui/core/string_utils.h"
#include "gui/native/list_view.h"

namespace gui {

namespace {

[[noreturn]] void IndexError(int index) { throw EListError("List index out of bounds (" + IntToStr(index) + ")"); }

}  // namespace

// ---- Sub-items ----

void TListSubItems::CheckIndex(int32_t index, int32_t limit) const
{
    if (index < 0 || index > limit)
        IndexError(index);
}

std::string TListSubItems::Get(int32_t index) const
{
    CheckIndex(index, Count() - 1);
    return lines_[size_t(index)];
}

void TListSubItems::Put(int32_t index, const std::string& text)
{
    CheckIndex(index, Count() - 1);
    lines_[size_t(index)] = text;
    Changed(index, Count());
}

void TListSubItems::Insert(int32_t index, const std::string& text)
{
    CheckIndex(index, Count());
    const int32_t oldCount = Count();
    lines_.insert(lines_.begin() + index, text);
    Changed(index, oldCount);
}

void TListSubItems::Delete(int32_t index)
{
    CheckIndex(index, Count() - 1);
    const int32_t oldCount = Count();
    lines_.erase(lines_.begin() + index);
    Changed(index, oldCount);
}

void TListSubItems::Clear()
{
    const int32_t oldCount = Count();
    lines_.clear();
    Changed(0, oldCount);
}

void TListSubItems::Changed(int32_t first, int32_t oldCount)
{
    TCustomListView& view = item_.owner_.view_;
    if (!view.Window())
        return;
    const int row = item_.Index();
    const int32_t last = std::max(oldCount, Count());
    for (int32_t i = first; i < last; ++i)
        view.SetNativeText(row, i + 1, i < Count() ? lines_[size_t(i)] : std::string());
}

// ---- Rows ----

int TListItem::Index() const { return owner_.IndexOf(this); }

void TListItem::SetCaption(const std::string& value)
{
    caption_ = value;
    owner_.view_.SetNativeText(Index(), 0, caption_);
}

bool TListItem::Checked() const
{
    if (!owner_.view_.Checkboxes())
        return checked_;
    if (HWND window = owner_.view_.Window()) {
        const UINT state = UINT(::SendMessageA(window, LVM_GETITEMSTATE, WPARAM(Index()), LVIS_STATEIMAGEMASK));
        return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
    }
    return checked_;
}

void TListItem::SetChecked(bool value)
{
    checked_ = value;
    if (owner_.view_.Checkboxes())
        owner_.view_.SetNativeState(Index(), INDEXTOSTATEIMAGEMASK(value ? 2 : 1), LVIS_STATEIMAGEMASK);
}

bool TListItem::Selected() const
{
    if (HWND window = owner_.view_.Window())
        return (::SendMessageA(window, LVM_GETITEMSTATE, WPARAM(Index()), LVIS_SELECTED) & LVIS_SELECTED) != 0;
    return selected_;
}

void TListItem::SetSelected(bool value)
{
    selected_ = value;
    owner_.view_.SetNativeState(Index(), value ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void TListItem::SetImageIndex(int value)
{
    imageIndex_ = value;
    if (HWND window = owner_.view_.Window()) {
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = Index();
        item.iImage = value;
        ::SendMessageA(window, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
}

TRect TListItem::DisplayRect(TDisplayCode code) const
{
    HWND window = owner_.view_.Window();
    if (!window)
        return TRect();
    static const int codes[] = {LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL, LVIR_SELECTBOUNDS};
    RECT r{};
    r.left = codes[code];
    if (!::SendMessageA(window, LVM_GETITEMRECT, WPARAM(Index()), reinterpret_cast<LPARAM>(&r)))
        return TRect();
    return Rect(r.left, r.top, r.right, r.bottom);
}

void TListItem::Delete() { owner_.Delete(Index()); }

void TListItem::ReadState()
{
    checked_ = Checked();  // without check boxes the stored value
    selected_ = Selected();
}

// ---- The list of rows ----

TListItem* TListItems::Item(int index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
    return items_[size_t(index)].get();
}

int TListItems::IndexOf(const TListItem* item) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item)
            return int(i);
    return -1;
}

TListItem* TListItems::Insert(int index)
{
    if (index < 0 || index > Count())
        IndexError(index);
    items_.insert(items_.begin() + index, std::unique_ptr<TListItem>(new TListItem(*this)));
    view_.InsertNativeItem(index);
    return items_[size_t(index)].get();
}

void TListItems::Delete(int index)
{
    Item(index);
    if (HWND window = view_.Window())
        ::SendMessageA(window, LVM_DELETEITEM, WPARAM(index), 0);
    items_.erase(items_.begin() + index);
}

void TListItems::Clear()
{
    if (HWND window = view_.Window())
        ::SendMessageA(window, LVM_DELETEALLITEMS, 0, 0);
    items_.clear();
}

void TListItems::BeginUpdate() { redrawLock_.Begin(view_.Window()); }

void TListItems::EndUpdate() { redrawLock_.End(view_.Window()); }

}  // namespace gui
