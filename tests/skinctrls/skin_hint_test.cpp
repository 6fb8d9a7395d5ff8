// The skinned hint: which hints show at all, their size, place and look with and
// without the skin, blending, object hints, and the application's control hints.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "menu_fixture.h"
#include "menu_skin.h"
#include "skin/popups/skin_hint.h"
#include "skin/popups/skin_hint_window.h"

namespace menutest {

using sk::TskSkinHint;
using sk::TskSkinHintWindow;

namespace {

void PaintImage(TControl& window, TBitmap& image)
{
    image.SetSize(window.Width(), window.Height());
    window.Perform(WM_PAINT, reinterpret_cast<WPARAM>(image.Canvas().Handle()), 0);
}

TSize TextSize(const TFont& font, const std::string& text)
{
    TBitmap measure;
    measure.SetSize(1, 1);
    measure.Canvas().Font().Assign(font);
    TRect r;
    measure.Canvas().DrawText(text, r, DT_CALCRECT | DT_CENTER);
    return TSize{r.Right - r.Left, r.Bottom - r.Top};
}

}  // namespace

class SkinHintTest : public ::testing::Test {
protected:
    void SetUp() override { Application().SetMainForm(&mainForm); }
    void TearDown() override
    {
        Application().SetMainForm(nullptr);
        Application().SetHintWindowClass(nullptr);
        Application().OnShowHint = nullptr;
    }
    TskSkinHint* MakeHint()
    {
        auto* hint = new TskSkinHint(&mainForm);
        hint->DefaultFont().SetName("Arial");
        hint->DefaultFont().SetHeight(14);
        return hint;
    }

    TForm mainForm{nullptr};
    TskSkinHintWindow window{nullptr};
};

TEST_F(SkinHintTest, ShowsOnlyUnderAnActiveHintComponentOfTheMainForm)
{
    window.ActivateHint(Rect(100, 100, 100, 100), "Tip");
    EXPECT_FALSE(window.Visible());
    TskSkinHint* hint = MakeHint();
    hint->SetActive(false);
    window.ActivateHint(Rect(100, 100, 100, 100), "Tip");
    EXPECT_FALSE(window.Visible());

    // Of two components, the one made active last governs.
    TskSkinHint* other = MakeHint();
    hint->SetActive(true);
    other->SetActive(true);
    EXPECT_FALSE(hint->Active());
    window.ActivateHint(Rect(100, 100, 100, 100), "Tip");
    EXPECT_TRUE(window.Visible());
    EXPECT_EQ(other, window.Governor());
    delete other;
    EXPECT_EQ(nullptr, window.Governor());
}

TEST_F(SkinHintTest, PlainHintFitsItsTextAndStaysOnTheScreen)
{
    TskSkinHint* hint = MakeHint();
    window.ActivateHint(Rect(100, 120, 100, 120), "A plain hint");
    const TSize text = TextSize(hint->DefaultFont(), "A plain hint");
    EXPECT_EQ(Bounds(100, 120, text.cx + 4, text.cy + 4), window.BoundsRect());
    EXPECT_TRUE(::IsWindowVisible(window.Handle()));
    EXPECT_EQ(0, ::GetWindowLongPtrA(window.Handle(), GWL_STYLE) & WS_BORDER);
    EXPECT_NE(window.Handle(), ::GetActiveWindow());
    TBitmap image;
    PaintImage(window, image);
    EXPECT_EQ(ColorToRGB(clBtnShadow), uint32_t(image.Canvas().Pixels(0, 0)));
    EXPECT_EQ(ColorToRGB(clInfoBk), uint32_t(image.Canvas().Pixels(1, 1)));

    // At the screen's right and bottom edges it opens to the left and above.
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN), screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    window.ActivateHint(Rect(screenWidth - 5, screenHeight - 3, 0, 0), "A plain hint");
    EXPECT_EQ(screenWidth - 5 - window.Width() - 2, window.Left());
    EXPECT_EQ(screenHeight - 3 - window.Height() - 2, window.Top());
}

TEST_F(SkinHintTest, SkinnedHintGrowsFromItsPictureAndTakesTheSkinFont)
{
    MenuSkin skin;
    TBitmap picture, mask;
    MakeSolid(picture, 60, 30, 0x336699);
    MakeSolid(mask, 60, 30, clBlack);
    mask.Canvas().SetPixels(0, 0, clWhite);
    skin.AddPicture(picture);
    skin.AddPicture(mask);
    skin.AddSection("HINTWINDOW", {"windowpictureindex=0", "maskpictureindex=1", "lefttoppoint=5,5",
                                   "righttoppoint=55,5", "leftbottompoint=5,25", "rightbottompoint=55,25",
                                   "clientrect=5,5,55,25", "fontname=Arial", "fontheight=16",
                                   "fontcolor=16777215"});
    skin.Load();
    TskSkinHint* hint = MakeHint();
    hint->SetSkinData(&skin.Data());

    // A short text keeps the picture's size.
    window.ActivateHint(Rect(100, 100, 100, 100), "Hi");
    EXPECT_EQ(&skin.Data(), window.Skin());
    EXPECT_EQ(60, window.Width());
    EXPECT_EQ(30, window.Height());
    // The mask shapes the window: its white corner is cut away.
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, ::GetWindowRgn(window.Handle(), region));
    EXPECT_FALSE(::PtInRegion(region, 0, 0));
    EXPECT_TRUE(::PtInRegion(region, 1, 0));
    ::DeleteObject(region);

    TFont skinFont;
    skinFont.SetName("Arial");
    skinFont.SetHeight(16);
    const std::string text = "A much longer hint than the picture";
    const TSize size = TextSize(skinFont, text);
    window.ActivateHint(Rect(100, 100, 100, 100), text);
    EXPECT_EQ(size.cx + 10, window.Width());
    TBitmap image;
    PaintImage(window, image);
    EXPECT_EQ(0x336699u, uint32_t(image.Canvas().Pixels(2, 2)));
    bool white = false;
    for (int x = 5; x < window.Width() - 5 && !white; ++x)
        white = image.Canvas().Pixels(x, window.Height() / 2) == 0xFFFFFF;
    EXPECT_TRUE(white);

    // A skin without the hint picture: the plain look.
    MenuSkin plain;
    plain.AddSection("HINTWINDOW", {"windowpictureindex=-1"});
    plain.Load();
    hint->SetSkinData(&plain.Data());
    window.ActivateHint(Rect(100, 100, 100, 100), "Hi");
    EXPECT_EQ(nullptr, window.Skin());
    PaintImage(window, image);
    EXPECT_EQ(ColorToRGB(clInfoBk), uint32_t(image.Canvas().Pixels(1, 1)));
}

TEST_F(SkinHintTest, BlendsAsALayeredWindowOrOverACopyOfTheScreen)
{
    TskSkinHint* hint = MakeHint();
    hint->SetAlphaBlend(true);
    hint->SetAlphaBlendValue(120);
    window.ActivateHint(Rect(100, 100, 100, 100), "Tip");
    BYTE alpha = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(window.Handle(), nullptr, &alpha, nullptr));
    EXPECT_EQ(120, alpha);
    hint->SetAlphaBlendValue(60);
    window.ActivateHint(Rect(100, 100, 100, 100), "Tip");
    ASSERT_TRUE(::GetLayeredWindowAttributes(window.Handle(), nullptr, &alpha, nullptr));
    EXPECT_EQ(60, alpha);

    // Without layered windows the picture is mixed with what the screen showed.
    hint->SetAlphaBlendSupport(false);
    hint->SetAlphaBlendValue(0);
    TskSkinHintWindow second(nullptr);
    TBitmap screen;
    screen.SetSize(1, 1);
    ::BitBlt(screen.Canvas().Handle(), 0, 0, 1, 1, win::WindowDC().Get(), 400, 300, SRCCOPY);
    second.ActivateHint(Rect(400, 300, 400, 300), "Tip");
    EXPECT_EQ(0, ::GetWindowLongPtrA(second.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    TBitmap image;
    PaintImage(second, image);
    EXPECT_EQ(uint32_t(screen.Canvas().Pixels(0, 0)), uint32_t(image.Canvas().Pixels(0, 0)));
}

TEST_F(SkinHintTest, ObjectHintShowsTheLastTextOnceAfterThePauseAndGoes)
{
    TskSkinHint* hint = MakeHint();
    Application().SetHintPause(100);
    Application().SetHintHidePause(300);
    int texts = 0;
    TWndProcHook counter(hint->HintWindow().WindowProc(), [&](TMessage& m) {
        texts += m.Msg == WM_SETTEXT;
        counter.CallNext(m);
    });
    hint->ShowObjectHint("First");
    hint->ShowObjectHint("Second");
    EXPECT_FALSE(hint->HintWindow().Visible());
    ASSERT_TRUE(PumpUntil([&] { return hint->HintWindow().Visible(); }));
    EXPECT_EQ("Second", hint->HintWindow().Caption());
    EXPECT_EQ(1, texts);
    ASSERT_TRUE(PumpUntil([&] { return !hint->HintWindow().Visible(); }));
    EXPECT_FALSE(::IsWindowVisible(hint->HintWindow().Handle()));
    Application().SetHintPause(500);
    Application().SetHintHidePause(2500);
}

TEST_F(SkinHintTest, InstallsItsWindowAsTheApplicationsAndHearsItsHints)
{
    TskSkinHint* hint = MakeHint();
    EXPECT_EQ(100, Application().HintShortPause());
    std::unique_ptr<THintWindow> made(Application().HintWindowClass()(nullptr));
    EXPECT_NE(nullptr, dynamic_cast<TskSkinHintWindow*>(made.get()));

    std::string heard;
    hint->OnShowHint = [&](std::string& HintStr, bool&, THintInfo&) { heard = HintStr; };
    std::string text = "Control hint";
    bool canShow = true;
    THintInfo info;
    Application().OnShowHint(text, canShow, info);
    EXPECT_EQ("Control hint", heard);
    // Gone, it hears nothing more, and nothing breaks.
    delete hint;
    Application().OnShowHint(text, canShow, info);
    Application().SetHintShortPause(50);
}

TEST_F(SkinHintTest, ApplicationShowsTheHintOfTheControlUnderTheMouse)
{
    MakeHint();
    Application().SetHintPause(50);
    TForm form(nullptr);
    form.SetBounds(300, 300, 200, 120);
    form.SetShowHint(true);
    form.SetHint("Form hint");
    form.Show();
    std::string shown;
    Application().OnShowHint = [&](std::string& HintStr, bool&, THintInfo& info) {
        shown = HintStr;
        HintStr = "Changed";
        EXPECT_EQ(&form, info.HintControl);
    };
    const TPoint p = form.ClientToScreen(Point(50, 50));
    ::SetCursorPos(p.X, p.Y);
    form.Perform(WM_MOUSEMOVE, 0, PointToLParam(Point(50, 50)));
    ASSERT_TRUE(PumpUntil([] { return Application().HintWindow() && Application().HintWindow()->Visible(); }));
    EXPECT_EQ("Form hint", shown);
    EXPECT_EQ("Changed", Application().HintWindow()->Caption());
    EXPECT_NE(nullptr, dynamic_cast<TskSkinHintWindow*>(Application().HintWindow()));
    Application().CancelHint();
    EXPECT_FALSE(Application().HintWindow()->Visible());
    Application().SetHintPause(500);
    ::SetCursorPos(2, ::GetSystemMetrics(SM_CYSCREEN) - 4);
}

}  // namespace menutest
