// cp, cv and w through the C interface: the published values, cv and w against finite differences of h and v,
// the saturation line, and the units.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "CapiFixture.h"
#include "Published.h"

#ifndef AQUAPROP_HAVE_REGION3
#define AQUAPROP_HAVE_REGION3 0
#endif

namespace aquaprop {
namespace {

using testing::DefaultUnitsWithParam;
using testing::MatchesPublished;

// Kelvin, MPa, kJ/kg, kJ/(kg K), and v or rho as the case needs.
void SetPublishedUnits(int32_t volume) {
    ASSERT_NE(STM_SetTempUnit(1), 0);
    ASSERT_NE(STM_SetPressUnit(12), 0);
    ASSERT_NE(STM_SetEnthalUnit(32), 0);
    ASSERT_NE(STM_SetEntroUnit(52), 0);
    ASSERT_NE(STM_SetDensityUnit(volume), 0);
}

// The pressure at which the engine's density at T is rho, found by secant steps on STM_nDtp: region 3 is
// published at (T, rho), and its printed pressure has too few digits to find that density again near the
// critical point.
double PressureAtDensity(double T, double rho, double p) {
    double pPrevious = p * (1 + 1e-6);
    double fPrevious = STM_nDtp(T, pPrevious) - rho;
    for (int step = 0; step < 30; ++step) {
        const double f = STM_nDtp(T, p) - rho;
        if (f == 0.0 || f == fPrevious) break;
        const double next = p - f * (p - pPrevious) / (f - fPrevious);
        pPrevious = p;
        fPrevious = f;
        p = next;
    }
    return p;
}

// IF97 Tables 5, 15, 42 (T, p) and 33 (T, rho, with the printed p as a start).
struct PublishedCase {
    const char* name;
    double T;
    double p;
    double rho;  // region 3 only, else 0
    const char* cp;
    const char* w;
};

class PublishedHeatCapacityAndSound : public DefaultUnitsWithParam<PublishedCase> {};

TEST_P(PublishedHeatCapacityAndSound, ReproducePublishedValues) {
    const PublishedCase& c = GetParam();
    if (c.rho > 0.0 && !AQUAPROP_HAVE_REGION3) GTEST_SKIP() << "region 3 is not in this build";
    SetPublishedUnits(c.rho > 0.0 ? 72 : 71);
    const double p = c.rho > 0.0 ? PressureAtDensity(c.T, c.rho, c.p) : c.p;
    if (c.rho > 0.0) {
        ASSERT_NEAR(STM_nDtp(c.T, p), c.rho, 1e-10 * c.rho);
    }
    EXPECT_TRUE(MatchesPublished(STM_nCPtp(c.T, p), c.cp));
    EXPECT_TRUE(MatchesPublished(STM_nWtp(c.T, p), c.w));
}

INSTANTIATE_TEST_SUITE_P(
    Regions, PublishedHeatCapacityAndSound,
    ::testing::Values(
        PublishedCase{"Region1_300K_3MPa", 300, 3, 0, "0.417301218e1", "0.150773921e4"},
        PublishedCase{"Region1_300K_80MPa", 300, 80, 0, "0.401008987e1", "0.163469054e4"},
        PublishedCase{"Region1_500K_3MPa", 500, 3, 0, "0.465580682e1", "0.124071337e4"},
        PublishedCase{"Region2_300K_3500Pa", 300, 0.0035, 0, "0.191300162e1", "0.427920172e3"},
        PublishedCase{"Region2_700K_3500Pa", 700, 0.0035, 0, "0.208141274e1", "0.644289068e3"},
        PublishedCase{"Region2_700K_30MPa", 700, 30, 0, "0.103505092e2", "0.480386523e3"},
        PublishedCase{"Region3_650K_500kgm3", 650, 25.5837018, 500, "0.138935717e2", "0.502005554e3"},
        PublishedCase{"Region3_650K_200kgm3", 650, 22.2930643, 200, "0.446579342e2", "0.383444594e3"},
        PublishedCase{"Region3_750K_500kgm3", 750, 78.3095639, 500, "0.634165359e1", "0.760696041e3"},
        PublishedCase{"Region5_1500K_0p5MPa", 1500, 0.5, 0, "0.261609445e1", "0.917068690e3"},
        PublishedCase{"Region5_1500K_30MPa", 1500, 30, 0, "0.272724317e1", "0.928548002e3"},
        PublishedCase{"Region5_2000K_30MPa", 2000, 30, 0, "0.288569882e1", "0.106736948e4"}),
    [](const ::testing::TestParamInfo<PublishedCase>& row) { return std::string(row.param.name); });

// cv and w follow from cp and the derivatives of v(p, T): cv = cp + T (dv/dT)^2 / (dv/dp) and
// w^2 = -v^2 / (dv/dp + T (dv/dT)^2 / cp). Central differences of STM_nHtp and STM_nDtp in SI units give
// all of them without the engine's own derivative formulas.
struct DerivativeCase {
    const char* name;
    double T;  // K
    double p;  // MPa
    bool needsRegion3;
};

// Five-point central difference: its error of order step^4 leaves round-off as the limit.
template <typename F>
double Derivative(F f, double x, double step) {
    return (f(x - 2 * step) - 8 * f(x - step) + 8 * f(x + step) - f(x + 2 * step)) / (12 * step);
}

class DerivativeRelations : public DefaultUnitsWithParam<DerivativeCase> {
protected:
    void SetUp() override {
        DefaultUnitsWithParam::SetUp();
        ASSERT_NE(STM_SetTempUnit(1), 0);
        ASSERT_NE(STM_SetPressUnit(11), 0);
        ASSERT_NE(STM_SetEnthalUnit(31), 0);
        ASSERT_NE(STM_SetEntroUnit(51), 0);
    }
};

TEST_P(DerivativeRelations, CvAndSpeedOfSoundMatchFiniteDifferences) {
    const DerivativeCase& c = GetParam();
    if (c.needsRegion3 && !AQUAPROP_HAVE_REGION3) GTEST_SKIP() << "region 3 is not in this build";
    const double T = c.T;
    const double p = c.p * 1e6;
    const double dT = 1e-2;
    const double dp = p * 1e-4;
    const double cp = Derivative([p](double t) { return STM_nHtp(t, p); }, T, dT);
    const double dvdT = Derivative([p](double t) { return STM_nDtp(t, p); }, T, dT);
    const double dvdp = Derivative([T](double q) { return STM_nDtp(T, q); }, p, dp);
    const double v = STM_nDtp(T, p);
    const double cv = cp + T * dvdT * dvdT / dvdp;
    const double w = std::sqrt(-v * v / (dvdp + T * dvdT * dvdT / cp));
    EXPECT_NEAR(STM_nCPtp(T, p), cp, 1e-6 * cp);
    EXPECT_NEAR(STM_nCVtp(T, p), cv, 1e-6 * cp);
    EXPECT_NEAR(STM_nWtp(T, p), w, 1e-6 * w);
    EXPECT_LT(STM_nCVtp(T, p), STM_nCPtp(T, p));
}

INSTANTIATE_TEST_SUITE_P(
    Regions, DerivativeRelations,
    ::testing::Values(DerivativeCase{"Region1_ColdWater", 280, 0.101325, false},
                      DerivativeCase{"Region1_NearDensityMaximum", 277.13, 0.101325, false},
                      DerivativeCase{"Region1_HighPressure", 400, 90, false},
                      DerivativeCase{"Region1_Below623K", 620, 20, false},
                      DerivativeCase{"Region2_LowPressure", 400, 0.001, false},
                      DerivativeCase{"Region2_NearSaturation", 454, 1.0, false},
                      DerivativeCase{"Region2_Dense", 800, 60, false},
                      DerivativeCase{"Region3_Liquidlike", 640, 25, true},
                      DerivativeCase{"Region3_NearCritical", 648, 22.5, true},
                      DerivativeCase{"Region3_Vapourlike", 700, 30, true},
                      DerivativeCase{"Region3_SubcriticalLiquid", 640, 20.5, true},
                      DerivativeCase{"Region5_Low", 1100, 0.1, false},
                      DerivativeCase{"Region5_High", 2200, 45, false}),
    [](const ::testing::TestParamInfo<DerivativeCase>& row) { return std::string(row.param.name); });

// At T = Tsat(p) the liquid's values, like every other single-state function; a hair above, the vapour's.
struct SaturationCase {
    const char* name;
    double p;  // MPa
};

class SaturationLine : public DefaultUnitsWithParam<SaturationCase> {};

TEST_P(SaturationLine, SaturationTemperatureGivesTheLiquid) {
    const double p = GetParam().p;
    if (p > 16.5292 && !AQUAPROP_HAVE_REGION3) GTEST_SKIP() << "region 3 is not in this build";
    const double Ts = STM_sTp(p);
    const double below = Ts - 1e-7;
    const double above = Ts + 1e-7;
    EXPECT_NEAR(STM_nCPtp(Ts, p), STM_nCPtp(below, p), 1e-5 * STM_nCPtp(below, p)) << p;
    EXPECT_NEAR(STM_nCVtp(Ts, p), STM_nCVtp(below, p), 1e-5 * STM_nCVtp(below, p)) << p;
    EXPECT_NEAR(STM_nWtp(Ts, p), STM_nWtp(below, p), 1e-5 * STM_nWtp(below, p)) << p;
    // A hair above Tsat the vapour, whose speed of sound differs by a few percent even at 21.9 MPa.
    EXPECT_GT(std::fabs(STM_nWtp(above, p) - STM_nWtp(Ts, p)), 0.02 * STM_nWtp(Ts, p)) << p;
}

INSTANTIATE_TEST_SUITE_P(
    Pressures, SaturationLine,
    ::testing::Values(SaturationCase{"Region12_1kPa", 0.001}, SaturationCase{"Region12_1atm", 0.101325},
                      SaturationCase{"Region12_1MPa", 1.0}, SaturationCase{"Region12_10MPa", 10.0},
                      SaturationCase{"Region12_16MPa", 16.0}, SaturationCase{"Region3_20MPa", 20.0},
                      SaturationCase{"Region3_NearCritical", 21.9}),
    [](const ::testing::TestParamInfo<SaturationCase>& row) { return std::string(row.param.name); });

// Heat capacities follow the entropy unit, the speed of sound stays in m/s whatever the units.
using HeatCapacityUnits = testing::DefaultUnits;

TEST_F(HeatCapacityUnits, HeatCapacitiesInTheEntropyUnit) {
    const double cp = STM_nCPtp(150.0, 1.0);
    const double cv = STM_nCVtp(150.0, 1.0);
    ASSERT_NE(STM_SetEntroUnit(51), 0);
    EXPECT_DOUBLE_EQ(STM_nCPtp(150.0, 1.0), cp * 1000.0);
    EXPECT_DOUBLE_EQ(STM_nCVtp(150.0, 1.0), cv * 1000.0);
    ASSERT_NE(STM_SetEntroUnit(53), 0);
    EXPECT_DOUBLE_EQ(STM_nCPtp(150.0, 1.0), cp / 4.1868);
    EXPECT_DOUBLE_EQ(STM_nCVtp(150.0, 1.0), cv / 4.1868);
}

TEST_F(HeatCapacityUnits, SpeedOfSoundIgnoresTheUnits) {
    const double w = STM_nWtp(150.0, 1.0);
    ASSERT_NE(STM_SetTempUnit(3), 0);
    ASSERT_NE(STM_SetPressUnit(18), 0);
    ASSERT_NE(STM_SetEnthalUnit(33), 0);
    ASSERT_NE(STM_SetEntroUnit(53), 0);
    ASSERT_NE(STM_SetDensityUnit(72), 0);
    // 150 degC = 302 degF; 1 MPa = 1e6 / 101325 - 1 atm gauge.
    EXPECT_NEAR(STM_nWtp(302.0, 1e6 / 101325.0 - 1.0), w, 1e-9 * w);
}

}  // namespace
}  // namespace aquaprop
