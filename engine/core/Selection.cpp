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

namespace aquaprop {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kBackwardMarginK = 1.0;
constexpr double kSeamK = 0.1;  // temperatures this far beyond a region's limit belong to the seam with the next

bool AtOrBelowSaturation(double T, double Ts) { return T <= Ts * (1.0 + kSatRelTolerance); }

// Temperatures refined to round-off may overshoot a region's limit by an ulp or so; those are pulled back,
// anything further out is outside the range.
double WithinLimits(double T, double lo, double hi) {
    if (!(T >= lo * (1.0 - kSatRelTolerance) && T <= hi * (1.0 + kSatRelTolerance))) return kNaN;
    return std::clamp(T, lo, hi);
}

template <Quantity q>
double Region1Property(double p, double T) {
    if constexpr (q == Quantity::kVolume) return region1::Volume(p, T);
    if constexpr (q == Quantity::kEnthalpy) return region1::Enthalpy(p, T);
    if constexpr (q == Quantity::kEntropy) return region1::Entropy(p, T);
}

template <Quantity q>
double Region2Property(double p, double T) {
    if constexpr (q == Quantity::kVolume) return region2::Volume(p, T);
    if constexpr (q == Quantity::kEnthalpy) return region2::Enthalpy(p, T);
    if constexpr (q == Quantity::kEntropy) return region2::Entropy(p, T);
}

template <Quantity q>
double Region5Property(double p, double T) {
    if constexpr (q == Quantity::kVolume) return region5::Volume(p, T);
    if constexpr (q == Quantity::kEnthalpy) return region5::Enthalpy(p, T);
    if constexpr (q == Quantity::kEntropy) return region5::Entropy(p, T);
}

// Saturated liquid density when (p, T) lies on the saturation line, NaN elsewhere: right at saturation the
// liquid root comes from the saturation solve rather than a density search that would have to pick
// between two roots a rounding error apart.
double Region3SaturatedLiquidDensity(double p, double T) {
    if (!(p <= kCriticalMPa && T <= kCriticalK)) return kNaN;
    const double Ts = region4::SaturationTemperature(p);
    return std::fabs(T - Ts) <= Ts * kSatRelTolerance ? region3::SaturationDensitiesT(T).liquid : kNaN;
}

template <Quantity q>
double Region3Property(double p, double T) {
    double rho = Region3SaturatedLiquidDensity(p, T);
    if (std::isnan(rho)) rho = region3::DensityPT(p, T);
    if constexpr (q == Quantity::kVolume) return 1.0 / rho;
    if constexpr (q == Quantity::kEnthalpy) return region3::EnthalpyRhoT(rho, T);
    if constexpr (q == Quantity::kEntropy) return region3::EntropyRhoT(rho, T);
}

Props Region3State(double p, double T) {
    const double rho = Region3SaturatedLiquidDensity(p, T);
    Props x = std::isnan(rho) ? region3::PropsPT(p, T) : region3::PropsRhoT(rho, T);
    // At the critical point dp/drho vanishes and cp comes out as a huge number of either sign.
    if (!(x.cp > 0.0 && std::isfinite(x.cp))) x.cp = kNaN;
    return x;
}

// The inverse functions T(p, h) and T(p, s) share one shape; these say which property is given.
struct ByEnthalpy {
    static double Liquid(double p, double T) { return region1::Enthalpy(p, T); }
    static double Vapour(double p, double T) { return region2::Enthalpy(p, T); }
    static double High(double p, double T) { return region5::Enthalpy(p, T); }
    static double LiquidTemperature(double p, double h) { return region1::TemperaturePH(p, h); }
    static double VapourEstimate(double p, double h) { return region2::BackwardTemperaturePH(p, h); }
    static ValueAndSlope VapourSlope(double p, double T) { return region2::EnthalpyAndCp(p, T); }
    static ValueAndSlope HighSlope(double p, double T) { return region5::EnthalpyAndCp(p, T); }
    static double Region3Temperature(double p, double h) { return region3::TemperaturePH(p, h); }
    // Where the backward estimate is of no use, Newton still converges from 1073.15 K: h is nearly linear in T.
    static double VapourStart(double, double, double) { return kRegion25K; }
    static double HighStart(double h, double h25, double hMax) {
        return kRegion25K + (kMaxK - kRegion25K) * (h - h25) / (hMax - h25);
    }
};

struct ByEntropy {
    static double Liquid(double p, double T) { return region1::Entropy(p, T); }
    static double Vapour(double p, double T) { return region2::Entropy(p, T); }
    static double High(double p, double T) { return region5::Entropy(p, T); }
    static double LiquidTemperature(double p, double s) { return region1::TemperaturePS(p, s); }
    static double VapourEstimate(double p, double s) { return region2::BackwardTemperaturePS(p, s); }
    static ValueAndSlope VapourSlope(double p, double T) { return region2::EntropyAndSlope(p, T); }
    static ValueAndSlope HighSlope(double p, double T) { return region5::EntropyAndSlope(p, T); }
    static double Region3Temperature(double p, double s) { return region3::TemperaturePS(p, s); }
    // s is nearly linear in ln T, and Newton in T from far above overshoots below zero: the start is
    // interpolated in ln T. The backward estimate is of no use below about 0.1 kPa, where it is off by tens of K.
    static double VapourStart(double p, double s, double Tlo) {
        return LogInterpolated(s, Tlo, Vapour(p, Tlo), kRegion25K, Vapour(p, kRegion25K));
    }
    static double HighStart(double s, double s25, double sMax) {
        return LogInterpolated(s, kRegion25K, s25, kMaxK, sMax);
    }
    static double LogInterpolated(double s, double T0, double s0, double T1, double s1) {
        return T0 * std::pow(T1 / T0, (s - s0) / (s1 - s0));
    }
};

template <typename By>
double Region2Temperature(double p, double x, double start) {
    return RefineTemperature([p](double T) { return By::VapourSlope(p, T); }, x, start);
}

// Region 2 from its backward equation, or region 5 above 1073.15 K; Tlo is region 2's lower limit at p.
template <typename By>
double VapourTemperature(double p, double x, double Tlo) {
    const double Tb = By::VapourEstimate(p, x);
    // Well inside region 2 the backward estimate settles the region. Outside it the estimate is an
    // extrapolation that may point anywhere, so there the value at 1073.15 K decides.
    if (Tb > Tlo - kBackwardMarginK && Tb < kRegion25K - kBackwardMarginK) {
        const double T = Region2Temperature<By>(p, x, Tb);
        if (T >= Tlo * (1.0 - kSatRelTolerance) && T <= kRegion25K) return WithinLimits(T, Tlo, kRegion25K);
    }
    const double x25 = By::Vapour(p, kRegion25K);
    if (x <= x25) return WithinLimits(Region2Temperature<By>(p, x, By::VapourStart(p, x, Tlo)), Tlo, kRegion25K);
    if (p > kMaxRegion5MPa) return kNaN;
    const double xMax = By::High(p, kMaxK);
    if (x > xMax) return kNaN;
    const double T5 = RefineTemperature([p](double T) { return By::HighSlope(p, T); }, x, By::HighStart(x, x25, xMax));
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

template <typename By>
double LiquidTemperature(double p, double x, double Thi) {
    return WithinLimits(By::LiquidTemperature(p, x), kMinK, Thi);
}

template <typename By>
double TemperatureFrom(double p, double x) {
    if (!(p > 0.0 && p <= kMaxMPa && std::isfinite(x))) return kNaN;
    if (p < kSatMinMPa) return VapourTemperature<By>(p, x, kMinK);
    if (p <= kSat13MPa) {
        const double Ts = region4::SaturationTemperature(p);
        if (x <= By::Liquid(p, Ts)) return LiquidTemperature<By>(p, x, Ts);
        if (x < By::Vapour(p, Ts)) return Ts;
        return VapourTemperature<By>(p, x, Ts);
    }
    if (x <= By::Liquid(p, kRegion13K)) return LiquidTemperature<By>(p, x, kRegion13K);
    const double T23 = boundary::B23Temperature(p);
    if (x >= By::Vapour(p, T23)) return VapourTemperature<By>(p, x, T23);
    return OnRegion3Seams(By::Region3Temperature(p, x), T23);
}

template <Quantity q>
double Wetness(double p, double x) {
    if (!(p < kCriticalMPa && std::isfinite(x))) return kNaN;
    const saturation::Pair pair = saturation::SaturatedPair<q>(region4::SaturationTemperature(p));
    // h' and h'' (or s', s'') handed back from a saturation call at T = Tsat(p) may differ from these in the
    // last bits.
    const double slack = std::fabs(x) * kSatRelTolerance;
    if (!(x >= pair.liquid - slack && x <= pair.vapour + slack && pair.vapour > pair.liquid)) return kNaN;
    return std::clamp((pair.vapour - x) / (pair.vapour - pair.liquid), 0.0, 1.0);
}

}  // namespace

Region RegionTP(double T, double p) {
    if (!(p > 0.0 && T >= kMinK)) return Region::kNone;
    if (T > kRegion25K) return T <= kMaxK && p <= kMaxRegion5MPa ? Region::k5 : Region::kNone;
    if (!(p <= kMaxMPa)) return Region::kNone;
    if (T <= kRegion13K) {
        if (p > kSat13MPa) return Region::k1;
        if (p < kSatMinMPa) return Region::k2;
        return AtOrBelowSaturation(T, region4::SaturationTemperature(p)) ? Region::k1 : Region::k2;
    }
    if (T <= kB23MaxK && p > boundary::B23Pressure(T)) return Region::k3;
    return Region::k2;
}

template <Quantity q>
double PropertyTP(double T, double p) {
    switch (RegionTP(T, p)) {
        case Region::k1:
            return Region1Property<q>(p, T);
        case Region::k2:
            return Region2Property<q>(p, T);
        case Region::k3:
            return Region3Property<q>(p, T);
        case Region::k5:
            return Region5Property<q>(p, T);
        case Region::kNone:
            break;
    }
    return kNaN;
}

template double PropertyTP<Quantity::kVolume>(double T, double p);
template double PropertyTP<Quantity::kEnthalpy>(double T, double p);
template double PropertyTP<Quantity::kEntropy>(double T, double p);

Props StateTP(double T, double p) {
    switch (RegionTP(T, p)) {
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
    return {kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN};
}

double TemperaturePH(double p, double h) { return TemperatureFrom<ByEnthalpy>(p, h); }

double TemperaturePS(double p, double s) { return TemperatureFrom<ByEntropy>(p, s); }

template <Quantity q>
double SaturatedMixture(double T, double w) {
    if (!(w >= 0.0 && w <= 1.0)) return kNaN;
    const saturation::Pair pair = saturation::SaturatedPair<q>(T);
    return w * pair.liquid + (1.0 - w) * pair.vapour;
}

template double SaturatedMixture<Quantity::kVolume>(double T, double w);
template double SaturatedMixture<Quantity::kEnthalpy>(double T, double w);
template double SaturatedMixture<Quantity::kEntropy>(double T, double w);

double WetnessPH(double p, double h) { return Wetness<Quantity::kEnthalpy>(p, h); }

double WetnessPS(double p, double s) { return Wetness<Quantity::kEntropy>(p, s); }

double LatentHeat(double T) {
    const saturation::Pair h = saturation::SaturatedPair<Quantity::kEnthalpy>(T);
    return h.vapour - h.liquid;
}

}  // namespace aquaprop
