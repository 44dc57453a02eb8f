// SPDX-License-Identifier: MIT
// Viscosity of water (IAPWS 2008 formulation, VIS08): coefficients as published, one term per line.
#pragma once

#include "engine/core/Terms.h"

namespace aquaprop::tables {

// VIS08 Table 1: mu0 = 100 sqrt(Tr) / sum H_i Tr^-i, as rows {i, 0, H_i} (J unused).
inline constexpr Term kViscosityDilute[] = {
    {0, 0, 1.67752},
    {1, 0, 2.20462},
    {2, 0, 0.6366564},
    {3, 0, -0.241605},
};

// VIS08 Table 2: mu1 = exp(dr sum H_ij (1/Tr - 1)^i (dr - 1)^j), as rows {i, j, H_ij}; the other H_ij are zero.
inline constexpr Term kViscosityResidual[] = {
    {0, 0, 0.520094},
    {1, 0, 0.0850895},
    {2, 0, -1.08374},
    {3, 0, -0.289555},
    {0, 1, 0.222531},
    {1, 1, 0.999115},
    {2, 1, 1.88797},
    {3, 1, 1.26613},
    {5, 1, 0.120573},
    {0, 2, -0.281378},
    {1, 2, -0.906851},
    {2, 2, -0.772479},
    {3, 2, -0.489837},
    {4, 2, -0.257040},
    {0, 3, 0.161913},
    {1, 3, 0.257399},
    {0, 4, -0.0325372},
    {3, 4, 0.0698452},
    {4, 5, 0.00872102},
    {3, 6, -0.00435673},
    {5, 6, -0.000593264},
};

}  // namespace aquaprop::tables
