#include "gui/native/list_view.h"

#include <commctrl.h>

#include "gui/core/component_reference.h"
#include "gui/graphics/image_list.h"
#include "gui/native/native_class.h"

namespace gui {

namespace {

const DWORD viewStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};

int ColumnFormat(TAlignment alignment)
{
    switch (alignment) {
    case taRightJustify:
        return LVCFMT_RIGHT;
    case taCenter:
        return LVCFMT_CENTER;
    default:
        return LVCFMT_LEFT;
    }
}

}  // namespace

TCustomListView::TCustomListView(TComponent* owner)
    : TNativeView(owner, 250, 150), columns_(*this), items_(*this)
{
}

TCustomListView::~TCustomListView()
{
    Destroying();
    DestroyHandle();
    SetSmallImages(nullptr);
}

void TCustomListView::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    CreateSubClass(params, WC_LISTVIEWA);
    params.WinClassName = "TListView";
    params.Style |= viewStyles[viewStyle_] | LVS_SHAREIMAGELISTS;
    if (!showColumnHeaders_)
        params.Style |= LVS_NOCOLUMNHEADER;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::CreateWnd()
{
    TWinControl::CreateWnd();
    ApplyExtendedStyle();
    ApplyColors();
    ApplySmallImages();
    for (int i = 0; i < columns_.Count(); ++i)
        InsertNativeColumn(i);
    for (int i = 0; i < items_.Count(); ++i)
        InsertNativeItem(i);
    items_.redrawLock_.Apply(Handle());
}

void TCustomListView::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == smallImages_) {
        smallImages_ = nullptr;
        ApplySmallImages();
    }
}

// ---- Properties ----

void TCustomListView::SetViewStyle(TViewStyle value)
{
    if (value == viewStyle_)
        return;
    viewStyle_ = value;
    RecreateWnd();
}

void TCustomListView::SetCheckboxes(bool value)
{
    if (value == checkboxes_)
        return;
    if (!value)
        for (auto& item : items_.items_)
            item->ReadState();
    checkboxes_ = value;
    ApplyExtendedStyle();
}

void TCustomListView::SetShowColumnHeaders(bool value)
{
    if (value == showColumnHeaders_)
        return;
    showColumnHeaders_ = value;
    RecreateWnd();
}

void TCustomListView::SetFullDrag(bool value)
{
    fullDrag_ = value;
    ApplyExtendedStyle();
}

void TCustomListView::SetRowSelect(bool value)
{
    rowSelect_ = value;
    ApplyExtendedStyle();
}

void TCustomListView::SetSmallImages(TImageList* value)
{
    if (value == smallImages_)
        return;
    SetReference(*this, smallImages_, value);
    ApplySmallImages();
    Invalidate();
}

void TCustomListView::ApplySmallImages()
{
    // The list shares the pictures (LVS_SHAREIMAGELISTS): it never destroys them.
    if (HWND window = Window())
        ::SendMessageA(window, LVM_SETIMAGELIST, LVSIL_SMALL,
                       reinterpret_cast<LPARAM>(smallImages_ ? smallImages_->Handle() : nullptr));
}

// ---- Operations ----

void TCustomListView::Scroll(int dx, int dy)
{
    if (HWND window = Window())
        ::SendMessageA(window, LVM_SCROLL, WPARAM(dx), LPARAM(dy));
}

int TCustomListView::VisibleRowCount()
{
    HWND window = Window();
    return window ? int(::SendMessageA(window, LVM_GETCOUNTPERPAGE, 0, 0)) : 0;
}

TListItem* TCustomListView::TopItem()
{
    HWND window = Window();
    if (!window || (viewStyle_ != vsReport && viewStyle_ != vsList))
        return nullptr;
    const int index = int(::SendMessageA(window, LVM_GETTOPINDEX, 0, 0));
    return index >= 0 && index < items_.Count() ? items_.Item(index) : nullptr;
}

TListItem* TCustomListView::Selected()
{
    if (HWND window = Window()) {
        const int index = int(::SendMessageA(window, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
        return index >= 0 && index < items_.Count() ? items_.Item(index) : nullptr;
    }
    for (auto& item : items_.items_)
        if (item->Selected())
            return item.get();
    return nullptr;
}

// ---- The window ----

void TCustomListView::ApplyExtendedStyle()
{
    HWND window = Window();
    if (!window)
        return;
    const DWORD mask = LVS_EX_CHECKBOXES | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT;
    DWORD style = 0;
    if (checkboxes_)
        style |= LVS_EX_CHECKBOXES;
    if (fullDrag_)
        style |= LVS_EX_HEADERDRAGDROP;
    if (rowSelect_)
        style |= LVS_EX_FULLROWSELECT;
    ::SendMessageA(window, LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style);
    if (checkboxes_)
        for (int i = 0; i < items_.Count(); ++i)
            SetNativeState(i, INDEXTOSTATEIMAGEMASK(items_.Item(i)->checked_ ? 2 : 1), LVIS_STATEIMAGEMASK);
}

void TCustomListView::ApplyColors()
{
    HWND window = Window();
    if (!window)
        return;
    const COLORREF back = ColorToRGB(Color());
    ::SendMessageA(window, LVM_SETBKCOLOR, 0, LPARAM(back));
    ::SendMessageA(window, LVM_SETTEXTBKCOLOR, 0, LPARAM(back));
    ::SendMessageA(window, LVM_SETTEXTCOLOR, 0, LPARAM(ColorToRGB(Font().Color())));
    ::InvalidateRect(window, nullptr, TRUE);
}

void TCustomListView::InsertNativeColumn(int index)
{
    HWND window = Window();
    if (!window)
        return;
    const TListColumn& column = *columns_.Items(index);
    LVCOLUMNA native{};
    native.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    native.fmt = ColumnFormat(column.alignment_);
    native.cx = column.width_;
    native.pszText = const_cast<char*>(column.caption_.c_str());
    native.iSubItem = index;
    ::SendMessageA(window, LVM_INSERTCOLUMNA, WPARAM(index), reinterpret_cast<LPARAM>(&native));
}

void TCustomListView::UpdateNativeColumn(int index, unsigned mask)
{
    HWND window = Window();
    if (!window || index < 0)
        return;
    if (mask == 0) {
        if (auto header = reinterpret_cast<HWND>(::SendMessageA(window, LVM_GETHEADER, 0, 0)))
            ::InvalidateRect(header, nullptr, FALSE);
        return;
    }
    const TListColumn& column = *columns_.Items(index);
    LVCOLUMNA native{};
    native.mask = mask;
    native.fmt = ColumnFormat(column.alignment_);
    native.cx = column.width_;
    native.pszText = const_cast<char*>(column.caption_.c_str());
    ::SendMessageA(window, LVM_SETCOLUMNA, WPARAM(index), reinterpret_cast<LPARAM>(&native));
}

void TCustomListView::InsertNativeItem(int index)
{
    HWND window = Window();
    if (!window)
        return;
    const TListItem& item = *items_.Item(index);
    LVITEMA native{};
    native.mask = LVIF_TEXT;
    native.iItem = index;
    native.pszText = const_cast<char*>(item.caption_.c_str());
    if (item.imageIndex_ >= 0) {
        native.mask |= LVIF_IMAGE;
        native.iImage = item.imageIndex_;
    }
    const int row = int(::SendMessageA(window, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&native)));
    if (row < 0)
        return;
    for (int i = 0; i < item.subItems_.Count(); ++i)
        SetNativeText(row, i + 1, item.subItems_.lines_[size_t(i)]);
    UINT state = item.selected_ ? LVIS_SELECTED : 0;
    UINT mask = LVIS_SELECTED;
    if (checkboxes_) {
        state |= INDEXTOSTATEIMAGEMASK(item.checked_ ? 2 : 1);
        mask |= LVIS_STATEIMAGEMASK;
    }
    SetNativeState(row, state, mask);
}

void TCustomListView::SetNativeText(int index, int column, const std::string& text)
{
    HWND window = Window();
    if (!window || index < 0)
        return;
    LVITEMA native{};
    native.iSubItem = column;
    native.pszText = const_cast<char*>(text.c_str());
    ::SendMessageA(window, LVM_SETITEMTEXTA, WPARAM(index), reinterpret_cast<LPARAM>(&native));
}

void TCustomListView::SetNativeState(int index, UINT state, UINT mask)
{
    HWND window = Window();
    if (!window || index < 0)
        return;
    LVITEMA native{};
    native.stateMask = mask;
    native.state = state;
    ::SendMessageA(window, LVM_SETITEMSTATE, WPARAM(index), reinterpret_cast<LPARAM>(&native));
}

void TCustomListView::SaveState()
{
    for (auto& item : items_.items_)
        item->ReadState();
    for (auto& column : columns_.columns_)
        column->width_ = column->Width();
}

}  // namespace gui
