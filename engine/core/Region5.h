// Region 5: high-temperature vapour, by the Gibbs equation of IF97 (ideal and residual parts).
// Pure equations: no range checks; p in MPa, T in K.
#pragma once

#include "engine/core/Props.h"

namespace aquaprop::region5 {

double Volume(double p, double T);
double Enthalpy(double p, double T);
double Entropy(double p, double T);
ValueAndSlope EnthalpyAndCp(double p, double T);
ValueAndSlope EntropyAndSlope(double p, double T);
EnthalpyEntropySlopes EnthalpyEntropyAndSlopes(double p, double T);
Props State(double p, double T);

}  // namespace aquaprop::region5
