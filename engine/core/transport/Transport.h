// SPDX-License-Identifier: MIT
// Viscosity and thermal conductivity of single-phase states and of the saturated phases, and the numbers built
// from them: density, cp, cv and (d rho/d p)_T from the engine's own IF97 equations, region 3 solved for the
// density as everywhere else.
#pragma once

#include "engine/core/Props.h"
#include "engine/core/transport/Conductivity.h"

namespace aquaprop::transport {

// The releases' upper temperature for industrial use with IF97; region 5 above it has no transport properties.
inline constexpr double kTransportMaxK = 1173.15;

struct TransportProps {
    double mu;      // Pa s
    double lambda;  // W/(m K)
};

// What the thermal conductivity needs of the IF97 state x at temperature T (K), the viscosity included.
ConductivityState ConductivityStateOf(const Props& x, double T);

// mu and lambda of the IF97 state x at temperature T (K).
TransportProps TransportOfState(const Props& x, double T);

// At (p, T) in MPa and K, 273.15 K <= T <= kTransportMaxK within IF97's pressure range; at T = Tsat(p) the
// saturated liquid's, as everywhere in the engine. NaN outside, and lambda NaN where the engine gives no cp.
double ViscosityPT(double p, double T);
TransportProps TransportPT(double p, double T);

// The kinematic viscosity mu v in m2/s and the Prandtl number cp mu / lambda at (p, T), in the same range.
double KinematicViscosityPT(double p, double T);
double PrandtlPT(double p, double T);

// mu and lambda of the saturated liquid and vapour at T (K), 273.15 K <= T <= Tc; NaN outside, and lambda NaN
// where the saturated state has no positive cp: the vapour within 1.4e-7 K of Tc, the liquid within 3.5e-10 K.
Saturated<double> SaturatedViscosity(double T);
Saturated<double> SaturatedConductivity(double T);

}  // namespace aquaprop::transport
