#pragma once

#include "calc/ComputePlan.h"

// The values that the DIAMANTE and CUARZO buttons put into the three fields.
namespace Presets {

inline const InputFields diamond{QStringLiteral("2.419"), QStringLiteral("10"),
                                 QStringLiteral("10")};
inline const InputFields quartz{QStringLiteral("1.540"), QStringLiteral("10"),
                                QStringLiteral("12")};

}  // namespace Presets
