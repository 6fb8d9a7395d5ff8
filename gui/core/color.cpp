#include "gui/core/color.h"

#include <windows.h>

namespace gui {

uint32_t ColorToRGB(TColor color)
{
    if (color < 0)
        return ::GetSysColor(color & 0xFF);
    return static_cast<uint32_t>(color);
}

}  // namespace gui
