#include "app/track_list_view.h"

#include "gui/native/list_columns.h"
#include "gui/native/list_items.h"

namespace brenvale {

TTrackListView::TTrackListView(gui::TComponent* owner) : TskSkinListView(owner)
{
    SetSkinDataName("listview");
    SetHeaderSkinDataName("resizebutton");
    SetViewStyle(gui::vsReport);
    SetCheckboxes(true);
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
