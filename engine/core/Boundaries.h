// SPDX-License-Identifier: MIT
// Boundary equations between regions.
#pragma once

namespace aquaprop::boundary {

// The B23 line between regions 2 and 3: pressure (MPa) from T (K) and back.
double B23Pressure(double T);
double B23Temperature(double p);

// The B2bc line between the backward subregions 2b and 2c: pressure (MPa) from h (kJ/kg) and back.
// Defined from the saturation line at kB2bcMinMPa up to 100 MPa; below that the root is not real.
double B2bcPressure(double h);
double B2bcEnthalpy(double p);

}  // namespace aquaprop::boundary
