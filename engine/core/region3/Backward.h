// Backward equations of region 3 in (p, h) and (p, s), and the saturation pressure on the
// region 3 part of the saturation line as a function of h or s. Starting values and fast tests
// for the refined solves; accurate to some millikelvin, not to the basic equation.
#pragma once

namespace aquaprop::region3 {

// Entropy at the critical point, the 3a/3b split of the (p, s) equations, kJ/(kg K).
inline constexpr double kCriticalEntropy = 4.41202148223476;

// Saturated liquid and vapour at 623.15 K: the ends of the p_3sat(h) and p_3sat(s) equations.
inline constexpr double kLiquidEnthalpy623 = 1670.858218;   // kJ/kg
inline constexpr double kVapourEnthalpy623 = 2563.592004;   // kJ/kg
inline constexpr double kLiquidEntropy623 = 3.778281340;    // kJ/(kg K)
inline constexpr double kVapourEntropy623 = 5.210887825;    // kJ/(kg K)

// Enthalpy of the 3a/3b boundary, kJ/kg, from the critical point up to 100 MPa.
double B3abEnthalpy(double p);

// T in K and v in m3/kg from (p, h), subregion 3a for h <= h_3ab(p), else 3b.
double BackwardTemperaturePH(double p, double h);
double BackwardVolumePH(double p, double h);

// T in K and v in m3/kg from (p, s), subregion 3a for s <= the critical entropy, else 3b.
double BackwardTemperaturePS(double p, double s);
double BackwardVolumePS(double p, double s);

// Saturation pressure in MPa on the region 3 boundary from h (kLiquidEnthalpy623 to
// kVapourEnthalpy623) or from s (kLiquidEntropy623 to kVapourEntropy623).
double SaturationPressureH(double h);
double SaturationPressureS(double s);

}  // namespace aquaprop::region3
