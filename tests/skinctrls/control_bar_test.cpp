// The skinned control bar: the background tiled from the element, the skinned
// frame of every visible band, a background picture, the skinned border, and
// the plain look without the element.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "gui/controls/custom_control.h"
#include "picture_fixtures.h"
#include "skinctrls/controls/skin_control_bar.h"
#include "win/gdi_handles.h"

using namespace gui;
using sk::TskSkinControlBar;
using skinctrlstest::RGBOf;
using skinctrlstest::Child;
using skinctrlstest::Ramp;

namespace {

class ControlBarTest : public skinctrlstest::RampSkinTest {
protected:
    void SetUp() override
    {
        RampSkinTest::SetUp();
        skintest::MakePicture(tile, 8, 6, 24, {}, [](int x, int y) { return uint32_t(0x80 + x) << 16 | uint32_t(y); });
        skin.AddPicture(tile);
        // A frame 4 pixels thick around a 32 x 32 client part; the band frame's
        // picture is the 20 x 20 square beside it.
        const std::vector<std::string> bar = {"pictureindex=0",        "skinrect=0,0,40,40",
                                              "lefttoppoint=4,4",      "righttoppoint=36,4",
                                              "leftbottompoint=4,36",  "rightbottompoint=36,36",
                                              "clientrect=4,4,36,36",  "itemrect=40,0,60,20"};
        skin.AddElement("controlbar", "controlbar", bar);
        std::vector<std::string> pictured = bar;
        pictured.push_back("bgpictureindex=1");
        skin.AddElement("pictured", "controlbar", pictured);
        std::vector<std::string> beyond = bar;
        beyond.push_back("bgpictureindex=7");
        skin.AddElement("beyond", "controlbar", beyond);
        skin.Load();
    }

    TskSkinControlBar* Make()
    {
        auto* b = new TskSkinControlBar(&form);
        b->SetBounds(10, 10, 200, 60);
        b->SetParent(&form);
        return b;
    }
    Child* MakeChild(TskSkinControlBar& bar, int left)
    {
        auto* c = new Child(&form);
        c->SetBounds(left, 0, 40, 20);
        c->SetParent(&bar);
        return c;
    }
    // The pixel of the bar's window, frame included, as the screen shows it.
    static TColor WindowPixel(TskSkinControlBar& bar, int x, int y)
    {
        ::RedrawWindow(bar.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = ::GetWindowDC(bar.Handle());
        const COLORREF c = ::GetPixel(dc, x, y);
        ::ReleaseDC(bar.Handle(), dc);
        return TColor(c);
    }

    TBitmap tile;
};

}  // namespace

TEST_F(ControlBarTest, TheClientPartOfTheElementIsTiledAndCutAtTheEdges)
{
    auto* b = Make();
    b->SetSkinData(&skin.Data());
    TCanvas& canvas = Painted(*b);
    EXPECT_EQ(canvas.Pixels(0, 0), Ramp(4, 4));
    EXPECT_EQ(canvas.Pixels(31, 31), Ramp(35, 35));
    EXPECT_EQ(canvas.Pixels(32, 0), Ramp(4, 4));
    EXPECT_EQ(canvas.Pixels(199, 59), Ramp(4 + 199 % 32, 4 + 59 % 32));
    // Not erased: the paint covers it all.
    EXPECT_EQ(b->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(target.Canvas().Handle()), 0), 1);
}

TEST_F(ControlBarTest, EveryVisibleChildHasASkinnedBandFrame)
{
    auto* b = Make();
    auto* first = MakeChild(*b, 20);
    auto* second = MakeChild(*b, 100);
    b->SetSkinData(&skin.Data());
    const TRect r = first->BoundsRect();
    const TRect band{r.Left - 11, r.Top - 2, r.Right + 2, r.Bottom + 2};
    TCanvas& canvas = Painted(*b);
    EXPECT_EQ(canvas.Pixels(band.Left, band.Top), Ramp(40, 0));
    EXPECT_EQ(canvas.Pixels(band.Right - 1, band.Bottom - 1), Ramp(59, 19));
    EXPECT_EQ(canvas.Pixels(band.Left, band.Bottom - 1), Ramp(40, 19));
    EXPECT_EQ(canvas.Pixels(band.Left + 5, band.Top + 2), Ramp(45, 2));  // on the grabber
    // Inside the band the background shows (the child covers it).
    EXPECT_EQ(canvas.Pixels(r.Left + 5, r.Top + 5), Ramp(4 + (r.Left + 5) % 32, 4 + (r.Top + 5) % 32));

    // A child hidden at run time loses its frame at the next paint, which is due
    // at once.
    ::UpdateWindow(form.Handle());
    second->Hide();
    const TRect s = second->BoundsRect();
    win::UniqueRegion pending(::CreateRectRgn(0, 0, 0, 0));
    ::GetUpdateRgn(b->Handle(), pending.Get(), FALSE);
    EXPECT_TRUE(::PtInRegion(pending.Get(), s.Left - 5, s.Top));
    EXPECT_EQ(Painted(*b).Pixels(s.Left - 11, s.Top - 2), Ramp(4 + (s.Left - 11) % 32, 4 + (s.Top - 2) % 32));
    EXPECT_EQ(Painted(*b).Pixels(band.Left, band.Top), Ramp(40, 0));
}

TEST_F(ControlBarTest, ABackgroundPictureIsRepeatedFromTheCorner)
{
    auto* b = Make();
    b->SetSkinDataName("pictured");
    b->SetSkinData(&skin.Data());
    TCanvas& canvas = Painted(*b);
    for (int y = 0; y < 60; y += 7)
        for (int x = 0; x < 200; x += 3)
            ASSERT_EQ(canvas.Pixels(x, y), TColor((0x80 + x % 8) | (y % 6) << 16)) << x << "," << y;

    // A picture the skin does not have leaves the tiling of the client part.
    b->SetSkinDataName("beyond");
    EXPECT_EQ(Painted(*b).Pixels(32, 0), Ramp(4, 4));
}

TEST_F(ControlBarTest, WithoutTheElementTheBarHasThePlainLook)
{
    auto* b = Make();
    b->SetSkinDataName("missing");
    b->SetSkinData(&skin.Data());
    EXPECT_EQ(Painted(*b).Pixels(150, 40), RGBOf(clBtnFace));
    b->SetSkinDataName("controlbar");
    EXPECT_EQ(Painted(*b).Pixels(150, 40), Ramp(4 + 150 % 32, 4 + 40 % 32));
    b->SetSkinData(nullptr);
    EXPECT_EQ(Painted(*b).Pixels(150, 40), RGBOf(clBtnFace));
}

TEST_F(ControlBarTest, TheSkinnedBorderTakesTheElementsFrameOutsideTheClientArea)
{
    auto* b = Make();
    b->SetSkinData(&skin.Data());
    EXPECT_EQ(b->ClientRect(), Rect(0, 0, 200, 60));  // the whole window is client area
    b->SetSkinBevel(true);
    EXPECT_EQ(b->ClientRect(), Rect(0, 0, 192, 52));
    ::UpdateWindow(form.Handle());
    EXPECT_EQ(WindowPixel(*b, 1, 2), Ramp(1, 2));
    EXPECT_EQ(WindowPixel(*b, 198, 58), Ramp(38, 38));

    // The skin gone, the window is made anew without the border.
    b->SetSkinData(nullptr);
    EXPECT_EQ(b->ClientRect(), Rect(0, 0, 200, 60));
    b->SetSkinData(&skin.Data());
    EXPECT_EQ(b->ClientRect(), Rect(0, 0, 192, 52));
    b->SetSkinBevel(false);
    EXPECT_EQ(b->ClientRect(), Rect(0, 0, 200, 60));
}

TEST_F(ControlBarTest, BandsLineUpInRowsAndTheBarTakesTheirHeight)
{
    auto* b = Make();
    auto* first = MakeChild(*b, 20);
    auto* second = MakeChild(*b, 30);  // overlaps the first band: packed after it
    EXPECT_EQ(first->BoundsRect(), Rect(20, 2, 60, 22));
    EXPECT_EQ(second->BoundsRect(), Rect(73, 2, 113, 22));

    b->SetAutoSize(true);
    EXPECT_EQ(b->Height(), 26);  // one row of 24, snapped to the row size
    b->SetRowSnap(false);
    EXPECT_EQ(b->Height(), 24);

    // A band below the first row's bottom opens a second row.
    second->SetTop(30);
    EXPECT_EQ(second->BoundsRect(), Rect(73, 26, 113, 46));
    EXPECT_EQ(b->Height(), 48);

    // Dragged by its grabber into the first row, the band leaves the second.
    Mouse(*b, WM_LBUTTONDOWN, 65, 30);
    Mouse(*b, WM_MOUSEMOVE, 130, 6);
    Mouse(*b, WM_LBUTTONUP, 130, 6);
    EXPECT_EQ(second->Top(), 2);
    EXPECT_GT(second->Left(), first->Left());
    EXPECT_EQ(b->Height(), 24);
}

TEST_F(ControlBarTest, ABarOnAFormBeingBuiltFitsItsRowsWithoutSnapping)
{
    TForm building(nullptr);
    building.BeginLoading();
    auto* b = new TskSkinControlBar(&building);
    EXPECT_TRUE(b->AutoSize());
    EXPECT_FALSE(b->RowSnap());
    EXPECT_FALSE(b->AutoDrag());
    building.EndLoading();
    auto* plain = Make();
    EXPECT_FALSE(plain->AutoSize());
    EXPECT_TRUE(plain->RowSnap());
}
