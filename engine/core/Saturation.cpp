// SPDX-License-Identifier: MIT
#include "engine/core/Saturation.h"

#include "engine/core/Constants.h"
#include "engine/core/Region1.h"
#include "engine/core/Region2.h"
#include "engine/core/Region3.h"
#include "engine/core/Region4.h"

namespace aquaprop::saturation {

template <Quantity q>
Saturated<double> Property(double T) {
    if (!(T >= kMinK && T <= kCriticalK)) return {kNaN, kNaN};
    if (T <= kRegion13K) {
        const double p = region4::SaturationPressure(T);
        return {region1::Property<q>(p, T), region2::Property<q>(p, T)};
    }
    if constexpr (q == Quantity::kVolume) {
        // The densities alone, without the derivatives.
        const Saturated<double> rho = region3::SaturationDensitiesT(T);
        return {1.0 / rho.liquid, 1.0 / rho.vapour};
    } else {
        return region3::SaturationPropertyT<q>(T);
    }
}

Saturated<Props> States(double T) {
    if (!(T >= kMinK && T <= kCriticalK)) return {kNoState, kNoState};
    if (T <= kRegion13K) {
        const double p = region4::SaturationPressure(T);
        return {region1::State(p, T), region2::State(p, T)};
    }
    return region3::SaturationPropsT(T);
}

template Saturated<double> Property<Quantity::kVolume>(double T);
template Saturated<double> Property<Quantity::kEnthalpy>(double T);
template Saturated<double> Property<Quantity::kEntropy>(double T);

}  // namespace aquaprop::saturation
