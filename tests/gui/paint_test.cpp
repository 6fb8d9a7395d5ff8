// Painting: a windowed control paints itself and then its graphic children, each
// moved to its place and clipped to it, whether the DC is the window's own or one
// handed in; children that move or hide have their areas painted again.
#include <gtest/gtest.h>

#include "control_probes.h"
#include "gui/controls/form.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/win_types.h"

using namespace gui;
using guitest::ColourBox;
using guitest::ColourPanel;

namespace {

// A graphic control that paints only its left half.
class HalfBox : public ColourBox {
public:
    using ColourBox::ColourBox;

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(Color());
        Canvas().FillRect(Rect(0, 0, Width() / 2, Height()));
    }
};

class PaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetBounds(100, 100, 300, 200);
        panel = new ColourPanel(&form, clBlue);
        panel->SetBounds(10, 10, 100, 60);
        panel->SetParent(&form);
        box = new ColourBox(&form, clRed);
        box->SetBounds(10, 10, 20, 20);
        box->SetParent(panel);
        target.SetSize(100, 60);
        target.Canvas().Brush().SetColor(clWhite);
        target.Canvas().FillRect(Rect(0, 0, 100, 60));
    }
    TColor At(int x, int y) { return target.Canvas().Pixels(x, y); }
    void PaintPanel() { panel->Perform(WM_PAINT, reinterpret_cast<WPARAM>(target.Canvas().Handle()), 0); }

    TForm form{nullptr};
    ColourPanel* panel = nullptr;
    ColourBox* box = nullptr;
    TBitmap target;
};

}  // namespace

TEST_F(PaintTest, AHandedInDCGetsTheControlAndThenItsGraphicChildren)
{
    PaintPanel();
    EXPECT_EQ(At(5, 5), clBlue);
    EXPECT_EQ(At(10, 10), clRed);
    EXPECT_EQ(At(29, 29), clRed);
    EXPECT_EQ(At(30, 30), clBlue);  // clipped to the child
    EXPECT_EQ(panel->paints, 1);
    EXPECT_EQ(box->paints, 1);

    // A child outside the DC's clipping is not asked to paint; a hidden one neither.
    ::IntersectClipRect(target.Canvas().Handle(), 50, 0, 100, 60);
    PaintPanel();
    EXPECT_EQ(box->paints, 1);
    ::SelectClipRgn(target.Canvas().Handle(), nullptr);
    box->Hide();
    PaintPanel();
    EXPECT_EQ(box->paints, 1);
}

TEST_F(PaintTest, AnOpaqueGraphicChildsAreaIsLeftToIt)
{
    auto* half = new HalfBox(&form, clLime);
    half->SetBounds(50, 10, 20, 20);
    half->SetControlStyle(half->ControlStyle() | TControlStyle{csOpaque});
    half->SetParent(panel);
    PaintPanel();
    EXPECT_EQ(At(55, 15), clLime);
    EXPECT_EQ(At(65, 15), clWhite);  // neither the child nor the panel painted here
    EXPECT_EQ(At(75, 15), clBlue);
}

TEST_F(PaintTest, TheWindowShowsWhatItsControlsPaint)
{
    form.SetColor(clYellow);
    form.Show();
    ::UpdateWindow(form.Handle());
    win::WindowDC formDC(form.Handle());
    EXPECT_EQ(TColor(::GetPixel(formDC.Get(), 200, 150)), clYellow);  // the form's background
    win::WindowDC panelDC(panel->Handle());
    EXPECT_EQ(TColor(::GetPixel(panelDC.Get(), 2, 2)), clBlue);
    EXPECT_EQ(TColor(::GetPixel(panelDC.Get(), 15, 15)), clRed);
}

TEST_F(PaintTest, AGraphicChildThatMovesOrHidesHasItsAreasPaintedAgain)
{
    form.Show();
    ::UpdateWindow(form.Handle());
    const auto invalid = [&] {
        RECT r{};
        ::GetUpdateRect(panel->Handle(), &r, FALSE);
        ::ValidateRect(panel->Handle(), nullptr);
        return FromRECT(r);
    };
    box->SetBounds(40, 30, 20, 20);
    EXPECT_EQ(invalid(), Rect(10, 10, 60, 50));  // the old place and the new
    box->Hide();
    EXPECT_EQ(invalid(), Rect(40, 30, 60, 50));
    box->Show();
    box->BringToFront();
    EXPECT_EQ(invalid(), Rect(40, 30, 60, 50));
}
