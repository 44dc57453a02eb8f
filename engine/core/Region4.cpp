#include "engine/core/Region4.h"

#include <cmath>

#include "engine/core/Constants.h"
#include "engine/core/tables/Region4Table.h"

namespace aquaprop::region4 {

using tables::kRegion4;

double SaturationPressure(double T) {
    if (!(T >= kMinK && T <= kCriticalK)) return kNaN;
    const double theta = T + kRegion4[8] / (T - kRegion4[9]);
    const double A = (theta + kRegion4[0]) * theta + kRegion4[1];
    const double B = (kRegion4[2] * theta + kRegion4[3]) * theta + kRegion4[4];
    const double C = (kRegion4[5] * theta + kRegion4[6]) * theta + kRegion4[7];
    const double x = 2.0 * C / (-B + std::sqrt(B * B - 4.0 * A * C));
    const double x2 = x * x;
    return x2 * x2;
}

double SaturationTemperature(double p) {
    if (!(p >= kSatMinMPa && p <= kCriticalMPa)) return kNaN;
    const double beta = std::sqrt(std::sqrt(p));
    const double E = (beta + kRegion4[2]) * beta + kRegion4[5];
    const double F = (kRegion4[0] * beta + kRegion4[3]) * beta + kRegion4[6];
    const double G = (kRegion4[1] * beta + kRegion4[4]) * beta + kRegion4[7];
    const double D = 2.0 * G / (-F - std::sqrt(F * F - 4.0 * E * G));
    const double nD = kRegion4[9] + D;
    return (nD - std::sqrt(nD * nD - 4.0 * (kRegion4[8] + kRegion4[9] * D))) / 2.0;
}

}  // namespace aquaprop::region4
