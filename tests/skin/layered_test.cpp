// Layered-window support by system version, window alpha, and screen grabs.
#include <gtest/gtest.h>

#include <windows.h>

#include "gui/graphics/canvas.h"
#include "picture_fixtures.h"
#include "skin/imaging/layered.h"
#include "support/message_pump.h"

using namespace sk;

namespace {

DWORD Version(int major, int minor) { return DWORD(major | minor << 8 | 0x1DB1 << 16); }

// A plain popup window filled with one colour.
class ColourWindow {
public:
    ColourWindow(int x, int y, int w, int h, COLORREF colour, DWORD exStyle)
        : brush_(::CreateSolidBrush(colour))
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "SkinTestColourWindow";
        wc.hbrBackground = brush_.Get();
        ::UnregisterClassA(wc.lpszClassName, wc.hInstance);
        ::RegisterClassA(&wc);
        hwnd_ = ::CreateWindowExA(exStyle | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP, x, y, w,
                                  h, nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~ColourWindow()
    {
        ::DestroyWindow(hwnd_);
        ::UnregisterClassA("SkinTestColourWindow", ::GetModuleHandleA(nullptr));
    }
    HWND Get() const { return hwnd_; }

private:
    win::UniqueBrush brush_;
    HWND hwnd_ = nullptr;
};

}  // namespace

TEST(Layered, SupportedFromVersionFiveOn)
{
    EXPECT_FALSE(IsLayeredWindowSupported(Version(4, 10)));
    EXPECT_FALSE(IsLayeredWindowSupported(Version(3, 51)));
    EXPECT_TRUE(IsLayeredWindowSupported(Version(5, 0)));
    EXPECT_TRUE(IsLayeredWindowSupported(Version(5, 1)));
    EXPECT_TRUE(IsLayeredWindowSupported(Version(5, 2)));
    EXPECT_TRUE(IsLayeredWindowSupported(Version(6, 0)));
    EXPECT_TRUE(IsLayeredWindowSupported(Version(10, 0)));
    EXPECT_TRUE(IsLayeredWindowSupported());  // whatever this system is, it is past 5.0
}

TEST(Layered, WindowAlphaReachesTheLayeredWindow)
{
    ColourWindow window(50, 50, 40, 40, RGB(0, 0, 255), WS_EX_LAYERED);
    ASSERT_TRUE(window.Get());
    SetWindowAlpha(window.Get(), 128);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(window.Get(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 128);
    EXPECT_EQ(flags, DWORD(LWA_ALPHA));
}

TEST(Layered, GrabScreenAreaCopiesWhatTheScreenShows)
{
    ColourWindow window(120, 140, 60, 50, RGB(255, 0, 0), 0);
    ASSERT_TRUE(window.Get());
    ::ShowWindow(window.Get(), SW_SHOWNOACTIVATE);
    ::UpdateWindow(window.Get());
    gui::TBitmap grab;
    grab.SetSize(20, 20);
    // The display shows the window once it has drawn it, later on a busy machine.
    testsupport::PumpUntil(30000, [&] {
        GrabScreenArea(110, 130, grab);  // the window starts at (10, 10) of the grab
        return grab.Canvas().Pixels(15, 15) == gui::clRed;
    });
    EXPECT_EQ(grab.Canvas().Pixels(15, 15), gui::clRed);
    EXPECT_EQ(grab.Canvas().Pixels(19, 10), gui::clRed);
    EXPECT_NE(grab.Canvas().Pixels(5, 5), gui::clRed);
}
