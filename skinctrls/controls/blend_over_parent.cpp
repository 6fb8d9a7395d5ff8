#include "skinctrls/controls/blend_over_parent.h"

#include "skin/imaging/effect_bmp.h"
#include "skin/imaging/parent_background.h"

namespace sk {

void DrawBlendedOverParent(gui::TControl& control, gui::TBitmap& image, uint8_t alpha, HDC dc)
{
    gui::TBitmap background;
    background.SetSize(image.Width(), image.Height());
    PaintParentBackground(control, background.Canvas());
    TskEffectBmp blended(image.Handle());
    const TskEffectBmp behind(background.Handle());
    blended.Morph(behind, 1.0 - alpha / 255.0);
    blended.Draw(dc, 0, 0);
}

}  // namespace sk
