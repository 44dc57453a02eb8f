// Unit codes through the C interface: known values in every unit, round trips, and refused codes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "CapiFixture.h"

namespace aquaprop {
namespace {

using testing::DefaultUnits;
using testing::DefaultUnitsWithParam;

// Tsat(1 atm) = 373.124... K by the region 4 equation.
constexpr double kBoilingPointC = 99.9743;

struct PressureUnitCase {
    const char* name;
    int32_t code;
    double oneAtmosphere;  // 101325 Pa in this unit
    double zeroPa;         // 0 Pa in this unit
};

class PressureUnits : public DefaultUnitsWithParam<PressureUnitCase> {};

TEST_P(PressureUnits, OneAtmosphereBoilsAt99p97C) {
    const PressureUnitCase& c = GetParam();
    ASSERT_NE(STM_SetPressUnit(c.code), 0);
    EXPECT_NEAR(STM_sTp(c.oneAtmosphere), kBoilingPointC, 5e-5);
}

TEST_P(PressureUnits, SaturationPressureRoundTrips) {
    const PressureUnitCase& c = GetParam();
    ASSERT_NE(STM_SetPressUnit(c.code), 0);
    for (double T : {20.0, 99.9743, 180.0, 300.0}) {
        const double p = STM_sPt(T);
        ASSERT_NE(p, STM_ERROR_VALUE);
        EXPECT_NEAR(STM_sTp(p), T, 1e-9) << T;
    }
    // Zero absolute pressure (a gauge reading of minus one atmosphere) is outside the range.
    EXPECT_EQ(STM_nHtp(200.0, c.zeroPa), STM_ERROR_VALUE);
    EXPECT_NE(STM_nHtp(200.0, c.oneAtmosphere), STM_ERROR_VALUE);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, PressureUnits,
    ::testing::Values(PressureUnitCase{"Pa", 11, 101325.0, 0.0}, PressureUnitCase{"MPa", 12, 0.101325, 0.0},
                      PressureUnitCase{"KgfPerCm2", 13, 101325.0 / 98066.5, 0.0},
                      PressureUnitCase{"KgfPerCm2Gauge", 14, 0.0, -(101325.0 / 98066.5)},
                      PressureUnitCase{"MmHg", 15, 760.0, 0.0}, PressureUnitCase{"MmHgGauge", 16, 0.0, -760.0},
                      PressureUnitCase{"Atm", 17, 1.0, 0.0}, PressureUnitCase{"AtmGauge", 18, 0.0, -1.0},
                      PressureUnitCase{"Millibar", 19, 1013.25, 0.0}, PressureUnitCase{"PaGauge", 20, 0.0, -101325.0},
                      PressureUnitCase{"MPaGauge", 21, 0.0, -0.101325}),
    [](const ::testing::TestParamInfo<PressureUnitCase>& row) { return std::string(row.param.name); });

struct TemperatureUnitCase {
    const char* name;
    int32_t code;
    double boiling;  // 373.124... K in this unit
    double freezing; // 273.15 K in this unit
};

class TemperatureUnits : public DefaultUnitsWithParam<TemperatureUnitCase> {};

TEST_P(TemperatureUnits, KnownPointsInEveryUnit) {
    const TemperatureUnitCase& c = GetParam();
    ASSERT_NE(STM_SetTempUnit(c.code), 0);
    EXPECT_NEAR(STM_sTp(0.101325), c.boiling, 1e-4);
    EXPECT_NEAR(STM_sPt(c.boiling), 0.101325, 1e-8);
    EXPECT_NEAR(STM_sPt(c.freezing), 611.2127e-6, 1e-10);
    EXPECT_NEAR(STM_nTph(0.101325, STM_sHtx(c.boiling, 0.5)), c.boiling, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, TemperatureUnits,
    ::testing::Values(TemperatureUnitCase{"Kelvin", 1, 373.1243, 273.15},
                      TemperatureUnitCase{"Celsius", 2, 99.9743, 0.0},
                      TemperatureUnitCase{"Fahrenheit", 3, 211.95374, 32.0}),
    [](const ::testing::TestParamInfo<TemperatureUnitCase>& row) { return std::string(row.param.name); });

// Enthalpy and entropy: J and kcal are fixed multiples of kJ, in and out.
TEST_F(DefaultUnits, EnergyUnitsScaleResultsAndArguments) {
    const double hKJ = STM_nHtp(150.0, 1.0);
    const double sKJ = STM_nStp(150.0, 1.0);
    ASSERT_NE(STM_SetEnthalUnit(31), 0);
    ASSERT_NE(STM_SetEntroUnit(51), 0);
    EXPECT_DOUBLE_EQ(STM_nHtp(150.0, 1.0), hKJ * 1000.0);
    EXPECT_DOUBLE_EQ(STM_nStp(150.0, 1.0), sKJ * 1000.0);
    EXPECT_NEAR(STM_nTph(1.0, hKJ * 1000.0), 150.0, 1e-9);
    ASSERT_NE(STM_SetEnthalUnit(33), 0);
    ASSERT_NE(STM_SetEntroUnit(53), 0);
    EXPECT_DOUBLE_EQ(STM_nHtp(150.0, 1.0), hKJ / 4.1868);
    EXPECT_DOUBLE_EQ(STM_nStp(150.0, 1.0), sKJ / 4.1868);
    EXPECT_NEAR(STM_nTph(1.0, hKJ / 4.1868), 150.0, 1e-9);
    const double hMix = STM_sHtx(100.0, 0.5);
    EXPECT_NEAR(STM_sXph(STM_sPt(100.0), hMix), 0.5, 1e-12);
}

TEST_F(DefaultUnits, DensityUnitGivesTheReciprocal) {
    const double v = STM_nDtp(20.0, 0.101325);
    const double vMix = STM_sDtx(100.0, 0.3);
    EXPECT_NEAR(v, 0.0010018, 1e-7);
    ASSERT_NE(STM_SetDensityUnit(72), 0);
    EXPECT_DOUBLE_EQ(STM_nDtp(20.0, 0.101325), 1.0 / v);
    EXPECT_DOUBLE_EQ(STM_sDtx(100.0, 0.3), 1.0 / vMix);
}

// A refused code answers 0 and leaves the previous unit in force.
struct RefusedCodeCase {
    const char* name;
    int16_t (*setter)(int32_t);
    int32_t valid;
    int32_t refused;
};

class RefusedCodes : public DefaultUnitsWithParam<RefusedCodeCase> {};

TEST_P(RefusedCodes, KeepThePreviousUnit) {
    const RefusedCodeCase& c = GetParam();
    ASSERT_NE(c.setter(c.valid), 0);
    const double T = STM_sTp(STM_sPt(120.0));
    const double h = STM_sHtx(120.0, 0.2);
    const double s = STM_sStx(120.0, 0.2);
    const double v = STM_sDtx(120.0, 0.2);
    EXPECT_EQ(c.setter(c.refused), 0);
    EXPECT_EQ(STM_sTp(STM_sPt(120.0)), T);
    EXPECT_EQ(STM_sHtx(120.0, 0.2), h);
    EXPECT_EQ(STM_sStx(120.0, 0.2), s);
    EXPECT_EQ(STM_sDtx(120.0, 0.2), v);
}

constexpr int32_t kMinInt = std::numeric_limits<int32_t>::min();
constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Codes, RefusedCodes,
    ::testing::Values(RefusedCodeCase{"Temperature0", STM_SetTempUnit, 1, 0},
                      RefusedCodeCase{"Temperature4", STM_SetTempUnit, 3, 4},
                      RefusedCodeCase{"TemperatureMinInt", STM_SetTempUnit, 1, kMinInt},
                      RefusedCodeCase{"TemperaturePressureCode", STM_SetTempUnit, 1, 12},
                      RefusedCodeCase{"Pressure10", STM_SetPressUnit, 11, 10},
                      RefusedCodeCase{"Pressure22", STM_SetPressUnit, 21, 22},
                      RefusedCodeCase{"PressureMaxInt", STM_SetPressUnit, 17, kMaxInt},
                      RefusedCodeCase{"Enthalpy30", STM_SetEnthalUnit, 31, 30},
                      RefusedCodeCase{"Enthalpy34", STM_SetEnthalUnit, 33, 34},
                      RefusedCodeCase{"Entropy50", STM_SetEntroUnit, 51, 50},
                      RefusedCodeCase{"Entropy54", STM_SetEntroUnit, 53, 54},
                      RefusedCodeCase{"Density70", STM_SetDensityUnit, 72, 70},
                      RefusedCodeCase{"Density73", STM_SetDensityUnit, 72, 73},
                      RefusedCodeCase{"Density74", STM_SetDensityUnit, 71, 74}),
    [](const ::testing::TestParamInfo<RefusedCodeCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace aquaprop
