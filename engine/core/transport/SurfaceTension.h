// SPDX-License-Identifier: MIT
// Surface tension of water on the saturation line by the IAPWS 2014 revised release.
#pragma once

namespace aquaprop::transport {

// Surface tension in N/m at T (K), 273.15 K <= T <= 647.096 K (0 at the critical point); NaN outside.
double SurfaceTension(double T);

}  // namespace aquaprop::transport
