// Region 1 backward equations T(p,h) and T(p,s), and the same temperatures refined to the Gibbs equation.
// Pure equations: no range checks; p in MPa, h in kJ/kg, s in kJ/(kg K), T in K.
#pragma once

namespace aquaprop::region1 {

// The backward equations as published (within 25 mK of the Gibbs equation).
double BackwardTemperaturePH(double p, double h);
double BackwardTemperaturePS(double p, double s);

// Refined so that Enthalpy(p, T) (or Entropy) reproduces the argument to round-off; NaN if that fails.
double TemperaturePH(double p, double h);
double TemperaturePS(double p, double s);

}  // namespace aquaprop::region1
