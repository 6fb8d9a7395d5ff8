#include "app/track_list_view.h"

#include <windowsx.h>

#include "gui/native/list_columns.h"
#include "gui/native/list_items.h"

namespace brenvale {

TTrackListView::TTrackListView(gui::TComponent* owner) : TskSkinListView(owner)
{
    SetSkinDataName("listview");
    SetHeaderSkinDataName("resizebutton");
    SetViewStyle(gui::vsReport);
    SetCheckboxes(true);
    // Each row's caption is empty: a click on its texts would select nothing.
    SetRowSelect(true);
    static const struct {
        const char* caption;
        int width;
    } columns[] = {{"", 22}, {"Track Name", 300}, {"Duration", 80}, {"Size", 80}};
    for (const auto& c : columns) {
        gui::TListColumn* column = Columns().Add();
        column->SetCaption(c.caption);
        column->SetWidth(c.width);
    }
}

void TTrackListView::WndProc(gui::TMessage& message)
{
    TskSkinListView::WndProc(message);
    if (message.Msg != WM_LBUTTONDOWN && message.Msg != WM_LBUTTONDBLCLK)
        return;
    // The system's list toggles a check box without taking the focus or moving
    // its current row, so that the next Space would check some other row.
    LVHITTESTINFO hit{};
    hit.pt = {GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    if (::SendMessageA(Handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) < 0 ||
        (hit.flags & LVHT_ONITEM) != LVHT_ONITEMSTATEICON)
        return;
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED;
    ::SendMessageA(Handle(), LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&state));
    state.state = state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageA(Handle(), LVM_SETITEMSTATE, WPARAM(hit.iItem), reinterpret_cast<LPARAM>(&state));
    if (!Focused() && CanFocus())
        SetFocus();
}

void TTrackListView::Clear() { Items().Clear(); }

void TTrackListView::AddRow(const std::string& name, const std::string& duration, const std::string& size)
{
    gui::TListItem* item = Items().Add();
    item->SubItems().Add(name);
    item->SubItems().Add(duration);
    item->SubItems().Add(size);
}

int TTrackListView::RowCount() { return Items().Count(); }

std::string TTrackListView::RowText(int row, int column) { return Items().Item(row)->SubItems().Get(column); }

bool TTrackListView::Checked(int row) { return Items().Item(row)->Checked(); }

void TTrackListView::SetChecked(int row, bool value) { Items().Item(row)->SetChecked(value); }

}  // namespace brenvale
