// The library's tree view over the system's: nodes in step with the window,
// children loaded on first expansion (asked once, by the user or by Expand),
// sorting, label edits, and nodes kept across new windows.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "control_fixture.h"
#include "gui/core/exceptions.h"
#include "gui/native/tree_view.h"

using namespace gui;

namespace {

class TreeViewTest : public ::testing::Test, public skinctrlstest::ControlTest {
protected:
    TCustomTreeView* Make()
    {
        auto* t = new TCustomTreeView(&form);
        t->SetBounds(10, 10, 200, 200);
        t->SetParent(&form);
        t->OnExpanding = [this](TComponent*, TTreeNode* node, bool& allow) {
            ++expandings;
            allow = !refuse;
            if (allow && node->Count() == 0)
                for (const char* name : {"b", "A", "c"})
                    node->Owner().AddChild(node, name);
        };
        return t;
    }
    static TTreeNode* NodeOf(TCustomTreeView& t, HTREEITEM item)
    {
        TVITEMA info{};
        info.mask = TVIF_HANDLE | TVIF_PARAM;
        info.hItem = item;
        ::SendMessageA(t.Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
        return reinterpret_cast<TTreeNode*>(info.lParam);
    }
    // The texts of the window's children of a node, in the window's order.
    static std::string NativeChildren(TCustomTreeView& t, TTreeNode* parent)
    {
        std::string texts;
        auto item = reinterpret_cast<HTREEITEM>(
            ::SendMessageA(t.Handle(), TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(parent->ItemId())));
        for (; item; item = reinterpret_cast<HTREEITEM>(
                         ::SendMessageA(t.Handle(), TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item))))
            texts += NodeOf(t, item)->Text() + " ";
        return texts;
    }
    static std::string Children(TTreeNode* parent)
    {
        std::string texts;
        for (TTreeNode* n = parent->GetFirstChild(); n; n = n->GetNextSibling())
            texts += n->Text() + " ";
        return texts;
    }

    int expandings = 0;
    bool refuse = false;
};

}  // namespace

TEST_F(TreeViewTest, ChildrenAreLoadedOnTheFirstExpansionAskedOnce)
{
    TCustomTreeView* t = Make();
    TTreeNode* root = t->Items().Add(nullptr, "Drives");
    root->SetHasChildren(true);
    root->Expand(false);
    EXPECT_EQ(expandings, 1);
    EXPECT_TRUE(root->Expanded());
    EXPECT_EQ(NativeChildren(*t, root), "b A c ");

    // By the user: the keyboard's expand key on the selected node.
    TTreeNode* second = t->Items().Add(root, "Other");
    second->SetHasChildren(true);
    t->SetSelected(second);
    ::SendMessageA(t->Handle(), WM_KEYDOWN, VK_ADD, 0);
    EXPECT_EQ(expandings, 2);
    EXPECT_TRUE(second->Expanded());
    EXPECT_EQ(second->Count(), 3);
}

TEST_F(TreeViewTest, ARefusedExpansionStaysCollapsed)
{
    TCustomTreeView* t = Make();
    TTreeNode* root = t->Items().Add(nullptr, "Drives");
    root->SetHasChildren(true);
    refuse = true;
    root->Expand(false);
    EXPECT_EQ(expandings, 1);
    EXPECT_FALSE(root->Expanded());
    EXPECT_EQ(root->Count(), 0);
}

TEST_F(TreeViewTest, NodesAreWalkedInDisplayOrder)
{
    TCustomTreeView* t = Make();
    TTreeNodes& nodes = t->Items();
    TTreeNode* a = nodes.Add(nullptr, "a");
    TTreeNode* c = nodes.Add(a, "c");
    TTreeNode* b1 = nodes.AddChild(a, "a1");
    nodes.AddChild(b1, "a1x");
    nodes.Insert(c, "b");
    nodes.AddChildFirst(a, "a0");
    EXPECT_TRUE(a->HasChildren());
    std::string order;
    for (int i = 0; i < nodes.Count(); ++i)
        order += nodes[i]->Text() + "/" + std::to_string(nodes[i]->Level()) + " ";
    EXPECT_EQ(order, "a/0 a0/1 a1/1 a1x/2 b/0 c/0 ");
    EXPECT_EQ(c->Index(), 2);
    EXPECT_THROW(nodes[6], EListError);
    EXPECT_EQ(NativeChildren(*t, a), "a0 a1 ");
}

TEST_F(TreeViewTest, SortingKeepsTheWindowInTheSameOrder)
{
    TCustomTreeView* t = Make();
    TTreeNode* root = t->Items().Add(nullptr, "r");
    for (const char* name : {"delta", "Bravo", "alpha", "bravo", "Charlie"})
        t->Items().AddChild(root, name);
    TTreeNode* firstBravo = root->Item(1);
    root->AlphaSort();
    EXPECT_EQ(Children(root), "alpha Bravo bravo Charlie delta ");
    EXPECT_EQ(root->Item(1), firstBravo);  // equal texts keep their order
    EXPECT_EQ(NativeChildren(*t, root), Children(root));
}

TEST_F(TreeViewTest, NodesExpansionAndSelectionSurviveANewWindow)
{
    TCustomTreeView* t = Make();
    TTreeNode* root = t->Items().Add(nullptr, "Drives");
    root->SetHasChildren(true);
    root->Expand(false);
    TTreeNode* c = root->Item(2);
    t->SetSelected(c);
    t->SetShowLines(false);  // a new window
    EXPECT_EQ(expandings, 1);
    EXPECT_TRUE(root->Expanded());
    EXPECT_EQ(t->Selected(), c);
    EXPECT_EQ(NativeChildren(*t, root), "b A c ");
    EXPECT_NE(c->DisplayRect(true).Right, 0);
}

TEST_F(TreeViewTest, DeletingTheSelectedNodeLeavesNoStaleSelection)
{
    TCustomTreeView* t = Make();
    TTreeNode* root = t->Items().Add(nullptr, "Drives");
    root->SetHasChildren(true);
    root->Expand(false);
    t->SetSelected(root->Item(1));
    TTreeNode* changed = nullptr;
    t->OnChange = [&](TComponent*, TTreeNode* node) { changed = node; };
    root->Item(1)->Delete();
    TTreeNode* now = t->Selected();
    EXPECT_TRUE(now == nullptr || now == root || now->Parent() == root);
    EXPECT_EQ(root->Count(), 2);
    root->DeleteChildren();
    t->Items().Clear();
    EXPECT_EQ(t->Selected(), nullptr);
    EXPECT_EQ(t->Items().Count(), 0);
    (void)changed;
}

TEST_F(TreeViewTest, LabelEditsGoThroughTheEditedEvent)
{
    TCustomTreeView* t = Make();
    TTreeNode* root = t->Items().Add(nullptr, "Drives");
    TTreeNode* folder = t->Items().AddChild(root, "old");
    root->Expand(false);
    bool allowEdit = false;
    t->OnEditing = [&](TComponent*, TTreeNode*, bool& allow) { allow = allowEdit; };
    t->OnEdited = [&](TComponent*, TTreeNode* node, std::string& s) {
        EXPECT_EQ(node, folder);
        EXPECT_EQ(s, "new");
        s = "NEW";
    };
    t->SetFocus();
    EXPECT_EQ(::SendMessageA(t->Handle(), TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(folder->ItemId())), 0);
    EXPECT_FALSE(t->IsEditing());

    allowEdit = true;
    auto edit = reinterpret_cast<HWND>(
        ::SendMessageA(t->Handle(), TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(folder->ItemId())));
    ASSERT_NE(edit, nullptr);
    ::SetWindowTextA(edit, "new");
    ::SendMessageA(t->Handle(), TVM_ENDEDITLABELNOW, FALSE, 0);
    EXPECT_EQ(folder->Text(), "NEW");
    char buffer[32] = {};
    TVITEMA item{};
    item.mask = TVIF_HANDLE | TVIF_TEXT;
    item.hItem = folder->ItemId();
    item.pszText = buffer;
    item.cchTextMax = sizeof(buffer);
    ::SendMessageA(t->Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(buffer, "NEW");
}

TEST_F(TreeViewTest, HitTestsFindNodesAndButtons)
{
    TCustomTreeView* t = Make();
    TTreeNode* root = t->Items().Add(nullptr, "Drives");
    t->Items().AddChild(root, "x");
    const TRect text = root->DisplayRect(true);
    ASSERT_GT(text.Right, text.Left);
    const int y = (text.Top + text.Bottom) / 2;
    EXPECT_EQ(t->GetNodeAt(text.Left + 2, y), root);
    EXPECT_TRUE(t->GetHitTestInfoAt(text.Left + 2, y).Contains(htOnItem));
    EXPECT_TRUE(t->GetHitTestInfoAt(text.Right + 20, y).Contains(htOnRight));
    EXPECT_EQ(t->GetNodeAt(text.Right + 20, y), nullptr);
}

TEST_F(TreeViewTest, TheWindowKeepsALiveFontWhenTheFontChanges)
{
    TCustomTreeView* t = Make();  // takes its parent's font
    const auto windowFont = [&] { return reinterpret_cast<HGDIOBJ>(::SendMessageA(t->Handle(), WM_GETFONT, 0, 0)); };
    EXPECT_EQ(::GetObjectType(windowFont()), DWORD(OBJ_FONT));
    t->Font().SetName("Courier New");
    EXPECT_EQ(::GetObjectType(windowFont()), DWORD(OBJ_FONT));
    LOGFONTA font{};
    ::GetObjectA(windowFont(), sizeof(font), &font);
    EXPECT_STREQ(font.lfFaceName, "Courier New");
}
