#include "gui/native/list_columns.h"

#include "gui/core/exceptions.h"
#include "gui/core/string_utils.h"
#include "gui/native/list_view.h"

namespace gui {

int TListColumn::Index() const
{
    const auto& list = owner_.columns_;
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == this)
            return int(i);
    return -1;
}

void TListColumn::SetCaption(const std::string& value)
{
    caption_ = value;
    Changed(LVCF_TEXT);
}

int TListColumn::Width() const
{
    // The user may have dragged the divider.
    if (HWND window = owner_.view_.Window())
        return int(::SendMessageA(window, LVM_GETCOLUMNWIDTH, WPARAM(Index()), 0));
    return width_;
}

void TListColumn::SetWidth(int value)
{
    width_ = value;
    Changed(LVCF_WIDTH);
}

void TListColumn::SetAlignment(TAlignment value)
{
    alignment_ = value;
    Changed(LVCF_FMT);
}

void TListColumn::SetImageIndex(int value)
{
    imageIndex_ = value;
    Changed(0);
}

void TListColumn::Changed(unsigned mask) { owner_.view_.UpdateNativeColumn(Index(), mask); }

TListColumn* TListColumns::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    return columns_[size_t(index)].get();
}

TListColumn* TListColumns::Add()
{
    columns_.push_back(std::unique_ptr<TListColumn>(new TListColumn(*this)));
    view_.InsertNativeColumn(Count() - 1);
    return columns_.back().get();
}

void TListColumns::Delete(int index)
{
    Items(index);
    if (HWND window = view_.Window()) {
        // The width the user gave each column stays with it.
        for (auto& column : columns_)
            column->width_ = column->Width();
        ::SendMessageA(window, LVM_DELETECOLUMN, WPARAM(index), 0);
    }
    columns_.erase(columns_.begin() + index);
}

void TListColumns::Clear()
{
    while (Count() > 0)
        Delete(Count() - 1);
}

}  // namespace gui
