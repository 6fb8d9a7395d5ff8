// The mouse: messages over a graphic child go to the child, capture keeps them
// there, clicks and double clicks, the control under the cursor told when the
// cursor comes and goes, and the cursor it asks for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_probes.h"
#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/screen.h"
#include "support/gui_pump.h"

using namespace gui;
using guitest::ColourBox;
using guitest::ColourPanel;
using guitest::MessageLog;
using Log = std::vector<std::string>;

namespace {

LPARAM At(int x, int y) { return PointToLParam(Point(x, y)); }

class MouseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetBounds(100, 100, 400, 300);
        panel = new ColourPanel(&form);
        panel->SetBounds(10, 10, 100, 80);
        panel->SetParent(&form);
        box = new ColourBox(&form);
        box->SetBounds(150, 10, 60, 40);
        box->SetParent(&form);
        form.Show();
        guitest::Pump();
        for (auto* c : {static_cast<TControl*>(&form), static_cast<TControl*>(panel), static_cast<TControl*>(box)})
            Track(*c);
    }
    void TearDown() override { ::ReleaseCapture(); }

    void Track(TControl& c)
    {
        c.OnMouseDown = [this](TComponent* s, TMouseButton b, TShiftState shift, int x, int y) {
            events.push_back(NameOf(s) + " down " + std::to_string(b) + (shift.Contains(ssDouble) ? " double " : " ") +
                             std::to_string(x) + "," + std::to_string(y));
        };
        c.OnMouseUp = [this](TComponent* s, TMouseButton, TShiftState, int x, int y) {
            events.push_back(NameOf(s) + " up " + std::to_string(x) + "," + std::to_string(y));
        };
        c.OnMouseMove = [this](TComponent* s, TShiftState, int x, int y) {
            events.push_back(NameOf(s) + " move " + std::to_string(x) + "," + std::to_string(y));
        };
        c.OnClick = [this](TComponent* s) { events.push_back(NameOf(s) + " click"); };
        c.OnDblClick = [this](TComponent* s) { events.push_back(NameOf(s) + " dblclick"); };
    }
    std::string NameOf(TComponent* c) { return c == &form ? "form" : c == panel ? "panel" : "box"; }

    // The cursor put at a client point of a window, and the window told so.
    void MoveTo(TWinControl& window, int x, int y)
    {
        const TPoint p = window.ClientToScreen(Point(x, y));
        ::SetCursorPos(p.X, p.Y);
        ::SendMessageA(window.Handle(), WM_MOUSEMOVE, 0, At(x, y));
    }
    void MoveAwayFrom(TWinControl& window)
    {
        ::SetCursorPos(1200, 1000);
        ::SendMessageA(window.Handle(), WM_MOUSELEAVE, 0, 0);
    }

    TForm form{nullptr};
    ColourPanel* panel = nullptr;
    ColourBox* box = nullptr;
    Log events;
};

}  // namespace

TEST_F(MouseTest, AGraphicChildGetsTheMouseInItsOwnCoordinates)
{
    const HWND window = form.Handle();
    ::SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(155, 20));
    // Captured: the child keeps the mouse while it is pressed, wherever it goes.
    ::SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, At(300, 200));
    ::SendMessageA(window, WM_LBUTTONUP, 0, At(300, 200));
    EXPECT_EQ(events, (Log{"box down 0 5,10", "box move 150,190", "box up 150,190"}));

    events.clear();
    ::SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(200, 40));
    ::SendMessageA(window, WM_LBUTTONUP, 0, At(200, 40));
    ::SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, At(300, 40));
    ::SendMessageA(window, WM_RBUTTONUP, 0, At(300, 40));
    EXPECT_EQ(events, (Log{"box down 0 50,30", "box click", "box up 50,30", "form down 1 300,40", "form up 300,40"}));
    EXPECT_EQ(::GetCapture(), nullptr);

    // A child without double clicks gets a second press; one with them, a double click.
    events.clear();
    box->SetControlStyle(box->ControlStyle() - TControlStyle{csDoubleClicks});
    ::SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, At(155, 20));
    ::SendMessageA(window, WM_LBUTTONUP, 0, At(155, 20));
    box->SetControlStyle(box->ControlStyle() | TControlStyle{csDoubleClicks});
    ::SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, At(155, 20));
    ::SendMessageA(window, WM_LBUTTONUP, 0, At(155, 20));
    EXPECT_EQ(events, (Log{"box down 0 5,10", "box click", "box up 5,10", "box dblclick", "box down 0 double 5,10",
                           "box up 5,10"}));

    // Hidden or disabled, the child lets the mouse through to its parent.
    events.clear();
    box->SetEnabled(false);
    ::SendMessageA(window, WM_MOUSEMOVE, 0, At(155, 20));
    box->SetEnabled(true);
    box->Hide();
    ::SendMessageA(window, WM_MOUSEMOVE, 0, At(156, 20));
    EXPECT_EQ(events, (Log{"form move 155,20", "form move 156,20"}));
}

TEST_F(MouseTest, TheControlUnderTheCursorIsToldWhenItComesAndGoes)
{
    // The cursor may have been left where the form now stands: start with it away
    // and with the moves it caused already handled.
    MoveAwayFrom(form);
    MSG pending;
    while (::PeekMessageA(&pending, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&pending);
    MoveAwayFrom(form);
    MessageLog log;
    log.Watch(form, "form");
    log.Watch(*panel, "panel");
    log.Watch(*box, "box");
    MoveTo(*panel, 5, 5);
    MoveTo(*panel, 6, 6);
    MoveTo(form, 160, 20);
    MoveTo(form, 300, 200);
    MoveTo(*panel, 5, 5);
    MoveAwayFrom(*panel);
    EXPECT_EQ(log.Take(), (Log{"panel:MOUSEENTER", "panel:MOUSELEAVE", "box:MOUSEENTER", "box:MOUSELEAVE",
                               "form:MOUSEENTER", "form:MOUSELEAVE", "panel:MOUSEENTER", "panel:MOUSELEAVE"}));
    EXPECT_EQ(Application().MouseControl(), nullptr);

    // A disabled graphic child is no target; a control that goes is not told.
    box->SetEnabled(false);
    MoveTo(form, 160, 20);
    EXPECT_EQ(Application().MouseControl(), &form);
    box->SetEnabled(true);
    MoveTo(form, 161, 20);
    EXPECT_EQ(log.Take(), (Log{"box:ENABLEDCHANGED", "form:MOUSEENTER", "box:ENABLEDCHANGED", "form:MOUSELEAVE",
                               "box:MOUSEENTER"}));
    delete box;
    box = nullptr;
    EXPECT_EQ(Application().MouseControl(), nullptr);
    MoveAwayFrom(form);
    EXPECT_EQ(log.Take(), Log{});
}

TEST_F(MouseTest, TheCursorIsTheOneOfTheControlUnderIt)
{
    box->SetCursor(crHandPoint);
    form.SetCursor(crCross);
    const auto setCursor = [&](int x, int y) {
        const TPoint p = form.ClientToScreen(Point(x, y));
        ::SetCursorPos(p.X, p.Y);
        ::SendMessageA(form.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form.Handle()),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return ::GetCursor();
    };
    EXPECT_EQ(setCursor(160, 20), Screen().Cursors(crHandPoint));
    EXPECT_EQ(setCursor(300, 200), Screen().Cursors(crCross));
    Screen().SetCursor(crHourGlass);
    EXPECT_EQ(setCursor(160, 20), Screen().Cursors(crHourGlass));
    Screen().SetCursor(crDefault);
    EXPECT_EQ(::GetCursor(), Screen().Cursors(crHandPoint));  // chosen again at once
    EXPECT_EQ(Screen().Cursors(crDefault), ::LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(Screen().Cursors(1), Screen().Cursors(crDefault));  // a number without a cursor
}

namespace {

bool hintShown()
{
    return Application().HintWindow() && Application().HintWindow()->HandleAllocated() &&
           ::IsWindowVisible(Application().HintWindow()->Handle());
}

// Lets a hint pause of 60 ms pass.
void waitPastPause()
{
    testsupport::GuiPump(250);
}

// Waits for the hint to come up: its timer comes late on a busy machine, so
// the bound is far above the pause.
bool hintComes()
{
    return testsupport::GuiPumpUntil(hintShown);
}

}  // namespace

TEST_F(MouseTest, AHintShowsAfterItsPauseUnlessAClickOrAKeyComesFirst)
{
    Application().SetHintPause(60);
    panel->SetHint("Panel");
    panel->SetShowHint(true);
    MoveTo(form, 20, 20);
    EXPECT_TRUE(hintComes());

    // The press that opens a window must not leave the hint over it, nor bring a
    // pending one up later; a key press ends it the same way.
    for (UINT message : {UINT(WM_LBUTTONDOWN), UINT(WM_KEYDOWN)}) {
        MoveAwayFrom(form);
        MoveTo(form, 20, 20);
        ::PostMessageA(panel->Handle(), message, message == WM_KEYDOWN ? VK_SPACE : MK_LBUTTON, At(5, 5));
        waitPastPause();
        EXPECT_FALSE(hintShown()) << message;
        ::SendMessageA(panel->Handle(), message == WM_KEYDOWN ? WM_KEYUP : WM_LBUTTONUP, 0, At(5, 5));
    }
    Application().SetHintPause(500);
}

TEST_F(MouseTest, AControlThatComesUnderAStillMouseShowsItsHintOnlyOnceTheMouseMoves)
{
    Application().SetHintPause(60);
    box->SetHint("Box");
    box->SetShowHint(true);
    box->SetEnabled(false);
    MoveAwayFrom(form);
    MoveTo(form, 160, 20);
    waitPastPause();
    ASSERT_EQ(Application().MouseControl(), &form);
    // Enabled under the mouse: the system's move at the same point makes it the
    // control under the mouse, and no hint comes up.
    box->SetEnabled(true);
    MoveTo(form, 160, 20);
    EXPECT_EQ(Application().MouseControl(), box);
    waitPastPause();
    EXPECT_FALSE(hintShown());
    // The mouse moves on it: now the hint comes.
    MoveTo(form, 161, 20);
    EXPECT_TRUE(hintComes());
    MoveAwayFrom(form);
    Application().SetHintPause(500);
}
