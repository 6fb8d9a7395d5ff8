#include "gui/native/tree_view.h"

#include "gui/controls/control_messages.h"
#include "gui/native/native_class.h"
#include "win/ansi_text.h"

namespace gui {

namespace {

// The text of a label edit, in whichever character set the window sent it.
bool EditedText(const NMHDR& header, std::string& text)
{
    if (header.code == TVN_ENDLABELEDITA) {
        const auto& info = reinterpret_cast<const NMTVDISPINFOA&>(header);
        if (!info.item.pszText)
            return false;
        text = info.item.pszText;
        return true;
    }
    const auto& info = reinterpret_cast<const NMTVDISPINFOW&>(header);
    if (!info.item.pszText)
        return false;
    text = win::WideToAnsi(info.item.pszText);
    return true;
}

}  // namespace

TCustomTreeView::TCustomTreeView(TComponent* owner) : TNativeView(owner, 121, 97), items_(*this) {}

TCustomTreeView::~TCustomTreeView()
{
    Destroying();
    DestroyHandle();
}

void TCustomTreeView::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    CreateSubClass(params, WC_TREEVIEWA);
    params.WinClassName = "TTreeView";
    params.Style |= TVS_DISABLEDRAGDROP;
    if (showButtons_)
        params.Style |= TVS_HASBUTTONS;
    if (showLines_)
        params.Style |= TVS_HASLINES;
    if (showRoot_)
        params.Style |= TVS_LINESATROOT;
    if (!readOnly_)
        params.Style |= TVS_EDITLABELS;
    if (!hideSelection_)
        params.Style |= TVS_SHOWSELALWAYS;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateWnd()
{
    quiet_ = true;
    TWinControl::CreateWnd();
    HWND window = Handle();
    ApplyColors();
    if (images_)
        ::SendMessageA(window, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images_));
    for (auto& root : items_.roots_)
        InsertNativeTree(*root);
    for (TTreeNode* node = items_.GetFirstNode(); node; node = node->GetNext())
        if (node->expanded_)
            ExpandNative(*node, TVE_EXPAND);
    if (selected_)
        ::SendMessageA(window, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(selected_->item_));
    items_.redrawLock_.Apply(window);
    quiet_ = false;
}

void TCustomTreeView::WndProc(TMessage& message)
{
    if (message.Msg == CN_NOTIFY)
        CNNotify(message);
    else
        TNativeView::WndProc(message);
}

// The system's tree view keeps the system keys to itself: Alt+F4 would not close
// the window it sits on, nor Alt reach a menu. They get the system's handling,
// as the keys of every other control do.
void TCustomTreeView::DefaultHandler(TMessage& message)
{
    if (HandleAllocated() &&
        (message.Msg == WM_SYSKEYDOWN || message.Msg == WM_SYSKEYUP || message.Msg == WM_SYSCHAR)) {
        message.Result = ::DefWindowProcA(Handle(), message.Msg, message.WParam, message.LParam);
        return;
    }
    TNativeView::DefaultHandler(message);
}

// ---- Properties ----

TTreeNode* TCustomTreeView::Selected()
{
    if (HWND window = Window())
        return NodeOf(reinterpret_cast<HTREEITEM>(::SendMessageA(window, TVM_GETNEXTITEM, TVGN_CARET, 0)));
    return selected_;
}

void TCustomTreeView::SetSelected(TTreeNode* node)
{
    selected_ = node;
    if (HWND window = Window())
        ::SendMessageA(window, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node ? node->item_ : nullptr));
}

void TCustomTreeView::SetStyleFlag(bool& flag, bool value)
{
    if (flag == value)
        return;
    flag = value;
    RecreateWnd();
}

void TCustomTreeView::SetImages(HIMAGELIST value)
{
    images_ = value;
    if (HWND window = Window())
        ::SendMessageA(window, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(value));
}

// ---- Queries ----

TTreeNode* TCustomTreeView::GetNodeAt(int x, int y)
{
    HWND window = Window();
    if (!window)
        return nullptr;
    TVHITTESTINFO info{};
    info.pt = POINT{x, y};
    ::SendMessageA(window, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
    return info.flags & (TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON) ? NodeOf(info.hItem) : nullptr;
}

THitTests TCustomTreeView::GetHitTestInfoAt(int x, int y)
{
    THitTests result;
    HWND window = Window();
    if (!window)
        return result;
    TVHITTESTINFO info{};
    info.pt = POINT{x, y};
    ::SendMessageA(window, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
    const struct {
        UINT flag;
        THitTest test;
    } map[] = {{TVHT_ABOVE, htAbove},        {TVHT_BELOW, htBelow},           {TVHT_NOWHERE, htNowhere},
               {TVHT_ONITEMBUTTON, htOnButton}, {TVHT_ONITEMICON, htOnIcon},  {TVHT_ONITEMINDENT, htOnIndent},
               {TVHT_ONITEMLABEL, htOnLabel}, {TVHT_ONITEMRIGHT, htOnRight}, {TVHT_ONITEMSTATEICON, htOnStateIcon},
               {TVHT_TOLEFT, htToLeft},      {TVHT_TORIGHT, htToRight}};
    for (const auto& m : map)
        if (info.flags & m.flag)
            result.Include(m.test);
    if (info.flags & (TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON))
        result.Include(htOnItem);
    return result;
}

int TCustomTreeView::VisibleCount()
{
    HWND window = Window();
    return window ? int(::SendMessageA(window, TVM_GETVISIBLECOUNT, 0, 0)) : 0;
}

TTreeNode* TCustomTreeView::TopItem()
{
    HWND window = Window();
    return window ? NodeOf(reinterpret_cast<HTREEITEM>(::SendMessageA(window, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0)))
                  : nullptr;
}

bool TCustomTreeView::IsEditing()
{
    HWND window = Window();
    return window && ::SendMessageA(window, TVM_GETEDITCONTROL, 0, 0) != 0;
}

// ---- Events ----

bool TCustomTreeView::CanExpand(TTreeNode* node)
{
    bool allow = true;
    if (OnExpanding)
        OnExpanding(this, node, allow);
    return allow;
}

void TCustomTreeView::Change(TTreeNode* node)
{
    if (OnChange)
        OnChange(this, node);
}

bool TCustomTreeView::CanEdit(TTreeNode* node)
{
    bool allow = true;
    if (OnEditing)
        OnEditing(this, node, allow);
    return allow;
}

void TCustomTreeView::Edit(TTreeNode* node, std::string& text)
{
    if (OnEdited)
        OnEdited(this, node, text);
}

void TCustomTreeView::CNNotify(TMessage& message)
{
    const auto& header = *reinterpret_cast<const NMHDR*>(message.LParam);
    message.Result = 0;
    if (quiet_)
        return;
    const auto& info = reinterpret_cast<const NMTREEVIEWA&>(header);
    switch (header.code) {
    case TVN_ITEMEXPANDINGA:
    case TVN_ITEMEXPANDINGW: {
        TTreeNode* node = reinterpret_cast<TTreeNode*>(info.itemNew.lParam);
        // Expand asked already; an expansion by the user asks now.
        if (node && info.action & TVE_EXPAND && node != expanding_)
            message.Result = !CanExpand(node);
        break;
    }
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW:
        Change(reinterpret_cast<TTreeNode*>(info.itemNew.lParam));
        break;
    case TVN_BEGINLABELEDITA:
    case TVN_BEGINLABELEDITW: {
        const auto& edit = reinterpret_cast<const NMTVDISPINFOA&>(header);
        TTreeNode* node = NodeOf(edit.item.hItem);
        message.Result = !node || !CanEdit(node);
        break;
    }
    case TVN_ENDLABELEDITA:
    case TVN_ENDLABELEDITW: {
        const auto& edit = reinterpret_cast<const NMTVDISPINFOA&>(header);
        TTreeNode* node = NodeOf(edit.item.hItem);
        std::string text;
        if (node && EditedText(header, text)) {
            Edit(node, text);
            node->SetText(text);
        }
        break;
    }
    default:
        break;
    }
}

// ---- The window ----

void TCustomTreeView::ApplyColors()
{
    HWND window = Window();
    if (!window)
        return;
    ::SendMessageA(window, TVM_SETBKCOLOR, 0, LPARAM(ColorToRGB(Color())));
    ::SendMessageA(window, TVM_SETTEXTCOLOR, 0, LPARAM(ColorToRGB(Font().Color())));
}

void TCustomTreeView::InsertNative(TTreeNode& node)
{
    HWND window = Window();
    if (!window || (node.parent_ && !node.parent_->item_))
        return;
    const TTreeNode* previous = node.GetPrevSibling();
    TVINSERTSTRUCTA insert{};
    insert.hParent = node.parent_ ? node.parent_->item_ : TVI_ROOT;
    insert.hInsertAfter = previous ? previous->item_ : TVI_FIRST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
    insert.item.pszText = const_cast<char*>(node.text_.c_str());
    insert.item.lParam = reinterpret_cast<LPARAM>(&node);
    insert.item.iImage = node.imageIndex_;
    insert.item.iSelectedImage = node.selectedIndex_;
    insert.item.cChildren = node.hasChildren_ || !node.children_.empty() ? 1 : 0;
    node.item_ = reinterpret_cast<HTREEITEM>(::SendMessageA(window, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void TCustomTreeView::InsertNativeTree(TTreeNode& node)
{
    InsertNative(node);
    for (auto& child : node.children_)
        InsertNativeTree(*child);
}

void TCustomTreeView::ExpandNative(TTreeNode& node, UINT action)
{
    HWND window = node.Window();
    if (!window)
        return;
    TTreeNode* const previous = expanding_;
    expanding_ = &node;
    ::SendMessageA(window, TVM_EXPAND, action, reinterpret_cast<LPARAM>(node.item_));
    expanding_ = previous;
}

TTreeNode* TCustomTreeView::NodeOf(HTREEITEM item)
{
    HWND window = Window();
    if (!window || !item)
        return nullptr;
    TVITEMA info{};
    info.mask = TVIF_HANDLE | TVIF_PARAM;
    info.hItem = item;
    if (!::SendMessageA(window, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info)))
        return nullptr;
    return reinterpret_cast<TTreeNode*>(info.lParam);
}

void TCustomTreeView::SaveState()
{
    quiet_ = true;
    selected_ = Selected();
    for (auto& root : items_.roots_)
        root->ReadState();
    // The window's items go with it.
    for (TTreeNode* node = items_.GetFirstNode(); node; node = node->GetNext())
        node->item_ = nullptr;
}

}  // namespace gui
