// The skinned list view: external scroll bars shown, sized and followed, its
// look from the skin or its defaults, references that never go stale, and the
// column header it paints itself.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "control_fixture.h"
#include "gui/graphics/image_list.h"
#include "picture_fixtures.h"
#include "skinctrls/views/skin_list_view.h"

using namespace gui;
using sk::TskSkinListView;
using sk::TskSkinScrollBar;

namespace {

class SkinListViewTest : public ::testing::Test, public skinctrlstest::ControlTest {
protected:
    TskSkinListView* Make(int rows, int height = 150)
    {
        auto* v = new TskSkinListView(&form);
        v->SetBounds(10, 10, 250, height);
        v->SetViewStyle(vsReport);
        v->SetCheckboxes(true);
        for (int width : {22, 150, 60}) {
            TListColumn* c = v->Columns().Add();
            c->SetWidth(width);
            c->SetCaption(width == 22 ? "" : "Caption");
        }
        AddRows(*v, rows);
        v->SetParent(&form);
        return v;
    }
    static void AddRows(TskSkinListView& v, int rows)
    {
        for (int i = 0; i < rows; ++i)
            v.Items().Add()->SubItems().Add("Track " + std::to_string(i + 1));
    }
    TskSkinScrollBar* Bar(TScrollBarKind kind)
    {
        auto* b = new TskSkinScrollBar(&form);
        b->SetKind(kind);
        b->SetBounds(kind == sbVertical ? 270 : 10, kind == sbVertical ? 10 : 170, kind == sbVertical ? 19 : 250,
                     kind == sbVertical ? 150 : 19);
        b->SetParent(&form);
        return b;
    }
    static TColor Pixel(HWND window, int x, int y)
    {
        HDC dc = ::GetDC(window);
        const COLORREF c = ::GetPixel(dc, x, y);
        ::ReleaseDC(window, dc);
        return TColor(c);
    }
    // The header painted into the test's bitmap.
    TCanvas& PaintedHeader(TskSkinListView& v)
    {
        TCanvas& canvas = target.Canvas();
        canvas.Brush().SetColor(clFuchsia);
        canvas.FillRect(Rect(0, 0, target.Width(), target.Height()));
        ::SendMessageA(v.HeaderWindow(), WM_PAINT, reinterpret_cast<WPARAM>(canvas.Handle()), 0);
        return canvas;
    }
    static TRect Section(TskSkinListView& v, int index)
    {
        RECT r{};
        ::SendMessageA(v.HeaderWindow(), HDM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
        return Rect(r.left, r.top, r.right, r.bottom);
    }
};

}  // namespace

TEST_F(SkinListViewTest, TheWindowHasNoFrameAndNoBarsOfItsOwn)
{
    TskSkinListView* v = Make(30);
    RECT client{}, window{};
    ::GetClientRect(v->Handle(), &client);
    ::GetWindowRect(v->Handle(), &window);
    EXPECT_EQ(client.right, window.right - window.left);
    EXPECT_EQ(client.bottom, window.bottom - window.top);
    EXPECT_EQ(::GetWindowLongPtrA(v->Handle(), GWL_STYLE) & WS_HSCROLL, 0);
}

TEST_F(SkinListViewTest, TheVerticalBarShowsOnlyWhenRowsDoNotFit)
{
    TskSkinListView* v = Make(0);
    TskSkinScrollBar* bar = Bar(sbVertical);
    v->SetVScrollBar(bar);
    EXPECT_TRUE(bar->Enabled());
    const int perPage = v->VisibleRowCount();
    ASSERT_GT(perPage, 1);
    AddRows(*v, perPage);
    v->UpdateScrollBars();
    EXPECT_FALSE(bar->Visible());

    AddRows(*v, 1);
    v->UpdateScrollBars();
    ASSERT_TRUE(bar->Visible());
    EXPECT_EQ(bar->PageSize(), perPage);
    EXPECT_EQ(bar->Max(), perPage);
    EXPECT_EQ(bar->Position(), 0);
}

TEST_F(SkinListViewTest, TheViewFollowsItsBarsAndTheBarsFollowTheView)
{
    TskSkinListView* v = Make(40);
    TskSkinScrollBar* bar = Bar(sbVertical);
    v->SetVScrollBar(bar);
    ASSERT_TRUE(bar->Visible());
    bar->SetPosition(5);
    EXPECT_EQ(v->TopItem(), v->Items()[5]);
    bar->SetPosition(2);
    EXPECT_EQ(v->TopItem(), v->Items()[2]);

    v->SetFocus();
    ::SendMessageA(v->Handle(), WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(bar->Position(), 40 - v->VisibleRowCount());
}

TEST_F(SkinListViewTest, HidingTheViewHidesItsBarsAndShowingShowsWhatIsNeeded)
{
    TskSkinListView* v = Make(40);
    TskSkinScrollBar* vertical = Bar(sbVertical);
    TskSkinScrollBar* horizontal = Bar(sbHorizontal);
    v->SetVScrollBar(vertical);
    v->SetHScrollBar(horizontal);
    ASSERT_TRUE(vertical->Visible());
    EXPECT_FALSE(horizontal->Visible());  // the columns fit
    v->Hide();
    EXPECT_FALSE(vertical->Visible());
    v->Show();
    EXPECT_TRUE(vertical->Visible());
    EXPECT_FALSE(horizontal->Visible());

    v->Columns()[1]->SetWidth(400);
    v->UpdateScrollBars();
    EXPECT_TRUE(horizontal->Visible());
    EXPECT_TRUE(horizontal->Both());  // leaves the corner to the vertical bar
    EXPECT_EQ(horizontal->PageSize(), v->Width());
}

TEST_F(SkinListViewTest, AnAlignedViewMakesRoomForItsBars)
{
    TskSkinListView* v = Make(40);
    TskSkinScrollBar* bar = Bar(sbVertical);
    bar->SetAlign(alRight);
    v->SetAlign(alClient);
    v->SetVScrollBar(bar);
    ASSERT_TRUE(bar->Visible());
    EXPECT_EQ(v->Width() + bar->Width(), form.ClientWidth());
}

TEST_F(SkinListViewTest, ComponentsThatGoLeaveNoReferencesBehind)
{
    TskSkinListView* v = Make(40);
    TskSkinScrollBar* bar = Bar(sbVertical);
    v->SetVScrollBar(bar);
    v->SetSkinData(&skin.Data());
    delete bar;
    EXPECT_EQ(v->VScrollBar(), nullptr);
    v->UpdateScrollBars();

    // The view goes first: its bar no longer moves it.
    bar = Bar(sbVertical);
    v->SetVScrollBar(bar);
    delete v;
    EXPECT_FALSE(bar->OnChange);
    bar->SetPosition(3);
}

TEST_F(SkinListViewTest, FontAndColourComeFromTheSkinOrTheDefaults)
{
    skin.AddElement("listview", "listview",
                    {"fontname=Courier New", "fontheight=20", "fontcolor=255", "bgcolor=65280"});
    skin.AddElement("other", "treeview", {"fontname=Times New Roman", "bgcolor=16711680"});
    skin.Load();
    TskSkinListView* v = Make(3);
    EXPECT_EQ(v->Font().Name(), "Arial");
    EXPECT_EQ(v->Font().Height(), 14);
    v->SetSkinData(&skin.Data());
    EXPECT_EQ(v->Font().Name(), "Courier New");
    EXPECT_EQ(v->Font().Height(), 20);
    EXPECT_EQ(v->Color(), TColor(65280));
    EXPECT_EQ(::SendMessageA(v->Handle(), LVM_GETBKCOLOR, 0, 0), 65280);

    v->SetSkinDataName("other");  // of another kind: nothing changes
    v->ApplySkin();
    EXPECT_EQ(v->Font().Name(), "Courier New");

    v->SetDefaultColor(clYellow);
    EXPECT_EQ(v->Color(), TColor(65280));
    v->SetSkinDataName("missing");
    v->ApplySkin();
    EXPECT_EQ(v->Color(), clYellow);
    EXPECT_EQ(v->Font().Name(), "Arial");
}

TEST_F(SkinListViewTest, TheHeaderIsHeldAcrossNewWindows)
{
    TskSkinListView* v = Make(3);
    const auto native = [&] { return reinterpret_cast<HWND>(::SendMessageA(v->Handle(), LVM_GETHEADER, 0, 0)); };
    ASSERT_NE(v->HeaderWindow(), nullptr);
    EXPECT_EQ(v->HeaderWindow(), native());
    v->SetViewStyle(vsList);
    v->SetViewStyle(vsReport);
    ASSERT_NE(v->HeaderWindow(), nullptr);
    EXPECT_EQ(v->HeaderWindow(), native());
    EXPECT_GE(PaintedHeader(*v).Pixels(1, 1), 0);
}

TEST_F(SkinListViewTest, PlainHeaderSectionsAndThePressedOne)
{
    TskSkinListView* v = Make(3);
    const TRect s1 = Section(*v, 1);
    ASSERT_GT(s1.Bottom, 4);
    TCanvas& c = PaintedHeader(*v);
    EXPECT_EQ(c.Pixels(s1.Left, s1.Top), skinctrlstest::RGBOf(clBtnShadow));
    EXPECT_EQ(c.Pixels(s1.Left + 2, s1.Top + 2), skinctrlstest::RGBOf(clBtnFace));
    EXPECT_EQ(c.Pixels(s1.Right - 1, s1.Bottom - 1), skinctrlstest::RGBOf(clBtnShadow));
    // The rest of the header right of the last section.
    EXPECT_EQ(c.Pixels(Section(*v, 2).Right + 3, 3), skinctrlstest::RGBOf(clBtnFace));

    Mouse(*v, WM_MOUSEMOVE, 0, 0);
    const LPARAM middle = PointToLParam(Point((s1.Left + s1.Right) / 2, s1.Bottom / 2));
    ::SendMessageA(v->HeaderWindow(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
    EXPECT_EQ(v->PressedSection(), 1);
    TCanvas& pressed = PaintedHeader(*v);
    EXPECT_EQ(pressed.Pixels(s1.Left, s1.Top), TColor(0x800000));
    EXPECT_EQ(pressed.Pixels(s1.Left + 2, s1.Top + 2), TColor(0xB59385));
    ::SendMessageA(v->HeaderWindow(), WM_LBUTTONUP, 0, middle);
    EXPECT_EQ(v->PressedSection(), -1);

    // The mouse taken away before the release lets the section go too.
    ::SendMessageA(v->HeaderWindow(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
    ::SetCapture(form.Handle());
    EXPECT_EQ(v->PressedSection(), -1);
    ::ReleaseCapture();

    // On a divider the press resizes: no section shows pressed.
    ::SendMessageA(v->HeaderWindow(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(Point(s1.Right - 1, 3)));
    EXPECT_EQ(v->PressedSection(), -1);
    ::SendMessageA(v->HeaderWindow(), WM_LBUTTONUP, 0, PointToLParam(Point(s1.Right - 1, 3)));
}

TEST_F(SkinListViewTest, SkinnedSectionsComeFromTheElementsPictures)
{
    TBitmap ramp;
    skintest::MakeRamp(ramp, 64, 64);
    skin.AddPicture(ramp);
    skin.AddElement("resizebutton", "button",
                    {"pictureindex=0", "skinrect=0,0,20,20", "downskinrect=20,0,40,20", "lefttoppoint=3,3",
                     "righttoppoint=17,3", "leftbottompoint=3,17", "rightbottompoint=17,17", "clientrect=3,3,17,17"});
    skin.Load();
    TskSkinListView* v = Make(3);
    v->SetSkinData(&skin.Data());
    const TRect s1 = Section(*v, 1);
    TCanvas& c = PaintedHeader(*v);
    // The top-left corner piece 1:1, the bottom-right one moved with the size.
    EXPECT_EQ(c.Pixels(s1.Left + 1, s1.Top + 2), TColor(1 | 2 << 8));
    EXPECT_EQ(c.Pixels(s1.Right - 1, s1.Bottom - 1), TColor(19 | 19 << 8));

    const LPARAM middle = PointToLParam(Point((s1.Left + s1.Right) / 2, s1.Bottom / 2));
    ::SendMessageA(v->HeaderWindow(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
    EXPECT_EQ(PaintedHeader(*v).Pixels(s1.Left + 1, s1.Top + 2), TColor(21 | 2 << 8));
    ::SendMessageA(v->HeaderWindow(), WM_LBUTTONUP, 0, middle);
}

TEST_F(SkinListViewTest, CaptionsThatDoNotFitAreShortenedAndStartAtTheLeft)
{
    sk::TskListHeaderSkin plain;
    TskSkinListView* v = Make(0);
    TListColumn* column = v->Columns()[1];
    column->SetAlignment(taRightJustify);
    // The leftmost and rightmost columns the caption's ink reaches.
    const auto ink = [&](int width, int& first, int& last) {
        TBitmap b;
        plain.PaintSection(b, width, 20, *v, *column, false);
        first = width;
        last = -1;
        const TColor face = skinctrlstest::RGBOf(clBtnFace);
        for (int x = 1; x < width - 1; ++x)
            for (int y = 1; y < 19; ++y)
                if (b.Canvas().Pixels(x, y) != face) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
    };
    column->SetCaption("Hi");
    int first = 0, last = 0;
    ink(100, first, last);
    EXPECT_GT(first, 50);
    EXPECT_LE(last, 100 - 5 - 10);

    column->SetCaption("A caption far too long for its section");
    ink(100, first, last);
    EXPECT_LE(first, 7);
    EXPECT_LT(last, 95);
}

TEST_F(SkinListViewTest, DraggedColumnsShowTheirOwnPictures)
{
    TImageList images(nullptr);
    images.SetSize(8, 8);
    TBitmap strip;
    strip.SetSize(16, 8);
    strip.Canvas().Brush().SetColor(clRed);
    strip.Canvas().FillRect(Rect(0, 0, 8, 8));
    strip.Canvas().Brush().SetColor(clBlue);
    strip.Canvas().FillRect(Rect(8, 0, 16, 8));
    images.AddMasked(strip, clFuchsia);

    TskSkinListView* v = Make(0);
    v->Columns().Clear();
    for (int i = 0; i < 2; ++i) {
        TListColumn* c = v->Columns().Add();
        c->SetWidth(100);
        c->SetImageIndex(i);
    }
    v->SetSmallImages(&images);
    v->SetFullDrag(true);
    int order[] = {1, 0};
    ::SendMessageA(v->Handle(), LVM_SETCOLUMNORDERARRAY, 2, reinterpret_cast<LPARAM>(order));
    const int y = Section(*v, 0).Bottom / 2;
    TCanvas& c = PaintedHeader(*v);
    EXPECT_EQ(c.Pixels(5 + 2, y), clBlue);          // column 1, now on the left
    EXPECT_EQ(c.Pixels(100 + 5 + 2, y), clRed);     // column 0, now second
    v->SetSmallImages(nullptr);
}

TEST_F(SkinListViewTest, BrokenHeaderElementsPaintWithoutHarm)
{
    TBitmap ramp;
    skintest::MakeRamp(ramp, 16, 16);
    skin.AddPicture(ramp);
    skin.AddElement("outside", "button",
                    {"pictureindex=0", "skinrect=10,10,90,90", "lefttoppoint=-5,200", "righttoppoint=1000,-3",
                     "leftbottompoint=7,0", "rightbottompoint=-1,-1", "clientrect=50,50,-10,-10"});
    skin.AddElement("strip", "button", {"pictureindex=0", "skinrect=0,0,4,4", "righttoppoint=9,0"});
    skin.AddElement("noindex", "button", {"pictureindex=7", "skinrect=0,0,10,10"});
    skin.AddElement("norect", "button", {"pictureindex=0"});
    skin.AddElement("notabutton", "listview", {"bgcolor=255"});
    skin.Load();
    TskSkinListView* v = Make(3);
    v->SetSkinData(&skin.Data());
    const TRect s1 = Section(*v, 1);
    for (const char* name : {"outside", "strip", "noindex", "norect", "notabutton"}) {
        v->SetHeaderSkinDataName(name);
        TCanvas& c = PaintedHeader(*v);
        const bool plain = std::string(name).rfind("no", 0) == 0;
        if (plain) {
            EXPECT_EQ(c.Pixels(s1.Left + 2, s1.Top + 2), skinctrlstest::RGBOf(clBtnFace)) << name;
        }
    }
}

TEST_F(SkinListViewTest, AHeaderWithoutColumnsIsPaintedAllOver)
{
    TskSkinListView* v = Make(0);
    v->Columns().Clear();
    RECT client{};
    ::GetClientRect(v->HeaderWindow(), &client);
    if (client.bottom < 4)
        GTEST_SKIP() << "the header takes no room without columns";
    EXPECT_EQ(PaintedHeader(*v).Pixels(3, 3), skinctrlstest::RGBOf(clBtnFace));
}

TEST_F(SkinListViewTest, AClickOnARowsCheckBoxTogglesIt)
{
    TskSkinListView* v = Make(3);
    LVHITTESTINFO hit{};
    const TRect row = v->Items()[1]->DisplayRect(drBounds);
    // The check box lies at the row's left end, in the first column.
    for (int x = row.Left; x < row.Left + 22 && hit.flags != LVHT_ONITEMSTATEICON; ++x) {
        hit = LVHITTESTINFO{};
        hit.pt = POINT{x, (row.Top + row.Bottom) / 2};
        ::SendMessageA(v->Handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    }
    ASSERT_EQ(hit.flags, UINT(LVHT_ONITEMSTATEICON));
    ASSERT_EQ(hit.iItem, 1);
    const LPARAM at = PointToLParam(Point(hit.pt.x, hit.pt.y));
    ::SendMessageA(v->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(v->Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(v->Items()[1]->Checked());
    EXPECT_FALSE(v->Items()[0]->Checked());

    // The space bar toggles the focused row.
    v->SetFocus();
    LVITEMA focus{};
    focus.stateMask = focus.state = LVIS_FOCUSED | LVIS_SELECTED;
    ::SendMessageA(v->Handle(), LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&focus));
    ::SendMessageA(v->Handle(), WM_KEYDOWN, VK_SPACE, 0);
    ::SendMessageA(v->Handle(), WM_CHAR, ' ', 0);
    ::SendMessageA(v->Handle(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_FALSE(v->Items()[1]->Checked());
}

TEST_F(SkinListViewTest, AListStyleViewScrollsByWholeColumns)
{
    TskSkinListView* v = Make(60);
    v->SetViewStyle(vsList);
    TskSkinScrollBar* vertical = Bar(sbVertical);
    TskSkinScrollBar* horizontal = Bar(sbHorizontal);
    v->SetVScrollBar(vertical);
    v->SetHScrollBar(horizontal);
    EXPECT_FALSE(vertical->Visible());
    ASSERT_TRUE(horizontal->Visible());
    EXPECT_FALSE(horizontal->Both());
    EXPECT_EQ(horizontal->SmallChange(), 1);
    horizontal->SetPosition(2);
    EXPECT_EQ(::GetScrollPos(v->Handle(), SB_HORZ), 2);
    const TRect first = v->Items()[0]->DisplayRect(drBounds);
    EXPECT_LT(first.Right, 0);  // two columns out of sight on the left
    horizontal->SetPosition(1);
    EXPECT_EQ(::GetScrollPos(v->Handle(), SB_HORZ), 1);
}
