// SPDX-License-Identifier: MIT
#include "engine/core/Boundaries.h"

#include <cmath>

#include "engine/core/tables/BoundaryTable.h"

namespace aquaprop::boundary {

using tables::kB23;
using tables::kB2bc;

// Both lines are quadratics in T (or h) with reducing values of 1 K, 1 MPa and 1 kJ/kg.
double B23Temperature(double p) { return kB23[3] + std::sqrt((p - kB23[4]) / kB23[2]); }

double B2bcPressure(double h) { return kB2bc[0] + kB2bc[1] * h + kB2bc[2] * h * h; }

double B2bcEnthalpy(double p) { return kB2bc[3] + std::sqrt((p - kB2bc[4]) / kB2bc[2]); }

}  // namespace aquaprop::boundary
