// SPDX-License-Identifier: MIT
// Region 1 backward equations T(p,h) and T(p,s), and the same temperatures refined to the Gibbs equation.
// Pure equations: no range checks; p in MPa, h in kJ/kg, s in kJ/(kg K), T in K.
#pragma once

#include "engine/core/Props.h"

namespace aquaprop::region1 {

// The backward equations T(p,h) and T(p,s) as published (within 25 mK of the Gibbs equation).
template <Quantity kGiven>
double BackwardTemperature(double p, double x);
template <>
double BackwardTemperature<Quantity::kEnthalpy>(double p, double h);
template <>
double BackwardTemperature<Quantity::kEntropy>(double p, double s);

// Refined so that Property<kGiven>(p, T) reproduces x to round-off; NaN if that fails.
template <Quantity kGiven>
double Temperature(double p, double x);

}  // namespace aquaprop::region1
