// Forms: listed by the screen in creation order for exactly their lifetime, with
// a window made on demand whose messages reach the form.
#include <gtest/gtest.h>

#include <memory>

#include "control_probes.h"
#include "gui/controls/form.h"
#include "gui/controls/screen.h"
#include "gui/core/exceptions.h"

using namespace gui;

namespace {

class CountingForm : public TForm {
public:
    using TForm::TForm;
    int pings = 0;

protected:
    void WndProc(TMessage& message) override
    {
        if (message.Msg == WM_APP + 1) {
            ++pings;
            message.Result = 42;
            return;
        }
        TForm::WndProc(message);
    }
};

}  // namespace

TEST(Form, ScreenListsFormsInCreationOrderWhileTheyLive)
{
    const int before = Screen().FormCount();
    auto first = std::make_unique<TForm>(nullptr);
    auto second = std::make_unique<TForm>(nullptr);
    auto* owned = new TForm(second.get());
    ASSERT_EQ(Screen().FormCount(), before + 3);
    EXPECT_EQ(Screen().Forms(before), first.get());
    EXPECT_EQ(Screen().Forms(before + 1), second.get());
    EXPECT_EQ(Screen().Forms(before + 2), owned);
    EXPECT_THROW(Screen().Forms(before + 3), EListError);

    first.reset();
    EXPECT_EQ(Screen().IndexOfForm(second.get()), before);
    second.reset();  // takes the form it owns along
    EXPECT_EQ(Screen().FormCount(), before);
}

TEST(Form, WindowIsMadeOnDemandAndDispatchesToTheForm)
{
    CountingForm form(nullptr);
    EXPECT_FALSE(form.HandleAllocated());
    const HWND window = form.Handle();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(form.Handle(), window);
    EXPECT_EQ(::SendMessageA(window, WM_APP + 1, 0, 0), 42);
    EXPECT_EQ(form.pings, 1);

    // Destroyed from outside, the window is no longer the form's.
    ::DestroyWindow(window);
    EXPECT_FALSE(form.HandleAllocated());
    EXPECT_TRUE(::IsWindow(form.Handle()));
}

TEST(Form, DestroyingTheFormDestroysItsWindow)
{
    HWND window;
    {
        TForm form(nullptr);
        window = form.Handle();
        EXPECT_TRUE(::IsWindow(window));
    }
    EXPECT_FALSE(::IsWindow(window));
}

TEST(Form, ShowingMakesTheWindowVisibleWithItsChildren)
{
    TForm form(nullptr);
    form.SetCaption("Brenvale test");
    auto* child = new guitest::ColourPanel(&form);
    child->SetParent(&form);
    EXPECT_FALSE(form.HandleAllocated());
    form.Show();
    ASSERT_TRUE(form.HandleAllocated());
    EXPECT_TRUE(::IsWindowVisible(form.Handle()));
    EXPECT_TRUE(form.Showing());
    EXPECT_TRUE(child->Showing());
    EXPECT_EQ(::GetParent(child->Handle()), form.Handle());
    char caption[32] = {};
    ::GetWindowTextA(form.Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Brenvale test");
    form.Hide();
    EXPECT_FALSE(::IsWindowVisible(form.Handle()));
    EXPECT_FALSE(child->Showing());

    // Closed by its close box, the form hides and keeps its window.
    form.Show();
    const HWND window = form.Handle();
    ::SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(::IsWindow(window));
    EXPECT_FALSE(::IsWindowVisible(window));

    // Destroyed from outside, the form makes its window anew, children included.
    ::DestroyWindow(form.Handle());
    EXPECT_FALSE(child->HandleAllocated());
    EXPECT_EQ(::GetParent(child->Handle()), form.Handle());
}

TEST(Screen, BoundsOffEveryMonitorComeBackOntoTheWorkArea)
{
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const TRect inside = Rect(work.left + 50, work.top + 40, work.left + 450, work.top + 340);
    EXPECT_EQ(BoundsOnWorkArea(inside), inside);
    // Hanging over the edges, but with a caption to take: left alone.
    const TRect overhanging = Rect(work.right - 100, work.bottom - 60, work.right + 300, work.bottom + 240);
    EXPECT_EQ(BoundsOnWorkArea(overhanging), overhanging);
    // Right of every monitor, above them, beyond both: moved just inside.
    EXPECT_EQ(BoundsOnWorkArea(Rect(work.right + 4000, work.top + 40, work.right + 4400, work.top + 340)),
              Rect(work.right - 400, work.top + 40, work.right, work.top + 340));
    EXPECT_EQ(BoundsOnWorkArea(Rect(work.left + 50, work.top - 3000, work.left + 450, work.top - 2700)),
              Rect(work.left + 50, work.top, work.left + 450, work.top + 300));
    EXPECT_EQ(BoundsOnWorkArea(Rect(-9000, -9000, -8600, -8700)),
              Rect(work.left, work.top, work.left + 400, work.top + 300));
    // The caption just above the top: its band is not on the work area.
    EXPECT_EQ(BoundsOnWorkArea(Rect(work.left + 50, work.top - 20, work.left + 450, work.top + 280)),
              Rect(work.left + 50, work.top, work.left + 450, work.top + 300));
    // A window larger than the work area it comes back to is fitted to it.
    EXPECT_EQ(BoundsOnWorkArea(Rect(work.right + 100, work.top, work.right + 100 + 2 * (work.right - work.left),
                                    work.top + 200)),
              Rect(work.left, work.top, work.right, work.top + 200));
    // So is one larger than the work area whose caption shows: its caption buttons
    // and its bottom edge lay off the screen.
    const int workWidth = work.right - work.left, workHeight = work.bottom - work.top;
    EXPECT_EQ(BoundsOnWorkArea(Rect(work.left + 100, work.top + 50, work.left + 100 + workWidth + 900,
                                    work.top + 50 + workHeight + 500)),
              Rect(work.left, work.top, work.right, work.bottom));
    EXPECT_EQ(BoundsOnWorkArea(Rect(work.left + 100, work.top + 50, work.left + 500, work.top + 50 + workHeight + 1)),
              Rect(work.left + 100, work.top, work.left + 500, work.bottom));
}
