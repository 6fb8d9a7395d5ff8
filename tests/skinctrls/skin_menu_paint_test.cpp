// How the menu windows look: the default look of rows and their marks, the
// skinned window and rows, morphing rows, images, and blending over the screen.
#include <gtest/gtest.h>

#include <cstdlib>

#include "gui/core/color.h"
#include "gui/graphics/image_list.h"
#include "menu_fixture.h"
#include "menu_skin.h"
#include "skin/imaging/effect_bmp.h"

namespace menutest {

namespace {

// The window as it paints itself.
void WindowImage(TskSkinPopupWindow& window, TBitmap& image)
{
    image.SetSize(window.Width(), window.Height());
    window.Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(image.Canvas().Handle()), 0);
}

uint32_t PixelAt(TBitmap& image, int x, int y) { return uint32_t(image.Canvas().Pixels(x, y)); }

bool HasColour(TBitmap& image, const TRect& r, TColor colour)
{
    const uint32_t rgb = ColorToRGB(colour);
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (PixelAt(image, x, y) == rgb)
                return true;
    return false;
}

int Centre(const TRect& r) { return r.Top + 2 + (r.Bottom - r.Top - 4) / 2; }

bool Near(uint32_t a, uint32_t b)
{
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 2)
            return false;
    return true;
}

}  // namespace

using SkinMenuPaintTest = SkinMenuTest;

TEST_F(SkinMenuPaintTest, DefaultRowsShowTheirStateAndMarks)
{
    Add(menu.Items(), "Plain");
    Add(menu.Items(), "Off", false);
    Add(menu.Items(), "Check")->SetChecked(true);
    TMenuItem* radio = Add(menu.Items(), "Radio");
    radio->SetChecked(true);
    radio->SetRadioItem(true);
    Add(*Add(menu.Items(), "More"), "Inner");
    Add(menu.Items(), "Close")->SetName("DSF_CLOSE");
    Open();
    TskSkinPopupWindow& level = Level(0);
    TBitmap image;
    WindowImage(level, image);

    // The window: a shadow frame, the gutter in the button face.
    EXPECT_EQ(ColorToRGB(clBtnShadow), PixelAt(image, 0, 0));
    EXPECT_EQ(ColorToRGB(clBtnFace), PixelAt(image, 5, level.Height() - 3));

    // The selected row: navy frame, light fill.
    const TRect active = level.Rows(0)->ItemRect();
    EXPECT_EQ(0x800000u, PixelAt(image, active.Left, active.Top));
    EXPECT_EQ(0xD2BDB6u, PixelAt(image, active.Left + 3, active.Top + 2));

    // A normal row: gutter and window colour; the disabled one's text in the shadow colour.
    const TRect off = level.Rows(1)->ItemRect();
    EXPECT_EQ(ColorToRGB(clBtnFace), PixelAt(image, off.Left + 1, off.Top + 1));
    EXPECT_EQ(ColorToRGB(clWindow), PixelAt(image, off.Right - 3, off.Top + 1));
    const TRect text = Rect(off.Left + 2 + 19, off.Top, off.Right - 21, off.Bottom);
    EXPECT_TRUE(HasColour(image, text, clBtnShadow));
    const TRect plainText = Rect(text.Left, active.Top, text.Right, active.Bottom);
    EXPECT_FALSE(HasColour(image, plainText, clBtnShadow));

    // A check mark for the checked item, a dot for the checked radio item.
    const uint32_t ink = ColorToRGB(clWindowText);
    const TRect check = level.Rows(2)->ItemRect(), dot = level.Rows(3)->ItemRect();
    const int x = check.Left + 2 + 3;
    EXPECT_EQ(ink, PixelAt(image, x + 6, Centre(check) - 1));
    EXPECT_NE(ink, PixelAt(image, x + 6, Centre(dot) - 1));
    EXPECT_EQ(ink, PixelAt(image, x + 2, Centre(dot)));

    // The submenu arrow, and the close glyph of an unchecked system menu item.
    const TRect more = level.Rows(4)->ItemRect();
    EXPECT_EQ(ink, PixelAt(image, more.Right - 2 - 7, Centre(more)));
    const TRect close = level.Rows(5)->ItemRect();
    EXPECT_TRUE(HasColour(image, Rect(close.Left + 4, Centre(close) - 4, close.Left + 15, Centre(close) + 7),
                          clWindowText));
    EXPECT_FALSE(HasColour(image, Rect(off.Left + 4, Centre(off) - 4, off.Left + 15, Centre(off) + 7),
                           clWindowText));
}

TEST_F(SkinMenuPaintTest, ImagesOfTheMenuShowInTheGutterFramedWhenChecked)
{
    TImageList images(nullptr);
    TBitmap strip;
    MakeSolid(strip, 16, 16, clLime);
    images.AddMasked(strip, clWhite);
    menu.SetImages(&images);
    TMenuItem* item = Add(menu.Items(), "Picture");
    item->SetImageIndex(0);
    item->SetChecked(true);
    Add(menu.Items(), "Other");
    Open();
    TskSkinPopupWindow& level = Level(0);
    EXPECT_EQ(16 + 5, level.GlyphWidth());
    level.ProcessKey(VK_DOWN);  // the picture's row in its normal look
    TBitmap image;
    WindowImage(level, image);
    const TRect row = level.Rows(0)->ItemRect();
    const int left = row.Left + 2, top = row.Top + 2 + (row.Bottom - row.Top - 4 - 16) / 2;
    EXPECT_EQ(ColorToRGB(clLime), PixelAt(image, left + 8, top + 8));
    EXPECT_EQ(ColorToRGB(clWindowText), PixelAt(image, left - 1, top - 1));
}

class SkinnedMenuPaintTest : public SkinMenuTest {
protected:
    static constexpr TColor kFrame = 0x203040, kNormal = 0x00C000, kSelected = 0xC00000, kDivider = 0x808000;

    void MakeSkin(bool withRows, bool morphing = false, const std::string& rowRect = "0,0,100,20")
    {
        TBitmap window, rows;
        MakeSolid(window, 40, 40, kFrame);
        MakeSolid(rows, 100, 44, kNormal);
        rows.Canvas().Brush().SetColor(kSelected);
        rows.Canvas().FillRect(Rect(0, 20, 100, 40));
        rows.Canvas().Brush().SetColor(kDivider);
        rows.Canvas().FillRect(Rect(0, 40, 100, 44));
        skin.AddPicture(window);
        skin.AddPicture(rows);
        skin.AddSection("POPUPWINDOW", {"windowpictureindex=0", "lefttoppoint=4,4", "righttoppoint=36,4",
                                        "leftbottompoint=4,36", "rightbottompoint=36,36", "itemsrect=4,4,36,36"});
        if (withRows)
            skin.AddObject("MENUITEM", "menuitem",
                           {"activepictureindex=1", "skinrect=" + rowRect, "activeskinrect=0,20,100,40",
                            "dividerrect=0,40,100,44", "textrect=4,2,96,18", "itemleftoffset=2",
                            "itemrightoffset=2", "fontname=Arial", "fontheight=14", "fontcolor=0",
                            "activefontcolor=16777215", "unenabledfontcolor=255",
                            std::string("morphing=") + (morphing ? "1" : "0")});
        skin.Load();
    }
    void OpenSkinned() { engine.Popup(nullptr, &skin.Data(), 0, Rect(100, 100, 100, 100), &menu.Items(), false); }

    MenuSkin skin;
};

TEST_F(SkinnedMenuPaintTest, RowsTakeTheSkinsHeightsPicturesAndColours)
{
    MakeSkin(true);
    Add(menu.Items(), "Plain");
    Add(menu.Items(), "-");
    Add(menu.Items(), "Off", false);
    OpenSkinned();
    TskSkinPopupWindow& level = Level(0);
    EXPECT_EQ(20 + 4 + 20 + (40 - 32), level.Height());
    TBitmap measure;
    measure.SetSize(1, 1);
    measure.Canvas().Font().SetName("Arial");
    measure.Canvas().Font().SetHeight(14);
    EXPECT_EQ(measure.Canvas().TextWidth("Plain  ") + 2 + 16 + 16 + (40 - 32) + (100 - 92), level.Width());
    EXPECT_EQ(Rect(4, 4, level.Width() - 4, 24), level.Rows(0)->ItemRect());

    TBitmap image;
    WindowImage(level, image);
    EXPECT_EQ(uint32_t(kFrame), PixelAt(image, 1, 1));
    EXPECT_EQ(uint32_t(kSelected), PixelAt(image, 5, 5));
    EXPECT_EQ(uint32_t(kDivider), PixelAt(image, 5, 25));
    const TRect off = level.Rows(2)->ItemRect();
    EXPECT_EQ(uint32_t(kNormal), PixelAt(image, off.Left + 1, off.Top + 1));
    EXPECT_TRUE(HasColour(image, off, 0x0000FF));  // the disabled text colour
}

TEST_F(SkinnedMenuPaintTest, WithoutTheRowElementRowsKeepTheDefaultLookInTheSkinnedFrame)
{
    MakeSkin(false);
    Add(menu.Items(), "Plain");
    Add(menu.Items(), "Other");
    OpenSkinned();
    TskSkinPopupWindow& level = Level(0);
    EXPECT_EQ(2 * 20 + 8, level.Height());
    TBitmap image;
    WindowImage(level, image);
    EXPECT_EQ(uint32_t(kFrame), PixelAt(image, 1, 1));
    const TRect active = level.Rows(0)->ItemRect();
    EXPECT_EQ(0x800000u, PixelAt(image, active.Left, active.Top));

    // A popup window element without its picture: all default.
    MenuSkin broken;
    broken.AddSection("POPUPWINDOW", {"windowpictureindex=3", "itemsrect=4,4,36,36"});
    broken.Load();
    engine.Popup(nullptr, &broken.Data(), 0, Rect(100, 100, 100, 100), &menu.Items(), false);
    EXPECT_EQ(2 * 20 + 6, Level(0).Height());
    engine.CloseMenus();
    Pump(20);
}

// A row element whose row rectangle is empty or inside out gave the rows no or a
// negative height: the menu opened as an empty strip, or not at all.
TEST_F(SkinnedMenuPaintTest, ARowElementWithoutARowRectangleLeavesTheRowsTheirDefaultLook)
{
    Add(menu.Items(), "Plain");
    Add(menu.Items(), "Other");
    for (const char* rowRect : {"10,10,10,10", "60,40,10,10"}) {
        SCOPED_TRACE(rowRect);
        skin.Clear();
        MakeSkin(true, false, rowRect);
        OpenSkinned();
        TskSkinPopupWindow& level = Level(0);
        EXPECT_EQ(2 * 20 + 8, level.Height());
        EXPECT_EQ(Rect(4, 24, level.Width() - 4, 44), level.Rows(1)->ItemRect());
        TBitmap image;
        WindowImage(level, image);
        EXPECT_EQ(uint32_t(kFrame), PixelAt(image, 1, 1));
        EXPECT_EQ(0x800000u, PixelAt(image, level.Rows(0)->ItemRect().Left, level.Rows(0)->ItemRect().Top));
        engine.CloseMenus();
        Pump(20);
    }
}

TEST_F(SkinnedMenuPaintTest, MorphingRowMixesBothLooksOnItsWayAndEndsInTheNewOne)
{
    MakeSkin(true, true);
    Add(menu.Items(), "One");
    Add(menu.Items(), "Two");
    OpenSkinned();
    TskSkinPopupWindow& level = Level(0);
    sk::TskSkinMenuItem& row = *level.Rows(0);
    EXPECT_TRUE(row.Active());
    row.SetMorphFactor(0.5);
    TBitmap image;
    WindowImage(level, image);
    const uint32_t mixed = PixelAt(image, 6, 5);
    EXPECT_TRUE(Near(0x606000, mixed)) << std::hex << mixed;

    ASSERT_TRUE(PumpUntil([&] { return row.MorphFactor() == 1.0; }));
    WindowImage(level, image);
    EXPECT_EQ(uint32_t(kSelected), PixelAt(image, 6, 5));
    level.ProcessKey(VK_DOWN);
    ASSERT_TRUE(PumpUntil([&] { return row.MorphFactor() == 0.0; }));
}

TEST_F(SkinMenuPaintTest, WithoutLayeredWindowsABlendedMenuIsComposedOverTheScreen)
{
    engine.SetLayeredWindows(false);
    engine.SetAlphaBlend(true);
    engine.SetAlphaBlendValue(100);
    Add(menu.Items(), "One");
    Add(menu.Items(), "Two");
    Open();
    TskSkinPopupWindow& level = Level(0);
    // The screen is copied before the window shows.
    EXPECT_FALSE(::IsWindowVisible(level.Handle()));
    ASSERT_TRUE(PumpUntil([&] { return level.ScreenEffect() != nullptr; }));
    EXPECT_TRUE(::IsWindowVisible(level.Handle()));
    EXPECT_EQ(0, level.ActiveRow());
    EXPECT_EQ(0, ::GetWindowLongPtrA(level.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);

    TBitmap image;
    WindowImage(level, image);
    const uint8_t* screen = level.ScreenEffect()->RowPointer(level.Height() - 2) + 3 * (level.Width() - 5);
    const uint32_t window = ColorToRGB(clWindow);
    const double k = 1 - 100 / 255.0;
    const auto mix = [&](int shift, uint8_t under) {
        return uint32_t(int(((window >> shift) & 0xFF) * (1 - k) + under * k + 0.5)) << shift;
    };
    const uint32_t expected = mix(0, screen[2]) | mix(8, screen[1]) | mix(16, screen[0]);
    EXPECT_TRUE(Near(expected, PixelAt(image, level.Width() - 5, level.Height() - 2)));
}

}  // namespace menutest
