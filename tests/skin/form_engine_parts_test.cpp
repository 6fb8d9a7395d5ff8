// The parts of the form skinning engine driven alone, without a form: the
// frame's geometry and hit test, the parking places of minimized forms, the
// styles that tell the system of the window state, the system menu's commands,
// the keys of the menu mode, the places of the roll-up objects and the columns
// of a minimized title.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "skin/forms/form_frame.h"
#include "skin/forms/form_frame_geometry.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/forms/iconic_title.h"
#include "skin/forms/menu_mode.h"
#include "skin/forms/roll_up.h"
#include "skin/forms/system_menu.h"
#include "skin/forms/system_state.h"
#include "skin/forms/window_states.h"

namespace {

using gui::Point;
using gui::Rect;
using gui::TRect;

// ---- The frame: geometry ----

sk::TskFormInfo Info()
{
    sk::TskFormInfo info;
    info.LTPoint = Point(20, 20);
    info.RTPoint = Point(80, 20);
    info.LBPoint = Point(20, 50);
    info.RBPoint = Point(80, 50);
    info.ClRect = Rect(4, 20, 96, 56);
    info.CaptionRect = Rect(10, 2, 70, 18);
    info.ButtonsRect = Rect(72, 2, 96, 18);
    info.MaskRectArea = Rect(4, 4, 96, 56);
    info.HitTestLTPoint = Point(8, 8);
    info.HitTestRTPoint = Point(92, 8);
    info.HitTestLBPoint = Point(8, 52);
    info.HitTestRBPoint = Point(92, 52);
    info.MainMenuRect = Rect(6, 52, 90, 58);
    return info;
}

TEST(FrameGeometry, RightAndBottomPartsFollowTheNewSize)
{
    const sk::TskFrameGeometry g = sk::ComputeFrameGeometry(Info(), 100, 60, 150, 90);
    EXPECT_EQ(g.LTPoint, Point(20, 20));
    EXPECT_EQ(g.RTPoint, Point(130, 20));
    EXPECT_EQ(g.LBPoint, Point(20, 80));
    EXPECT_EQ(g.RBPoint, Point(130, 80));
    EXPECT_EQ(g.ClientRect, Rect(4, 20, 146, 86));
    EXPECT_EQ(g.CaptionRect, Rect(10, 2, 120, 18));
    EXPECT_EQ(g.ButtonsRect, Rect(122, 2, 146, 18));  // in the right half: anchored right
    EXPECT_EQ(g.MaskRectArea, Rect(4, 4, 146, 86));
    EXPECT_EQ(g.HitTestRBPoint, Point(142, 82));
    // A main menu in the bottom-left corner zone goes down and stretches.
    EXPECT_EQ(g.MainMenuRect, Rect(6, 82, 140, 88));

    sk::TskFormInfo left = Info();
    left.ButtonsRect = Rect(40, 2, 50, 18);  // exactly at half the width stays
    left.CaptionRect = TRect{};
    const sk::TskFrameGeometry h = sk::ComputeFrameGeometry(left, 80, 60, 150, 90);
    EXPECT_EQ(h.ButtonsRect, Rect(40, 2, 50, 18));
    EXPECT_EQ(h.CaptionRect, TRect{});
}

TEST(FrameGeometry, PictureRectanglesFollowTheirCornerOrStretchBetweenTwo)
{
    const sk::TskFormInfo info = Info();
    const gui::TPoint rb = Point(110, 80);  // 30 wider, 30 higher
    EXPECT_EQ(sk::MapSkinRect(Rect(2, 2, 10, 10), info, 100, 60, rb), Rect(2, 2, 10, 10));
    EXPECT_EQ(sk::MapSkinRect(Rect(85, 2, 95, 10), info, 100, 60, rb), Rect(115, 2, 125, 10));
    EXPECT_EQ(sk::MapSkinRect(Rect(2, 52, 10, 58), info, 100, 60, rb), Rect(2, 82, 10, 88));
    EXPECT_EQ(sk::MapSkinRect(Rect(85, 52, 95, 58), info, 100, 60, rb), Rect(115, 82, 125, 88));
    // Spanning: top-left to top-right stretches; top-left to bottom-right both ways.
    EXPECT_EQ(sk::MapSkinRect(Rect(10, 2, 90, 10), info, 100, 60, rb), Rect(10, 2, 120, 10));
    EXPECT_EQ(sk::MapSkinRect(Rect(10, 10, 90, 55), info, 100, 60, rb), Rect(10, 10, 120, 85));
    EXPECT_EQ(sk::MapSkinRect(Rect(2, 10, 10, 55), info, 100, 60, rb), Rect(2, 10, 10, 85));
    // In the middle of an edge: stays.
    EXPECT_EQ(sk::MapSkinRect(Rect(40, 2, 60, 10), info, 100, 60, rb), Rect(40, 2, 60, 10));
    // Flush with the picture's right or bottom edge: with the corner it touches.
    EXPECT_EQ(sk::MapSkinRect(Rect(90, 52, 100, 60), info, 100, 60, rb), Rect(120, 82, 130, 90));
    EXPECT_EQ(sk::MapSkinRect(Rect(88, 0, 100, 12), info, 100, 60, rb), Rect(118, 0, 130, 12));
    EXPECT_EQ(sk::MapSkinRect(Rect(0, 54, 8, 60), info, 100, 60, rb), Rect(0, 84, 8, 90));
    // A bar along the whole bottom edge stretches and goes down.
    EXPECT_EQ(sk::MapSkinRect(Rect(0, 56, 100, 60), info, 100, 60, rb), Rect(0, 86, 130, 90));
    // A side bar from the top-left corner down to the bottom edge grows down.
    EXPECT_EQ(sk::MapSkinRect(Rect(0, 10, 4, 60), info, 100, 60, rb), Rect(0, 10, 4, 90));
}

TEST(FrameGeometry, DefaultBordersAreThreePixelsLeftAndTopAndTwoRightAndBottom)
{
    EXPECT_EQ(sk::DefaultBorderCode(100, 80, 0, 0), HTTOPLEFT);
    EXPECT_EQ(sk::DefaultBorderCode(100, 80, 2, 40), HTLEFT);
    EXPECT_EQ(sk::DefaultBorderCode(100, 80, 3, 40), HTNOWHERE);
    EXPECT_EQ(sk::DefaultBorderCode(100, 80, 50, 2), HTTOP);
    EXPECT_EQ(sk::DefaultBorderCode(100, 80, 97, 40), HTNOWHERE);
    EXPECT_EQ(sk::DefaultBorderCode(100, 80, 98, 40), HTRIGHT);
    EXPECT_EQ(sk::DefaultBorderCode(100, 80, 99, 0), HTTOPRIGHT);
    EXPECT_EQ(sk::DefaultBorderCode(100, 80, 0, 79), HTBOTTOMLEFT);
    EXPECT_EQ(sk::DefaultBorderCode(100, 80, 50, 78), HTBOTTOM);
    EXPECT_EQ(sk::DefaultBorderCode(100, 80, 99, 78), HTBOTTOMRIGHT);
}

TEST(FrameGeometry, SkinBordersTestCornersBeforeEdges)
{
    const sk::TskFrameGeometry g = sk::ComputeFrameGeometry(Info(), 100, 60, 100, 60);
    EXPECT_EQ(sk::FrameBorderCode(g, 100, 60, 8, 8), HTTOPLEFT);
    EXPECT_EQ(sk::FrameBorderCode(g, 100, 60, 95, 3), HTTOPRIGHT);
    EXPECT_EQ(sk::FrameBorderCode(g, 100, 60, 8, 52), HTBOTTOMLEFT);
    EXPECT_EQ(sk::FrameBorderCode(g, 100, 60, 92, 59), HTBOTTOMRIGHT);
    EXPECT_EQ(sk::FrameBorderCode(g, 100, 60, 50, 1), HTTOP);
    EXPECT_EQ(sk::FrameBorderCode(g, 100, 60, 50, 58), HTBOTTOM);
    EXPECT_EQ(sk::FrameBorderCode(g, 100, 60, 1, 30), HTLEFT);
    EXPECT_EQ(sk::FrameBorderCode(g, 100, 60, 98, 30), HTRIGHT);
    EXPECT_EQ(sk::FrameBorderCode(g, 100, 60, 50, 30), HTNOWHERE);
}

TEST(FrameGeometry, SnappingTakesPointsStrictlyWithinTheDistance)
{
    const TRect area = Rect(0, 0, 1000, 800);
    int left = 9, top = 10;
    sk::SnapToArea(area, 10, left, top, 100, 200);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(top, 10);
    // Right and bottom are tested last and win.
    left = 5;
    top = 695;
    sk::SnapToArea(area, 10, left, top, 100, 996);
    EXPECT_EQ(left, 4);
    EXPECT_EQ(top, 700);
}

// ---- The frame: hit test ----

// A frame of the skin's own size: client (4, 20, 96, 56), sizing corners at
// (8, 8), (92, 8), (8, 52), (92, 52).
struct HitCase {
    const char* what;
    sk::TskHitTestState state;
    bool onCaption, nearBorder;
    int x, y;
    LRESULT code;
};

sk::TskHitTestState Frame(bool sizeable = true)
{
    sk::TskHitTestState state;
    state.Width = 100;
    state.Height = 60;
    state.Sizeable = sizeable;
    return state;
}

sk::TskHitTestState With(sk::TskHitTestState state, bool sk::TskHitTestState::*flag)
{
    state.*flag = true;
    return state;
}

TEST(FrameHitTest, TheSkinnedFrameSizesAtItsBorderMovesByItsCaptionAndLeavesTheRestToItsObjects)
{
    const sk::TskFrameGeometry geometry = sk::ComputeFrameGeometry(Info(), 100, 60, 100, 60);
    using S = sk::TskHitTestState;
    const HitCase cases[] = {
        {"rolled up: caption", With(Frame(), &S::RolledUp), true, true, 50, 10, HTCAPTION},
        {"rolled up: anywhere else", With(Frame(), &S::RolledUp), false, true, 50, 30, HTOBJECT},
        {"minimized", With(Frame(), &S::Minimized), false, false, 50, 30, HTOBJECT},
        {"hovered object on the border", With(Frame(), &S::ObjectHovered), false, true, 1, 30, HTOBJECT},
        {"hovered object, point in the client", With(Frame(), &S::ObjectHovered), false, false, 50, 30, HTCLIENT},
        {"corner", Frame(), false, true, 8, 8, HTTOPLEFT},
        {"top edge", Frame(), false, true, 50, 1, HTTOP},
        {"left edge", Frame(), false, true, 1, 30, HTLEFT},
        {"bottom-right corner", Frame(), false, true, 95, 58, HTBOTTOMRIGHT},
        {"near the border but on no edge", Frame(), false, true, 50, 30, HTCLIENT},
        {"client", Frame(), false, false, 50, 30, HTCLIENT},
        {"caption", Frame(), true, false, 50, 10, HTCAPTION},
        {"frame", Frame(), false, false, 50, 10, HTOBJECT},
        {"maximized: no sizing", With(Frame(), &S::Maximized), false, true, 1, 30, HTOBJECT},
        {"not sizeable: no sizing", Frame(false), true, true, 50, 1, HTCAPTION},
    };
    for (const HitCase& c : cases)
        EXPECT_EQ(c.code, sk::SkinFrameHitTest(geometry, c.state, c.onCaption, c.nearBorder, c.x, c.y)) << c.what;
}

TEST(FrameHitTest, ASkinPaintedIntoTheClientAreaIsClientButAtItsBorder)
{
    const sk::TskFrameGeometry geometry = sk::ComputeFrameGeometry(Info(), 100, 60, 100, 60);
    using S = sk::TskHitTestState;
    const HitCase cases[] = {
        {"border", Frame(), false, true, 8, 8, HTTOPLEFT},
        {"right edge", Frame(), false, true, 98, 30, HTRIGHT},
        {"near the border but on no edge", Frame(), false, true, 50, 30, HTCLIENT},
        {"inside", Frame(), false, false, 8, 8, HTCLIENT},
        {"not sizeable", Frame(false), false, true, 8, 8, HTCLIENT},
        {"maximized", With(Frame(), &S::Maximized), false, true, 8, 8, HTCLIENT},
        {"rolled up", With(Frame(), &S::RolledUp), false, true, 8, 8, HTCLIENT},
        {"on an object", With(Frame(), &S::ObjectHovered), false, true, 8, 8, HTCLIENT},
    };
    for (const HitCase& c : cases)
        EXPECT_EQ(c.code, sk::ClientFrameHitTest(geometry, c.state, c.nearBorder, c.x, c.y)) << c.what;
}

// ---- Window states: parking places ----

TEST(ParkingSlots, MinimizedFormsFillTheBottomRowThenTheRowsAboveThenStartOver)
{
    const TRect area = Rect(0, 0, 300, 200);
    struct Case {
        const char* what;
        std::vector<TRect> occupied;
        gui::TPoint slot;
    } cases[] = {
        {"none taken", {}, Point(0, 180)},
        {"the first taken", {Rect(0, 180, 100, 200)}, Point(100, 180)},
        {"a slot half covered", {Rect(50, 190, 120, 200)}, Point(200, 180)},
        {"the bottom row full", {Rect(0, 180, 300, 200)}, Point(0, 160)},
        {"every row full", {Rect(0, 0, 300, 200)}, Point(0, 180)},
    };
    for (const Case& c : cases) {
        auto taken = [&](const TRect& slot) {
            for (const TRect& place : c.occupied)
                if (slot.Left < place.Right && place.Left < slot.Right && slot.Top < place.Bottom &&
                    place.Top < slot.Bottom)
                    return true;
            return false;
        };
        EXPECT_EQ(c.slot, sk::FindParkingSlot(area, 100, 20, taken)) << c.what;
    }
}

TEST(ParkingSlots, AFormOfNoSizeStillRunsOutOfPlaces)
{
    // Every place taken: the search ends once the rows run out, whatever the size.
    for (const gui::TSize size : {gui::TSize{0, 0}, gui::TSize{0, 20}, gui::TSize{100, 0}}) {
        int asked = 0;
        const gui::TPoint slot = sk::FindParkingSlot(Rect(0, 0, 300, 200), size.cx, size.cy,
                                                     [&](const TRect&) { return ++asked < 100000; });
        EXPECT_LT(asked, 100000) << size.cx << " x " << size.cy;
        EXPECT_EQ(0, slot.X);
    }
}

// ---- Window states: what the system is told ----

TEST(SystemStyles, FollowTheBorderIconsAndAMaximizedStateOfATopLevelForm)
{
    struct Case {
        bool topLevel, systemMenu, minimize, maximize, shownMaximized;
        LONG_PTR style;
    } cases[] = {
        {true, true, true, true, false, WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX},
        {true, true, false, false, false, WS_SYSMENU},
        {true, false, true, false, false, WS_MINIMIZEBOX},
        {true, false, false, true, true, WS_MAXIMIZEBOX | WS_MAXIMIZE | WS_CAPTION},
        {false, true, true, true, true, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.style, sk::SystemStyles(c.topLevel, c.systemMenu, c.minimize, c.maximize, c.shownMaximized))
            << c.topLevel << c.systemMenu << c.minimize << c.maximize << c.shownMaximized;
}

// ---- The system menu ----

TEST(SystemMenuCommands, AreThoseTheStateAndTheBorderIconsAllow)
{
    using State = sk::TskSystemMenuState;
    auto state = [](uint8_t windowState, bool iconic = false, bool rolledUp = false) {
        State s;
        s.WindowState = windowState;
        s.Iconic = iconic;
        s.RolledUp = rolledUp;
        return s;
    };
    State noIcons = state(sk::wsNormal);
    noIcons.Minimize = noIcons.Maximize = noIcons.RollUp = false;
    State maximizedChild = state(sk::wsMaximized);
    maximizedChild.MaximizedMDIChild = true;
    State toTray = state(sk::wsNormal);
    toTray.ToTray = true;
    struct Case {
        const char* what;
        State state;
        // minimize, maximize, restore, roll-up, to tray
        bool expected[5];
    } cases[] = {
        {"normal", state(sk::wsNormal), {true, true, false, true, false}},
        {"minimized", state(sk::wsMinimized), {false, true, true, false, false}},
        {"maximized", state(sk::wsMaximized), {true, false, true, true, false}},
        {"minimized by the system", state(sk::wsNormal, true), {false, true, true, false, false}},
        {"system-minimized while maximized", state(sk::wsMaximized, true), {false, true, true, false, false}},
        {"rolled up", state(sk::wsNormal, false, true), {true, true, true, false, false}},
        {"a maximized MDI child", maximizedChild, {true, false, true, false, false}},
        {"no border icons", noIcons, {false, false, false, false, false}},
        {"to the tray", toTray, {true, true, false, true, true}},
    };
    for (const Case& c : cases) {
        const sk::TskSystemMenuCommands shown = sk::SystemMenuCommands(c.state);
        const bool got[5] = {shown.Minimize, shown.Maximize, shown.Restore, shown.RollUp, shown.ToTray};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(c.expected[i], got[i]) << c.what << ", command " << i;
    }
}

// ---- The menu mode's keys ----

TEST(MenuKeys, MoveAlongTheBarOpenAndLeaveBeforeTheOpenMenusSeeThem)
{
    using A = sk::TskMenuKeyAction;
    struct Case {
        const char* what;
        WORD key;
        bool mode, menuOpen;
        int levels;
        bool rowOpensSubmenu;
        A action;
    } cases[] = {
        {"Esc in the mode, no menu open", VK_ESCAPE, true, false, 0, false, A::ExitMode},
        {"Esc with a menu open", VK_ESCAPE, true, true, 1, false, A::None},
        {"Esc outside the mode", VK_ESCAPE, false, true, 1, false, A::None},
        {"Left on the bar", VK_LEFT, true, false, 0, false, A::SelectPrior},
        {"Left in a first-level menu", VK_LEFT, true, true, 1, false, A::SelectPrior},
        {"Left in a submenu", VK_LEFT, true, true, 2, false, A::None},
        {"Right where no submenu opens", VK_RIGHT, true, true, 1, false, A::SelectNext},
        {"Right on a row with a submenu", VK_RIGHT, true, true, 1, true, A::None},
        {"Right outside the mode", VK_RIGHT, false, true, 1, false, A::None},
        {"Enter", VK_RETURN, false, true, 1, false, A::Press},
        {"Down on the bar", VK_DOWN, true, false, 0, false, A::Press},
        {"Up on the bar", VK_UP, true, false, 0, false, A::Press},
        {"Down in a menu", VK_DOWN, true, true, 1, false, A::None},
        {"a letter", 'F', true, false, 0, false, A::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.action, sk::MenuKeyAction(c.key, c.mode, c.menuOpen, c.levels, c.rowOpensSubmenu)) << c.what;
}

// ---- Roll-up ----

TEST(RollUpPlaces, ObjectsRightOfTheStretchedMiddleFollowTheEdgeAndThoseAcrossItStretch)
{
    // The middle from x 20 to 80 stretches by 30.
    struct Case {
        TRect skinRect, placed;
    } cases[] = {
        {Rect(85, 2, 95, 10), Rect(115, 2, 125, 10)},
        {Rect(80, 2, 90, 10), Rect(110, 2, 120, 10)},
        {Rect(10, 2, 90, 10), Rect(10, 2, 120, 10)},
        {Rect(20, 2, 80, 10), Rect(20, 2, 110, 10)},
        {Rect(30, 2, 40, 10), Rect(30, 2, 40, 10)},
        {Rect(2, 2, 10, 10), Rect(2, 2, 10, 10)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.placed, sk::RollUpObjectRect(c.skinRect, 20, 80, 30)) << c.skinRect.Left;
}

// ---- The minimized title ----

TEST(IconicTitle, TakesTheCornerTheMiddleAndTheRightEdgeOfThePictureAndNeverMoreThanTheTitleHolds)
{
    struct Case {
        const char* what;
        int width, pictureWidth, clientRight, leftX, rightX;
        int corner, edge, middleLeft, middleRight;
    } cases[] = {
        {"wide", 160, 100, 96, 20, 80, 20, 4, 20, 80},
        {"narrower than corner and edge", 10, 100, 96, 20, 80, 6, 4, 20, 80},
        {"narrower than the edge", 3, 100, 96, 20, 80, 0, 3, 20, 80},
        {"a client rectangle past the picture: no edge", 160, 100, 120, 20, 80, 20, 0, 20, 80},
        {"middle points past the picture", 160, 100, 96, 20, 200, 20, 4, 20, 100},
        {"no middle", 160, 100, 96, 0, 0, 0, 4, 0, 0},
    };
    for (const Case& c : cases) {
        const sk::TskIconicTitleParts parts =
            sk::IconicTitleParts(c.width, c.pictureWidth, c.clientRight, c.leftX, c.rightX);
        EXPECT_EQ(c.corner, parts.Corner) << c.what;
        EXPECT_EQ(c.edge, parts.Edge) << c.what;
        EXPECT_EQ(c.middleLeft, parts.MiddleLeft) << c.what;
        EXPECT_EQ(c.middleRight, parts.MiddleRight) << c.what;
    }
}

}  // namespace
