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
void HoverWithoutLook(TskActiveSkinObject& object, bool entered)
{
    object.SetMouseIn(entered);
    object.SetActive(entered);
    if (entered)
        object.Parent()->MouseEnterEvent(object.IDName());
    else
        object.Parent()->MouseLeaveEvent(object.IDName());
}

// A value's place in minValue..maxValue as a fraction; an empty range counts as 0.
double Fraction(int value, int minValue, int maxValue)
{
    if (maxValue == minValue)
        return 0;
    return double(value - minValue) / double(maxValue - minValue);
}

int ClampInt(int value, int bound, int otherBound)
{
    const int low = std::min(bound, otherBound), high = std::max(bound, otherBound);
    return std::min(std::max(value, low), high);
}

// Copies columns (or rows) [from, to) of the source's rectangle into the same
// place of dest, unscaled.
void CopyColumns(gui::TBitmap& dest, gui::TBitmap* source, const gui::TRect& sourceRect, int from, int to)
{
    if (!source || source->Empty() || to <= from)
        return;
    CopyPiece(dest.Canvas(), gui::Rect(from, 0, to, dest.Height()), source->Canvas(),
              gui::Rect(sourceRect.Left + from, sourceRect.Top, sourceRect.Left + to, sourceRect.Top + dest.Height()));
}

void CopyRows(gui::TBitmap& dest, gui::TBitmap* source, const gui::TRect& sourceRect, int from, int to)
{
    if (!source || source->Empty() || to <= from)
        return;
    CopyPiece(dest.Canvas(), gui::Rect(0, from, dest.Width(), to), source->Canvas(),
              gui::Rect(sourceRect.Left, sourceRect.Top + from, sourceRect.Left + dest.Width(), sourceRect.Top + to));
}

}  // namespace

// ---- user object ----

void TskUserObject::Draw(gui::TCanvas& canvas, bool) { Parent()->PaintEvent(IDName(), canvas, ObjectRect()); }

// ---- switch ----

void TskSkinSwitchObject::SetState(TSwitchState state)
{
    state_ = state;
    SetActive(state_ == swOn);
    StartMorph();
    Parent()->SwitchChangeStateEvent(IDName(), state_);
}

void TskSkinSwitchObject::MouseDown(int x, int y, gui::TMouseButton button)
{
    if (button == gui::mbLeft)
        SetState(state_ == swOn ? swOff : swOn);
    TskActiveSkinObject::MouseDown(x, y, button);
}

// The look follows the state alone.
void TskSkinSwitchObject::MouseEnter()
{
    SetMouseIn(true);
    Parent()->MouseEnterEvent(IDName());
}

void TskSkinSwitchObject::MouseLeave()
{
    SetMouseIn(false);
    Parent()->MouseLeaveEvent(IDName());
}

// ---- gauge ----

TskSkinGaugeObject::TskSkinGaugeObject(TskSkinObjectHost* parent, TskDataSkinGauge* data)
    : TskActiveSkinObject(parent, data)
{
    if (data) {
        minValue_ = data->MinValue;
        maxValue_ = data->MaxValue;
        kind_ = data->Kind;
    }
    value_ = minValue_;
    splitPoint_ = CalcSplitPoint();
}

gui::TPoint TskSkinGaugeObject::CalcSplitPoint() const
{
    const double filled = Fraction(value_, minValue_, maxValue_);
    if (kind_ == gkHorizontal)
        return gui::Point(gui::Round(filled * RectWidth(SkinRect())), 0);
    return gui::Point(0, gui::Round(RectHeight(SkinRect()) * (1 - filled)));
}

void TskSkinGaugeObject::Draw(gui::TCanvas& canvas, bool repaint)
{
    if (value_ == minValue_ && !repaint)
        return;  // the frame shows the empty gauge
    const int width = RectWidth(ObjectRect()), height = RectHeight(ObjectRect());
    if (width < 1 || height < 1)
        return;
    gui::TBitmap image;
    image.SetSize(width, height);
    if (kind_ == gkHorizontal) {
        const int split = ClampInt(splitPoint_.X, 0, width);
        CopyColumns(image, ActivePicture(), ActiveSkinRect(), 0, split);
        CopyColumns(image, Picture(), SkinRect(), split, width);
    } else {
        const int split = ClampInt(splitPoint_.Y, 0, height);
        CopyRows(image, Picture(), SkinRect(), 0, split);
        CopyRows(image, ActivePicture(), ActiveSkinRect(), split, height);
    }
    canvas.Draw(ObjectRect().Left, ObjectRect().Top, image);
}

void TskSkinGaugeObject::MouseEnter() { HoverWithoutLook(*this, true); }

void TskSkinGaugeObject::MouseLeave() { HoverWithoutLook(*this, false); }

// ---- frames ----

TskSkinFrameObject::TskSkinFrameObject(TskSkinObjectHost* parent, TskDataSkinObject* data,
                                       const TskFrameRange& range)
    : TskActiveSkinObject(parent, data), countFrames_(range.CountFrames), framesPlacement_(range.FramesPlacement)
{
    if (countFrames_ > 0) {
        if (framesPlacement_ == fpHorizontal) {
            frameWidth_ = RectWidth(ActiveSkinRect()) / countFrames_;
            frameHeight_ = RectHeight(ActiveSkinRect());
        } else {
            frameWidth_ = RectWidth(ActiveSkinRect());
            frameHeight_ = RectHeight(ActiveSkinRect()) / countFrames_;
        }
    }
}

int TskSkinFrameObject::FrameOfValue(int value, int minValue, int maxValue) const
{
    if (countFrames_ < 2)
        return 1;
    const int step = (maxValue - minValue) / (countFrames_ - 1);
    if (step == 0)
        return 1;
    // A range that does not divide evenly (or a value outside it) would point
    // past the strip: the last frame shows instead.
    return std::min(std::abs(value - minValue) / step + 1, countFrames_);
}

void TskSkinFrameObject::Draw(gui::TCanvas& canvas, bool)
{
    const gui::TRect& strip = ActiveSkinRect();
    gui::TRect source;
    if (framesPlacement_ == fpHorizontal) {
        source.Left = strip.Left + frameWidth_ * (frameIndex_ - 1);
        source.Top = strip.Top;
    } else {
        source.Left = strip.Left;
        source.Top = strip.Top + frameHeight_ * (frameIndex_ - 1);
    }
    source.Right = source.Left + frameWidth_;
    source.Bottom = source.Top + frameHeight_;
    CopyToObject(canvas, ActivePicture(), source);
}

TskSkinFrameGaugeObject::TskSkinFrameGaugeObject(TskSkinObjectHost* parent, TskDataSkinFrameGaugeObject* data)
    : TskSkinFrameObject(parent, data, data ? *data : TskFrameRange{})
{
    if (data) {
        minValue_ = data->MinValue;
        maxValue_ = data->MaxValue;
    }
}

void TskSkinFrameGaugeObject::Draw(gui::TCanvas& canvas, bool repaint)
{
    SetFrameIndex(FrameOfValue(value_, minValue_, maxValue_));
    TskSkinFrameObject::Draw(canvas, repaint);
}

void TskSkinFrameGaugeObject::MouseEnter() { HoverWithoutLook(*this, true); }

void TskSkinFrameGaugeObject::MouseLeave() { HoverWithoutLook(*this, false); }

TskSkinFrameRegulatorObject::TskSkinFrameRegulatorObject(TskSkinObjectHost* parent,
                                                         TskDataSkinFrameRegulatorObject* data)
    : TskSkinFrameObject(parent, data, data ? *data : TskFrameRange{})
{
    if (data) {
        minValue_ = data->MinValue;
        maxValue_ = data->MaxValue;
        kind_ = data->Kind;
    }
    value_ = ClampInt(0, minValue_, maxValue_);
}

void TskSkinFrameRegulatorObject::SetValue(int value)
{
    if (value == value_ || value < minValue_ || value > maxValue_)
        return;
    value_ = value;
    Parent()->RedrawObject(*this);
    Parent()->FrameRegulatorChangeValueEvent(IDName(), value_);
}

void TskSkinFrameRegulatorObject::Draw(gui::TCanvas& canvas, bool repaint)
{
    SetFrameIndex(FrameOfValue(value_, minValue_, maxValue_));
    TskSkinFrameObject::Draw(canvas, repaint);
}

int TskSkinFrameRegulatorObject::DragCoordinate(int x, int y) const
{
    const int dx = x - ObjectRect().Left, dy = y - ObjectRect().Top;
    switch (kind_) {
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
    const int steps = std::max(CountFrames() - 1, 1);
    const int pixels = kind_ == rkHorizontal ? FrameWidth()
                       : kind_ == rkVertical ? FrameHeight()
                                             : std::min(FrameWidth(), FrameHeight());
    const int pixelStep = std::max(pixels / steps, 1);
    const int valueStep = std::max((maxValue_ - minValue_) / steps, 1);
    if (std::abs(currentCoord_ - startCoord_) < pixelStep)
        return;
    workValue_ += currentCoord_ < startCoord_ ? -valueStep : valueStep;
    workValue_ = ClampInt(workValue_, minValue_, maxValue_);
    startCoord_ = currentCoord_;
    SetValue(workValue_);
}

void TskSkinFrameRegulatorObject::MouseDown(int x, int y, gui::TMouseButton button)
{
    dragging_ = true;
    workValue_ = value_;
    startCoord_ = DragCoordinate(x, y);
    TskActiveSkinObject::MouseDown(x, y, button);
}

void TskSkinFrameRegulatorObject::MouseMove(int x, int y)
{
    if (dragging_) {
        currentCoord_ = DragCoordinate(x, y);
        DragStep();
    }
    TskActiveSkinObject::MouseMove(x, y);
}

void TskSkinFrameRegulatorObject::MouseUp(int x, int y, gui::TMouseButton button)
{
    dragging_ = false;
    TskActiveSkinObject::MouseUp(x, y, button);
}

// ---- track bar ----

TskSkinTrackBarObject::TskSkinTrackBarObject(TskSkinObjectHost* parent, TskDataSkinTrackBar* data)
    : TskActiveSkinObject(parent, data)
{
    if (data) {
        buttonRect_ = data->ButtonRect;
        activeButtonRect_ = data->ActiveButtonRect;
        beginPoint_ = data->BeginPoint;
        endPoint_ = data->EndPoint;
        minValue_ = data->MinValue;
        maxValue_ = data->MaxValue;
        mouseDownChangeValue_ = data->MouseDownChangeValue;
    }
    vertical_ = std::abs(beginPoint_.Y - endPoint_.Y) >= std::abs(endPoint_.X - beginPoint_.X);
    value_ = minValue_;
    buttonPos_ = CalcButtonPos(value_);
}

gui::TRect TskSkinTrackBarObject::CalcButtonRect(gui::TPoint position) const
{
    const int width = RectWidth(buttonRect_), height = RectHeight(buttonRect_);
    return gui::Bounds(position.X - width / 2, position.Y - height / 2, width, height);
}

int TskSkinTrackBarObject::CalcValue(gui::TPoint position) const
{
    double along;
    if (vertical_)
        along = beginPoint_.Y == endPoint_.Y
                    ? 0
                    : 1 - double(position.Y - endPoint_.Y) / double(beginPoint_.Y - endPoint_.Y);
    else
        along = double(position.X - beginPoint_.X) / double(endPoint_.X - beginPoint_.X);
    return minValue_ + gui::Round((maxValue_ - minValue_) * along);
}

gui::TPoint TskSkinTrackBarObject::CalcButtonPos(int value) const
{
    const double along = Fraction(value, minValue_, maxValue_);
    if (vertical_)
        return gui::Point(beginPoint_.X, endPoint_.Y + gui::Round((1 - along) * (beginPoint_.Y - endPoint_.Y)));
    return gui::Point(beginPoint_.X + gui::Round(along * (endPoint_.X - beginPoint_.X)), beginPoint_.Y);
}

void TskSkinTrackBarObject::SetButtonPos(gui::TPoint position)
{
    if (position == buttonPos_)
        return;
    buttonPos_ = position;
    value_ = CalcValue(position);
    Parent()->RedrawObject(*this);
    Parent()->TrackBarChangeValueEvent(IDName(), value_);
}

void TskSkinTrackBarObject::Draw(gui::TCanvas& canvas, bool)
{
    const int width = RectWidth(SkinRect()), height = RectHeight(SkinRect());
    if (width < 1 || height < 1)
        return;
    gui::TBitmap image;
    image.SetSize(width, height);
    if (IsNullRect(ActiveSkinRect())) {
        CopyColumns(image, Picture(), SkinRect(), 0, width);
    } else if (!vertical_) {
        const int split = ClampInt(buttonPos_.X, 0, width);
        CopyColumns(image, ActivePicture(), ActiveSkinRect(), 0, split);
        CopyColumns(image, Picture(), SkinRect(), split, width);
    } else {
        const int split = ClampInt(buttonPos_.Y, 0, height);
        CopyRows(image, Picture(), SkinRect(), 0, split);
        CopyRows(image, ActivePicture(), ActiveSkinRect(), split, height);
    }
    const gui::TRect& button = down_ && !IsNullRect(activeButtonRect_) ? activeButtonRect_ : buttonRect_;
    gui::TBitmap* picture = ActivePicture();
    if (picture && !picture->Empty() && !IsNullRect(button))
        CopyPiece(image.Canvas(), CalcButtonRect(buttonPos_), picture->Canvas(), button);
    canvas.Draw(ObjectRect().Left, ObjectRect().Top, image);
}

void TskSkinTrackBarObject::MouseDown(int x, int y, gui::TMouseButton button)
{
    const gui::TPoint at = gui::Point(x - ObjectRect().Left, y - ObjectRect().Top);
    const gui::TRect knob = CalcButtonRect(buttonPos_);
    const bool onButton = at.X >= knob.Left && at.X < knob.Right && at.Y >= knob.Top && at.Y < knob.Bottom;
    if (button == gui::mbLeft && onButton) {
        down_ = true;
        last_ = at;
        if (!IsNullRect(activeButtonRect_))
            Parent()->RedrawObject(*this);
    } else if (button == gui::mbLeft && mouseDownChangeValue_) {
        if (vertical_)
            SetButtonPos(gui::Point(beginPoint_.X, ClampInt(at.Y, endPoint_.Y, beginPoint_.Y)));
        else
            SetButtonPos(gui::Point(ClampInt(at.X, beginPoint_.X, endPoint_.X), beginPoint_.Y));
    }
    TskActiveSkinObject::MouseDown(x, y, button);
}

void TskSkinTrackBarObject::MouseMove(int x, int y)
{
    const gui::TPoint at = gui::Point(x - ObjectRect().Left, y - ObjectRect().Top);
    if (down_) {
        // A move past either end is refused, not clamped.
        if (vertical_) {
            const int to = buttonPos_.Y + (at.Y - last_.Y);
            if (endPoint_.Y <= to && to <= beginPoint_.Y)
                SetButtonPos(gui::Point(buttonPos_.X, to));
        } else {
            const int to = buttonPos_.X + (at.X - last_.X);
            if (beginPoint_.X <= to && to <= endPoint_.X)
                SetButtonPos(gui::Point(to, buttonPos_.Y));
        }
    }
    last_ = at;
    TskActiveSkinObject::MouseMove(x, y);
}

void TskSkinTrackBarObject::MouseUp(int x, int y, gui::TMouseButton button)
{
    if (button == gui::mbLeft && down_) {
        down_ = false;
        if (!IsNullRect(activeButtonRect_))
            Parent()->RedrawObject(*this);
    }
    TskActiveSkinObject::MouseUp(x, y, button);
}

}  // namespace sk
