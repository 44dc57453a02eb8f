// SPDX-License-Identifier: MIT
#pragma once

namespace aquaprop {

// One term of a coefficient table, numbered like the publication: n x^I y^J.
struct Term {
    int I;
    int J;
    double n;
};

// A term whose exponent I is a multiple of 0.25, stored as 4 I (only region 2a T(p,s) has these).
struct QuarterTerm {
    int quarterI;
    int J;
    double n;
};

}  // namespace aquaprop
