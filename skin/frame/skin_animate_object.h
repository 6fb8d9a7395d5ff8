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
    TskSkinAnimateObject(TskSkinObjectHost* AParent, TskDataSkinAnimate* AData);
    int CountFrames = 0;
    bool Cycle = false;
    bool ButtonStyle = false;
    int TimerInterval = 25;  // milliseconds, at least 25
    TskStdCommand Command = cmClose;
    int FrameIndex = 1;
    int Elapsed = 25;  // time since the last frame, in 25 ms ticks
    bool Forward = true;
    bool PopupUp = false;
    gui::TMenuItem* PopupItem = nullptr;  // what cmdefault opens

    // One tick of the animation timer (the engine calls it while Active).
    void AnimateStep();
    void SetFrame(int n);

    void Draw(gui::TCanvas& Canvas, bool Repaint) override;
    void DblClick() override;
    void MouseUp(int X, int Y, gui::TMouseButton Button) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void Run();
};

}  // namespace sk
