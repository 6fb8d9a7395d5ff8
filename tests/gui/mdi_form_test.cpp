// Multiple-document forms: a parent whose client window of the system's fills
// what its aligned controls leave, child forms made inside it and listed in the
// system's order, activation, release of a closed child, and tool-window frames.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "control_probes.h"
#include "gui/application.h"
#include "gui/exceptions.h"
#include "gui/form.h"
#include "gui/screen.h"

using namespace gui;

namespace {

std::string ClassOf(HWND window)
{
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

RECT ClientRectOf(HWND window)
{
    RECT r{};
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class MDIForms : public ::testing::Test {
protected:
    MDIForms() : parent(new TForm(nullptr))
    {
        parent->SetFormStyle(fsMDIForm);
        parent->SetBounds(40, 40, 500, 360);
        parent->SetCaption("Parent");
        Application().SetMainForm(parent);
    }
    ~MDIForms() override
    {
        delete parent;
        guitest::Pump();
    }

    TForm* NewChild(const std::string& caption)
    {
        auto* child = new TForm(parent);
        child->SetFormStyle(fsMDIChild);
        child->SetName(caption);
        child->SetCaption(caption);
        child->SetBounds(10, 10, 200, 150);
        return child;
    }

    TForm* parent;
};

}  // namespace

TEST_F(MDIForms, TheClientWindowFillsWhatTheAlignedControlsLeave)
{
    auto* bar = new guitest::ColourPanel(parent);
    bar->SetHeight(24);
    bar->SetAlign(alTop);
    bar->SetParent(parent);
    parent->Show();
    const HWND client = parent->ClientHandle();
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(::lstrcmpiA(ClassOf(client).c_str(), "MDICLIENT"), 0) << ClassOf(client);
    EXPECT_EQ(::GetParent(client), parent->Handle());
    RECT cr{};
    ::GetClientRect(parent->Handle(), &cr);
    RECT r = ClientRectOf(client);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 24);
    EXPECT_EQ(r.right, cr.right);
    EXPECT_EQ(r.bottom, cr.bottom);

    // It follows the parent's size.
    parent->SetBounds(40, 40, 420, 300);
    ::GetClientRect(parent->Handle(), &cr);
    r = ClientRectOf(client);
    EXPECT_EQ(r.top, 24);
    EXPECT_EQ(r.right, cr.right);
    EXPECT_EQ(r.bottom, cr.bottom);

    // An ordinary form has none.
    TForm plain(nullptr);
    plain.HandleNeeded();
    EXPECT_EQ(plain.ClientHandle(), nullptr);
    EXPECT_EQ(plain.MDIChildCount(), 0);
    EXPECT_EQ(plain.ActiveMDIChild(), nullptr);
}

TEST_F(MDIForms, ChildrenLiveInTheClientWindowInTheSystemsOrder)
{
    parent->Show();
    TForm* first = NewChild("First");
    TForm* second = NewChild("Second");
    first->Show();
    second->Show();
    guitest::Pump();

    EXPECT_EQ(::GetParent(first->Handle()), parent->ClientHandle());
    EXPECT_TRUE(::GetWindowLongPtrA(first->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
    ASSERT_EQ(parent->MDIChildCount(), 2);
    // The active child is in front.
    EXPECT_EQ(parent->ActiveMDIChild(), second);
    EXPECT_EQ(parent->MDIChildren(0), second);
    EXPECT_EQ(parent->MDIChildren(1), first);
    EXPECT_THROW(parent->MDIChildren(2), EListError);

    first->Show();
    EXPECT_EQ(parent->ActiveMDIChild(), first);
    EXPECT_EQ(parent->MDIChildren(0), first);

    // Bounds are in the client window's coordinates.
    first->SetBounds(30, 20, 180, 120);
    EXPECT_EQ(first->Left(), 30);
    EXPECT_EQ(first->Top(), 20);
    const RECT r = ClientRectOf(first->Handle());
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 20);
}

TEST_F(MDIForms, AnActivatedChildGivesTheFocusBackToItsControlAndIsTheScreensActiveForm)
{
    parent->Show();
    ::SetForegroundWindow(parent->Handle());
    TForm* first = NewChild("First");
    auto* edit = new guitest::ColourPanel(first);
    edit->SetBounds(10, 10, 60, 20);
    edit->SetTabStop(true);
    edit->SetParent(first);
    TForm* second = NewChild("Second");
    first->Show();
    edit->SetFocus();
    second->Show();
    guitest::Pump();
    EXPECT_EQ(Screen().ActiveForm(), second);
    EXPECT_FALSE(edit->Focused());

    first->Show();
    guitest::Pump();
    EXPECT_EQ(Screen().ActiveForm(), first);
    EXPECT_TRUE(edit->Focused());
}

TEST_F(MDIForms, AClosedChildIsFreedAndTheNextOneBecomesActive)
{
    parent->Show();
    TForm* first = NewChild("First");
    TForm* second = NewChild("Second");
    first->Show();
    second->Show();
    const int forms = Screen().FormCount();

    ::SendMessageA(second->Handle(), WM_CLOSE, 0, 0);
    // Not while its own message is handled...
    EXPECT_EQ(Screen().FormCount(), forms);
    guitest::Pump();
    // ...but from the loop.
    EXPECT_EQ(Screen().FormCount(), forms - 1);
    EXPECT_EQ(Screen().IndexOfForm(second), -1);
    ASSERT_EQ(parent->MDIChildCount(), 1);
    EXPECT_EQ(parent->ActiveMDIChild(), first);

    // Closing twice, or freeing before the loop comes round, frees it once.
    first->Close();
    first->Close();
    delete first;
    guitest::Pump();
    EXPECT_EQ(parent->MDIChildCount(), 0);
    EXPECT_EQ(parent->ActiveMDIChild(), nullptr);

    // An ordinary form only hides.
    TForm plain(nullptr);
    plain.Show();
    plain.Close();
    guitest::Pump();
    EXPECT_FALSE(plain.Visible());
    EXPECT_GE(Screen().IndexOfForm(&plain), 0);
}

TEST_F(MDIForms, AHiddenChildLeavesTheActivationToTheNextOne)
{
    parent->Show();
    TForm* first = NewChild("First");
    TForm* second = NewChild("Second");
    first->Show();
    second->Show();
    second->Hide();
    guitest::Pump();
    EXPECT_FALSE(::IsWindowVisible(second->Handle()));
    EXPECT_EQ(parent->ActiveMDIChild(), first);
    second->Show();
    EXPECT_EQ(parent->ActiveMDIChild(), second);
}

TEST_F(MDIForms, AChildNeedsAnMDIParentAsMainForm)
{
    TForm plain(nullptr);
    Application().SetMainForm(&plain);
    TForm child(nullptr);
    child.SetFormStyle(fsMDIChild);
    EXPECT_THROW(child.Show(), EInvalidOperation);
    EXPECT_FALSE(child.HandleAllocated());
    Application().SetMainForm(parent);
}

TEST_F(MDIForms, TheClientWindowIsSubclassedOnlyWhileAHandlerListens)
{
    parent->Show();
    const HWND client = parent->ClientHandle();
    const LONG_PTR own = ::GetWindowLongPtrA(client, GWLP_WNDPROC);
    int erased = 0;
    std::unique_ptr<TWndProcHook> hook;
    hook = std::make_unique<TWndProcHook>(parent->ClientWindowProc(), [&](TMessage& m) {
        if (m.Msg == WM_ERASEBKGND)
            ++erased;
        hook->CallNext(m);
    });
    EXPECT_NE(::GetWindowLongPtrA(client, GWLP_WNDPROC), own);
    ::RedrawWindow(client, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ERASENOW);
    EXPECT_GT(erased, 0);

    // The handler stays across a new window of the form.
    parent->SetBorderStyle(bsSingle);
    ASSERT_NE(parent->ClientHandle(), nullptr);
    erased = 0;
    ::RedrawWindow(parent->ClientHandle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ERASENOW);
    EXPECT_GT(erased, 0);

    hook.reset();
    EXPECT_EQ(::GetWindowLongPtrA(parent->ClientHandle(), GWLP_WNDPROC), own);
}

TEST(ToolWindows, TakeTheSmallCaptionFixedOrSizeable)
{
    TForm tool(nullptr);
    tool.SetBorderStyle(bsToolWindow);
    const HWND window = tool.Handle();
    EXPECT_TRUE(::GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(::GetWindowLongPtrA(window, GWL_STYLE) & WS_CAPTION);
    EXPECT_FALSE(::GetWindowLongPtrA(window, GWL_STYLE) & WS_THICKFRAME);
    tool.SetBorderStyle(bsSizeToolWin);
    EXPECT_TRUE(::GetWindowLongPtrA(tool.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(::GetWindowLongPtrA(tool.Handle(), GWL_STYLE) & WS_THICKFRAME);
}
