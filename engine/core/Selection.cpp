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
constexpr double kSeam25K = 0.1;  // region 5 temperatures this far below 1073.15 K belong to the seam

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

template <Quantity q>
double Region3Property(double p, double T) {
    // Right at saturation the liquid root, taken from the saturation solve rather than a density search
    // that would have to pick between two roots a rounding error apart.
    double rho = kNaN;
    if (p <= kCriticalMPa && T <= kCriticalK) {
        const double Ts = region4::SaturationTemperature(p);
        if (std::fabs(T - Ts) <= Ts * kSatRelTolerance) rho = region3::SaturationDensitiesT(T).liquid;
    }
    if (std::isnan(rho)) rho = region3::DensityPT(p, T);
    if constexpr (q == Quantity::kVolume) return 1.0 / rho;
    if constexpr (q == Quantity::kEnthalpy) return region3::EnthalpyRhoT(rho, T);
    if constexpr (q == Quantity::kEntropy) return region3::EntropyRhoT(rho, T);
}

double Region2TemperaturePH(double p, double h, double start) {
    return RefineTemperature([p](double T) { return region2::EnthalpyAndCp(p, T); }, h, start);
}

// Region 2 from its backward equation, or region 5 above 1073.15 K; Tlo is region 2's lower limit at p.
double VapourTemperaturePH(double p, double h, double Tlo) {
    const double Tb = region2::BackwardTemperaturePH(p, h);
    // Well inside region 2 the backward estimate settles the region. Outside it the estimate is an
    // extrapolation that may point anywhere, so there h at 1073.15 K decides.
    if (Tb > Tlo - kBackwardMarginK && Tb < kRegion25K - kBackwardMarginK) {
        const double T = Region2TemperaturePH(p, h, Tb);
        if (T >= Tlo * (1.0 - kSatRelTolerance) && T <= kRegion25K) return WithinLimits(T, Tlo, kRegion25K);
    }
    const double h25 = region2::Enthalpy(p, kRegion25K);
    if (h <= h25) return WithinLimits(Region2TemperaturePH(p, h, kRegion25K), Tlo, kRegion25K);
    if (p > kMaxRegion5MPa) return kNaN;
    const double hMax = region5::Enthalpy(p, kMaxK);
    if (h > hMax) return kNaN;
    // h is nearly linear in T up there: interpolation starts Newton close to the answer.
    const double start = kRegion25K + (kMaxK - kRegion25K) * (h - h25) / (hMax - h25);
    const double T5 = RefineTemperature([p](double T) { return region5::EnthalpyAndCp(p, T); }, h, start);
    // Regions 2 and 5 differ by up to 0.1 kJ/kg at 1073.15 K: an h between the two lies on the seam.
    if (T5 < kRegion25K && T5 >= kRegion25K - kSeam25K) return kRegion25K;
    return WithinLimits(T5, kRegion25K, kMaxK);
}

double LiquidTemperaturePH(double p, double h, double Thi) {
    return WithinLimits(region1::TemperaturePH(p, h), kMinK, Thi);
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

double TemperaturePH(double p, double h) {
    if (!(p > 0.0 && p <= kMaxMPa && std::isfinite(h))) return kNaN;
    if (p < kSatMinMPa) return VapourTemperaturePH(p, h, kMinK);
    if (p <= kSat13MPa) {
        const double Ts = region4::SaturationTemperature(p);
        if (h <= region1::Enthalpy(p, Ts)) return LiquidTemperaturePH(p, h, Ts);
        if (h < region2::Enthalpy(p, Ts)) return Ts;
        return VapourTemperaturePH(p, h, Ts);
    }
    if (h <= region1::Enthalpy(p, kRegion13K)) return LiquidTemperaturePH(p, h, kRegion13K);
    const double T23 = boundary::B23Temperature(p);
    if (h >= region2::Enthalpy(p, T23)) return VapourTemperaturePH(p, h, T23);
    return region3::TemperaturePH(p, h);
}

template <Quantity q>
double SaturatedMixture(double T, double w) {
    if (!(w >= 0.0 && w <= 1.0)) return kNaN;
    const saturation::Pair pair = saturation::SaturatedPair<q>(T);
    return w * pair.liquid + (1.0 - w) * pair.vapour;
}

template double SaturatedMixture<Quantity::kVolume>(double T, double w);
template double SaturatedMixture<Quantity::kEnthalpy>(double T, double w);
template double SaturatedMixture<Quantity::kEntropy>(double T, double w);

double WetnessPH(double p, double h) {
    if (!(p < kCriticalMPa && std::isfinite(h))) return kNaN;
    const saturation::Pair pair = saturation::SaturatedPair<Quantity::kEnthalpy>(region4::SaturationTemperature(p));
    // h' and h'' handed back from a saturation call at T = Tsat(p) may differ from these in the last bits.
    const double slack = std::fabs(h) * kSatRelTolerance;
    if (!(h >= pair.liquid - slack && h <= pair.vapour + slack && pair.vapour > pair.liquid)) return kNaN;
    return std::clamp((pair.vapour - h) / (pair.vapour - pair.liquid), 0.0, 1.0);
}

}  // namespace aquaprop
