// The private messages by which the control's threads report to its window.
#pragma once

#include <windows.h>

namespace velmora {

enum : UINT {
    WM_RIPPER_DISKCHANGED = 1125,
    WM_RIPPER_EXTRACTIONSTART = 1126,
    WM_RIPPER_EXTRACTIONEND = 1127,
    WM_RIPPER_EXTRACTIONERROR = 1128,  // wParam: a BSTR that the message owns
    WM_RIPPER_JITTERDETECTED = 1129,
    WM_RIPPER_PROGRESS = 1130,         // wParam: percent done
    WM_RIPPER_CALL = 1131,             // sent; lParam: a const std::function<void()>* to run
    WM_RIPPER_EVENTS = 1133,           // posted: the worker's queued reports wait (event_queue.h)
    WM_RIPPER_OVERWRITEPROMPT = 1224,  // sent; the result is 1 to overwrite, 0 not to
};

}  // namespace velmora
