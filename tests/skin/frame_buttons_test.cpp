// Push and caption buttons, main-menu items and the caption of a skinned frame.
#include <algorithm>
#include <set>
#include <utility>

#include "frame_objects_fixture.h"
#include "gui/controls/menu.h"
#include "gui/core/color.h"
#include "skin/imaging/text_fit.h"
#include "skin/popups/skin_main_menu.h"
#include "skin/popups/skin_menu_item.h"
#include "skin/popups/skin_popup_window.h"
#include "support/message_pump.h"

namespace frameobjectstest {

namespace {

gui::TMenuItem* AddItem(gui::TMenuItem& parent, const std::string& caption, const std::string& name = "")
{
    auto* item = new gui::TMenuItem(nullptr);
    item->SetCaption(caption);
    item->SetName(name);
    parent.Add(item);
    return item;
}

using testsupport::Pump;

}  // namespace

class FrameButtonsTest : public FrameObjectsTest {
protected:
    ~FrameButtonsTest() override
    {
        engine->menu.CloseMenus();
        Pump(20);
    }

    template <typename T, typename R>
    T& Make(const std::string& name)
    {
        return engine->Add(std::make_unique<T>(engine, Find<R>(name)));
    }
    // The pixels of the target in a rectangle that have the colour.
    std::set<std::pair<int, int>> PixelsOf(gui::TColor colour, const gui::TRect& r)
    {
        std::set<std::pair<int, int>> found;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (uint32_t(target.Canvas().Pixels(x, y)) == gui::ColorToRGB(colour))
                    found.insert({x, y});
        return found;
    }
};

TEST_F(FrameButtonsTest, GroupedButtonsReleaseEachOther)
{
    const std::vector<std::string> lines = {"skinrect=10,10,20,20", "downrect=40,30,50,40", "activepictureindex=0",
                                            "groupindex=1"};
    skin.AddObject("a", "button", lines);
    skin.AddObject("b", "button", lines);
    Load();
    auto& a = Make<sk::TskSkinButtonObject, sk::TskDataSkinButton>("a");
    auto& b = Make<sk::TskSkinButtonObject, sk::TskDataSkinButton>("b");
    a.MouseDown(12, 12, gui::mbLeft);
    a.MouseUp(12, 12, gui::mbLeft);
    EXPECT_TRUE(a.Down());  // releasing the mouse keeps a grouped button down
    b.MouseDown(12, 12, gui::mbLeft);
    EXPECT_TRUE(b.Down());
    EXPECT_FALSE(a.Down());
    engine->TakeEvents();
    b.MouseDown(12, 12, gui::mbLeft);
    EXPECT_TRUE(b.Down());
    EXPECT_EQ("down b 12,12", engine->TakeEvents());
    // A grouped button that is down shows it with or without the mouse.
    DrawInto(b, false);
    EXPECT_EQ(ActivePic(41, 31), At(11, 11));
}

TEST_F(FrameButtonsTest, DisabledButtonIgnoresTheMouse)
{
    skin.AddObject("b", "button",
                   {"skinrect=10,10,20,20", "disableskinrsect=60,30,70,40", "activepictureindex=0"});
    Load();
    auto& b = Make<sk::TskSkinButtonObject, sk::TskDataSkinButton>("b");
    b.SetEnabled(false);
    b.MouseDown(12, 12, gui::mbLeft);
    b.MouseUp(12, 12, gui::mbLeft);
    EXPECT_FALSE(b.Down());
    EXPECT_EQ("", engine->TakeEvents());
    DrawInto(b, false);
    EXPECT_EQ(ActivePic(61, 31), At(11, 11));
}

TEST_F(FrameButtonsTest, CloseButtonClosesOnlyWhenReleasedOverIt)
{
    skin.AddObject("close", "stdbutton",
                   {"skinrect=10,10,20,20", "activeskinrect=40,30,50,40", "downrect=60,30,70,40",
                    "activepictureindex=0", "command=cmclose"});
    Load();
    auto& close = Make<sk::TskSkinStdButtonObject, sk::TskDataSkinStdButton>("close");
    EXPECT_TRUE(close.HasSkin());
    close.MouseEnter();
    close.MouseDown(12, 12, gui::mbLeft);
    EXPECT_TRUE(close.Down());
    DrawInto(close, false);
    EXPECT_EQ(ActivePic(61, 31), At(11, 11));
    close.MouseLeave();
    close.MouseUp(30, 30, gui::mbLeft);
    EXPECT_FALSE(close.Down());
    EXPECT_EQ(engine->events.end(), std::find(engine->events.begin(), engine->events.end(), "close"));
    engine->TakeEvents();

    close.MouseEnter();
    close.MouseDown(12, 12, gui::mbLeft);
    engine->TakeEvents();
    close.MouseUp(12, 12, gui::mbLeft);
    // Drawn up first, then the form closes.
    EXPECT_EQ("redraw close; up close 12,12; close", engine->TakeEvents());
}

TEST_F(FrameButtonsTest, MaximizeButtonOfAMaximizedFormRestoresIt)
{
    skin.AddObject("max", "stdbutton",
                   {"skinrect=10,10,20,20", "activeskinrect=40,30,50,40", "activepictureindex=0",
                    "command=cmmaximize", "restorerect=80,30,90,40", "restoreactiverect=100,30,110,40"});
    Load();
    auto& max = Make<sk::TskSkinStdButtonObject, sk::TskDataSkinStdButton>("max");
    max.MouseEnter();
    max.MouseDown(12, 12, gui::mbLeft);
    max.MouseUp(12, 12, gui::mbLeft);
    EXPECT_EQ(2, engine->windowState);
    EXPECT_TRUE(max.RestoringState());
    DrawInto(max, false);
    EXPECT_EQ(ActivePic(101, 31), At(11, 11));
    max.MouseLeave();
    DrawInto(max, false);
    EXPECT_EQ(ActivePic(81, 31), At(11, 11));
    max.MouseEnter();
    max.MouseDown(12, 12, gui::mbLeft);
    max.MouseUp(12, 12, gui::mbLeft);
    EXPECT_EQ(0, engine->windowState);
    DrawInto(max, false);
    EXPECT_EQ(ActivePic(41, 31), At(11, 11));
}

TEST_F(FrameButtonsTest, SystemMenuButtonOpensTheMenuBelowItAndClosesOnDoubleClick)
{
    skin.AddObject("sys", "stdbutton", {"skinrect=10,10,20,20", "command=cmsysmenu"});
    Load();
    AddItem(engine->systemMenu, "Restore");
    AddItem(engine->systemMenu, "Close");
    auto& sys = Make<sk::TskSkinStdButtonObject, sk::TskDataSkinStdButton>("sys");
    sys.MouseEnter();
    sys.MouseDown(12, 12, gui::mbLeft);
    EXPECT_EQ(&engine->systemMenu, sys.PopupItem());
    ASSERT_EQ(1, engine->menu.LevelCount());
    EXPECT_EQ(2, engine->menu.Levels(0)->RowCount());
    EXPECT_EQ(gui::Point(10 + 100, 20 + 200), engine->menu.Levels(0)->ShowPosition());
    // The button stays down while its menu is open.
    sys.MouseUp(12, 12, gui::mbLeft);
    EXPECT_TRUE(sys.Down());
    engine->TakeEvents();
    sys.DblClick();
    EXPECT_EQ("close", engine->TakeEvents());
}

TEST_F(FrameButtonsTest, PopupButtonOpensItsItemsThroughTheEngine)
{
    skin.AddObject("tools", "button", {"skinrect=10,10,20,20"});
    Load();
    gui::TPopupMenu popup(nullptr);
    AddItem(popup.Items(), "One");
    auto& tools = Make<sk::TskSkinButtonObject, sk::TskDataSkinButton>("tools");
    tools.SetPopupItem(&popup.Items());
    tools.MouseDown(12, 12, gui::mbLeft);
    EXPECT_EQ("menu open; down tools 12,12", engine->TakeEvents());
    ASSERT_EQ(1, engine->menu.LevelCount());
    engine->menu.CloseMenus();
    // An item without sub-items opens nothing.
    gui::TMenuItem empty(nullptr);
    tools.SetDown(false);
    tools.SetPopupItem(&empty);
    tools.MouseDown(12, 12, gui::mbLeft);
    EXPECT_EQ("down tools 12,12", engine->TakeEvents());
}

TEST_F(FrameButtonsTest, DefaultButtonsDrawPlainFacesAndGlyphs)
{
    Load();
    auto& close = engine->Add(std::make_unique<sk::TskSkinStdButtonObject>(engine, nullptr));
    EXPECT_FALSE(close.HasSkin());
    close.SetObjectRect(gui::Rect(0, 0, 17, 17));
    const gui::TRect face = close.ObjectRect();
    DrawInto(close, false);
    EXPECT_EQ(gui::ColorToRGB(gui::clBtnFace), uint32_t(target.Canvas().Pixels(0, 0)));
    const auto normal = PixelsOf(gui::clBtnText, face);
    ASSERT_FALSE(normal.empty());

    close.MouseEnter();
    DrawInto(close, false);
    EXPECT_EQ(Pixel({0, 0, 128}), At(0, 0));  // navy frame
    EXPECT_EQ(Pixel({0, 0, 128}), At(16, 16));
    EXPECT_EQ(Pixel({182, 189, 210}), At(1, 1));
    EXPECT_EQ(normal, PixelsOf(gui::clBtnText, face));

    close.MouseDown(5, 5, gui::mbLeft);
    DrawInto(close, false);
    EXPECT_EQ(Pixel({133, 147, 181}), At(1, 1));
    std::set<std::pair<int, int>> moved;
    for (auto p : normal)
        moved.insert({p.first + 1, p.second + 1});
    EXPECT_EQ(moved, PixelsOf(gui::clBtnText, face));

    // A disabled button draws its glyph in the shadow colour.
    close.MouseLeave();
    close.SetDown(false);
    close.SetEnabled(false);
    DrawInto(close, false);
    EXPECT_TRUE(PixelsOf(gui::clBtnText, face).empty());
    EXPECT_EQ(normal, PixelsOf(gui::clBtnShadow, face));
}

TEST_F(FrameButtonsTest, SystemMenuButtonWithIconDrawsTheFormIcon)
{
    skin.AddObject("sys", "stdbutton", {"skinrect=10,10,26,26", "command=cmsysmenu", "skinrectinapicture=1",
                                        "morphing=1"});
    Load();
    engine->showIcon = true;
    auto& sys = Make<sk::TskSkinStdButtonObject, sk::TskDataSkinStdButton>("sys");
    sys.SetActive(true);
    EXPECT_FALSE(sys.MorphInProgress());
    DrawInto(sys, false);
    EXPECT_EQ("icon 10,10", engine->TakeEvents());
}

class MainMenuItemsTest : public FrameButtonsTest {
protected:
    MainMenuItemsTest()
    {
        // 30 wide, of which the text part 20: an item is its caption + 12 wide.
        skin.AddObject("MAINMENUITEM", "mainmenuitem",
                       {"skinrect=0,0,30,20", "activeskinrect=0,20,30,40", "activepictureindex=0",
                        "textrect=5,2,25,18", "itemleftoffset=5", "itemrightoffset=5", "fontheight=14"});
        Load();
        file = AddItem(menu.Items(), "&File", "FileItem");
        AddItem(*file, "Open");
        edit = AddItem(menu.Items(), "&Edit", "EditItem");
        AddItem(*edit, "Copy");
        AddItem(*edit, "Paste");
        help = AddItem(menu.Items(), "&Help", "HelpItem");
        help->OnClick = [this](gui::TComponent*) { engine->events.push_back("help clicked"); };
        for (gui::TMenuItem* item : {file, edit, help})
            items.push_back(&engine->Add(std::make_unique<sk::TskSkinMainMenuItem>(
                engine, Find<sk::TskDataSkinMainMenuItem>("MAINMENUITEM"), item)));
    }
    void DrawAll()
    {
        for (auto* item : items)
            DrawInto(*item, false);
    }

    gui::TMainMenu menu{nullptr};
    gui::TMenuItem* file;
    gui::TMenuItem* edit;
    gui::TMenuItem* help;
    std::vector<sk::TskSkinMainMenuItem*> items;
};

TEST_F(MainMenuItemsTest, ItemsLineUpInTheAreaAndThoseThatDoNotFitAreDisabled)
{
    EXPECT_EQ("EditItem", items[1]->IDName());
    engine->mainMenuRect = gui::Rect(10, 20, 290, 40);
    DrawAll();
    EXPECT_EQ(10, items[0]->ObjectRect().Left);
    EXPECT_EQ(20, items[0]->ObjectRect().Top);
    EXPECT_EQ(40, items[0]->ObjectRect().Bottom);
    EXPECT_EQ(items[0]->ObjectRect().Right, items[1]->ObjectRect().Left);
    EXPECT_EQ(items[1]->ObjectRect().Right, items[2]->ObjectRect().Left);
    gui::TBitmap probe;
    probe.SetSize(1, 1);
    probe.Canvas().Font().SetName("Arial");
    probe.Canvas().Font().SetHeight(14);
    gui::TRect r;
    probe.Canvas().DrawText("&Edit", r, DT_CALCRECT | DT_CENTER);
    EXPECT_EQ(r.Right - r.Left + 12, items[1]->ObjectRect().Right - items[1]->ObjectRect().Left);
    EXPECT_EQ(ActivePic(1, 1), At(items[2]->ObjectRect().Left + 1, 21));

    engine->mainMenuRect.Right = items[2]->ObjectRect().Right - 1;
    DrawAll();
    EXPECT_FALSE(items[2]->Enabled());
    EXPECT_FALSE(items[2]->Fits());
    EXPECT_EQ(kBackground, At(items[2]->ObjectRect().Left + 1, 21));
    items[2]->MouseDown(items[2]->ObjectRect().Left + 1, 21, gui::mbLeft);
    EXPECT_EQ(std::string::npos, engine->TakeEvents().find("help"));
    engine->mainMenuRect.Right = 290;
    DrawAll();
    EXPECT_TRUE(items[2]->Enabled());
}

TEST_F(MainMenuItemsTest, AnOpenMenuFollowsTheMouseFromItemToItem)
{
    engine->mainMenuRect = gui::Rect(10, 20, 290, 40);
    DrawAll();
    items[0]->MouseEnter();
    EXPECT_TRUE(items[0]->Active());
    items[0]->MouseDown(12, 22, gui::mbLeft);
    EXPECT_TRUE(items[0]->Down());
    EXPECT_EQ("redraw FileItem; redraw FileItem; menu open; main menu mode; down FileItem 12,22",
              engine->TakeEvents());
    ASSERT_EQ(1, engine->menu.LevelCount());
    EXPECT_EQ(file, engine->menu.Levels(0)->Rows(0)->MenuItem().Parent());
    DrawInto(*items[0], false);
    EXPECT_EQ(ActivePic(1, 21), At(items[0]->ObjectRect().Left + 1, 21));

    items[1]->MouseEnter();
    EXPECT_FALSE(items[0]->Down());
    EXPECT_FALSE(items[0]->Active());
    EXPECT_TRUE(items[1]->Down());
    ASSERT_EQ(1, engine->menu.LevelCount());
    EXPECT_EQ(2, engine->menu.Levels(0)->RowCount());
    EXPECT_EQ(edit, engine->menu.Levels(0)->Rows(0)->MenuItem().Parent());
}

TEST_F(FrameButtonsTest, SkinnedMainMenuOpensItsPopupsInItsOwnSkin)
{
    skin.AddObject("MAINMENUITEM", "mainmenuitem", {"skinrect=0,0,30,20", "textrect=5,2,25,18"});
    Load();
    sk::TskSkinMainMenu menu(nullptr);
    gui::TMenuItem* file = AddItem(menu.Items(), "&File", "FileItem");
    AddItem(*file, "Open");
    auto& item = engine->Add(std::make_unique<sk::TskSkinMainMenuItem>(
        engine, Find<sk::TskDataSkinMainMenuItem>("MAINMENUITEM"), file));
    engine->mainMenuRect = gui::Rect(10, 20, 290, 40);
    DrawInto(item, false);

    // Without a skin of its own the menu opens in the frame's skin...
    item.MouseDown(12, 22, gui::mbLeft);
    ASSERT_EQ(1, engine->menu.LevelCount());
    EXPECT_EQ(engine->skin, engine->menu.Levels(0)->SkinData());
    item.SetDown(false);
    engine->menu.CloseLevels(0);

    // ...with one, in that skin.
    sk::TskSkinData own(nullptr);
    menu.SetSkinData(&own);
    item.SetDown(true);
    ASSERT_EQ(1, engine->menu.LevelCount());
    EXPECT_EQ(&own, engine->menu.Levels(0)->SkinData());
    engine->menu.CloseLevels(0);
}

TEST_F(MainMenuItemsTest, ItemWithoutSubmenuRunsItsCommand)
{
    engine->mainMenuRect = gui::Rect(10, 20, 290, 40);
    DrawAll();
    items[2]->MouseEnter();
    engine->TakeEvents();
    items[2]->MouseDown(items[2]->ObjectRect().Left + 1, 22, gui::mbLeft);
    EXPECT_FALSE(items[2]->Down());
    const std::string events = engine->TakeEvents();
    EXPECT_NE(std::string::npos, events.find("menu open cleared; help clicked; down HelpItem")) << events;
    EXPECT_EQ(0, engine->menu.LevelCount());
}

TEST_F(FrameButtonsTest, CaptionDragsTheFormOnlyInClientMode)
{
    skin.AddObject("cap", "caption", {"skinrect=0,0,100,20", "textrect=2,2,98,18"});
    Load();
    auto& cap = Make<sk::TskSkinCaptionObject, sk::TskDataSkinCaption>("cap");
    cap.MouseDown(5, 6, gui::mbLeft);
    cap.MouseUp(5, 6, gui::mbLeft);
    EXPECT_EQ("down cap 5,6; up cap 5,6", engine->TakeEvents());
    engine->ncArea = false;
    cap.MouseDown(5, 6, gui::mbLeft);
    cap.MouseUp(5, 6, gui::mbLeft);
    EXPECT_EQ("drag 5,6; down cap 5,6; drag end; up cap 5,6", engine->TakeEvents());
    engine->windowState = 2;
    cap.MouseDown(5, 6, gui::mbLeft);
    EXPECT_EQ("down cap 5,6", engine->TakeEvents());
    cap.MouseEnter();
    EXPECT_FALSE(cap.Active());
}

TEST_F(FrameButtonsTest, CaptionTooLongForItsRectangleEndsInAnEllipsis)
{
    skin.AddObject("cap", "caption",
                   {"skinrect=0,0,100,20", "textrect=2,2,60,18", "fontheight=14", "activefontcolor=255",
                    "alignment=taleftjustify"});
    Load();
    auto& cap = Make<sk::TskSkinCaptionObject, sk::TskDataSkinCaption>("cap");
    cap.SetObjectRect(gui::Rect(10, 10, 110, 30));
    engine->caption = "A caption far too long for the little room it has";
    DrawInto(cap, false);
    const auto drawn = PixelsOf(gui::TColor(RGB(255, 0, 0)), gui::Rect(0, 0, 300, 100));
    ASSERT_FALSE(drawn.empty());
    for (auto p : drawn)
        EXPECT_LT(p.first, 10 + 60);

    std::string fitted = engine->caption;
    gui::TBitmap probe;
    probe.SetSize(1, 1);
    probe.Canvas().Font().SetName("Arial");
    probe.Canvas().Font().SetHeight(14);
    sk::FitTextWithEllipsis(probe.Canvas(), fitted, 58);
    ASSERT_EQ("...", fitted.substr(fitted.size() - 3));
    engine->caption = fitted;
    DrawInto(cap, false);
    EXPECT_EQ(drawn, PixelsOf(gui::TColor(RGB(255, 0, 0)), gui::Rect(0, 0, 300, 100)));
}

TEST_F(FrameButtonsTest, CaptionLookStretchesAlongTheTopEdge)
{
    skin.AddObject("cap", "caption",
                   {"skinrect=20,0,180,16", "activeskinrect=20,30,180,46", "activepictureindex=0",
                    "textrect=2,2,150,14"});
    Load();
    sk::TskFormInfo& info = skin.Data().FormInfo;
    info.LTPoint = gui::Point(40, 20);
    info.RTPoint = gui::Point(160, 20);
    info.LBPoint = gui::Point(40, 50);
    info.RBPoint = gui::Point(160, 50);
    auto& cap = Make<sk::TskSkinCaptionObject, sk::TskDataSkinCaption>("cap");
    cap.SetObjectRect(gui::Rect(20, 0, 220, 16));
    engine->caption = "";
    DrawInto(cap, false);
    EXPECT_TRUE(cap.Active());
    EXPECT_EQ(ActivePic(25, 33), At(25, 3));    // left end piece kept
    EXPECT_EQ(ActivePic(175, 33), At(215, 3));  // right end piece kept
    EXPECT_EQ(ActivePic(70, 33), At(50, 3));    // the middle tiled from the left edge
    EXPECT_EQ(ActivePic(50, 33), At(150, 3));

    // An inactive form without a morph shows no background of its own in the
    // non-client frame.
    engine->formActive = false;
    DrawInto(cap, false);
    EXPECT_EQ(kBackground, At(25, 3));
}

}  // namespace frameobjectstest
