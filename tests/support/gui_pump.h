// The message loop of tests of the program's own forms and controls: each pass is
// the application's (its hints, idle work and dialog keys included).
#pragma once

#include "gui/controls/application.h"
#include "support/message_pump.h"

namespace testsupport {

inline void DispatchApplication() { gui::Application().ProcessMessages(); }

// Runs the application's loop for `milliseconds`.
inline void GuiPump(DWORD milliseconds) { Pump(milliseconds, DispatchApplication); }

// Runs the application's loop until `done` answers true; false when it still
// does not after `milliseconds` (half a minute unless said: far above what timers
// and animations need, so that a busy machine does not fail a test).
template <typename Done>
bool GuiPumpUntil(Done done, DWORD milliseconds = 30000)
{
    return PumpUntil(milliseconds, done, DispatchApplication);
}

}  // namespace testsupport
