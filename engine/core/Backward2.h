// SPDX-License-Identifier: MIT
// Region 2 backward equations T(p,h) and T(p,s) with their subregions 2a, 2b, 2c.
// Pure equations: no range checks; p in MPa, h in kJ/kg, s in kJ/(kg K), T in K.
#pragma once

#include "engine/core/Props.h"

namespace aquaprop::region2 {

enum class Subregion { k2a, k2b, k2c };

// 2a up to 4 MPa. Above, by h: 2b up to the B2bc line (all of 4..6.5467 MPa, where that line has no real
// root), else 2c; by s: 2b from s = 5.85 kJ/(kg K) up, else 2c.
template <Quantity kGiven>
Subregion SelectSubregion(double p, double x);
template <>
Subregion SelectSubregion<Quantity::kEnthalpy>(double p, double h);
template <>
Subregion SelectSubregion<Quantity::kEntropy>(double p, double s);

// The backward equations T(p,h) and T(p,s) as published (within 10 mK, 25 mK in 2c, of the Gibbs equation).
template <Quantity kGiven>
double BackwardTemperature(double p, double x);
template <>
double BackwardTemperature<Quantity::kEnthalpy>(double p, double h);
template <>
double BackwardTemperature<Quantity::kEntropy>(double p, double s);

}  // namespace aquaprop::region2
