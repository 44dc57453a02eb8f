// Region selection from (T, p) and from (p, h): boundaries are inclusive or exclusive on purpose.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/Region1.h"
#include "engine/core/Region2.h"
#include "engine/core/Region4.h"
#include "engine/core/Region5.h"
#include "engine/core/Selection.h"

namespace aquaprop {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

double Above(double x) { return std::nextafter(x, kInf); }
double Below(double x) { return std::nextafter(x, -kInf); }

struct RegionCase {
    const char* name;
    double T;
    double p;
    Region expected;
};

class RegionOfTP : public ::testing::TestWithParam<RegionCase> {};

TEST_P(RegionOfTP, IsDecidedAsExpected) {
    const RegionCase& c = GetParam();
    EXPECT_EQ(RegionTP(c.T, c.p), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, RegionOfTP,
    ::testing::Values(
        RegionCase{"ColdLiquid", 300, 3, Region::k1},
        RegionCase{"LowPressureVapour", 300, 0.0035, Region::k2},
        RegionCase{"BelowMinimumTemperature", Below(kMinK), 1, Region::kNone},
        RegionCase{"AtMinimumTemperature", kMinK, 1, Region::k1},
        RegionCase{"AtMinimumTemperatureBelowTriplePressure", kMinK, 500e-6, Region::k2},
        RegionCase{"ZeroPressure", 400, 0, Region::kNone},
        RegionCase{"NegativePressure", 400, -1, Region::kNone},
        RegionCase{"TinyPressure", 400, 1e-12, Region::k2},
        RegionCase{"At100MPa", 500, kMaxMPa, Region::k1},
        RegionCase{"Above100MPa", 500, Above(kMaxMPa), Region::kNone},
        RegionCase{"ExactlyAtSaturationIsLiquid", region4::SaturationTemperature(1), 1, Region::k1},
        RegionCase{"OneUlpAboveSaturationIsStillLiquid", Above(region4::SaturationTemperature(1)), 1, Region::k1},
        RegionCase{"ClearlyAboveSaturationIsVapour", region4::SaturationTemperature(1) * (1 + 1e-9), 1, Region::k2},
        RegionCase{"At623KAboveSaturationIsRegion1", kRegion13K, 20, Region::k1},
        RegionCase{"At623KAtSaturationPressureIsRegion1", kRegion13K, kSat13MPa, Region::k1},
        RegionCase{"At623KBelowSaturationIsRegion2", kRegion13K, 16, Region::k2},
        RegionCase{"Above623KHighPressureIsRegion3", Above(kRegion13K), 20, Region::k3},
        RegionCase{"OnB23LineIsRegion2", 700, boundary::B23Pressure(700), Region::k2},
        RegionCase{"AboveB23LineIsRegion3", 700, Above(boundary::B23Pressure(700)), Region::k3},
        RegionCase{"AtB23EndAt100MPaIsOnTheLine", kB23MaxK, kMaxMPa, Region::k2},
        RegionCase{"BelowB23EndAt100MPaIsRegion3", kB23MaxK - 0.01, kMaxMPa, Region::k3},
        RegionCase{"BeyondB23EndIsRegion2", Above(kB23MaxK), kMaxMPa, Region::k2},
        RegionCase{"At1073KIsRegion2", kRegion25K, 100, Region::k2},
        RegionCase{"Above1073KIsRegion5", Above(kRegion25K), 50, Region::k5},
        RegionCase{"Region5Above50MPa", 1500, Above(kMaxRegion5MPa), Region::kNone},
        RegionCase{"At2273K", kMaxK, 50, Region::k5},
        RegionCase{"Above2273K", Above(kMaxK), 1, Region::kNone},
        RegionCase{"NaNTemperature", kNaN, 1, Region::kNone},
        RegionCase{"NaNPressure", 400, kNaN, Region::kNone},
        RegionCase{"InfiniteTemperature", kInf, 1, Region::kNone},
        RegionCase{"InfinitePressure", 400, kInf, Region::kNone}),
    [](const ::testing::TestParamInfo<RegionCase>& row) { return std::string(row.param.name); });

TEST(SaturationBoundary, ConstantIsTheRegion4PressureAt623K) {
    EXPECT_EQ(region4::SaturationPressure(kRegion13K), kSat13MPa);
}

// A temperature exactly at Tsat(p) gives the saturated liquid's values, also after a trip through degC.
TEST(SaturationBoundary, TemperatureAtSaturationGivesLiquid) {
    for (double p : {kSatMinMPa, 0.01, 0.101325, 1.0, 10.0, kSat13MPa}) {
        const double Ts = region4::SaturationTemperature(p);
        const double viaCelsius = (Ts - 273.15) + 273.15;
        EXPECT_EQ(PropertyTP<Quantity::kEnthalpy>(Ts, p), region1::Enthalpy(p, Ts)) << p;
        EXPECT_EQ(PropertyTP<Quantity::kEnthalpy>(viaCelsius, p), region1::Enthalpy(p, viaCelsius)) << p;
    }
}

// (p, h) exactly on h' or h'' gives Tsat; one step outside leaves the dome on the right side.
TEST(SaturationBoundary, EnthalpyOnTheSaturationLineGivesTsat) {
    for (double p : {kSatMinMPa * 1.0001, 0.001, 0.1, 1.0, 4.0, 10.0, 16.0, kSat13MPa}) {
        const double Ts = region4::SaturationTemperature(p);
        const double hLiquid = region1::Enthalpy(p, Ts);
        const double hVapour = region2::Enthalpy(p, Ts);
        EXPECT_NEAR(TemperaturePH(p, hLiquid), Ts, Ts * 1e-12) << p;
        EXPECT_NEAR(TemperaturePH(p, hVapour), Ts, Ts * 1e-12) << p;
        EXPECT_EQ(TemperaturePH(p, 0.5 * (hLiquid + hVapour)), Ts) << p;
        // Just below h' the liquid, just above h'' the vapour: never the other phase's extrapolation.
        const double liquidT = TemperaturePH(p, hLiquid - 1e-6);
        const double vapourT = TemperaturePH(p, hVapour + 1e-6);
        EXPECT_LE(liquidT, Ts) << p;
        EXPECT_GE(vapourT, Ts) << p;
        EXPECT_NEAR(region1::Enthalpy(p, liquidT), hLiquid - 1e-6, 1e-9 * std::max(std::fabs(hLiquid), 1.0)) << p;
        EXPECT_NEAR(region2::Enthalpy(p, vapourT), hVapour + 1e-6, 1e-9 * hVapour) << p;
    }
}

// At the lowest saturation pressure Tsat is 273.15 K itself: below h' the liquid would be colder than the range.
TEST(SaturationBoundary, LowestSaturationPressureHasNoColderLiquid) {
    const double hLiquid = region1::Enthalpy(kSatMinMPa, kMinK);
    EXPECT_EQ(region4::SaturationTemperature(kSatMinMPa), kMinK);
    EXPECT_NEAR(TemperaturePH(kSatMinMPa, hLiquid), kMinK, kMinK * 1e-12);
    EXPECT_TRUE(std::isnan(TemperaturePH(kSatMinMPa, hLiquid - 1e-6)));
    EXPECT_TRUE(std::isnan(TemperaturePS(kSatMinMPa, region1::Entropy(kSatMinMPa, kMinK) - 1e-6)));
}

struct PhLimitCase {
    const char* name;
    double p;
    double h;
    bool accepted;
};

class TemperatureOfPhLimits : public ::testing::TestWithParam<PhLimitCase> {};

TEST_P(TemperatureOfPhLimits, AcceptsOnlyStatesInRange) {
    const PhLimitCase& c = GetParam();
    const double T = TemperaturePH(c.p, c.h);
    if (c.accepted) {
        EXPECT_TRUE(std::isfinite(T)) << T;
        EXPECT_GE(T, kMinK);
        EXPECT_LE(T, kMaxK);
    } else {
        EXPECT_TRUE(std::isnan(T)) << T;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, TemperatureOfPhLimits,
    ::testing::Values(
        PhLimitCase{"LiquidAt273K", 1, region1::Enthalpy(1, kMinK), true},
        PhLimitCase{"LiquidBelow273K", 1, region1::Enthalpy(1, kMinK) - 1e-6, false},
        PhLimitCase{"LiquidAt273KAnd100MPa", 100, region1::Enthalpy(100, kMinK), true},
        PhLimitCase{"LiquidBelow273KAnd100MPa", 100, region1::Enthalpy(100, kMinK) - 1e-6, false},
        PhLimitCase{"VapourAt273KLowPressure", 1e-4, region2::Enthalpy(1e-4, kMinK), true},
        PhLimitCase{"VapourBelow273KLowPressure", 1e-4, region2::Enthalpy(1e-4, kMinK) - 1e-6, false},
        PhLimitCase{"VapourAt1073K", 60, region2::Enthalpy(60, kRegion25K), true},
        PhLimitCase{"Above1073KAbove50MPa", 60, region2::Enthalpy(60, kRegion25K) + 1e-6, false},
        PhLimitCase{"Region5At2273K", 50, region5::Enthalpy(50, kMaxK), true},
        PhLimitCase{"Region5Above2273K", 50, region5::Enthalpy(50, kMaxK) + 1e-6, false},
        PhLimitCase{"Region5JustAbove1073K", 1, region2::Enthalpy(1, kRegion25K) + 1e-6, true},
        PhLimitCase{"At100MPa", 100, 2000, true},
        PhLimitCase{"Above100MPa", Above(kMaxMPa), 1000, false},
        PhLimitCase{"ZeroPressure", 0, 3000, false},
        PhLimitCase{"NaNEnthalpy", 1, kNaN, false},
        PhLimitCase{"InfiniteEnthalpy", 1, kInf, false},
        PhLimitCase{"HugeEnthalpy", 1, 1e300, false},
        PhLimitCase{"HugeNegativeEnthalpy", 1, -1e300, false}),
    [](const ::testing::TestParamInfo<PhLimitCase>& row) { return std::string(row.param.name); });

TEST(SaturationMixture, InterpolatesBetweenLiquidAndVapour) {
    const double T = 450;
    const double p = region4::SaturationPressure(T);
    const double hLiquid = region1::Enthalpy(p, T);
    const double hVapour = region2::Enthalpy(p, T);
    EXPECT_EQ(SaturatedMixture<Quantity::kEnthalpy>(T, 1.0), hLiquid);
    EXPECT_EQ(SaturatedMixture<Quantity::kEnthalpy>(T, 0.0), hVapour);
    EXPECT_DOUBLE_EQ(SaturatedMixture<Quantity::kEnthalpy>(T, 0.25), 0.25 * hLiquid + 0.75 * hVapour);
    EXPECT_NEAR(WetnessPH(p, 0.25 * hLiquid + 0.75 * hVapour), 0.25, 1e-12);
    EXPECT_NEAR(WetnessPH(p, hLiquid), 1.0, 1e-12);
    EXPECT_NEAR(WetnessPH(p, hVapour), 0.0, 1e-12);
    EXPECT_TRUE(std::isnan(WetnessPH(p, hLiquid - 1e-6)));
    EXPECT_TRUE(std::isnan(WetnessPH(p, hVapour + 1e-6)));
    EXPECT_TRUE(std::isnan(SaturatedMixture<Quantity::kEnthalpy>(T, -0.1)));
    EXPECT_TRUE(std::isnan(SaturatedMixture<Quantity::kEnthalpy>(T, 1.1)));
}

TEST(SaturationMixture, WetnessIsUndefinedAtTheCriticalPressure) {
    EXPECT_TRUE(std::isnan(WetnessPH(kCriticalMPa, 2087.5)));
}

}  // namespace
}  // namespace aquaprop
