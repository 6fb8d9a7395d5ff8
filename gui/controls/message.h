// A window message as the library's window procedures pass it on: a handler reads
// the parameters and leaves its answer in Result.
#pragma once

#include <windows.h>

#include "gui/core/types.h"

namespace gui {

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// The client point of a mouse message: signed 16-bit x and y in LParam.
inline TPoint MousePos(const TMessage& message)
{
    return Point(short(LOWORD(message.LParam)), short(HIWORD(message.LParam)));
}

inline LPARAM PointToLParam(TPoint point) { return MAKELPARAM(WORD(short(point.X)), WORD(short(point.Y))); }

}  // namespace gui
