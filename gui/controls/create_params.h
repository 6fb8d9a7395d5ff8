// What a windowed control's window is made of: the styles, the place, the parent
// window, and the window class it is registered under. WindowClass.lpfnWndProc is
// the procedure that gets what the control leaves to the default handling
// (DefWindowProc for the library's own classes).
#pragma once

#include <windows.h>

#include <string>

namespace gui {

struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    WNDCLASSA WindowClass{};
    std::string WinClassName;
};

}  // namespace gui
