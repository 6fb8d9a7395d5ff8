// The system's list view as a control: rows with a caption and further columns,
// shown as icons, as a list or as a report with a column header, optionally
// with a check box on each row. Columns and rows live in the control and outlive
// its window (a new window gets them all back, checks and selection included).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "gui/native/list_columns.h"
#include "gui/native/list_items.h"
#include "gui/native/native_view.h"

namespace gui {

class TImageList;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class TCustomListView : public TNativeView {
public:
    explicit TCustomListView(TComponent* owner);
    ~TCustomListView() override;

    TListColumns& Columns() { return columns_; }
    TListItems& Items() { return items_; }

    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle value);
    bool Checkboxes() const { return checkboxes_; }
    void SetCheckboxes(bool value);
    // The column header of the report view.
    bool ShowColumnHeaders() const { return showColumnHeaders_; }
    void SetShowColumnHeaders(bool value);
    // The user may drag columns to another place; the header then shows its
    // sections in its own order.
    bool FullDrag() const { return fullDrag_; }
    void SetFullDrag(bool value);
    // In the report view a click anywhere on a row selects it, and the selection
    // shows across the whole row.
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool value);
    // Pictures of the rows (each item's ImageIndex) and of the columns' header
    // sections; not owned.
    TImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(TImageList* value);

    // Scrolls the content: in report and list view dy counts pixels that the
    // window rounds to whole rows.
    void Scroll(int dx, int dy);
    // The rows that fit the window fully (report and list view); all rows in the
    // icon views.
    int VisibleRowCount();
    TListItem* TopItem();
    // The first selected row.
    TListItem* Selected();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TListColumn;
    friend class TListColumns;
    friend class TListItem;
    friend class TListSubItems;
    friend class TListItems;

    void ApplyExtendedStyle();
    void ApplySmallImages();
    void ApplyColors() override;
    void InsertNativeColumn(int index);
    // Only what the mask names, so a width the user dragged stays.
    void UpdateNativeColumn(int index, unsigned mask);
    void InsertNativeItem(int index);
    void SetNativeText(int index, int column, const std::string& text);
    void SetNativeState(int index, UINT state, UINT mask);
    // Keeps what the user changed before the window goes.
    void SaveState() override;

    TListColumns columns_;
    TListItems items_;
    TViewStyle viewStyle_ = vsIcon;
    bool checkboxes_ = false;
    bool showColumnHeaders_ = true;
    bool fullDrag_ = false;
    bool rowSelect_ = false;
    TImageList* smallImages_ = nullptr;
};

}  // namespace gui
