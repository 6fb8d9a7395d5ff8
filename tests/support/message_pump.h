// The tests' message loop: for a while, or until a condition holds. A condition
// is waited for with a deadline, never looked at once after a fixed pause: a busy
// machine delivers timers, paints and input late. Each pass dispatches what waits
// in the thread's queue, by default as a plain message loop does; tests of the
// program's own controls pass the application's loop (gui_pump.h).
#pragma once

#include <windows.h>

namespace testsupport {

// Takes every message waiting in the thread's queue and dispatches it.
inline void DispatchWaiting()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// Runs the loop until `done` answers true; false when it still does not after
// `milliseconds`.
template <typename Done, typename Dispatch = void (*)()>
bool PumpUntil(DWORD milliseconds, Done done, Dispatch dispatch = DispatchWaiting)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        dispatch();
        if (done())
            return true;
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= milliseconds)
            return false;
        // Short waits: the condition may come true without any message arriving.
        const DWORD left = milliseconds - elapsed;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, left < 5 ? left : 5, QS_ALLINPUT);
    }
}

// Runs the loop for `milliseconds`, then dispatches what came in meanwhile.
template <typename Dispatch = void (*)()>
void Pump(DWORD milliseconds, Dispatch dispatch = DispatchWaiting)
{
    PumpUntil(milliseconds, [] { return false; }, dispatch);
    dispatch();
}

}  // namespace testsupport
