// The form skinning engine: the frame fitted to a size, the non-client area, the
// region, the painted frame, hit testing, the fade-in, the objects' events, and
// the form as the system and a window manager see it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "form_engine_fixture.h"
#include "gui/controls/application.h"
#include "gui/controls/custom_control.h"
#include "gui/controls/form.h"
#include "gui/controls/menu_item.h"
#include "gui/controls/wnd_proc_chain.h"
#include "gui/core/exceptions.h"
#include "gui/core/strings.h"
#include "picture_fixtures.h"
#include "skin/data/skin_data.h"
#include "skin/forms/form_frame_geometry.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/frame/skin_caption_object.h"
#include "skin/model/stored_skin.h"
#include "skin/popups/skin_menu.h"

namespace {

using gui::Point;
using gui::Rect;
using gui::TRect;
using sk::TskFormSkinEngine;
using formenginetest::FormEngineTest;
using formenginetest::FormSkin;
using formenginetest::Wait;
using formenginetest::WaitUntil;

TEST_F(FormEngineTest, OnlyAFormCanOwnTheEngine)
{
    gui::TComponent owner(nullptr);
    EXPECT_THROW(TskFormSkinEngine engine(&owner), gui::EInvalidCast);
}

TEST_F(FormEngineTest, WithoutSkinTheDefaultFrameHasThreePixelBordersAndACaption)
{
    auto* engine = new TskFormSkinEngine(form);
    (void)engine;
    form->Show();
    Wait(50);
    EXPECT_EQ(ClientInWindow(), Rect(3, 22, 197, 117));
    EXPECT_EQ(HitTest(0, 0), HTTOPLEFT);
    EXPECT_EQ(HitTest(1, 60), HTLEFT);
    EXPECT_EQ(HitTest(198, 60), HTRIGHT);
    EXPECT_EQ(HitTest(100, 119), HTBOTTOM);
    EXPECT_EQ(HitTest(100, 10), HTCAPTION);
    EXPECT_EQ(HitTest(100, 60), HTCLIENT);
    EXPECT_EQ(HitTest(190, 10), HTOBJECT);  // the close button
    // Not sizeable: the border is frame, not a sizing band.
    engine->SetSizeable(false);
    EXPECT_EQ(HitTest(1, 60), HTOBJECT);
    // The outer ring of the frame is painted.
    ::RedrawWindow(form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(FramePixel(50, 0), COLORREF(gui::ColorToRGB(gui::cl3DLight)));
    EXPECT_EQ(FramePixel(50, 119), COLORREF(gui::ColorToRGB(gui::cl3DDkShadow)));
}

TEST_F(FormEngineTest, TheSkinSetsClientAreaRegionAndPaintedFrame)
{
    FormSkin skin;
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSkinData(&skin.Data());
    form->Show();
    Wait(50);
    // The client area is what the skin's client rectangle leaves.
    EXPECT_EQ(ClientInWindow(), Rect(4, 20, 196, 116));
    // The region follows the mask: the cut corner is outside.
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(form->Handle(), region), ERROR);
    EXPECT_FALSE(::PtInRegion(region, 0, 0));
    EXPECT_FALSE(::PtInRegion(region, 1, 1));
    EXPECT_TRUE(::PtInRegion(region, 2, 1));
    EXPECT_TRUE(::PtInRegion(region, 199, 119));
    ::DeleteObject(region);
    // The top-left corner piece is the picture's own; the right end piece
    // follows the right edge.
    ::RedrawWindow(form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(FramePixel(5, 6), RGB(5, 6, 0));
    EXPECT_EQ(FramePixel(197, 6), RGB(97, 6, 0));
    EXPECT_EQ(FramePixel(197, 118), RGB(97, 58, 0));
}

TEST_F(FormEngineTest, SkinHitTestsProbeTheBorderWidthAgainstTheMask)
{
    FormSkin skin;
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSkinData(&skin.Data());
    form->Show();
    Wait(50);
    EXPECT_EQ(HitTest(100, 60), HTCLIENT);
    EXPECT_EQ(HitTest(1, 60), HTLEFT);
    EXPECT_EQ(HitTest(198, 60), HTRIGHT);
    EXPECT_EQ(HitTest(100, 1), HTTOP);
    EXPECT_EQ(HitTest(2, 2), HTTOPLEFT);  // a probe lands in the cut corner
    EXPECT_EQ(HitTest(3, 3), HTOBJECT);   // no probe leaves the mask
    EXPECT_EQ(HitTest(198, 118), HTBOTTOMRIGHT);
    // Beyond the border width: the frame itself, which no object covers.
    EXPECT_EQ(HitTest(100, 10), HTOBJECT);
    engine->SetSizeable(false);
    EXPECT_EQ(HitTest(1, 60), HTOBJECT);
}

TEST_F(FormEngineTest, FrameObjectsTakeTheMouseInFrameCoordinatesAndReportByName)
{
    FormSkin skin({"[SKINOBJECTS]", "count=2", "0=closebutton:stdbutton", "1=title:caption", "[closebutton]",
                   "skinrect=80,4,92,16", "command=cmclose", "[title]", "skinrect=20,2,70,18",
                   "textrect=0,0,50,16", "defaultcaption=1"});
    auto* engine = new TskFormSkinEngine(form);
    std::vector<std::string> events;
    engine->OnMouseEnterEvent = [&](gui::TComponent*, const std::string& name) { events.push_back("enter " + name); };
    engine->OnMouseMoveEvent = [&](gui::TComponent*, const std::string& name, int x, int y, const TRect&) {
        events.push_back("move " + name + " " + std::to_string(x) + "," + std::to_string(y));
    };
    engine->SetSkinData(&skin.Data());
    form->Show();
    Wait(50);
    ASSERT_EQ(engine->ObjectCount(), 2);
    auto* caption = dynamic_cast<sk::TskSkinCaptionObject*>(engine->Objects(1));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->Caption(), "Frame");
    form->SetCaption("Renamed");
    EXPECT_EQ(caption->Caption(), "Renamed");

    // The close button sits where the right edge took it.
    EXPECT_EQ(engine->Objects(0)->ObjectRect(), Rect(180, 4, 192, 16));
    ::SendMessageA(form->Handle(), WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(HitTest(40, 10), HTCAPTION);
    EXPECT_EQ(HitTest(185, 10), HTOBJECT);
    RECT wr;
    ::GetWindowRect(form->Handle(), &wr);
    // The engine follows the cursor itself while it lies on the frame: put it
    // there, so that the tracking and the messages agree.
    ::SetCursorPos(wr.left + 186, wr.top + 11);
    ASSERT_TRUE(WaitUntil([&] { return !events.empty(); }));
    EXPECT_EQ(events.front(), "enter closebutton");
    events.clear();
    ::SendMessageA(form->Handle(), WM_NCMOUSEMOVE, HTOBJECT, MAKELPARAM(wr.left + 186, wr.top + 11));
    EXPECT_THAT(events, ::testing::ElementsAre("move closebutton 186,11"));
    ::SendMessageA(form->Handle(), WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(wr.left + 186, wr.top + 11));
    EXPECT_EQ(::GetCapture(), form->Handle());
    EXPECT_TRUE(form->Visible());
    // The close button closes the form as the system's close box does: the form
    // hears WM_CLOSE (a main window ends the program there).
    int closes = 0;
    std::unique_ptr<gui::TWndProcHook> hook;
    hook = std::make_unique<gui::TWndProcHook>(form->WindowProc(), [&](gui::TMessage& m) {
        closes += m.Msg == WM_CLOSE;
        hook->CallNext(m);
    });
    ::SendMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(180, -5));
    EXPECT_NE(::GetCapture(), form->Handle());
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(closes, 1);
}

TEST_F(FormEngineTest, AFrameTrackBarFollowsTheMouseItHolds)
{
    // A bar across the top of the frame, its button (10 x 10) at its left end.
    FormSkin skin({"[SKINOBJECTS]", "count=1", "0=knob:trackbar", "[knob]", "skinrect=10,2,90,18",
                   "buttonrect=0,0,10,10", "beginpoint=5,8", "endpoint=65,8", "minvalue=0", "maxvalue=60"});
    auto* engine = new TskFormSkinEngine(form);
    std::vector<int> values;
    engine->OnTrackBarChangeValueEvent = [&](gui::TComponent*, const std::string&, int value) {
        values.push_back(value);
    };
    engine->SetSkinData(&skin.Data());
    form->Show();
    Wait(50);
    ::SendMessageA(form->Handle(), WM_NCACTIVATE, TRUE, 0);
    RECT wr;
    ::GetWindowRect(form->Handle(), &wr);
    ::SetCursorPos(wr.left + 15, wr.top + 10);
    ASSERT_TRUE(WaitUntil([&] { return engine->HoverIndex() == 0; }));
    ::SendMessageA(form->Handle(), WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(wr.left + 15, wr.top + 10));
    ASSERT_EQ(::GetCapture(), form->Handle());
    // Held, the mouse reports client moves: the button follows them all the same.
    const TRect client = ClientInWindow();
    ::SendMessageA(form->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(35 - client.Left, 10 - client.Top));
    ::SendMessageA(form->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(45 - client.Left, 10 - client.Top));
    EXPECT_THAT(values, ::testing::ElementsAre(20, 30));
    ::SendMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(45 - client.Left, 10 - client.Top));
    EXPECT_NE(::GetCapture(), form->Handle());
    ::SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(55 - client.Left, 10 - client.Top));
    EXPECT_THAT(values, ::testing::ElementsAre(20, 30));
}

TEST_F(FormEngineTest, ObjectsFlushWithThePicturesEdgeFollowTheResizedFrame)
{
    // A size grip in the bottom-right corner and a button at the right edge, both
    // ending on the picture's last column.
    FormSkin skin({"[SKINOBJECTS]", "count=2", "0=grip:userobject", "1=pin:button", "[grip]",
                   "skinrect=90,52,100,60", "[pin]", "skinrect=90,4,100,16"});
    auto* engine = new TskFormSkinEngine(form);
    std::vector<std::string> presses;
    engine->OnMouseDownEvent = [&](gui::TComponent*, const std::string& name, int, int, const TRect&,
                                   gui::TMouseButton) { presses.push_back(name); };
    engine->SetSkinData(&skin.Data());
    form->Show();
    Wait(50);
    ASSERT_EQ(engine->ObjectCount(), 2);
    EXPECT_EQ(engine->Objects(0)->ObjectRect(), Rect(190, 112, 200, 120));
    EXPECT_EQ(engine->Objects(1)->ObjectRect(), Rect(190, 4, 200, 16));

    form->SetBounds(form->Left(), form->Top(), 260, 150);
    Wait(50);
    EXPECT_EQ(engine->Objects(0)->ObjectRect(), Rect(250, 142, 260, 150));
    EXPECT_EQ(engine->Objects(1)->ObjectRect(), Rect(250, 4, 260, 16));

    // The mouse finds the grip in the frame's new corner.
    ::SendMessageA(form->Handle(), WM_NCACTIVATE, TRUE, 0);
    RECT wr;
    ::GetWindowRect(form->Handle(), &wr);
    ::SetCursorPos(wr.left + 255, wr.top + 146);
    ASSERT_TRUE(WaitUntil([&] { return engine->HoverIndex() == 0; }));
    ::SendMessageA(form->Handle(), WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(wr.left + 255, wr.top + 146));
    ::SendMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(0, 0));
    EXPECT_EQ(presses, std::vector<std::string>{"grip"});
    ::SetCursorPos(0, 0);
}

TEST_F(FormEngineTest, InClientModeTheSkinIsTheFormsBackground)
{
    FormSkin skin;
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSupportNCArea(false);
    engine->SetSkinData(&skin.Data());
    form->Show();
    Wait(50);
    EXPECT_EQ(ClientInWindow(), Rect(0, 0, 200, 120));
    EXPECT_EQ(HitTest(1, 60), HTLEFT);
    EXPECT_EQ(HitTest(100, 60), HTCLIENT);
    ::RedrawWindow(form->Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = ::GetDC(form->Handle());
    EXPECT_EQ(::GetPixel(dc, 5, 6), RGB(5, 6, 0));
    EXPECT_EQ(::GetPixel(dc, 197, 118), RGB(97, 58, 0));
    ::ReleaseDC(form->Handle(), dc);
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(form->Handle(), region), ERROR);
    EXPECT_FALSE(::PtInRegion(region, 0, 0));
    EXPECT_TRUE(::PtInRegion(region, 100, 60));
    ::DeleteObject(region);
}

TEST_F(FormEngineTest, TheCaptionMaximizesRestoresAndOpensTheSystemMenu)
{
    auto* engine = new TskFormSkinEngine(form);
    form->Show();
    Wait(50);
    ::SendMessageA(form->Handle(), WM_NCACTIVATE, TRUE, 0);
    RECT wr;
    ::GetWindowRect(form->Handle(), &wr);
    const LPARAM onCaption = MAKELPARAM(wr.left + 100, wr.top + 10);
    ::SendMessageA(form->Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, onCaption);
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(engine->WindowState(), sk::wsMaximized);
    EXPECT_EQ(form->BoundsRect(), Rect(work.left, work.top, work.right, work.bottom));
    ::GetWindowRect(form->Handle(), &wr);
    ::SendMessageA(form->Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(wr.left + 100, wr.top + 10));
    EXPECT_EQ(engine->WindowState(), sk::wsNormal);
    EXPECT_EQ(form->BoundsRect(), Rect(120, 120, 320, 240));

    ::GetWindowRect(form->Handle(), &wr);
    // The system's handling of the press waits for the button to come up.
    ::PostMessageA(form->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(100, -10));
    ::SendMessageA(form->Handle(), WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(wr.left + 100, wr.top + 10));
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 1);
    EXPECT_TRUE(engine->MenuOpen());
    std::vector<std::string> names;
    gui::TMenuItem* items = engine->GetSystemMenuItems();
    for (int i = 0; i < items->Count(); ++i)
        names.push_back(items->Items(i)->Caption());
    EXPECT_THAT(names, ::testing::ElementsAre("Mi&nimize", "Ma&ximize", "Ro&llUp", "-", "&Close"));
    engine->SkinMenu().CloseMenus();
}

TEST_F(FormEngineTest, MissingBorderIconsHideTheirDefaultButtons)
{
    auto* engine = new TskFormSkinEngine(form);
    form->Show();
    Wait(50);
    EXPECT_EQ(HitTest(170, 10), HTOBJECT);  // the maximize button
    engine->SetBorderIcons({sk::biSystemMenu});
    EXPECT_EQ(HitTest(170, 10), HTCAPTION);
    EXPECT_EQ(HitTest(190, 10), HTOBJECT);  // close stays
    EXPECT_EQ(HitTest(10, 10), HTOBJECT);   // and so does the system menu
}

TEST_F(FormEngineTest, TheFormCannotBeSizedBelowTheSkinsFrame)
{
    FormSkin skin;
    form->SetBounds(120, 120, 50, 20);
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSkinData(&skin.Data());
    // At least the skin's frame (the system may ask for more).
    EXPECT_GE(form->Width(), 100);
    EXPECT_GE(form->Height(), 60 - 36);
    form->SetBounds(120, 120, 300, 200);
    engine->SetSkinData(&skin.Data());
    EXPECT_EQ(form->Width(), 300);
    EXPECT_EQ(form->Height(), 200);
    MINMAXINFO info{};
    ::SendMessageA(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 100);
    EXPECT_EQ(info.ptMinTrackSize.y, 24);
}

TEST_F(FormEngineTest, AFormThatOutlivesItsEngineGetsItsOwnFrameBack)
{
    FormSkin skin;
    int shortcuts = 0;
    form->OnShortCut = [&](gui::TMessage&, bool&) { ++shortcuts; };
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSkinData(&skin.Data());
    engine->SetAlphaBlend(true);
    form->Show();
    Wait(50);
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(form->Handle(), region), ERROR);
    ASSERT_EQ(::GetWindowLongPtrA(form->Handle(), GWL_STYLE) & WS_CAPTION, 0);
    const HWND window = form->Handle();

    delete engine;
    Wait(50);
    EXPECT_EQ(form->Handle(), window);  // the same window, not a new one
    EXPECT_EQ(::GetWindowRgn(form->Handle(), region), ERROR);  // no region: the whole window
    ::DeleteObject(region);
    const LONG_PTR style = ::GetWindowLongPtrA(form->Handle(), GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_EQ(::GetWindowLongPtrA(form->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    // The system's frame and caption: the client area starts below a caption,
    // and the caption is hit as such by the system's own handling.
    const TRect client = ClientInWindow();
    EXPECT_GE(client.Top, ::GetSystemMetrics(SM_CYCAPTION));
    EXPECT_NE(client, Rect(4, 20, 196, 116));
    EXPECT_EQ(HitTest(100, client.Top / 2), HTCAPTION);
    ::RedrawWindow(form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    // The program's own shortcut handler is back.
    ASSERT_TRUE(form->OnShortCut);
    gui::TMessage key{WM_KEYDOWN, 'A', 0};
    bool handled = false;
    form->OnShortCut(key, handled);
    EXPECT_EQ(shortcuts, 1);
}

TEST_F(FormEngineTest, ADestroyedSkinIsDroppedAndTheDefaultFrameReturns)
{
    auto skin = std::make_unique<FormSkin>();
    auto* engine = new TskFormSkinEngine(form);
    int changes = 0;
    engine->OnChangeSkinData = [&](gui::TComponent*) { ++changes; };
    engine->SetSkinData(&skin->Data());
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(engine->SkinInUse());
    skin.reset();
    EXPECT_EQ(engine->SkinData(), nullptr);
    EXPECT_FALSE(engine->SkinInUse());
    EXPECT_EQ(changes, 1);
    form->Show();
    Wait(50);
    EXPECT_EQ(HitTest(100, 60), HTCLIENT);
}

TEST_F(FormEngineTest, TheMenusSkinIsDroppedWhenItGoesAfterTheFrameTookAnother)
{
    auto shared = std::make_unique<FormSkin>();
    auto other = std::make_unique<FormSkin>();
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSkinData(&shared->Data());
    engine->SetMenusSkinData(&shared->Data());
    engine->SetSkinData(&other->Data());
    shared.reset();
    EXPECT_EQ(engine->MenusSkinData(), nullptr);
    EXPECT_EQ(engine->SkinData(), &other->Data());
}

// The alpha of a layered window, or -1 when it is not layered.
int WindowAlpha(HWND window)
{
    if (!(::GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_LAYERED))
        return -1;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!::GetLayeredWindowAttributes(window, nullptr, &alpha, &flags))
        return -1;
    return alpha;
}

TEST_F(FormEngineTest, TheFadeInTakesOneStepPerTickAndEndsOpaque)
{
    auto* engine = new TskFormSkinEngine(form);
    engine->SetAlphaBlendAnimation(true);
    form->Show();
    // Each tick of the fade's timer shows one step: the form is seen coming in.
    std::vector<int> seen;
    const DWORD start = ::GetTickCount();
    MSG msg;
    while (::GetTickCount() - start < 30000) {
        if (!::GetMessageA(&msg, nullptr, 0, 0))
            break;
        const bool fadeTick = msg.message == WM_TIMER && msg.hwnd == form->Handle() && msg.wParam == 1;
        ::DispatchMessageA(&msg);
        if (fadeTick) {
            seen.push_back(WindowAlpha(form->Handle()));
            if (seen.back() < 0)
                break;
        }
    }
    ASSERT_EQ(seen.size(), 51u);
    for (size_t i = 0; i + 1 < seen.size(); ++i)
        EXPECT_EQ(seen[i], int(5 * (i + 1)));
    EXPECT_EQ(seen.back(), -1) << "the form stays layered after the fade";

    form->Hide();
    engine->SetAlphaBlend(true);
    engine->SetAlphaBlendValue(200);
    form->Show();
    // It fades to the blend value and stays layered.
    EXPECT_TRUE(WaitUntil([&] { return WindowAlpha(form->Handle()) >= 200; }));
    Wait(100);
    EXPECT_EQ(WindowAlpha(form->Handle()), 200);
}

TEST_F(FormEngineTest, MovingSnapsToTheWorkArea)
{
    auto* engine = new TskFormSkinEngine(form);
    engine->SetMagnetic(true);
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    form->Show();
    RECT moving{work.left + 9, work.top + 50, work.left + 209, work.top + 170};
    ::SendMessageA(form->Handle(), WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&moving));
    EXPECT_EQ(moving.left, work.left);
    EXPECT_EQ(moving.right, work.left + 200);
    moving = RECT{work.left + 10, work.top + 50, work.left + 210, work.top + 170};
    ::SendMessageA(form->Handle(), WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&moving));
    EXPECT_EQ(moving.left, work.left + 10);
}

// ---- The form as the system and a window manager see it ----

LONG_PTR Styles(gui::TForm* form)
{
    const LONG_PTR shown = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_MAXIMIZE;
    return ::GetWindowLongPtrA(form->Handle(), GWL_STYLE) & shown;
}

TRect WorkArea()
{
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return Rect(work.left, work.top, work.right, work.bottom);
}

TEST_F(FormEngineTest, TheWindowOffersWhatItsButtonsDoAndIsMaximizedWhileTheEngineKeepsItSo)
{
    FormSkin skin;
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSkinData(&skin.Data());
    form->Show();
    const TRect normal = form->BoundsRect();
    const LONG_PTR offered = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    // Maximized, the window is a maximized one with a caption: a window covering
    // the screen without those would be taken for a full-screen one. Rolled up,
    // it is not maximized to the system.
    const struct {
        std::function<void()> step;
        LONG_PTR styles;
        const char* what;
    } steps[] = {
        {[] {}, offered, "shown"},
        {[&] { engine->SetFormState(sk::wsMaximized); }, offered | WS_MAXIMIZE | WS_CAPTION, "maximized"},
        {[&] { engine->RollUpForm(true); }, offered, "rolled up while maximized"},
        {[&] { engine->RollUpForm(false); }, offered | WS_MAXIMIZE | WS_CAPTION, "rolled down"},
        {[&] { engine->SetFormState(sk::wsNormal); }, offered, "restored"},
        {[&] { engine->SetBorderIcons({sk::biSystemMenu}); }, WS_SYSMENU, "without minimize and maximize"},
        {[&] { engine->SetBorderIcons({sk::biSystemMenu, sk::biMinimize, sk::biMaximize}); }, offered, "with them"},
    };
    for (const auto& step : steps) {
        step.step();
        EXPECT_EQ(Styles(form), step.styles) << step.what;
    }
    // The manager's requests come as system commands, and the engine follows.
    const auto command = [&](WPARAM which) { ::SendMessageA(form->Handle(), WM_SYSCOMMAND, which, 0); };
    command(SC_MAXIMIZE);
    EXPECT_EQ(engine->WindowState(), sk::wsMaximized);
    EXPECT_EQ(form->BoundsRect(), WorkArea());
    command(SC_RESTORE);
    EXPECT_EQ(engine->WindowState(), sk::wsNormal);
    EXPECT_EQ(form->BoundsRect(), normal);
    // Minimized by the manager while maximized, it comes back maximized, where
    // the engine puts a maximized form.
    command(SC_MAXIMIZE);
    command(SC_MINIMIZE);
    EXPECT_TRUE(::IsIconic(form->Handle()));
    EXPECT_EQ(Styles(form) & (WS_MAXIMIZE | WS_CAPTION), 0);
    command(SC_RESTORE);
    EXPECT_FALSE(::IsIconic(form->Handle()));
    EXPECT_EQ(engine->WindowState(), sk::wsMaximized);
    EXPECT_EQ(form->BoundsRect(), WorkArea());
    EXPECT_EQ(Styles(form), offered | WS_MAXIMIZE | WS_CAPTION);
    // A maximize the form does not offer is not followed.
    command(SC_RESTORE);
    engine->SetBorderIcons({sk::biSystemMenu, sk::biMinimize});
    command(SC_MAXIMIZE);
    EXPECT_EQ(engine->WindowState(), sk::wsNormal);
    EXPECT_EQ(form->BoundsRect(), normal);
}

TEST_F(FormEngineTest, WhileTheUserSizesItTheFormAndItsControlsPaintAtEachSize)
{
    FormSkin skin;
    auto* engine = new TskFormSkinEngine(form);
    engine->SetSkinData(&skin.Data());
    auto* control = new gui::TCustomControl(form);
    control->SetParent(form);
    control->SetAlign(gui::alClient);
    form->Show();
    Wait(50);
    // The sizing loop hands the form one size after another and its queue keeps
    // filling with pointer movements: each size is painted before the next.
    ::SendMessageA(form->Handle(), WM_ENTERSIZEMOVE, 0, 0);
    for (int grow : {20, 40, 60}) {
        ::SetWindowPos(form->Handle(), nullptr, 0, 0, 200 + grow, 120 + grow, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_FALSE(::GetUpdateRect(form->Handle(), nullptr, FALSE)) << grow;
        EXPECT_FALSE(::GetUpdateRect(control->Handle(), nullptr, FALSE)) << grow;
    }
    ::SendMessageA(form->Handle(), WM_EXITSIZEMOVE, 0, 0);
}

}  // namespace
