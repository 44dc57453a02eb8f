// SPDX-License-Identifier: MIT
// Backward equations of region 3 in (p, h) and (p, s), and the saturation pressure on the
// region 3 part of the saturation line as a function of h or s. Starting values and fast tests
// for the refined solves; accurate to some millikelvin, not to the basic equation.
#pragma once

#include "engine/core/Props.h"

namespace aquaprop::region3 {

// Entropy at the critical point, the 3a/3b split of the (p, s) equations, kJ/(kg K).
inline constexpr double kCriticalEntropy = 4.41202148223476;

// Saturated liquid and vapour at 623.15 K: the ends of the p_3sat(h) and p_3sat(s) equations.
inline constexpr Saturated<double> kEnthalpy623{1670.858218, 2563.592004};  // kJ/kg
inline constexpr Saturated<double> kEntropy623{3.778281340, 5.210887825};   // kJ/(kg K)

// Enthalpy of the 3a/3b boundary, kJ/kg, from the critical point up to 100 MPa.
double B3abEnthalpy(double p);

// The 3a/3b split for the given property at p: B3abEnthalpy(p), or the critical entropy. Subregion 3a lies at
// and below it, 3b above.
template <Quantity kGiven>
double Split3ab(double p);
template <>
double Split3ab<Quantity::kEnthalpy>(double p);
template <>
double Split3ab<Quantity::kEntropy>(double p);

// T in K and v in m3/kg from (p, h) or (p, s), by the equation of subregion 3a or 3b.
template <Quantity kGiven>
double BackwardTemperature(double p, double x);
template <Quantity kGiven>
double BackwardVolume(double p, double x);

// Saturation pressure in MPa on the region 3 boundary from h (kEnthalpy623 liquid to vapour) or from s
// (kEntropy623 liquid to vapour).
template <Quantity kGiven>
double SaturationPressure(double x);

}  // namespace aquaprop::region3
