// The library's list view over the system's: rows, sub-items, check boxes and
// columns in step with the window, kept across new windows, and the window
// procedure in place before the system's list view makes its header.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "control_fixture.h"
#include "gui/core/exceptions.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/image_list.h"
#include "gui/native/list_view.h"

using namespace gui;

namespace {

// Records what the control's own procedure saw while its window was made.
class ProbeListView : public TCustomListView {
public:
    using TCustomListView::TCustomListView;
    bool sawNcCreate = false;
    bool sawHeaderBorn = false;

protected:
    void WndProc(TMessage& message) override
    {
        if (message.Msg == WM_NCCREATE)
            sawNcCreate = true;
        if (message.Msg == WM_PARENTNOTIFY && LOWORD(message.WParam) == WM_CREATE) {
            char name[80] = {};
            ::GetClassNameA(reinterpret_cast<HWND>(message.LParam), name, sizeof(name));
            sawHeaderBorn |= std::strcmp(name, "SysHeader32") == 0;
        }
        TCustomListView::WndProc(message);
    }
};

class ListViewTest : public ::testing::Test, public skinctrlstest::ControlTest {
protected:
    TCustomListView* Make(int rows, bool parent = true)
    {
        auto* v = new ProbeListView(&form);
        v->SetBounds(10, 10, 300, 200);
        v->SetViewStyle(vsReport);
        v->SetCheckboxes(true);
        for (const char* caption : {"", "Track Name", "Duration"}) {
            TListColumn* c = v->Columns().Add();
            c->SetCaption(caption);
            c->SetWidth(caption[0] ? 120 : 22);
        }
        for (int i = 0; i < rows; ++i) {
            TListItem* item = v->Items().Add();
            item->SubItems().Add("Track " + std::to_string(i + 1));
            item->SubItems().Add(std::to_string(i) + ":00");
        }
        if (parent)
            v->SetParent(&form);
        return v;
    }
    static std::string NativeText(TCustomListView& v, int row, int column)
    {
        char buffer[256] = {};
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = sizeof(buffer);
        ::SendMessageA(v.Handle(), LVM_GETITEMTEXTA, WPARAM(row), reinterpret_cast<LPARAM>(&item));
        return buffer;
    }
    static bool NativeChecked(TCustomListView& v, int row)
    {
        return (::SendMessageA(v.Handle(), LVM_GETITEMSTATE, WPARAM(row), LVIS_STATEIMAGEMASK) &
                LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
    }
    static void UserChecks(TCustomListView& v, int row, bool on)
    {
        LVITEMA item{};
        item.stateMask = LVIS_STATEIMAGEMASK;
        item.state = INDEXTOSTATEIMAGEMASK(on ? 2 : 1);
        ::SendMessageA(v.Handle(), LVM_SETITEMSTATE, WPARAM(row), reinterpret_cast<LPARAM>(&item));
    }
};

}  // namespace

TEST_F(ListViewTest, WindowProcedureSeesTheHeaderBeingMade)
{
    auto* v = static_cast<ProbeListView*>(Make(0));
    v->HandleNeeded();
    EXPECT_TRUE(v->sawNcCreate);
    EXPECT_TRUE(v->sawHeaderBorn);
    EXPECT_NE(::SendMessageA(v->Handle(), LVM_GETHEADER, 0, 0), 0);
}

TEST_F(ListViewTest, RowsMadeBeforeTheWindowShowInIt)
{
    TCustomListView* v = Make(3, false);
    v->Items()[1]->SetChecked(true);
    v->Items()[2]->SetCaption("c");
    EXPECT_TRUE(v->Items()[1]->Checked());
    v->SetParent(&form);
    ASSERT_EQ(::SendMessageA(v->Handle(), LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(NativeText(*v, 0, 1), "Track 1");
    EXPECT_EQ(NativeText(*v, 2, 0), "c");
    EXPECT_EQ(NativeText(*v, 2, 2), "2:00");
    EXPECT_FALSE(NativeChecked(*v, 0));
    EXPECT_TRUE(NativeChecked(*v, 1));
    EXPECT_EQ(::SendMessageA(v->Handle(), LVM_GETCOLUMNWIDTH, 1, 0), 120);
}

TEST_F(ListViewTest, WhatTheUserChangedSurvivesANewWindow)
{
    TCustomListView* v = Make(5);
    v->Items()[0]->SetChecked(true);
    UserChecks(*v, 2, true);  // a click on the row's check box
    UserChecks(*v, 0, false);
    v->Items()[4]->SetSelected(true);
    ::SendMessageA(v->Handle(), LVM_SETCOLUMNWIDTH, 1, 77);  // a dragged divider
    EXPECT_TRUE(v->Items()[2]->Checked());
    EXPECT_FALSE(v->Items()[0]->Checked());

    v->SetShowColumnHeaders(false);  // a new window
    v->SetShowColumnHeaders(true);
    ASSERT_EQ(::SendMessageA(v->Handle(), LVM_GETITEMCOUNT, 0, 0), 5);
    EXPECT_FALSE(NativeChecked(*v, 0));
    EXPECT_TRUE(NativeChecked(*v, 2));
    EXPECT_TRUE(v->Items()[4]->Selected());
    EXPECT_EQ(v->Selected(), v->Items()[4]);
    EXPECT_EQ(v->Columns()[1]->Width(), 77);
    EXPECT_EQ(NativeText(*v, 3, 1), "Track 4");
}

TEST_F(ListViewTest, ChecksOutliveTurningTheBoxesOffAndOn)
{
    TCustomListView* v = Make(3);
    UserChecks(*v, 1, true);
    v->SetCheckboxes(false);
    EXPECT_TRUE(v->Items()[1]->Checked());
    v->SetCheckboxes(true);
    EXPECT_TRUE(NativeChecked(*v, 1));
    EXPECT_FALSE(NativeChecked(*v, 0));
}

TEST_F(ListViewTest, SubItemChangesShowAndRemovedOnesGoBlank)
{
    TCustomListView* v = Make(2);
    TStrings& sub = v->Items()[0]->SubItems();
    sub.Put(1, "9:99");
    EXPECT_EQ(NativeText(*v, 0, 2), "9:99");
    sub.Delete(0);
    EXPECT_EQ(NativeText(*v, 0, 1), "9:99");
    EXPECT_EQ(NativeText(*v, 0, 2), "");
    sub.Insert(0, "A");
    EXPECT_EQ(NativeText(*v, 0, 1), "A");
    EXPECT_EQ(NativeText(*v, 0, 2), "9:99");
    sub.Clear();
    EXPECT_EQ(NativeText(*v, 0, 1), "");
    EXPECT_EQ(NativeText(*v, 1, 1), "Track 2");
    EXPECT_THROW(sub.Get(0), EListError);
}

TEST_F(ListViewTest, InsertedAndDeletedRowsKeepTheWindowInStep)
{
    TCustomListView* v = Make(3);
    TListItem* first = v->Items().Insert(0);
    first->SetCaption("new");
    first->SetChecked(true);
    v->Items().Delete(2);  // "Track 2"
    ASSERT_EQ(v->Items().Count(), 3);
    EXPECT_EQ(::SendMessageA(v->Handle(), LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(NativeText(*v, 0, 0), "new");
    EXPECT_TRUE(NativeChecked(*v, 0));
    EXPECT_EQ(NativeText(*v, 1, 1), "Track 1");
    EXPECT_EQ(NativeText(*v, 2, 1), "Track 3");
    EXPECT_EQ(v->Items()[2]->Index(), 2);
    EXPECT_THROW(v->Items().Insert(5), EListError);
    EXPECT_THROW(v->Items()[3], EListError);
    EXPECT_THROW(v->Columns()[3], EListError);
    v->Items().Clear();
    EXPECT_EQ(::SendMessageA(v->Handle(), LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(ListViewTest, ScrollMovesByWholeRows)
{
    TCustomListView* v = Make(40);
    const TRect bounds = v->Items()[0]->DisplayRect(drBounds);
    const int row = bounds.Bottom - bounds.Top;
    ASSERT_GT(row, 0);
    EXPECT_GT(v->VisibleRowCount(), 0);
    EXPECT_LT(v->VisibleRowCount(), 40);
    v->Scroll(0, 3 * row);
    EXPECT_EQ(v->TopItem(), v->Items()[3]);
}

TEST_F(ListViewTest, ANewCaptionKeepsTheWidthTheUserGaveTheColumn)
{
    TCustomListView* v = Make(1);
    ::SendMessageA(v->Handle(), LVM_SETCOLUMNWIDTH, 1, 77);
    v->Columns()[1]->SetCaption("Name");
    v->Columns()[1]->SetAlignment(taRightJustify);
    EXPECT_EQ(v->Columns()[1]->Width(), 77);
    char buffer[32] = {};
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = buffer;
    column.cchTextMax = sizeof(buffer);
    ::SendMessageA(v->Handle(), LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
    EXPECT_STREQ(buffer, "Name");
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
}

TEST_F(ListViewTest, RowsShowTheirPicturesFromTheSmallImages)
{
    // Two 16 x 16 pictures, red and blue, each with a fuchsia corner that stays
    // see-through.
    TImageList images(nullptr);
    images.SetSize(16, 16);
    TBitmap strip;
    strip.SetSize(32, 16);
    strip.Canvas().Brush().SetColor(clRed);
    strip.Canvas().FillRect(Rect(0, 0, 16, 16));
    strip.Canvas().Brush().SetColor(clBlue);
    strip.Canvas().FillRect(Rect(16, 0, 32, 16));
    strip.Canvas().Brush().SetColor(clFuchsia);
    strip.Canvas().FillRect(Rect(0, 12, 4, 16));
    strip.Canvas().FillRect(Rect(16, 12, 20, 16));
    images.AddMasked(strip, clDefault);

    TCustomListView* v = Make(2, false);
    v->SetCheckboxes(false);
    v->Items()[0]->SetImageIndex(1);
    v->Items()[1]->SetImageIndex(0);
    v->SetSmallImages(&images);  // before the window: handed over when it is made
    v->SetParent(&form);
    EXPECT_EQ(::SendMessageA(v->Handle(), LVM_GETIMAGELIST, LVSIL_SMALL, 0),
              reinterpret_cast<LRESULT>(images.Handle()));
    auto iconAt = [&](int row, int dx, int dy) {
        RECT r{};
        r.left = LVIR_ICON;
        ::SendMessageA(v->Handle(), LVM_GETITEMRECT, WPARAM(row), reinterpret_cast<LPARAM>(&r));
        return Painted(*v).Pixels(r.left + dx, r.top + dy);
    };
    EXPECT_EQ(iconAt(0, 8, 4), clBlue);
    EXPECT_EQ(iconAt(1, 8, 4), clRed);
    EXPECT_NE(iconAt(1, 1, 14), clRed);  // the transparent corner

    // Pictures added later reach the rows at once.
    TBitmap green;
    green.SetSize(16, 16);
    green.Canvas().Brush().SetColor(clLime);
    green.Canvas().FillRect(Rect(0, 0, 16, 16));
    ASSERT_EQ(images.AddMasked(green, clFuchsia), 2);
    v->Items()[1]->SetImageIndex(2);
    EXPECT_EQ(iconAt(1, 8, 4), clLime);

    // A list that goes is let go first; the rows then show no picture.
    {
        TImageList passing(nullptr);
        passing.SetSize(16, 16);
        passing.AddMasked(strip, clDefault);
        v->SetSmallImages(&passing);
        EXPECT_EQ(iconAt(0, 8, 4), clBlue);
    }
    EXPECT_EQ(v->SmallImages(), nullptr);
    EXPECT_EQ(::SendMessageA(v->Handle(), LVM_GETIMAGELIST, LVSIL_SMALL, 0), 0);
    EXPECT_NE(iconAt(0, 8, 4), clBlue);
}
