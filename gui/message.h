// A window message as the library's window procedures pass it on: a handler reads
// the parameters and leaves its answer in Result.
#pragma once

#include <windows.h>

namespace gui {

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

}  // namespace gui
