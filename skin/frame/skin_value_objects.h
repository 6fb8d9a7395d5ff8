// Frame objects that show or set a value: an area the application paints, a
// switch, a gauge, a gauge and a regulator (knob) drawn as one of a strip of
// frames, and a track bar.
#pragma once

#include "skin/frame/active_skin_object.h"

namespace sk {

// An area of the frame painted by the application in OnPaintEvent.
class TskUserObject : public TskActiveSkinObject {
public:
    TskUserObject(TskSkinObjectHost* parent, TskDataUserObject* data) : TskActiveSkinObject(parent, data) {}
    void Draw(gui::TCanvas& canvas, bool repaint) override;
};

// On shows the highlighted look; a left press toggles it.
class TskSkinSwitchObject : public TskActiveSkinObject {
public:
    TskSkinSwitchObject(TskSkinObjectHost* parent, TskDataSkinSwitch* data) : TskActiveSkinObject(parent, data) {}

    TSwitchState State() const { return state_; }
    // Shows the state's look and tells the form.
    void SetState(TSwitchState state);

    void MouseDown(int x, int y, gui::TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    TSwitchState state_ = swOff;
};

// The filled part from ActiveSkinRect, the rest from SkinRect; a vertical gauge
// fills from the bottom.
class TskSkinGaugeObject : public TskActiveSkinObject {
public:
    TskSkinGaugeObject(TskSkinObjectHost* parent, TskDataSkinGauge* data);

    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }
    TskGaugeKind Kind() const { return kind_; }
    int Value() const { return value_; }
    void SetValue(int value) { value_ = value; }
    // Where the filled part ends, in the object's coordinates.
    gui::TPoint SplitPoint() const { return splitPoint_; }
    void SetSplitPoint(gui::TPoint value) { splitPoint_ = value; }

    void Draw(gui::TCanvas& canvas, bool repaint) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    gui::TPoint CalcSplitPoint() const;

    int minValue_ = 0, maxValue_ = 0;
    TskGaugeKind kind_ = gkHorizontal;
    int value_ = 0;
    gui::TPoint splitPoint_;
};

// Shows frame FrameIndex (from 1) of a strip of equal frames in ActiveSkinRect.
class TskSkinFrameObject : public TskActiveSkinObject {
public:
    TskSkinFrameObject(TskSkinObjectHost* parent, TskDataSkinObject* data, const TskFrameRange& range);

    int FrameIndex() const { return frameIndex_; }
    int FrameWidth() const { return frameWidth_; }
    int FrameHeight() const { return frameHeight_; }
    int CountFrames() const { return countFrames_; }
    TskFramesPlacement FramesPlacement() const { return framesPlacement_; }

    void Draw(gui::TCanvas& canvas, bool repaint) override;

protected:
    void SetFrameIndex(int value) { frameIndex_ = value; }
    // The frame that shows Value in MinValue..MaxValue: 1 with fewer than two
    // frames or a range too small to step.
    int FrameOfValue(int value, int minValue, int maxValue) const;

private:
    int frameIndex_ = 1;
    int frameWidth_ = 0, frameHeight_ = 0;
    int countFrames_ = 0;
    TskFramesPlacement framesPlacement_ = fpHorizontal;
};

class TskSkinFrameGaugeObject : public TskSkinFrameObject {
public:
    TskSkinFrameGaugeObject(TskSkinObjectHost* parent, TskDataSkinFrameGaugeObject* data);

    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }
    int Value() const { return value_; }
    void SetValue(int value) { value_ = value; }

    void Draw(gui::TCanvas& canvas, bool repaint) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    int minValue_ = 0, maxValue_ = 0;
    int value_ = 0;
};

// A knob or slider turned by dragging: one value step per pixel step of mouse
// travel (round: right or up; horizontal: right; vertical: up).
class TskSkinFrameRegulatorObject : public TskSkinFrameObject {
public:
    TskSkinFrameRegulatorObject(TskSkinObjectHost* parent, TskDataSkinFrameRegulatorObject* data);

    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }
    TskRegulatorKind Kind() const { return kind_; }
    int Value() const { return value_; }
    // Values outside MinValue..MaxValue are ignored.
    void SetValue(int value);
    bool Dragging() const { return dragging_; }

    void Draw(gui::TCanvas& canvas, bool repaint) override;
    void MouseDown(int x, int y, gui::TMouseButton button) override;
    void MouseUp(int x, int y, gui::TMouseButton button) override;
    void MouseMove(int x, int y) override;

private:
    int DragCoordinate(int x, int y) const;
    void DragStep();

    int minValue_ = 0, maxValue_ = 0;
    TskRegulatorKind kind_ = rkRound;
    int value_ = 0;
    bool dragging_ = false;
    int startCoord_ = 0, currentCoord_ = 0;
    int workValue_ = 0;
};

// A button moved along the line from BeginPoint to EndPoint (both relative to
// ObjectRect); vertical when the line is at least as high as it is wide, with
// its maximum at EndPoint, the upper end.
class TskSkinTrackBarObject : public TskActiveSkinObject {
public:
    TskSkinTrackBarObject(TskSkinObjectHost* parent, TskDataSkinTrackBar* data);

    const gui::TRect& ButtonRect() const { return buttonRect_; }
    const gui::TRect& ActiveButtonRect() const { return activeButtonRect_; }
    gui::TPoint BeginPoint() const { return beginPoint_; }
    gui::TPoint EndPoint() const { return endPoint_; }
    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }
    // A press beside the button moves it there.
    bool MouseDownChangeValue() const { return mouseDownChangeValue_; }
    bool Vertical() const { return vertical_; }
    int Value() const { return value_; }
    gui::TPoint ButtonPos() const { return buttonPos_; }
    // The button is held by the mouse.
    bool Down() const { return down_; }

    // Moves the button's centre to a point, takes its value and tells the form.
    void SetButtonPos(gui::TPoint position);
    // The button's rectangle centred on a point.
    gui::TRect CalcButtonRect(gui::TPoint position) const;
    int CalcValue(gui::TPoint position) const;
    gui::TPoint CalcButtonPos(int value) const;

    void Draw(gui::TCanvas& canvas, bool repaint) override;
    void MouseDown(int x, int y, gui::TMouseButton button) override;
    void MouseUp(int x, int y, gui::TMouseButton button) override;
    void MouseMove(int x, int y) override;

private:
    gui::TRect buttonRect_, activeButtonRect_;
    gui::TPoint beginPoint_, endPoint_;
    int minValue_ = 0, maxValue_ = 0;
    bool mouseDownChangeValue_ = false;
    bool vertical_ = false;
    int value_ = 0;
    gui::TPoint buttonPos_;
    bool down_ = false;
    gui::TPoint last_;
};

}  // namespace sk
