// The state of a device context (origin, clipping, selected objects) saved on
// construction and restored on scope exit, around drawing that changes it.
#pragma once

#include <windows.h>

namespace win {

class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
    ~SavedDC()
    {
        if (saved_)
            ::RestoreDC(dc_, saved_);
    }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC dc_;
    int saved_;
};

}  // namespace win
