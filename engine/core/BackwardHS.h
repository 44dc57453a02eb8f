// SPDX-License-Identifier: MIT
// The equations in h and s: backward equations p(h, s) of regions 1 and 2 (IAPWS SR2) and of region 3
// (IAPWS SR4) with their subregions, the region boundaries as functions of s (and h), and Tsat(h, s) (SR4).
// They locate a state and give starting values for the refined (h, s) solves: within the releases'
// tolerances of the basic equations, not to round-off. Pure equations: no range checks; h in kJ/kg,
// s in kJ/(kg K), p in MPa, T in K.
#pragma once

#include "engine/core/Backward2.h"

namespace aquaprop::region1 {

double BackwardPressureHS(double h, double s);

}  // namespace aquaprop::region1

namespace aquaprop::region2 {

// The 2a/2b boundary (the 4 MPa isobar) as h(s).
double B2abEnthalpy(double s);

// 2c below s = 5.85 kJ/(kg K); from there 2a up to h_2ab(s), 2b above.
Subregion SubregionHS(double h, double s);

double BackwardPressureHS(double h, double s);

}  // namespace aquaprop::region2

namespace aquaprop::region3 {

// 3a up to the critical entropy, 3b above.
double BackwardPressureHS(double h, double s);

}  // namespace aquaprop::region3

namespace aquaprop::boundary {

// Where the boundary lines lie in s, kJ/(kg K), and in h, kJ/kg.
inline constexpr double kSatLiquidMinEntropy = -1.545495919e-4;  // s'(273.15 K)
inline constexpr double kSatVapourMaxEntropy = 9.155759395;      // s''(273.15 K)
inline constexpr double kB13MinEntropy = 3.397782955;            // 623.15 K, 100 MPa
inline constexpr double kB23MinEntropy = 5.048096828;            // the B23 line's lowest entropy (near 777 K)
inline constexpr double kB23MaxEntropy = 5.260578707;            // and its highest (near 644 K)
inline constexpr double kB23MinEnthalpy = 2563.592004;           // h''(623.15 K), where the line starts
inline constexpr double kB23MaxEnthalpy = 2812.942061;           // 863.15 K, 100 MPa, where it ends

// How far the saturation lines below may lie from the engine's saturated states (at most 0.0072 kJ/kg).
inline constexpr double kSaturatedEnthalpyTolerance = 0.01;  // kJ/kg

// The saturated liquid line h'(s): the region 1 equation up to s'(623.15 K), the region 3 one up to the
// critical entropy.
double SaturatedLiquidEnthalpy(double s);

// The saturated vapour line h''(s): the 2c/3b equation from the critical entropy to 5.85 kJ/(kg K), the 2a/2b
// one above, up to s''(273.15 K).
double SaturatedVapourEnthalpy(double s);

// The 623.15 K isotherm between regions 1 and 3 as h(s), from kB13MinEntropy to s'(623.15 K).
double B13Enthalpy(double s);

// The temperature of the B23 line at (h, s), for kB23MinEntropy..kB23MaxEntropy and
// kB23MinEnthalpy..kB23MaxEnthalpy: a state there lies in region 3 where its region 2 pressure p(h, s)
// exceeds B23Pressure(B23TemperatureHS(h, s)).
double B23TemperatureHS(double h, double s);

}  // namespace aquaprop::boundary

namespace aquaprop::region4 {

// The saturation temperature of a wet state (h, s), for s >= s''(623.15 K).
double SaturationTemperatureHS(double h, double s);

}  // namespace aquaprop::region4
