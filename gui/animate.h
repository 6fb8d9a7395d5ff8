// The system's animation control (SysAnimate32) playing one of the system's
// standard clips. The clip opens with the window; Active plays it in a loop from
// StartFrame to StopFrame (to the clip's end when it is shorter), and turning
// Active off stops it where it is. A clip the system does not have leaves the
// control empty.
#pragma once

#include "gui/win_control.h"

namespace gui {

enum TCommonAVI { aviNone, aviFindFolder, aviFindFile, aviFindComputer, aviCopyFiles, aviCopyFile,
                  aviRecycleFile, aviEmptyRecycle, aviDeleteFile };

class TAnimate : public TWinControl {
public:
    explicit TAnimate(TComponent* owner);

    TCommonAVI CommonAVI() const { return commonAVI_; }
    void SetCommonAVI(TCommonAVI value);
    int StartFrame() const { return startFrame_; }
    void SetStartFrame(int value) { startFrame_ = value; }
    int StopFrame() const { return stopFrame_; }
    void SetStopFrame(int value) { stopFrame_ = value; }
    bool Active() const { return active_; }
    void SetActive(bool value);
    // Whether a clip is open in the control.
    bool Opened() const { return opened_; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    void OpenClip();

    TCommonAVI commonAVI_ = aviNone;
    int startFrame_ = 0;
    int stopFrame_ = -1;  // the last frame
    bool active_ = false;
    bool opened_ = false;
};

}  // namespace gui
