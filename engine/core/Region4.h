// Region 4: the saturation line.
#pragma once

namespace aquaprop::region4 {

// Saturation pressure (MPa) at T (K), 273.15 K <= T <= 647.096 K; NaN outside that range.
double SaturationPressure(double T);

// Saturation temperature (K) at p (MPa), 611.2127 Pa <= p <= 22.064 MPa; NaN outside that range.
double SaturationTemperature(double p);

}  // namespace aquaprop::region4
