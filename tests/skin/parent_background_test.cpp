// What lies behind a control: the parent's background and painting, the
// overlapping siblings below the control with their windowed children, and
// nothing of what lies above it.
#include <gtest/gtest.h>

#include <memory>

#include "control_probes.h"
#include "gui/controls/form.h"
#include "gui/graphics/bitmap.h"
#include "skin/imaging/parent_background.h"

using namespace gui;
using guitest::ColourBox;
using guitest::ColourPanel;

namespace {

class ParentBackgroundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetBounds(100, 100, 300, 200);
        form.SetColor(clYellow);
        below = Add<ColourPanel>(&form, Bounds(0, 0, 100, 100), clBlue);
        inner = Add<ColourPanel>(below, Bounds(80, 80, 15, 15), clLime);
        box = Add<ColourBox>(&form, Bounds(100, 40, 20, 20), clRed);
        distant = Add<ColourPanel>(&form, Bounds(200, 0, 50, 50), clGray);
        control = Add<ColourPanel>(&form, Bounds(50, 50, 60, 60), clBlack);
        above = Add<ColourPanel>(&form, Bounds(55, 55, 10, 10), clGreen);
        background.SetSize(60, 60);
    }
    template <typename T>
    T* Add(TWinControl* parent, const TRect& bounds, TColor colour)
    {
        auto* c = new T(&form, colour);
        c->SetBoundsRect(bounds);
        c->SetParent(parent);
        return c;
    }
    TColor At(int x, int y) { return background.Canvas().Pixels(x, y); }

    TForm form{nullptr};
    ColourPanel *below = nullptr, *inner = nullptr, *distant = nullptr, *control = nullptr, *above = nullptr;
    ColourBox* box = nullptr;
    TBitmap background;
};

}  // namespace

TEST_F(ParentBackgroundTest, PaintsTheParentAndTheSiblingsBelowTheControl)
{
    sk::PaintParentBackground(*control, background.Canvas());
    EXPECT_EQ(At(50, 0), clRed);    // the graphic sibling at (100, 40)
    EXPECT_EQ(At(59, 9), clRed);
    EXPECT_EQ(At(12, 12), clBlue);  // the panel below; the one above is left out
    EXPECT_EQ(At(35, 35), clLime);  // the panel's own child
    EXPECT_EQ(At(55, 55), clYellow);  // the form's background
    EXPECT_EQ(distant->paints, 0);
    EXPECT_EQ(above->paints, 0);
    EXPECT_EQ(control->paints, 0);

    // Hidden, a sibling is not painted.
    box->Hide();
    sk::PaintParentBackground(*control, background.Canvas());
    EXPECT_EQ(At(50, 0), clYellow);
}

TEST_F(ParentBackgroundTest, AFormsBackgroundComesThroughItsWindow)
{
    // Whoever has taken over the form's window procedure paints its background.
    TWndProcHook hook(form.WindowProc(), [&](TMessage& m) {
        if (m.Msg != WM_ERASEBKGND) {
            hook.CallNext(m);
            return;
        }
        const RECT r{0, 0, 300, 200};
        win::UniqueBrush brush(::CreateSolidBrush(ColorToRGB(clFuchsia)));
        ::FillRect(reinterpret_cast<HDC>(m.WParam), &r, brush.Get());
        m.Result = 1;
    });
    sk::PaintParentBackground(*control, background.Canvas());
    EXPECT_EQ(At(55, 55), clFuchsia);
}

TEST_F(ParentBackgroundTest, AnotherParentIsErasedAndPaintedWithItsGraphicChildren)
{
    auto* panel = Add<ColourPanel>(&form, Bounds(0, 100, 200, 100), clNavy);
    auto* dot = Add<ColourBox>(panel, Bounds(5, 5, 10, 10), clRed);
    auto* child = Add<ColourPanel>(panel, Bounds(10, 10, 30, 30), clBlack);
    background.SetSize(30, 30);
    sk::PaintParentBackground(*child, background.Canvas());
    EXPECT_EQ(At(0, 0), clRed);
    EXPECT_EQ(At(10, 10), clNavy);
    EXPECT_EQ(panel->paints, 1);
    EXPECT_GE(dot->paints, 1);

    // A canvas with its origin moved gets the same picture moved with it.
    ::SetViewportOrgEx(background.Canvas().Handle(), 10, 10, nullptr);
    sk::PaintParentBackground(*child, background.Canvas());
    ::SetViewportOrgEx(background.Canvas().Handle(), 0, 0, nullptr);
    EXPECT_EQ(At(10, 10), clRed);
    EXPECT_EQ(At(25, 25), clNavy);

    // Without a parent nothing is painted.
    std::unique_ptr<ColourPanel> orphan(new ColourPanel(nullptr, clBlack));
    background.Canvas().Brush().SetColor(clWhite);
    background.Canvas().FillRect(Rect(0, 0, 30, 30));
    sk::PaintParentBackground(*orphan, background.Canvas());
    EXPECT_EQ(At(5, 5), clWhite);
}
