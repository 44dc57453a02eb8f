#include "engine/core/Region4.h"

#include <array>

namespace aquaprop::region4 {

namespace {

// psat at evenly spaced temperatures from 273.15 K to Tc, built at compile time. Between two nodes psat lies
// between their values, since it rises with T; the margin, far above the round-off of psat and Tsat, keeps a
// pressure beyond a node's value on that side of Tsat(p) too.
constexpr int kIntervals = 256;
constexpr double kStepK = (kCriticalK - kMinK) / kIntervals;
constexpr double kMargin = 1e-9;

constexpr std::array<double, kIntervals + 1> kNodes = [] {
    std::array<double, kIntervals + 1> nodes{};
    for (int k = 0; k < kIntervals; ++k) nodes[k] = SaturationPressure(kMinK + k * kStepK);
    nodes[kIntervals] = SaturationPressure(kCriticalK);
    return nodes;
}();

}  // namespace

Side SideByBounds(double p, double T) {
    if (T > kCriticalK) return Side::kVapour;
    if (!(T >= kMinK)) return Side::kClose;
    int k = static_cast<int>((T - kMinK) * (1.0 / kStepK));
    if (k >= kIntervals) k = kIntervals - 1;
    if (p > kNodes[k + 1] * (1.0 + kMargin)) return Side::kLiquid;
    if (p < kNodes[k] * (1.0 - kMargin)) return Side::kVapour;
    return Side::kClose;
}

}  // namespace aquaprop::region4
