// A hidden window that only receives messages (timers, notifications), handing
// each one to a method. What the method leaves unhandled it passes to
// DefaultHandler.
#pragma once

#include <windows.h>

#include "gui/controls/wnd_proc_chain.h"
#include "win/unique_window.h"

namespace gui {

class TUtilityWindow {
public:
    // Raises EOutOfResources when the system refuses the window.
    explicit TUtilityWindow(TWndMethod method);
    ~TUtilityWindow();
    TUtilityWindow(const TUtilityWindow&) = delete;
    TUtilityWindow& operator=(const TUtilityWindow&) = delete;

    HWND Handle() const { return window_.Get(); }
    void DefaultHandler(TMessage& message);

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    TWndMethod method_;
    win::UniqueWindow window_;
};

}  // namespace gui
