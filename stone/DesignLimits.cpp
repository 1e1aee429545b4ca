#include "stone/DesignLimits.h"

namespace stone {

ValueRange limitsOf(DesignValue value) {
    switch (value) {
        case DesignValue::girdle:
            return girdleLimits;
        case DesignValue::starLength:
            return starLimits;
        case DesignValue::lowerHalfLength:
            return lowerHalfLimits;
        case DesignValue::density:
            return densityLimits;
        case DesignValue::dispersion:
            return dispersionLimits;
        case DesignValue::headCone:
            return headLimits;
        case DesignValue::eyeDistance:
            break;
    }
    return eyeDistanceLimits;
}

}  // namespace stone
