// What the main-menu items of a frame and of the menu bar share, driven on an
// item of the test's own: the hover that an open menu follows, the fade back
// from the highlight, and the look an item shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/frame/main_menu_item_behaviour.h"

namespace {

using gui::Rect;

// An item that notes what is done to it.
class Item {
public:
    Item(std::string name, std::vector<std::string>& log, bool morphing = false)
        : name_(std::move(name)), log_(log), morphing_(morphing)
    {
    }
    bool Down() const { return down_; }
    void SetDown(bool value)
    {
        down_ = value;
        log_.push_back(name_ + (value ? " opens" : " closes"));
    }
    bool Active() const { return active_; }
    void SetActive(bool value) { active_ = value; }
    bool MouseIn() const { return mouseIn_; }
    void SetMouseIn(bool value) { mouseIn_ = value; }
    bool Morphing() const { return morphing_; }
    double MorphFactor() const { return morphFactor_; }
    void SetMorphFactor(double value) { morphFactor_ = value; }
    void MouseLeave()
    {
        log_.push_back(name_ + " left");
        active_ = mouseIn_ = false;
    }
    std::function<void()> ShowLook()
    {
        return [this] { log_.push_back(name_ + " shown"); };
    }

private:
    std::string name_;
    std::vector<std::string>& log_;
    bool morphing_;
    bool down_ = false, active_ = false, mouseIn_ = false;
    double morphFactor_ = 0;
};

std::string Joined(std::vector<std::string>& log)
{
    std::string text;
    for (const std::string& entry : log)
        text += (text.empty() ? "" : "; ") + entry;
    log.clear();
    return text;
}

TEST(MainMenuItemBehaviour, TheMouseHighlightsAnItemAndAnOpenMenuFollowsIt)
{
    struct Case {
        const char* what;
        bool otherDown, otherActive, morphing;
        const char* events;
        double morphFactor;
    } cases[] = {
        {"alone", false, false, false, "item shown", 0},
        {"another highlighted", false, true, false, "other left; item shown", 0},
        {"another open", true, true, false, "other closes; item opens", 0},
        {"another open, morphing", true, false, true, "other closes; item opens", 1},
    };
    for (const Case& c : cases) {
        std::vector<std::string> log;
        Item item("item", log, c.morphing), other("other", log);
        if (c.otherDown)
            other.SetDown(true);
        other.SetActive(c.otherActive);
        log.clear();
        sk::EnterMainMenuItem(item, std::vector<Item*>{&other, &item}, item.ShowLook());
        EXPECT_EQ(c.events, Joined(log)) << c.what;
        EXPECT_TRUE(item.Active() && item.MouseIn()) << c.what;
        EXPECT_EQ(c.otherDown, item.Down()) << c.what;
        EXPECT_FALSE(other.Down()) << c.what;
        EXPECT_EQ(c.morphFactor, item.MorphFactor()) << c.what;
    }
}

TEST(MainMenuItemBehaviour, ALeftOrClosedItemFadesBackFromWhereItsLookIs)
{
    std::vector<std::string> log;
    Item open("open", log, true);
    open.SetDown(true);
    open.SetActive(true);
    open.SetMorphFactor(0.5);
    log.clear();
    // Left while its menu is open: the open look stays, the highlight starts over.
    sk::LeaveMainMenuItem(open, open.ShowLook());
    EXPECT_EQ("open shown", Joined(log));
    EXPECT_FALSE(open.Active() || open.MouseIn());
    EXPECT_EQ(0, open.MorphFactor());

    // Its menu closed: from the full highlight down.
    open.SetActive(true);
    sk::FadeBackMainMenuItem(open, open.ShowLook());
    EXPECT_FALSE(open.Active());
    EXPECT_EQ(1, open.MorphFactor());

    Item plain("plain", log);
    plain.SetActive(true);
    sk::FadeBackMainMenuItem(plain, plain.ShowLook());
    EXPECT_EQ("open shown; plain shown", Joined(log));
    EXPECT_EQ(0, plain.MorphFactor());
}

TEST(MainMenuItemBehaviour, TheLookComesFromTheOpenTheHighlightedOrTheNormalPart)
{
    const gui::TRect normal = Rect(0, 0, 40, 20), highlighted = Rect(0, 20, 40, 40), open = Rect(0, 40, 40, 60);
    struct Case {
        const char* what;
        bool down, active, changing;
        gui::TRect activeRect;
        gui::TRect source;
        bool highlightedCaption, morph;
    } cases[] = {
        {"open and highlighted", true, true, true, highlighted, open, true, false},
        {"open, the mouse elsewhere", true, false, false, highlighted, open, false, false},
        {"on its way", false, true, true, highlighted, normal, false, true},
        {"highlighted", false, true, false, highlighted, highlighted, true, false},
        {"highlighted without a look of its own", false, true, false, gui::TRect{}, normal, true, false},
        {"normal", false, false, false, highlighted, normal, false, false},
    };
    for (const Case& c : cases) {
        const sk::TskMainMenuItemLookChoice look =
            sk::ChooseMainMenuItemLook(c.down, c.active, c.changing, normal, c.activeRect, open);
        EXPECT_EQ(c.source, look.Source) << c.what;
        EXPECT_EQ(c.highlightedCaption, look.Highlighted) << c.what;
        EXPECT_EQ(c.morph, look.Morph) << c.what;
    }
}

}  // namespace
