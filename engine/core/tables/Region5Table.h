// SPDX-License-Identifier: MIT
// Region 5: Gibbs equation, ideal and residual parts (IF97 Tables 37 and 38).
// Coefficients as published (IAPWS-IF97), one term per line, numbered like the release.
#pragma once

#include "engine/core/Terms.h"

namespace aquaprop::tables {

// IF97 Table 37: gamma_o = ln pi + sum n tau^J (I unused).
inline constexpr Term kRegion5Ideal[] = {
    {0, 0, -0.13179983674201e2},  // 1
    {0, 1, 0.68540841634434e1},  // 2
    {0, -3, -0.24805148933466e-1},  // 3
    {0, -2, 0.36901534980333e0},  // 4
    {0, -1, -0.31161318213925e1},  // 5
    {0, 2, -0.32961626538917e0},  // 6
};

// IF97 Table 38: gamma_r = sum n pi^I tau^J.
inline constexpr Term kRegion5Residual[] = {
    {1, 1, 0.15736404855259e-2},  // 1
    {1, 2, 0.90153761673944e-3},  // 2
    {1, 3, -0.50270077677648e-2},  // 3
    {2, 3, 0.22440037409485e-5},  // 4
    {2, 9, -0.41163275453471e-5},  // 5
    {3, 7, 0.37919454822955e-7},  // 6
};

}  // namespace aquaprop::tables
