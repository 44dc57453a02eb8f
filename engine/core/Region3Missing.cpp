// Stand-in for region 3 while its sources are absent from the build: every answer is NaN, so the
// C interface reports region 3 states as out of range instead of failing to link.
#include <limits>

#include "engine/core/Region3.h"

namespace aquaprop::region3 {

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}

double Pressure(double, double) { return kNaN; }
Props PropsRhoT(double, double) { return {kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN}; }
double EnthalpyRhoT(double, double) { return kNaN; }
double EntropyRhoT(double, double) { return kNaN; }
double DensityPT(double, double) { return kNaN; }
SaturationDensities SaturationDensitiesT(double) { return {kNaN, kNaN}; }
double TemperaturePH(double, double) { return kNaN; }

}  // namespace aquaprop::region3
