// The blend of a skin element's normal look toward its highlighted look in the
// way its morph kind names.
#pragma once

#include "skin/imaging/effect_bmp.h"
#include "skin/model/value_syntax.h"

namespace sk {

// image becomes the blend of itself toward other by amount (0..1).
void MorphByKind(TskEffectBmp& image, const TskEffectBmp& other, double amount, TskMorphKind kind);

}  // namespace sk
