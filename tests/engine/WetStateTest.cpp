// The wet state from p and s, the latent heat and the two-phase predicates through the C interface.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "CapiFixture.h"

#ifndef AQUAPROP_HAVE_REGION3
#define AQUAPROP_HAVE_REGION3 0
#endif

namespace aquaprop {
namespace {

using testing::DefaultUnits;
using testing::DefaultUnitsWithParam;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kCriticalC = 373.946;

// Saturation temperatures in degC, up to just below the critical point when region 3 is built. There h' and h''
// change so fast with T that the round trip T -> psat -> Tsat moves them by more than the 1e-12 the edges are
// allowed: those rows test the open interval only.
struct WetCase {
    const char* name;
    double T;
    bool needsRegion3;
    bool edges = true;
};

class MixtureRule : public DefaultUnitsWithParam<WetCase> {
protected:
    void SetUp() override {
        DefaultUnitsWithParam::SetUp();
        if (GetParam().needsRegion3 && !AQUAPROP_HAVE_REGION3) GTEST_SKIP() << "region 3 is not in this build";
    }
};

// s = w s' + (1 - w) s'' at psat(T) gives back w, and the enthalpy of the same mixture.
TEST_P(MixtureRule, WetnessAndEnthalpyFromEntropy) {
    const double T = GetParam().T;
    const double p = STM_sPt(T);
    for (double w : {0.0, 1e-6, 0.1, 0.5, 0.9, 1.0 - 1e-6, 1.0}) {
        if (!GetParam().edges && (w == 0.0 || w == 1.0)) continue;
        const double s = STM_sStx(T, w);
        EXPECT_NEAR(STM_sXps(p, s), w, 1e-9) << "w=" << w;
        const double h = STM_sHtx(T, w);
        EXPECT_NEAR(STM_sHps(p, s), h, 1e-9 * std::max(std::fabs(h), 1.0)) << "w=" << w;
        EXPECT_EQ(STM_IsSat_ps(p, s), 1) << "w=" << w;
        EXPECT_EQ(STM_IsSat_ph(p, h), 1) << "w=" << w;
        // The same state from (p, h): the two routes agree.
        EXPECT_NEAR(STM_sXph(p, h), w, 1e-9) << "w=" << w;
    }
}

// sXps and sHps agree with sXph and nTps inside the dome, and refuse outside it.
TEST_P(MixtureRule, OutsideTheDomeIsRefused) {
    const double T = GetParam().T;
    const double p = STM_sPt(T);
    const double sLiquid = STM_sStx(T, 1.0);
    const double sVapour = STM_sStx(T, 0.0);
    const double step = 1e-6 * (sVapour - sLiquid);
    EXPECT_EQ(STM_sXps(p, sLiquid - step), STM_ERROR_VALUE);
    EXPECT_EQ(STM_sXps(p, sVapour + step), STM_ERROR_VALUE);
    EXPECT_EQ(STM_sHps(p, sLiquid - step), STM_ERROR_VALUE);
    EXPECT_EQ(STM_sHps(p, sVapour + step), STM_ERROR_VALUE);
    EXPECT_NEAR(STM_nTps(p, 0.5 * (sLiquid + sVapour)), T, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Temperatures, MixtureRule,
                         ::testing::Values(WetCase{"At0C", 0.0, false}, WetCase{"At0p01C", 0.01, false},
                                           WetCase{"At100C", 100.0, false}, WetCase{"At300C", 300.0, false},
                                           WetCase{"At350C", 350.0, false}, WetCase{"At360C", 360.0, true},
                                           WetCase{"At373p9C", 373.9, true, false}),
                         [](const ::testing::TestParamInfo<WetCase>& row) { return std::string(row.param.name); });

// The predicates at h', h'' (s', s'') exactly as the saturation functions give them, and just outside.
struct EdgeCase {
    const char* name;
    double T;
    bool byEntropy;
    double wetness;      // 1 = the liquid edge, 0 = the vapour edge
    double relativeStep; // 0 = on the edge; outward beyond it otherwise
    int16_t expected;
};

class TwoPhasePredicates : public DefaultUnitsWithParam<EdgeCase> {};

TEST_P(TwoPhasePredicates, EdgesBelongToTheTwoPhaseRegion) {
    const EdgeCase& c = GetParam();
    const double p = STM_sPt(c.T);
    const double x = c.byEntropy ? STM_sStx(c.T, c.wetness) : STM_sHtx(c.T, c.wetness);
    const double outward = c.wetness == 1.0 ? -1.0 : 1.0;
    const double probe = x + outward * c.relativeStep * std::fabs(x);
    const int16_t result = c.byEntropy ? STM_IsSat_ps(p, probe) : STM_IsSat_ph(p, probe);
    EXPECT_EQ(result, c.expected);
    // Exactly where the predicate says yes, the wetness function has an answer.
    const double w = c.byEntropy ? STM_sXps(p, probe) : STM_sXph(p, probe);
    EXPECT_EQ(w != STM_ERROR_VALUE, result == 1);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, TwoPhasePredicates,
    ::testing::Values(EdgeCase{"Ph_LiquidEdge_100C", 100.0, false, 1.0, 0.0, 1},
                      EdgeCase{"Ph_VapourEdge_100C", 100.0, false, 0.0, 0.0, 1},
                      EdgeCase{"Ph_BelowLiquid_100C", 100.0, false, 1.0, 1e-9, 0},
                      EdgeCase{"Ph_AboveVapour_100C", 100.0, false, 0.0, 1e-9, 0},
                      EdgeCase{"Ph_LiquidEdge_250C", 250.0, false, 1.0, 0.0, 1},
                      EdgeCase{"Ph_AboveVapour_250C", 250.0, false, 0.0, 1e-9, 0},
                      EdgeCase{"Ps_LiquidEdge_100C", 100.0, true, 1.0, 0.0, 1},
                      EdgeCase{"Ps_VapourEdge_100C", 100.0, true, 0.0, 0.0, 1},
                      EdgeCase{"Ps_BelowLiquid_100C", 100.0, true, 1.0, 1e-9, 0},
                      EdgeCase{"Ps_AboveVapour_100C", 100.0, true, 0.0, 1e-9, 0},
                      EdgeCase{"Ps_LiquidEdge_0C", 0.0, true, 1.0, 0.0, 1},
                      EdgeCase{"Ps_VapourEdge_340C", 340.0, true, 0.0, 0.0, 1},
                      EdgeCase{"Ps_BelowLiquid_340C", 340.0, true, 1.0, 1e-9, 0}),
    [](const ::testing::TestParamInfo<EdgeCase>& row) { return std::string(row.param.name); });

// Outside the range, at and above the critical pressure, and for NaN or infinities: 0, never an error value.
struct NoDomeCase {
    const char* name;
    double p;
    double x;
};

class NoTwoPhaseRegion : public DefaultUnitsWithParam<NoDomeCase> {};

TEST_P(NoTwoPhaseRegion, PredicatesSayNoAndWetStatesAreRefused) {
    const NoDomeCase& c = GetParam();
    EXPECT_EQ(STM_IsSat_ph(c.p, c.x), 0);
    EXPECT_EQ(STM_IsSat_ps(c.p, c.x), 0);
    EXPECT_EQ(STM_sXps(c.p, c.x), STM_ERROR_VALUE);
    EXPECT_EQ(STM_sHps(c.p, c.x), STM_ERROR_VALUE);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, NoTwoPhaseRegion,
    ::testing::Values(NoDomeCase{"AtCriticalPressure_CriticalEntropy", 22.064, 4.412},
                      NoDomeCase{"AtCriticalPressure_CriticalEnthalpy", 22.064, 2087.5},
                      NoDomeCase{"Supercritical", 30.0, 3.0}, NoDomeCase{"BelowLowestPressure", 600e-6, 4.0},
                      NoDomeCase{"ZeroPressure", 0.0, 4.0}, NoDomeCase{"NegativePressure", -1.0, 4.0},
                      NoDomeCase{"PressureNaN", kNaN, 4.0}, NoDomeCase{"PressureInf", kInf, 4.0},
                      NoDomeCase{"ValueNaN", 1.0, kNaN}, NoDomeCase{"ValueMinusInf", 1.0, -kInf},
                      NoDomeCase{"ErrorValueAsInput", 1.0, STM_ERROR_VALUE}),
    [](const ::testing::TestParamInfo<NoDomeCase>& row) { return std::string(row.param.name); });

// Random (p, h) and (p, s): the predicate is 1 exactly where the wetness functions answer.
TEST_F(DefaultUnits, PredicatesAgreeWithTheWetnessFunctions) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> pressure(-0.5, 25.0);
    std::uniform_real_distribution<double> enthalpy(-100.0, 3000.0);
    std::uniform_real_distribution<double> entropy(-0.5, 9.5);
    int inside = 0;
    for (int k = 0; k < 5000; ++k) {
        const double p = pressure(random);
        const double h = enthalpy(random);
        const double s = entropy(random);
        EXPECT_EQ(STM_IsSat_ph(p, h) == 1, STM_sXph(p, h) != STM_ERROR_VALUE) << p << " " << h;
        EXPECT_EQ(STM_IsSat_ps(p, s) == 1, STM_sXps(p, s) != STM_ERROR_VALUE) << p << " " << s;
        inside += STM_IsSat_ps(p, s);
    }
    EXPECT_GT(inside, 500);
}

// Latent heat: h'' - h' from the saturation functions; known near 100 degC; zero at the critical point.
TEST_F(DefaultUnits, LatentHeatIsTheEnthalpyStep) {
    for (double T : {0.0, 50.0, 100.0, 200.0, 300.0, 350.0}) {
        EXPECT_NEAR(STM_sRt(T), STM_sHtx(T, 0.0) - STM_sHtx(T, 1.0), 1e-9) << T;
    }
    EXPECT_NEAR(STM_sRt(100.0), 2256.47, 0.01);
    if (AQUAPROP_HAVE_REGION3) {
        EXPECT_NEAR(STM_sRt(kCriticalC), 0.0, 1e-6);
        EXPECT_GT(STM_sRt(kCriticalC - 0.1), 0.0);
        EXPECT_LT(STM_sRt(kCriticalC - 0.1), STM_sRt(kCriticalC - 1.0));
    }
    EXPECT_EQ(STM_sRt(-0.01), STM_ERROR_VALUE);
    EXPECT_EQ(STM_sRt(kCriticalC + 0.01), STM_ERROR_VALUE);
    EXPECT_EQ(STM_sRt(kNaN), STM_ERROR_VALUE);
}

TEST_F(DefaultUnits, LatentHeatInTheEnthalpyUnit) {
    const double r = STM_sRt(100.0);
    ASSERT_NE(STM_SetEnthalUnit(31), 0);
    EXPECT_DOUBLE_EQ(STM_sRt(100.0), r * 1000.0);
    ASSERT_NE(STM_SetEnthalUnit(33), 0);
    EXPECT_DOUBLE_EQ(STM_sRt(100.0), r / 4.1868);
    ASSERT_NE(STM_SetTempUnit(1), 0);
    EXPECT_DOUBLE_EQ(STM_sRt(373.15), r / 4.1868);
}

// In other units the wet state keeps its meaning: entropy in kcal/(kg K), pressure in mmHg gauge.
TEST_F(DefaultUnits, WetStateInOtherUnits) {
    const double w = STM_sXps(1.0, STM_sStx(STM_sTp(1.0), 0.25));
    const double h = STM_sHps(1.0, STM_sStx(STM_sTp(1.0), 0.25));
    ASSERT_NEAR(w, 0.25, 1e-12);
    ASSERT_NE(STM_SetEntroUnit(53), 0);
    ASSERT_NE(STM_SetEnthalUnit(31), 0);
    ASSERT_NE(STM_SetPressUnit(16), 0);
    const double pGauge = 1e6 / (101325.0 / 760.0) - 760.0;
    const double s = STM_sStx(STM_sTp(pGauge), 0.25);
    EXPECT_NEAR(STM_sXps(pGauge, s), 0.25, 1e-9);
    EXPECT_NEAR(STM_sHps(pGauge, s), h * 1000.0, 1e-6);
    EXPECT_EQ(STM_IsSat_ps(pGauge, s), 1);
}

}  // namespace
}  // namespace aquaprop
