// The range getters in several units, checked against what the property functions accept, and the version.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "CapiFixture.h"

namespace aquaprop {
namespace {

using testing::DefaultUnitsWithParam;

struct RangeCase {
    const char* name;
    int32_t temperature;
    int32_t pressure;
    double minT;
    double maxT;
    double minP;  // 0 Pa absolute
    double maxP;  // 100 MPa
};

class RangeGetters : public DefaultUnitsWithParam<RangeCase> {
protected:
    void SetUp() override {
        DefaultUnitsWithParam::SetUp();
        ASSERT_NE(STM_SetTempUnit(GetParam().temperature), 0);
        ASSERT_NE(STM_SetPressUnit(GetParam().pressure), 0);
    }
};

TEST_P(RangeGetters, GiveTheLimitsInTheCurrentUnits) {
    const RangeCase& c = GetParam();
    EXPECT_NEAR(STM_GetMinTemp(), c.minT, 1e-9 * std::fabs(c.maxT));
    EXPECT_NEAR(STM_GetMaxTemp(), c.maxT, 1e-9 * std::fabs(c.maxT));
    EXPECT_NEAR(STM_GetMinPress(), c.minP, 1e-12 * std::fabs(c.maxP));
    EXPECT_NEAR(STM_GetMaxPress(), c.maxP, 1e-12 * std::fabs(c.maxP));
}

// The limits are those of the property functions: on them accepted (the lowest pressure excluded),
// a little beyond them refused.
TEST_P(RangeGetters, MatchWhatThePropertyFunctionsAccept) {
    const double minT = STM_GetMinTemp();
    const double maxT = STM_GetMaxTemp();
    const double minP = STM_GetMinPress();
    const double maxP = STM_GetMaxPress();
    const double spanT = maxT - minT;
    const double spanP = maxP - minP;
    const double midP = minP + 0.01 * spanP;  // 1 MPa
    const double region5P = minP + 0.3 * spanP;  // 30 MPa
    EXPECT_NE(STM_nHtp(minT, midP), STM_ERROR_VALUE);
    EXPECT_EQ(STM_nHtp(minT - 1e-6 * spanT, midP), STM_ERROR_VALUE);
    EXPECT_NE(STM_nHtp(maxT, region5P), STM_ERROR_VALUE);
    EXPECT_EQ(STM_nHtp(maxT + 1e-6 * spanT, region5P), STM_ERROR_VALUE);
    EXPECT_NE(STM_nHtp(minT + 0.1 * spanT, maxP), STM_ERROR_VALUE);
    EXPECT_EQ(STM_nHtp(minT + 0.1 * spanT, maxP + 1e-6 * spanP), STM_ERROR_VALUE);
    EXPECT_EQ(STM_nHtp(minT + 0.1 * spanT, minP), STM_ERROR_VALUE);
    EXPECT_NE(STM_nHtp(minT + 0.1 * spanT, minP + 1e-6 * spanP), STM_ERROR_VALUE);
    EXPECT_NE(STM_nTps(maxP, STM_nStp(minT + 0.1 * spanT, maxP)), STM_ERROR_VALUE);
}

constexpr double kAtmPa = 101325.0;
constexpr double kKgfPa = 98066.5;
constexpr double kMmHgPa = kAtmPa / 760.0;

INSTANTIATE_TEST_SUITE_P(
    Units, RangeGetters,
    ::testing::Values(RangeCase{"Kelvin_MPa", 1, 12, 273.15, 2273.15, 0.0, 100.0},
                      RangeCase{"Celsius_Pa", 2, 11, 0.0, 2000.0, 0.0, 1e8},
                      RangeCase{"Fahrenheit_Atm", 3, 17, 32.0, 3632.0, 0.0, 1e8 / kAtmPa},
                      RangeCase{"Celsius_KgfPerCm2", 2, 13, 0.0, 2000.0, 0.0, 1e8 / kKgfPa},
                      RangeCase{"Celsius_KgfPerCm2Gauge", 2, 14, 0.0, 2000.0, -kAtmPa / kKgfPa,
                                (1e8 - kAtmPa) / kKgfPa},
                      RangeCase{"Celsius_MmHg", 2, 15, 0.0, 2000.0, 0.0, 1e8 / kMmHgPa},
                      RangeCase{"Celsius_MmHgGauge", 2, 16, 0.0, 2000.0, -760.0, 1e8 / kMmHgPa - 760.0},
                      RangeCase{"Celsius_AtmGauge", 2, 18, 0.0, 2000.0, -1.0, 1e8 / kAtmPa - 1.0},
                      RangeCase{"Celsius_Millibar", 2, 19, 0.0, 2000.0, 0.0, 1e6},
                      RangeCase{"Kelvin_PaGauge", 1, 20, 273.15, 2273.15, -kAtmPa, 1e8 - kAtmPa},
                      RangeCase{"Fahrenheit_MPaGauge", 3, 21, 32.0, 3632.0, -0.101325, 100.0 - 0.101325}),
    [](const ::testing::TestParamInfo<RangeCase>& row) { return std::string(row.param.name); });

// 100 * major + minor of the project's version, as the build passes it in ("1.40" -> 140).
TEST(Version, IsTheProjectVersion) {
    const std::string version = AQUAPROP_PROJECT_VERSION;
    const std::size_t dot = version.find('.');
    ASSERT_NE(dot, std::string::npos);
    const int expected = std::atoi(version.substr(0, dot).c_str()) * 100 + std::atoi(version.substr(dot + 1).c_str());
    EXPECT_EQ(STM_GetDllVer(), expected);
}

}  // namespace
}  // namespace aquaprop
