// SPDX-License-Identifier: MIT
// Newton steps on a forward equation: the temperature at which a property of (p, T) takes a target value.
#pragma once

#include <cmath>

#include "engine/core/Constants.h"
#include "engine/core/Props.h"

namespace aquaprop {

// A step smaller than this leaves an error of order 1e-12 K after it, far below round-off in h or s.
inline constexpr double kNewtonStepDoneK = 1e-5;
inline constexpr int kNewtonMaxSteps = 8;

// eval(T) gives the property and its slope in T. Returns NaN if the iteration does not settle.
template <typename Eval>
inline double RefineTemperature(Eval eval, double target, double T) {
    for (int step = 0; step < kNewtonMaxSteps; ++step) {
        const ValueAndSlope f = eval(T);
        const double dT = (f.value - target) / f.slope;
        T -= dT;
        if (!std::isfinite(T)) break;
        if (std::fabs(dT) < kNewtonStepDoneK) return T;
    }
    return kNaN;
}

}  // namespace aquaprop
