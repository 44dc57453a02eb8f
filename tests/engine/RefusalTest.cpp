// The refusal table through the C interface: just inside each limit accepted, just outside refused, and
// NaN, infinities and wetness outside 0..1 refused. Temperatures in K, pressures in MPa, h in kJ/kg.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "CapiFixture.h"
#include "engine/core/Constants.h"

#ifndef AQUAPROP_HAVE_REGION3
#define AQUAPROP_HAVE_REGION3 0
#endif

namespace aquaprop {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

double Above(double x) { return std::nextafter(x, kInf); }
double Below(double x) { return std::nextafter(x, -kInf); }

using Function = double (*)(double, double);

double sTp(double p, double) { return STM_sTp(p); }
double sPt(double T, double) { return STM_sPt(T); }
double sRt(double T, double) { return STM_sRt(T); }

struct RefusalCase {
    const char* name;
    Function function;
    double a;
    double b;
    bool accepted;
    bool needsRegion3 = false;
};

class Refusals : public testing::DefaultUnitsWithParam<RefusalCase> {
protected:
    void SetUp() override {
        DefaultUnits::SetUp();
        ASSERT_NE(STM_SetTempUnit(1), 0);
    }
};

TEST_P(Refusals, AcceptOnlyTheRangeOfValidity) {
    const RefusalCase& c = GetParam();
    if (c.needsRegion3 && !AQUAPROP_HAVE_REGION3) GTEST_SKIP() << "region 3 is not in this build";
    const double result = c.function(c.a, c.b);
    EXPECT_TRUE(std::isfinite(result));
    if (c.accepted) {
        EXPECT_NE(result, STM_ERROR_VALUE);
    } else {
        EXPECT_EQ(result, STM_ERROR_VALUE);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SaturationLine, Refusals,
    ::testing::Values(
        RefusalCase{"sTp_AtLowestPressure", sTp, kSatMinMPa, 0, true},
        RefusalCase{"sTp_BelowLowestPressure", sTp, Below(kSatMinMPa), 0, false},
        RefusalCase{"sTp_AtCriticalPressure", sTp, 22.064, 0, true},
        RefusalCase{"sTp_AboveCriticalPressure", sTp, Above(22.064), 0, false},
        RefusalCase{"sTp_Zero", sTp, 0, 0, false}, RefusalCase{"sTp_Negative", sTp, -1, 0, false},
        RefusalCase{"sTp_NaN", sTp, kNaN, 0, false}, RefusalCase{"sTp_Inf", sTp, kInf, 0, false},
        RefusalCase{"sTp_MinusInf", sTp, -kInf, 0, false},
        RefusalCase{"sPt_At273K", sPt, 273.15, 0, true},
        RefusalCase{"sPt_Below273K", sPt, Below(273.15), 0, false},
        RefusalCase{"sPt_AtCriticalTemperature", sPt, 647.096, 0, true},
        RefusalCase{"sPt_AboveCriticalTemperature", sPt, Above(647.096), 0, false},
        RefusalCase{"sPt_NaN", sPt, kNaN, 0, false}, RefusalCase{"sPt_Inf", sPt, kInf, 0, false},
        RefusalCase{"sHtx_At273K", STM_sHtx, 273.15, 0.5, true},
        RefusalCase{"sHtx_Below273K", STM_sHtx, Below(273.15), 0.5, false},
        RefusalCase{"sHtx_At623K", STM_sHtx, 623.15, 0.5, true},
        RefusalCase{"sHtx_Above623K", STM_sHtx, Above(623.15), 0.5, true, true},
        RefusalCase{"sHtx_AtCriticalTemperature", STM_sHtx, 647.096, 0.5, true, true},
        RefusalCase{"sHtx_AboveCriticalTemperature", STM_sHtx, Above(647.096), 0.5, false},
        RefusalCase{"sHtx_WetnessOne", STM_sHtx, 400, 1.0, true},
        RefusalCase{"sHtx_WetnessZero", STM_sHtx, 400, 0.0, true},
        RefusalCase{"sHtx_WetnessMinusZero", STM_sHtx, 400, -0.0, true},
        RefusalCase{"sHtx_WetnessMinusTenth", STM_sHtx, 400, -0.1, false},
        RefusalCase{"sHtx_WetnessElevenTenths", STM_sHtx, 400, 1.1, false},
        RefusalCase{"sHtx_WetnessJustAboveOne", STM_sHtx, 400, Above(1.0), false},
        RefusalCase{"sHtx_WetnessJustBelowZero", STM_sHtx, 400, Below(0.0), false},
        RefusalCase{"sHtx_WetnessNaN", STM_sHtx, 400, kNaN, false},
        RefusalCase{"sHtx_WetnessInf", STM_sHtx, 400, kInf, false},
        RefusalCase{"sHtx_TemperatureNaN", STM_sHtx, kNaN, 0.5, false},
        RefusalCase{"sStx_WetnessMinusTenth", STM_sStx, 400, -0.1, false},
        RefusalCase{"sStx_WetnessElevenTenths", STM_sStx, 400, 1.1, false},
        RefusalCase{"sStx_TemperatureMinusInf", STM_sStx, -kInf, 0.5, false},
        RefusalCase{"sDtx_WetnessMinusTenth", STM_sDtx, 400, -0.1, false},
        RefusalCase{"sDtx_WetnessElevenTenths", STM_sDtx, 400, 1.1, false},
        RefusalCase{"sDtx_At273K", STM_sDtx, 273.15, 0.0, true},
        RefusalCase{"sXph_Inside", STM_sXph, 1, 2000, true},
        RefusalCase{"sXph_BelowLiquid", STM_sXph, 1, 700, false},
        RefusalCase{"sXph_AboveVapour", STM_sXph, 1, 2800, false},
        RefusalCase{"sXph_BelowLowestPressure", STM_sXph, Below(kSatMinMPa), 1000, false},
        RefusalCase{"sXph_NearCriticalPressure", STM_sXph, 22.0, 2090, true, true},
        RefusalCase{"sXph_AtCriticalPressure", STM_sXph, 22.064, 2087.5, false},
        RefusalCase{"sXph_PressureNaN", STM_sXph, kNaN, 2000, false},
        RefusalCase{"sXph_EnthalpyInf", STM_sXph, 1, kInf, false}),
    [](const ::testing::TestParamInfo<RefusalCase>& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    SingleStates, Refusals,
    ::testing::Values(
        RefusalCase{"nHtp_At273K", STM_nHtp, 273.15, 1, true},
        RefusalCase{"nHtp_Below273K", STM_nHtp, Below(273.15), 1, false},
        RefusalCase{"nHtp_At1073KAnd100MPa", STM_nHtp, 1073.15, 100, true},
        RefusalCase{"nHtp_At1073KAbove100MPa", STM_nHtp, 1073.15, Above(100), false},
        RefusalCase{"nHtp_Above1073KAt50MPa", STM_nHtp, Above(1073.15), 50, true},
        RefusalCase{"nHtp_Above1073KAbove50MPa", STM_nHtp, Above(1073.15), Above(50), false},
        RefusalCase{"nHtp_At2273K", STM_nHtp, 2273.15, 50, true},
        RefusalCase{"nHtp_Above2273K", STM_nHtp, Above(2273.15), 1, false},
        RefusalCase{"nHtp_ZeroPressure", STM_nHtp, 400, 0, false},
        RefusalCase{"nHtp_NegativeZeroPressure", STM_nHtp, 400, -0.0, false},
        RefusalCase{"nHtp_TinyPressure", STM_nHtp, 400, 1e-300, true},
        RefusalCase{"nHtp_TemperatureNaN", STM_nHtp, kNaN, 1, false},
        RefusalCase{"nHtp_PressureNaN", STM_nHtp, 400, kNaN, false},
        RefusalCase{"nHtp_TemperatureInf", STM_nHtp, kInf, 1, false},
        RefusalCase{"nHtp_PressureInf", STM_nHtp, 400, kInf, false},
        RefusalCase{"nHtp_Region3", STM_nHtp, 650, 30, true, true},
        RefusalCase{"nStp_Below273K", STM_nStp, Below(273.15), 1, false},
        RefusalCase{"nStp_At2273K", STM_nStp, 2273.15, 50, true},
        RefusalCase{"nStp_PressureMinusInf", STM_nStp, 400, -kInf, false},
        RefusalCase{"nDtp_At273KAnd100MPa", STM_nDtp, 273.15, 100, true},
        RefusalCase{"nDtp_Above100MPa", STM_nDtp, 300, Above(100), false},
        RefusalCase{"nDtp_TemperatureMinusInf", STM_nDtp, -kInf, 1, false},
        RefusalCase{"nTph_Liquid", STM_nTph, 1, 500, true},
        RefusalCase{"nTph_Wet", STM_nTph, 1, 2000, true},
        RefusalCase{"nTph_At100MPa", STM_nTph, 100, 1000, true},
        RefusalCase{"nTph_Above100MPa", STM_nTph, Above(100), 1000, false},
        RefusalCase{"nTph_ZeroPressure", STM_nTph, 0, 3000, false},
        RefusalCase{"nTph_BelowMinimumEnthalpy", STM_nTph, 1, -10, false},
        RefusalCase{"nTph_AboveMaximumEnthalpy", STM_nTph, 1, 8000, false},
        RefusalCase{"nTph_Region3", STM_nTph, 25, 2000, true, true},
        RefusalCase{"nTph_EnthalpyNaN", STM_nTph, 1, kNaN, false},
        RefusalCase{"nTph_EnthalpyMinusInf", STM_nTph, 1, -kInf, false}),
    [](const ::testing::TestParamInfo<RefusalCase>& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    FurtherFunctions, Refusals,
    ::testing::Values(
        RefusalCase{"nCPtp_At273K", STM_nCPtp, 273.15, 1, true},
        RefusalCase{"nCPtp_Below273K", STM_nCPtp, Below(273.15), 1, false},
        RefusalCase{"nCPtp_At2273KAnd50MPa", STM_nCPtp, 2273.15, 50, true},
        RefusalCase{"nCPtp_Above50MPaInRegion5", STM_nCPtp, 1500, Above(50), false},
        RefusalCase{"nCPtp_Region3", STM_nCPtp, 650, 30, true, true},
        RefusalCase{"nCVtp_Above100MPa", STM_nCVtp, 300, Above(100), false},
        RefusalCase{"nCVtp_ZeroPressure", STM_nCVtp, 300, 0, false},
        RefusalCase{"nWtp_TinyPressure", STM_nWtp, 400, 1e-300, true},
        RefusalCase{"nWtp_TemperatureNaN", STM_nWtp, kNaN, 1, false},
        RefusalCase{"nTps_Liquid", STM_nTps, 1, 1.0, true},
        RefusalCase{"nTps_Wet", STM_nTps, 1, 4.0, true},
        RefusalCase{"nTps_Region3", STM_nTps, 25, 4.0, true, true},
        RefusalCase{"nTps_Region5", STM_nTps, 1, 9.0, true},
        RefusalCase{"nTps_ColderThan273K", STM_nTps, 1, -0.01, false},
        RefusalCase{"nTps_HotterThan2273K", STM_nTps, 1, 11.0, false},
        RefusalCase{"nTps_Above100MPa", STM_nTps, Above(100), 1.0, false},
        RefusalCase{"nTps_EntropyInf", STM_nTps, 1, kInf, false},
        RefusalCase{"sRt_At273K", sRt, 273.15, 0, true},
        RefusalCase{"sRt_Below273K", sRt, Below(273.15), 0, false},
        RefusalCase{"sRt_AtCriticalTemperature", sRt, 647.096, 0, true, true},
        RefusalCase{"sRt_AboveCriticalTemperature", sRt, Above(647.096), 0, false},
        RefusalCase{"sXps_Inside", STM_sXps, 1, 4.0, true},
        RefusalCase{"sXps_BelowLiquid", STM_sXps, 1, 2.0, false},
        RefusalCase{"sXps_AboveVapour", STM_sXps, 1, 7.0, false},
        RefusalCase{"sXps_NearCriticalPressure", STM_sXps, 22.0, 4.4, true, true},
        RefusalCase{"sHps_Inside", STM_sHps, 1, 4.0, true},
        RefusalCase{"sHps_AtCriticalPressure", STM_sHps, 22.064, 4.41, false}),
    [](const ::testing::TestParamInfo<RefusalCase>& row) { return std::string(row.param.name); });

// (p, h) on h' and h'' from a saturation call is accepted by both sXph and nTph; a step outside only by nTph.
using SaturationEdges = testing::DefaultUnits;

TEST_F(SaturationEdges, AcceptedByWetnessAndTemperature) {
    for (double T : {1.0, 100.0, 250.0, 350.0}) {
        const double p = STM_sPt(T);
        const double hLiquid = STM_sHtx(T, 1.0);
        const double hVapour = STM_sHtx(T, 0.0);
        EXPECT_NEAR(STM_sXph(p, hLiquid), 1.0, 1e-12) << T;
        EXPECT_NEAR(STM_sXph(p, hVapour), 0.0, 1e-12) << T;
        EXPECT_EQ(STM_sXph(p, hLiquid - 1e-6), STM_ERROR_VALUE) << T;
        EXPECT_EQ(STM_sXph(p, hVapour + 1e-6), STM_ERROR_VALUE) << T;
        EXPECT_NEAR(STM_nTph(p, hLiquid), T, 1e-9) << T;
        EXPECT_NEAR(STM_nTph(p, hVapour), T, 1e-9) << T;
        EXPECT_LE(STM_nTph(p, Below(hLiquid)), STM_sTp(p)) << T;
        EXPECT_GE(STM_nTph(p, Above(hVapour)), STM_sTp(p)) << T;
    }
}

}  // namespace
}  // namespace aquaprop
