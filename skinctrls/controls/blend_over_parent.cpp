#include "skinctrls/controls/blend_over_parent.h"

#include "skin/imaging/effect_bmp.h"
#include "skin/imaging/parent_background.h"

namespace sk {

void DrawBlendedOverParent(gui::TControl& Control, gui::TBitmap& Image, uint8_t Alpha, HDC DC)
{
    gui::TBitmap background;
    background.SetSize(Image.Width(), Image.Height());
    PaintParentBackground(Control, background.Canvas());
    TskEffectBmp blended(Image.Handle());
    const TskEffectBmp behind(background.Handle());
    blended.Morph(behind, 1.0 - Alpha / 255.0);
    blended.Draw(DC, 0, 0);
}

}  // namespace sk
