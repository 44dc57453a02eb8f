// SPDX-License-Identifier: MIT
#include "engine/core/region3/Edges.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/Region1.h"
#include "engine/core/Region2.h"

namespace aquaprop::region3 {

namespace {

// Pressure intervals from psat(623.15 K) to 100 MPa, each sampled at kSamples + 1 points. Both edges are smooth in
// p: between neighbouring samples they stray from the samples' range by far less than the largest change from one
// sample to the next, which widens each bound.
constexpr int kIntervals = 32;
constexpr int kSamples = 8;
constexpr double kIntervalMPa = (kMaxMPa - kSat13MPa) / kIntervals;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct EdgeBounds {
    double region1High;  // no less than region 1's value at 623.15 K anywhere in the interval
    double region2Low;   // no more than region 2's value on the B23 line anywhere in the interval
};

template <Quantity q>
std::array<EdgeBounds, kIntervals> BoundsOverIntervals() {
    std::array<EdgeBounds, kIntervals> bounds{};
    for (int k = 0; k < kIntervals; ++k) {
        double high1 = -kInfinity, step1 = 0.0, previous1 = kNaN;
        double low2 = kInfinity, step2 = 0.0, previous2 = kNaN;
        for (int j = 0; j <= kSamples; ++j) {
            const double p = std::min(kSat13MPa + (k + double(j) / kSamples) * kIntervalMPa, kMaxMPa);
            const double x1 = region1::Property<q>(p, kRegion13K);
            const double x2 = region2::Property<q>(p, boundary::B23Temperature(p));
            high1 = std::max(high1, x1);
            low2 = std::min(low2, x2);
            if (j > 0) {
                step1 = std::max(step1, std::fabs(x1 - previous1));
                step2 = std::max(step2, std::fabs(x2 - previous2));
            }
            previous1 = x1;
            previous2 = x2;
        }
        bounds[k] = {high1 + step1 + 1e-9 * std::fabs(high1), low2 - step2 - 1e-9 * std::fabs(low2)};
    }
    return bounds;
}

// Built on first use: no cost at load, and no dependence on the order of static initialisation.
template <Quantity q>
const std::array<EdgeBounds, kIntervals>& Bounds() {
    static const std::array<EdgeBounds, kIntervals> bounds = BoundsOverIntervals<q>();
    return bounds;
}

// The interval's bounds, or none outside region 3's pressures.
template <Quantity q>
EdgeBounds BoundsAt(double p) {
    if (!(p >= kSat13MPa && p <= kMaxMPa)) return {kInfinity, -kInfinity};
    const int k = std::min(static_cast<int>((p - kSat13MPa) * (1.0 / kIntervalMPa)), kIntervals - 1);
    return Bounds<q>()[k];
}

}  // namespace

template <Quantity q>
bool AboveRegion1Edge(double p, double x) {
    return x > BoundsAt<q>(p).region1High;
}

template <Quantity q>
bool BelowRegion2Edge(double p, double x) {
    return x < BoundsAt<q>(p).region2Low;
}

template bool AboveRegion1Edge<Quantity::kEnthalpy>(double p, double h);
template bool AboveRegion1Edge<Quantity::kEntropy>(double p, double s);
template bool BelowRegion2Edge<Quantity::kEnthalpy>(double p, double h);
template bool BelowRegion2Edge<Quantity::kEntropy>(double p, double s);

}  // namespace aquaprop::region3
