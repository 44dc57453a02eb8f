// SPDX-License-Identifier: MIT
// Viscosity of water and steam by the IAPWS 2008 formulation, for industrial use: the critical enhancement
// mu2 is taken as 1. Pure equation: no range checks.
#pragma once

namespace aquaprop::transport {

// Dynamic viscosity in Pa s at density rho (kg/m3) and temperature T (K).
double Viscosity(double rho, double T);

}  // namespace aquaprop::transport
