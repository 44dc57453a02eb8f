// Saturated liquid and vapour above 623.15 K: both roots at the region 4 pressure, phase
// equilibrium, the approach to the critical point and continuity with regions 1 and 2.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/core/Constants.h"
#include "engine/core/Region1.h"
#include "engine/core/Region2.h"
#include "engine/core/Region3.h"
#include "engine/core/Region4.h"

namespace aquaprop::region3 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

double Gibbs(double rho, double T) { return EnthalpyRhoT(rho, T) - T * EntropyRhoT(rho, T); }

// Closer to Tc than this the densities follow the square-root law instead of the pressure roots.
constexpr double kScalingBandK = 1e-4;

// Temperatures from 623.15 K to the edge of the scaling band, denser towards Tc.
std::vector<double> SaturationTemperatures() {
    std::vector<double> temps;
    for (double T = kRegion13K; T < 647.0; T += 0.0937) temps.push_back(T);
    for (double d = 0.1; d >= kScalingBandK; d *= 0.83) temps.push_back(kCriticalK - d);
    temps.push_back(kCriticalK - kScalingBandK);
    return temps;
}

TEST(SaturationDensitiesT, BothRootsGiveTheSaturationPressure) {
    for (double T : SaturationTemperatures()) {
        const double ps = region4::SaturationPressure(T);
        const SaturationDensities d = SaturationDensitiesT(T);
        EXPECT_NEAR(Pressure(d.liquid, T), ps, 1e-12 * ps) << T;
        EXPECT_NEAR(Pressure(d.vapour, T), ps, 1e-12 * ps) << T;
        EXPECT_GT(d.liquid, kCriticalDensity) << T;
        EXPECT_LT(d.vapour, kCriticalDensity) << T;
    }
}

// Equal Gibbs energies: the roots are the two phases in equilibrium, not a metastable or an
// unstable root. The region 4 pressure is not exactly the region 3 equation's own equilibrium
// pressure; the resulting difference stays below 1e-5 RT (about 7e-6 RT at most, near 638 K).
TEST(SaturationDensitiesT, PhasesHaveEqualGibbsEnergy) {
    for (double T : SaturationTemperatures()) {
        const SaturationDensities d = SaturationDensitiesT(T);
        EXPECT_NEAR(Gibbs(d.liquid, T), Gibbs(d.vapour, T), 1e-5 * kGasConstant * T) << T;
    }
}

// The two roots stay apart right up to Tc, move together monotonically and meet at rhoc.
TEST(SaturationDensitiesT, RootsStayApartUpToTheCriticalPoint) {
    double previousGap = kInf;
    for (double d = 1.0; d > 1e-12; d *= 0.5) {
        const double T = kCriticalK - d;
        const SaturationDensities s = SaturationDensitiesT(T);
        EXPECT_GT(s.liquid, kCriticalDensity) << d;
        EXPECT_LT(s.vapour, kCriticalDensity) << d;
        const double gap = s.liquid - s.vapour;
        EXPECT_LT(gap, previousGap) << d;
        previousGap = gap;
        EXPECT_NEAR(Gibbs(s.liquid, T), Gibbs(s.vapour, T), 1e-5 * kGasConstant * T) << d;
    }
    const SaturationDensities critical = SaturationDensitiesT(kCriticalK);
    EXPECT_EQ(critical.liquid, kCriticalDensity);
    EXPECT_EQ(critical.vapour, kCriticalDensity);
}

// No jump where the square-root continuation takes over from the pressure roots.
TEST(SaturationDensitiesT, ContinuousAtTheScalingBand) {
    const double edge = kCriticalK - kScalingBandK;
    const SaturationDensities outside = SaturationDensitiesT(std::nextafter(edge, 0.0));
    const SaturationDensities inside = SaturationDensitiesT(std::nextafter(edge, kCriticalK));
    // So close to Tc a pressure round-off of 1e-15 moves the roots by about 1e-6 kg/m3.
    EXPECT_NEAR(outside.liquid, inside.liquid, 1e-5);
    EXPECT_NEAR(outside.vapour, inside.vapour, 1e-5);
    // Inside the band the pressure of both phases still matches psat to the scale of the loop.
    const double T = kCriticalK - 0.3 * kScalingBandK;
    const SaturationDensities s = SaturationDensitiesT(T);
    const double ps = region4::SaturationPressure(T);
    EXPECT_NEAR(Pressure(s.liquid, T), ps, 1e-9 * ps);
    EXPECT_NEAR(Pressure(s.vapour, T), ps, 1e-9 * ps);
}

// At 623.15 K the saturated states meet regions 1 and 2 within IF97's consistency:
// |dv/v| <= 0.05 %, |dh| <= 0.2 kJ/kg, |ds| <= 0.2 J/(kg K).
TEST(SaturationDensitiesT, ContinuousWithRegions1And2At623K) {
    const double T = kRegion13K;
    const double ps = region4::SaturationPressure(T);
    const SaturationDensities d = SaturationDensitiesT(T);
    const Props liquid = PropsRhoT(d.liquid, T);
    const Props vapour = PropsRhoT(d.vapour, T);
    const Props r1 = region1::State(ps, T);
    const Props r2 = region2::State(ps, T);
    EXPECT_NEAR(liquid.v / r1.v, 1.0, 5e-4);
    EXPECT_NEAR(liquid.h, r1.h, 0.2);
    EXPECT_NEAR(liquid.s, r1.s, 0.2e-3);
    EXPECT_NEAR(vapour.v / r2.v, 1.0, 5e-4);
    EXPECT_NEAR(vapour.h, r2.h, 0.2);
    EXPECT_NEAR(vapour.s, r2.s, 0.2e-3);
}

TEST(SaturationPropsT, SameStatesAsTheDensities) {
    for (double T : {kRegion13K, 640.0, kCriticalK - 0.5 * kScalingBandK, kCriticalK}) {
        const SaturationDensities d = SaturationDensitiesT(T);
        const SaturationProps s = SaturationPropsT(T);
        EXPECT_DOUBLE_EQ(s.liquid.v, 1.0 / d.liquid) << T;
        EXPECT_DOUBLE_EQ(s.vapour.v, 1.0 / d.vapour) << T;
        EXPECT_DOUBLE_EQ(s.liquid.h, EnthalpyRhoT(d.liquid, T)) << T;
        EXPECT_DOUBLE_EQ(s.vapour.s, EntropyRhoT(d.vapour, T)) << T;
    }
    EXPECT_TRUE(std::isnan(SaturationPropsT(600.0).liquid.h));
}

TEST(SaturationDensitiesT, OutsideItsRangeGivesNaN) {
    for (double T : {623.14, 647.0961, 300.0, kNaN, kInf, -kInf}) {
        const SaturationDensities d = SaturationDensitiesT(T);
        EXPECT_TRUE(std::isnan(d.liquid)) << T;
        EXPECT_TRUE(std::isnan(d.vapour)) << T;
    }
}

}  // namespace
}  // namespace aquaprop::region3
