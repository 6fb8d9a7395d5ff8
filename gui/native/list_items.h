// The rows of a list view: a caption, the texts of the further columns
// (SubItems), a check box and the selection. The view keeps them while it has no
// window and gives them to each window it makes; what the user changes in the
// window (a check box clicked, a row selected) is read from it, and kept when the
// window goes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/core/strings.h"
#include "gui/core/types.h"
#include "gui/native/redraw_lock.h"

namespace gui {

class TCustomListView;
class TListItem;
class TListItems;

// The parts of a row DisplayRect measures.
enum TDisplayCode { drBounds, drIcon, drLabel, drSelectBounds };

// The texts of a row's further columns; a change shows at once.
class TListSubItems : public TStrings {
public:
    int32_t Count() const override { return int32_t(lines_.size()); }
    std::string Get(int32_t index) const override;
    void Put(int32_t index, const std::string& text) override;
    void Insert(int32_t index, const std::string& text) override;
    void Delete(int32_t index) override;
    void Clear() override;

private:
    friend class TListItem;
    friend class TCustomListView;
    explicit TListSubItems(TListItem& item) : item_(item) {}
    void CheckIndex(int32_t index, int32_t limit) const;
    // Shows the texts from column `first` on; `oldCount` says how far the old
    // texts went, so that those now gone are blanked.
    void Changed(int32_t first, int32_t oldCount);

    TListItem& item_;
    std::vector<std::string> lines_;
};

class TListItem {
public:
    TListItems& Owner() const { return owner_; }
    int Index() const;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    TStrings& SubItems() { return subItems_; }
    const TStrings& SubItems() const { return subItems_; }
    // The row's check box (with the view's Checkboxes on).
    bool Checked() const;
    void SetChecked(bool value);
    bool Selected() const;
    void SetSelected(bool value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    void* Data() const { return data_; }
    void SetData(void* value) { data_ = value; }
    // In the view's client coordinates; empty while the view has no window.
    TRect DisplayRect(TDisplayCode code) const;
    void Delete();

private:
    friend class TListItems;
    friend class TListSubItems;
    friend class TCustomListView;
    explicit TListItem(TListItems& owner) : owner_(owner), subItems_(*this) {}
    // Saves what the user may have changed in the window.
    void ReadState();

    TListItems& owner_;
    std::string caption_;
    TListSubItems subItems_;
    bool checked_ = false;
    bool selected_ = false;
    int imageIndex_ = -1;
    void* data_ = nullptr;
};

class TListItems {
public:
    explicit TListItems(TCustomListView& view) : view_(view) {}
    TListItems(const TListItems&) = delete;
    TListItems& operator=(const TListItems&) = delete;

    int Count() const { return int(items_.size()); }
    TListItem* Item(int index) const;  // raises EListError outside the list
    TListItem* operator[](int index) const { return Item(index); }
    int IndexOf(const TListItem* item) const;
    TListItem* Add() { return Insert(Count()); }
    TListItem* Insert(int index);  // raises EListError beyond the end
    void Delete(int index);
    void Clear();
    // Painting of the window is put off until the last EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    TCustomListView& View() const { return view_; }

private:
    friend class TListItem;
    friend class TListSubItems;
    friend class TCustomListView;
    TCustomListView& view_;
    std::vector<std::unique_ptr<TListItem>> items_;
    TRedrawLock redrawLock_;
};

}  // namespace gui
