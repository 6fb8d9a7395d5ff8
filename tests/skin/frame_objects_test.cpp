// The base of the frame objects and the objects that show or set a value.
#include "frame_objects_fixture.h"

namespace frameobjectstest {

using sk::TskActiveSkinObject;

namespace {

std::unique_ptr<TskActiveSkinObject> Plain(FakeEngine& engine, sk::TskDataSkinObject* record)
{
    return std::make_unique<TskActiveSkinObject>(&engine, record);
}

}  // namespace

TEST_F(FrameObjectsTest, ObjectWithoutValidActivePictureHasNoHighlightedLook)
{
    skin.AddObject("none", "switch", {"skinrect=10,10,20,20", "activeskinrect=30,10,40,20"});
    skin.AddObject("beyond", "switch", {"skinrect=10,10,20,20", "activeskinrect=30,10,40,20", "activepictureindex=1"});
    skin.AddObject("good", "switch", {"skinrect=10,10,20,20", "activeskinrect=30,10,40,20", "activepictureindex=0"});
    Load();
    for (const char* name : {"none", "beyond"}) {
        auto* record = Find<sk::TskDataSkinSwitch>(name);
        auto& o = engine->Add(Plain(*engine, record));
        EXPECT_EQ(nullptr, o.ActivePicture()) << name;
        EXPECT_TRUE(sk::IsNullRect(o.ActiveSkinRect())) << name;
        EXPECT_TRUE(sk::IsNullRect(record->ActiveSkinRect)) << name;
    }
    auto& good = engine->Add(Plain(*engine, Find<sk::TskDataSkinSwitch>("good")));
    EXPECT_EQ(skin.Data().ActivePicture(0), good.ActivePicture());
    EXPECT_EQ(gui::Rect(10, 10, 20, 20), good.ObjectRect());
    EXPECT_TRUE(good.Enabled() && good.Visible());
}

TEST_F(FrameObjectsTest, DrawShowsTheLookWanted)
{
    skin.AddObject("o", "switch", {"skinrect=10,10,20,20", "activeskinrect=40,30,50,40", "activepictureindex=0"});
    skin.AddObject("inpicture", "switch", {"skinrect=60,5,70,15", "activepictureindex=0", "skinrectinapicture=1"});
    Load();
    auto& o = engine->Add(Plain(*engine, Find<sk::TskDataSkinObject>("o")));
    // Painted frame strips already show the normal look.
    DrawInto(o, false);
    EXPECT_EQ(kBackground, At(12, 12));
    DrawInto(o, true);
    EXPECT_EQ(Main(12, 13), At(12, 13));
    o.SetActive(true);
    DrawInto(o, false);
    EXPECT_EQ(ActivePic(42, 33), At(12, 13));
    // A normal look kept in the active picture is not in the strips.
    auto& in = engine->Add(Plain(*engine, Find<sk::TskDataSkinObject>("inpicture")));
    DrawInto(in, false);
    EXPECT_EQ(ActivePic(61, 6), At(61, 6));
}

TEST_F(FrameObjectsTest, HoverWithoutMorphingChangesTheLookAtOnce)
{
    skin.AddObject("o", "switch", {"skinrect=10,10,20,20", "activeskinrect=40,30,50,40", "activepictureindex=0"});
    skin.AddObject("flat", "switch", {"skinrect=10,10,20,20"});
    Load();
    auto& o = engine->Add(Plain(*engine, Find<sk::TskDataSkinObject>("o")));
    o.MouseEnter();
    EXPECT_TRUE(o.MouseIn() && o.Active());
    EXPECT_EQ("redraw o; enter o", engine->TakeEvents());
    o.MouseLeave();
    EXPECT_EQ("redraw o; leave o", engine->TakeEvents());
    EXPECT_EQ(0, engine->morphTimerStarts);
    // Nothing to change to: no repaint.
    auto& flat = engine->Add(Plain(*engine, Find<sk::TskDataSkinObject>("flat")));
    flat.MouseEnter();
    EXPECT_EQ("enter flat", engine->TakeEvents());
}

TEST_F(FrameObjectsTest, MorphTakesElevenTicksAndReversesFromWhereItIs)
{
    skin.AddObject("o", "switch",
                   {"skinrect=10,10,20,20", "activeskinrect=40,30,50,40", "activepictureindex=0", "morphing=1"});
    Load();
    auto& o = engine->Add(Plain(*engine, Find<sk::TskDataSkinObject>("o")));
    o.MouseEnter();
    EXPECT_EQ(1, engine->morphTimerStarts);
    EXPECT_EQ("enter o", engine->TakeEvents());
    // The tenth step of 0.1 stops just short of 1; the eleventh is clamped.
    for (int i = 0; i < 10; ++i)
        o.MorphStep();
    EXPECT_LT(o.MorphFactor(), 1.0);
    EXPECT_TRUE(o.MorphInProgress());
    o.MorphStep();
    EXPECT_EQ(1.0, o.MorphFactor());
    EXPECT_EQ(0, engine->RunMorphTimer());
    // Back down: 11 ticks as well.
    o.MouseLeave();
    EXPECT_EQ(11, engine->RunMorphTimer());
    EXPECT_EQ(0.0, o.MorphFactor());

    o.MouseEnter();
    for (int i = 0; i < 4; ++i)
        o.MorphStep();
    const double midway = o.MorphFactor();
    o.MouseLeave();
    o.MorphStep();
    EXPECT_NEAR(midway - 0.1, o.MorphFactor(), 1e-9);
}

TEST_F(FrameObjectsTest, MorphDrawsABlendOfBothLooks)
{
    skin.AddObject("o", "switch",
                   {"skinrect=10,10,20,20", "activeskinrect=40,30,50,40", "activepictureindex=0", "morphing=1"});
    Load();
    auto& o = engine->Add(Plain(*engine, Find<sk::TskDataSkinObject>("o")));
    o.SetActive(true);
    o.SetMorphFactor(0.5);
    DrawInto(o, false);
    // Halfway between (12, 13, 0) and (42, 33, 255).
    EXPECT_EQ((Pixel{27, 23, 128}), At(12, 13));
}

TEST_F(FrameObjectsTest, UserObjectLeavesItsAreaToTheApplication)
{
    skin.AddObject("area", "userobject", {"skinrect=5,6,50,20"});
    Load();
    sk::TskUserObject o(engine, Find<sk::TskDataUserObject>("area"));
    DrawInto(o, true);
    EXPECT_EQ("paint area 5,6", engine->TakeEvents());
    EXPECT_EQ(kBackground, At(10, 10));
}

TEST_F(FrameObjectsTest, SwitchTogglesOnLeftPressAndItsLookFollowsTheState)
{
    skin.AddObject("sw", "switch", {"skinrect=10,10,20,20", "activeskinrect=40,30,50,40", "activepictureindex=0"});
    Load();
    auto& sw = engine->Add(std::make_unique<sk::TskSkinSwitchObject>(engine, Find<sk::TskDataSkinSwitch>("sw")));
    EXPECT_EQ(sk::swOff, sw.State());
    sw.MouseEnter();
    EXPECT_FALSE(sw.Active());
    sw.MouseDown(12, 12, gui::mbLeft);
    EXPECT_EQ(sk::swOn, sw.State());
    EXPECT_TRUE(sw.Active());
    EXPECT_EQ("enter sw; redraw sw; switch sw on; down sw 12,12", engine->TakeEvents());
    sw.MouseLeave();
    EXPECT_TRUE(sw.Active());
    sw.MouseDown(12, 12, gui::mbRight);
    EXPECT_EQ(sk::swOn, sw.State());
    sw.MouseDown(12, 12, gui::mbLeft);
    EXPECT_EQ(sk::swOff, sw.State());
}

TEST_F(FrameObjectsTest, GaugeFillsFromItsValueAndStaysOutOfFreshFrames)
{
    skin.AddObject("h", "gauge",
                   {"skinrect=10,10,30,20", "activeskinrect=100,40,120,50", "activepictureindex=0", "minvalue=0",
                    "maxvalue=100"});
    skin.AddObject("v", "gauge",
                   {"skinrect=10,10,20,30", "activeskinrect=100,30,110,50", "activepictureindex=0", "minvalue=0",
                    "maxvalue=100", "kind=gkvertical"});
    skin.AddObject("flat", "gauge", {"skinrect=10,10,30,20", "minvalue=5", "maxvalue=5"});
    Load();
    sk::TskSkinGaugeObject h(engine, Find<sk::TskDataSkinGauge>("h"));
    EXPECT_EQ(0, h.Value());
    DrawInto(h, false);
    EXPECT_EQ(kBackground, At(11, 11));
    DrawInto(h, true);
    EXPECT_EQ(Main(11, 11), At(11, 11));

    h.SetValue(25);
    h.SetSplitPoint(gui::Point(5, 0));
    DrawInto(h, false);
    EXPECT_EQ(ActivePic(104, 41), At(14, 11));
    EXPECT_EQ(Main(15, 11), At(15, 11));

    // A vertical gauge fills from the bottom: 25 of 100 leaves 15 of 20 rows empty.
    sk::TskSkinGaugeObject v(engine, Find<sk::TskDataSkinGauge>("v"));
    EXPECT_EQ(gui::Point(0, 20), v.SplitPoint());
    v.SetSplitPoint(gui::Point(0, 15));
    v.SetValue(25);
    DrawInto(v, false);
    EXPECT_EQ(Main(11, 24), At(11, 24));
    EXPECT_EQ(ActivePic(101, 45), At(11, 25));

    // An empty range does not divide by zero.
    sk::TskSkinGaugeObject flat(engine, Find<sk::TskDataSkinGauge>("flat"));
    EXPECT_EQ(gui::Point(0, 0), flat.SplitPoint());
}

TEST_F(FrameObjectsTest, FrameGaugeShowsTheFrameOfItsValue)
{
    // Ten frames of 10 x 8 side by side from (0, 40).
    skin.AddObject("g", "framegauge",
                   {"skinrect=10,10,20,18", "activeskinrect=0,40,100,48", "activepictureindex=0", "minvalue=0",
                    "maxvalue=90", "countframes=10"});
    skin.AddObject("narrow", "framegauge",
                   {"skinrect=10,10,20,18", "activeskinrect=0,40,100,48", "activepictureindex=0", "minvalue=0",
                    "maxvalue=5", "countframes=10"});
    skin.AddObject("uneven", "framegauge",
                   {"skinrect=10,10,20,18", "activeskinrect=0,40,100,48", "activepictureindex=0", "minvalue=0",
                    "maxvalue=25", "countframes=10"});
    Load();
    sk::TskSkinFrameGaugeObject g(engine, Find<sk::TskDataSkinFrameGaugeObject>("g"));
    EXPECT_EQ(10, g.FrameWidth());
    EXPECT_EQ(8, g.FrameHeight());
    g.SetValue(35);
    DrawInto(g, false);
    EXPECT_EQ(4, g.FrameIndex());
    EXPECT_EQ(ActivePic(31, 41), At(11, 11));

    // A range smaller than the steps between frames shows frame 1.
    sk::TskSkinFrameGaugeObject narrow(engine, Find<sk::TskDataSkinFrameGaugeObject>("narrow"));
    narrow.SetValue(5);
    DrawInto(narrow, false);
    EXPECT_EQ(1, narrow.FrameIndex());

    // 25 in steps of 2 would be frame 13 of 10: the last frame instead.
    sk::TskSkinFrameGaugeObject uneven(engine, Find<sk::TskDataSkinFrameGaugeObject>("uneven"));
    uneven.SetValue(25);
    DrawInto(uneven, false);
    EXPECT_EQ(10, uneven.FrameIndex());
    EXPECT_EQ(ActivePic(91, 41), At(11, 11));
}

TEST_F(FrameObjectsTest, RegulatorTurnsOneStepPerPixelStepOfDragging)
{
    // 11 frames of 11 x 8: a pixel step of 1, a value step of 10.
    skin.AddObject("knob", "frameregulator",
                   {"skinrect=10,10,21,18", "activeskinrect=0,40,121,48", "activepictureindex=0", "minvalue=0",
                    "maxvalue=100", "countframes=11", "kind=rkhorizontal"});
    skin.AddObject("single", "frameregulator",
                   {"skinrect=10,10,21,18", "activeskinrect=0,40,11,48", "activepictureindex=0", "minvalue=0",
                    "maxvalue=100", "countframes=1"});
    skin.AddObject("above", "frameregulator", {"minvalue=20", "maxvalue=30", "countframes=2"});
    Load();
    auto& knob = engine->Add(
        std::make_unique<sk::TskSkinFrameRegulatorObject>(engine, Find<sk::TskDataSkinFrameRegulatorObject>("knob")));
    knob.MouseDown(12, 12, gui::mbLeft);
    EXPECT_TRUE(knob.Dragging());
    engine->TakeEvents();
    knob.MouseMove(13, 12);
    knob.MouseMove(14, 30);
    EXPECT_EQ(20, knob.Value());
    EXPECT_EQ("redraw knob; regulator knob 10; move knob; redraw knob; regulator knob 20; move knob",
              engine->TakeEvents());
    DrawInto(knob, false);
    EXPECT_EQ(3, knob.FrameIndex());
    EXPECT_EQ(ActivePic(22, 40), At(10, 10));
    // Back past the minimum: held at 0, and no event for a value unchanged.
    for (int x = 13; x >= 5; --x)
        knob.MouseMove(x, 12);
    EXPECT_EQ(0, knob.Value());
    knob.MouseUp(5, 12, gui::mbLeft);
    EXPECT_FALSE(knob.Dragging());
    knob.MouseMove(30, 12);
    EXPECT_EQ(0, knob.Value());
    knob.SetValue(101);
    EXPECT_EQ(0, knob.Value());

    // One frame: the drag steps over the whole range instead of dividing by zero.
    sk::TskSkinFrameRegulatorObject single(engine, Find<sk::TskDataSkinFrameRegulatorObject>("single"));
    single.MouseDown(12, 12, gui::mbLeft);
    single.MouseMove(12, 0);
    EXPECT_EQ(100, single.Value());
    DrawInto(single, false);
    EXPECT_EQ(1, single.FrameIndex());

    // The start value 0 is clamped into the range.
    sk::TskSkinFrameRegulatorObject above(engine, Find<sk::TskDataSkinFrameRegulatorObject>("above"));
    EXPECT_EQ(20, above.Value());
}

TEST_F(FrameObjectsTest, TrackBarValuesFollowItsButton)
{
    // Horizontal from (5, 5) to (105, 5) inside the object at (10, 10).
    skin.AddObject("h", "trackbar",
                   {"skinrect=10,10,120,20", "activeskinrect=10,40,120,50", "activepictureindex=0",
                    "buttonrect=200,0,210,10", "activebuttonrect=220,0,230,10", "beginpoint=5,5", "endpoint=105,5",
                    "minvalue=0", "maxvalue=50"});
    skin.AddObject("v", "trackbar",
                   {"skinrect=10,10,20,60", "buttonrect=200,0,210,10", "beginpoint=5,45", "endpoint=5,5",
                    "minvalue=0", "maxvalue=40", "mousedownchangevalue=1"});
    skin.AddObject("diagonal", "trackbar", {"beginpoint=10,10", "endpoint=20,20"});
    Load();
    auto& h = engine->Add(std::make_unique<sk::TskSkinTrackBarObject>(engine, Find<sk::TskDataSkinTrackBar>("h")));
    EXPECT_FALSE(h.Vertical());
    EXPECT_EQ(gui::Point(5, 5), h.ButtonPos());
    EXPECT_EQ(0, h.CalcValue(h.BeginPoint()));
    EXPECT_EQ(gui::Rect(0, 0, 10, 10), h.CalcButtonRect(h.ButtonPos()));

    // Pressed on the button, dragged by 40 pixels: 20 of 50.
    h.MouseDown(16, 16, gui::mbLeft);
    EXPECT_TRUE(h.Down());
    h.MouseMove(56, 16);
    EXPECT_EQ(gui::Point(45, 5), h.ButtonPos());
    EXPECT_EQ(20, h.Value());
    // Past the end the move is refused, not clamped.
    engine->TakeEvents();
    h.MouseMove(200, 16);
    EXPECT_EQ(gui::Point(45, 5), h.ButtonPos());
    EXPECT_EQ("move h", engine->TakeEvents());
    DrawInto(h, true);
    EXPECT_EQ(ActivePic(10 + 30, 40 + 2), At(10 + 30, 10 + 2));  // filled part left of the button
    EXPECT_EQ(ActivePic(222, 2), At(10 + 42, 10 + 2));           // the pressed button
    EXPECT_EQ(Main(10 + 60, 10 + 2), At(10 + 60, 10 + 2));
    h.MouseUp(200, 16, gui::mbLeft);
    EXPECT_FALSE(h.Down());

    // Equal spans count as vertical; a vertical bar has its maximum at the end point.
    sk::TskSkinTrackBarObject diagonal(engine, Find<sk::TskDataSkinTrackBar>("diagonal"));
    EXPECT_TRUE(diagonal.Vertical());
    sk::TskSkinTrackBarObject v(engine, Find<sk::TskDataSkinTrackBar>("v"));
    EXPECT_TRUE(v.Vertical());
    EXPECT_EQ(gui::Point(5, 45), v.ButtonPos());
    EXPECT_EQ(40, v.CalcValue(v.EndPoint()));
    // A press beside the button jumps there, held to the track.
    v.MouseDown(12, 10, gui::mbLeft);
    EXPECT_EQ(gui::Point(5, 5), v.ButtonPos());
    EXPECT_EQ(40, v.Value());
    v.MouseDown(12, 35, gui::mbLeft);
    EXPECT_EQ(gui::Point(5, 25), v.ButtonPos());
    EXPECT_EQ(20, v.Value());
}

TEST_F(FrameObjectsTest, AnimationStepsEveryIntervalAndStopsAtItsEnds)
{
    // Four frames of 10 x 10 side by side from (0, 40).
    skin.AddObject("slow", "animate",
                   {"skinrect=10,10,20,20", "activeskinrect=0,40,40,50", "activepictureindex=0", "countframes=4",
                    "timerinterval=100", "cycle=1"});
    skin.AddObject("fast", "animate",
                   {"skinrect=10,10,20,20", "activeskinrect=0,40,40,50", "activepictureindex=0", "countframes=4",
                    "timerinterval=10", "buttonstyle=1"});
    Load();
    sk::TskSkinAnimateObject slow(engine, Find<sk::TskDataSkinAnimate>("slow"));
    slow.SetActive(true);
    std::vector<int> frames;
    for (int i = 0; i < 16; ++i) {
        slow.AnimateStep();
        frames.push_back(slow.FrameIndex());
    }
    // One frame each fourth tick, wrapping round while cycling.
    EXPECT_EQ((std::vector<int>{1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 1}), frames);
    EXPECT_TRUE(slow.Active());
    DrawInto(slow, false);
    EXPECT_EQ(ActivePic(1, 41), At(11, 11));

    sk::TskSkinAnimateObject fast(engine, Find<sk::TskDataSkinAnimate>("fast"));
    EXPECT_EQ(25, fast.TimerInterval());
    fast.MouseEnter();
    EXPECT_EQ(1, engine->animationTimerStarts);
    for (int i = 0; i < 5 && fast.Active(); ++i)
        fast.AnimateStep();
    EXPECT_EQ(4, fast.FrameIndex());
    EXPECT_FALSE(fast.Active());
    fast.MouseLeave();
    for (int i = 0; i < 5 && fast.Active(); ++i)
        fast.AnimateStep();
    EXPECT_EQ(1, fast.FrameIndex());
    EXPECT_FALSE(fast.Active());
    DrawInto(fast, false);
    EXPECT_EQ(ActivePic(1, 41), At(11, 11));
}

TEST_F(FrameObjectsTest, AnimationLeftAtItsFirstFrameDoesNotTurnRound)
{
    skin.AddObject("a", "animate",
                   {"skinrect=10,10,20,20", "activeskinrect=0,40,40,50", "activepictureindex=0", "countframes=4",
                    "timerinterval=25", "buttonstyle=1"});
    Load();
    sk::TskSkinAnimateObject a(engine, Find<sk::TskDataSkinAnimate>("a"));
    a.MouseEnter();
    a.MouseLeave();
    a.AnimateStep();
    EXPECT_EQ(1, a.FrameIndex());
    EXPECT_FALSE(a.Active());
}

TEST_F(FrameObjectsTest, ButtonStyleAnimationRunsItsCommandOnAClick)
{
    skin.AddObject("close", "animate", {"skinrect=10,10,20,20", "buttonstyle=1", "command=cmclose"});
    skin.AddObject("max", "animate", {"skinrect=10,10,20,20", "buttonstyle=1", "command=cmmaximize"});
    skin.AddObject("roll", "animate", {"skinrect=10,10,20,20", "buttonstyle=1", "command=cmrollup"});
    skin.AddObject("sys", "animate", {"skinrect=10,10,20,20", "command=cmsysmenu"});
    Load();
    sk::TskSkinAnimateObject close(engine, Find<sk::TskDataSkinAnimate>("close"));
    close.MouseUp(12, 12, gui::mbLeft);
    EXPECT_EQ("", engine->TakeEvents());  // not under the mouse
    close.MouseEnter();
    engine->TakeEvents();
    close.MouseUp(12, 12, gui::mbLeft);
    EXPECT_EQ("up close 12,12; close", engine->TakeEvents());

    sk::TskSkinAnimateObject max(engine, Find<sk::TskDataSkinAnimate>("max"));
    max.MouseEnter();
    max.MouseUp(12, 12, gui::mbLeft);
    max.MouseUp(12, 12, gui::mbLeft);
    sk::TskSkinAnimateObject roll(engine, Find<sk::TskDataSkinAnimate>("roll"));
    roll.MouseEnter();
    roll.MouseUp(12, 12, gui::mbLeft);
    EXPECT_EQ("enter max; up max 12,12; state 2; up max 12,12; state 0; enter roll; up roll 12,12; roll up",
              engine->TakeEvents());

    sk::TskSkinAnimateObject sys(engine, Find<sk::TskDataSkinAnimate>("sys"));
    sys.DblClick();
    EXPECT_EQ("close", engine->TakeEvents());
}

TEST_F(FrameObjectsTest, BitLabelDrawsCharactersFromItsGrid)
{
    // Cells of 4 x 5 from (0, 40): "0123" in the first row, "ABC" in the second.
    skin.AddObject("digits", "bitlabel",
                   {"skinrect=10,10,24,15", "activeskinrect=0,40,16,50", "activepictureindex=0", "symbolwidth=4",
                    "symbolheight=5", "symbolslinecount=2", "symbolsline0=0123", "symbolsline1=ABC",
                    "textvalue=B?3A"});
    Load();
    sk::TskSkinBitLabelObject label(engine, Find<sk::TskDataSkinBitLabel>("digits"));
    DrawInto(label, false);
    EXPECT_EQ(ActivePic(4, 45), At(10, 10));    // "B": row 1, column 1
    EXPECT_EQ(Main(14, 10), At(14, 10));        // "?": the background shows
    EXPECT_EQ(ActivePic(12, 40), At(18, 10));   // "3"
    EXPECT_EQ(ActivePic(1, 45), At(23, 10));    // "A", cut after two columns
    EXPECT_EQ(kBackground, At(24, 10));
}

TEST_F(FrameObjectsTest, LabelDrawsItsTextInTheColourOfItsState)
{
    skin.AddObject("l", "label",
                   {"skinrect=10,10,110,30", "fontheight=16", "fontcolor=255", "activefontcolor=65280",
                    "alignment=tacenter", "textvalue=WWW"});
    skin.AddObject("same", "label", {"skinrect=10,10,110,30", "fontheight=16", "fontcolor=255",
                                     "activefontcolor=255", "textvalue=WWW"});
    Load();
    auto count = [this](gui::TColor colour) {
        int n = 0;
        for (int y = 10; y < 30; ++y)
            for (int x = 10; x < 110; ++x)
                n += target.Canvas().Pixels(x, y) == colour;
        return n;
    };
    auto& l = engine->Add(std::make_unique<sk::TskSkinLabelObject>(engine, Find<sk::TskDataSkinLabel>("l")));
    DrawInto(l, false);
    EXPECT_GT(count(gui::TColor(RGB(255, 0, 0))), 20);
    EXPECT_EQ(0, count(gui::TColor(RGB(0, 255, 0))));
    EXPECT_EQ(Main(11, 11), At(11, 11));
    l.MouseEnter();
    EXPECT_EQ("redraw l; enter l", engine->TakeEvents());
    DrawInto(l, false);
    EXPECT_GT(count(gui::TColor(RGB(0, 255, 0))), 20);

    // A highlighted look equal to the normal one still draws its text.
    auto& same = engine->Add(std::make_unique<sk::TskSkinLabelObject>(engine, Find<sk::TskDataSkinLabel>("same")));
    same.MouseEnter();
    EXPECT_EQ("enter same", engine->TakeEvents());
    DrawInto(same, false);
    EXPECT_GT(count(gui::TColor(RGB(255, 0, 0))), 20);
}

}  // namespace frameobjectstest
