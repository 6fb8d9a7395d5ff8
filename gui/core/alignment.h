// Horizontal alignment of a text within its rectangle.
#pragma once

namespace gui {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

}  // namespace gui
