// Shortening a text with "..." so that it fits a width.
#pragma once

#include <string>

#include "gui/graphics/canvas.h"

namespace sk {

// A text that fits stays as it is. Otherwise characters are dropped from its end
// until the rest followed by "..." fits, and "..." is appended; when nothing of
// the text fits, the result is "..." alone, whether or not that fits.
void FitTextWithEllipsis(gui::TCanvas& canvas, std::string& text, int width);

}  // namespace sk
