#include "app/track_list_view.h"

#include <commctrl.h>

#include "gui/exceptions.h"

namespace brenvale {

namespace {

struct Column {
    const char* caption;
    int width;
};
const Column kColumns[] = {{"", 22}, {"Track Name", 300}, {"Duration", 80}, {"Size", 80}};

}  // namespace

TTrackListView::TTrackListView(gui::TComponent* owner) : TWinControl(owner)
{
    SetTabStop(true);
    SetColor(gui::clWindow);
}

void TTrackListView::CreateParams(gui::TCreateParams& params)
{
    TWinControl::CreateParams(params);
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&init);
    WNDCLASSA native{};
    if (!::GetClassInfoA(nullptr, WC_LISTVIEWA, &native))
        throw gui::EOutOfResources("Error creating window class");
    params.WindowClass.lpfnWndProc = native.lpfnWndProc;
    params.WindowClass.cbClsExtra = native.cbClsExtra;
    params.WindowClass.cbWndExtra = native.cbWndExtra;
    params.WinClassName = "TTrackListView";
    params.Style |= LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TTrackListView::CreateWnd()
{
    TWinControl::CreateWnd();
    HWND view = Handle();
    ::SendMessageA(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                   LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    for (int i = 0; i < int(std::size(kColumns)); ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(kColumns[i].caption);
        column.cx = kColumns[i].width;
        column.iSubItem = i;
        ::SendMessageA(view, LVM_INSERTCOLUMNA, WPARAM(i), reinterpret_cast<LPARAM>(&column));
    }
    for (int i = 0; i < RowCount(); ++i)
        InsertNativeRow(i);
}

void TTrackListView::DestroyWnd()
{
    // The check boxes live in the window: keep them for the next one.
    for (int i = 0; i < RowCount(); ++i)
        rows_[size_t(i)].checked = Checked(i);
    TWinControl::DestroyWnd();
}

void TTrackListView::InsertNativeRow(int index)
{
    HWND view = Handle();
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<char*>("");
    ::SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    const Row& row = rows_[size_t(index)];
    for (int column = 0; column < 3; ++column) {
        LVITEMA sub{};
        sub.iSubItem = column + 1;
        sub.pszText = const_cast<char*>(row.texts[column].c_str());
        ::SendMessageA(view, LVM_SETITEMTEXTA, WPARAM(index), reinterpret_cast<LPARAM>(&sub));
    }
    LVITEMA state{};
    state.stateMask = LVIS_STATEIMAGEMASK;
    state.state = INDEXTOSTATEIMAGEMASK(row.checked ? 2 : 1);
    ::SendMessageA(view, LVM_SETITEMSTATE, WPARAM(index), reinterpret_cast<LPARAM>(&state));
}

void TTrackListView::Clear()
{
    rows_.clear();
    if (HandleAllocated())
        ::SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0);
}

void TTrackListView::AddRow(const std::string& name, const std::string& duration, const std::string& size)
{
    Row row;
    row.texts[0] = name;
    row.texts[1] = duration;
    row.texts[2] = size;
    rows_.push_back(row);
    if (HandleAllocated())
        InsertNativeRow(RowCount() - 1);
}

std::string TTrackListView::RowText(int row, int column) const
{
    if (row < 0 || row >= RowCount() || column < 0 || column > 2)
        throw gui::EListError("List index out of bounds (" + std::to_string(row) + ")");
    return rows_[size_t(row)].texts[column];
}

bool TTrackListView::Checked(int row)
{
    if (row < 0 || row >= RowCount())
        throw gui::EListError("List index out of bounds (" + std::to_string(row) + ")");
    if (!HandleAllocated())
        return rows_[size_t(row)].checked;
    const auto state = UINT(::SendMessageA(Handle(), LVM_GETITEMSTATE, WPARAM(row), LVIS_STATEIMAGEMASK));
    return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
}

void TTrackListView::SetChecked(int row, bool value)
{
    if (row < 0 || row >= RowCount())
        throw gui::EListError("List index out of bounds (" + std::to_string(row) + ")");
    rows_[size_t(row)].checked = value;
    if (!HandleAllocated())
        return;
    LVITEMA state{};
    state.stateMask = LVIS_STATEIMAGEMASK;
    state.state = INDEXTOSTATEIMAGEMASK(value ? 2 : 1);
    ::SendMessageA(Handle(), LVM_SETITEMSTATE, WPARAM(row), reinterpret_cast<LPARAM>(&state));
}

void TTrackListView::WndProc(gui::TMessage& message)
{
    // The system's list view paints and erases itself.
    if (message.Msg == WM_PAINT || message.Msg == WM_ERASEBKGND)
        DefaultHandler(message);
    else
        TWinControl::WndProc(message);
}

}  // namespace brenvale
