#include "frame_objects_fixture.h"

#include <ostream>

#include "picture_fixtures.h"

namespace frameobjectstest {

FakeEngine::FakeEngine(gui::TForm& form) : gui::TComponent(&form), menu(this, &form)
{
    captionFont.SetName("Arial");
}

void FakeEngine::RedrawObject(sk::TskActiveSkinObject& object)
{
    redrawn.push_back(&object);
    events.push_back("redraw " + object.IDName());
}

void FakeEngine::MouseDownEvent(const std::string& IDName, int X, int Y, const gui::TRect&, gui::TMouseButton)
{
    events.push_back("down " + IDName + " " + std::to_string(X) + "," + std::to_string(Y));
}

void FakeEngine::MouseUpEvent(const std::string& IDName, int X, int Y, const gui::TRect&, gui::TMouseButton)
{
    events.push_back("up " + IDName + " " + std::to_string(X) + "," + std::to_string(Y));
}

void FakeEngine::MouseMoveEvent(const std::string& IDName, int, int, const gui::TRect&)
{
    events.push_back("move " + IDName);
}

void FakeEngine::PaintEvent(const std::string& IDName, gui::TCanvas&, const gui::TRect& r)
{
    events.push_back("paint " + IDName + " " + std::to_string(r.Left) + "," + std::to_string(r.Top));
}

void FakeEngine::SwitchChangeStateEvent(const std::string& IDName, sk::TSwitchState State)
{
    events.push_back("switch " + IDName + (State == sk::swOn ? " on" : " off"));
}

void FakeEngine::TrackBarChangeValueEvent(const std::string& IDName, int Value)
{
    events.push_back("track " + IDName + " " + std::to_string(Value));
}

void FakeEngine::FrameRegulatorChangeValueEvent(const std::string& IDName, int Value)
{
    events.push_back("regulator " + IDName + " " + std::to_string(Value));
}

void FakeEngine::SetFormState(int state)
{
    windowState = state;
    events.push_back("state " + std::to_string(state));
}

void FakeEngine::RollUpForm(bool rollUp)
{
    rolledUp = rollUp;
    events.push_back(rollUp ? "roll up" : "roll down");
}

void FakeEngine::DrawFormIcon(gui::TCanvas&, int X, int Y)
{
    events.push_back("icon " + std::to_string(X) + "," + std::to_string(Y));
}

void FakeEngine::StartFormDrag(int X, int Y)
{
    events.push_back("drag " + std::to_string(X) + "," + std::to_string(Y));
}

void FakeEngine::EnterMainMenuMode()
{
    mainMenuMode = true;
    events.push_back("main menu mode");
}

int FakeEngine::RunMorphTimer()
{
    for (int ticks = 0; ticks < 100; ++ticks) {
        bool stepped = false;
        for (auto& o : objects)
            if (o->Morphing() && o->MorphInProgress()) {
                o->MorphStep();
                stepped = true;
            }
        if (!stepped)
            return ticks;
    }
    return -1;
}

std::string FakeEngine::TakeEvents()
{
    std::string all;
    for (const std::string& e : events)
        all += (all.empty() ? "" : "; ") + e;
    events.clear();
    redrawn.clear();
    return all;
}

std::ostream& operator<<(std::ostream& s, const Pixel& p)
{
    return s << "(" << p.r << ", " << p.g << ", " << p.b << ")";
}

namespace {

void MakeSourcePicture(gui::TBitmap& bitmap, int blue)
{
    skintest::MakePicture(bitmap, 256, 64, 24, {},
                          [blue](int x, int y) { return uint32_t(x) << 16 | uint32_t(y) << 8 | uint32_t(blue); });
}

}  // namespace

FrameObjectsTest::FrameObjectsTest()
{
    gui::TBitmap active;
    MakeSourcePicture(active, kActiveBlue);
    skin.AddPicture(active);
    engine = new FakeEngine(skin.Owner());
    engine->skin = &skin.Data();
    target.SetSize(300, 100);
}

void FrameObjectsTest::Load()
{
    skin.Load();
    MakeSourcePicture(skin.Data().Picture(), kMainBlue);
}

void FrameObjectsTest::DrawInto(sk::TskActiveSkinObject& object, bool repaint)
{
    target.Canvas().Brush().SetStyle(gui::bsSolid);
    target.Canvas().Brush().SetColor(gui::TColor(RGB(kBackground.r, kBackground.g, kBackground.b)));
    target.Canvas().FillRect(gui::Rect(0, 0, target.Width(), target.Height()));
    object.Draw(target.Canvas(), repaint);
}

Pixel FrameObjectsTest::At(int x, int y)
{
    const COLORREF c = target.Canvas().Pixels(x, y);
    return Pixel{GetRValue(c), GetGValue(c), GetBValue(c)};
}

}  // namespace frameobjectstest
