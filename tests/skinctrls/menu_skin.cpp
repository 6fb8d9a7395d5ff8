#include "menu_skin.h"

#include "gui/graphics/canvas.h"

namespace menutest {

void MakeSolid(gui::TBitmap& bitmap, int width, int height, gui::TColor colour)
{
    bitmap.SetSize(width, height);
    bitmap.Canvas().Brush().SetColor(colour);
    bitmap.Canvas().FillRect(gui::Rect(0, 0, width, height));
}

}  // namespace menutest
