// Conversions between the library's points and rectangles and the platform's.
#pragma once

#include <windows.h>

#include "gui/core/types.h"

namespace gui {

static_assert(sizeof(TRect) == sizeof(RECT) && sizeof(TPoint) == sizeof(POINT), "layouts must match");

inline RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }
inline TRect FromRECT(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }
inline POINT ToPOINT(TPoint p) { return POINT{p.X, p.Y}; }

}  // namespace gui
