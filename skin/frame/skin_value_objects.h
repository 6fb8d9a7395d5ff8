// Frame objects that show or set a value: an area the application paints, a
// switch, a gauge, a gauge and a regulator (knob) drawn as one of a strip of
// frames, and a track bar.
#pragma once

#include "skin/frame/active_skin_object.h"

namespace sk {

// An area of the frame painted by the application in OnPaintEvent.
class TskUserObject : public TskActiveSkinObject {
public:
    TskUserObject(TskSkinObjectHost* AParent, TskDataUserObject* AData) : TskActiveSkinObject(AParent, AData) {}
    void Draw(gui::TCanvas& Canvas, bool Repaint) override;
};

// On shows the highlighted look; a left press toggles it.
class TskSkinSwitchObject : public TskActiveSkinObject {
public:
    TskSkinSwitchObject(TskSkinObjectHost* AParent, TskDataSkinSwitch* AData)
        : TskActiveSkinObject(AParent, AData)
    {
    }
    TSwitchState State = swOff;
    void SetState(TSwitchState AState);

    void MouseDown(int X, int Y, gui::TMouseButton Button) override;
    void MouseEnter() override;
    void MouseLeave() override;
};

// The filled part from ActiveSkinRect, the rest from SkinRect; a vertical gauge
// fills from the bottom.
class TskSkinGaugeObject : public TskActiveSkinObject {
public:
    TskSkinGaugeObject(TskSkinObjectHost* AParent, TskDataSkinGauge* AData);
    int MinValue = 0, MaxValue = 0;
    TskGaugeKind Kind = gkHorizontal;
    int Value = 0;
    gui::TPoint SplitPoint, OldSplitPoint;

    void Draw(gui::TCanvas& Canvas, bool Repaint) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    gui::TPoint CalcSplitPoint() const;
};

// Shows frame FrameIndex (from 1) of a strip of equal frames in ActiveSkinRect.
class TskSkinFrameObject : public TskActiveSkinObject {
public:
    TskSkinFrameObject(TskSkinObjectHost* AParent, TskDataSkinObject* AData, const TskFrameRange& Range);
    int FrameIndex = 1;
    int FrameWidth = 0, FrameHeight = 0;
    int CountFrames = 0;
    TskFramesPlacement FramesPlacement = fpHorizontal;

    void Draw(gui::TCanvas& Canvas, bool Repaint) override;

protected:
    // The frame that shows Value in MinValue..MaxValue: 1 with fewer than two
    // frames or a range too small to step.
    int FrameOfValue(int Value, int MinValue, int MaxValue) const;
};

class TskSkinFrameGaugeObject : public TskSkinFrameObject {
public:
    TskSkinFrameGaugeObject(TskSkinObjectHost* AParent, TskDataSkinFrameGaugeObject* AData);
    int MinValue = 0, MaxValue = 0;
    int Value = 0;

    void Draw(gui::TCanvas& Canvas, bool Repaint) override;
    void MouseEnter() override;
    void MouseLeave() override;
};

// A knob or slider turned by dragging: one value step per pixel step of mouse
// travel (round: right or up; horizontal: right; vertical: up).
class TskSkinFrameRegulatorObject : public TskSkinFrameObject {
public:
    TskSkinFrameRegulatorObject(TskSkinObjectHost* AParent, TskDataSkinFrameRegulatorObject* AData);
    int MinValue = 0, MaxValue = 0;
    TskRegulatorKind Kind = rkRound;
    int Value = 0;

    // Values outside MinValue..MaxValue are ignored.
    void SetValue(int AValue);
    bool Dragging() const { return dragging_; }

    void Draw(gui::TCanvas& Canvas, bool Repaint) override;
    void MouseDown(int X, int Y, gui::TMouseButton Button) override;
    void MouseUp(int X, int Y, gui::TMouseButton Button) override;
    void MouseMove(int X, int Y) override;

private:
    int DragCoordinate(int X, int Y) const;
    void DragStep();

    bool dragging_ = false;
    int startCoord_ = 0, currentCoord_ = 0;
    int workValue_ = 0;
};

// A button moved along the line from BeginPoint to EndPoint (both relative to
// ObjectRect); vertical when the line is at least as high as it is wide, with
// its maximum at EndPoint, the upper end.
class TskSkinTrackBarObject : public TskActiveSkinObject {
public:
    TskSkinTrackBarObject(TskSkinObjectHost* AParent, TskDataSkinTrackBar* AData);
    gui::TRect ButtonRect, ActiveButtonRect;
    gui::TPoint BeginPoint, EndPoint;
    int MinValue = 0, MaxValue = 0;
    bool MouseDownChangeValue = false;
    bool Vertical = false;
    int Value = 0;
    gui::TPoint ButtonPos, OldButtonPos;
    bool Down = false;

    void SetButtonPos(gui::TPoint p);
    // The button's rectangle centred on p.
    gui::TRect CalcButtonRect(gui::TPoint p) const;
    int CalcValue(gui::TPoint p) const;
    gui::TPoint CalcButtonPos(int AValue) const;

    void Draw(gui::TCanvas& Canvas, bool Repaint) override;
    void MouseDown(int X, int Y, gui::TMouseButton Button) override;
    void MouseUp(int X, int Y, gui::TMouseButton Button) override;
    void MouseMove(int X, int Y) override;

private:
    gui::TPoint last_;
};

}  // namespace sk
