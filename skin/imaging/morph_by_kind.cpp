#include "skin/imaging/morph_by_kind.h"

namespace sk {

void MorphByKind(TskEffectBmp& image, const TskEffectBmp& other, double amount, TskMorphKind kind)
{
    switch (kind) {
    case mkGradient:
        image.MorphGrad(other, amount);
        break;
    case mkLeftGradient:
        image.MorphLeftGradient(other, amount);
        break;
    case mkRightGradient:
        image.MorphRightGradient(other, amount);
        break;
    case mkLeftSlide:
        image.MorphLeftSlide(other, amount);
        break;
    case mkRightSlide:
        image.MorphRightSlide(other, amount);
        break;
    case mkPush:
        image.MorphPush(other, amount);
        break;
    default:
        image.Morph(other, amount);
    }
}

}  // namespace sk
