// Saturated liquid and vapour states along the saturation line: regions 1 and 2 up to 623.15 K,
// above that the two density roots of region 3 at the region 4 saturation pressure.
#pragma once

#include "engine/core/Props.h"

namespace aquaprop::saturation {

struct Pair {
    double liquid;
    double vapour;
};

// The saturated liquid and vapour values of q at T, 273.15 K <= T <= Tc; NaN outside.
template <Quantity q>
Pair SaturatedPair(double T);

}  // namespace aquaprop::saturation
