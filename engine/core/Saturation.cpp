#include "engine/core/Saturation.h"

#include <limits>

#include "engine/core/Constants.h"
#include "engine/core/Region1.h"
#include "engine/core/Region2.h"
#include "engine/core/Region3.h"
#include "engine/core/Region4.h"

namespace aquaprop::saturation {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

template <Quantity q>
Pair FromRegions12(double T) {
    const double p = region4::SaturationPressure(T);
    if constexpr (q == Quantity::kVolume) return {region1::Volume(p, T), region2::Volume(p, T)};
    if constexpr (q == Quantity::kEnthalpy) return {region1::Enthalpy(p, T), region2::Enthalpy(p, T)};
    if constexpr (q == Quantity::kEntropy) return {region1::Entropy(p, T), region2::Entropy(p, T)};
}

template <Quantity q>
Pair FromRegion3(double T) {
    if constexpr (q == Quantity::kVolume) {
        const region3::SaturationDensities rho = region3::SaturationDensitiesT(T);
        return {1.0 / rho.liquid, 1.0 / rho.vapour};
    }
    // Both phases from one evaluation of the isotherm.
    const region3::SaturationProps both = region3::SaturationPropsT(T);
    if constexpr (q == Quantity::kEnthalpy) return {both.liquid.h, both.vapour.h};
    if constexpr (q == Quantity::kEntropy) return {both.liquid.s, both.vapour.s};
}

}  // namespace

template <Quantity q>
Pair SaturatedPair(double T) {
    if (!(T >= kMinK && T <= kCriticalK)) return {kNaN, kNaN};
    return T <= kRegion13K ? FromRegions12<q>(T) : FromRegion3<q>(T);
}

template Pair SaturatedPair<Quantity::kVolume>(double T);
template Pair SaturatedPair<Quantity::kEnthalpy>(double T);
template Pair SaturatedPair<Quantity::kEntropy>(double T);

}  // namespace aquaprop::saturation
