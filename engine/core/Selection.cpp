// SPDX-License-Identifier: MIT
#include "engine/core/Selection.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/core/Backward1.h"
#include "engine/core/Backward2.h"
#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/Refine.h"
#include "engine/core/Region1.h"
#include "engine/core/Region2.h"
#include "engine/core/Region3.h"
#include "engine/core/Region4.h"
#include "engine/core/Region5.h"
#include "engine/core/Saturation.h"
#include "engine/core/region3/Edges.h"

namespace aquaprop {

namespace {

constexpr double kBackwardMarginK = 1.0;  // a backward estimate this far inside region 2 settles the region
constexpr double kSeamK = 0.1;  // temperatures this far beyond a region's limit belong to the seam with the next

// Temperatures refined to round-off may overshoot a region's limit by an ulp or so; those are pulled back,
// anything further out is outside the range.
double WithinLimits(double T, double lo, double hi) {
    if (!(T >= lo * (1.0 - kRefinedRelTolerance) && T <= hi * (1.0 + kRefinedRelTolerance))) return kNaN;
    return std::clamp(T, lo, hi);
}

Props Region3State(double p, double T) {
    Props x = region3::PropsPT(p, T);
    // At the critical point dp/drho vanishes and cp comes out as a huge number of either sign.
    if (!(x.cp > 0.0 && std::isfinite(x.cp))) x.cp = kNaN;
    return x;
}

// A temperature between (T0, x0) and (T1, x1) where the given property is x: h is nearly linear in T, s in ln T.
template <Quantity kGiven>
double Interpolated(double x, double T0, double x0, double T1, double x1) {
    if constexpr (kGiven == Quantity::kEnthalpy) {
        return T0 + (T1 - T0) * (x - x0) / (x1 - x0);
    } else {
        return T0 * std::pow(T1 / T0, (x - x0) / (x1 - x0));
    }
}

// Where region 2's backward estimate is of no use, Newton in T starts here; Tlo is region 2's lower limit at p.
// From 1073.15 K it converges for h. For s, Newton from far above overshoots below zero, so the start is
// interpolated; the backward estimate is of no use below about 0.1 kPa, where it is off by tens of K.
template <Quantity kGiven>
double VapourStart(double p, double x, double Tlo) {
    if constexpr (kGiven == Quantity::kEnthalpy) {
        return kRegion25K;
    } else {
        return Interpolated<kGiven>(x, Tlo, region2::Property<kGiven>(p, Tlo), kRegion25K,
                                    region2::Property<kGiven>(p, kRegion25K));
    }
}

template <Quantity kGiven>
double Region2Temperature(double p, double x, double start) {
    return RefineTemperature([p](double T) { return region2::PropertyAndSlope<kGiven>(p, T); }, x, start);
}

// Region 2 from its backward equation, or region 5 above 1073.15 K; Tlo is region 2's lower limit at p.
template <Quantity kGiven>
double VapourTemperature(double p, double x, double Tlo) {
    const double Tb = region2::BackwardTemperature<kGiven>(p, x);
    // Well inside region 2 the backward estimate settles the region. Outside it the estimate is an
    // extrapolation that may point anywhere, so there the value at 1073.15 K decides.
    if (Tb > Tlo - kBackwardMarginK && Tb < kRegion25K - kBackwardMarginK) {
        const double T = Region2Temperature<kGiven>(p, x, Tb);
        if (T >= Tlo * (1.0 - kRefinedRelTolerance) && T <= kRegion25K) return WithinLimits(T, Tlo, kRegion25K);
    }
    const double x25 = region2::Property<kGiven>(p, kRegion25K);
    // Above 50 MPa region 2 ends the range: an x a round-off beyond its value at 1073.15 K still gives 1073.15 K.
    if (x <= x25 || p > kMaxRegion5MPa) {
        return WithinLimits(Region2Temperature<kGiven>(p, x, VapourStart<kGiven>(p, x, Tlo)), Tlo, kRegion25K);
    }
    const double xMax = region5::Property<kGiven>(p, kMaxK);
    const double T5 = RefineTemperature([p](double T) { return region5::PropertyAndSlope<kGiven>(p, T); }, x,
                                        Interpolated<kGiven>(x, kRegion25K, x25, kMaxK, xMax));
    // Regions 2 and 5 differ slightly at 1073.15 K (h by up to 0.1 kJ/kg): a value between the two lies
    // on the seam.
    if (T5 < kRegion25K && T5 >= kRegion25K - kSeamK) return kRegion25K;
    return WithinLimits(T5, kRegion25K, kMaxK);
}

// Region 3 meets regions 1 and 2 only within the formulation's consistency: a value between the two
// equations' values at 623.15 K or on the B23 line gives a region 3 temperature just beyond that limit,
// which belongs to the seam.
double OnRegion3Seams(double T, double T23) {
    if (T < kRegion13K) return T >= kRegion13K - kSeamK ? kRegion13K : kNaN;
    if (T > T23) return T <= T23 + kSeamK ? T23 : kNaN;
    return T;
}

template <Quantity kGiven>
double LiquidTemperature(double p, double x, double Thi) {
    return WithinLimits(region1::Temperature<kGiven>(p, x), kMinK, Thi);
}

// Above psat(623.15 K): region 1 up to its value at 623.15 K, region 2 from its value on the B23 line, region 3
// between, on the given side of the dome (or none above pc).
template <Quantity kGiven>
double AboveRegion1And2(double p, double x, Phase phase) {
    // Bounds of the two edges over p settle most states in between without evaluating either.
    if (phase != Phase::kVapour && !region3::AboveRegion1Edge<kGiven>(p, x) &&
        x <= region1::Property<kGiven>(p, kRegion13K)) {
        return LiquidTemperature<kGiven>(p, x, kRegion13K);
    }
    const double T23 = boundary::B23Temperature(p);
    if (phase != Phase::kLiquid && !region3::BelowRegion2Edge<kGiven>(p, x) &&
        x >= region2::Property<kGiven>(p, T23)) {
        return VapourTemperature<kGiven>(p, x, T23);
    }
    return OnRegion3Seams(region3::TemperatureOnSide<kGiven>(p, x, phase), T23);
}

}  // namespace

Region RegionPT(double p, double T) {
    if (!(p > kMinMPa && T >= kMinK)) return Region::kNone;
    if (T > kRegion25K) return T <= kMaxK && p <= kMaxRegion5MPa ? Region::k5 : Region::kNone;
    if (!(p <= kMaxMPa)) return Region::kNone;
    if (T <= kRegion13K) return region4::AtOrBelowSaturation(p, T) ? Region::k1 : Region::k2;
    if (T <= kB23MaxK && p > boundary::B23Pressure(T)) return Region::k3;
    // The B23 line meets the saturation line at 623.15 K only to 2e-11 MPa; in the sliver between them a state on
    // the liquid side is still region 3's.
    if (p > kSat13MPa && T <= kCriticalK && region4::AtOrBelowSaturation(p, T)) return Region::k3;
    return Region::k2;
}

template <Quantity q>
double PropertyPT(double p, double T) {
    switch (RegionPT(p, T)) {
        case Region::k1:
            return region1::Property<q>(p, T);
        case Region::k2:
            return region2::Property<q>(p, T);
        case Region::k3:
            return region3::PropertyPT<q>(p, T);
        case Region::k5:
            return region5::Property<q>(p, T);
        case Region::kNone:
            break;
    }
    return kNaN;
}

Props StatePT(double p, double T) {
    switch (RegionPT(p, T)) {
        case Region::k1:
            return region1::State(p, T);
        case Region::k2:
            return region2::State(p, T);
        case Region::k3:
            return Region3State(p, T);
        case Region::k5:
            return region5::State(p, T);
        case Region::kNone:
            break;
    }
    return kNoState;
}

Phase PhaseAgainst(const Saturated<double>& saturated, double x) {
    if (x < saturated.liquid) return Phase::kLiquid;
    if (x > saturated.vapour) return Phase::kVapour;
    return Phase::kTwoPhase;  // between them, ends included
}

template <Quantity kGiven>
double Temperature(double p, double x) {
    if (!(p > kMinMPa && p <= kMaxMPa && std::isfinite(x))) return kNaN;
    if (p < kSatMinMPa) return VapourTemperature<kGiven>(p, x, kMinK);
    if (p >= kCriticalMPa) return AboveRegion1And2<kGiven>(p, x, Phase::kSupercritical);
    const double Ts = region4::SaturationTemperature(p);
    const Phase phase = PhaseAgainst(saturation::Property<kGiven>(Ts), x);
    return phase == Phase::kTwoPhase ? Ts : TemperatureOnSide<kGiven>(p, x, phase);
}

template <Quantity kGiven>
double TemperatureOnSide(double p, double x, Phase phase) {
    if (!(p >= kSatMinMPa && p < kCriticalMPa && std::isfinite(x))) return kNaN;
    return TemperatureOnSide<kGiven>(p, x, phase, region4::SaturationTemperature(p));
}

template <Quantity kGiven>
double TemperatureOnSide(double p, double x, Phase phase, double Ts) {
    if (!(p >= kSatMinMPa && p < kCriticalMPa && std::isfinite(x))) return kNaN;
    double T = kNaN;
    if (phase == Phase::kLiquid) {
        T = p <= kSat13MPa ? LiquidTemperature<kGiven>(p, x, Ts) : AboveRegion1And2<kGiven>(p, x, phase);
        return std::min(T, Ts);
    }
    if (phase != Phase::kVapour) return kNaN;
    T = p <= kSat13MPa ? VapourTemperature<kGiven>(p, x, Ts) : AboveRegion1And2<kGiven>(p, x, phase);
    if (std::isnan(T) || T > Ts) return T;
    return std::nextafter(Ts, std::numeric_limits<double>::infinity());
}

namespace {

// The saturated phases' values at the last temperature asked for, each evaluated when first asked for.
struct LastSaturatedPhases {
    double T = kNaN;
    double p = kNaN;
    unsigned evaluated = 0;  // bit 2 q + side
    double value[3][2] = {};
};
thread_local LastSaturatedPhases lastPhases;

// This thread's values, looked up out of line: inline, GCC would look the address up again at each use.
[[gnu::noinline]] LastSaturatedPhases& ThisThreadsPhases() { return lastPhases; }

// This thread's kept values, emptied where T is not the last temperature.
LastSaturatedPhases& KeptAt(double T) {
    LastSaturatedPhases& last = ThisThreadsPhases();
    if (!(T == last.T)) {
        last.T = T;
        last.p = region4::SaturationPressure(T);
        last.evaluated = 0;
    }
    return last;
}

// Side 0 the liquid (region 1), 1 the vapour (region 2).
template <Quantity q, int kSide>
double Kept(LastSaturatedPhases& last) {
    constexpr unsigned kBit = 1u << (2 * static_cast<int>(q) + kSide);
    double& value = last.value[static_cast<int>(q)][kSide];
    if ((last.evaluated & kBit) == 0u) {
        value = kSide == 0 ? region1::Property<q>(last.p, last.T) : region2::Property<q>(last.p, last.T);
        last.evaluated |= kBit;
    }
    return value;
}

}  // namespace

template <Quantity q, Phase kPhase>
double SaturatedPhase(double T) {
    static_assert(kPhase == Phase::kLiquid || kPhase == Phase::kVapour);
    return Kept<q, kPhase == Phase::kLiquid ? 0 : 1>(KeptAt(T));
}

template <Quantity q>
double SaturatedMixture(double T, double w) {
    if (!(w >= 0.0 && w <= 1.0)) return kNaN;
    if (SaturatedInRegions1And2(T)) {
        LastSaturatedPhases& kept = KeptAt(T);
        // One phase alone: the other's term is a zero (times a finite value of either sign for the liquid, a
        // positive one for the vapour), so the sum is the same without it.
        if (w == 1.0) return Kept<q, 0>(kept) + 0.0;
        if (w == 0.0) return Kept<q, 1>(kept);
        return w * Kept<q, 0>(kept) + (1.0 - w) * Kept<q, 1>(kept);
    }
    const Saturated<double> sat = saturation::Property<q>(T);
    return w * sat.liquid + (1.0 - w) * sat.vapour;
}

double LiquidFraction(const Saturated<double>& saturated, double x) {
    if (!(saturated.vapour > saturated.liquid)) return kNaN;
    return std::clamp((saturated.vapour - x) / (saturated.vapour - saturated.liquid), 0.0, 1.0);
}

template <Quantity kGiven>
double Wetness(double p, double x) {
    if (!(p < kCriticalMPa && std::isfinite(x))) return kNaN;
    const Saturated<double> saturated = saturation::Property<kGiven>(region4::SaturationTemperature(p));
    return PhaseAgainst(saturated, x) == Phase::kTwoPhase ? LiquidFraction(saturated, x) : kNaN;
}

double LatentHeat(double T) {
    const Saturated<double> h = saturation::Property<Quantity::kEnthalpy>(T);
    return h.vapour - h.liquid;
}

double IsentropicExponentPT(double p, double T) {
    constexpr double kPaPerMPa = 1e6;  // w^2 rho is in Pa
    const Props x = StatePT(p, T);
    return x.w * x.w / (x.v * p * kPaPerMPa);
}

double SaturatedInternalEnergy(double T, double w) {
    if (!(w >= 0.0 && w <= 1.0)) return kNaN;
    const Saturated<Props> sat = saturation::States(T);
    return w * sat.liquid.u + (1.0 - w) * sat.vapour.u;
}

template double PropertyPT<Quantity::kVolume>(double p, double T);
template double PropertyPT<Quantity::kEnthalpy>(double p, double T);
template double PropertyPT<Quantity::kEntropy>(double p, double T);
template double Temperature<Quantity::kEnthalpy>(double p, double h);
template double Temperature<Quantity::kEntropy>(double p, double s);
template double TemperatureOnSide<Quantity::kEnthalpy>(double p, double h, Phase phase);
template double TemperatureOnSide<Quantity::kEntropy>(double p, double s, Phase phase);
template double TemperatureOnSide<Quantity::kEnthalpy>(double p, double h, Phase phase, double Ts);
template double TemperatureOnSide<Quantity::kEntropy>(double p, double s, Phase phase, double Ts);
template double SaturatedPhase<Quantity::kVolume, Phase::kLiquid>(double T);
template double SaturatedPhase<Quantity::kVolume, Phase::kVapour>(double T);
template double SaturatedPhase<Quantity::kEnthalpy, Phase::kLiquid>(double T);
template double SaturatedPhase<Quantity::kEnthalpy, Phase::kVapour>(double T);
template double SaturatedPhase<Quantity::kEntropy, Phase::kLiquid>(double T);
template double SaturatedPhase<Quantity::kEntropy, Phase::kVapour>(double T);
template double SaturatedMixture<Quantity::kVolume>(double T, double w);
template double SaturatedMixture<Quantity::kEnthalpy>(double T, double w);
template double SaturatedMixture<Quantity::kEntropy>(double T, double w);
template double Wetness<Quantity::kEnthalpy>(double p, double h);
template double Wetness<Quantity::kEntropy>(double p, double s);

}  // namespace aquaprop
