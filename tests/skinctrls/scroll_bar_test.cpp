// The skinned scroll bar: the range and the position kept in it, the arrows and
// their timed repeat, paging while the track is held, dragging the thumb, keys,
// and the parts' looks with and without a skin.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "picture_fixtures.h"
#include "skinctrls/controls/skin_scroll_bar.h"

using namespace gui;
using sk::TskSkinScrollBar;
using skinctrlstest::RGBOf;
using skinctrlstest::Ramp;

namespace {

class ScrollBarTest : public skinctrlstest::RampSkinTest {
protected:
    void SetUp() override
    {
        RampSkinTest::SetUp();
        // Arrows 10 wide at the ends of a horizontal element 60 x 10; the states of
        // the increasing arrow and of the thumb lie below it in the picture.
        skin.AddElement("hscrollbar", "scrollbar",
                        {"pictureindex=0", "skinrect=0,0,60,10", "lefttoppoint=10,0", "righttoppoint=50,0",
                         "clientrect=10,0,50,10", "trackarea=10,0,50,10", "downbuttonrect=0,0,10,10",
                         "upbuttonrect=50,0,60,10", "activeupbuttonrect=50,10,60,20",
                         "downupbuttonrect=50,20,60,30", "thumbrect=0,30,8,40", "activethumbrect=8,30,16,40"});
        skin.Load();
    }

    // A plain horizontal bar 200 x 19: arrows (1..17) and (183..199), the track
    // 17..183, a 16-pixel thumb whose centre runs from 25 to 175.
    TskSkinScrollBar* Make()
    {
        auto* s = new TskSkinScrollBar(&form);
        s->SetBounds(10, 10, 200, 19);
        s->SetParent(&form);
        s->OnChange = [this](TComponent*) { ++changes; };
        s->OnLastChange = [this](TComponent*) { ++lastChanges; };
        return s;
    }
    static void Move(TskSkinScrollBar& s, int x, int y = 9) { Mouse(s, WM_MOUSEMOVE, x, y); }
    // The mouse comes to the point, then presses.
    static void Press(TskSkinScrollBar& s, int x, int y = 9)
    {
        Move(s, x, y);
        Mouse(s, WM_LBUTTONDOWN, x, y);
    }
    static void Release(TskSkinScrollBar& s, int x, int y = 9) { Mouse(s, WM_LBUTTONUP, x, y); }
    static void Key(WPARAM key)
    {
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, key, 0);
        Wait(0);
    }

    int changes = 0;
    int lastChanges = 0;
};

}  // namespace

TEST_F(ScrollBarTest, ThePositionStaysInTheRangeLessThePage)
{
    auto* s = Make();
    s->SetMax(99);
    s->SetPageSize(10);
    s->SetPosition(95);
    EXPECT_EQ(s->Position(), 90);
    EXPECT_EQ(changes, 1);
    s->SetPosition(90);
    EXPECT_EQ(changes, 1);  // unchanged: no event
    s->SetPosition(-4);
    EXPECT_EQ(s->Position(), 0);

    // A page that does not fit from the position is refused.
    s->SetPosition(50);
    s->SetPageSize(60);
    EXPECT_EQ(s->PageSize(), 10);
    s->SetPageSize(-20);
    EXPECT_EQ(s->PageSize(), 10);
    s->SetPageSize(50);
    EXPECT_EQ(s->PageSize(), 50);

    // The other setters move the position into the range without telling.
    const int told = changes;
    s->SetMax(80);
    EXPECT_EQ(s->Position(), 31);
    s->SetRange(0, 40, 0, 70);
    EXPECT_EQ(s->Position(), 40);
    s->SetMin(45);
    EXPECT_EQ(s->Position(), 45);
    EXPECT_EQ(changes, told);
}

TEST_F(ScrollBarTest, AnArrowStepsAtOnceThenRepeatsWhileHeldOverIt)
{
    auto* s = Make();
    s->SetPosition(50);
    const DWORD pressed = ::GetTickCount();
    Press(*s, 8);
    EXPECT_EQ(s->Position(), 49);
    // The first repeat comes half a second after the press, the next ones every
    // 50 ms. A busy machine makes timers late, never early (the slack is for
    // the clocks' grain).
    ASSERT_TRUE(WaitUntil([&] { return s->Position() < 49; }));
    EXPECT_GE(::GetTickCount() - pressed, 450u);
    ASSERT_TRUE(WaitUntil([&] { return s->Position() <= 45; }));
    EXPECT_GE(::GetTickCount() - pressed, 450u + 3 * 50);

    // Off the arrow the repeat pauses; back over it, it goes on.
    Move(*s, 100);
    const int paused = s->Position();
    Wait(200);
    EXPECT_EQ(s->Position(), paused);
    Move(*s, 8);
    EXPECT_TRUE(WaitUntil([&] { return s->Position() < paused; }));
    Release(*s, 8);
    const int released = s->Position();
    Wait(150);
    EXPECT_EQ(s->Position(), released);
    EXPECT_EQ(lastChanges, 1);

    // The increasing arrow, or its handler in place of the step.
    Press(*s, 190);
    Release(*s, 190);
    EXPECT_EQ(s->Position(), released + 1);
    int ups = 0;
    s->OnUpButtonClick = [&](TComponent*) { ++ups; };
    Press(*s, 190);
    Release(*s, 190);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(s->Position(), released + 1);
    EXPECT_EQ(lastChanges, 3);
}

TEST_F(ScrollBarTest, HoldingTheTrackPagesUntilTheThumbPassesTheMouse)
{
    auto* s = Make();
    s->SetLargeChange(10);
    Press(*s, 150);
    EXPECT_EQ(s->Position(), 10);
    // At 80 the thumb spans 137..153 and has reached the mouse: paging stops there.
    ASSERT_TRUE(WaitUntil([&] { return s->Position() >= 80; }));
    Wait(200);
    EXPECT_EQ(s->Position(), 80);
    Release(*s, 150);

    Press(*s, 60);
    EXPECT_EQ(s->Position(), 70);  // before the thumb: toward Min
    Release(*s, 60);
    EXPECT_EQ(s->Position(), 70);
    EXPECT_EQ(lastChanges, 2);
}

TEST_F(ScrollBarTest, LeavingTheBarStopsPagingInBothDirections)
{
    auto* s = Make();
    s->SetLargeChange(10);
    Press(*s, 150);  // toward Max
    EXPECT_EQ(s->Position(), 10);
    Move(*s, 100, 60);  // off the bar, the button still held
    Wait(900);
    EXPECT_EQ(s->Position(), 10);
    Release(*s, 100, 60);

    s->SetPosition(90);
    Move(*s, 30);
    Press(*s, 30);  // toward Min
    EXPECT_EQ(s->Position(), 80);
    Move(*s, 100, 60);
    Wait(900);
    EXPECT_EQ(s->Position(), 80);
    Release(*s, 100, 60);
}

TEST_F(ScrollBarTest, DraggingTheThumbFollowsTheMouseWithinTheRange)
{
    auto* s = Make();
    Press(*s, 25);
    Move(*s, 100);  // 75 of the 150 pixels the centre can travel
    EXPECT_EQ(s->Position(), 50);
    Move(*s, 400);
    EXPECT_EQ(s->Position(), 100);
    Move(*s, -60);
    EXPECT_EQ(s->Position(), 0);
    Release(*s, -60);
    Move(*s, 100);  // released: the thumb stays
    EXPECT_EQ(s->Position(), 0);

    // With a page the thumb is longer (17 pixels) and the range shorter (0..90).
    s->SetMax(99);
    s->SetPageSize(10);
    Press(*s, 25);
    Move(*s, 100);
    EXPECT_EQ(s->Position(), 45);
    Release(*s, 100);
}

TEST_F(ScrollBarTest, EveryLeftReleaseIsTheLastChange)
{
    auto* s = Make();
    Press(*s, 25);
    Release(*s, 25);
    EXPECT_EQ(lastChanges, 1);
    EXPECT_EQ(changes, 0);
    Mouse(*s, WM_RBUTTONDOWN, 100, 9);
    Mouse(*s, WM_RBUTTONUP, 100, 9);
    EXPECT_EQ(lastChanges, 1);
    EXPECT_EQ(s->Position(), 0);
}

TEST_F(ScrollBarTest, KeysAndTheWheelStepAFocusableBar)
{
    auto* s = Make();
    s->SetPosition(10);
    EXPECT_FALSE(s->TabStop());
    s->SetCanFocused(true);
    EXPECT_TRUE(s->TabStop());
    s->SetFocus();
    Key(VK_RIGHT);
    Key(VK_DOWN);
    EXPECT_EQ(s->Position(), 12);
    Key(VK_LEFT);
    EXPECT_EQ(s->Position(), 11);
    ::SendMessageA(s->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(s->Position(), 10);
    ::SendMessageA(s->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(s->Position(), 11);

    s->SetCanFocused(false);
    Key(VK_RIGHT);
    EXPECT_EQ(s->Position(), 11);
}

TEST_F(ScrollBarTest, ThePlainLookShowsTheThumbOnlyWhileEnabled)
{
    auto* s = Make();
    TCanvas& enabled = Painted(*s);
    EXPECT_EQ(enabled.Pixels(1, 1), RGBOf(clBtnShadow));  // the decreasing arrow
    EXPECT_EQ(enabled.Pixels(17, 9), RGBOf(clBtnShadow));  // the thumb's frame
    EXPECT_EQ(enabled.Pixels(40, 9), RGBOf(clBtnFace));
    Move(*s, 25);
    EXPECT_EQ(Painted(*s).Pixels(20, 9), TColor(0xD2BDB6));
    Press(*s, 25);
    EXPECT_EQ(Painted(*s).Pixels(20, 9), TColor(0xB59385));
    Release(*s, 25);
    s->SetEnabled(false);
    EXPECT_EQ(Painted(*s).Pixels(17, 9), RGBOf(clBtnFace));

    // Beside a vertical bar, the increasing arrow leaves the corner free.
    s->SetBothMarkerWidth(-1);
    EXPECT_EQ(s->BothMarkerWidth(), 0);
    s->SetBothMarkerWidth(19);
    s->SetBoth(true);
    TCanvas& both = Painted(*s);
    EXPECT_EQ(both.Pixels(164, 1), RGBOf(clBtnShadow));
    EXPECT_EQ(both.Pixels(185, 9), RGBOf(clBtnFace));
}

TEST_F(ScrollBarTest, BothSwitchesTheElementAndBack)
{
    auto* s = Make();
    s->SetSkinDataName("hscrollbar");
    s->SetBoth(true);
    EXPECT_EQ(s->SkinDataName(), "bothhscrollbar");
    s->SetBoth(false);
    EXPECT_EQ(s->SkinDataName(), "hscrollbar");
}

TEST_F(ScrollBarTest, TheSkinnedPartsShowTheirStates)
{
    auto* s = Make();
    s->SetSkinDataName("hscrollbar");
    s->SetSkinData(&skin.Data());
    EXPECT_EQ(s->BoundsRect(), Rect(10, 10, 210, 20));
    // The track 10..190, the increasing arrow moved to 190..200, the thumb 8 wide.
    TCanvas& canvas = Painted(*s);
    EXPECT_EQ(canvas.Pixels(5, 5), Ramp(5, 5));
    EXPECT_EQ(canvas.Pixels(195, 5), Ramp(55, 5));
    EXPECT_EQ(canvas.Pixels(11, 5), Ramp(1, 35));
    EXPECT_EQ(GetGValue(canvas.Pixels(18, 5)), 5);
    Move(*s, 195, 5);
    EXPECT_EQ(Painted(*s).Pixels(195, 5), Ramp(55, 15));
    Press(*s, 195, 5);
    EXPECT_EQ(Painted(*s).Pixels(195, 5), Ramp(55, 25));
    Release(*s, 195, 5);
    s->SetPosition(0);
    Move(*s, 11, 5);
    TCanvas& hot = Painted(*s);
    EXPECT_EQ(hot.Pixels(195, 5), Ramp(55, 5));
    EXPECT_EQ(hot.Pixels(11, 5), Ramp(9, 35));

    Move(*s, 100, 5);
    s->SetPosition(100);  // the thumb's centre at 186
    EXPECT_EQ(Painted(*s).Pixels(183, 5), Ramp(1, 35));
}
