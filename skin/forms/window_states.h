// The window state the engine keeps for its form (the form itself stays normal):
// a minimized form shrinks to its caption and parks along the bottom of the work
// area, a maximized one fills it (or the whole screen), and a restored one gets
// its bounds back. An MDI child does the same inside its parent's client window.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "gui/core/types.h"

namespace sk {

class TskEngineParts;

// The parking place of a minimized form of Width x Height in Area: from the
// bottom-left corner to the right, then a row higher; the first that Taken lets
// be, else the bottom-left corner once the rows run out.
gui::TPoint FindParkingSlot(const gui::TRect& area, int width, int height,
                            const std::function<bool(const gui::TRect&)>& taken);

class TskWindowStates {
public:
    explicit TskWindowStates(TskEngineParts& parts) : parts_(parts) {}
    TskWindowStates(const TskWindowStates&) = delete;
    TskWindowStates& operator=(const TskWindowStates&) = delete;

    // 0 normal, 1 minimized, 2 maximized (TskWindowState).
    uint8_t State() const { return state_; }
    // Any other value is ignored; the main form minimizes the program instead.
    void Set(int state);
    // A child that leaves its parent is normal again, without moving.
    void ForgetState() { state_ = 0; }
    // The bounds the form has in the normal state, rolled down.
    gui::TRect RestoredBounds() const;
    // Where a maximized form goes: the work area, or the whole screen.
    gui::TRect MaximizedBounds() const;
    bool MaximizeOnFullScreen() const { return maximizeOnFullScreen_; }
    void SetMaximizeOnFullScreen(bool value) { maximizeOnFullScreen_ = value; }
    // The parking place of the minimized form: the first one that no other
    // minimized form overlaps, or none of the given places.
    gui::TPoint ParkingSlot(const std::vector<gui::TRect>* occupied = nullptr);
    // A double click on the caption: on the frame (Frame) or on a caption
    // object of a skin painted into the client area.
    void CaptionDoubleClick(bool frame);

private:
    void Minimize();
    void Maximize();
    void Restore();

    TskEngineParts& parts_;
    uint8_t state_ = 0;
    // Remembered before minimizing or maximizing; empty while normal.
    gui::TRect normalBounds_;
    bool maximizeOnFullScreen_ = false;
};

}  // namespace sk
