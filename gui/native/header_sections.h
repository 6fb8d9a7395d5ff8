// The sections of a header window (the system's SysHeader32, such as the column
// header a list view makes for itself), in the header's client coordinates.
#pragma once

#include <windows.h>

#include "gui/core/types.h"

namespace gui {

int HeaderSectionCount(HWND header);
// The section shown at a place counted from the left; the header's order array
// maps places to sections once the user has dragged sections around. -1 outside.
int HeaderSectionAt(HWND header, int position);
// An empty rectangle for a section that does not exist.
TRect HeaderSectionRect(HWND header, int section);
// Whether a press at the point would resize a section rather than press it.
bool HeaderOnDivider(HWND header, TPoint point);

}  // namespace gui
