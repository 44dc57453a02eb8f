// Region 3: the Helmholtz equation in density and temperature, and the solves built on it.
// All functions return NaN where they have no answer; callers turn that into the error value.
#pragma once

#include "engine/core/Props.h"

namespace aquaprop::region3 {

// Pressure in MPa at density rho (kg/m3) and temperature T (K).
double Pressure(double rho, double T);

// Every property at (rho, T).
Props PropsRhoT(double rho, double T);
double EnthalpyRhoT(double rho, double T);
double EntropyRhoT(double rho, double T);

// Density of the single-phase region 3 state at (p, T), for 623.15 K <= T <= T_B23(p) and
// p_B23(T) <= p <= 100 MPa, solved so that Pressure(rho, T) equals p within 1e-12 relative.
// Below the critical point the root is the liquid one for T <= Tsat(p), the vapour one for T > Tsat(p).
double DensityPT(double p, double T);

// Every property of that state: DensityPT and PropsRhoT in one, sharing the work for T.
Props PropsPT(double p, double T);

// Saturated liquid and vapour densities at T, 623.15 K <= T <= Tc, at the region 4 saturation
// pressure: both roots of Pressure(rho, T) = psat(T) with equal Gibbs energies as IF97 prescribes
// for the region 3 part of the saturation line. Within 1e-4 K of Tc the region 4 pressure passes
// above the region 3 isotherm's loop and the two roots cease to exist; there they are continued
// to rhoc by the square-root law of the equation's critical behaviour (both rhoc at Tc).
struct SaturationDensities {
    double liquid;
    double vapour;
};
SaturationDensities SaturationDensitiesT(double T);

// Every property of both saturated states at T, sharing the work for T.
struct SaturationProps {
    Props liquid;
    Props vapour;
};
SaturationProps SaturationPropsT(double T);

// Temperature of (p, h) in the region 3 band: p > psat(623.15 K) and h(623.15 K, p) <= h <= h(T_B23(p), p).
// Refined to the Helmholtz equation, so that h at the result reproduces h within 1e-9 relative.
// Inside the two-phase dome (p < pc and h'(p) <= h <= h''(p)) it returns Tsat(p). Below pc the
// result lies on the phase's side of Tsat(p), so that DensityPT there finds the same phase.
double TemperaturePH(double p, double h);

// Temperature of (p, s) in the region 3 band, refined like TemperaturePH so that s at the result
// reproduces s within 1e-9 relative. Inside the dome (p < pc and s'(p) <= s <= s''(p)) it returns Tsat(p).
double TemperaturePS(double p, double s);

}  // namespace aquaprop::region3
