// SPDX-License-Identifier: MIT
// A given (h, s) solved on the forward equations of one region, refined until h and s at the answer reproduce
// the given ones to round-off. A solve only answers where its equations give (h, s); whether that answer lies
// in the region is decided by the caller (SelectionHS). NaN fields where the iteration does not settle.
// SI core units: h in kJ/kg, s in kJ/(kg K), p in MPa, T in K, rho in kg/m3.
#pragma once

#include <algorithm>
#include <cmath>

namespace aquaprop::hs {

// Relative round-off within which a state from (h, s) lies on the saturation line, or on a region's edge.
inline constexpr double kSatRelTolerance = 1e-12;

// Residuals are measured relative to h and s, with floors where these pass through zero (the liquid near the
// triple point): the region 1 equation itself scatters by some 5e-12 kJ/kg in h and 2e-14 kJ/(kg K) in s.
inline constexpr double kEnthalpyFloor = 10.0;  // kJ/kg
inline constexpr double kEntropyFloor = 0.1;    // kJ/(kg K)

// The larger of the residuals dh and ds of the given h and s, relative to them.
inline double Residual(double h, double s, double dh, double ds) {
    return std::max(std::fabs(dh) / std::max(std::fabs(h), kEnthalpyFloor),
                    std::fabs(ds) / std::max(std::fabs(s), kEntropyFloor));
}

struct PressureTemperature {
    double p;
    double T;
};

// Regions 1, 2 and 5: Newton in (p, T) on the Gibbs equation, started from the backward equations p(h, s) and
// T(p, h), or from the ideal gas's p and T in region 5 and in region 2 below 611 Pa.
PressureTemperature SolveRegion1(double h, double s);
PressureTemperature SolveRegion2(double h, double s);
PressureTemperature SolveRegion5(double h, double s);

// Region 3: Newton in (rho, T) on the Helmholtz equation from the backward equations p(h, s), T(p, h) and
// v(p, h); p is the equation's pressure at the answer, which is mechanically stable.
struct DensityTemperature {
    double rho;
    double p;
    double T;
};
DensityTemperature SolveRegion3(double h, double s);

// The two-phase region: the saturation temperature whose tie line, the straight line from (s', h') to (s'', h'')
// of the engine's saturated states, passes through (s, h), and the liquid mass fraction w there
// (h = w h' + (1 - w) h''), 0 <= w <= 1. Only tie lines at 273.15 K <= T <= Tc are searched. A state on a
// saturation line within round-off of h (kSatRelTolerance; 1e-9 within 1 K of Tc) is the saturated liquid or
// vapour there, w = 1 or 0; NaN outside the dome.
struct Wet {
    double T;
    double w;
};
Wet SolveWet(double h, double s);

}  // namespace aquaprop::hs
