// The roll-up: the form shrinks to its caption and back. With the skin as the
// non-client frame the form keeps only the frame's height; with the skin painted
// into the client area the skin's roll-up picture (stretched between its two
// roll-up points when they allow) takes the form's place, its mask the region,
// and the form's controls hide until the form rolls down.
#pragma once

#include <vector>

#include "gui/core/types.h"

namespace gui {
class TComponent;
class TControl;
}  // namespace gui

namespace sk {

class TskEngineParts;

// Where an object of the roll-up look goes on a rolled-up form Dx wider than the
// roll-up picture: right of the stretched middle (from LeftX to RightX) it
// follows the right edge, across the whole middle it stretches, else it stays.
gui::TRect RollUpObjectRect(const gui::TRect& skinRect, int leftX, int rightX, int dx);

class TskRollUp {
public:
    explicit TskRollUp(TskEngineParts& parts) : parts_(parts) {}
    TskRollUp(const TskRollUp&) = delete;
    TskRollUp& operator=(const TskRollUp&) = delete;

    bool RolledUp() const { return rolledUp_; }
    // Rolled up while maximized: a restore rolls it down first.
    bool RolledUpMaximized() const { return rolledUpMaximized_; }
    void ForgetMaximized() { rolledUpMaximized_ = false; }
    // The height the form had before it rolled up.
    int HeightBefore() const { return heightBefore_; }
    // Rolls the form up or down, when its state and border icons allow.
    void Roll(bool rollUp);
    // A skin painted into the client area: the form takes the rolled-up look of
    // the skin in use (its size, mask and roll-up objects). The height to roll
    // down to is the caller's to remember.
    void RollUpClient();
    // The skin went while the form was rolled up: without a skin nothing could
    // roll it down later, so its controls and height come back now.
    void DropWithoutSkin();
    // A hidden control was destroyed.
    void ComponentRemoved(gui::TComponent* component);

private:
    void RollDownClient();
    void FitClientToSkin();
    void SetRollUpRegion();
    void ShowHiddenControls();

    TskEngineParts& parts_;
    bool rolledUp_ = false;
    bool rolledUpMaximized_ = false;
    int heightBefore_ = 0;
    // The controls that a roll-up hid, to show again when the form rolls down.
    std::vector<gui::TControl*> hiddenControls_;
};

}  // namespace sk
