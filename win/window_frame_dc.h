// The DC of a whole window, its frame included, given back on scope exit.
#pragma once

#include <windows.h>

namespace win {

class WindowFrameDC {
public:
    explicit WindowFrameDC(HWND window) : window_(window), dc_(::GetWindowDC(window)) {}
    ~WindowFrameDC()
    {
        if (dc_)
            ::ReleaseDC(window_, dc_);
    }
    WindowFrameDC(const WindowFrameDC&) = delete;
    WindowFrameDC& operator=(const WindowFrameDC&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace win
