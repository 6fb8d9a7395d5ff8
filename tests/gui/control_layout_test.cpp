// Where controls go: alignment in the parent's client area, anchors when the
// parent is resized, the z-order of children, parents that come and go, tab order.
#include <gtest/gtest.h>

#include <memory>

#include "control_probes.h"
#include "gui/controls/form.h"
#include "gui/core/exceptions.h"
#include "gui/graphics/win_types.h"

using namespace gui;
using guitest::ColourBox;
using guitest::ColourPanel;

namespace {

TRect ClientOf(TWinControl& c) { return c.ClientRect(); }

// A control that only takes heights in steps of 10, as skinned controls snap to
// their skin.
class SteppedPanel : public ColourPanel {
public:
    using ColourPanel::ColourPanel;
    void SetBounds(int left, int top, int width, int height) override
    {
        ColourPanel::SetBounds(left, top, width, height / 10 * 10);
    }
};

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetBounds(50, 50, 400, 300);
        form.HandleNeeded();
    }
    template <typename T>
    T* Child(TAlign align, const TRect& bounds, TWinControl* parent = nullptr)
    {
        auto* c = new T(&form);
        c->SetBoundsRect(bounds);
        c->SetParent(parent ? parent : &form);
        c->SetAlign(align);
        return c;
    }
    TForm form{nullptr};
};

}  // namespace

TEST_F(LayoutTest, AlignedChildrenShareTheClientAreaEdgeByEdge)
{
    const TRect client = ClientOf(form);
    const int w = client.Right, h = client.Bottom;
    auto* bottom = Child<ColourPanel>(alBottom, Rect(0, 0, 10, 20));
    auto* top2 = Child<ColourPanel>(alTop, Bounds(0, 50, 10, 20));
    auto* top1 = Child<ColourBox>(alTop, Bounds(0, -5, 10, 15));  // graphic, nearer the top
    auto* left = Child<ColourPanel>(alLeft, Rect(0, 0, 40, 10));
    auto* right = Child<ColourBox>(alRight, Rect(0, 0, 30, 10));
    auto* client1 = Child<ColourPanel>(alClient, Rect(0, 0, 1, 1));

    EXPECT_EQ(top1->BoundsRect(), Rect(0, 0, w, 15));
    EXPECT_EQ(top2->BoundsRect(), Rect(0, 15, w, 35));
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, h - 20, w, h));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 35, 40, h - 20));
    EXPECT_EQ(right->BoundsRect(), Rect(w - 30, 35, w, h - 20));
    EXPECT_EQ(client1->BoundsRect(), Rect(40, 35, w - 30, h - 20));
    // The window follows the control.
    RECT r;
    ::GetWindowRect(client1->Handle(), &r);
    ::MapWindowPoints(HWND_DESKTOP, form.Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(FromRECT(r), client1->BoundsRect());

    // A hidden child gives its space back; the form's new size is shared out anew.
    top1->Hide();
    EXPECT_EQ(top2->Top(), 0);
    EXPECT_EQ(left->Top(), 20);
    form.SetBounds(50, 50, 500, 400);
    const TRect bigger = ClientOf(form);
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, bigger.Bottom - 20, bigger.Right, bigger.Bottom));
    EXPECT_EQ(client1->BoundsRect(), Rect(40, 20, bigger.Right - 30, bigger.Bottom - 20));

    // Moving an aligned child above another reorders them.
    top1->Show();
    top2->SetTop(-5);
    EXPECT_EQ(top2->Top(), 0);
    EXPECT_EQ(top1->Top(), 20);
}

TEST_F(LayoutTest, AChildThatKeepsASizeOfItsOwnTakesWhatItHas)
{
    auto* stepped = Child<SteppedPanel>(alTop, Rect(0, 0, 10, 27));
    auto* next = Child<ColourPanel>(alTop, Bounds(0, 100, 10, 10));
    EXPECT_EQ(stepped->Height(), 20);
    EXPECT_EQ(next->Top(), 20);
    auto* fill = Child<SteppedPanel>(alClient, Rect(0, 0, 1, 1));
    EXPECT_EQ(fill->Top(), 30);
    EXPECT_EQ(fill->Height() % 10, 0);
}

TEST_F(LayoutTest, AnchorsKeepTheirDistancesWhenTheParentIsResized)
{
    auto* right = Child<ColourPanel>(alNone, Rect(300, 10, 350, 30));
    right->SetAnchors({akRight, akTop});
    auto* stretch = Child<ColourBox>(alNone, Rect(10, 100, 390, 120));
    stretch->SetAnchors({akLeft, akRight, akBottom});
    auto* centre = Child<ColourPanel>(alNone, Rect(100, 200, 140, 220));
    centre->SetAnchors({});
    auto* fixed = Child<ColourPanel>(alNone, Rect(5, 5, 15, 15));
    const TRect before = ClientOf(form);

    form.SetBounds(50, 50, 600, 350);
    const TRect after = ClientOf(form);
    const int dw = after.Right - before.Right, dh = after.Bottom - before.Bottom;
    EXPECT_EQ(right->BoundsRect(), Rect(300 + dw, 10, 350 + dw, 30));
    EXPECT_EQ(stretch->BoundsRect(), Rect(10, 100 + dh, 390 + dw, 120 + dh));
    EXPECT_EQ(centre->Left(), ::MulDiv(120, after.Right, before.Right) - 20);
    EXPECT_EQ(centre->Width(), 40);
    EXPECT_EQ(fixed->BoundsRect(), Rect(5, 5, 15, 15));

    // Back to the first size, everything is where it began: the distances are
    // measured from where the caller put the controls, not from each step.
    form.SetBounds(50, 50, 333, 277);
    form.SetBounds(50, 50, 400, 300);
    EXPECT_EQ(right->BoundsRect(), Rect(300, 10, 350, 30));
    EXPECT_EQ(centre->BoundsRect(), Rect(100, 200, 140, 220));
    // A control moved by its caller measures from its new place.
    right->SetLeft(200);
    form.SetBounds(50, 50, 500, 300);
    EXPECT_EQ(right->Left(), 300);
}

TEST_F(LayoutTest, WhileLoadingAlignmentWaitsAndAnchorsMeasureFromTheEnd)
{
    TForm loading(nullptr);
    loading.BeginLoading();
    auto* bar = new ColourPanel(&loading);
    bar->SetParent(&loading);
    bar->SetBounds(0, 50, 10, 20);
    bar->SetAlign(alBottom);
    auto* button = new ColourPanel(&loading);
    button->SetParent(&loading);
    button->SetAnchors({akRight, akBottom});
    EXPECT_EQ(bar->Top(), 50);  // not aligned yet
    loading.SetBounds(0, 0, 300, 200);
    button->SetBounds(200, 100, 50, 20);  // placed for the final size
    loading.EndLoading();
    const TRect client = loading.ClientRect();
    EXPECT_EQ(bar->BoundsRect(), Rect(0, client.Bottom - 20, client.Right, client.Bottom));
    EXPECT_EQ(button->BoundsRect(), Rect(200, 100, 250, 120));
    loading.SetBounds(0, 0, 320, 200);
    EXPECT_EQ(button->Left(), 220);
}

TEST_F(LayoutTest, ChildrenAreListedGraphicFirstInZOrderAndWindowsFollow)
{
    auto* a = Child<ColourPanel>(alNone, Rect(0, 0, 10, 10));
    auto* g1 = Child<ColourBox>(alNone, Rect(0, 0, 10, 10));
    auto* b = Child<ColourPanel>(alNone, Rect(0, 0, 10, 10));
    auto* g2 = Child<ColourBox>(alNone, Rect(0, 0, 10, 10));
    ASSERT_EQ(form.ControlCount(), 4);
    EXPECT_EQ(form.Controls(0), g1);
    EXPECT_EQ(form.Controls(1), g2);
    EXPECT_EQ(form.Controls(2), a);
    EXPECT_EQ(form.Controls(3), b);
    EXPECT_THROW(form.Controls(4), EListError);
    // The system's z-order has the last one on top.
    EXPECT_EQ(::GetWindow(form.Handle(), GW_CHILD), b->Handle());
    EXPECT_EQ(::GetWindow(b->Handle(), GW_HWNDNEXT), a->Handle());

    a->BringToFront();
    g1->BringToFront();
    EXPECT_EQ(form.Controls(1), g1);
    EXPECT_EQ(form.Controls(3), a);
    EXPECT_EQ(::GetWindow(form.Handle(), GW_CHILD), a->Handle());
    a->SendToBack();
    EXPECT_EQ(form.Controls(2), a);
    EXPECT_EQ(::GetWindow(b->Handle(), GW_HWNDNEXT), a->Handle());

    // A window made later for the middle child goes between its neighbours.
    form.RecreateWnd();
    EXPECT_EQ(::GetWindow(form.Handle(), GW_CHILD), b->Handle());
    EXPECT_EQ(::GetWindow(b->Handle(), GW_HWNDNEXT), a->Handle());
}

TEST_F(LayoutTest, ParentsComeAndGoWithoutTakingTheirChildren)
{
    auto* panel = Child<ColourPanel>(alNone, Rect(0, 0, 100, 100));
    auto* inner = Child<ColourPanel>(alNone, Rect(5, 5, 20, 20), panel);
    auto* box = Child<ColourBox>(alNone, Rect(5, 5, 20, 20), panel);
    EXPECT_TRUE(inner->HandleAllocated());
    EXPECT_EQ(::GetParent(inner->Handle()), panel->Handle());
    EXPECT_TRUE(form.ContainsControl(inner));
    EXPECT_THROW(panel->SetParent(inner), EInvalidOperation);
    EXPECT_THROW(panel->SetParent(panel), EInvalidOperation);

    // Moved to another parent, a windowed child gets a window there.
    inner->SetParent(&form);
    EXPECT_EQ(::GetParent(inner->Handle()), form.Handle());
    EXPECT_EQ(panel->ControlCount(), 1);

    // A parent that goes leaves its children alive and without a parent.
    std::unique_ptr<ColourPanel> owned(new ColourPanel(nullptr));
    owned->SetParent(panel);
    delete panel;
    EXPECT_EQ(box->Parent(), nullptr);
    EXPECT_EQ(owned->Parent(), nullptr);
    EXPECT_FALSE(owned->HandleAllocated());
    EXPECT_THROW(owned->Handle(), EInvalidOperation);  // no parent window to sit in
    EXPECT_EQ(form.ControlCount(), 1);
    delete box;
    // A child that goes leaves its parent's lists.
    delete inner;
    EXPECT_EQ(form.ControlCount(), 0);
}

TEST_F(LayoutTest, TabOrderIsAPlaceInTheParentsList)
{
    auto* a = Child<ColourPanel>(alNone, Rect(0, 0, 10, 10));
    auto* b = Child<ColourPanel>(alNone, Rect(0, 0, 10, 10));
    auto* c = new ColourPanel(&form);
    c->SetTabOrder(0);  // kept until it has a parent
    c->SetParent(&form);
    EXPECT_EQ(c->TabOrder(), 0);
    EXPECT_EQ(a->TabOrder(), 1);
    EXPECT_EQ(b->TabOrder(), 2);
    a->SetTabOrder(99);
    EXPECT_EQ(a->TabOrder(), 2);
    a->SetTabOrder(-3);
    EXPECT_EQ(a->TabOrder(), 0);
    EXPECT_EQ(c->TabOrder(), 1);
    c->SetTabStop(true);
    EXPECT_TRUE(::GetWindowLongPtrA(c->Handle(), GWL_STYLE) & WS_TABSTOP);
}
