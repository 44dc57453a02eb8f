// SPDX-License-Identifier: MIT
#include "engine/core/Backward1.h"

#include "engine/core/PowerSum.h"
#include "engine/core/Refine.h"
#include "engine/core/Region1.h"
#include "engine/core/tables/Backward1Table.h"

namespace aquaprop::region1 {

namespace {

// theta = sum n pi^I (eta + 1)^J with eta = h / 2500 kJ/kg, and sum n pi^I (sigma + 2)^J with sigma = s / 1 kJ/(kg K).
constexpr double kRefEnthalpy = 2500.0;
constexpr double kEtaShift = 1.0;
constexpr double kSigmaShift = 2.0;

}  // namespace

template <>
double BackwardTemperature<Quantity::kEnthalpy>(double p, double h) {
    return SumPowers<tables::kRegion1Tph, kF>(p, h / kRefEnthalpy + kEtaShift).f;
}

template <>
double BackwardTemperature<Quantity::kEntropy>(double p, double s) {
    return SumPowers<tables::kRegion1Tps, kF>(p, s + kSigmaShift).f;
}

template <Quantity kGiven>
double Temperature(double p, double x) {
    return RefineTemperature([p](double T) { return PropertyAndSlope<kGiven>(p, T); }, x,
                             BackwardTemperature<kGiven>(p, x));
}

template double Temperature<Quantity::kEnthalpy>(double p, double h);
template double Temperature<Quantity::kEntropy>(double p, double s);

}  // namespace aquaprop::region1
