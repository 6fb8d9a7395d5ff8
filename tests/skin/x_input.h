// Real input for the tests: xdotool on the test session's X display, run from the
// Windows program under test, and the program's messages pumped meanwhile so
// that the input arrives as it would from a user.
#pragma once

#include <string>

namespace xinput {

// Runs "xdotool <arguments>" and waits for it; true when it succeeded.
bool XDoTool(const std::string& arguments);
// Moves the pointer to a screen point, presses and releases the left button
// with pauses in between (a morphing button acts on release).
void Click(int x, int y);
// Presses and releases a key combination ("ctrl+F4", "F10", "Right").
void Key(const std::string& keys);
// Drags with the left button from one screen point to another in steps (five
// unless said). The input comes from a thread of its own while this one pumps
// messages: a drag on a caption or border runs the system's modal move or size
// loop.
void Drag(int x0, int y0, int x1, int y1, int steps = 5);
// Dispatches the program's messages for ms milliseconds.
void Pump(int ms);

}  // namespace xinput
