// SPDX-License-Identifier: MIT
// The state of a given (p, h) or (p, s) in the region 3 band, refined to the Helmholtz equation.
#pragma once

#include "engine/core/Props.h"

namespace aquaprop::region3 {

struct DensityTemperature {
    double rho;  // kg/m3; NaN inside the two-phase dome
    double T;    // K
};

// Density and temperature where the Helmholtz equation gives p within 1e-12 and h (or s) within
// 1e-9 relative. Below pc the temperature lies on the side of Tsat(p) that DensityPT takes for the
// phase: at most Tsat(p) for liquid, above it for vapour. Inside the dome {NaN, Tsat(p)}; NaN in T
// where there is no answer.
template <Quantity kGiven>
DensityTemperature Solve(double p, double x);

// The same states by the slower path that Solve falls back on when its Newton iteration in (rho, T)
// does not settle on a stable state of the right phase: a bracketed solve along the isobar with the
// density on the phase's own branch.
template <Quantity kGiven>
DensityTemperature SolveAlongIsobar(double p, double x);

}  // namespace aquaprop::region3
