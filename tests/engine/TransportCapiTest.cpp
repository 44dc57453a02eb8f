// SPDX-License-Identifier: MIT
// Internal energy, transport properties and surface tension through the C interface: the check values in other
// units, the relations between the functions over sweeps of the range, the saturated phases against the single
// states at Tsat(p), growth towards the critical point, and the transport range in every temperature unit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "CapiFixture.h"
#include "Published.h"
#include "TransportData.h"

namespace aquaprop {
namespace {

using testing::DefaultUnits;
using testing::MatchesPublished;
using testing::SetUnits;

constexpr double kCriticalK = 647.096;
constexpr double kTransportMaxK = 1173.15;

// Temperatures in K for the sweeps: the whole transport range, denser around the critical point.
std::vector<double> SweepTemperatures() {
    std::vector<double> T;
    for (double t = 273.15; t < kTransportMaxK; t += 9.7) T.push_back(t);
    for (double t = 640.0; t < 660.0; t += 0.53) T.push_back(t);
    T.push_back(kTransportMaxK);
    return T;
}

// Pressures in Pa, 1 kPa to 100 MPa, denser around the critical pressure.
std::vector<double> SweepPressures() {
    std::vector<double> p;
    for (double q = 1e3; q < 100e6; q *= 1.35) p.push_back(q);
    for (double q = 20e6; q < 26e6; q += 0.37e6) p.push_back(q);
    p.push_back(100e6);
    return p;
}

// The IF97-based check values in degC and Pa (in K and MPa: TransportTest.cpp): mu and lambda are in SI units
// whatever the units.
TEST_F(DefaultUnits, TransportCheckValuesInOtherUnits) {
    SetUnits(2, 11);
    const std::vector<testing::CheckRow> rows = testing::ReadCheckValues("transport_pT_if97.csv");
    ASSERT_EQ(rows.size(), 10u);
    for (const testing::CheckRow& r : rows) {
        SCOPED_TRACE(r.at("T") + " K, " + r.at("p") + " MPa");
        const double T = testing::Number(r, "T") - 273.15;
        const double p = testing::Number(r, "p") * 1e6;
        EXPECT_TRUE(MatchesPublished(1e6 * STM_nMUtp(T, p), r.at("mu")));
        EXPECT_TRUE(MatchesPublished(1e3 * STM_nLAMtp(T, p), r.at("lambda")));
    }
}

// IF97's own u in regions 1, 2 and 5, in kJ/kg and in kcal/kg; the surface tension's three check values in
// degC.
TEST_F(DefaultUnits, InternalEnergyAndSurfaceTensionCheckValues) {
    for (const auto& [enthalpyUnit, perKJ] : {std::pair{32, 1.0}, std::pair{33, 1.0 / 4.1868}}) {
        SetUnits(1, 12, enthalpyUnit);
        for (const testing::GibbsPoint& c : testing::kGibbsPoints) {
            EXPECT_TRUE(MatchesPublished(STM_nUtp(c.T, c.p) / perKJ, c.u)) << c.T << " K, " << c.p << " MPa";
        }
    }
    SetUnits(2, 12);
    for (const auto& [T, sigma] : {std::pair{300.0, "71.685963"}, {450.0, "42.891499"}, {600.0, "8.375611"}}) {
        EXPECT_TRUE(MatchesPublished(1e3 * STM_sSIGt(T - 273.15), sigma)) << T;
    }
}

// Over the sweep, in SI units throughout: nu = mu / rho, Pr = cp mu / lambda, kappa = w^2 rho / p and
// u = h - p v, each to a few units of round-off; lambda positive and finite wherever cp is given.
TEST_F(DefaultUnits, RelationsHoldOverTheRange) {
    SetUnits(1, 11, 31, 51, 72);
    int states = 0;
    for (double T : SweepTemperatures()) {
        for (double p : SweepPressures()) {
            const double rho = STM_nDtp(T, p);
            if (rho == STM_ERROR_VALUE) continue;
            SCOPED_TRACE(::testing::Message() << T << " K, " << p << " Pa");
            ++states;
            const double mu = STM_nMUtp(T, p);
            const double lambda = STM_nLAMtp(T, p);
            const double cp = STM_nCPtp(T, p);
            const double w = STM_nWtp(T, p);
            const double h = STM_nHtp(T, p);
            ASSERT_TRUE(mu > 0.0 && lambda > 0.0 && cp > 0.0) << mu << " " << lambda << " " << cp;
            EXPECT_NEAR(STM_nNUtp(T, p), mu / rho, 1e-15 * mu / rho);
            EXPECT_NEAR(STM_nPRtp(T, p), cp * mu / lambda, 2e-15 * cp * mu / lambda);
            EXPECT_NEAR(STM_nKAPtp(T, p), w * w * rho / p, 2e-15 * w * w * rho / p);
            EXPECT_NEAR(STM_nUtp(T, p), h - p / rho, 1e-12 * std::fabs(h) + 1e-9);
        }
    }
    EXPECT_GT(states, 4000);
}

// At T = STM_sTp(p) the single-state functions give the saturated liquid's values, as the saturation functions
// with w = 1 do. Below psat(T) they give the vapour's: extrapolated from one and two hairs below to psat itself,
// those are the saturation functions' values with w = 0. The internal energy of a mixture is the mixture of the
// phases' h - p v.
TEST_F(DefaultUnits, SaturatedPhasesMatchTheSingleStates) {
    SetUnits(1, 12, 32, 52, 71);
    constexpr double kHair = 1e-10;  // relative
    int temperatures = 0;
    for (double T = 273.16; T < kCriticalK - 0.5; T += 1.37, ++temperatures) {
        SCOPED_TRACE(T);
        // (T, p) is the liquid where T <= STM_sTp(p): p is psat(T) or the next pressure up that makes it so.
        double p = STM_sPt(T);
        for (int step = 0; step < 4096 && STM_sTp(p) < T; ++step) p = std::nextafter(p, 2.0 * p);
        using Function = double (*)(double, double);
        for (auto [saturated, single] : {std::pair<Function, Function>{STM_sMUtx, STM_nMUtp},
                                         {STM_sLAMtx, STM_nLAMtp}, {STM_sUtx, STM_nUtp}}) {
            const double liquid = single(T, p);
            const double vapour = 2.0 * single(T, p * (1.0 - kHair)) - single(T, p * (1.0 - 2.0 * kHair));
            // Above 623.15 K the saturated liquid is the root at psat(T), the single state's density solved at p.
            EXPECT_NEAR(saturated(T, 1.0), liquid, 5e-14 * std::fabs(liquid) + 1e-12);
            EXPECT_NEAR(saturated(T, 0.0), vapour, 1e-12 * vapour);
        }
        for (double w : {0.25, 0.9}) {
            const double u = STM_sHtx(T, w) - 1e3 * p * STM_sDtx(T, w);
            EXPECT_NEAR(STM_sUtx(T, w), u, 1e-12 * STM_sHtx(T, w) + 1e-9) << w;
        }
    }
    EXPECT_GT(temperatures, 250);
}

// Towards the critical point lambda grows without bound in the releases; with IF97's cp it grows and stays finite
// along the saturation line, the liquid's up to 1e-9 K from Tc, the vapour's up to 1e-6 K (its density from the
// scaled law lies inside the isotherm's loop closer to Tc). Where region 3 gives no positive cp there is no
// conductivity; the viscosity and the surface tension (0) are still given at Tc.
TEST_F(DefaultUnits, SaturatedConductivityGrowsTowardsTheCriticalPoint) {
    SetUnits(1, 12);
    double previous[2] = {0.0, 0.0};
    for (double distance : {10.0, 1.0, 0.1, 1e-3, 1e-5, 1e-7, 1e-9}) {
        for (int phase : {0, 1}) {
            const double lambda = STM_sLAMtx(kCriticalK - distance, phase);
            if (phase == 0 && distance < 1e-6) {
                EXPECT_EQ(lambda, STM_ERROR_VALUE) << distance;
                continue;
            }
            EXPECT_TRUE(lambda != STM_ERROR_VALUE && lambda > previous[phase]) << distance << " " << phase;
            previous[phase] = lambda;
        }
    }
    EXPECT_EQ(STM_sLAMtx(kCriticalK, 1.0), STM_ERROR_VALUE);
    EXPECT_EQ(STM_sMUtx(kCriticalK, 1.0), STM_sMUtx(kCriticalK, 0.0));
    EXPECT_EQ(STM_sSIGt(kCriticalK), 0.0);
}

// 1173.15 K is the transport functions' upper limit in every temperature unit; u and kappa go on in region 5.
TEST_F(DefaultUnits, TransportRangeEndsAt1173KInEveryTemperatureUnit) {
    const struct {
        int32_t unit;
        double atLimit, beyond;
    } units[] = {{1, 1173.15, 1173.16}, {2, 900.0, 900.01}, {3, 1652.0, 1652.018}};
    for (const auto& u : units) {
        SetUnits(u.unit, 12);
        for (auto f : {STM_nMUtp, STM_nLAMtp, STM_nNUtp, STM_nPRtp}) {
            EXPECT_NE(f(u.atLimit, 1.0), STM_ERROR_VALUE) << u.unit;
            EXPECT_EQ(f(u.beyond, 1.0), STM_ERROR_VALUE) << u.unit;
            EXPECT_EQ(f(u.atLimit, 50.01), STM_ERROR_VALUE) << u.unit;  // beyond region 5's pressures
        }
        for (auto f : {STM_nUtp, STM_nKAPtp}) EXPECT_NE(f(u.beyond, 1.0), STM_ERROR_VALUE) << u.unit;
    }
}

}  // namespace
}  // namespace aquaprop
