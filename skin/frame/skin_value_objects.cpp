#include "skin/frame/skin_value_objects.h"

#include <algorithm>
#include <cstdlib>

#include "gui/core/rounding.h"
#include "skin/imaging/tiling.h"
#include "skin/model/geometry.h"

namespace sk {

namespace {

// A gauge's look does not follow the mouse: it only notes the mouse and tells
// the form.
void HoverWithoutLook(TskActiveSkinObject& Object, bool Entered)
{
    Object.MouseIn = Entered;
    Object.Active = Entered;
    if (Entered)
        Object.Parent->MouseEnterEvent(Object.IDName);
    else
        Object.Parent->MouseLeaveEvent(Object.IDName);
}

// Value's place in MinValue..MaxValue as a fraction; an empty range counts as 0.
double Fraction(int Value, int MinValue, int MaxValue)
{
    if (MaxValue == MinValue)
        return 0;
    return double(Value - MinValue) / double(MaxValue - MinValue);
}

int ClampInt(int v, int a, int b)
{
    const int lo = std::min(a, b), hi = std::max(a, b);
    return std::min(std::max(v, lo), hi);
}

// Copies columns (or rows) [from, to) of Source's rectangle into the same place
// of Dest, unscaled.
void CopyColumns(gui::TBitmap& Dest, gui::TBitmap* Source, const gui::TRect& SourceRect, int from, int to)
{
    if (!Source || Source->Empty() || to <= from)
        return;
    CopyPiece(Dest.Canvas(), gui::Rect(from, 0, to, Dest.Height()), Source->Canvas(),
              gui::Rect(SourceRect.Left + from, SourceRect.Top, SourceRect.Left + to, SourceRect.Top + Dest.Height()));
}

void CopyRows(gui::TBitmap& Dest, gui::TBitmap* Source, const gui::TRect& SourceRect, int from, int to)
{
    if (!Source || Source->Empty() || to <= from)
        return;
    CopyPiece(Dest.Canvas(), gui::Rect(0, from, Dest.Width(), to), Source->Canvas(),
              gui::Rect(SourceRect.Left, SourceRect.Top + from, SourceRect.Left + Dest.Width(), SourceRect.Top + to));
}

}  // namespace

// ---- user object ----

void TskUserObject::Draw(gui::TCanvas& Canvas, bool) { Parent->PaintEvent(IDName, Canvas, ObjectRect); }

// ---- switch ----

void TskSkinSwitchObject::SetState(TSwitchState AState)
{
    State = AState;
    Active = State == swOn;
    StartMorph();
    Parent->SwitchChangeStateEvent(IDName, State);
}

void TskSkinSwitchObject::MouseDown(int X, int Y, gui::TMouseButton Button)
{
    if (Button == gui::mbLeft)
        SetState(State == swOn ? swOff : swOn);
    TskActiveSkinObject::MouseDown(X, Y, Button);
}

// The look follows the state alone.
void TskSkinSwitchObject::MouseEnter()
{
    MouseIn = true;
    Parent->MouseEnterEvent(IDName);
}

void TskSkinSwitchObject::MouseLeave()
{
    MouseIn = false;
    Parent->MouseLeaveEvent(IDName);
}

// ---- gauge ----

TskSkinGaugeObject::TskSkinGaugeObject(TskSkinObjectHost* AParent, TskDataSkinGauge* AData)
    : TskActiveSkinObject(AParent, AData)
{
    if (AData) {
        MinValue = AData->MinValue;
        MaxValue = AData->MaxValue;
        Kind = AData->Kind;
    }
    Value = MinValue;
    SplitPoint = CalcSplitPoint();
    OldSplitPoint = SplitPoint;
}

gui::TPoint TskSkinGaugeObject::CalcSplitPoint() const
{
    const double x = Fraction(Value, MinValue, MaxValue);
    if (Kind == gkHorizontal)
        return gui::Point(gui::Round(x * RectWidth(SkinRect)), 0);
    return gui::Point(0, gui::Round(RectHeight(SkinRect) * (1 - x)));
}

void TskSkinGaugeObject::Draw(gui::TCanvas& Canvas, bool Repaint)
{
    if (Value == MinValue && !Repaint)
        return;  // the frame shows the empty gauge
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    if (w < 1 || h < 1)
        return;
    gui::TBitmap image;
    image.SetSize(w, h);
    if (Kind == gkHorizontal) {
        const int split = ClampInt(SplitPoint.X, 0, w);
        CopyColumns(image, ActivePicture, ActiveSkinRect, 0, split);
        CopyColumns(image, Picture, SkinRect, split, w);
    } else {
        const int split = ClampInt(SplitPoint.Y, 0, h);
        CopyRows(image, Picture, SkinRect, 0, split);
        CopyRows(image, ActivePicture, ActiveSkinRect, split, h);
    }
    Canvas.Draw(ObjectRect.Left, ObjectRect.Top, image);
}

void TskSkinGaugeObject::MouseEnter() { HoverWithoutLook(*this, true); }

void TskSkinGaugeObject::MouseLeave() { HoverWithoutLook(*this, false); }

// ---- frames ----

TskSkinFrameObject::TskSkinFrameObject(TskSkinObjectHost* AParent, TskDataSkinObject* AData,
                                       const TskFrameRange& Range)
    : TskActiveSkinObject(AParent, AData), CountFrames(Range.CountFrames), FramesPlacement(Range.FramesPlacement)
{
    if (CountFrames > 0) {
        if (FramesPlacement == fpHorizontal) {
            FrameWidth = RectWidth(ActiveSkinRect) / CountFrames;
            FrameHeight = RectHeight(ActiveSkinRect);
        } else {
            FrameWidth = RectWidth(ActiveSkinRect);
            FrameHeight = RectHeight(ActiveSkinRect) / CountFrames;
        }
    }
}

int TskSkinFrameObject::FrameOfValue(int Value, int MinValue, int MaxValue) const
{
    if (CountFrames < 2)
        return 1;
    const int step = (MaxValue - MinValue) / (CountFrames - 1);
    if (step == 0)
        return 1;
    // A range that does not divide evenly (or a value outside it) would point
    // past the strip: the last frame shows instead.
    return std::min(std::abs(Value - MinValue) / step + 1, CountFrames);
}

void TskSkinFrameObject::Draw(gui::TCanvas& Canvas, bool)
{
    gui::TRect source;
    if (FramesPlacement == fpHorizontal) {
        source.Left = ActiveSkinRect.Left + FrameWidth * (FrameIndex - 1);
        source.Top = ActiveSkinRect.Top;
    } else {
        source.Left = ActiveSkinRect.Left;
        source.Top = ActiveSkinRect.Top + FrameHeight * (FrameIndex - 1);
    }
    source.Right = source.Left + FrameWidth;
    source.Bottom = source.Top + FrameHeight;
    CopyToObject(Canvas, ActivePicture, source);
}

TskSkinFrameGaugeObject::TskSkinFrameGaugeObject(TskSkinObjectHost* AParent, TskDataSkinFrameGaugeObject* AData)
    : TskSkinFrameObject(AParent, AData, AData ? *AData : TskFrameRange{})
{
    if (AData) {
        MinValue = AData->MinValue;
        MaxValue = AData->MaxValue;
    }
}

void TskSkinFrameGaugeObject::Draw(gui::TCanvas& Canvas, bool Repaint)
{
    FrameIndex = FrameOfValue(Value, MinValue, MaxValue);
    TskSkinFrameObject::Draw(Canvas, Repaint);
}

void TskSkinFrameGaugeObject::MouseEnter() { HoverWithoutLook(*this, true); }

void TskSkinFrameGaugeObject::MouseLeave() { HoverWithoutLook(*this, false); }

TskSkinFrameRegulatorObject::TskSkinFrameRegulatorObject(TskSkinObjectHost* AParent,
                                                         TskDataSkinFrameRegulatorObject* AData)
    : TskSkinFrameObject(AParent, AData, AData ? *AData : TskFrameRange{})
{
    if (AData) {
        MinValue = AData->MinValue;
        MaxValue = AData->MaxValue;
        Kind = AData->Kind;
    }
    Value = ClampInt(0, MinValue, MaxValue);
}

void TskSkinFrameRegulatorObject::SetValue(int AValue)
{
    if (AValue == Value || AValue < MinValue || AValue > MaxValue)
        return;
    Value = AValue;
    Parent->RedrawObject(*this);
    Parent->FrameRegulatorChangeValueEvent(IDName, Value);
}

void TskSkinFrameRegulatorObject::Draw(gui::TCanvas& Canvas, bool Repaint)
{
    FrameIndex = FrameOfValue(Value, MinValue, MaxValue);
    TskSkinFrameObject::Draw(Canvas, Repaint);
}

int TskSkinFrameRegulatorObject::DragCoordinate(int X, int Y) const
{
    const int dx = X - ObjectRect.Left, dy = Y - ObjectRect.Top;
    switch (Kind) {
    case rkHorizontal:
        return dx;
    case rkVertical:
        return -dy;  // moving up turns it up
    default:
        return dx - dy;
    }
}

void TskSkinFrameRegulatorObject::DragStep()
{
    // A strip of one frame has no steps between frames: every pixel and every
    // unit counts as one.
    const int steps = std::max(CountFrames - 1, 1);
    int pixels = Kind == rkHorizontal ? FrameWidth : Kind == rkVertical ? FrameHeight : std::min(FrameWidth, FrameHeight);
    const int pixelStep = std::max(pixels / steps, 1);
    const int valueStep = std::max((MaxValue - MinValue) / steps, 1);
    if (std::abs(currentCoord_ - startCoord_) < pixelStep)
        return;
    workValue_ += currentCoord_ < startCoord_ ? -valueStep : valueStep;
    workValue_ = ClampInt(workValue_, MinValue, MaxValue);
    startCoord_ = currentCoord_;
    SetValue(workValue_);
}

void TskSkinFrameRegulatorObject::MouseDown(int X, int Y, gui::TMouseButton Button)
{
    dragging_ = true;
    workValue_ = Value;
    startCoord_ = DragCoordinate(X, Y);
    TskActiveSkinObject::MouseDown(X, Y, Button);
}

void TskSkinFrameRegulatorObject::MouseMove(int X, int Y)
{
    if (dragging_) {
        currentCoord_ = DragCoordinate(X, Y);
        DragStep();
    }
    TskActiveSkinObject::MouseMove(X, Y);
}

void TskSkinFrameRegulatorObject::MouseUp(int X, int Y, gui::TMouseButton Button)
{
    dragging_ = false;
    TskActiveSkinObject::MouseUp(X, Y, Button);
}

// ---- track bar ----

TskSkinTrackBarObject::TskSkinTrackBarObject(TskSkinObjectHost* AParent, TskDataSkinTrackBar* AData)
    : TskActiveSkinObject(AParent, AData)
{
    if (AData) {
        ButtonRect = AData->ButtonRect;
        ActiveButtonRect = AData->ActiveButtonRect;
        BeginPoint = AData->BeginPoint;
        EndPoint = AData->EndPoint;
        MinValue = AData->MinValue;
        MaxValue = AData->MaxValue;
        MouseDownChangeValue = AData->MouseDownChangeValue;
    }
    Vertical = std::abs(BeginPoint.Y - EndPoint.Y) >= std::abs(EndPoint.X - BeginPoint.X);
    Value = MinValue;
    ButtonPos = CalcButtonPos(Value);
    OldButtonPos = ButtonPos;
}

gui::TRect TskSkinTrackBarObject::CalcButtonRect(gui::TPoint p) const
{
    const int w = RectWidth(ButtonRect), h = RectHeight(ButtonRect);
    return gui::Bounds(p.X - w / 2, p.Y - h / 2, w, h);
}

int TskSkinTrackBarObject::CalcValue(gui::TPoint p) const
{
    double x;
    if (Vertical)
        x = BeginPoint.Y == EndPoint.Y ? 0 : 1 - double(p.Y - EndPoint.Y) / double(BeginPoint.Y - EndPoint.Y);
    else
        x = double(p.X - BeginPoint.X) / double(EndPoint.X - BeginPoint.X);
    return MinValue + gui::Round((MaxValue - MinValue) * x);
}

gui::TPoint TskSkinTrackBarObject::CalcButtonPos(int AValue) const
{
    const double x = Fraction(AValue, MinValue, MaxValue);
    if (Vertical)
        return gui::Point(BeginPoint.X, EndPoint.Y + gui::Round((1 - x) * (BeginPoint.Y - EndPoint.Y)));
    return gui::Point(BeginPoint.X + gui::Round(x * (EndPoint.X - BeginPoint.X)), BeginPoint.Y);
}

void TskSkinTrackBarObject::SetButtonPos(gui::TPoint p)
{
    if (p == ButtonPos)
        return;
    OldButtonPos = ButtonPos;
    ButtonPos = p;
    Value = CalcValue(p);
    Parent->RedrawObject(*this);
    Parent->TrackBarChangeValueEvent(IDName, Value);
}

void TskSkinTrackBarObject::Draw(gui::TCanvas& Canvas, bool)
{
    const int w = RectWidth(SkinRect), h = RectHeight(SkinRect);
    if (w < 1 || h < 1)
        return;
    gui::TBitmap image;
    image.SetSize(w, h);
    if (IsNullRect(ActiveSkinRect)) {
        CopyColumns(image, Picture, SkinRect, 0, w);
    } else if (!Vertical) {
        const int split = ClampInt(ButtonPos.X, 0, w);
        CopyColumns(image, ActivePicture, ActiveSkinRect, 0, split);
        CopyColumns(image, Picture, SkinRect, split, w);
    } else {
        const int split = ClampInt(ButtonPos.Y, 0, h);
        CopyRows(image, Picture, SkinRect, 0, split);
        CopyRows(image, ActivePicture, ActiveSkinRect, split, h);
    }
    const gui::TRect& button = Down && !IsNullRect(ActiveButtonRect) ? ActiveButtonRect : ButtonRect;
    if (ActivePicture && !ActivePicture->Empty() && !IsNullRect(button))
        CopyPiece(image.Canvas(), CalcButtonRect(ButtonPos), ActivePicture->Canvas(), button);
    Canvas.Draw(ObjectRect.Left, ObjectRect.Top, image);
}

void TskSkinTrackBarObject::MouseDown(int X, int Y, gui::TMouseButton Button)
{
    const gui::TPoint p = gui::Point(X - ObjectRect.Left, Y - ObjectRect.Top);
    const gui::TRect button = CalcButtonRect(ButtonPos);
    const bool onButton = p.X >= button.Left && p.X < button.Right && p.Y >= button.Top && p.Y < button.Bottom;
    if (Button == gui::mbLeft && onButton) {
        Down = true;
        last_ = p;
        if (!IsNullRect(ActiveButtonRect))
            Parent->RedrawObject(*this);
    } else if (Button == gui::mbLeft && MouseDownChangeValue) {
        if (Vertical)
            SetButtonPos(gui::Point(BeginPoint.X, ClampInt(p.Y, EndPoint.Y, BeginPoint.Y)));
        else
            SetButtonPos(gui::Point(ClampInt(p.X, BeginPoint.X, EndPoint.X), BeginPoint.Y));
    }
    TskActiveSkinObject::MouseDown(X, Y, Button);
}

void TskSkinTrackBarObject::MouseMove(int X, int Y)
{
    const gui::TPoint p = gui::Point(X - ObjectRect.Left, Y - ObjectRect.Top);
    if (Down) {
        // A move past either end is refused, not clamped.
        if (Vertical) {
            const int c = ButtonPos.Y + (p.Y - last_.Y);
            if (EndPoint.Y <= c && c <= BeginPoint.Y)
                SetButtonPos(gui::Point(ButtonPos.X, c));
        } else {
            const int c = ButtonPos.X + (p.X - last_.X);
            if (BeginPoint.X <= c && c <= EndPoint.X)
                SetButtonPos(gui::Point(c, ButtonPos.Y));
        }
    }
    last_ = p;
    TskActiveSkinObject::MouseMove(X, Y);
}

void TskSkinTrackBarObject::MouseUp(int X, int Y, gui::TMouseButton Button)
{
    if (Button == gui::mbLeft && Down) {
        Down = false;
        if (!IsNullRect(ActiveButtonRect))
            Parent->RedrawObject(*this);
    }
    TskActiveSkinObject::MouseUp(X, Y, Button);
}

}  // namespace sk
