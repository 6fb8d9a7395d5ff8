#include "gui/native/tree_nodes.h"

#include <algorithm>
#include <cstring>

#include "gui/core/exceptions.h"
#include "gui/core/string_utils.h"
#include "gui/native/tree_view.h"

namespace gui {

namespace {

[[noreturn]] void IndexError(int index) { throw EListError("List index out of bounds (" + IntToStr(index) + ")"); }

using NodeList = std::vector<std::unique_ptr<TTreeNode>>;

size_t PlaceIn(const NodeList& list, const TTreeNode* node)
{
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == node)
            return i;
    return list.size();
}

}  // namespace

// ---- A node ----

std::vector<std::unique_ptr<TTreeNode>>& TTreeNode::Siblings() const { return owner_.ChildrenOf(parent_); }

HWND TTreeNode::Window() const { return item_ ? owner_.view_.Window() : nullptr; }

int TTreeNode::Level() const
{
    int level = 0;
    for (const TTreeNode* p = parent_; p; p = p->parent_)
        ++level;
    return level;
}

int TTreeNode::Index() const { return int(PlaceIn(Siblings(), this)); }

TTreeNode* TTreeNode::Item(int index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
    return children_[size_t(index)].get();
}

TTreeNode* TTreeNode::GetNextSibling() const
{
    const NodeList& list = Siblings();
    const size_t i = PlaceIn(list, this) + 1;
    return i < list.size() ? list[i].get() : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const
{
    const NodeList& list = Siblings();
    const size_t i = PlaceIn(list, this);
    return i > 0 && i < list.size() ? list[i - 1].get() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const
{
    if (!children_.empty())
        return children_.front().get();
    for (const TTreeNode* node = this; node; node = node->parent_)
        if (TTreeNode* next = node->GetNextSibling())
            return next;
    return nullptr;
}

void TTreeNode::SetText(const std::string& value)
{
    text_ = value;
    UpdateNative(TVIF_TEXT);
}

void TTreeNode::SetImageIndex(int value)
{
    imageIndex_ = value;
    UpdateNative(TVIF_IMAGE);
}

void TTreeNode::SetSelectedIndex(int value)
{
    selectedIndex_ = value;
    UpdateNative(TVIF_SELECTEDIMAGE);
}

void TTreeNode::SetHasChildren(bool value)
{
    hasChildren_ = value;
    UpdateNative(TVIF_CHILDREN);
}

void TTreeNode::UpdateNative(UINT mask)
{
    HWND window = Window();
    if (!window)
        return;
    TVITEMA item{};
    item.mask = mask | TVIF_HANDLE;
    item.hItem = item_;
    item.pszText = const_cast<char*>(text_.c_str());
    item.iImage = imageIndex_;
    item.iSelectedImage = selectedIndex_;
    item.cChildren = hasChildren_ ? 1 : 0;
    ::SendMessageA(window, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

bool TTreeNode::Expanded() const
{
    if (HWND window = Window())
        return (::SendMessageA(window, TVM_GETITEMSTATE, WPARAM(item_), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    return expanded_;
}

void TTreeNode::SetExpanded(bool value)
{
    if (value)
        Expand(false);
    else
        Collapse(false);
}

void TTreeNode::Expand(bool recurse)
{
    TCustomTreeView& view = owner_.view_;
    if ((hasChildren_ || !children_.empty()) && !Expanded() && view.CanExpand(this)) {
        expanded_ = true;
        view.ExpandNative(*this, TVE_EXPAND);
    }
    if (recurse)
        for (size_t i = 0; i < children_.size(); ++i)
            children_[i]->Expand(true);
}

void TTreeNode::Collapse(bool recurse)
{
    expanded_ = false;
    owner_.view_.ExpandNative(*this, TVE_COLLAPSE);
    if (recurse)
        for (auto& child : children_)
            child->Collapse(true);
}

bool TTreeNode::Selected() const { return owner_.view_.Selected() == this; }

void TTreeNode::SetSelected(bool value)
{
    TCustomTreeView& view = owner_.view_;
    if (value)
        view.SetSelected(this);
    else if (Selected())
        view.SetSelected(nullptr);
}

TRect TTreeNode::DisplayRect(bool textOnly) const
{
    HWND window = Window();
    if (!window)
        return TRect();
    // The item goes in where the rectangle comes back.
    RECT r{};
    static_assert(sizeof(r) >= sizeof(HTREEITEM), "an item handle fits a rectangle");
    std::memcpy(&r, &item_, sizeof(item_));
    if (!::SendMessageA(window, TVM_GETITEMRECT, WPARAM(textOnly), reinterpret_cast<LPARAM>(&r)))
        return TRect();
    return Rect(r.left, r.top, r.right, r.bottom);
}

int CALLBACK TTreeNode::ComparePlaces(LPARAM first, LPARAM second, LPARAM)
{
    return reinterpret_cast<TTreeNode*>(first)->sortKey_ - reinterpret_cast<TTreeNode*>(second)->sortKey_;
}

void TTreeNode::AlphaSort()
{
    // Stable by the place each child had, so the window's order (sorted by the
    // same comparison) and this list agree.
    std::stable_sort(children_.begin(), children_.end(), [](const auto& a, const auto& b) {
        return ::lstrcmpiA(a->text_.c_str(), b->text_.c_str()) < 0;
    });
    HWND window = Window();
    if (!window)
        return;
    for (size_t i = 0; i < children_.size(); ++i)
        children_[i]->sortKey_ = int(i);
    TVSORTCB sort{};
    sort.hParent = item_;
    sort.lpfnCompare = &ComparePlaces;
    ::SendMessageA(window, TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
}

void TTreeNode::DeleteChildren()
{
    while (!children_.empty())
        owner_.Delete(children_.back().get());
}

void TTreeNode::Delete() { owner_.Delete(this); }

void TTreeNode::ReadState()
{
    expanded_ = Expanded();
    for (auto& child : children_)
        child->ReadState();
}

// ---- The nodes of a view ----

TTreeNodes::~TTreeNodes() = default;

int TTreeNodes::Count() const
{
    int count = 0;
    for (const TTreeNode* node = GetFirstNode(); node; node = node->GetNext())
        ++count;
    return count;
}

TTreeNode* TTreeNodes::Item(int index) const
{
    if (index >= 0) {
        int i = 0;
        for (TTreeNode* node = GetFirstNode(); node; node = node->GetNext(), ++i)
            if (i == index)
                return node;
    }
    IndexError(index);
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text)
{
    TTreeNode* parent = sibling ? sibling->parent_ : nullptr;
    return InsertAt(parent, ChildrenOf(parent).size(), text);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* sibling, const std::string& text)
{
    return InsertAt(sibling ? sibling->parent_ : nullptr, 0, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text)
{
    return InsertAt(parent, ChildrenOf(parent).size(), text);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, const std::string& text) { return InsertAt(parent, 0, text); }

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, const std::string& text)
{
    if (!sibling)
        return Add(nullptr, text);
    return InsertAt(sibling->parent_, size_t(sibling->Index()), text);
}

TTreeNode* TTreeNodes::InsertAt(TTreeNode* parent, size_t place, const std::string& text)
{
    NodeList& list = ChildrenOf(parent);
    auto owned = std::unique_ptr<TTreeNode>(new TTreeNode(*this, parent));
    TTreeNode* node = owned.get();
    node->text_ = text;
    list.insert(list.begin() + std::ptrdiff_t(place), std::move(owned));
    view_.InsertNative(*node);
    if (parent && !parent->hasChildren_)
        parent->SetHasChildren(true);
    return node;
}

void TTreeNodes::Delete(TTreeNode* node)
{
    if (!node)
        return;
    // The window lets go first: its notifications may still name the node.
    if (HWND window = node->Window())
        ::SendMessageA(window, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node->item_));
    for (TTreeNode* p = view_.selected_; p; p = p->parent_)
        if (p == node) {
            view_.selected_ = nullptr;
            break;
        }
    if (view_.expanding_ == node)
        view_.expanding_ = nullptr;
    NodeList& list = node->Siblings();
    list.erase(list.begin() + std::ptrdiff_t(PlaceIn(list, node)));
}

void TTreeNodes::Clear()
{
    if (HWND window = view_.Window())
        ::SendMessageA(window, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    view_.selected_ = nullptr;
    view_.expanding_ = nullptr;
    roots_.clear();
}

void TTreeNodes::BeginUpdate() { redrawLock_.Begin(view_.Window()); }

void TTreeNodes::EndUpdate() { redrawLock_.End(view_.Window()); }

}  // namespace gui
