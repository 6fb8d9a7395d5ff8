// The form skinning engine on a multiple-document program: a skinned parent with
// a menu bar and a window menu, skinned children inside its client window.
// Maximized children give up their frame to the parent's caption and menu bar,
// minimized ones park inside the client window, the window menu lists the shown
// children, and the keys of a child reach the parent's menus.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "form_engine_fixture.h"
#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "gui/controls/menu.h"
#include "gui/controls/screen.h"
#include "gui/controls/shortcut.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/forms/form_skin_engine_finders.h"
#include "skin/frame/active_skin_objects.h"
#include "skin/popups/skin_menu.h"
#include "skin/popups/skin_popup_window.h"
#include "skin/popups/skin_popup_menu.h"
#include "skin/popups/tray_icon.h"
#include "skinctrls/menubar/main_menu_bar.h"
#include "x_input.h"

namespace {

using formenginetest::FormSkin;
using gui::Screen;
using gui::TForm;
using sk::GetFormSkinEngine;
using sk::TskFormSkinEngine;
using sk::TskSkinMainMenuBar;
using sk::TskSkinMainMenuBarButton;

RECT WindowRectIn(HWND window, HWND parent)
{
    RECT r{};
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The client area's offset and size inside the window.
RECT ClientInWindow(HWND window)
{
    RECT wr{}, cr{};
    ::GetWindowRect(window, &wr);
    ::GetClientRect(window, &cr);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    return RECT{origin.x - wr.left, origin.y - wr.top, origin.x - wr.left + cr.right, origin.y - wr.top + cr.bottom};
}

bool HasRegion(HWND window)
{
    HRGN probe = ::CreateRectRgn(0, 0, 0, 0);
    const int kind = ::GetWindowRgn(window, probe);
    ::DeleteObject(probe);
    return kind != ERROR;
}

class MDIEngineTest : public ::testing::Test {
protected:
    MDIEngineTest()
    {
        ::SetCursorPos(1270, 1010);
        parent = new TForm(nullptr);
        parent->SetFormStyle(gui::fsMDIForm);
        parent->SetName("Parent");
        parent->SetCaption("Parent");
        parent->SetBounds(60, 60, 640, 440);
        gui::Application().SetMainForm(parent);
        menu = new gui::TMainMenu(parent);
        fileItem = AddItem(menu->Items(), "FileItem", "&File");
        AddItem(*fileItem, "OpenItem", "&Open");
        windowItem = AddItem(menu->Items(), "WindowItem", "&Window");
        AddItem(*windowItem, "CascadeItem", "&Cascade");
        parent->SetWindowMenu(windowItem);
        engine = new TskFormSkinEngine(parent);
        bar = new TskSkinMainMenuBar(parent);
        bar->SetParent(parent);
        bar->SetMainMenu(menu);
        bar->SetFormSkinEngine(engine);
        engine->SetMainMenuBar(bar);
        engine->SetSkinData(&skin.Data());
        parent->Show();
        formenginetest::Wait(50);
    }
    ~MDIEngineTest() override
    {
        delete parent;
        formenginetest::Wait(20);
    }

    gui::TMenuItem* AddItem(gui::TMenuItem& under, const std::string& name, const std::string& caption)
    {
        auto* item = new gui::TMenuItem(menu);
        item->SetName(name);
        item->SetCaption(caption);
        under.Add(item);
        return item;
    }

    TForm* NewChild(const std::string& name, const std::string& caption, int left = 10, int top = 10)
    {
        auto* child = new TForm(parent);
        child->SetFormStyle(gui::fsMDIChild);
        child->SetName(name);
        child->SetCaption(caption);
        child->SetBounds(left, top, 240, 160);
        auto* childEngine = new TskFormSkinEngine(child);
        childEngine->SetSkinData(&skin.Data());
        return child;
    }

    static TskFormSkinEngine* EngineOf(TForm* form) { return GetFormSkinEngine(form); }

    RECT ClientWindowArea()
    {
        RECT r{};
        ::GetClientRect(parent->ClientHandle(), &r);
        return r;
    }

    // The names of the window menu's items, a check mark shown as "*".
    std::vector<std::string> WindowList()
    {
        std::vector<std::string> names;
        for (int i = 0; i < windowItem->Count(); ++i) {
            gui::TMenuItem* item = windowItem->Items(i);
            names.push_back(item->Name() + (item->Checked() ? "*" : "") +
                            (item->IsLine() ? "" : "=" + item->Caption()));
        }
        return names;
    }

    // The screen point at the middle of a rectangle of the bar.
    POINT OnBar(const gui::TRect& r)
    {
        POINT p{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
        ::ClientToScreen(bar->Handle(), &p);
        return p;
    }

    // The keyboard focus in a child, and the pointer over its client area: the
    // test display has no window manager, so keys go to the window under it.
    void FocusOn(TForm* child)
    {
        ::SetForegroundWindow(parent->Handle());
        ::SetFocus(child->Handle());
        const gui::TPoint p = child->ClientToScreen(gui::Point(child->ClientWidth() / 2, child->ClientHeight() / 2));
        xinput::XDoTool("mousemove " + std::to_string(p.X) + " " + std::to_string(p.Y));
        xinput::Pump(100);
    }

    // The place of the first frame object of a child that passes the test.
    template <typename Test>
    static gui::TRect ObjectRect(TForm* child, Test test)
    {
        TskFormSkinEngine* e = EngineOf(child);
        for (int i = 0; i < e->ObjectCount(); ++i)
            if (test(e->Objects(i)))
                return e->Objects(i)->ObjectRect();
        ADD_FAILURE() << "no such object";
        return gui::TRect{};
    }

    TskSkinMainMenuBarButton* BarButton(uint8_t command)
    {
        for (int i = 0; i < bar->ButtonCount(); ++i)
            if (auto* button = dynamic_cast<TskSkinMainMenuBarButton*>(bar->Objects(i));
                button && button->Command() == command)
                return button;
        return nullptr;
    }

    // The frame skin with a caption, and close and maximize buttons.
    FormSkin skin{{"[SKINOBJECTS]", "count=3", "0=title:caption", "1=closebutton:stdbutton", "2=maxbutton:stdbutton",
                   "[title]", "skinrect=10,2,70,18", "textrect=0,0,60,16", "defaultcaption=1", "[closebutton]",
                   "skinrect=86,4,96,14", "command=cmclose", "[maxbutton]", "skinrect=74,4,84,14",
                   "command=cmmaximize"}};
    TForm* parent;
    gui::TMainMenu* menu;
    gui::TMenuItem* fileItem;
    gui::TMenuItem* windowItem;
    TskFormSkinEngine* engine;
    TskSkinMainMenuBar* bar;
};

}  // namespace

TEST_F(MDIEngineTest, AMaximizedChildLosesItsFrameToTheParentsCaptionAndMenuBar)
{
    TForm* a = NewChild("ChildA", "Child A");
    TForm* b = NewChild("ChildB", "Child B", 40, 30);
    a->Show();
    b->Show();
    ASSERT_EQ(parent->MDIChildCount(), 2);
    EXPECT_TRUE(HasRegion(a->Handle()));
    const RECT framed = ClientInWindow(a->Handle());
    EXPECT_GT(framed.top, 0);

    EngineOf(a)->SetFormState(sk::wsMaximized);
    EXPECT_TRUE(EngineOf(a)->IsMaximizedMDIChild());
    EXPECT_EQ(bar->ButtonCount(), 4);
    EXPECT_TRUE(engine->ChildMaximized());
    EXPECT_EQ(engine->FindMaximizedChild(), EngineOf(a));
    EXPECT_EQ(sk::GetMaximizedMDIChildSkinForm(), EngineOf(a));
    EXPECT_EQ(engine->CaptionText(), "Parent - [Child A]");
    // The child fills the client window, all of it client area, without region.
    const RECT area = ClientWindowArea();
    const RECT placed = WindowRectIn(a->Handle(), parent->ClientHandle());
    EXPECT_EQ(placed.left, 0);
    EXPECT_EQ(placed.top, 0);
    EXPECT_EQ(placed.right, area.right);
    EXPECT_EQ(placed.bottom, area.bottom);
    const RECT bare = ClientInWindow(a->Handle());
    EXPECT_EQ(bare.left, 0);
    EXPECT_EQ(bare.top, 0);
    EXPECT_EQ(bare.right, area.right);
    EXPECT_EQ(bare.bottom, area.bottom);
    EXPECT_FALSE(HasRegion(a->Handle()));
    // No roll-up for a child that has no frame.
    gui::TMenuItem* items = EngineOf(a)->GetSystemMenuItems();
    for (int i = 0; i < items->Count(); ++i)
        EXPECT_NE(items->Items(i)->Name(), "DSF_ROLLUP");

    // A caption change of the child shows in the parent's.
    a->SetCaption("Renamed");
    EXPECT_EQ(engine->CaptionText(), "Parent - [Renamed]");

    // The parent's client window grows: the child follows.
    parent->SetBounds(60, 60, 700, 480);
    const RECT grown = ClientWindowArea();
    EXPECT_EQ(a->Width(), grown.right);
    EXPECT_EQ(a->Height(), grown.bottom);

    EngineOf(a)->SetFormState(sk::wsNormal);
    EXPECT_EQ(bar->ButtonCount(), 0);
    EXPECT_FALSE(engine->ChildMaximized());
    EXPECT_EQ(engine->CaptionText(), "Parent");
    EXPECT_EQ(a->Left(), 10);
    EXPECT_EQ(a->Top(), 10);
    EXPECT_EQ(a->Width(), 240);
    const RECT again = ClientInWindow(a->Handle());
    EXPECT_EQ(again.top, framed.top);
    EXPECT_EQ(again.left, framed.left);
    EXPECT_TRUE(HasRegion(a->Handle()));
}

TEST_F(MDIEngineTest, TheMouseActivatesMovesAndMaximizesAChildByItsFrame)
{
    TForm* a = NewChild("ChildA", "Child A");
    TForm* b = NewChild("ChildB", "Child B", 150, 120);
    a->Show();
    b->Show();
    ::SetForegroundWindow(parent->Handle());
    xinput::Pump(300);
    ASSERT_TRUE(formenginetest::WaitUntil([&] { return parent->ActiveMDIChild() == b; }));
    // The caption of the child behind, where the other does not cover it.
    const gui::TPoint origin = EngineOf(a)->FrameScreenOrigin();
    const gui::TRect caption = ObjectRect(a, [](sk::TskActiveSkinObject* o) {
        return dynamic_cast<sk::TskSkinCaptionObject*>(o) != nullptr;
    });
    const int x = origin.X + caption.Left + 20, y = origin.Y + (caption.Top + caption.Bottom) / 2;
    xinput::Click(x, y);
    EXPECT_EQ(parent->ActiveMDIChild(), a);
    EXPECT_EQ(parent->MDIChildren(0), a);
    EXPECT_EQ(WindowList()[2], "ChildA_DSFCHILDITEM*=Child A");

    // Dragged by its caption, it moves inside the client window.
    xinput::Drag(x, y, x + 40, y + 25);
    EXPECT_EQ(a->Left(), 50);
    EXPECT_EQ(a->Top(), 35);

    // Its maximize button maximizes it.
    const gui::TRect button = ObjectRect(a, [](sk::TskActiveSkinObject* o) {
        auto* b = dynamic_cast<sk::TskSkinStdButtonObject*>(o);
        return b && b->Command() == sk::cmMaximize;
    });
    const gui::TPoint at = EngineOf(a)->FrameScreenOrigin();
    xinput::Click(at.X + (button.Left + button.Right) / 2, at.Y + (button.Top + button.Bottom) / 2);
    EXPECT_EQ(EngineOf(a)->WindowState(), sk::wsMaximized);
    EXPECT_EQ(bar->ButtonCount(), 4);
    EXPECT_EQ(engine->CaptionText(), "Parent - [Child A]");
}

TEST_F(MDIEngineTest, AChildThatLosesTheActivationLosesTheHoverOfItsButtons)
{
    TForm* a = NewChild("ChildA", "Child A");
    TForm* b = NewChild("ChildB", "Child B", 150, 120);
    b->Show();
    a->Show();
    ::SetForegroundWindow(parent->Handle());
    xinput::Pump(300);
    ASSERT_TRUE(formenginetest::WaitUntil([&] { return parent->ActiveMDIChild() == a; }));
    sk::TskSkinStdButtonObject* close = nullptr;
    for (int i = 0; i < EngineOf(a)->ObjectCount(); ++i)
        if (auto* button = dynamic_cast<sk::TskSkinStdButtonObject*>(EngineOf(a)->Objects(i));
            button && button->Command() == sk::cmClose)
            close = button;
    ASSERT_NE(close, nullptr);
    const gui::TPoint origin = EngineOf(a)->FrameScreenOrigin();
    const gui::TRect r = close->ObjectRect();
    xinput::XDoTool("mousemove " + std::to_string(origin.X + (r.Left + r.Right) / 2) + " " +
                    std::to_string(origin.Y + (r.Top + r.Bottom) / 2));
    ASSERT_TRUE(formenginetest::WaitUntil([&] { return close->Active(); }, 3000));

    // The mouse goes into the child's client area and, before the engine has
    // seen it leave the button, another child is activated (Ctrl+F6, say).
    const gui::TPoint inside = a->ClientToScreen(gui::Point(20, 20));
    xinput::XDoTool("mousemove " + std::to_string(inside.X) + " " + std::to_string(inside.Y));
    b->Show();
    xinput::Pump(300);
    ASSERT_TRUE(formenginetest::WaitUntil([&] { return parent->ActiveMDIChild() == b; }));
    EXPECT_FALSE(close->Active());
    EXPECT_FALSE(close->MouseIn());
}

TEST_F(MDIEngineTest, AMagneticChildSnapsToTheEdgesOfTheClientWindow)
{
    TForm* a = NewChild("ChildA", "Child A", 30, 30);
    EngineOf(a)->SetMagnetic(true);
    a->Show();
    ::SetForegroundWindow(parent->Handle());
    xinput::Pump(300);
    const gui::TPoint origin = EngineOf(a)->FrameScreenOrigin();
    const gui::TRect caption = ObjectRect(a, [](sk::TskActiveSkinObject* o) {
        return dynamic_cast<sk::TskSkinCaptionObject*>(o) != nullptr;
    });
    const int x = origin.X + caption.Left + 20, y = origin.Y + (caption.Top + caption.Bottom) / 2;
    // 8 pixels from the top-left corner: it snaps there.
    xinput::Drag(x, y, x - 22, y - 22);
    EXPECT_EQ(a->Left(), 0);
    EXPECT_EQ(a->Top(), 0);
    // Farther away it does not (the drag goes in steps of 12 pixels).
    xinput::Drag(x - 30, y - 30, x + 30, y + 30);
    EXPECT_EQ(a->Left(), 60);
    EXPECT_EQ(a->Top(), 60);
}

TEST_F(MDIEngineTest, AMagneticFormDraggedSlowlyIntoACornerComesOutAgain)
{
    // A child and a form of its own, each moved 3 pixels at a time: every step
    // is shorter than the snap distance.
    TForm* child = NewChild("ChildA", "Child A", 30, 30);
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    TForm single(nullptr);
    single.SetCaption("Single");
    single.SetBounds(work.left + 30, work.top + 30, 240, 160);
    (new TskFormSkinEngine(&single))->SetSkinData(&skin.Data());
    const struct {
        TForm* form;
        gui::TPoint corner;
    } forms[] = {{child, gui::Point(0, 0)}, {&single, gui::Point(work.left, work.top)}};
    for (const auto& f : forms) {
        EngineOf(f.form)->SetMagnetic(true);
        f.form->Show();
        xinput::Pump(300);
        const auto drag = [&](int by) {
            const gui::TPoint origin = EngineOf(f.form)->FrameScreenOrigin();
            const gui::TRect caption = ObjectRect(f.form, [](sk::TskActiveSkinObject* o) {
                return dynamic_cast<sk::TskSkinCaptionObject*>(o) != nullptr;
            });
            const int x = origin.X + caption.Left + 20, y = origin.Y + (caption.Top + caption.Bottom) / 2;
            xinput::Drag(x, y, x + by, y + by, 10);
        };
        drag(-30);
        EXPECT_EQ(f.form->BoundsRect().Left, f.corner.X) << f.form->Caption();
        EXPECT_EQ(f.form->BoundsRect().Top, f.corner.Y) << f.form->Caption();
        drag(30);
        EXPECT_EQ(f.form->BoundsRect().Left, f.corner.X + 30) << f.form->Caption() << " comes out of the corner";
        EXPECT_EQ(f.form->BoundsRect().Top, f.corner.Y + 30) << f.form->Caption();
    }
}

TEST_F(MDIEngineTest, OneChildAtATimeIsMaximizedAndTheParentFollowsItUntilNoneIs)
{
    TForm* a = NewChild("ChildA", "Child A");
    TForm* b = NewChild("ChildB", "Child B");
    a->Show();
    b->Show();
    EngineOf(a)->SetFormState(sk::wsMaximized);
    // Maximizing another child brings it to the front: it is the one maximized
    // now, and the first goes back to its bounds.
    EngineOf(b)->SetFormState(sk::wsMaximized);
    EXPECT_EQ(parent->ActiveMDIChild(), b);
    EXPECT_EQ(EngineOf(a)->WindowState(), sk::wsNormal);
    EXPECT_EQ(engine->CaptionText(), "Parent - [Child B]");
    EXPECT_EQ(bar->ButtonCount(), 4);

    EngineOf(b)->SetFormState(sk::wsMinimized);
    EXPECT_FALSE(engine->ChildMaximized());
    EXPECT_EQ(bar->ButtonCount(), 0);
    EXPECT_EQ(engine->CaptionText(), "Parent");

    // A maximized child that is freed gives the parent back; the child
    // activated after it stays as it was.
    EngineOf(a)->SetFormState(sk::wsMaximized);
    ASSERT_TRUE(engine->ChildMaximized());
    delete a;
    EXPECT_EQ(parent->ActiveMDIChild(), b);
    EXPECT_EQ(EngineOf(b)->WindowState(), sk::wsMinimized);
    EXPECT_FALSE(engine->ChildMaximized());
    EXPECT_EQ(bar->ButtonCount(), 0);
    EXPECT_EQ(engine->CaptionText(), "Parent");
}

TEST_F(MDIEngineTest, AChildActivatedWhileAnotherIsMaximizedTakesTheMaximizedStateOver)
{
    TForm* a = NewChild("ChildA", "Child A");
    TForm* b = NewChild("ChildB", "Child B", 150, 120);
    a->Show();
    b->Show();
    ::SetForegroundWindow(parent->Handle());
    xinput::Pump(200);
    const RECT framed = ClientInWindow(a->Handle());
    EngineOf(a)->SetFormState(sk::wsMaximized);
    ASSERT_EQ(parent->ActiveMDIChild(), a);

    const RECT area = ClientWindowArea();
    auto expectMaximized = [&](TForm* front, TForm* behind, const gui::TRect& normal, const char* how) {
        SCOPED_TRACE(how);
        // A command chosen with the mouse or the keys runs once the program has
        // taken the input, later on a busy machine.
        formenginetest::WaitUntil([&] {
            return parent->ActiveMDIChild() == front && EngineOf(front)->WindowState() == sk::wsMaximized;
        });
        EXPECT_EQ(parent->ActiveMDIChild(), front);
        EXPECT_EQ(EngineOf(front)->WindowState(), sk::wsMaximized);
        // Frameless, over the whole client window.
        EXPECT_EQ(WindowRectIn(front->Handle(), parent->ClientHandle()).left, 0);
        const RECT bare = ClientInWindow(front->Handle());
        EXPECT_EQ(bare.top, 0);
        EXPECT_EQ(bare.right, area.right);
        EXPECT_EQ(bare.bottom, area.bottom);
        EXPECT_FALSE(HasRegion(front->Handle()));
        // The other is back in its bounds and its frame.
        EXPECT_EQ(EngineOf(behind)->WindowState(), sk::wsNormal);
        EXPECT_EQ(behind->BoundsRect(), normal);
        EXPECT_EQ(ClientInWindow(behind->Handle()).top, framed.top);
        EXPECT_TRUE(HasRegion(behind->Handle()));
        // The parent's caption and bar stand for the one in front.
        EXPECT_EQ(engine->CaptionText(), "Parent - [" + front->Caption() + "]");
        EXPECT_EQ(bar->ButtonCount(), 4);
        EXPECT_EQ(sk::GetMaximizedMDIChildSkinForm(), EngineOf(front));
    };

    // B by its item in the window menu, opened from the bar.
    auto* windowObject = bar->Objects(bar->ButtonCount() + 1);
    POINT p = OnBar(windowObject->ObjectRect());
    xinput::Click(p.x, p.y);
    ASSERT_EQ(engine->SkinMenu().LevelCount(), 1);
    sk::TskSkinPopupWindow* popup = engine->SkinMenu().TopLevel();
    gui::TRect row{};
    for (int i = 0; i < popup->RowCount(); ++i)
        if (popup->Rows(i)->MenuItem().Name() == "ChildB_DSFCHILDITEM")
            row = popup->Rows(i)->ItemRect();
    ASSERT_GT(row.Right, row.Left);
    const gui::TPoint onRow = popup->ClientToScreen(gui::Point((row.Left + row.Right) / 2, (row.Top + row.Bottom) / 2));
    xinput::Click(onRow.X, onRow.Y);
    expectMaximized(b, a, gui::Rect(10, 10, 250, 170), "window menu");

    // Ctrl+F6 goes to A, and again to B.
    FocusOn(b);
    xinput::Key("ctrl+F6");
    expectMaximized(a, b, gui::Rect(150, 120, 390, 280), "first ctrl+F6");
    xinput::Key("ctrl+F6");
    expectMaximized(b, a, gui::Rect(10, 10, 250, 170), "second ctrl+F6");

    // The bar's close button closes the child in front.
    p = OnBar(BarButton(TskSkinMainMenuBarButton::cbClose)->ObjectRect());
    xinput::Click(p.x, p.y);
    EXPECT_TRUE(formenginetest::WaitUntil([&] { return Screen().IndexOfForm(b) == -1; }));
    EXPECT_NE(Screen().IndexOfForm(a), -1);
}

TEST_F(MDIEngineTest, AChildThatCannotBeMaximizedIsActivatedAtItsBoundsAndTheMaximizedOneRestores)
{
    TForm* a = NewChild("ChildA", "Child A");
    TForm* b = NewChild("ChildB", "Child B", 150, 120);
    EngineOf(b)->SetBorderIcons({sk::biSystemMenu, sk::biMinimize});
    a->Show();
    b->Show();
    EngineOf(a)->SetFormState(sk::wsMaximized);
    ASSERT_EQ(parent->ActiveMDIChild(), a);

    FocusOn(a);
    xinput::Key("ctrl+F6");
    EXPECT_EQ(parent->ActiveMDIChild(), b);
    EXPECT_EQ(EngineOf(b)->WindowState(), sk::wsNormal);
    EXPECT_EQ(b->BoundsRect(), gui::Rect(150, 120, 390, 280));
    EXPECT_TRUE(HasRegion(b->Handle()));
    EXPECT_EQ(EngineOf(a)->WindowState(), sk::wsNormal);
    EXPECT_EQ(a->BoundsRect(), gui::Rect(10, 10, 250, 170));
    EXPECT_FALSE(engine->ChildMaximized());
    EXPECT_EQ(engine->CaptionText(), "Parent");
    EXPECT_EQ(bar->ButtonCount(), 0);
}

TEST_F(MDIEngineTest, AMinimizedChildActivatedWhileAnotherIsMaximizedIsMaximizedAndRestoresToItsBounds)
{
    TForm* a = NewChild("ChildA", "Child A");
    TForm* b = NewChild("ChildB", "Child B", 150, 120);
    a->Show();
    b->Show();
    EngineOf(b)->SetFormState(sk::wsMinimized);
    EngineOf(a)->SetFormState(sk::wsMaximized);
    ASSERT_EQ(parent->ActiveMDIChild(), a);

    FocusOn(a);
    xinput::Key("ctrl+F6");
    EXPECT_EQ(parent->ActiveMDIChild(), b);
    EXPECT_EQ(EngineOf(b)->WindowState(), sk::wsMaximized);
    EXPECT_EQ(EngineOf(a)->WindowState(), sk::wsNormal);
    EXPECT_EQ(engine->CaptionText(), "Parent - [Child B]");
    // The bar's restore button gives it the bounds it had before it was minimized.
    const POINT p = OnBar(BarButton(TskSkinMainMenuBarButton::cbRestore)->ObjectRect());
    xinput::Click(p.x, p.y);
    EXPECT_EQ(EngineOf(b)->WindowState(), sk::wsNormal);
    EXPECT_EQ(b->BoundsRect(), gui::Rect(150, 120, 390, 280));
    EXPECT_EQ(bar->ButtonCount(), 0);
    EXPECT_EQ(engine->CaptionText(), "Parent");
}

TEST_F(MDIEngineTest, TheBarsChildButtonsFollowTheChildsBorderIconsAndWorkUnderTheMouse)
{
    TForm* a = NewChild("ChildA", "Child A");
    EngineOf(a)->SetBorderIcons({sk::biSystemMenu, sk::biMaximize});
    a->Show();
    EngineOf(a)->SetFormState(sk::wsMaximized);
    formenginetest::Wait(50);
    ASSERT_NE(BarButton(TskSkinMainMenuBarButton::cbMinimize), nullptr);
    EXPECT_FALSE(BarButton(TskSkinMainMenuBarButton::cbMinimize)->Enabled());
    EXPECT_TRUE(BarButton(TskSkinMainMenuBarButton::cbSysMenu)->Enabled());
    EXPECT_TRUE(BarButton(TskSkinMainMenuBarButton::cbClose)->Enabled());

    // The disabled minimize button does nothing; restore restores.
    POINT p = OnBar(BarButton(TskSkinMainMenuBarButton::cbMinimize)->ObjectRect());
    xinput::Click(p.x, p.y);
    EXPECT_EQ(EngineOf(a)->WindowState(), sk::wsMaximized);
    p = OnBar(BarButton(TskSkinMainMenuBarButton::cbRestore)->ObjectRect());
    xinput::Click(p.x, p.y);
    EXPECT_EQ(EngineOf(a)->WindowState(), sk::wsNormal);
    EXPECT_EQ(bar->ButtonCount(), 0);

    // Close frees the child and gives the parent its caption back.
    EngineOf(a)->SetFormState(sk::wsMaximized);
    formenginetest::Wait(50);
    p = OnBar(BarButton(TskSkinMainMenuBarButton::cbClose)->ObjectRect());
    xinput::Click(p.x, p.y);
    EXPECT_TRUE(formenginetest::WaitUntil([&] { return parent->MDIChildCount() == 0; }));
    EXPECT_EQ(bar->ButtonCount(), 0);
    EXPECT_EQ(engine->CaptionText(), "Parent");
}

TEST_F(MDIEngineTest, MinimizedChildrenParkSideBySideInsideTheClientWindowAndParkAnewWhenItChanges)
{
    std::vector<TForm*> children = {NewChild("ChildA", "Child A"), NewChild("ChildB", "Child B"),
                                    NewChild("ChildC", "Child C")};
    for (TForm* child : children)
        child->Show();
    for (TForm* child : children)
        EngineOf(child)->SetFormState(sk::wsMinimized);
    const int w = EngineOf(children[0])->GetMinWidth(), h = EngineOf(children[0])->GetMinHeight();
    RECT area = ClientWindowArea();
    for (size_t i = 0; i < children.size(); ++i) {
        EXPECT_EQ(children[i]->Left(), int(i) * w) << i;
        EXPECT_EQ(children[i]->Top(), area.bottom - h) << i;
        EXPECT_EQ(children[i]->Width(), w);
        EXPECT_EQ(children[i]->Height(), h);
    }

    // A lower parent: the row follows the bottom. A narrower one: what does
    // not fit starts the row above.
    parent->SetBounds(60, 60, 2 * w + 60, 380);
    area = ClientWindowArea();
    ASSERT_LT(area.right, 3 * w);
    EXPECT_EQ(children[0]->Left(), 0);
    EXPECT_EQ(children[0]->Top(), area.bottom - h);
    EXPECT_EQ(children[1]->Left(), w);
    EXPECT_EQ(children[1]->Top(), area.bottom - h);
    EXPECT_EQ(children[2]->Left(), 0);
    EXPECT_EQ(children[2]->Top(), area.bottom - 2 * h);
    for (TForm* child : children) {
        EXPECT_GE(child->Left(), 0);
        EXPECT_LE(child->Left() + child->Width(), area.right);
        EXPECT_GE(child->Top(), 0);
        EXPECT_LE(child->Top() + child->Height(), area.bottom);
    }

    // Restored, a child goes back to where it was.
    EngineOf(children[1])->SetFormState(sk::wsNormal);
    EXPECT_EQ(children[1]->Left(), 10);
    EXPECT_EQ(children[1]->Width(), 240);
}

TEST_F(MDIEngineTest, MinimizedChildrenOfDifferentSizesParkWithoutCoveringOneAnother)
{
    // A child in the default frame minimizes to another size than the skinned
    // ones: none may park over it and hide it.
    TForm* plain = NewChild("Plain", "Plain");
    EngineOf(plain)->SetSkinData(nullptr);
    plain->SetBorderStyle(gui::bsSizeToolWin);
    std::vector<TForm*> children = {plain, NewChild("ChildA", "Child A"), NewChild("ChildB", "Child B")};
    for (TForm* child : children)
        child->Show();
    for (TForm* child : children)
        EngineOf(child)->SetFormState(sk::wsMinimized);
    ASSERT_NE(EngineOf(plain)->GetMinHeight(), EngineOf(children[1])->GetMinHeight());
    auto expectApart = [&](const char* when) {
        const RECT area = ClientWindowArea();
        for (size_t i = 0; i < children.size(); ++i) {
            const gui::TRect a = children[i]->BoundsRect();
            EXPECT_GE(a.Left, 0) << when << i;
            EXPECT_LE(a.Right, area.right) << when << i;
            EXPECT_LE(a.Bottom, area.bottom) << when << i;
            for (size_t j = i + 1; j < children.size(); ++j) {
                const gui::TRect b = children[j]->BoundsRect();
                EXPECT_FALSE(a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom)
                    << when << ": " << children[i]->Name() << " covers " << children[j]->Name();
            }
        }
    };
    expectApart("parked ");
    // A narrower parent parks them all anew.
    parent->SetBounds(60, 60, 300, 380);
    expectApart("parked anew ");
}

TEST_F(MDIEngineTest, TheWindowMenuListsTheShownChildrenAndMarksTheActiveOne)
{
    TForm* a = NewChild("ChildA", "Child A");
    TForm* b = NewChild("ChildB", "Child B");
    EXPECT_EQ(WindowList(), (std::vector<std::string>{"CascadeItem=&Cascade"}));
    a->Show();
    b->Show();
    EXPECT_EQ(WindowList(), (std::vector<std::string>{"CascadeItem=&Cascade", "DIVIDER_DSFCHILDITEM",
                                                      "ChildA_DSFCHILDITEM=Child A",
                                                      "ChildB_DSFCHILDITEM*=Child B"}));
    a->Show();
    EXPECT_EQ(WindowList()[2], "ChildA_DSFCHILDITEM*=Child A");
    EXPECT_EQ(WindowList()[3], "ChildB_DSFCHILDITEM=Child B");

    b->SetCaption("Second");
    EXPECT_EQ(WindowList()[3], "ChildB_DSFCHILDITEM=Second");

    // Choosing an item brings a minimized child back and to the front.
    EngineOf(b)->SetFormState(sk::wsMinimized);
    windowItem->Items(3)->Click();
    EXPECT_EQ(EngineOf(b)->WindowState(), sk::wsNormal);
    EXPECT_EQ(parent->ActiveMDIChild(), b);
    EXPECT_EQ(WindowList()[3], "ChildB_DSFCHILDITEM*=Second");

    b->Hide();
    EXPECT_EQ(WindowList(), (std::vector<std::string>{"CascadeItem=&Cascade", "DIVIDER_DSFCHILDITEM",
                                                      "ChildA_DSFCHILDITEM*=Child A"}));
    a->Close();
    formenginetest::Wait(50);
    EXPECT_EQ(Screen().IndexOfForm(a), -1);
    EXPECT_EQ(WindowList(), (std::vector<std::string>{"CascadeItem=&Cascade"}));
}

TEST_F(MDIEngineTest, AChildClosesWithCtrlF4)
{
    TForm* a = NewChild("ChildA", "Child A");
    TForm* b = NewChild("ChildB", "Child B", 60, 40);
    a->Show();
    b->Show();
    // Its close items say so; the parent's still say Alt+F4.
    gui::TMenuItem* items = EngineOf(b)->GetSystemMenuItems();
    EXPECT_EQ(gui::ShortCutToText(items->Items(items->Count() - 1)->ShortCut()), "Ctrl+F4");
    gui::TMenuItem& tray = EngineOf(b)->SkinPopupMenu().Items();
    EXPECT_EQ(tray.Items(tray.Count() - 1)->Name(), "TRAY_DSF_CLOSE");
    EXPECT_EQ(gui::ShortCutToText(tray.Items(tray.Count() - 1)->ShortCut()), "Ctrl+F4");
    items = engine->GetSystemMenuItems();
    EXPECT_EQ(gui::ShortCutToText(items->Items(items->Count() - 1)->ShortCut()), "Alt+F4");

    FocusOn(b);
    xinput::Key("ctrl+F4");
    EXPECT_TRUE(formenginetest::WaitUntil([&] { return Screen().IndexOfForm(b) == -1; }));
    EXPECT_EQ(parent->MDIChildCount(), 1);
    EXPECT_EQ(parent->ActiveMDIChild(), a);
}

TEST_F(MDIEngineTest, TheKeysOfAChildWorkTheParentsMenuBar)
{
    TForm* a = NewChild("ChildA", "Child A");
    a->Show();
    FocusOn(a);

    // F10 in the child enters the parent's menu mode, the arrows move along
    // its bar, Esc leaves.
    xinput::Key("F10");
    EXPECT_TRUE(engine->MainMenuMode());
    EXPECT_TRUE(bar->MenuMode());
    xinput::Key("Right");
    auto* window = dynamic_cast<sk::TskSkinMainMenuBarItem*>(bar->Objects(bar->ButtonCount() + 1));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->Active());
    xinput::Key("Escape");
    EXPECT_FALSE(engine->MainMenuMode());

    // A child whose own menus take the keys hands them over while the parent's
    // menu mode is on.
    ::SendMessageA(parent->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
    ASSERT_TRUE(engine->MainMenuMode());
    EngineOf(a)->HookAppMessages();
    ::PostMessageA(a->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    formenginetest::Wait(50);
    EXPECT_TRUE(window->Active());
    EngineOf(a)->UnhookAppMessages();
    engine->MainMenuExit();

    // Alt and a letter in the child open the parent's menu of that letter.
    xinput::Key("alt+f");
    EXPECT_TRUE(engine->MainMenuMode());
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 1);
    xinput::Key("Escape");
    EXPECT_EQ(engine->SkinMenu().LevelCount(), 0);
    engine->MainMenuExit();
}

TEST_F(MDIEngineTest, AltMinusOpensTheChildsSystemMenuBelowItsButtonOrBelowTheBarWhenMaximized)
{
    FormSkin withSysMenu{{"[SKINOBJECTS]", "count=2", "0=title:caption", "1=sysbutton:stdbutton", "[title]",
                          "skinrect=26,2,70,18", "textrect=0,0,44,16", "defaultcaption=1", "[sysbutton]",
                          "skinrect=6,4,16,14", "command=cmsysmenu"}};
    TForm* a = NewChild("ChildA", "Child A", 30, 40);
    TskFormSkinEngine* child = EngineOf(a);
    child->SetSkinData(&withSysMenu.Data());
    a->Show();
    auto menuAt = [&]() {
        FocusOn(a);
        xinput::Key("alt+minus");
        RECT r{};
        if (child->SkinMenu().LevelCount() == 1)
            ::GetWindowRect(child->SkinMenu().TopLevel()->Handle(), &r);
        else
            ADD_FAILURE() << "no system menu";
        xinput::Key("Escape");
        xinput::Pump(50);
        return r;
    };

    // Framed: below its system-menu button.
    const gui::TRect button = ObjectRect(a, [](sk::TskActiveSkinObject* o) {
        auto* b = dynamic_cast<sk::TskSkinStdButtonObject*>(o);
        return b && b->Command() == sk::cmSysMenu;
    });
    const gui::TPoint origin = child->FrameScreenOrigin();
    RECT r = menuAt();
    EXPECT_EQ(r.left, origin.X + button.Left);
    EXPECT_EQ(r.top, origin.Y + button.Bottom);

    // Maximized, the child shows no frame: the menu drops from the bar, at the
    // top-left corner of the client window, not from where the hidden button was.
    child->SetFormState(sk::wsMaximized);
    ASSERT_EQ(bar->ButtonCount(), 4);
    POINT corner{0, 0};
    ::ClientToScreen(parent->ClientHandle(), &corner);
    r = menuAt();
    EXPECT_EQ(r.left, corner.x);
    EXPECT_EQ(r.top, corner.y);
    delete a;
}

TEST_F(MDIEngineTest, AClickOnTheParentClosesTheMenuOfItsActiveChild)
{
    TForm* a = NewChild("ChildA", "Child A");
    a->Show();
    TskFormSkinEngine* child = EngineOf(a);
    child->SkinMenuOpen();
    const gui::TPoint at = child->FrameScreenOrigin();
    child->SkinMenu().Popup(nullptr, &skin.Data(), 0, gui::Rect(at.X + 20, at.Y + 20, at.X + 20, at.Y + 20),
                            child->GetSystemMenuItems(), false);
    ASSERT_EQ(child->SkinMenu().LevelCount(), 1);
    // A press on the parent's frame where nothing is.
    ::SendMessageA(parent->Handle(), WM_NCLBUTTONDOWN, HTNOWHERE, 0);
    EXPECT_EQ(child->SkinMenu().LevelCount(), 0);
    formenginetest::Wait(50);
    EXPECT_FALSE(child->MenuOpen());
}

TEST_F(MDIEngineTest, TheClientWindowShowsTheSkinsBackgroundOrTheWorkspaceColour)
{
    const HWND client = parent->ClientHandle();
    auto pixel = [&](int x, int y) {
        ::RedrawWindow(client, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ERASENOW | RDW_UPDATENOW);
        HDC dc = ::GetDC(client);
        const COLORREF c = ::GetPixel(dc, x, y);
        ::ReleaseDC(client, dc);
        return c;
    };
    // No border of its own: the client area is the whole window.
    RECT wr{}, cr{};
    ::GetWindowRect(client, &wr);
    ::GetClientRect(client, &cr);
    EXPECT_EQ(cr.right, wr.right - wr.left);
    EXPECT_EQ(cr.bottom, wr.bottom - wr.top);

    // The skin's client rectangle (4, 20)-(96, 56) of the ramp, tiled from the
    // top-left corner: red x, green y.
    HDC picture = skin.Data().Picture().Canvas().Handle();
    EXPECT_EQ(pixel(0, 0), ::GetPixel(picture, 4, 20));
    EXPECT_EQ(pixel(93, 37), ::GetPixel(picture, 5, 21));

    engine->SetSkinData(nullptr);
    EXPECT_EQ(pixel(5, 5), gui::ColorToRGB(gui::clAppWorkSpace));

    // The engine goes: the client window's own procedure takes over, border
    // and all, and paints the system's workspace instead of the skin.
    engine->SetSkinData(&skin.Data());
    EXPECT_EQ(pixel(0, 0), ::GetPixel(picture, 4, 20));
    const LONG_PTR hooked = ::GetWindowLongPtrA(client, GWLP_WNDPROC);
    delete engine;
    EXPECT_NE(::GetWindowLongPtrA(client, GWLP_WNDPROC), hooked);
    ::GetWindowRect(client, &wr);
    ::GetClientRect(client, &cr);
    EXPECT_LT(cr.right, wr.right - wr.left);
    EXPECT_EQ(pixel(5, 5), ::GetSysColor(COLOR_APPWORKSPACE));
}

TEST_F(MDIEngineTest, AnMDIProgramStartingInTheTrayKeepsItsApplicationWindowHidden)
{
    auto* tray = new sk::TskTrayIcon(parent);
    tray->SetMinimizedOnStart(true);
    const HWND app = gui::Application().Handle();
    ::ShowWindow(app, SW_SHOWNOACTIVATE);
    EXPECT_FALSE(::IsWindowVisible(app));
    // Only the first time.
    ::ShowWindow(app, SW_SHOWNOACTIVATE);
    EXPECT_TRUE(::IsWindowVisible(app));
    ::ShowWindow(app, SW_HIDE);
    delete tray;
}

// ---- Tool windows ----

class ToolWindowTest : public formenginetest::FormEngineTest {};

TEST_F(ToolWindowTest, HaveTheSmallCaptionAndButtonsOfTheDefaultFrame)
{
    auto* engine = new TskFormSkinEngine(form);
    for (gui::TFormBorderStyle style : {gui::bsToolWindow, gui::bsSizeToolWin, gui::bsSizeable}) {
        form->SetBorderStyle(style);
        form->Show();
        formenginetest::Wait(20);
        const bool tool = style != gui::bsSizeable;
        const int caption = tool ? 15 : 19, button = tool ? 13 : 17;
        EXPECT_EQ(engine->DefCaptionHeight(), caption);
        EXPECT_EQ(engine->DefButtonSize(), button);
        // The client area starts below the caption and the border.
        const gui::TRect client = ClientInWindow();
        EXPECT_EQ(client.Top, caption + 3) << style;
        EXPECT_EQ(client.Left, 3);
        // The caption row, then the client area.
        EXPECT_EQ(HitTest(60, 3 + caption / 2), HTCAPTION) << style;
        EXPECT_EQ(HitTest(60, caption + 3), HTCLIENT) << style;
        // The close button: a square of the button size at the right end.
        const int right = form->Width() - 3;
        EXPECT_EQ(HitTest(right - button / 2, 4 + button / 2), HTOBJECT) << style;
        EXPECT_EQ(HitTest(right - button - 1, 4 + button / 2), HTOBJECT) << style;  // the maximize button
        formenginetest::Wait(80);
        int closeIndex = -1;
        for (int i = 0; i < engine->ObjectCount(); ++i)
            if (auto* b = dynamic_cast<sk::TskSkinStdButtonObject*>(engine->Objects(i));
                b && b->Command() == sk::cmClose)
                closeIndex = i;
        ASSERT_GE(closeIndex, 0);
        const gui::TRect r = engine->Objects(closeIndex)->ObjectRect();
        EXPECT_EQ(r.Right - r.Left, button);
        EXPECT_EQ(r.Bottom - r.Top, button);
        EXPECT_EQ(r.Right, right);
        // The caption's grooves end where the caption does: the last one in
        // shadow colour four rows above its end.
        const int x = 3 + button + 4;  // just right of the system-menu button
        form->Perform(WM_NCPAINT, 1, 0);
        EXPECT_EQ(FramePixel(x, 3 + caption - 4), gui::ColorToRGB(gui::clBtnShadow)) << style;
        EXPECT_EQ(FramePixel(x, 3 + caption - 3), gui::ColorToRGB(gui::clBtnFace)) << style;
        form->Hide();
    }
}
