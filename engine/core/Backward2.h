// Region 2 backward equations T(p,h) and T(p,s) with their subregions 2a, 2b, 2c, and the same
// temperatures refined to the Gibbs equation.
// Pure equations: no range checks; p in MPa, h in kJ/kg, s in kJ/(kg K), T in K.
#pragma once

namespace aquaprop::region2 {

enum class Subregion { k2a, k2b, k2c };

// 2a up to 4 MPa; above, 2b up to the B2bc line (all of 4..6.5467 MPa, where that line has no real root), else 2c.
Subregion SubregionPH(double p, double h);
// 2a up to 4 MPa; above, 2b from s = 5.85 kJ/(kg K) up, else 2c.
Subregion SubregionPS(double p, double s);

// The backward equations as published (within 10 mK, 25 mK in 2c, of the Gibbs equation).
double BackwardTemperaturePH(double p, double h);
double BackwardTemperaturePS(double p, double s);

// Refined so that Enthalpy(p, T) (or Entropy) reproduces the argument to round-off; NaN if that fails.
double TemperaturePH(double p, double h);
double TemperaturePS(double p, double s);

}  // namespace aquaprop::region2
