#include "skinctrls/controls/skin_scroll_bar.h"

#include <algorithm>

#include "gui/controls/control_messages.h"
#include "gui/core/rounding.h"
#include "skin/imaging/default_look.h"
#include "skin/imaging/effect_bmp.h"
#include "skin/imaging/glyphs.h"
#include "skin/imaging/skin_image.h"
#include "skin/model/control_records.h"

namespace sk {

namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstRepeat = 500;
constexpr UINT kNextRepeat = 50;
constexpr int kButtonSize = 17;
constexpr int kDefaultThumb = 16;

TRect Moved(const TRect& rect, int dx, int dy)
{
    return TRect{rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy};
}

bool Contains(const TRect& rect, gui::TPoint point)
{
    return point.X >= rect.Left && point.X < rect.Right && point.Y >= rect.Top && point.Y < rect.Bottom;
}

// An empty rectangle of a state stands for the one it falls back on.
TRect Or(const TRect& rect, const TRect& fallback) { return IsNullRect(rect) ? fallback : rect; }

}  // namespace

TskSkinScrollBar::TskSkinScrollBar(gui::TComponent* owner) : TskSkinCustomControl(owner)
{
    SetBounds(Left(), Top(), 200, 19);
    SetDefaultHeight(19);
}

// ---- Properties ----

int TskSkinScrollBar::PositionRange() const { return pageSize_ == 0 ? max_ : max_ - pageSize_ + 1; }

void TskSkinScrollBar::SetPosition(int value)
{
    value = std::max(std::min(value, PositionRange()), min_);
    if (value == position_)
        return;
    position_ = value;
    Repaint();
    if (OnChange)
        OnChange(this);
}

void TskSkinScrollBar::SetRange(int min, int max, int pageSize, int position)
{
    min_ = min;
    max_ = max;
    pageSize_ = pageSize;
    position_ = std::max(std::min(position, PositionRange()), min_);
    Repaint();
}

void TskSkinScrollBar::SetMax(int value)
{
    max_ = value;
    position_ = std::max(std::min(position_, PositionRange()), min_);
    Repaint();
}

void TskSkinScrollBar::SetMin(int value)
{
    min_ = value;
    position_ = std::max(position_, min_);
    Repaint();
}

void TskSkinScrollBar::SetPageSize(int value)
{
    // A negative page would let the position run beyond Max.
    if (value >= 0 && max_ - min_ + 1 >= value + position_)
        pageSize_ = value;
    Repaint();
}

void TskSkinScrollBar::SetSmallChange(int value)
{
    smallChange_ = value;
    Repaint();
}

void TskSkinScrollBar::SetLargeChange(int value)
{
    largeChange_ = value;
    Repaint();
}

void TskSkinScrollBar::SetCanFocused(bool value)
{
    canFocused_ = value;
    SetTabStop(value);
}

void TskSkinScrollBar::SetKind(gui::TScrollBarKind value)
{
    if (value == kind_)
        return;
    kind_ = value;
    const gui::TComponentState state = ComponentState();
    if (state.Contains(gui::csDesigning) && !state.Contains(gui::csLoading)) {
        // A bar laid the other way takes the other element and its proportions.
        const bool vertical = value == gui::sbVertical;
        SetSkinDataName(vertical ? "vscrollbar" : "hscrollbar");
        if (vertical ? Height() < Width() : Width() < Height())
            SetBounds(Left(), Top(), Height(), Width());
        if (vertical) {
            SetDefaultWidth(DefaultHeight());
            SetDefaultHeight(0);
        } else {
            SetDefaultHeight(DefaultWidth());
            SetDefaultWidth(0);
        }
    }
    Repaint();
}

void TskSkinScrollBar::SetBoth(bool value)
{
    if (value == both_)
        return;
    both_ = value;
    if (!ComponentState().Contains(gui::csDesigning)) {
        if (value) {
            plainSkinDataName_ = SkinDataName();
            nameReplaced_ = true;
            SetSkinDataName(bothSkinDataName_);
        } else if (nameReplaced_) {
            SetSkinDataName(plainSkinDataName_);
            nameReplaced_ = false;
        }
    }
    const bool hadElement = SkinIndex() != -1;
    ReadSkinEntry();
    if (hadElement || SkinIndex() != -1)
        ApplySkin();
    else
        Repaint();
}

void TskSkinScrollBar::SetBothMarkerWidth(int value)
{
    if (value < 0)
        return;
    bothMarkerWidth_ = value;
    if (SkinIndex() == -1)
        Repaint();
}

// ---- Skin and layout ----

void TskSkinScrollBar::ReadSkinEntry()
{
    TskSkinCustomControl::ReadSkinEntry();
    const auto* record = SkinIndex() == -1
                             ? nullptr
                             : dynamic_cast<const TskDataSkinScrollBarControl*>(SkinData()->CtrlList[SkinIndex()]);
    scrollRecord_ = record != nullptr;
    if (!record)
        return;
    trackArea_ = record->TrackArea;
    upButtonRect_ = record->UpButtonRect;
    activeUpButtonRect_ = record->ActiveUpButtonRect;
    downUpButtonRect_ = Or(record->DownUpButtonRect, activeUpButtonRect_);
    downButtonRect_ = record->DownButtonRect;
    activeDownButtonRect_ = record->ActiveDownButtonRect;
    downDownButtonRect_ = Or(record->DownDownButtonRect, activeDownButtonRect_);
    thumbRect_ = record->ThumbRect;
    activeThumbRect_ = Or(record->ActiveThumbRect, thumbRect_);
    downThumbRect_ = Or(record->DownThumbRect, activeThumbRect_);
    thumbOffset1_ = record->ThumbOffset1;
    thumbOffset2_ = record->ThumbOffset2;
    glyphRect_ = record->GlyphRect;
    activeGlyphRect_ = Or(record->ActiveGlyphRect, glyphRect_);
    downGlyphRect_ = Or(record->DownGlyphRect, activeGlyphRect_);
}

void TskSkinScrollBar::AdjustSkinSize(int& width, int& height)
{
    TskSkinCustomControl::AdjustSkinSize(width, height);
    Layout(width, height);
}

double TskSkinScrollBar::ThumbFraction() const
{
    const int range = pageSize_ == 0 ? max_ - min_ : max_ - pageSize_ + 1 - min_;
    double f;
    if (range != 0)
        f = double(position_ - min_) / range;
    else if (pageSize_ == 0)
        f = 0;
    else
        f = Skinned() ? 0 : 1;  // a page over the whole range
    return std::clamp(f, 0.0, 1.0);
}

void TskSkinScrollBar::Layout(int width, int height)
{
    const bool skinned = Skinned();
    TRect& up = parts_[ptUp].Rect;
    TRect& down = parts_[ptDown].Rect;
    int thumbLength = kDefaultThumb;
    if (!skinned) {
        if (Vertical()) {
            down = gui::Rect(1, 1, width - 1, kButtonSize);
            up = gui::Rect(1, height - kButtonSize, width - 1, height - 1);
            track_ = gui::Rect(1, kButtonSize, width - 1, height - kButtonSize);
        } else {
            const int w = both_ ? width - bothMarkerWidth_ : width;
            down = gui::Rect(1, 1, kButtonSize, height - 1);
            up = gui::Rect(w - kButtonSize, 1, w - 1, height - 1);
            track_ = gui::Rect(kButtonSize, 1, w - kButtonSize, height - 1);
        }
    } else {
        // The far end of the track and the buttons beyond the element's stretching
        // part follow the size.
        const int dw = width - RectWidth(SkinRect()), dh = height - RectHeight(SkinRect());
        track_ = trackArea_;
        up = upButtonRect_;
        down = downButtonRect_;
        if (Vertical()) {
            track_.Bottom += dh;
            for (TRect* button : {&up, &down})
                if (button->Top >= Geometry().LBPoint.Y)
                    *button = Moved(*button, 0, dh);
            thumbLength = RectHeight(thumbRect_);
        } else {
            track_.Right += dw;
            for (TRect* button : {&up, &down})
                if (button->Left >= Geometry().RTPoint.X)
                    *button = Moved(*button, dw, 0);
            thumbLength = RectWidth(thumbRect_);
        }
    }
    const int trackStart = Vertical() ? track_.Top : track_.Left;
    const int trackEnd = Vertical() ? track_.Bottom : track_.Right;
    if (pageSize_ != 0) {
        const int count = max_ - min_ + 1;
        const int proportional = count == 0 ? 0 : gui::Round(double(trackEnd - trackStart) * pageSize_ / count);
        thumbLength = std::max(thumbLength, proportional);
    }
    const int half = thumbLength / 2;
    smallestCentre_ = trackStart + half;
    largestCentre_ = trackEnd - half;
    thumbOffset_ = gui::Round((largestCentre_ - smallestCentre_) * ThumbFraction());
    const int from = smallestCentre_ + thumbOffset_ - half, to = smallestCentre_ + thumbOffset_ + half;

    // Across the track: the whole of it, or the skin thumb's size centred on it.
    int crossStart = Vertical() ? track_.Left : track_.Top;
    int crossEnd = Vertical() ? track_.Right : track_.Bottom;
    if (skinned) {
        const int size = Vertical() ? RectWidth(thumbRect_) : RectHeight(thumbRect_);
        crossStart += (crossEnd - crossStart - size) / 2;
        crossEnd = crossStart + size;
    }
    parts_[ptThumb].Rect = Vertical() ? gui::Rect(crossStart, from, crossEnd, to) : gui::Rect(from, crossStart, to, crossEnd);
}

int TskSkinScrollBar::PartAt(gui::TPoint point) const
{
    for (int i = 0; i < ptCount; ++i)
        if (Contains(parts_[i].Rect, point))
            return i;
    return -1;
}

// ---- Painting ----

void TskSkinScrollBar::DrawDefaultImage(gui::TBitmap& bitmap)
{
    Layout();
    gui::TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetStyle(gui::bsSolid);
    canvas.Brush().SetColor(gui::clBtnFace);
    canvas.FillRect(ClientRect());
    for (int i : {ptUp, ptDown}) {
        const TPart& part = parts_[i];
        DrawDefaultFace(canvas, part.Rect, part.Down && part.MouseIn ? fsPressed : part.MouseIn ? fsHot : fsNormal);
        const int arrow = i == ptUp ? (Vertical() ? kArrowDown : kArrowRight) : (Vertical() ? kArrowUp : kArrowLeft);
        DrawArrow(canvas, part.Rect, gui::clBlack, arrow);
    }
    if (!Enabled())
        return;
    const TPart& thumb = parts_[ptThumb];
    const bool pressed = thumb.Down || (canFocused_ && Focused());
    DrawDefaultFace(canvas, thumb.Rect, pressed ? fsPressed : thumb.MouseIn ? fsHot : fsNormal);
}

void TskSkinScrollBar::DrawSkinImage(gui::TBitmap& bitmap)
{
    TskSkinCustomControl::DrawSkinImage(bitmap);
    if (!Skinned())
        return;  // an element of another kind shows its picture alone
    Layout();
    for (int i : {ptUp, ptDown}) {
        const TPart& part = parts_[i];
        const TRect& pressed = i == ptUp ? downUpButtonRect_ : downDownButtonRect_;
        const TRect& active = i == ptUp ? activeUpButtonRect_ : activeDownButtonRect_;
        // Otherwise the element's picture shows the button already.
        const TRect* source = part.Down && part.MouseIn ? &pressed : part.MouseIn ? &active : nullptr;
        if (source && !IsNullRect(*source))
            bitmap.Canvas().CopyRect(part.Rect, Picture()->Canvas(), *source);
    }
    if (Enabled())
        DrawSkinThumb(bitmap);
}

void TskSkinScrollBar::DrawSkinThumb(gui::TBitmap& bitmap)
{
    const TPart& part = parts_[ptThumb];
    const bool pressed = part.Down || (canFocused_ && Focused());
    const TRect& source = pressed ? downThumbRect_ : part.MouseIn ? activeThumbRect_ : thumbRect_;
    const TRect& glyph = pressed ? downGlyphRect_ : part.MouseIn ? activeGlyphRect_ : glyphRect_;
    if (IsNullRect(source))
        return;
    gui::TBitmap thumb;
    if (pageSize_ != 0 && Vertical()) {
        MakeVSkinImage(thumbOffset1_, thumbOffset2_, thumb, *Picture(), source, RectHeight(part.Rect));
    } else if (pageSize_ != 0) {
        MakeHSkinImage(thumbOffset1_, thumbOffset2_, thumb, *Picture(), source, RectWidth(part.Rect));
    } else {
        thumb.SetSize(RectWidth(source), RectHeight(source));
        thumb.Canvas().CopyRect(gui::Rect(0, 0, thumb.Width(), thumb.Height()), Picture()->Canvas(), source);
    }
    if (!IsNullRect(glyph)) {
        const int x = thumb.Width() / 2 - RectWidth(glyph) / 2, y = thumb.Height() / 2 - RectHeight(glyph) / 2;
        thumb.Canvas().CopyRect(gui::Bounds(x, y, RectWidth(glyph), RectHeight(glyph)), Picture()->Canvas(), glyph);
    }
    if (!AlphaBlend()) {
        bitmap.Canvas().Draw(part.Rect.Left, part.Rect.Top, thumb);
        return;
    }
    // Blended toward what the bar shows under the thumb.
    gui::TBitmap under;
    under.SetSize(thumb.Width(), thumb.Height());
    under.Canvas().CopyRect(gui::Rect(0, 0, thumb.Width(), thumb.Height()), bitmap.Canvas(),
                            gui::Bounds(part.Rect.Left, part.Rect.Top, thumb.Width(), thumb.Height()));
    TskEffectBmp blended(thumb.Handle());
    blended.Morph(TskEffectBmp(under.Handle()), 1.0 - AlphaBlendValue() / 255.0);
    blended.Draw(bitmap.Canvas().Handle(), part.Rect.Left, part.Rect.Top);
}

// ---- Stepping ----

void TskSkinScrollBar::StepDown()
{
    if (OnDownButtonClick)
        OnDownButtonClick(this);
    else
        SetPosition(position_ - smallChange_);
}

void TskSkinScrollBar::StepUp()
{
    if (OnUpButtonClick)
        OnUpButtonClick(this);
    else
        SetPosition(position_ + smallChange_);
}

void TskSkinScrollBar::StartTimer(UINT interval)
{
    timerRunning_ = ::SetTimer(Handle(), kRepeatTimer, interval, nullptr) != 0;
}

void TskSkinScrollBar::StopTimer()
{
    if (timerRunning_ && HandleAllocated())
        ::KillTimer(Handle(), kRepeatTimer);
    timerRunning_ = false;
}

// ---- The mouse ----

void TskSkinScrollBar::TrackHover(gui::TPoint point)
{
    Layout();
    int part = PartAt(point);
    if (held_ != -1 && part != held_)
        part = -1;  // while a part is held only it counts
    if (part == hovered_)
        return;
    if (hovered_ != -1) {
        parts_[hovered_].MouseIn = false;
        Repaint();
        if (hovered_ == held_ && held_ != ptThumb)
            StopTimer();  // the repeat pauses off the button
    }
    hovered_ = part;
    if (part != -1) {
        parts_[part].MouseIn = true;
        Repaint();
        if (part == held_ && held_ != ptThumb)
            StartTimer(kNextRepeat);  // and goes on when the mouse is back
    }
}

void TskSkinScrollBar::MouseDown(gui::TMouseButton button, gui::TShiftState shift, int x, int y)
{
    TskSkinCustomControl::MouseDown(button, shift, x, y);
    if (button != gui::mbLeft)
        return;
    const gui::TPoint p = gui::Point(x, y);
    mouseHeld_ = true;
    lastMouse_ = p;
    Layout();
    repeat_ = rkNone;
    firstTick_ = true;
    const int part = PartAt(p);
    if (part != -1) {
        held_ = part;
        parts_[part].Down = true;
        Repaint();
        if (part == ptUp) {
            StepUp();
            repeat_ = rkUpButton;
            StartTimer(kFirstRepeat);
        } else if (part == ptDown) {
            StepDown();
            repeat_ = rkDownButton;
            StartTimer(kFirstRepeat);
        } else {
            dragOrigin_ = Along(p);
            dragThumbOffset_ = thumbOffset_;
            dragging_ = true;
            Repaint();
        }
    } else if (Contains(track_, p)) {
        if (Along(p) < ThumbStart()) {
            SetPosition(position_ - largeChange_);
            repeat_ = rkPageToMin;
        } else {
            SetPosition(position_ + largeChange_);
            repeat_ = rkPageToMax;
        }
        StartTimer(kFirstRepeat);
    }
}

void TskSkinScrollBar::MouseMove(gui::TShiftState shift, int x, int y)
{
    const gui::TPoint p = gui::Point(x, y);
    lastMouse_ = p;
    TrackHover(p);
    if (dragging_) {
        Layout();
        const int offset = dragThumbOffset_ + (Along(p) - dragOrigin_);
        const int span = largestCentre_ - smallestCentre_;
        const double c = span > 0 ? std::clamp(double(offset) / span, 0.0, 1.0) : 0.0;
        const int range = pageSize_ == 0 ? max_ - min_ : max_ - min_ - pageSize_ + 1;
        SetPosition(min_ + gui::Round(range * c));
    }
    TskSkinCustomControl::MouseMove(shift, x, y);
}

void TskSkinScrollBar::MouseUp(gui::TMouseButton button, gui::TShiftState shift, int x, int y)
{
    TskSkinCustomControl::MouseUp(button, shift, x, y);
    mouseHeld_ = false;
    if (repeat_ == rkPageToMin || repeat_ == rkPageToMax)
        StopTimer();
    if (held_ != -1) {
        TPart& part = parts_[held_];
        part.Down = false;
        if (held_ != hovered_)
            part.MouseIn = false;
        Repaint();
        if (held_ == ptThumb)
            dragging_ = false;
        else
            StopTimer();
    }
    held_ = -1;
    repeat_ = rkNone;
    if (button == gui::mbLeft && OnLastChange)
        OnLastChange(this);
}

// ---- Messages ----

void TskSkinScrollBar::WndProc(gui::TMessage& message)
{
    switch (message.Msg) {
    case WM_TIMER:
        WMTimer(message);
        return;
    case WM_KEYDOWN:
        WMKeyDown(message);
        break;
    case WM_MOUSEWHEEL:
        WMMouseWheel(message);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        WMLButtonDown(message);
        return;
    case gui::CM_WANTSPECIALKEY:
        CMWantSpecialKey(message);
        return;
    case gui::CM_MOUSELEAVE:
        CMMouseLeave(message);
        break;
    default:
        break;
    }
    TskSkinCustomControl::WndProc(message);
    switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case gui::CM_ENABLEDCHANGED:
        Repaint();
        break;
    default:
        break;
    }
}

void TskSkinScrollBar::WMTimer(gui::TMessage& message)
{
    if (message.WParam != kRepeatTimer)
        return;
    if (firstTick_) {
        firstTick_ = false;
        StartTimer(kNextRepeat);
        return;
    }
    switch (repeat_) {
    case rkDownButton:
        StepDown();
        break;
    case rkUpButton:
        StepUp();
        break;
    case rkPageToMin:
    case rkPageToMax: {
        // Paging goes on until the thumb has passed the mouse.
        TrackHover(lastMouse_);
        const bool toMin = repeat_ == rkPageToMin;
        if (toMin ? Along(lastMouse_) < ThumbStart() : Along(lastMouse_) >= ThumbEnd()) {
            SetPosition(position_ + (toMin ? -largeChange_ : largeChange_));
        } else {
            StopTimer();
            repeat_ = rkNone;
        }
        break;
    }
    default:
        StopTimer();
    }
}

void TskSkinScrollBar::WMKeyDown(gui::TMessage& message)
{
    if (!canFocused_)
        return;
    switch (message.WParam) {
    case VK_LEFT:
    case VK_UP:
        SetPosition(position_ - smallChange_);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        SetPosition(position_ + smallChange_);
        break;
    default:
        break;
    }
}

void TskSkinScrollBar::WMMouseWheel(gui::TMessage& message)
{
    if (!canFocused_ || !Focused()) {
        TskSkinCustomControl::WndProc(message);
        return;
    }
    // Turned away from the user: toward Min.
    if (short(HIWORD(message.WParam)) > 0)
        SetPosition(position_ - smallChange_);
    else
        SetPosition(position_ + smallChange_);
    message.Result = 0;
}

void TskSkinScrollBar::WMLButtonDown(gui::TMessage& message)
{
    if (canFocused_ && !ComponentState().Contains(gui::csDesigning) && !Focused()) {
        ::SetFocus(Handle());
        if (!Focused())
            return;  // refused: the press goes nowhere
    }
    TskSkinCustomControl::WndProc(message);
}

void TskSkinScrollBar::CMWantSpecialKey(gui::TMessage& message)
{
    const WPARAM key = message.WParam;
    if (canFocused_ && (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN))
        message.Result = 1;
    else
        TskSkinCustomControl::WndProc(message);
}

void TskSkinScrollBar::CMMouseLeave(gui::TMessage&)
{
    if (hovered_ != -1 && held_ == -1 && !dragging_) {
        parts_[hovered_].MouseIn = false;
        Repaint();
        hovered_ = -1;
    }
    // Paging stops when the mouse leaves the bar, whichever way it went.
    if (mouseHeld_ && (repeat_ == rkPageToMin || repeat_ == rkPageToMax))
        StopTimer();
}

}  // namespace sk
