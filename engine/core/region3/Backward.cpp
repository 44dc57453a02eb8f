// SPDX-License-Identifier: MIT
#include "engine/core/region3/Backward.h"

#include "engine/core/PowerSum.h"
#include "engine/core/tables/Backward3Table.h"

namespace aquaprop::region3 {

namespace {

// Reducing pressure of p_3sat(h) and p_3sat(s).
constexpr double kPsatRefMPa = 22.0;

// The region 3 backward equations sum with halved powers in four lanes.
template <const auto& kTable>
constexpr PowerSumFunction kSum = PowerSum<kTable, Chain::kHalving, 4>;

// result = result* sum n (p/p* + a)^I (x/x* - b)^J, x being h or s.
struct BackwardEquation {
    double resultStar;
    double pStar;  // MPa
    double xStar;  // kJ/kg or kJ/(kg K)
    double a;
    double b;
    PowerSumFunction sum;

    double operator()(double p, double x) const { return resultStar * sum(p / pStar + a, x / xStar - b); }
};

// pi = sum n (x/x* - a)^I (x/x* - b)^J with p* = 22 MPa.
struct SaturationEquation {
    double xStar;
    double a;
    double b;
    PowerSumFunction sum;

    double operator()(double x) const {
        const double eta = x / xStar;
        return kPsatRefMPa * sum(eta - a, eta - b);
    }
};

// The equations of one given property.
struct Equations {
    BackwardEquation temperature3a;
    BackwardEquation temperature3b;
    BackwardEquation volume3a;
    BackwardEquation volume3b;
    SaturationEquation saturationPressure;
};

template <Quantity kGiven>
constexpr Equations kEquations{};

template <>
constexpr Equations kEquations<Quantity::kEnthalpy>{
    {760.0, 100.0, 2300.0, 0.240, 0.615, kSum<tables::kRegion3aTph>},
    {860.0, 100.0, 2800.0, 0.298, 0.720, kSum<tables::kRegion3bTph>},
    {0.0028, 100.0, 2100.0, 0.128, 0.727, kSum<tables::kRegion3aVph>},
    {0.0088, 100.0, 2800.0, 0.0661, 0.720, kSum<tables::kRegion3bVph>},
    {2600.0, 1.02, 0.608, kSum<tables::kRegion3PsatH>},
};

template <>
constexpr Equations kEquations<Quantity::kEntropy>{
    {760.0, 100.0, 4.4, 0.240, 0.703, kSum<tables::kRegion3aTps>},
    {860.0, 100.0, 5.3, 0.760, 0.818, kSum<tables::kRegion3bTps>},
    {0.0028, 100.0, 4.4, 0.187, 0.755, kSum<tables::kRegion3aVps>},
    {0.0088, 100.0, 5.3, 0.298, 0.816, kSum<tables::kRegion3bVps>},
    {5.2, 1.03, 0.699, kSum<tables::kRegion3PsatS>},
};

}  // namespace

double B3abEnthalpy(double p) {
    const auto& n = tables::kB3abH;
    return n[0] + p * (n[1] + p * (n[2] + p * n[3]));
}

template <>
double Split3ab<Quantity::kEnthalpy>(double p) {
    return B3abEnthalpy(p);
}

template <>
double Split3ab<Quantity::kEntropy>(double) {
    return kCriticalEntropy;
}

template <Quantity kGiven>
double BackwardTemperature(double p, double x) {
    const Equations& e = kEquations<kGiven>;
    return x <= Split3ab<kGiven>(p) ? e.temperature3a(p, x) : e.temperature3b(p, x);
}

template <Quantity kGiven>
double BackwardVolume(double p, double x) {
    const Equations& e = kEquations<kGiven>;
    return x <= Split3ab<kGiven>(p) ? e.volume3a(p, x) : e.volume3b(p, x);
}

template <Quantity kGiven>
double SaturationPressure(double x) {
    return kEquations<kGiven>.saturationPressure(x);
}

template double BackwardTemperature<Quantity::kEnthalpy>(double p, double h);
template double BackwardTemperature<Quantity::kEntropy>(double p, double s);
template double BackwardVolume<Quantity::kEnthalpy>(double p, double h);
template double BackwardVolume<Quantity::kEntropy>(double p, double s);
template double SaturationPressure<Quantity::kEnthalpy>(double h);
template double SaturationPressure<Quantity::kEntropy>(double s);

}  // namespace aquaprop::region3
