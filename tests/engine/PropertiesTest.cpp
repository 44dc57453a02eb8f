// SPDX-License-Identifier: MIT
// The property functions through the C interface: the published values, cv and w against finite differences
// of h and v, the values at the saturation temperature, the wet state from p and s, the latent heat, the
// two-phase predicates outside the dome and the state from h and s.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

#include "CapiFixture.h"
#include "Published.h"

namespace aquaprop {
namespace {

using testing::MatchesPublished;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kCriticalC = 373.946;

using DefaultUnits = testing::DefaultUnits;

TEST_F(DefaultUnits, PublishedValues) {
    testing::SetUnits(1, 12);
    for (const testing::GibbsPoint& c : testing::kGibbsPoints) {
        SCOPED_TRACE(::testing::Message() << c.T << " K, " << c.p << " MPa");
        EXPECT_TRUE(MatchesPublished(STM_nDtp(c.T, c.p), c.v));
        EXPECT_TRUE(MatchesPublished(STM_nHtp(c.T, c.p), c.h));
        EXPECT_TRUE(MatchesPublished(STM_nStp(c.T, c.p), c.s));
        EXPECT_TRUE(MatchesPublished(STM_nCPtp(c.T, c.p), c.cp));
        EXPECT_TRUE(MatchesPublished(STM_nWtp(c.T, c.p), c.w));
    }
    // Region 3 is published at (T, rho); its printed pressure has too few digits to find that density again
    // near the critical point, so secant steps on STM_nDtp find the pressure of the published density.
    for (const testing::HelmholtzPoint& c : testing::kHelmholtzPoints) {
        SCOPED_TRACE(::testing::Message() << c.T << " K, " << c.rho << " kg/m3");
        double p = std::strtod(c.p, nullptr);
        double pPrevious = p * (1 + 1e-6);
        for (int step = 0; step < 30; ++step) {
            const double f = STM_nDtp(c.T, p) * c.rho - 1.0;
            const double fPrevious = STM_nDtp(c.T, pPrevious) * c.rho - 1.0;
            if (f == 0.0 || f == fPrevious) break;
            pPrevious = std::exchange(p, p - f * (p - pPrevious) / (f - fPrevious));
        }
        ASSERT_NEAR(STM_nDtp(c.T, p) * c.rho, 1.0, 1e-10);
        EXPECT_TRUE(MatchesPublished(STM_nHtp(c.T, p), c.h));
        EXPECT_TRUE(MatchesPublished(STM_nStp(c.T, p), c.s));
        EXPECT_TRUE(MatchesPublished(STM_nCPtp(c.T, p), c.cp));
        EXPECT_TRUE(MatchesPublished(STM_nWtp(c.T, p), c.w));
    }
}

// cv and w follow from cp and the derivatives of v(p, T): cv = cp + T (dv/dT)^2 / (dv/dp) and
// w^2 = -v^2 / (dv/dp + T (dv/dT)^2 / cp). Differences of STM_nHtp and STM_nDtp in SI units give them
// without the engine's own derivative formulas; five-point differences leave round-off as the limit.
template <typename F>
double Derivative(F f, double x, double step) {
    return (f(x - 2 * step) - 8 * f(x - step) + 8 * f(x + step) - f(x + 2 * step)) / (12 * step);
}

TEST_F(DefaultUnits, CvAndSpeedOfSoundMatchFiniteDifferences) {
    testing::SetUnits(1, 11, 31, 51);
    // Region 1 near the density maximum, high, below 623.15 K; region 2 low, near saturation, dense; region 3
    // liquid-like, near critical, vapour-like, subcritical liquid; region 5 low and high.
    for (const auto& [T, pMPa] : {std::pair{277.13, 0.101325}, {400.0, 90.0}, {620.0, 20.0}, {400.0, 0.001},
                                  {454.0, 1.0}, {800.0, 60.0}, {640.0, 25.0}, {648.0, 22.5}, {700.0, 30.0},
                                  {640.0, 20.5}, {1100.0, 0.1}, {2200.0, 45.0}}) {
        SCOPED_TRACE(::testing::Message() << T << " K, " << pMPa << " MPa");
        const double p = pMPa * 1e6;
        const double cp = Derivative([p](double t) { return STM_nHtp(t, p); }, T, 1e-2);
        const double dvdT = Derivative([p](double t) { return STM_nDtp(t, p); }, T, 1e-2);
        const double dvdp = Derivative([T](double q) { return STM_nDtp(T, q); }, p, p * 1e-4);
        const double v = STM_nDtp(T, p);
        const double w = std::sqrt(-v * v / (dvdp + T * dvdT * dvdT / cp));
        EXPECT_NEAR(STM_nCPtp(T, p), cp, 1e-6 * cp);
        EXPECT_NEAR(STM_nCVtp(T, p), cp + T * dvdT * dvdT / dvdp, 1e-6 * cp);
        EXPECT_NEAR(STM_nWtp(T, p), w, 1e-6 * w);
        EXPECT_LT(STM_nCVtp(T, p), STM_nCPtp(T, p));
    }
}

// Outside the range, at and above the critical pressure, and for NaN or infinities: 0, never an error value.
TEST_F(DefaultUnits, NoTwoPhaseRegionOutsideTheDome) {
    const struct {
        const char* name;
        double p, x;
    } cases[] = {{"AtPc_CriticalEntropy", 22.064, 4.412}, {"AtPc_CriticalEnthalpy", 22.064, 2087.5},
                 {"Supercritical", 30.0, 3.0},            {"BelowLowestPressure", 600e-6, 4.0},
                 {"ZeroPressure", 0.0, 4.0},              {"PressureNaN", kNaN, 4.0},
                 {"PressureInf", kInf, 4.0},              {"ValueNaN", 1.0, kNaN},
                 {"ValueMinusInf", 1.0, -kInf},           {"ErrorValueAsInput", 1.0, STM_ERROR_VALUE}};
    for (const auto& c : cases) {
        EXPECT_EQ(STM_IsSat_ph(c.p, c.x), 0) << c.name;
        EXPECT_EQ(STM_IsSat_ps(c.p, c.x), 0) << c.name;
        EXPECT_EQ(STM_sXps(c.p, c.x), STM_ERROR_VALUE) << c.name;
        EXPECT_EQ(STM_sHps(c.p, c.x), STM_ERROR_VALUE) << c.name;
    }
}

// A state's h and s give back its p and T in the current units, in every region; wet states give psat, Tsat and
// the wetness, single phases no wetness.
TEST_F(DefaultUnits, StateFromEnthalpyAndEntropy) {
    for (const auto& [T, p] : {std::pair{20.0, 1.0}, {300.0, 90.0}, {200.0, 0.01}, {500.0, 1.0}, {370.0, 25.0},
                               {450.0, 30.0}, {1000.0, 10.0}, {1500.0, 0.5}}) {
        SCOPED_TRACE(::testing::Message() << T << " degC, " << p << " MPa");
        const double h = STM_nHtp(T, p);
        const double s = STM_nStp(T, p);
        EXPECT_NEAR(STM_nThs(h, s), T, 1e-9 * (T + 273.15));
        EXPECT_NEAR(STM_nPhs(h, s), p, 1e-9 * p);
        EXPECT_EQ(STM_sXhs(h, s), STM_ERROR_VALUE);
    }
    for (const auto& [T, w] : {std::pair{0.01, 0.5}, {100.0, 0.0}, {250.0, 1.0}, {360.0, 0.3}}) {
        SCOPED_TRACE(::testing::Message() << T << " degC, w = " << w);
        const double h = STM_sHtx(T, w);
        const double s = STM_sStx(T, w);
        EXPECT_NEAR(STM_nThs(h, s), T, 1e-9 * (T + 273.15));
        EXPECT_NEAR(STM_nPhs(h, s), STM_sPt(T), 1e-9 * STM_sPt(T));
        EXPECT_NEAR(STM_sXhs(h, s), w, 1e-9);
    }
}

// Latent heat: known at 100 degC, zero at the critical point and shrinking towards it.
TEST_F(DefaultUnits, LatentHeat) {
    EXPECT_NEAR(STM_sRt(100.0), 2256.47, 0.01);
    EXPECT_NEAR(STM_sRt(kCriticalC), 0.0, 1e-6);
    EXPECT_GT(STM_sRt(kCriticalC - 0.1), 0.0);
    EXPECT_LT(STM_sRt(kCriticalC - 0.1), STM_sRt(kCriticalC - 1.0));
}

}  // namespace
}  // namespace aquaprop
