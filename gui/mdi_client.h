// The client window of a multiple-document form: the system's "MDICLIENT" window
// that holds the form's child forms, fills what the form's aligned controls leave
// of its client area, and keeps the list of the children and which one is active.
//
// Components that take over part of its handling (a form skinning engine paints
// its background and takes its border away) hook into WindowProc; what they pass
// on reaches the system's own procedure. The window is subclassed only while a
// handler is hooked in, so that without one it runs exactly as the system made it.
// The chain outlives the window: a form that makes its window anew gets a new
// client window with the same handlers.
#pragma once

#include <windows.h>

#include "gui/types.h"
#include "gui/wnd_proc_chain.h"

namespace gui {

class TMDIClient {
public:
    TMDIClient();
    ~TMDIClient();
    TMDIClient(const TMDIClient&) = delete;
    TMDIClient& operator=(const TMDIClient&) = delete;

    // The window, or none before Create and after the window has gone.
    HWND Handle() const { return window_; }
    // Makes the client window inside the frame window; raises EOutOfResources
    // when the system refuses it.
    void Create(HWND frame, const TRect& bounds);
    // Places the window, below the frame's other children.
    void SetBounds(const TRect& bounds);
    // The frame window is going, and the client window with it.
    void FrameDestroyed();

    TWndProcChain& WindowProc() { return chain_; }

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void HookedChanged();
    void Subclass();
    void Unsubclass();
    void CallSystem(TMessage& message);

    HWND window_ = nullptr;
    // The system's procedure of the window, while it is subclassed.
    WNDPROC systemProc_ = nullptr;
    bool subclassed_ = false;
    TWndProcChain chain_;
};

}  // namespace gui
