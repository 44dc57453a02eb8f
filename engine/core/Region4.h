// SPDX-License-Identifier: MIT
// Region 4: the saturation line, and on which side of it a state lies.
#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "engine/core/Constants.h"
#include "engine/core/tables/Region4Table.h"

namespace aquaprop::region4 {

namespace detail {

// std::sqrt, also in constant expressions (for tables built at compile time), where Newton steps stand in for
// it: from 1.5 for x scaled by powers of 4 into [1, 4).
template <typename Real>
constexpr Real Sqrt(Real x) {
    if (!std::is_constant_evaluated()) return std::sqrt(x);
    if (!(x > 0 && x <= std::numeric_limits<Real>::max())) return x == 0 ? x : std::numeric_limits<Real>::quiet_NaN();
    Real scaled = x;
    Real scale = 1;
    for (; scaled >= 4; scaled /= 4) scale *= 2;
    for (; scaled < 1; scaled *= 4) scale /= 2;
    Real root = 1.5;
    for (int step = 0; step < 8; ++step) root = (root + scaled / root) / 2;
    return root * scale;
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

namespace detail {

// Tsat(p) in pieces: 16 per octave of p from 2^-11 MPa, and 256 per octave from 16 MPa up to pc, where a branch
// point of the equation near 23 MPa slows convergence. In each, Tsat(centre + u) = high + low + u (a1 + a2 u + ...
// + a8 u^7), fitted to the equation in extended precision; before the last addition rounds it the value is within
// 0.02 ulp of the equation's exact one, so the result is within 0.52 ulp of it. (The published form evaluated in
// double is up to 400 ulp, 4e-11 K, away near pc, where it subtracts nearly equal numbers.)
inline constexpr int kTemperatureDegree = 8;
inline constexpr double kFirstOctaveMPa = 0x1p-11;
inline constexpr int kOctaves = 15;
inline constexpr int kPiecesPerOctave = 16;
inline constexpr double kTopOctaveMPa = 16.0;
inline constexpr int kTopPiecesPerOctave = 256;
inline constexpr int kTopPieces =
    static_cast<int>((kCriticalMPa - kTopOctaveMPa) / kTopOctaveMPa * kTopPiecesPerOctave) + 1;
inline constexpr int kTemperaturePieces = kOctaves * kPiecesPerOctave + kTopPieces;
static_assert(kSatMinMPa >= kFirstOctaveMPa && kTopOctaveMPa == kFirstOctaveMPa * (1 << kOctaves) &&
              kCriticalMPa < 2 * kTopOctaveMPa);

struct TemperaturePiece {
    double high, low;
    std::array<double, kTemperatureDegree> a;
};

extern const std::array<TemperaturePiece, kTemperaturePieces> kTemperature;

// p's piece by its exponent and the leading bits of its mantissa: 4 of them below 16 MPa, 8 above.
inline constexpr int kMantissaBits = 52;
inline constexpr int kShift = kMantissaBits - 4;
inline constexpr int kTopShift = kMantissaBits - 8;
static_assert(1 << (kMantissaBits - kShift) == kPiecesPerOctave &&
              1 << (kMantissaBits - kTopShift) == kTopPiecesPerOctave);
inline constexpr uint64_t kFirst = std::bit_cast<uint64_t>(kFirstOctaveMPa) >> kShift;
inline constexpr uint64_t kTopFirst =
    (std::bit_cast<uint64_t>(kTopOctaveMPa) >> kTopShift) - kOctaves * kPiecesPerOctave;

}  // namespace detail

// Saturation temperature (K) at p (MPa), 611.2127 Pa <= p <= 22.064 MPa; NaN outside that range.
inline double SaturationTemperature(double p) {
    using namespace detail;
    if (!(p >= kSatMinMPa && p <= kCriticalMPa)) return kNaN;
    const uint64_t bits = std::bit_cast<uint64_t>(p);
    const bool top = p >= kTopOctaveMPa;
    const int shift = top ? kTopShift : kShift;
    const TemperaturePiece& piece = kTemperature[(bits >> shift) - (top ? kTopFirst : kFirst)];
    // The piece's centre has p's leading bits, then a one: p - centre is exact.
    const uint64_t half = uint64_t{1} << (shift - 1);
    const double u = p - std::bit_cast<double>((bits | half) & ~(half - 1));
    const std::array<double, kTemperatureDegree>& a = piece.a;
    const double u2 = u * u;
    const double a1to4 = (a[0] + a[1] * u) + (a[2] + a[3] * u) * u2;
    const double a5to8 = (a[4] + a[5] * u) + (a[6] + a[7] * u) * u2;
    return piece.high + (piece.low + u * (a1to4 + a5to8 * (u2 * u2)));
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
