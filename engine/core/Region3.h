// SPDX-License-Identifier: MIT
// Region 3: the Helmholtz equation in density and temperature, and the solves built on it.
// All functions return NaN where they have no answer; callers turn that into the error value.
#pragma once

#include "engine/core/Props.h"

namespace aquaprop::region3 {

// Pressure in MPa at density rho (kg/m3) and temperature T (K).
double Pressure(double rho, double T);

// Every property at (rho, T), or the volume, enthalpy or entropy alone.
Props PropsRhoT(double rho, double T);
template <Quantity q>
double PropertyRhoT(double rho, double T);

// Density of the single-phase region 3 state at (p, T), for 623.15 K <= T <= T_B23(p) and
// p_B23(T) <= p <= 100 MPa, solved so that Pressure(rho, T) equals p within 1e-12 relative.
// Below the critical point the root is the liquid one for T <= Tsat(p), the vapour one for T > Tsat(p).
double DensityPT(double p, double T);

// Every property of that state: DensityPT and PropsRhoT in one, sharing the work for T; or the volume,
// enthalpy or entropy alone.
Props PropsPT(double p, double T);
template <Quantity q>
double PropertyPT(double p, double T);

// Saturated liquid and vapour densities at T, 623.15 K <= T <= Tc, at the region 4 saturation
// pressure: both roots of Pressure(rho, T) = psat(T) with equal Gibbs energies as IF97 prescribes
// for the region 3 part of the saturation line. Within 3.47e-5 K of Tc the region 4 pressure passes
// above the region 3 isotherm's loop and the vapour root ceases to exist; there both are continued
// from their values at that join to rhoc by the square-root law of the equation's critical behaviour
// (both rhoc at Tc).
Saturated<double> SaturationDensitiesT(double T);

// The enthalpy or entropy of both saturated states at T.
template <Quantity q>
Saturated<double> SaturationPropertyT(double T);

// Every property of both saturated states at T, sharing the work for T.
Saturated<Props> SaturationPropsT(double T);

// Temperature of (p, h) or (p, s) in the region 3 band: p > psat(623.15 K) and x between its values at
// (p, 623.15 K) and (p, T_B23(p)). Refined to the Helmholtz equation, so that x at the result is reproduced
// within 1e-9 relative. Inside the two-phase dome (p < pc and x'(p) <= x <= x''(p)) it returns Tsat(p). Below
// pc the result lies on the phase's side of Tsat(p), so that DensityPT there finds the same phase.
template <Quantity kGiven>
double Temperature(double p, double x);

// The same temperature when the caller has placed (p, x) against the dome: on the liquid side the result is at
// most Tsat(p), on the vapour side above it (both below pc); kSupercritical for p >= pc. An x between the phase's
// own value at Tsat(p) and the saturated state's gives Tsat(p) on the liquid side and the next double above it on
// the vapour side. NaN for kTwoPhase or a phase that p contradicts.
template <Quantity kGiven>
double TemperatureOnSide(double p, double x, Phase phase);

}  // namespace aquaprop::region3
