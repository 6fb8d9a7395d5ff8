// The skinned tree view: external scroll bars shown, sized and followed, and its
// look from the skin or its defaults.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "control_fixture.h"
#include "skinctrls/views/skin_tree_view.h"

using namespace gui;
using sk::TskSkinCustomTreeView;
using sk::TskSkinScrollBar;

namespace {

class SkinTreeViewTest : public ::testing::Test, public skinctrlstest::ControlTest {
protected:
    TskSkinCustomTreeView* Make(int nodes)
    {
        auto* t = new TskSkinCustomTreeView(&form);
        t->SetBounds(10, 10, 200, 120);
        for (int i = 0; i < nodes; ++i)
            t->Items().Add(nullptr, "Folder " + std::to_string(i));
        t->SetParent(&form);
        return t;
    }
    TskSkinScrollBar* Bar()
    {
        auto* b = new TskSkinScrollBar(&form);
        b->SetKind(sbVertical);
        b->SetBounds(220, 10, 19, 120);
        b->SetParent(&form);
        return b;
    }
};

}  // namespace

TEST_F(SkinTreeViewTest, TheBarShowsWhenNodesDoNotFitAndMovesTheView)
{
    TskSkinCustomTreeView* t = Make(3);
    TskSkinScrollBar* bar = Bar();
    t->SetVScrollBar(bar);
    EXPECT_FALSE(bar->Visible());

    for (int i = 3; i < 40; ++i)
        t->Items().Add(nullptr, "Folder " + std::to_string(i));
    t->UpdateScrollBars();
    ASSERT_TRUE(bar->Visible());
    EXPECT_EQ(bar->PageSize(), t->VisibleCount());
    EXPECT_EQ(bar->Max(), 39);
    bar->SetPosition(7);
    EXPECT_EQ(t->TopItem(), t->Items()[7]);

    // Selecting the last node scrolls the view, and the bar with it.
    t->SetSelected(t->Items()[39]);
    EXPECT_EQ(bar->Position(), 40 - t->VisibleCount());

    t->Hide();
    EXPECT_FALSE(bar->Visible());
    t->Show();
    EXPECT_TRUE(bar->Visible());
}

TEST_F(SkinTreeViewTest, TheWindowHasNoFrameOfItsOwn)
{
    TskSkinCustomTreeView* t = Make(40);
    RECT client{}, window{};
    ::GetClientRect(t->Handle(), &client);
    ::GetWindowRect(t->Handle(), &window);
    EXPECT_EQ(client.right, window.right - window.left);
    EXPECT_EQ(client.bottom, window.bottom - window.top);
}

TEST_F(SkinTreeViewTest, FontAndColourComeFromTheSkinOrTheDefaults)
{
    skin.AddElement("treeview", "treeview", {"fontname=Courier New", "fontheight=18", "bgcolor=255"});
    skin.Load();
    TskSkinCustomTreeView* t = Make(3);
    t->SetSkinData(&skin.Data());
    EXPECT_EQ(t->Font().Name(), "Courier New");
    EXPECT_EQ(t->Color(), TColor(255));
    EXPECT_EQ(::SendMessageA(t->Handle(), TVM_GETBKCOLOR, 0, 0), 255);

    TFont font;
    font.SetName("Tahoma");
    t->SetDefaultFont(font);
    EXPECT_EQ(t->Font().Name(), "Courier New");  // the skin's still
    delete &skin.Data();
    EXPECT_EQ(t->SkinData(), nullptr);
    t->ApplySkin();
    EXPECT_EQ(t->Font().Name(), "Tahoma");
    EXPECT_EQ(t->Color(), clWindow);
}

TEST_F(SkinTreeViewTest, ABarOutlivingItsViewNoLongerMovesIt)
{
    TskSkinCustomTreeView* t = Make(40);
    TskSkinScrollBar* bar = Bar();
    t->SetVScrollBar(bar);
    delete t;
    EXPECT_FALSE(bar->OnChange);
    bar->SetPosition(4);
}

TEST_F(SkinTreeViewTest, TheSkinIsAppliedOnceTheFormHasLoaded)
{
    skin.AddElement("treeview", "treeview", {"fontname=Courier New", "bgcolor=255"});
    skin.Load();
    form.BeginLoading();
    auto* t = new TskSkinCustomTreeView(&form);
    t->SetSkinData(&skin.Data());
    EXPECT_NE(t->Font().Name(), "Courier New");
    form.EndLoading();
    EXPECT_EQ(t->Font().Name(), "Courier New");
    t->SetParent(&form);
    EXPECT_EQ(::SendMessageA(t->Handle(), TVM_GETBKCOLOR, 0, 0), 255);
}

TEST_F(SkinTreeViewTest, AWideNodeShowsTheHorizontalBarBesideTheVerticalOne)
{
    TskSkinCustomTreeView* t = Make(40);
    TskSkinScrollBar* vertical = Bar();
    auto* horizontal = new TskSkinScrollBar(&form);
    horizontal->SetBounds(10, 140, 200, 19);
    horizontal->SetParent(&form);
    t->SetVScrollBar(vertical);
    t->SetHScrollBar(horizontal);
    EXPECT_FALSE(horizontal->Visible());
    t->Items()[3]->SetText(std::string(80, 'W'));
    t->Repaint();
    t->UpdateScrollBars();
    ASSERT_TRUE(horizontal->Visible());
    EXPECT_TRUE(horizontal->Both());
    EXPECT_EQ(horizontal->PageSize(), t->Width());
    horizontal->SetPosition(30);
    EXPECT_EQ(::GetScrollPos(t->Handle(), SB_HORZ), 30);
}
