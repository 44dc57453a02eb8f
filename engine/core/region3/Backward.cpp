#include "engine/core/region3/Backward.h"

#include "engine/core/region3/BackwardTables.h"
#include "engine/core/region3/PowerSum.h"

namespace aquaprop::region3 {

namespace {

// result = result* sum n (p/p* + a)^I (x/x* - b)^J, x being h or s.
struct BackwardEquation {
    double resultStar;
    double pStar;  // MPa
    double xStar;  // kJ/kg or kJ/(kg K)
    double a;
    double b;
    PowerTable table;

    double operator()(double p, double x) const { return resultStar * table(p / pStar + a, x / xStar - b); }
};

constexpr BackwardEquation kTph3a{760.0, 100.0, 2300.0, 0.240, 0.615, MakeTable(tables::kTph3a)};
constexpr BackwardEquation kTph3b{860.0, 100.0, 2800.0, 0.298, 0.720, MakeTable(tables::kTph3b)};
constexpr BackwardEquation kVph3a{0.0028, 100.0, 2100.0, 0.128, 0.727, MakeTable(tables::kVph3a)};
constexpr BackwardEquation kVph3b{0.0088, 100.0, 2800.0, 0.0661, 0.720, MakeTable(tables::kVph3b)};
constexpr BackwardEquation kTps3a{760.0, 100.0, 4.4, 0.240, 0.703, MakeTable(tables::kTps3a)};
constexpr BackwardEquation kTps3b{860.0, 100.0, 5.3, 0.760, 0.818, MakeTable(tables::kTps3b)};
constexpr BackwardEquation kVps3a{0.0028, 100.0, 4.4, 0.187, 0.755, MakeTable(tables::kVps3a)};
constexpr BackwardEquation kVps3b{0.0088, 100.0, 5.3, 0.298, 0.816, MakeTable(tables::kVps3b)};

// pi = sum n (x/x* - a)^I (x/x* - b)^J with p* = 22 MPa.
struct SaturationEquation {
    double xStar;
    double a;
    double b;
    PowerTable table;

    double operator()(double x) const {
        const double eta = x / xStar;
        return 22.0 * table(eta - a, eta - b);
    }
};

constexpr SaturationEquation kPsatH{2600.0, 1.02, 0.608, MakeTable(tables::kPsatH)};
constexpr SaturationEquation kPsatS{5.2, 1.03, 0.699, MakeTable(tables::kPsatS)};

}  // namespace

double B3abEnthalpy(double p) {
    const auto& n = tables::kB3abH;
    return n[0] + p * (n[1] + p * (n[2] + p * n[3]));
}

double BackwardTemperaturePH(double p, double h) { return h <= B3abEnthalpy(p) ? kTph3a(p, h) : kTph3b(p, h); }

double BackwardVolumePH(double p, double h) { return h <= B3abEnthalpy(p) ? kVph3a(p, h) : kVph3b(p, h); }

double BackwardTemperaturePS(double p, double s) { return s <= kCriticalEntropy ? kTps3a(p, s) : kTps3b(p, s); }

double BackwardVolumePS(double p, double s) { return s <= kCriticalEntropy ? kVps3a(p, s) : kVps3b(p, s); }

double SaturationPressureH(double h) { return kPsatH(h); }

double SaturationPressureS(double s) { return kPsatS(s); }

}  // namespace aquaprop::region3
