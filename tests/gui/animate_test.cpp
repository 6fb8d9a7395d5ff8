// The system's animation control: a standard clip opens with the window and plays
// once Active, also when the system's clip is shorter than the frames asked for.
#include <gtest/gtest.h>

#include <windows.h>

#include "control_probes.h"
#include "gui/controls/form.h"
#include "gui/native/animate.h"
#include "support/gui_pump.h"

using namespace gui;

namespace {

// Pixels of the control, on the screen, that differ from its first one.
int DrawnPixels(TWinControl& control)
{
    HDC dc = ::GetDC(control.Handle());
    const COLORREF background = ::GetPixel(dc, 0, 0);
    int drawn = 0;
    for (int y = 0; y < control.Height(); ++y)
        for (int x = 0; x < control.Width(); ++x)
            drawn += ::GetPixel(dc, x, y) != background;
    ::ReleaseDC(control.Handle(), dc);
    return drawn;
}

}  // namespace

TEST(AnimateTest, AClipShorterThanItsStopFramePlaysToItsEnd)
{
    TForm form(nullptr);
    form.SetBounds(100, 100, 400, 200);
    form.SetColor(clWhite);
    auto* animate = new TAnimate(&form);
    animate->SetBounds(20, 20, 272, 60);
    animate->SetCommonAVI(aviCopyFiles);
    animate->SetStopFrame(10000);  // beyond the end of any clip the system has
    animate->SetParent(&form);
    form.Show();
    guitest::Pump();
    ASSERT_TRUE(animate->Opened());
    EXPECT_EQ(DrawnPixels(*animate), 0);  // nothing before it plays

    animate->SetActive(true);
    int drawn = 0;
    // The first frame comes from the system's timer: late on a busy machine.
    testsupport::GuiPumpUntil([&] { return (drawn = DrawnPixels(*animate)) > 0; });
    EXPECT_GT(drawn, 0);
    animate->SetActive(false);
}
