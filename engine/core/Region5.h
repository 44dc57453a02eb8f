// SPDX-License-Identifier: MIT
// Region 5: high-temperature vapour, by the Gibbs equation of IF97 (ideal and residual parts).
// Pure equations: no range checks; p in MPa, T in K.
#pragma once

#include "engine/core/Props.h"

namespace aquaprop::region5 {

// The volume, enthalpy or entropy of (p, T).
template <Quantity q>
double Property(double p, double T);

// The enthalpy with cp, or the entropy with cp/T: the value and its slope in T, for Newton steps.
template <Quantity q>
ValueAndSlope PropertyAndSlope(double p, double T);

// h and s with their slopes in p and in T, for Newton steps in (p, T) towards a given (h, s).
EnthalpyEntropySlopes EnthalpyEntropyAndSlopes(double p, double T);

// Every property of (p, T).
Props State(double p, double T);

}  // namespace aquaprop::region5
