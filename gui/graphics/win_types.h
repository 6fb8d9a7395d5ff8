// Conversions between the library's points and rectangles and the platform's.
#pragma once

#include <windows.h>

#include "gui/core/types.h"

namespace gui {

static_assert(sizeof(TRect) == sizeof(RECT) && sizeof(TPoint) == sizeof(POINT), "layouts must match");

inline RECT ToRECT(const TRect& rect) { return RECT{rect.Left, rect.Top, rect.Right, rect.Bottom}; }
inline TRect FromRECT(const RECT& rect) { return TRect{rect.left, rect.top, rect.right, rect.bottom}; }
inline POINT ToPOINT(TPoint point) { return POINT{point.X, point.Y}; }

}  // namespace gui
