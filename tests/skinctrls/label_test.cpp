// The skinned label: the font it draws in with and without the skin element,
// the height of an empty caption, and the engraved look while disabled.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "gui/controls/custom_control.h"
#include "skinctrls/controls/skin_std_label.h"

using namespace gui;
using sk::TskSkinStdLabel;
using skinctrlstest::RGBOf;

namespace {

class LabelTest : public ::testing::Test, public skinctrlstest::ControlTest {
protected:
    void SetUp() override
    {
        skin.AddElement("stdlabel", "stdlabel", {"fontname=Arial", "fontheight=30", "fontcolor=65280"});
        skin.AddElement("small", "stdlabel", {"fontname=Arial", "fontheight=10", "fontcolor=65280"});
        skin.Load();
    }

    TskSkinStdLabel* Make(const std::string& caption)
    {
        auto* l = new TskSkinStdLabel(&form);
        l->SetParent(&form);
        l->SetBounds(10, 10, 100, 20);
        l->DefaultFont().SetColor(clRed);
        l->Font().SetColor(clBlue);
        l->SetCaption(caption);
        return l;
    }
    // The rows of the painted label that hold pixels of the colour.
    int RowsOf(TskSkinStdLabel& l, TColor colour)
    {
        TCanvas& canvas = Painted(l);
        int rows = 0;
        for (int y = 0; y < l.Height(); ++y)
            for (int x = 0; x < l.Width(); ++x)
                if (canvas.Pixels(x, y) == colour) {
                    ++rows;
                    break;
                }
        return rows;
    }
};

}  // namespace

TEST_F(LabelTest, WithoutTheElementTheDefaultFontOrTheFontShows)
{
    auto* l = Make("Label");
    EXPECT_GT(RowsOf(*l, clRed), 0);
    EXPECT_EQ(RowsOf(*l, clBlue), 0);
    l->SetUseSkinFont(false);
    EXPECT_EQ(RowsOf(*l, clRed), 0);
    EXPECT_GT(RowsOf(*l, clBlue), 0);
    // A label is transparent: what lies behind the text stays.
    EXPECT_EQ(Painted(*l).Pixels(0, 0), clFuchsia);
}

TEST_F(LabelTest, TheElementGivesTheColourAndWithUseSkinFontTheFont)
{
    auto* l = Make("Label");
    l->SetAutoSize(false);
    l->SetBounds(10, 10, 150, 40);
    l->SetUseSkinFont(false);
    l->Font().SetHeight(10);
    l->SetSkinData(&skin.Data());
    const int small = RowsOf(*l, TColor(0x00FF00));
    EXPECT_GT(small, 0);
    EXPECT_EQ(RowsOf(*l, clBlue), 0);
    l->SetUseSkinFont(true);
    EXPECT_GT(RowsOf(*l, TColor(0x00FF00)), small + 8);

    // The element is looked up at every drawing; without it the label is plain.
    l->SetSkinDataName("missing");
    EXPECT_GT(RowsOf(*l, clRed), 0);
    // Skin data that goes takes the element with it.
    l->SetSkinDataName("stdlabel");
    delete &skin.Data();
    EXPECT_EQ(l->SkinData(), nullptr);
    EXPECT_GT(RowsOf(*l, clRed), 0);
}

TEST_F(LabelTest, AnEmptyCaptionStillGetsALineOfHeight)
{
    auto* l = Make("Some text");
    TBitmap measure;
    measure.SetSize(10, 10);
    measure.Canvas().Font().Assign(l->DefaultFont());
    const int line = measure.Canvas().TextHeight(" ");
    EXPECT_EQ(l->Height(), line);
    l->SetCaption("");
    EXPECT_EQ(l->Height(), line);
    EXPECT_EQ(l->Width(), measure.Canvas().TextWidth(" "));
    l->SetCaption("&");  // the accelerator mark alone shows nothing
    EXPECT_EQ(l->Height(), line);
}

TEST_F(LabelTest, ADisabledLabelIsEngraved)
{
    auto* l = Make("Engraved");
    l->SetEnabled(false);
    EXPECT_EQ(RowsOf(*l, clRed), 0);
    EXPECT_GT(RowsOf(*l, RGBOf(clBtnShadow)), 0);
    EXPECT_GT(RowsOf(*l, RGBOf(clBtnHighlight)), 0);
}

TEST_F(LabelTest, ItsAcceleratorFocusesItsControl)
{
    class Target : public TCustomControl {
    public:
        using TCustomControl::TCustomControl;
    };
    auto* target = new Target(&form);
    target->SetBounds(200, 10, 50, 20);
    target->SetParent(&form);
    auto* l = Make("&Name && more");
    l->SetFocusControl(target);
    ::SetFocus(form.Handle());
    ::PostMessageA(::GetFocus(), WM_SYSCHAR, 'm', 0);  // "&&" is no accelerator
    Wait(0);
    EXPECT_FALSE(target->Focused());
    ::PostMessageA(::GetFocus(), WM_SYSCHAR, 'n', 0);
    Wait(0);
    EXPECT_TRUE(target->Focused());
    delete target;
    EXPECT_EQ(l->FocusControl(), nullptr);
}
