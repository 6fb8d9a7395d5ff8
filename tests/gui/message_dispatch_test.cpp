// One path for every message: hooks in front of a control's window procedure,
// the notifications of property changes, notifications handed back to the child
// they concern, and exceptions that reach a window procedure or a timer.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "control_probes.h"
#include "gui/controls/application.h"
#include "gui/controls/control_messages.h"
#include "gui/controls/form.h"
#include "gui/controls/timer.h"
#include "gui/core/exceptions.h"
#include "support/gui_pump.h"

using namespace gui;
using guitest::ColourBox;
using guitest::ColourPanel;
using guitest::MessageLog;
using Log = std::vector<std::string>;

namespace {

constexpr UINT WM_PROBE = WM_APP + 7;

// Notes which handler saw a probe message, in order.
class Tracing : public ColourPanel {
public:
    Tracing(TComponent* owner, Log& log) : ColourPanel(owner), log_(log) {}

protected:
    void WndProc(TMessage& message) override
    {
        if (message.Msg == WM_PROBE) {
            log_.push_back("control");
            message.Result = 42;
            return;
        }
        if (message.Msg == WM_PROBE + 1)
            throw std::runtime_error("The probe failed.");
        ColourPanel::WndProc(message);
    }

private:
    Log& log_;
};

// A hook that notes the probe and passes it on, unless told to answer it.
struct TracingHook {
    TracingHook(TControl& control, Log& log, std::string name, bool answer = false)
        : hook(control.WindowProc(), [this, &log, name, answer](TMessage& m) {
              if (m.Msg == WM_PROBE)
                  log.push_back(name);
              if (m.Msg == WM_PROBE && answer)
                  m.Result = 7;
              else
                  hook.CallNext(m);
          })
    {
    }
    TWndProcHook hook;
};

// Notes the keys that reach the default handling.
class KeyPanel : public ColourPanel {
public:
    using ColourPanel::ColourPanel;
    Log passed;

protected:
    void DefaultHandler(TMessage& message) override
    {
        if (message.Msg == WM_KEYDOWN || message.Msg == WM_CHAR)
            passed.push_back(std::to_string(message.WParam));
        ColourPanel::DefaultHandler(message);
    }
};

class DispatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetBounds(40, 40, 300, 200);
        form.HandleNeeded();
    }
    void TearDown() override { Application().OnException = nullptr; }
    TForm form{nullptr};
};

}  // namespace

TEST_F(DispatchTest, HooksRunNewestFirstAndLeaveInAnyOrder)
{
    Log log;
    auto* control = new Tracing(&form, log);
    control->SetParent(&form);
    auto a = std::make_unique<TracingHook>(*control, log, "a");
    auto b = std::make_unique<TracingHook>(*control, log, "b");
    auto c = std::make_unique<TracingHook>(*control, log, "c");
    EXPECT_EQ(control->Perform(WM_PROBE, 0, 0), 42);
    EXPECT_EQ(log, (Log{"c", "b", "a", "control"}));

    // Through the window, the same path.
    log.clear();
    b.reset();
    EXPECT_EQ(::SendMessageA(control->Handle(), WM_PROBE, 0, 0), 42);
    EXPECT_EQ(log, (Log{"c", "a", "control"}));

    // The window made anew keeps the hooks.
    log.clear();
    control->RecreateWnd();
    c.reset();
    ::SendMessageA(control->Handle(), WM_PROBE, 0, 0);
    EXPECT_EQ(log, (Log{"a", "control"}));

    // A hook that answers ends the path.
    log.clear();
    TracingHook answering(*control, log, "answers", true);
    EXPECT_EQ(control->Perform(WM_PROBE, 0, 0), 7);
    EXPECT_EQ(log, (Log{"answers"}));

    // Hooks that outlive their control let go quietly.
    delete control;
    TMessage m;
    m.Msg = WM_PROBE;
    a->hook.CallNext(m);
    EXPECT_EQ(log, (Log{"answers"}));
}

TEST_F(DispatchTest, PropertyChangesAreAnnouncedOnceToTheControl)
{
    auto* panel = new ColourPanel(&form);
    panel->SetParent(&form);
    auto* box = new ColourBox(&form);
    box->SetParent(panel);
    MessageLog log;
    log.Watch(*panel, "panel");
    log.Watch(*box, "box");

    panel->SetVisible(false);
    panel->SetVisible(false);
    panel->SetEnabled(false);
    box->SetText("Caption");
    box->SetText("Caption");
    box->SetColor(clLime);
    EXPECT_EQ(log.Take(), (Log{"panel:VISIBLECHANGED", "panel:ENABLEDCHANGED", "box:TEXTCHANGED",
                               "box:COLORCHANGED"}));
    EXPECT_FALSE(::IsWindowVisible(panel->Handle()));
    EXPECT_FALSE(::IsWindowEnabled(panel->Handle()));

    // Fonts: the child follows its parent until it is given one of its own.
    panel->Font().SetName("Arial");
    EXPECT_EQ(log.Take(), (Log{"panel:FONTCHANGED", "box:PARENTFONTCHANGED", "box:FONTCHANGED"}));
    EXPECT_EQ(box->Font().Name(), "Arial");
    EXPECT_TRUE(box->ParentFont());
    box->Font().SetHeight(-20);
    EXPECT_FALSE(box->ParentFont());
    panel->Font().SetName("Courier New");
    EXPECT_EQ(box->Font().Name(), "Arial");
    box->SetParentFont(true);
    EXPECT_EQ(box->Font().Name(), "Courier New");
}

TEST_F(DispatchTest, AWindowedControlsTextIsItsWindowText)
{
    auto* panel = new ColourPanel(&form);
    panel->SetName("First");
    EXPECT_EQ(panel->Caption(), "First");  // the caption follows the name...
    panel->SetParent(&form);
    char text[32] = {};
    ::GetWindowTextA(panel->Handle(), text, sizeof text);
    EXPECT_STREQ(text, "First");
    panel->SetName("Second");
    EXPECT_EQ(panel->Caption(), "Second");
    panel->SetCaption("Own");
    panel->SetName("Third");  // ...until it is set
    EXPECT_EQ(panel->Caption(), "Own");
    ::SetWindowTextA(panel->Handle(), "From outside");
    EXPECT_EQ(panel->Text(), "From outside");
    form.RecreateWnd();
    EXPECT_EQ(panel->Text(), "From outside");
}

TEST_F(DispatchTest, NotificationsGoBackToTheChildTheyConcern)
{
    auto* panel = new ColourPanel(&form);
    panel->SetParent(&form);
    panel->SetColor(clYellow);
    panel->Font().SetColor(clNavy);
    MessageLog log;
    log.Watch(*panel, "panel");
    log.Watch(form, "form");
    const auto child = reinterpret_cast<LPARAM>(panel->Handle());

    ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(5, BN_CLICKED), child);
    NMHDR header{panel->Handle(), 5, UINT(-2)};  // a click
    ::SendMessageA(form.Handle(), WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&header));
    ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(9, 0), 0);  // a menu's: nobody's child
    EXPECT_EQ(log.Take(), (Log{"panel:CN_COMMAND", "panel:CN_NOTIFY"}));

    // A child that does not colour itself is given its own colours.
    win::WindowDC dc(panel->Handle());
    const auto brush = reinterpret_cast<HBRUSH>(
        ::SendMessageA(form.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()), child));
    LOGBRUSH lb{};
    ASSERT_TRUE(::GetObjectA(brush, sizeof lb, &lb));
    EXPECT_EQ(lb.lbColor, ColorToRGB(clYellow));
    EXPECT_EQ(::GetTextColor(dc.Get()), ColorToRGB(clNavy));
    EXPECT_EQ(::GetBkColor(dc.Get()), ColorToRGB(clYellow));
}

TEST_F(DispatchTest, AnExceptionInAWindowProcedureGoesToTheApplication)
{
    Log log;
    auto* control = new Tracing(&form, log);
    control->SetParent(&form);
    std::string reported;
    TComponent* sender = nullptr;
    Application().OnException = [&](TComponent* s, const std::exception& e) {
        sender = s;
        reported = e.what();
    };
    EXPECT_EQ(::SendMessageA(control->Handle(), WM_PROBE + 1, 0, 0), 0);
    EXPECT_EQ(reported, "The probe failed.");
    EXPECT_EQ(sender, control);
    // Called directly, the exception reaches the caller.
    EXPECT_THROW(control->Perform(WM_PROBE + 1, 0, 0), std::runtime_error);
}

TEST_F(DispatchTest, TimersTickWhileEnabledAndReportTheirFailures)
{
    TTimer timer(nullptr);
    timer.SetInterval(10);
    int ticks = 0;
    timer.OnTimer = [&](TComponent* s) {
        EXPECT_EQ(s, &timer);
        if (++ticks == 3)
            throw std::runtime_error("Third tick.");
    };
    std::string reported;
    Application().OnException = [&](TComponent*, const std::exception& e) { reported = e.what(); };
    testsupport::GuiPumpUntil([&] { return ticks >= 5; });
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(reported, "Third tick.");

    timer.SetEnabled(false);
    guitest::Pump();
    ticks = 0;
    ::Sleep(60);
    guitest::Pump();
    EXPECT_EQ(ticks, 0);
    timer.SetInterval(0);
    timer.SetEnabled(true);  // no interval, no ticks
    ::Sleep(30);
    guitest::Pump();
    EXPECT_EQ(ticks, 0);
}

TEST_F(DispatchTest, KeysReachTheHandlersWhichMayChangeOrSwallowThem)
{
    auto* panel = new KeyPanel(&form);
    panel->SetParent(&form);
    Log keys;
    panel->OnKeyDown = [&](TComponent*, WORD& key, TShiftState) {
        keys.push_back("down " + std::to_string(key));
        if (key == VK_ESCAPE)
            key = 0;
    };
    panel->OnKeyPress = [&](TComponent*, char& key) {
        keys.push_back(std::string("press ") + key);
        key = key == 'x' ? 'y' : '\0';
    };
    const HWND window = panel->Handle();
    ::SendMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    ::SendMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
    ::SendMessageA(window, WM_CHAR, 'x', 0);
    ::SendMessageA(window, WM_CHAR, 'z', 0);
    EXPECT_EQ(keys, (Log{"down 27", "down 13", "press x", "press z"}));
    EXPECT_EQ(panel->passed, (Log{"13", std::to_string('y')}));
}

TEST_F(DispatchTest, OnlyAControlThatShowsAndIsEnabledTakesTheFocus)
{
    auto* panel = new ColourPanel(&form);
    panel->SetParent(&form);
    form.Show();
    ASSERT_TRUE(panel->CanFocus());
    panel->SetFocus();
    EXPECT_TRUE(panel->Focused());
    panel->Hide();
    EXPECT_FALSE(panel->CanFocus());
    EXPECT_THROW(panel->SetFocus(), EInvalidOperation);
    panel->Show();
    form.SetEnabled(false);
    EXPECT_FALSE(panel->CanFocus());
    form.SetEnabled(true);
}

namespace {

// Tab, or Shift+Tab, as the message loop hands it to the focused control; true when
// the program took the key.
bool PressTab(bool shift)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    ::SetKeyboardState(keys);
    MSG msg{::GetFocus(), WM_KEYDOWN, VK_TAB, 1, 0, {}};
    const bool taken = Application().IsKeyMsg(msg);
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
    return taken;
}

ColourPanel* TabStop(TWinControl& parent, TComponent& owner)
{
    auto* panel = new ColourPanel(&owner);
    panel->SetTabStop(true);
    panel->SetParent(&parent);
    return panel;
}

}  // namespace

TEST_F(DispatchTest, TabAndShiftTabGoRoundTheTabStopsInTabOrder)
{
    auto* first = TabStop(form, form);
    auto* group = new ColourPanel(&form);  // no tab stop itself: its children are
    group->SetParent(&form);
    auto* inner = TabStop(*group, form);
    auto* disabled = TabStop(form, form);
    disabled->SetEnabled(false);
    auto* plain = new ColourPanel(&form);
    plain->SetParent(&form);
    auto* last = TabStop(form, form);
    first->SetTabOrder(1);  // now after the group
    form.Show();

    inner->SetFocus();
    ASSERT_TRUE(PressTab(false));
    EXPECT_TRUE(first->Focused());
    ASSERT_TRUE(PressTab(false));
    EXPECT_TRUE(last->Focused()) << "the disabled control and the one that is no tab stop are passed over";
    ASSERT_TRUE(PressTab(false));
    EXPECT_TRUE(inner->Focused()) << "Tab goes round to the first tab stop";
    ASSERT_TRUE(PressTab(true));
    EXPECT_TRUE(last->Focused()) << "Shift+Tab goes back round";
    ASSERT_TRUE(PressTab(true));
    EXPECT_TRUE(first->Focused());

    // From the form itself Tab starts at the first tab stop.
    ::SetFocus(form.Handle());
    ASSERT_TRUE(PressTab(false));
    EXPECT_TRUE(inner->Focused());
    (void)plain;
}

TEST_F(DispatchTest, AFormActivatedAgainGivesTheFocusBackToItsControl)
{
    auto* plain = new ColourPanel(&form);  // no tab stop
    plain->SetParent(&form);
    auto* first = TabStop(form, form);
    auto* second = TabStop(form, form);
    // Shown, before any of its controls had the focus: the first tab stop gets it.
    form.Show();
    ::SetActiveWindow(form.Handle());
    EXPECT_TRUE(first->Focused());
    second->SetFocus();
    TForm other(nullptr);
    other.SetBounds(400, 40, 200, 100);
    other.Show();
    ::SetActiveWindow(other.Handle());
    ASSERT_FALSE(second->Focused());
    // The other window goes, as a dialog does when it closes.
    other.Hide();
    ::SetActiveWindow(form.Handle());
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(form.LastFocused(), second);

    // A control that is gone is forgotten: the first tab stop gets the focus.
    other.Show();
    ::SetActiveWindow(other.Handle());
    delete second;
    EXPECT_EQ(form.LastFocused(), nullptr);
    other.Hide();
    ::SetActiveWindow(form.Handle());
    EXPECT_TRUE(first->Focused());
}
