// What the tests of the frame objects share: a form skinning engine as far as the
// objects call on it (it records what they ask), a skin with two pictures whose
// pixels tell where they came from, and a target bitmap to draw into.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gtest/gtest.h"

#include "gui/controls/menu_item.h"
#include "gui/core/component.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/graphics_objects.h"
#include "skin/frame/active_skin_objects.h"
#include "skin/popups/skin_menu.h"
#include "test_skin.h"

namespace frameobjectstest {

class FakeEngine : public gui::TComponent, public sk::TskSkinObjectHost {
public:
    explicit FakeEngine(gui::TForm& form);

    // Objects are owned by the engine, in list order.
    template <typename T>
    T& Add(std::unique_ptr<T> object)
    {
        T& result = *object;
        objects.push_back(std::move(object));
        return result;
    }

    int ObjectCount() const override { return int(objects.size()); }
    sk::TskActiveSkinObject* Objects(int index) const override { return objects.at(size_t(index)).get(); }
    void RedrawObject(sk::TskActiveSkinObject& object) override;
    void StartMorphTimer() override { ++morphTimerStarts; }
    void StartAnimationTimer() override { ++animationTimerStarts; }

    void MouseDownEvent(const std::string& IDName, int X, int Y, const gui::TRect&, gui::TMouseButton) override;
    void MouseUpEvent(const std::string& IDName, int X, int Y, const gui::TRect&, gui::TMouseButton) override;
    void MouseMoveEvent(const std::string& IDName, int, int, const gui::TRect&) override;
    void MouseEnterEvent(const std::string& IDName) override { events.push_back("enter " + IDName); }
    void MouseLeaveEvent(const std::string& IDName) override { events.push_back("leave " + IDName); }
    void PaintEvent(const std::string& IDName, gui::TCanvas&, const gui::TRect&) override;
    void SwitchChangeStateEvent(const std::string& IDName, sk::TSwitchState State) override;
    void TrackBarChangeValueEvent(const std::string& IDName, int Value) override;
    void FrameRegulatorChangeValueEvent(const std::string& IDName, int Value) override;

    bool SupportNCArea() const override { return ncArea; }
    int WindowState() const override { return windowState; }
    void SetFormState(int state) override;
    bool RolledUp() const override { return rolledUp; }
    void RollUpForm(bool rollUp) override;
    void CloseForm() override { events.push_back("close"); }
    bool FormActive() const override { return formActive; }
    std::string CaptionText() const override { return caption; }
    gui::TFont& DefCaptionFont() override { return captionFont; }
    bool ShowIcon() const override { return showIcon; }
    void DrawFormIcon(gui::TCanvas&, int X, int Y) override;
    gui::TRect FormClientRect() const override { return clientRect; }
    gui::TPoint FrameScreenOrigin() const override { return origin; }
    void StartFormDrag(int X, int Y) override;
    void EndFormDrag() override { events.push_back("drag end"); }
    gui::TMenuItem* GetSystemMenuItems() override { return &systemMenu; }
    gui::TRect MainMenuRect() const override { return mainMenuRect; }
    bool MainMenuMode() const override { return mainMenuMode; }
    void EnterMainMenuMode() override;
    void ClearMenuOpen() override { events.push_back("menu open cleared"); }

    sk::TskSkinData* MenusSkinData() const override { return nullptr; }
    sk::TskSkinData* SkinData() const override { return skin; }
    void SkinMenuOpen() override { events.push_back("menu open"); }
    sk::TskSkinMenu& SkinMenu() override { return menu; }

    // Runs the morph timer until it would stop by itself; answers its ticks.
    int RunMorphTimer();
    // The recorded events joined by "; ", then forgotten.
    std::string TakeEvents();

    std::vector<std::unique_ptr<sk::TskActiveSkinObject>> objects;
    sk::TskSkinData* skin = nullptr;
    sk::TskSkinMenu menu;
    gui::TMenuItem systemMenu{nullptr};
    gui::TFont captionFont;
    std::vector<std::string> events;
    std::vector<const sk::TskActiveSkinObject*> redrawn;
    int morphTimerStarts = 0;
    int animationTimerStarts = 0;
    bool ncArea = true;
    int windowState = 0;
    bool rolledUp = false;
    bool formActive = true;
    std::string caption = "Caption";
    bool showIcon = false;
    gui::TRect clientRect = gui::Rect(4, 30, 196, 56);
    gui::TPoint origin = gui::Point(100, 200);
    gui::TRect mainMenuRect = gui::Rect(10, 20, 120, 30);
    bool mainMenuMode = false;
};

// The skin's main picture: red = x, green = y, blue 0; its active picture 0 the
// same with blue 255. Both 256 x 64.
constexpr int kMainBlue = 0;
constexpr int kActiveBlue = 255;

struct Pixel {
    int r, g, b;
    bool operator==(const Pixel& o) const { return r == o.r && g == o.g && b == o.b; }
};
std::ostream& operator<<(std::ostream& s, const Pixel& p);
// Where a pixel of a picture came from.
inline Pixel Main(int x, int y) { return Pixel{x, y, kMainBlue}; }
inline Pixel ActivePic(int x, int y) { return Pixel{x, y, kActiveBlue}; }
// The colour the target starts filled with.
constexpr Pixel kBackground{1, 2, 3};

class FrameObjectsTest : public ::testing::Test {
protected:
    FrameObjectsTest();

    // Loads the skin with the records added so far (skin.AddObject) and the two
    // pictures; loading again replaces every record.
    void Load();
    // The loaded record of the name, of its class.
    template <typename R>
    R* Find(const std::string& name)
    {
        const int index = skin.Data().GetObjectIndex(name);
        R* record = index < 0 ? nullptr : dynamic_cast<R*>(skin.Data().ObjectList[index]);
        EXPECT_NE(nullptr, record) << name;
        return record;
    }
    // Fills the target with the background and draws the object into it.
    void DrawInto(sk::TskActiveSkinObject& object, bool repaint);
    Pixel At(int x, int y);

    skinctrlstest::TestSkin skin;
    FakeEngine* engine;
    gui::TBitmap target;
};

}  // namespace frameobjectstest
