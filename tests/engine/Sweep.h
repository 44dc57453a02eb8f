// Pressures for the consistency sweeps: a log grid plus every pressure where something changes.
#pragma once

#include <cmath>
#include <vector>

#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/Region4.h"

namespace aquaprop::testing {

inline std::vector<double> SweepPressures() {
    std::vector<double> p = {kSatMinMPa, 0.001, 0.101325, 1.0, 3.99, 4.0, 4.01, 4.2, 4.5, 5.0, 6.5467, 6.6, 10.0,
                             16.0, kSat13MPa, 16.53, 17.0, 20.0, 21.5, 22.0, 22.06, 22.064, 22.07, 23.0, 25.0, 40.0,
                             49.99, 50.0, 50.01, 60.0, 80.0, 99.99, 100.0};
    for (double x = 1e-5; x < 100.0; x *= 1.7) p.push_back(x);
    return p;
}

// Where an inverse function may answer with a temperature whose forward value differs from its argument
// by the formulation's own inconsistency: Tsat(p), and the seams 623.15 K and B23 above psat(623.15 K) and
// 1073.15 K.
inline bool OnSaturationOrSeam(double p, double T) {
    if (p <= kCriticalMPa && p >= kSatMinMPa) {
        const double Ts = region4::SaturationTemperature(p);
        if (std::fabs(T - Ts) <= Ts * 1e-9) return true;
    }
    if (p > kSat13MPa && (T == kRegion13K || T == boundary::B23Temperature(p))) return true;
    return T == kRegion25K;
}

}  // namespace aquaprop::testing
