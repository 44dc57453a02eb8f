// SPDX-License-Identifier: MIT
// Where a state lies, decided first, then evaluated there. Every function checks the range of
// validity of IF97 and answers NaN outside it (and for NaN or infinite arguments).
// SI core units: p in MPa, T in K, h in kJ/kg, s in kJ/(kg K), v in m3/kg.
//
// One rule for the saturation line: a state of (p, T) is on the liquid side where T <= Tsat(p), so that
// (Tsat(p), p) is the saturated liquid and the next temperature up the vapour; a state of (p, h) or (p, s) is wet
// where h' <= h <= h'' (s' <= s <= s'') with the saturated values at Tsat(p) that SaturatedMixture gives.
#pragma once

#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/Props.h"
#include "engine/core/Region1.h"
#include "engine/core/Region2.h"
#include "engine/core/Region4.h"

namespace aquaprop {

enum class Region { kNone, k1, k2, k3, k5 };

// The region of (p, T). At T = Tsat(p) the liquid side; on the B23 line region 2; at 623.15 K region 1 or 2;
// at 1073.15 K region 2.
Region RegionPT(double p, double T);

// Region 1 or 2 where the bounds of psat(T) settle (p, T) without the saturation equation, as RegionPT decides
// it; kNone elsewhere: close to the saturation line, in or above region 3, above 1073.15 K, outside the range.
// A settled state lies far enough from the saturation line to be on the same side of it in any unit. Without
// branches: in a stream of states of every kind, branches on where each lies mispredict.
inline Region SettledRegion(double p, double T) {
    const region4::detail::PressureBounds& psat = region4::detail::BoundsAt(T);
    const bool inRange = (p > kMinMPa) & (p <= kMaxMPa) & (T >= kMinK);
    const bool liquid = (T <= kRegion13K) & (p > psat.high);
    const bool belowB23 = (T <= kRegion13K) | (T > kB23MaxK) | (p <= boundary::B23Pressure(T));
    const bool vapour = (p < psat.low) & (T <= kRegion25K) & belowB23;  // no bound above Tc
    return inRange & liquid ? Region::k1 : (inRange & vapour ? Region::k2 : Region::kNone);
}

// PropertyPT, StatePT of a state that SettledRegion has settled.
template <Quantity q>
inline double SettledPropertyPT(Region settled, double p, double T) {
    return settled == Region::k1 ? region1::Property<q>(p, T) : region2::Property<q>(p, T);
}

inline Props SettledStatePT(Region settled, double p, double T) {
    return settled == Region::k1 ? region1::State(p, T) : region2::State(p, T);
}

// The volume, enthalpy or entropy of (p, T); at T = Tsat(p) the saturated liquid's.
template <Quantity q>
double PropertyPT(double p, double T);

// Every property of (p, T) from one evaluation; at T = Tsat(p) the saturated liquid's, as in PropertyPT.
// cp, cv and w are positive where given (cp NaN where region 3's equation gives no positive finite value);
// every field NaN outside the range.
Props StatePT(double p, double T);

// The temperature of (p, h) or of (p, s); Tsat(p) inside the two-phase region, ends included. Refined to the
// forward equations, so that h (or s) at the result reproduces the argument to round-off. Beside the dome the
// result lies on the phase's side of Tsat(p), so that PropertyPT there gives the same phase.
template <Quantity kGiven>
double Temperature(double p, double x);

// Where x lies against the saturated values: below the liquid's, above the vapour's, or between (ends included,
// and for NaN anywhere).
Phase PhaseAgainst(const Saturated<double>& saturated, double x);

// The temperature of (p, x) on a side of the dome that the caller has decided, for 611.2127 Pa <= p < pc: kLiquid
// gives at most Tsat(p), kVapour more than Tsat(p). An x beyond that side's value at Tsat(p) gives Tsat(p) or
// the next double above it.
template <Quantity kGiven>
double TemperatureOnSide(double p, double x, Phase side);

// The same with Ts = region4::SaturationTemperature(p) given.
template <Quantity kGiven>
double TemperatureOnSide(double p, double x, Phase side, double Ts);

// The saturated liquid's (kLiquid) or vapour's (kVapour) q at T alone, where regions 1 and 2 hold the phases
// (273.15 K <= T <= 623.15 K): as saturation::Property<q>(T) gives it. The values at the last temperature are
// kept per thread: a caller asks for h' and h'' (s', s'', v', v'') at one temperature in turn.
template <Quantity q, Phase kPhase>
double SaturatedPhase(double T);

// 273.15 K <= T <= 623.15 K.
inline bool SaturatedInRegions1And2(double T) { return T >= kMinK && T <= kRegion13K; }

// w * (liquid value) + (1 - w) * (vapour value) of q at the saturation temperature T, 0 <= w <= 1.
template <Quantity q>
double SaturatedMixture(double T, double w);

// The liquid mass fraction (x'' - x) / (x'' - x') of x, kept within 0..1; NaN where the saturated values
// coincide.
double LiquidFraction(const Saturated<double>& saturated, double x);

// The liquid mass fraction at Tsat(p) of a given h or s, for x' <= x <= x''. NaN at the critical pressure, where
// x' = x''.
template <Quantity kGiven>
double Wetness(double p, double x);

// The latent heat h'' - h' at the saturation temperature T (0 at the critical point).
double LatentHeat(double T);

// The isentropic exponent w^2 rho / p of (p, T), from one evaluation of the state; NaN outside the range.
double IsentropicExponentPT(double p, double T);

// w u' + (1 - w) u'' at the saturation temperature T, 0 <= w <= 1: the internal energy of the wet mixture.
double SaturatedInternalEnergy(double T, double w);

}  // namespace aquaprop
