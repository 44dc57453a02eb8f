// SPDX-License-Identifier: MIT
#include "engine/core/Region5.h"

#include "engine/core/Gibbs.h"
#include "engine/core/tables/Region5Table.h"

namespace aquaprop::region5 {

namespace {

// tau = 1000 K / T; the residual part in (tau - 0.0).
constexpr double kRefK = 1000.0;
constexpr double kTauShift = 0.0;

using Functions = gibbs::RegionFunctions<
    gibbs::IdealPlusResidual<tables::kRegion5Ideal, tables::kRegion5Residual, kRefK, kTauShift>>;

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

}  // namespace aquaprop::region5
