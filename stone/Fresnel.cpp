#include "stone/Fresnel.h"

namespace stone {

double fresnelReflectance(double nFrom, double nTo, double cosIncidence) {
    const double cosOut = cosRefracted(nFrom, nTo, cosIncidence);
    return cosOut < 0 ? 1 : unpolarisedReflectance(nFrom, nTo, cosIncidence, cosOut);
}

}  // namespace stone
