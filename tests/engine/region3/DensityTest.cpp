// Region 3 density from (p, T): round trips, the right root next to the saturation line and
// near the critical point, continuity with regions 1 and 2.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/Region1.h"
#include "engine/core/Region2.h"
#include "engine/core/Region3.h"
#include "engine/core/Region4.h"
#include "engine/core/region3/DensitySolve.h"

namespace aquaprop::region3 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

constexpr double kRoundTrip = 1e-12;

::testing::AssertionResult SolvesPressure(double p, double T) {
    const double rho = DensityPT(p, T);
    const double error = std::fabs(Pressure(rho, T) - p) / p;
    if (error <= kRoundTrip) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "p = " << p << " MPa, T = " << T << " K: rho = " << rho
                                         << ", relative pressure error " << error;
}

TEST(DensityPT, RoundTripsOverRegion3) {
    for (double p = kSat13MPa; p <= kMaxMPa; p += 0.371) {
        const double Tmax = std::max(boundary::B23Temperature(p), kRegion13K);
        for (double T = kRegion13K; T <= Tmax; T += 0.617) EXPECT_TRUE(SolvesPressure(p, T));
        EXPECT_TRUE(SolvesPressure(p, Tmax));
    }
}

TEST(DensityPT, RoundTripsOnTheRegionBoundaries) {
    for (double p = kSat13MPa; p <= kMaxMPa; p += 0.25) EXPECT_TRUE(SolvesPressure(p, kRegion13K));
    // The B23 equation gives 100 MPa at 863.15 K only to round-off.
    for (double T = kRegion13K; T <= kB23MaxK; T += 0.5) {
        EXPECT_TRUE(SolvesPressure(std::min(boundary::B23Pressure(T), kMaxMPa), T));
    }
    EXPECT_TRUE(SolvesPressure(kMaxMPa, kB23MaxK));
}

TEST(DensityPT, RoundTripsAroundTheCriticalPoint) {
    for (double dp = -0.05; dp <= 0.05; dp += 0.00125) {
        for (double dT = -0.05; dT <= 0.05; dT += 0.00125) {
            EXPECT_TRUE(SolvesPressure(kCriticalMPa + dp, kCriticalK + dT));
        }
    }
    EXPECT_TRUE(SolvesPressure(kCriticalMPa, kCriticalK));
}

// Within a kilopascal of psat both roots exist; a bracket from approximate densities would miss
// the stable one. The liquid must be at least as dense as the saturated liquid, the vapour at
// most as dense as the saturated vapour.
struct NearSaturationCase {
    const char* name;
    double T;
};

class DensityNearSaturation : public ::testing::TestWithParam<NearSaturationCase> {};

TEST_P(DensityNearSaturation, TakesTheStableRoot) {
    const double T = GetParam().T;
    const double ps = region4::SaturationPressure(T);
    const SaturationDensities sat = SaturationDensitiesT(T);
    for (double offset : {1e-3, 1e-4, 1e-6, 1e-9}) {
        const double above = ps + offset;
        const double below = ps - offset;
        const double liquid = DensityPT(above, T);
        const double vapour = DensityPT(below, T);
        EXPECT_TRUE(SolvesPressure(above, T));
        EXPECT_TRUE(SolvesPressure(below, T));
        EXPECT_GE(liquid, sat.liquid) << offset;
        EXPECT_LE(vapour, sat.vapour) << offset;
    }
}

INSTANTIATE_TEST_SUITE_P(Isotherms, DensityNearSaturation,
                         ::testing::Values(NearSaturationCase{"At623K", 623.15}, NearSaturationCase{"At630K", 630.0},
                                           NearSaturationCase{"At640K", 640.0}, NearSaturationCase{"At645K", 645.0},
                                           NearSaturationCase{"At646p9K", 646.9},
                                           NearSaturationCase{"At647p09K", 647.09}),
                         [](const auto& row) { return std::string(row.param.name); });

// Exactly at Tsat(p) the state is liquid, one step hotter it is vapour.
TEST(DensityPT, SaturationTemperatureGivesTheLiquid) {
    for (double p : {16.6, 19.0, 21.0, 22.0}) {
        const double Ts = region4::SaturationTemperature(p);
        const SaturationDensities sat = SaturationDensitiesT(Ts);
        EXPECT_NEAR(DensityPT(p, Ts), sat.liquid, 1e-9 * sat.liquid) << p;
        EXPECT_NEAR(DensityPT(p, std::nextafter(Ts, kB23MaxK)), sat.vapour, 1e-6 * sat.vapour) << p;
    }
}

// IF97's consistency across region boundaries: |dv/v| <= 0.05 %, |dh| <= 0.2 kJ/kg, |ds| <= 0.2 J/(kg K).
void ExpectConsistent(const Props& a, const Props& b, const std::string& where) {
    EXPECT_NEAR(a.v / b.v, 1.0, 5e-4) << where;
    EXPECT_NEAR(a.h, b.h, 0.2) << where;
    EXPECT_NEAR(a.s, b.s, 0.2e-3) << where;
}

// Exactly at psat(623.15 K) region 4's Tsat(p) rounds below 623.15 K and the state counts as
// vapour; the comparisons start just above.
TEST(DensityPT, ContinuousWithRegion1At623K) {
    for (double p = kSat13MPa + 1e-6; p <= kMaxMPa; p += 2.5) {
        ExpectConsistent(PropsRhoT(DensityPT(p, kRegion13K), kRegion13K), region1::State(p, kRegion13K),
                         std::to_string(p) + " MPa");
    }
}

TEST(DensityPT, ContinuousWithRegion2OnB23) {
    for (double T = kRegion13K + 1e-6; T <= kB23MaxK; T += 10.0) {
        const double p = std::min(boundary::B23Pressure(T), kMaxMPa);
        ExpectConsistent(PropsRhoT(DensityPT(p, T), T), region2::State(p, T), std::to_string(T) + " K");
    }
}

TEST(PropsPT, SameStateAsDensityPTThenPropsRhoT) {
    for (const auto& [p, T] : {std::pair{20.0, 630.0}, {20.0, 700.0}, {22.064, 647.096}, {60.0, 750.0}}) {
        const Props direct = PropsPT(p, T);
        const Props twoStep = PropsRhoT(DensityPT(p, T), T);
        EXPECT_DOUBLE_EQ(direct.v, twoStep.v) << p << " " << T;
        EXPECT_DOUBLE_EQ(direct.h, twoStep.h) << p << " " << T;
        EXPECT_DOUBLE_EQ(direct.w, twoStep.w) << p << " " << T;
    }
    EXPECT_TRUE(std::isnan(PropsPT(10.0, 600.0).h));
}

TEST(DensityPT, OutsideItsRangeOrNotFiniteGivesNaN) {
    for (const auto& [p, T] : {std::pair{50.0, 623.1}, {50.0, 863.2}, {100.1, 700.0}, {0.0, 700.0}, {-5.0, 700.0},
                               {kNaN, 700.0}, {50.0, kNaN}, {kInf, 700.0}, {50.0, -kInf}}) {
        EXPECT_TRUE(std::isnan(DensityPT(p, T))) << p << " " << T;
    }
}

// A branch without a root at p gives NaN, never the edge of its bracket: at 630 K the vapour
// branch of the region 3 isotherm peaks near 18.55 MPa.
TEST(SolveDensity, BranchWithoutRootGivesNaN) {
    const Isotherm isotherm(630.0);
    EXPECT_TRUE(std::isnan(SolveDensity(isotherm, 19.0, Branch::kVapour, 150.0)));
    EXPECT_TRUE(std::isnan(SolveDensity(isotherm, 300.0, Branch::kAny, 600.0)));
    const double liquid = SolveDensity(isotherm, 19.0, Branch::kLiquid, 150.0);
    EXPECT_NEAR(isotherm.Pressure(liquid), 19.0, 19.0 * kRoundTrip);
    EXPECT_GT(liquid, kCriticalDensity);
}

// Whatever the starting value, the root found is the one on the requested branch.
TEST(SolveDensity, StartingValueDoesNotChooseTheRoot) {
    const double T = 640.0;
    const double ps = region4::SaturationPressure(T);
    const Isotherm isotherm(T);
    const SaturationDensities sat = SaturationDensitiesT(T);
    for (double start : {-1.0, 0.0, 50.0, 177.0, 322.0, 400.0, 481.0, 700.0, 5000.0, kNaN}) {
        EXPECT_NEAR(SolveDensity(isotherm, ps, Branch::kLiquid, start), sat.liquid, 1e-9 * sat.liquid) << start;
        EXPECT_NEAR(SolveDensity(isotherm, ps, Branch::kVapour, start), sat.vapour, 1e-9 * sat.vapour) << start;
    }
}

}  // namespace
}  // namespace aquaprop::region3
