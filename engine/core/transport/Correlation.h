// SPDX-License-Identifier: MIT
// The shape the viscosity and thermal-conductivity releases share: a dilute-gas part sqrt(Tr) / sum n Tr^-I and a
// residual factor exp(dr sum n (1/Tr - 1)^I (dr - 1)^J), with Tr = T/T*, dr = rho/rho*. Both releases reduce by
// T* = 647.096 K and rho* = 322 kg/m3, IF97's critical values.
#pragma once

#include <cmath>

#include "engine/core/Constants.h"
#include "engine/core/PowerSum.h"

namespace aquaprop::transport {

// sqrt(Tr) / sum n Tr^-I over rows {I, 0, n}.
template <const auto& kTable>
inline double DiluteGasPart(double T) {
    return std::sqrt(T / kCriticalK) / SumPowers<kTable, kF>(kCriticalK / T, 1.0).f;
}

// exp(dr sum n (1/Tr - 1)^I (dr - 1)^J). Only the plain sum is taken, which needs none of the reciprocals the
// power sums form: 1/Tr - 1 = 0 at T* and dr - 1 = 0 at rho* are fine.
template <const auto& kTable>
inline double ResidualFactor(double rho, double T) {
    const double dr = rho / kCriticalDensity;
    return std::exp(dr * SumPowers<kTable, kF>(kCriticalK / T - 1.0, dr - 1.0).f);
}

}  // namespace aquaprop::transport
