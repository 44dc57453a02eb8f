// SPDX-License-Identifier: MIT
// Boundary equations between regions.
#pragma once

#include "engine/core/tables/BoundaryTable.h"

namespace aquaprop::boundary {

// The B23 line between regions 2 and 3: pressure (MPa) from T (K) and back. A quadratic in T with reducing
// values of 1 K and 1 MPa.
inline double B23Pressure(double T) {
    using tables::kB23;
    return kB23[0] + kB23[1] * T + kB23[2] * T * T;
}
double B23Temperature(double p);

// The B2bc line between the backward subregions 2b and 2c: pressure (MPa) from h (kJ/kg) and back.
// Defined from the saturation line at kB2bcMinMPa up to 100 MPa; below that the root is not real.
double B2bcPressure(double h);
double B2bcEnthalpy(double p);

}  // namespace aquaprop::boundary
