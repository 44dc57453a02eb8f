// Boundary equations between regions.
#pragma once

namespace aquaprop::boundary {

// The B23 line between regions 2 and 3: pressure (MPa) from T (K) and back.
double B23Pressure(double T);
double B23Temperature(double p);

}  // namespace aquaprop::boundary
