// What the tests of the skinned controls share: a shown form with a skin of the
// test's own elements, painting a control into a bitmap, the mouse, and time.
// The form is one for all tests (showing and hiding a window costs seconds under
// a display without a window manager); each test's components go with the test.
#pragma once

#include <windows.h>

#include <functional>

#include <gtest/gtest.h>

#include "gui/controls/custom_control.h"
#include "gui/controls/form.h"
#include "gui/graphics/bitmap.h"
#include "support/gui_pump.h"
#include "test_skin.h"

namespace skinctrlstest {

class ControlTest {
public:
    ControlTest();
    virtual ~ControlTest();

    // Paints the control through its WM_PAINT into a bitmap first filled with
    // magenta, and answers the bitmap's canvas.
    gui::TCanvas& Painted(gui::TControl& control);
    // A mouse message at a client point of a windowed control.
    static void Mouse(gui::TWinControl& control, UINT msg, int x, int y);
    // Dispatches the messages that arrive during ms milliseconds.
    static void Wait(int ms) { testsupport::GuiPump(DWORD(ms)); }
    // Dispatches messages until the condition holds, checked after each round;
    // false when it still does not after ms milliseconds. What timers do comes
    // late on a busy machine: the bound is far above what they need.
    static bool WaitUntil(const std::function<bool()>& condition, int ms = 30000)
    {
        return testsupport::GuiPumpUntil(condition, DWORD(ms));
    }

    gui::TForm& form;
    TestSkin skin;
    gui::TBitmap target;
};

// A control test whose skin has a 64 x 64 ramp as its first picture; a
// fixture adds its elements after RampSkinTest::SetUp.
class RampSkinTest : public ::testing::Test, public ControlTest {
protected:
    void SetUp() override;

    gui::TBitmap ramp;
};

// The colour of the ramp picture at a point: red counts x, green y.
inline gui::TColor Ramp(int x, int y) { return gui::TColor(x | y << 8); }

// A plain control to place inside a container.
class Child : public gui::TCustomControl {
public:
    using TCustomControl::TCustomControl;
};

// The RGB value of a system colour here.
gui::TColor RGBOf(gui::TColor color);

}  // namespace skinctrlstest
