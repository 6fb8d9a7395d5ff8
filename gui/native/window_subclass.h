// A handler put in front of the window procedure of a window the program did not
// make as a control (such as the header a list view makes for itself). Handlers
// on one window form a chain that the system keeps: each can be removed in any
// order. The handler sees every message first and passes it on with CallNext.
#pragma once

#include <windows.h>

#include <functional>

#include "gui/controls/message.h"

namespace gui {

class TWindowSubclass {
public:
    using THandler = std::function<void(TMessage&)>;

    // Raises EOutOfResources when the window cannot be subclassed.
    TWindowSubclass(HWND window, THandler handler);
    // Lets go of the window when it still exists.
    ~TWindowSubclass();
    TWindowSubclass(const TWindowSubclass&) = delete;
    TWindowSubclass& operator=(const TWindowSubclass&) = delete;

    // None once the window has been destroyed.
    HWND Window() const { return window_; }
    // The message to the procedures below this handler.
    void CallNext(TMessage& message);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR data);
    HWND window_;
    THandler handler_;
};

}  // namespace gui
