// SPDX-License-Identifier: MIT
// Unit codes through the C interface: known values in every unit, arguments and results in the current units,
// refused codes, the range getters and the version.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "CapiFixture.h"

namespace aquaprop {
namespace {

using testing::DefaultUnits;
using testing::SetUnits;

constexpr double kAtmPa = 101325.0;
constexpr double kKgfPa = 98066.5;
constexpr double kMmHgPa = kAtmPa / 760.0;
constexpr double kKcal = 4.1868;

// 1 atm boils at 99.9743 degC (373.1243 K) in every pressure unit; 0 Pa absolute (minus one atmosphere gauge) is
// outside the range.
TEST_F(DefaultUnits, EveryPressureUnit) {
    const struct {
        int32_t code;
        double oneAtmosphere, zeroPa;
    } units[] = {{11, kAtmPa, 0.0},   {12, 0.101325, 0.0}, {13, kAtmPa / kKgfPa, 0.0}, {14, 0.0, -kAtmPa / kKgfPa},
                 {15, 760.0, 0.0},    {16, 0.0, -760.0},   {17, 1.0, 0.0},             {18, 0.0, -1.0},
                 {19, 1013.25, 0.0},  {20, 0.0, -kAtmPa},  {21, 0.0, -0.101325}};
    for (const auto& c : units) {
        SCOPED_TRACE(c.code);
        ASSERT_NE(STM_SetPressUnit(c.code), 0);
        EXPECT_NEAR(STM_sTp(c.oneAtmosphere), 99.9743, 5e-5);
        EXPECT_EQ(STM_nHtp(200.0, c.zeroPa), STM_ERROR_VALUE);
        EXPECT_NE(STM_nHtp(200.0, c.oneAtmosphere), STM_ERROR_VALUE);
    }
}

TEST_F(DefaultUnits, EveryTemperatureUnit) {
    const struct {
        int32_t code;
        double boiling, freezing;  // 373.1243 K and 273.15 K in this unit
    } units[] = {{1, 373.1243, 273.15}, {2, 99.9743, 0.0}, {3, 211.95374, 32.0}};
    for (const auto& c : units) {
        SCOPED_TRACE(c.code);
        ASSERT_NE(STM_SetTempUnit(c.code), 0);
        EXPECT_NEAR(STM_sTp(0.101325), c.boiling, 1e-4);
        EXPECT_NEAR(STM_sPt(c.boiling), 0.101325, 1e-8);
        EXPECT_NEAR(STM_sPt(c.freezing), 611.2127e-6, 1e-10);
        EXPECT_NEAR(STM_nTph(0.101325, STM_sHtx(c.boiling, 0.5)), c.boiling, 1e-9);
    }
}

// The same state in other units: f(a, b) there equals f(a0, b0) in the default units times the result's
// factor (0: the reciprocal, for density).
double sRt(double T, double) { return STM_sRt(T); }

TEST_F(DefaultUnits, SameStateInOtherUnits) {
    const double mmHgGauge1MPa = 1e6 / kMmHgPa - 760.0;
    const struct {
        const char* name;
        int32_t T, p, h, s, volume;
        double (*f)(double, double);
        double a0, b0, a, b, factor;
    } cases[] = {
        {"Enthalpy_J", 2, 12, 31, 52, 71, STM_nHtp, 150, 1, 150, 1, 1000},
        {"WetEnthalpy_kcal", 2, 12, 33, 52, 71, STM_sHtx, 100, 0.3, 100, 0.3, 1 / kKcal},
        {"LatentHeat_J_Kelvin", 1, 12, 31, 52, 71, sRt, 100, 0, 373.15, 0, 1000},
        {"Entropy_kcal", 2, 12, 32, 53, 71, STM_nStp, 150, 1, 150, 1, 1 / kKcal},
        {"WetEntropy_J", 2, 12, 32, 51, 71, STM_sStx, 100, 0.3, 100, 0.3, 1000},
        {"Cp_J", 2, 12, 32, 51, 71, STM_nCPtp, 150, 1, 150, 1, 1000},
        {"Cv_kcal", 2, 12, 32, 53, 71, STM_nCVtp, 150, 1, 150, 1, 1 / kKcal},
        {"Density", 2, 12, 32, 52, 72, STM_nDtp, 20, 0.101325, 20, 0.101325, 0},
        {"WetDensity", 2, 12, 32, 52, 72, STM_sDtx, 100, 0.3, 100, 0.3, 0},
        {"TemperatureFrom_kcal", 2, 12, 33, 52, 71, STM_nTph, 1, 500, 1, 500 / kKcal, 1},
        {"WetnessFrom_kcal", 2, 12, 33, 52, 71, STM_sXph, 1, 2000, 1, 2000 / kKcal, 1},
        {"WetnessFromEntropy_kcal_mmHgGauge", 2, 16, 32, 53, 71, STM_sXps, 1, 4, mmHgGauge1MPa, 4 / kKcal, 1},
        {"WetEnthalpy_J_mmHgGauge", 2, 16, 31, 53, 71, STM_sHps, 1, 4, mmHgGauge1MPa, 4 / kKcal, 1000},
        {"WetnessFromHs_J", 2, 12, 31, 51, 71, STM_sXhs, 2000, 5, 2e6, 5e3, 1},
        {"SpeedOfSoundInMetresPerSecond", 3, 18, 33, 53, 72, STM_nWtp, 150, 1, 302, 1e6 / kAtmPa - 1, 1},
    };
    for (const auto& c : cases) {
        SetUnits(2, 12);
        const double base = c.f(c.a0, c.b0);
        SetUnits(c.T, c.p, c.h, c.s, c.volume);
        const double expected = c.factor == 0 ? 1 / base : base * c.factor;
        EXPECT_NEAR(c.f(c.a, c.b), expected, 1e-9 * std::fabs(expected)) << c.name;
    }
}

// The state from h and s takes them in the current units and answers in them, gauge and Fahrenheit included.
TEST_F(DefaultUnits, StateFromEnthalpyAndEntropyInOtherUnits) {
    const double T = STM_nThs(3000, 7);
    const double p = STM_nPhs(3000, 7);
    SetUnits(3, 16, 33, 53);
    EXPECT_NEAR(STM_nThs(3000 / kKcal, 7 / kKcal), T * 1.8 + 32, 1e-9 * T);
    EXPECT_NEAR(STM_nPhs(3000 / kKcal, 7 / kKcal), p * 1e6 / kMmHgPa - 760.0, 1e-9 * p * 1e6 / kMmHgPa);
}

// A refused code answers 0 and leaves the previous unit in force.
TEST_F(DefaultUnits, RefusedCodesKeepThePreviousUnit) {
    constexpr int32_t kMinInt = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();
    const struct {
        int16_t (*setter)(int32_t);
        int32_t valid, refused;
    } cases[] = {{STM_SetTempUnit, 1, 0},    {STM_SetTempUnit, 3, 4},      {STM_SetTempUnit, 1, kMinInt},
                 {STM_SetTempUnit, 1, 12},   {STM_SetPressUnit, 11, 10},   {STM_SetPressUnit, 21, 22},
                 {STM_SetPressUnit, 17, kMaxInt}, {STM_SetEnthalUnit, 31, 30}, {STM_SetEnthalUnit, 33, 34},
                 {STM_SetEntroUnit, 51, 50}, {STM_SetEntroUnit, 53, 54},   {STM_SetDensityUnit, 72, 70},
                 {STM_SetDensityUnit, 72, 73}};
    auto values = [] {
        return std::array{STM_sTp(STM_sPt(120.0)), STM_sHtx(120.0, 0.2), STM_sStx(120.0, 0.2), STM_sDtx(120.0, 0.2)};
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.setter(c.valid), 0);
        const auto before = values();
        EXPECT_EQ(c.setter(c.refused), 0) << c.refused;
        EXPECT_EQ(values(), before) << c.refused;
    }
}

// The range getters give 273.15..2273.15 K and 0 Pa..100 MPa in the current units; the refusal table holds the
// property functions to the same limits.
TEST_F(DefaultUnits, RangeGettersGiveTheLimitsInTheCurrentUnits) {
    const struct {
        int32_t temperature, pressure;
        double minT, maxT, minP, maxP;
    } cases[] = {{1, 12, 273.15, 2273.15, 0.0, 100.0},
                 {2, 11, 0.0, 2000.0, 0.0, 1e8},
                 {3, 17, 32.0, 3632.0, 0.0, 1e8 / kAtmPa},
                 {2, 14, 0.0, 2000.0, -kAtmPa / kKgfPa, (1e8 - kAtmPa) / kKgfPa},
                 {2, 16, 0.0, 2000.0, -760.0, 1e8 / kMmHgPa - 760.0},
                 {3, 21, 32.0, 3632.0, -0.101325, 100.0 - 0.101325}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.temperature) + ", " + std::to_string(c.pressure));
        SetUnits(c.temperature, c.pressure);
        EXPECT_NEAR(STM_GetMinTemp(), c.minT, 1e-9 * std::fabs(c.maxT));
        EXPECT_NEAR(STM_GetMaxTemp(), c.maxT, 1e-9 * std::fabs(c.maxT));
        EXPECT_NEAR(STM_GetMinPress(), c.minP, 1e-12 * std::fabs(c.maxP));
        EXPECT_NEAR(STM_GetMaxPress(), c.maxP, 1e-12 * std::fabs(c.maxP));
    }
}

// 100 * major + minor of the project's version, as the build passes it in ("1.40" -> 140).
TEST(Version, IsTheProjectVersion) {
    const std::string version = AQUAPROP_PROJECT_VERSION;
    const std::size_t dot = version.find('.');
    ASSERT_NE(dot, std::string::npos);
    EXPECT_EQ(STM_GetDllVer(), std::atoi(version.c_str()) * 100 + std::atoi(version.c_str() + dot + 1));
}

}  // namespace
}  // namespace aquaprop
