// Where calls to an object must be made: on the calling thread, or on the thread of
// the control's window, to whose apartment the object belongs. The worker reaches
// an object of that apartment by sending each call to the window, so that the call
// runs where the host made the object: on its thread, with that thread's error
// information, and without a proxy in between.
#pragma once

#include <windows.h>

#include <functional>

namespace velmora {

class CallSite {
public:
    CallSite() = default;                              // the calling thread
    explicit CallSite(HWND window) : window_(window) {}  // the window's thread

    // Runs `call` where calls belong and returns when it has; false when that thread
    // cannot be reached (the window is gone), and `call` did not run.
    bool Run(const std::function<void()>& call) const;

private:
    HWND window_ = nullptr;
};

}  // namespace velmora
