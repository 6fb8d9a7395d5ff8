// The window class of the control's windows (the hidden helper and the in-place
// child), and the windows that exist of it. The class stays registered while the
// module may have windows: from the first control's construction until no window
// of it is left, so that no class whose procedure points into an unloaded module
// stays behind, and no window outlives the code that answers its messages.
#pragma once

#include <windows.h>

namespace velmora {

extern const wchar_t kControlWindowClass[];

// Registers the class once; false (with the system's error) when that fails.
bool RegisterControlWindowClass(WNDPROC procedure);

// Kept by the class's window procedure: a window was made, or is going.
void ControlWindowMade(HWND window);
void ControlWindowGone(HWND window);

// True while a window of the class exists, on any thread. A window that went with
// its thread, without a word to its procedure, is found gone here.
bool ControlWindowsExist();

// Takes the class back once no window of it exists.
void UnregisterControlWindowClass();

}  // namespace velmora
