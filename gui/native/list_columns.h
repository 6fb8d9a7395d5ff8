// The columns of a list view in report view: caption, width, alignment and the
// picture its header shows. The view keeps them while it has no window and
// gives them to each window it makes; a width the user dragged is read from the
// window.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/core/alignment.h"

namespace gui {

class TCustomListView;
class TListColumns;

class TListColumn {
public:
    int Index() const;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    int Width() const;
    void SetWidth(int value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    // Of the view's SmallImages; -1 none.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);

private:
    friend class TListColumns;
    friend class TCustomListView;
    explicit TListColumn(TListColumns& owner) : owner_(owner) {}
    // Shows the column's new value of that kind (LVCF_...); 0 repaints the header.
    void Changed(unsigned mask);

    TListColumns& owner_;
    std::string caption_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
    int imageIndex_ = -1;
};

class TListColumns {
public:
    explicit TListColumns(TCustomListView& view) : view_(view) {}
    TListColumns(const TListColumns&) = delete;
    TListColumns& operator=(const TListColumns&) = delete;

    int Count() const { return int(columns_.size()); }
    TListColumn* Items(int index) const;  // raises EListError outside the list
    TListColumn* operator[](int index) const { return Items(index); }
    TListColumn* Add();
    void Delete(int index);
    void Clear();
    TCustomListView& View() const { return view_; }

private:
    friend class TListColumn;
    friend class TCustomListView;
    TCustomListView& view_;
    std::vector<std::unique_ptr<TListColumn>> columns_;
};

}  // namespace gui
