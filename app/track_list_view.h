// The track list of the main window: a skinned report view with check boxes and
// the columns "" (the check box), "Track Name", "Duration" and "Size"; each row has
// an empty caption and the three texts as sub-items. A click anywhere on a row,
// its check box included, makes it the row that the keys (Space, the arrows) act
// on, and the whole row shows it.
#pragma once

#include <string>

#include "skinctrls/views/skin_list_view.h"

namespace brenvale {

class TTrackListView : public sk::TskSkinListView {
public:
    explicit TTrackListView(gui::TComponent* owner);

    void Clear();
    void AddRow(const std::string& name, const std::string& duration, const std::string& size);
    int RowCount();
    // Sub-item `column` (0 name, 1 duration, 2 size) of a row.
    std::string RowText(int row, int column);
    bool Checked(int row);
    void SetChecked(int row, bool value);

protected:
    void WndProc(gui::TMessage& message) override;
};

}  // namespace brenvale
