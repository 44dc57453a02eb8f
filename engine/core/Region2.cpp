// SPDX-License-Identifier: MIT
#include "engine/core/Region2.h"

#include "engine/core/Gibbs.h"
#include "engine/core/tables/Region2Table.h"

namespace aquaprop::region2 {

namespace {

// tau = 540 K / T; the residual part in (tau - 0.5).
constexpr double kRefK = 540.0;
constexpr double kTauShift = 0.5;

using Functions = gibbs::RegionFunctions<
    gibbs::IdealPlusResidual<tables::kRegion2Ideal, tables::kRegion2Residual, kRefK, kTauShift>>;

}  // namespace

template <Quantity q>
double Property(double p, double T) {
    return Functions::Property<q>(p, T);
}

template <Quantity q>
ValueAndSlope PropertyAndSlope(double p, double T) {
    return Functions::PropertyAndSlope<q>(p, T);
}

EnthalpyEntropySlopes EnthalpyEntropyAndSlopes(double p, double T) {
    return Functions::EnthalpyEntropyAndSlopes(p, T);
}

Props State(double p, double T) { return Functions::State(p, T); }

template double Property<Quantity::kVolume>(double p, double T);
template double Property<Quantity::kEnthalpy>(double p, double T);
template double Property<Quantity::kEntropy>(double p, double T);
template ValueAndSlope PropertyAndSlope<Quantity::kEnthalpy>(double p, double T);
template ValueAndSlope PropertyAndSlope<Quantity::kEntropy>(double p, double T);

}  // namespace aquaprop::region2
