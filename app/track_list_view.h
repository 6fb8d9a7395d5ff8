// The track list of the main window: a report view with check boxes and the
// columns "" (the check box), "Track Name", "Duration" and "Size"; each row has an
// empty caption and the three texts as sub-items.
//
// This is the one place where the list view plugs in: the main window uses only
// the members below, so the view behind them can be exchanged here alone.
#pragma once

#include <string>
#include <vector>

#include "gui/win_control.h"

namespace sk {
class TskSkinData;
}

namespace brenvale {

class TTrackListView : public gui::TWinControl {
public:
    explicit TTrackListView(gui::TComponent* owner);

    void SetSkinData(sk::TskSkinData* value) { skinData_ = value; }

    void Clear();
    void AddRow(const std::string& name, const std::string& duration, const std::string& size);
    int RowCount() const { return int(rows_.size()); }
    // Sub-item `column` (0 name, 1 duration, 2 size) of a row.
    std::string RowText(int row, int column) const;
    bool Checked(int row);
    void SetChecked(int row, bool value);

protected:
    void CreateParams(gui::TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(gui::TMessage& message) override;

private:
    struct Row {
        std::string texts[3];
        bool checked = false;
    };
    void InsertNativeRow(int index);

    sk::TskSkinData* skinData_ = nullptr;
    std::vector<Row> rows_;
};

}  // namespace brenvale
