// A scroll bar of its own, drawn from the skin elements "hscrollbar",
// "vscrollbar" or "bothhscrollbar" or in a plain look: two arrow buttons, a
// track and a thumb. It keeps Min, Max, PageSize and Position, steps on the
// arrows with a timed repeat (the first after 500 ms, then every 50 ms), pages
// while the track is held, and drags the thumb.
#pragma once

#include <string>

#include "gui/controls/control_types.h"
#include "skinctrls/controls/skin_custom_control.h"

namespace sk {

class TskSkinScrollBar : public TskSkinCustomControl {
public:
    explicit TskSkinScrollBar(gui::TComponent* owner);

    gui::TScrollBarKind Kind() const { return kind_; }
    void SetKind(gui::TScrollBarKind value);
    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    // Within Min..Max, or Min..Max - PageSize + 1 with a page.
    int Position() const { return position_; }
    void SetPosition(int value);
    // 0: no page, a thumb of fixed length. A negative page, or one that does not
    // fit the range from Position, is refused.
    int PageSize() const { return pageSize_; }
    void SetPageSize(int value);
    // All four at once, without OnChange.
    void SetRange(int min, int max, int pageSize, int position);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int value);
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int value);
    // Whether the bar takes the focus, and with it the arrow keys and the wheel.
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool value);
    // A horizontal bar beside a vertical one: the corner is left free
    // (BothMarkerWidth wide without a skin), and a skin draws it from
    // BothSkinDataName.
    bool Both() const { return both_; }
    void SetBoth(bool value);
    int BothMarkerWidth() const { return bothMarkerWidth_; }
    void SetBothMarkerWidth(int value);
    const std::string& BothSkinDataName() const { return bothSkinDataName_; }
    void SetBothSkinDataName(const std::string& value) { bothSkinDataName_ = value; }

    // Position changed through SetPosition.
    gui::TNotifyEvent OnChange;
    // Every release of the left mouse button.
    gui::TNotifyEvent OnLastChange;
    // In place of the step of the increasing and of the decreasing arrow.
    gui::TNotifyEvent OnUpButtonClick;
    gui::TNotifyEvent OnDownButtonClick;

protected:
    void ReadSkinEntry() override;
    void DrawDefaultImage(gui::TBitmap& bitmap) override;
    void DrawSkinImage(gui::TBitmap& bitmap) override;
    void AdjustSkinSize(int& width, int& height) override;
    void WndProc(gui::TMessage& message) override;
    void MouseDown(gui::TMouseButton button, gui::TShiftState shift, int x, int y) override;
    void MouseMove(gui::TShiftState shift, int x, int y) override;
    void MouseUp(gui::TMouseButton button, gui::TShiftState shift, int x, int y) override;

private:
    enum TPartIndex { ptThumb, ptUp, ptDown, ptCount };
    // What a held mouse button repeats.
    enum TRepeatKind { rkNone, rkDownButton, rkUpButton, rkPageToMin, rkPageToMax };
    struct TPart {
        TRect Rect;
        bool MouseIn = false;
        bool Down = false;
    };

    bool Vertical() const { return kind_ == gui::sbVertical; }
    // Drawn from a scroll bar element.
    bool Skinned() const { return SkinIndex() != -1 && scrollRecord_ && Picture(); }
    // The parts' rectangles, the track and the thumb's span for a bar of that size.
    void Layout(int width, int height);
    void Layout() { Layout(Width(), Height()); }
    // Where the thumb may go: the range Position moves in, and its fraction now.
    int PositionRange() const;
    double ThumbFraction() const;
    int Along(gui::TPoint point) const { return Vertical() ? point.Y : point.X; }
    int ThumbStart() const { return Vertical() ? parts_[ptThumb].Rect.Top : parts_[ptThumb].Rect.Left; }
    int ThumbEnd() const { return Vertical() ? parts_[ptThumb].Rect.Bottom : parts_[ptThumb].Rect.Right; }
    int PartAt(gui::TPoint point) const;
    void StepDown();
    void StepUp();
    void StartTimer(UINT interval);
    void StopTimer();
    void TrackHover(gui::TPoint point);
    void DrawSkinThumb(gui::TBitmap& bitmap);

    void WMTimer(gui::TMessage& message);
    void WMKeyDown(gui::TMessage& message);
    void WMMouseWheel(gui::TMessage& message);
    void WMLButtonDown(gui::TMessage& message);
    void CMWantSpecialKey(gui::TMessage& message);
    void CMMouseLeave(gui::TMessage& message);

    gui::TScrollBarKind kind_ = gui::sbHorizontal;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int pageSize_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
    bool canFocused_ = false;
    bool both_ = false;
    int bothMarkerWidth_ = 0;
    std::string bothSkinDataName_ = "bothhscrollbar";
    std::string plainSkinDataName_;  // the name Both replaced
    bool nameReplaced_ = false;

    TPart parts_[ptCount];
    TRect track_;
    int smallestCentre_ = 0, largestCentre_ = 0;  // of the thumb along the track
    int hovered_ = -1, held_ = -1;
    int dragOrigin_ = 0;       // the mouse along the bar at the press on the thumb
    int dragThumbOffset_ = 0;  // the thumb's offset then
    int thumbOffset_ = 0;      // of the thumb's centre from the smallest centre
    bool dragging_ = false;
    bool mouseHeld_ = false;
    TRepeatKind repeat_ = rkNone;
    bool firstTick_ = false;
    bool timerRunning_ = false;
    gui::TPoint lastMouse_;

    // Of the element (a scroll bar record), empty ones replaced.
    bool scrollRecord_ = false;
    TRect trackArea_, upButtonRect_, activeUpButtonRect_, downUpButtonRect_;
    TRect downButtonRect_, activeDownButtonRect_, downDownButtonRect_;
    TRect thumbRect_, activeThumbRect_, downThumbRect_;
    int thumbOffset1_ = 0, thumbOffset2_ = 0;
    TRect glyphRect_, activeGlyphRect_, downGlyphRect_;
};

}  // namespace sk
