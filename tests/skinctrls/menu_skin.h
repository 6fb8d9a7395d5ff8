// The skin of the menu and hint tests is made as the controls' tests make
// theirs: pictures drawn by the test, the popup and hint window sections, and
// frame objects such as the menu item element.
#pragma once

#include "gui/core/color.h"
#include "gui/graphics/bitmap.h"
#include "test_skin.h"

namespace menutest {

using MenuSkin = skinctrlstest::TestSkin;

// A picture of one colour.
void MakeSolid(gui::TBitmap& bitmap, int width, int height, gui::TColor colour);

}  // namespace menutest
