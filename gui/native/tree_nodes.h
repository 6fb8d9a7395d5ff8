// The nodes of a tree view: each has a text, pictures for its normal and its
// selected look, a flag that shows an expand button before any child is loaded,
// and its children in order. The view keeps the nodes while it has no window
// and gives them to each window it makes, expanded and selected as they were.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/core/types.h"
#include "gui/native/redraw_lock.h"

namespace gui {

class TCustomTreeView;
class TTreeNodes;

class TTreeNode {
public:
    TTreeNodes& Owner() const { return owner_; }
    TTreeNode* Parent() const { return parent_; }
    // 0 for the nodes at the root.
    int Level() const;
    // The place among its parent's children (or the root nodes).
    int Index() const;
    int Count() const { return int(children_.size()); }
    TTreeNode* Item(int index) const;  // raises EListError outside the list
    TTreeNode* GetFirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // The next node in display order (children before siblings), expanded or not.
    TTreeNode* GetNext() const;

    const std::string& Text() const { return text_; }
    void SetText(const std::string& value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int value);
    // An expand button shows also while the node has no children yet.
    bool HasChildren() const { return hasChildren_; }
    void SetHasChildren(bool value);
    void* Data() const { return data_; }
    void SetData(void* value) { data_ = value; }

    bool Expanded() const;
    void SetExpanded(bool value);
    // Expanding asks the view's CanExpand first, so children can be loaded then.
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool Selected() const;
    void SetSelected(bool value);
    // In the view's client coordinates, of the text only or of the whole row;
    // empty while the node is hidden in a collapsed parent or has no window.
    TRect DisplayRect(bool textOnly) const;

    // Children sorted by text, without regard to case; equal texts keep their order.
    void AlphaSort();
    void DeleteChildren();
    void Delete();
    HTREEITEM ItemId() const { return item_; }

private:
    friend class TTreeNodes;
    friend class TCustomTreeView;
    TTreeNode(TTreeNodes& owner, TTreeNode* parent) : owner_(owner), parent_(parent) {}
    std::vector<std::unique_ptr<TTreeNode>>& Siblings() const;
    HWND Window() const;
    void UpdateNative(UINT mask);
    // Keeps what the user changed before the window goes.
    void ReadState();
    // Orders the window's children as the sorted list already is.
    static int CALLBACK ComparePlaces(LPARAM first, LPARAM second, LPARAM);

    TTreeNodes& owner_;
    TTreeNode* parent_;
    std::vector<std::unique_ptr<TTreeNode>> children_;
    std::string text_;
    int imageIndex_ = -1;
    int selectedIndex_ = -1;
    bool hasChildren_ = false;
    bool expanded_ = false;
    void* data_ = nullptr;
    HTREEITEM item_ = nullptr;  // in the view's window
    int sortKey_ = 0;           // the place while the window sorts
};

class TTreeNodes {
public:
    explicit TTreeNodes(TCustomTreeView& view) : view_(view) {}
    ~TTreeNodes();
    TTreeNodes(const TTreeNodes&) = delete;
    TTreeNodes& operator=(const TTreeNodes&) = delete;

    // All nodes, at any depth.
    int Count() const;
    // The node at that place in display order, expanded or not.
    TTreeNode* Item(int index) const;  // raises EListError outside the list
    TTreeNode* operator[](int index) const { return Item(index); }
    TTreeNode* GetFirstNode() const { return roots_.empty() ? nullptr : roots_.front().get(); }

    // A node after the last sibling of `sibling` (a root node when none).
    TTreeNode* Add(TTreeNode* sibling, const std::string& text);
    // A node before the first sibling of `sibling`.
    TTreeNode* AddFirst(TTreeNode* sibling, const std::string& text);
    // A last (first) child of `parent`; a root node when none. The parent gets
    // its expand button.
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
    TTreeNode* AddChildFirst(TTreeNode* parent, const std::string& text);
    // A node just before `sibling`.
    TTreeNode* Insert(TTreeNode* sibling, const std::string& text);
    void Delete(TTreeNode* node);
    void Clear();
    // Painting of the window is put off until the last EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    TCustomTreeView& View() const { return view_; }

private:
    friend class TTreeNode;
    friend class TCustomTreeView;
    TTreeNode* InsertAt(TTreeNode* parent, size_t place, const std::string& text);
    std::vector<std::unique_ptr<TTreeNode>>& ChildrenOf(TTreeNode* parent) { return parent ? parent->children_ : roots_; }

    TCustomTreeView& view_;
    std::vector<std::unique_ptr<TTreeNode>> roots_;
    TRedrawLock redrawLock_;
};

}  // namespace gui
