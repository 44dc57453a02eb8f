// SPDX-License-Identifier: MIT
// Region 4: the saturation line, and on which side of it a state lies.
#pragma once

#include <array>
#include <cmath>
#include <limits>
#include <type_traits>

#include "engine/core/Constants.h"
#include "engine/core/tables/Region4Table.h"

namespace aquaprop::region4 {

namespace detail {

// std::sqrt, also in constant expressions, where Newton steps stand in for it (for tables built at compile time).
template <typename Real>
constexpr Real Sqrt(Real x) {
    if (!std::is_constant_evaluated()) return std::sqrt(x);
    Real root = x > 1 ? x : 1;
    for (int step = 0; step < 200; ++step) root = (root + x / root) / 2;
    return root;
}

template <typename Real>
constexpr Real SaturationPressureIn(double T) {
    using tables::kRegion4;
    if (!(T >= kMinK && T <= kCriticalK)) return kNaN;
    const Real theta = T + kRegion4[8] / (T - Real(kRegion4[9]));
    const Real A = (theta + kRegion4[0]) * theta + kRegion4[1];
    const Real B = (kRegion4[2] * theta + kRegion4[3]) * theta + kRegion4[4];
    const Real C = (kRegion4[5] * theta + kRegion4[6]) * theta + kRegion4[7];
    const Real x = 2 * C / (-B + Sqrt(B * B - 4 * A * C));
    const Real x2 = x * x;
    const Real p = x2 * x2;
    return p < kCriticalMPa ? p : Real(kCriticalMPa);
}

}  // namespace detail

// Saturation pressure (MPa) at T (K), 273.15 K <= T <= 647.096 K; NaN outside that range. The equation gives pc
// plus 3.2e-10 MPa at Tc; the line ends at the critical point, so within 1.2e-9 K of Tc it is held to pc.
constexpr double SaturationPressure(double T) { return detail::SaturationPressureIn<double>(T); }

// The same in extended precision: near Tc its double rounds to a few 1e-15, which moves the saturated vapour's
// root, close to the top of the region 3 isotherm's loop there, far more than that.
inline long double SaturationPressureWide(double T) { return detail::SaturationPressureIn<long double>(T); }

// Saturation temperature (K) at p (MPa), 611.2127 Pa <= p <= 22.064 MPa; NaN outside that range.
inline double SaturationTemperature(double p) {
    using tables::kRegion4;
    if (!(p >= kSatMinMPa && p <= kCriticalMPa)) return kNaN;
    const double beta = std::sqrt(std::sqrt(p));
    const double E = (beta + kRegion4[2]) * beta + kRegion4[5];
    const double F = (kRegion4[0] * beta + kRegion4[3]) * beta + kRegion4[6];
    const double G = (kRegion4[1] * beta + kRegion4[4]) * beta + kRegion4[7];
    // T = (n10 + D - sqrt((n10 + D)^2 - 4 (n9 + n10 D))) / 2 with D = 2 G / (-F - sqrt(F^2 - 4 E G)), written in
    // the halves of n10 + D and of D: halving is exact, and so is the root of a quarter, so every rounding is
    // the one of the formula as written, with fewer steps after the last root.
    const double halfD = G / (-F - std::sqrt(F * F - 4.0 * E * G));
    const double half = 0.5 * kRegion4[9] + halfD;
    return half - std::sqrt(half * half - (kRegion4[8] + 2.0 * kRegion4[9] * halfD));
}

namespace detail {

// psat at evenly spaced temperatures from 273.15 K to Tc, built at compile time: over each interval of T, psat
// lies between its values at the two ends, since it rises with T. The margin, far above the round-off of psat and
// Tsat, keeps a pressure beyond such a bound on that side of Tsat(p) too. The same intervals go on up to
// 1073.15 K, all of them on the vapour side (no bound above, none below), so that the temperatures of regions 1
// and 2 all find theirs without a branch.
inline constexpr int kBoundIntervals = 256;
inline constexpr double kBoundStepK = (kCriticalK - kMinK) / kBoundIntervals;
inline constexpr int kBoundEntries = static_cast<int>((kRegion25K - kMinK) / kBoundStepK) + 1;
inline constexpr double kBoundMargin = 1e-9;

struct PressureBounds {
    double low, high;  // MPa
};

inline constexpr std::array<PressureBounds, kBoundEntries> kBounds = [] {
    std::array<PressureBounds, kBoundEntries> bounds{};
    for (int k = 0; k < kBoundIntervals; ++k) {
        const double high = k + 1 < kBoundIntervals ? kMinK + (k + 1) * kBoundStepK : kCriticalK;
        bounds[k] = {SaturationPressureIn<double>(kMinK + k * kBoundStepK) * (1.0 - kBoundMargin),
                     SaturationPressureIn<double>(high) * (1.0 + kBoundMargin)};
    }
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    for (int k = kBoundIntervals; k < kBoundEntries; ++k) bounds[k] = {kInfinity, kInfinity};
    return bounds;
}();

// The bounds of the interval that holds T, any T (those outside 273.15 K..1073.15 K, and NaN, get the end
// entries').
inline const PressureBounds& BoundsAt(double T) {
    const double u = (T - kMinK) * (1.0 / kBoundStepK);
    const double above = u > 0.0 ? u : 0.0;  // NaN too
    return kBounds[static_cast<int>(above < kBoundEntries - 1 ? above : kBoundEntries - 1)];
}

}  // namespace detail

// Where (p, T) lies against the saturation line, as far as bounds of psat over a grid of temperatures tell;
// kClose where p lies so near psat(T) that only Tsat(p) itself can decide, and below 273.15 K. Above Tc every
// state is on the vapour side. Written with few branches: in a stream of states of every kind, branches on where
// each lies mispredict.
enum class Side { kLiquid, kClose, kVapour };

inline Side SideByBounds(double p, double T) {
    const detail::PressureBounds& bounds = detail::BoundsAt(T);
    const bool inRange = (T >= kMinK) & (T <= kCriticalK);
    const bool liquid = inRange & (p > bounds.high);
    const bool vapour = (T > kCriticalK) | (inRange & (p < bounds.low));
    return liquid ? Side::kLiquid : (vapour ? Side::kVapour : Side::kClose);
}

// The liquid side of the line: T <= Tsat(p), for 273.15 K <= T <= Tc (above pc every such state, below
// psat(273.15 K) none). Exactly that comparison, but Tsat(p) is evaluated only where the bounds cannot decide.
inline bool AtOrBelowSaturation(double p, double T) {
    const detail::PressureBounds& bounds = detail::BoundsAt(T);
    if (p > bounds.high) return true;
    if (p < bounds.low) return false;
    return p > kCriticalMPa || T <= SaturationTemperature(p);
}

}  // namespace aquaprop::region4
