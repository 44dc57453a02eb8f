// SPDX-License-Identifier: MIT
// Region 3's edges in (p, h) and (p, s): region 1's value at 623.15 K and region 2's on the B23 line, bounded over
// intervals of pressure, so that most states in between are placed in region 3 without evaluating either.
#pragma once

#include "engine/core/Props.h"

namespace aquaprop::region3 {

// True if x lies above region 1's value at (p, 623.15 K) for certain; false where the bounds cannot tell.
template <Quantity q>
bool AboveRegion1Edge(double p, double x);

// True if x lies below region 2's value at (p, T_B23(p)) for certain; false where the bounds cannot tell.
template <Quantity q>
bool BelowRegion2Edge(double p, double x);

}  // namespace aquaprop::region3
