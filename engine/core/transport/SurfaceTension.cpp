// SPDX-License-Identifier: MIT
#include "engine/core/transport/SurfaceTension.h"

#include <cmath>

#include "engine/core/Constants.h"

namespace aquaprop::transport {

namespace {

// sigma = B tau^mu (1 + b tau), tau = 1 - T/Tc.
constexpr double kScaleNPerM = 235.8e-3;  // B, N/m
constexpr double kLinear = -0.625;     // b
constexpr double kExponent = 1.256;    // mu

}  // namespace

double SurfaceTension(double T) {
    if (!(T >= kMinK && T <= kCriticalK)) return kNaN;
    const double tau = 1.0 - T / kCriticalK;
    return kScaleNPerM * std::pow(tau, kExponent) * (1.0 + kLinear * tau);
}

}  // namespace aquaprop::transport
