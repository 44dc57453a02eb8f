// SPDX-License-Identifier: MIT
// Thermal conductivity of water and steam by the IAPWS 2011 formulation, with its critical enhancement for
// industrial use with IF97. Pure equations: no range checks.
#pragma once

namespace aquaprop::transport {

// The correlating part lambda0 lambda1 in W/(m K) at density rho (kg/m3) and temperature T (K).
double ConductivityBackground(double rho, double T);

// What the critical enhancement needs of a single-phase state, from IF97 there.
struct ConductivityState {
    double rho;     // kg/m3
    double T;       // K
    double cp;      // kJ/(kg K)
    double cv;      // kJ/(kg K)
    double drhodp;  // (d rho/d p)_T, kg/m3 per MPa
    double mu;      // viscosity without its critical enhancement, Pa s
};

// The critical enhancement lambda2 in W/(m K): never negative, 0 where the state is less compressible than the
// reference at 1.5 T*.
double CriticalEnhancement(const ConductivityState& x);

// lambda0 lambda1 + lambda2 in W/(m K).
double ThermalConductivity(const ConductivityState& x);

// The parts of the enhancement, for tests.
namespace detail {

// The reference zeta_ref(dr) = (p*/rho*) (d rho/d p)_T at 1.5 T* is a polynomial in dr that changes at four
// densities, where neighbouring pieces differ by up to 0.17 %; within kReferenceBlend of each change the two are
// blended smoothly, so that the enhancement stays continuous. Elsewhere it is the release's piece.
inline constexpr double kReferenceBlend = 0.005;  // reduced density

// The crossover function Z(y) for y >= 1.2e-7 (0 below), with cvOverCp = 1/kappa; y in (0, inf).
double CrossoverFunction(double y, double cvOverCp, double dr);

}  // namespace detail

}  // namespace aquaprop::transport
