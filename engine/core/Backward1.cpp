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

double BackwardTemperaturePH(double p, double h) {
    return SumPowers<tables::kRegion1Tph, kF>(p, h / kRefEnthalpy + kEtaShift).f;
}

double BackwardTemperaturePS(double p, double s) {
    return SumPowers<tables::kRegion1Tps, kF>(p, s + kSigmaShift).f;
}

double TemperaturePH(double p, double h) {
    return RefineTemperature([p](double T) { return EnthalpyAndCp(p, T); }, h, BackwardTemperaturePH(p, h));
}

double TemperaturePS(double p, double s) {
    return RefineTemperature([p](double T) { return EntropyAndSlope(p, T); }, s, BackwardTemperaturePS(p, s));
}

}  // namespace aquaprop::region1
