// SPDX-License-Identifier: MIT
// Refusals through the C interface: just inside each limit accepted, just outside refused, NaN, infinities and
// wetness outside 0..1 refused; and whatever double goes in, a finite number comes out, never NaN or infinity.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "CapiFixture.h"
#include "engine/core/Constants.h"

namespace aquaprop {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

double Above(double x) { return std::nextafter(x, kInf); }
double Below(double x) { return std::nextafter(x, -kInf); }

double sTp(double p, double) { return STM_sTp(p); }
double sPt(double T, double) { return STM_sPt(T); }
double sRt(double T, double) { return STM_sRt(T); }
constexpr auto sHtx = STM_sHtx, sStx = STM_sStx, sDtx = STM_sDtx, sXph = STM_sXph, sXps = STM_sXps, sHps = STM_sHps;
constexpr auto nHtp = STM_nHtp, nStp = STM_nStp, nDtp = STM_nDtp, nTph = STM_nTph, nTps = STM_nTps;
constexpr auto nCPtp = STM_nCPtp, nCVtp = STM_nCVtp, nWtp = STM_nWtp;
constexpr auto nPhs = STM_nPhs, nThs = STM_nThs, sXhs = STM_sXhs;
double sSIGt(double T, double) { return STM_sSIGt(T); }
constexpr auto nUtp = STM_nUtp, nMUtp = STM_nMUtp, nLAMtp = STM_nLAMtp, nNUtp = STM_nNUtp, nPRtp = STM_nPRtp;
constexpr auto nKAPtp = STM_nKAPtp, sUtx = STM_sUtx, sMUtx = STM_sMUtx, sLAMtx = STM_sLAMtx;

// Temperatures in K, pressures in MPa, h in kJ/kg, s in kJ/(kg K). NaN and infinite arguments: AnyArguments below.
struct RefusalCase {
    const char* name;
    double (*function)(double, double);
    double a, b;
    bool accepted;
};

const RefusalCase kRefusals[] = {
    {"sTp_AtLowestPressure", sTp, kSatMinMPa, 0, true}, {"sTp_BelowLowestPressure", sTp, Below(kSatMinMPa), 0, false},
    {"sTp_AtPc", sTp, 22.064, 0, true}, {"sTp_AbovePc", sTp, Above(22.064), 0, false}, {"sTp_Zero", sTp, 0, 0, false},
    {"sPt_At273K", sPt, 273.15, 0, true}, {"sPt_Below273K", sPt, Below(273.15), 0, false},
    {"sPt_AtTc", sPt, 647.096, 0, true}, {"sPt_AboveTc", sPt, Above(647.096), 0, false},
    {"sHtx_At273K", sHtx, 273.15, 0.5, true}, {"sHtx_Below273K", sHtx, Below(273.15), 0.5, false},
    {"sHtx_At623K", sHtx, 623.15, 0.5, true}, {"sHtx_Above623K", sHtx, Above(623.15), 0.5, true},
    {"sHtx_AtTc", sHtx, 647.096, 0.5, true}, {"sHtx_AboveTc", sHtx, Above(647.096), 0.5, false},
    {"sHtx_WetnessOne", sHtx, 400, 1.0, true}, {"sHtx_WetnessMinusZero", sHtx, 400, -0.0, true},
    {"sHtx_WetnessMinusTenth", sHtx, 400, -0.1, false}, {"sHtx_WetnessElevenTenths", sHtx, 400, 1.1, false},
    {"sHtx_WetnessJustAboveOne", sHtx, 400, Above(1.0), false},
    {"sHtx_WetnessJustBelowZero", sHtx, 400, Below(0.0), false}, {"sDtx_WetnessElevenTenths", sDtx, 400, 1.1, false},
    {"sXph_Inside", sXph, 1, 2000, true}, {"sXph_BelowLiquid", sXph, 1, 700, false},
    {"sXph_AboveVapour", sXph, 1, 2800, false}, {"sXph_BelowLowestPressure", sXph, Below(kSatMinMPa), 1000, false},
    {"sXph_NearPc", sXph, 22.0, 2090, true}, {"sXph_AtPc", sXph, 22.064, 2087.5, false},
    {"nHtp_At273K", nHtp, 273.15, 1, true}, {"nHtp_Below273K", nHtp, Below(273.15), 1, false},
    {"nHtp_At1073KAnd100MPa", nHtp, 1073.15, 100, true}, {"nHtp_At1073KAbove100MPa", nHtp, 1073.15, Above(100), false},
    {"nHtp_Above1073KAt50MPa", nHtp, Above(1073.15), 50, true},
    {"nHtp_Above1073KAbove50MPa", nHtp, Above(1073.15), Above(50), false}, {"nHtp_At2273K", nHtp, 2273.15, 50, true},
    {"nHtp_Above2273K", nHtp, Above(2273.15), 1, false}, {"nHtp_ZeroPressure", nHtp, 400, 0, false},
    {"nHtp_NegativeZeroPressure", nHtp, 400, -0.0, false}, {"nHtp_TinyPressure", nHtp, 400, 1e-300, true},
    {"nHtp_Region3", nHtp, 650, 30, true}, {"nDtp_Above100MPa", nDtp, 300, Above(100), false},
    {"nTph_At100MPa", nTph, 100, 1000, true}, {"nTph_Above100MPa", nTph, Above(100), 1000, false},
    {"nTph_ZeroPressure", nTph, 0, 3000, false}, {"nTph_BelowMinimumEnthalpy", nTph, 1, -10, false},
    {"nTph_AboveMaximumEnthalpy", nTph, 1, 8000, false}, {"nTph_Region3", nTph, 25, 2000, true},
    {"nCPtp_At2273KAnd50MPa", nCPtp, 2273.15, 50, true}, {"nCPtp_Above50MPaInRegion5", nCPtp, 1500, Above(50), false},
    {"nCPtp_Region3", nCPtp, 650, 30, true}, {"nCVtp_ZeroPressure", nCVtp, 300, 0, false},
    {"nTps_Region3", nTps, 25, 4.0, true}, {"nTps_Region5", nTps, 1, 9.0, true},
    {"nTps_ColderThan273K", nTps, 1, -0.01, false}, {"nTps_HotterThan2273K", nTps, 1, 11.0, false},
    {"nTps_Above100MPa", nTps, Above(100), 1.0, false}, {"sRt_At273K", sRt, 273.15, 0, true},
    {"sRt_Below273K", sRt, Below(273.15), 0, false}, {"sRt_AtTc", sRt, 647.096, 0, true},
    {"sRt_AboveTc", sRt, Above(647.096), 0, false}, {"sXps_Inside", sXps, 1, 4.0, true},
    {"sXps_BelowLiquid", sXps, 1, 2.0, false}, {"sXps_AboveVapour", sXps, 1, 7.0, false},
    {"sXps_NearPc", sXps, 22.0, 4.4, true}, {"sHps_Inside", sHps, 1, 4.0, true}, {"nPhs_Region1", nPhs, 500, 1.4, true},
    {"nThs_Region2", nThs, 3000, 7, true}, {"nThs_Region3", nThs, 2000, 4.3, true},
    {"nPhs_Region5", nPhs, 5000, 9, true}, {"sXhs_Wet", sXhs, 2000, 5, true}, {"sXhs_Liquid", sXhs, 500, 1.4, false},
    {"sXhs_Vapour", sXhs, 3000, 7, false}, {"nThs_BelowThe273KTieLine", nThs, 1000, 5, false},
    {"nPhs_LiquidBelow273K", nPhs, -0.1, -0.001, false}, {"nThs_HotterThan2273K", nThs, 7500, 10, false},
    {"nPhs_Above100MPa", nPhs, 1000, 2.0, false},

    // Internal energy, transport properties, surface tension (the transport functions' 1173.15 K in every unit: in
    // TransportCapiTest.cpp).
    {"nUtp_At2273KAnd50MPa", nUtp, 2273.15, 50, true}, {"nUtp_Above2273K", nUtp, Above(2273.15), 1, false},
    {"nKAPtp_At2273KAnd50MPa", nKAPtp, 2273.15, 50, true}, {"nKAPtp_ZeroPressure", nKAPtp, 400, 0, false},
    {"nMUtp_At273K", nMUtp, 273.15, 1, true}, {"nMUtp_Below273K", nMUtp, Below(273.15), 1, false},
    {"nMUtp_At100MPa", nMUtp, 300, 100, true}, {"nMUtp_Above100MPa", nMUtp, 300, Above(100), false},
    {"nLAMtp_Region3", nLAMtp, 650, 30, true}, {"sUtx_WetnessHalf", sUtx, 400, 0.5, true},
    {"sUtx_WetnessElevenTenths", sUtx, 400, 1.1, false}, {"sUtx_AboveTc", sUtx, Above(647.096), 0.5, false},
    {"sMUtx_Liquid", sMUtx, 400, 1.0, true}, {"sMUtx_Vapour", sMUtx, 400, 0.0, true},
    {"sMUtx_VapourMinusZero", sMUtx, 400, -0.0, true}, {"sMUtx_Mixture", sMUtx, 400, 0.5, false},
    {"sMUtx_AlmostLiquid", sMUtx, 400, Below(1.0), false}, {"sMUtx_AboveTc", sMUtx, Above(647.096), 1.0, false},
    {"sMUtx_Below273K", sMUtx, Below(273.15), 1.0, false}, {"sLAMtx_At273K", sLAMtx, 273.15, 0.0, true},
    {"sLAMtx_Mixture", sLAMtx, 400, 0.5, false}, {"sSIGt_At273K", sSIGt, 273.15, 0, true},
    {"sSIGt_Below273K", sSIGt, Below(273.15), 0, false}, {"sSIGt_AtTc", sSIGt, 647.096, 0, true},
    {"sSIGt_AboveTc", sSIGt, Above(647.096), 0, false},
};

class Refusals : public testing::DefaultUnitsWithParam<RefusalCase> {};

TEST_P(Refusals, AcceptOnlyTheRangeOfValidity) {
    ASSERT_NE(STM_SetTempUnit(1), 0);
    const double result = GetParam().function(GetParam().a, GetParam().b);
    EXPECT_TRUE(std::isfinite(result));
    EXPECT_EQ(result != STM_ERROR_VALUE, GetParam().accepted) << result;
}

INSTANTIATE_TEST_SUITE_P(Limits, Refusals, ::testing::ValuesIn(kRefusals),
                         [](const auto& row) { return std::string(row.param.name); });

// The predicates answer 0 or 1; anything else shows as NaN here.
double IsSatPh(double p, double h) { return STM_IsSat_ph(p, h) == 0 || STM_IsSat_ph(p, h) == 1 ? 0.0 : kNaN; }
double IsSatPs(double p, double s) { return STM_IsSat_ps(p, s) == 0 || STM_IsSat_ps(p, s) == 1 ? 0.0 : kNaN; }

// What each argument is, for random values around the range.
enum Argument { kT, kP, kH, kS, kW, kNone };

struct NamedFunction {
    const char* name;
    double (*function)(double, double);
    Argument first, second;
};

constexpr NamedFunction kFunctions[] = {
    {"sTp", sTp, kP, kNone},    {"sPt", sPt, kT, kNone},     {"sRt", sRt, kT, kNone},       {"sHtx", sHtx, kT, kW},
    {"sStx", sStx, kT, kW},     {"sDtx", sDtx, kT, kW},      {"nHtp", nHtp, kT, kP},        {"nStp", nStp, kT, kP},
    {"nDtp", nDtp, kT, kP},     {"nCPtp", nCPtp, kT, kP},    {"nCVtp", nCVtp, kT, kP},      {"nWtp", nWtp, kT, kP},
    {"sXph", sXph, kP, kH},     {"nTph", nTph, kP, kH},      {"IsSat_ph", IsSatPh, kP, kH}, {"sXps", sXps, kP, kS},
    {"sHps", sHps, kP, kS},     {"nTps", nTps, kP, kS},      {"IsSat_ps", IsSatPs, kP, kS}, {"nPhs", nPhs, kH, kS},
    {"nThs", nThs, kH, kS},     {"sXhs", sXhs, kH, kS},
    {"nUtp", nUtp, kT, kP},     {"nMUtp", nMUtp, kT, kP},    {"nLAMtp", nLAMtp, kT, kP},    {"nNUtp", nNUtp, kT, kP},
    {"nPRtp", nPRtp, kT, kP},   {"nKAPtp", nKAPtp, kT, kP},  {"sUtx", sUtx, kT, kW},        {"sMUtx", sMUtx, kT, kW},
    {"sLAMtx", sLAMtx, kT, kW}, {"sSIGt", sSIGt, kT, kNone},
};

class NeverNaNOrInfinity : public testing::InUnitSet {
protected:
    // Finite always; the error value for a NaN or infinite argument, in whatever unit (the predicates answer 0 or
    // 1, which their wrappers turn into 0).
    static void Check(const NamedFunction& f, double a, double b) {
        const double result = f.function(a, b);
        ASSERT_TRUE(std::isfinite(result)) << f.name << "(" << a << ", " << b << ") = " << result;
        const bool nonFinite = !std::isfinite(a) || (f.second != kNone && !std::isfinite(b));
        if (nonFinite && f.function != IsSatPh && f.function != IsSatPs) {
            ASSERT_EQ(result, STM_ERROR_VALUE) << f.name << "(" << a << ", " << b << ")";
        }
    }
};

// Extreme values in every pair; random bit patterns reach every exponent, random values around the range every
// region.
TEST_P(NeverNaNOrInfinity, AnyArguments) {
    using L = std::numeric_limits<double>;
    const std::vector<double> values = {
        0.0, -0.0, L::min(), -L::min(), L::denorm_min(), -L::denorm_min(), L::max(), -L::max(), kInf, -kInf, kNaN,
        -kNaN, L::signaling_NaN(), L::epsilon(), 1.0, -1.0, 0.5, 1e-300, 1e300, -1e300, 9.2233720368547758e18,
        -9.2233720368547758e18, 4.2949672960e9, 2.147483648e9, -99999.999, 273.15, 373.946, 647.096, 22.064, 100.0,
        2000.0, 2273.15, 1e-8};
    for (const NamedFunction& f : kFunctions) {
        for (double a : values) {
            for (double b : values) Check(f, a, b);
        }
    }
    std::mt19937_64 random(20260101);
    using Uniform = std::uniform_real_distribution<double>;
    Uniform around[] = {Uniform(-300.0, 2500.0), Uniform(-1.0, 120.0), Uniform(-500.0, 9000.0),  // T, p, h
                        Uniform(-1.0, 14.0),     Uniform(-0.2, 1.2),   Uniform(0.0, 0.0)};      // s, w, none
    for (int k = 0; k < 3000; ++k) {
        for (const NamedFunction& f : kFunctions) {
            Check(f, std::bit_cast<double>(random()), std::bit_cast<double>(random()));
            Check(f, around[f.first](random), around[f.second](random));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Units, NeverNaNOrInfinity, ::testing::ValuesIn(testing::kUnitSets), testing::UnitSetName);

// Close to the critical point cp and lambda grow without bound, yet every answer stays finite and positive.
using CriticalPoint = testing::DefaultUnits;

TEST_F(CriticalPoint, HeatCapacitiesSpeedOfSoundAndTransportStayFiniteAndPositive) {
    testing::SetUnits(1, 12);
    for (double dT : {-1e-3, -1e-9, 0.0, 1e-9, 1e-3}) {
        for (double dp : {-1e-3, -1e-9, 0.0, 1e-9, 1e-3}) {
            for (auto f : {nCPtp, nCVtp, nWtp, nMUtp, nLAMtp, nNUtp, nPRtp, nKAPtp}) {
                const double x = f(647.096 + dT, 22.064 + dp);
                EXPECT_TRUE(std::isfinite(x) && x > 0.0) << dT << " " << dp << " " << x;
            }
        }
    }
}

}  // namespace
}  // namespace aquaprop
