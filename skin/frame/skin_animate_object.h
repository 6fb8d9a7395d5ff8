// A strip of CountFrames frames played by the engine's 25 ms animation timer. A
// button-style animation plays forward while hovered and back to frame 1 when
// left, and runs its command (close, maximize, system menu...) on a click.
#pragma once

#include "skin/frame/active_skin_object.h"

namespace gui {
class TMenuItem;
}

namespace sk {

class TskSkinAnimateObject : public TskActiveSkinObject {
public:
    TskSkinAnimateObject(TskSkinObjectHost* parent, TskDataSkinAnimate* data);

    int CountFrames() const { return countFrames_; }
    bool Cycle() const { return cycle_; }
    bool ButtonStyle() const { return buttonStyle_; }
    // Milliseconds between frames, at least 25.
    int TimerInterval() const { return timerInterval_; }
    TskStdCommand Command() const { return command_; }
    // The frame shown, from 1.
    int FrameIndex() const { return frameIndex_; }
    // The popup opens above the object.
    bool PopupUp() const { return popupUp_; }
    void SetPopupUp(bool value) { popupUp_ = value; }
    // What cmdefault opens.
    gui::TMenuItem* PopupItem() const { return popupItem_; }
    void SetPopupItem(gui::TMenuItem* value) { popupItem_ = value; }

    // One tick of the animation timer (the engine calls it while Active).
    void AnimateStep();
    void SetFrame(int index);

    void Draw(gui::TCanvas& canvas, bool repaint) override;
    void DblClick() override;
    void MouseUp(int x, int y, gui::TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void Run();

    int countFrames_ = 0;
    bool cycle_ = false;
    bool buttonStyle_ = false;
    int timerInterval_ = 25;
    TskStdCommand command_ = cmClose;
    int frameIndex_ = 1;
    int elapsed_ = 25;  // time since the last frame, in 25 ms ticks
    bool forward_ = true;
    bool popupUp_ = false;
    gui::TMenuItem* popupItem_ = nullptr;
};

}  // namespace sk
