// The region 3 Helmholtz equation: published states and the relations between its outputs.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/core/Constants.h"
#include "engine/core/Region3.h"
#include "engine/core/region3/Helmholtz.h"
#include "tests/engine/Published.h"

namespace aquaprop::region3 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

using testing::MatchesPublished;

struct RhoTCase {
    const char* name;
    double T;
    double rho;
    const char* p;
    const char* h;
    const char* u;
    const char* s;
    const char* cp;
    const char* w;
};

class HelmholtzVerification : public ::testing::TestWithParam<RhoTCase> {};

TEST_P(HelmholtzVerification, ReproducesPublishedValues) {
    const RhoTCase& c = GetParam();
    const Props x = PropsRhoT(c.rho, c.T);
    EXPECT_TRUE(MatchesPublished(Pressure(c.rho, c.T), c.p));
    EXPECT_TRUE(MatchesPublished(x.h, c.h));
    EXPECT_TRUE(MatchesPublished(x.u, c.u));
    EXPECT_TRUE(MatchesPublished(x.s, c.s));
    EXPECT_TRUE(MatchesPublished(x.cp, c.cp));
    EXPECT_TRUE(MatchesPublished(x.w, c.w));
    EXPECT_DOUBLE_EQ(EnthalpyRhoT(c.rho, c.T), x.h);
    EXPECT_DOUBLE_EQ(EntropyRhoT(c.rho, c.T), x.s);
    EXPECT_DOUBLE_EQ(x.v, 1.0 / c.rho);
}

// IF97 Table 33.
INSTANTIATE_TEST_SUITE_P(
    Table33, HelmholtzVerification,
    ::testing::Values(
        RhoTCase{"Liquidlike_650K_500", 650, 500, "0.255837018e2", "0.186343019e4", "0.181226279e4", "0.405427273e1",
                 "0.138935717e2", "0.502005554e3"},
        RhoTCase{"NearCritical_650K_200", 650, 200, "0.222930643e2", "0.237512401e4", "0.226365868e4",
                 "0.485438792e1", "0.446579342e2", "0.383444594e3"},
        RhoTCase{"Supercritical_750K_500", 750, 500, "0.783095639e2", "0.225868845e4", "0.210206932e4",
                 "0.446971906e1", "0.634165359e1", "0.760696041e3"}),
    [](const auto& row) { return std::string(row.param.name); });

// The solvers rely on the isotherm's fast evaluations agreeing with the full derivative set,
// and on the slope being the derivative of the pressure.
TEST(Isotherm, PressureAndSlopeAgreeWithDerivatives) {
    for (double T : {623.15, 647.096, 700.0, 863.15}) {
        const Isotherm isotherm(T);
        for (double rho : {50.0, 200.0, 322.0, 500.0, 750.0}) {
            const PressureSlope ps = isotherm.PressureAndSlope(rho);
            const Reduced r = isotherm.Derivatives(rho);
            const double rt = kGasConstant * T;
            EXPECT_NEAR(ps.p, rho * rt * r.d * 1e-3, 1e-13 * std::fabs(ps.p)) << T << " " << rho;
            EXPECT_DOUBLE_EQ(isotherm.Pressure(rho), ps.p);
            const double step = 1e-4 * rho;
            const double numeric = (isotherm.Pressure(rho + step) - isotherm.Pressure(rho - step)) / (2.0 * step);
            EXPECT_NEAR(ps.dpdrho, numeric, 1e-6 * std::fabs(ps.p) / rho + 1e-9) << T << " " << rho;
        }
    }
}

// h = u + p v and the Gibbs relations: catches a wrong sign or factor in one property formula.
// Stable states only: inside the isotherm's loop cp is negative.
TEST(PropsRhoT, PropertiesAreMutuallyConsistent) {
    for (double T : {660.0, 700.0, 800.0}) {
        for (double rho : {100.0, 322.0, 600.0}) {
            const Props x = PropsRhoT(rho, T);
            const double p = Pressure(rho, T);
            EXPECT_NEAR(x.h, x.u + p * 1e3 * x.v, 1e-10 * x.h);
            // cv = T (ds/dT) at constant volume, by a central difference.
            const double dT = 1e-3;
            const double cv = T * (EntropyRhoT(rho, T + dT) - EntropyRhoT(rho, T - dT)) / (2.0 * dT);
            EXPECT_NEAR(x.cv, cv, 1e-6 * x.cv);
            EXPECT_GT(x.cp, x.cv);
            EXPECT_GT(x.w, 0.0);
        }
    }
}

TEST(PropsRhoT, NonPhysicalInputsGiveNaN) {
    for (const auto& [rho, T] : {std::pair{0.0, 700.0}, {-1.0, 700.0}, {500.0, 0.0}, {kNaN, 700.0}, {500.0, kInf}}) {
        EXPECT_TRUE(std::isnan(Pressure(rho, T)));
        EXPECT_TRUE(std::isnan(EnthalpyRhoT(rho, T)));
        EXPECT_TRUE(std::isnan(EntropyRhoT(rho, T)));
        EXPECT_TRUE(std::isnan(PropsRhoT(rho, T).h));
    }
}

}  // namespace
}  // namespace aquaprop::region3
