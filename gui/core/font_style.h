// The styles of a font, as fonts, skin descriptions and controls give them.
#pragma once

#include "gui/core/set.h"

namespace gui {

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Set<TFontStyle>;

}  // namespace gui
