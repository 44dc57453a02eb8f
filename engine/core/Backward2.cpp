// SPDX-License-Identifier: MIT
#include "engine/core/Backward2.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/PowerSum.h"
#include "engine/core/tables/Backward2Table.h"

namespace aquaprop::region2 {

namespace {

// T(p,h): eta = h / 2000 kJ/kg; the subregions shift pi and eta.
constexpr double kRefEnthalpy = 2000.0;
constexpr double k2aEtaShift = 2.1;
constexpr double k2bPiShift = 2.0;
constexpr double k2bEtaShift = 2.6;
constexpr double k2cPiShift = 25.0;
constexpr double k2cEtaShift = 1.8;

// T(p,s): sigma = s / s* with s* per subregion.
constexpr double k2aRefEntropy = 2.0;
constexpr double k2aSigmaShift = 2.0;
constexpr double k2bRefEntropy = 0.7853;
constexpr double k2bSigmaFrom = 10.0;
constexpr double k2cRefEntropy = 2.9251;
constexpr double k2cSigmaFrom = 2.0;

// 2a T(p,s) has exponents of pi in quarters: summed as powers of pi^(1/4).
constexpr auto k2aTpsInQuarters = [] {
    std::array<Term, std::size(tables::kRegion2aTps)> out{};
    for (std::size_t k = 0; k < out.size(); ++k) {
        out[k] = {tables::kRegion2aTps[k].quarterI, tables::kRegion2aTps[k].J, tables::kRegion2aTps[k].n};
    }
    return out;
}();

}  // namespace

template <>
Subregion SelectSubregion<Quantity::kEnthalpy>(double p, double h) {
    if (p <= k2abMPa) return Subregion::k2a;
    if (p <= kB2bcMinMPa) return Subregion::k2b;
    return h >= boundary::B2bcEnthalpy(p) ? Subregion::k2b : Subregion::k2c;
}

template <>
Subregion SelectSubregion<Quantity::kEntropy>(double p, double s) {
    if (p <= k2abMPa) return Subregion::k2a;
    return s >= k2bcEntropy ? Subregion::k2b : Subregion::k2c;
}

template <>
double BackwardTemperature<Quantity::kEnthalpy>(double p, double h) {
    const double eta = h / kRefEnthalpy;
    switch (SelectSubregion<Quantity::kEnthalpy>(p, h)) {
        case Subregion::k2a:
            return SumPowers<tables::kRegion2aTph, kF>(p, eta - k2aEtaShift).f;
        case Subregion::k2b:
            return SumPowers<tables::kRegion2bTph, kF>(p - k2bPiShift, eta - k2bEtaShift).f;
        case Subregion::k2c:
            break;
    }
    return SumPowers<tables::kRegion2cTph, kF>(p + k2cPiShift, eta - k2cEtaShift).f;
}

template <>
double BackwardTemperature<Quantity::kEntropy>(double p, double s) {
    switch (SelectSubregion<Quantity::kEntropy>(p, s)) {
        case Subregion::k2a:
            return SumPowers<k2aTpsInQuarters, kF>(std::sqrt(std::sqrt(p)), s / k2aRefEntropy - k2aSigmaShift).f;
        case Subregion::k2b:
            return SumPowers<tables::kRegion2bTps, kF>(p, k2bSigmaFrom - s / k2bRefEntropy).f;
        case Subregion::k2c:
            break;
    }
    return SumPowers<tables::kRegion2cTps, kF>(p, k2cSigmaFrom - s / k2cRefEntropy).f;
}

}  // namespace aquaprop::region2
