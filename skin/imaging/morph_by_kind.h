// The blend of a skin element's normal look toward its highlighted look in the
// way its morph kind names.
#pragma once

#include "skin/imaging/effect_bmp.h"
#include "skin/model/value_syntax.h"

namespace sk {

// Image becomes the blend of itself toward Other by k (0..1).
void MorphByKind(TskEffectBmp& Image, const TskEffectBmp& Other, double k, TskMorphKind Kind);

}  // namespace sk
