// SPDX-License-Identifier: MIT
// Region 4: the saturation-line equation (IF97 Table 34).
// Coefficients as published (IAPWS-IF97), one term per line, numbered like the release.
#pragma once

#include "engine/core/Terms.h"

namespace aquaprop::tables {

// IF97 Table 34, n1..n10.
inline constexpr double kRegion4[] = {
    0.11670521452767e4,  // n1
    -0.72421316703206e6,  // n2
    -0.17073846940092e2,  // n3
    0.12020824702470e5,  // n4
    -0.32325550322333e7,  // n5
    0.14915108613530e2,  // n6
    -0.48232657361591e4,  // n7
    0.40511340542057e6,  // n8
    -0.23855557567849e0,  // n9
    0.65017534844798e3,  // n10
};

}  // namespace aquaprop::tables
