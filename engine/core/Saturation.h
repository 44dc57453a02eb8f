// SPDX-License-Identifier: MIT
// Saturated liquid and vapour states along the saturation line: regions 1 and 2 up to 623.15 K,
// above that the two density roots of region 3 at the region 4 saturation pressure.
#pragma once

#include "engine/core/Props.h"

namespace aquaprop::saturation {

// The saturated liquid's and vapour's volume, enthalpy or entropy at T, 273.15 K <= T <= Tc; NaN outside.
template <Quantity q>
Saturated<double> Property(double T);

// Every property of the saturated liquid and of the saturated vapour at T, 273.15 K <= T <= Tc; kNoState
// outside.
Saturated<Props> States(double T);

}  // namespace aquaprop::saturation
