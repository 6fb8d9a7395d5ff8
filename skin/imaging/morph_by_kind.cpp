#include "skin/imaging/morph_by_kind.h"

namespace sk {

void MorphByKind(TskEffectBmp& Image, const TskEffectBmp& Other, double k, TskMorphKind Kind)
{
    switch (Kind) {
    case mkGradient:
        Image.MorphGrad(Other, k);
        break;
    case mkLeftGradient:
        Image.MorphLeftGradient(Other, k);
        break;
    case mkRightGradient:
        Image.MorphRightGradient(Other, k);
        break;
    case mkLeftSlide:
        Image.MorphLeftSlide(Other, k);
        break;
    case mkRightSlide:
        Image.MorphRightSlide(Other, k);
        break;
    case mkPush:
        Image.MorphPush(Other, k);
        break;
    default:
        Image.Morph(Other, k);
    }
}

}  // namespace sk
