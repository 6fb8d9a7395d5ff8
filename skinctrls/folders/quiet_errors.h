// Keeps the system's critical-error boxes ("insert a disk") off while drives are
// asked, and restores the previous error mode afterwards.
#pragma once

#include <windows.h>

namespace sk {

class QuietCriticalErrors {
public:
    QuietCriticalErrors() : previous_(::SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~QuietCriticalErrors() { ::SetErrorMode(previous_); }
    QuietCriticalErrors(const QuietCriticalErrors&) = delete;
    QuietCriticalErrors& operator=(const QuietCriticalErrors&) = delete;

private:
    UINT previous_;
};

}  // namespace sk
