// SPDX-License-Identifier: MIT
// Boundary equations B23 (IF97 Table 1) and B2bc (IF97 Table 19).
// Coefficients as published (IAPWS-IF97), one term per line, numbered like the release.
#pragma once

#include "engine/core/Terms.h"

namespace aquaprop::tables {

// IF97 Table 1, n1..n5: pi = n1 + n2 theta + n3 theta^2, theta = n4 + ((pi - n5)/n3)^0.5.
inline constexpr double kB23[] = {
    0.34805185628969e3,  // n1
    -0.11671859879975e1,  // n2
    0.10192970039326e-2,  // n3
    0.57254459862746e3,  // n4
    0.13918839778870e2,  // n5
};

// IF97 Table 19, n1..n5: pi = n1 + n2 eta + n3 eta^2, eta = n4 + ((pi - n5)/n3)^0.5.
inline constexpr double kB2bc[] = {
    0.90584278514723e3,  // n1
    -0.67955786399241e0,  // n2
    0.12809002730136e-3,  // n3
    0.26526571908428e4,  // n4
    0.45257578905948e1,  // n5
};

}  // namespace aquaprop::tables
