// Backward equations of region 3 in (p, h) and (p, s): published check values.
#include <gtest/gtest.h>

#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/Region3.h"
#include "engine/core/region3/Backward.h"
#include "tests/engine/Published.h"

namespace aquaprop::region3 {
namespace {

using testing::MatchesPublished;

struct BackwardCase {
    const char* name;
    double p;
    double x;  // h or s
    const char* T;
    const char* v;
};

class BackwardPH : public ::testing::TestWithParam<BackwardCase> {};
class BackwardPS : public ::testing::TestWithParam<BackwardCase> {};

TEST_P(BackwardPH, ReproducesPublishedValues) {
    const BackwardCase& c = GetParam();
    EXPECT_TRUE(MatchesPublished(BackwardTemperaturePH(c.p, c.x), c.T));
    EXPECT_TRUE(MatchesPublished(BackwardVolumePH(c.p, c.x), c.v));
}

TEST_P(BackwardPS, ReproducesPublishedValues) {
    const BackwardCase& c = GetParam();
    EXPECT_TRUE(MatchesPublished(BackwardTemperaturePS(c.p, c.x), c.T));
    EXPECT_TRUE(MatchesPublished(BackwardVolumePS(c.p, c.x), c.v));
}

auto Name = [](const auto& row) { return std::string(row.param.name); };

// SR3 Tables 5 and 8.
INSTANTIATE_TEST_SUITE_P(
    Tables5And8, BackwardPH,
    ::testing::Values(BackwardCase{"Sub3a_20MPa_1700", 20, 1700, "6.293083892e2", "1.749903962e-3"},
                      BackwardCase{"Sub3a_50MPa_2000", 50, 2000, "6.905718338e2", "1.908139035e-3"},
                      BackwardCase{"Sub3a_100MPa_2100", 100, 2100, "7.336163014e2", "1.676229776e-3"},
                      BackwardCase{"Sub3b_20MPa_2500", 20, 2500, "6.418418053e2", "6.670547043e-3"},
                      BackwardCase{"Sub3b_50MPa_2400", 50, 2400, "7.351848618e2", "2.801244590e-3"},
                      BackwardCase{"Sub3b_100MPa_2700", 100, 2700, "8.420460876e2", "2.404234998e-3"}),
    Name);

// SR3 Tables 12 and 15.
INSTANTIATE_TEST_SUITE_P(
    Tables12And15, BackwardPS,
    ::testing::Values(BackwardCase{"Sub3a_20MPa_3p8", 20, 3.8, "6.282959869e2", "1.733791463e-3"},
                      BackwardCase{"Sub3a_50MPa_3p6", 50, 3.6, "6.297158726e2", "1.469680170e-3"},
                      BackwardCase{"Sub3a_100MPa_4p0", 100, 4.0, "7.056880237e2", "1.555893131e-3"},
                      BackwardCase{"Sub3b_20MPa_5p0", 20, 5.0, "6.401176443e2", "6.262101987e-3"},
                      BackwardCase{"Sub3b_50MPa_4p5", 50, 4.5, "7.163687517e2", "2.332634294e-3"},
                      BackwardCase{"Sub3b_100MPa_5p0", 100, 5.0, "8.474332825e2", "2.449610757e-3"}),
    Name);

TEST(B3abEnthalpy, ReproducesPublishedValue) { EXPECT_TRUE(MatchesPublished(B3abEnthalpy(25), "2.095936454e3")); }

struct SaturationCase {
    const char* name;
    double x;
    const char* p;
};

class SaturationPressureFromH : public ::testing::TestWithParam<SaturationCase> {};
class SaturationPressureFromS : public ::testing::TestWithParam<SaturationCase> {};

TEST_P(SaturationPressureFromH, ReproducesPublishedValue) {
    EXPECT_TRUE(MatchesPublished(SaturationPressureH(GetParam().x), GetParam().p));
}

TEST_P(SaturationPressureFromS, ReproducesPublishedValue) {
    EXPECT_TRUE(MatchesPublished(SaturationPressureS(GetParam().x), GetParam().p));
}

// SR3 Tables 18 and 20.
INSTANTIATE_TEST_SUITE_P(Table18, SaturationPressureFromH,
                         ::testing::Values(SaturationCase{"Liquid_1700", 1700, "1.724175718e1"},
                                           SaturationCase{"NearCritical_2000", 2000, "2.193442957e1"},
                                           SaturationCase{"Vapour_2400", 2400, "2.018090839e1"}),
                         Name);
INSTANTIATE_TEST_SUITE_P(Table20, SaturationPressureFromS,
                         ::testing::Values(SaturationCase{"Liquid_3p8", 3.8, "1.687755057e1"},
                                           SaturationCase{"NearCritical_4p2", 4.2, "2.164451789e1"},
                                           SaturationCase{"Vapour_5p2", 5.2, "1.668968482e1"}),
                         Name);

// Across the region 3 band the backward equations stay within their permitted deviation from the
// basic equation (25 mK, 0.01 % in v): the starting values the refined solves rely on.
TEST(BackwardEquations, StayWithinPermittedDeviation) {
    for (double p = 17.0; p <= 100.0; p += 1.7) {
        const double Tmax = boundary::B23Temperature(p);
        for (double T = kRegion13K + 0.05; T < Tmax; T += 2.3) {
            const double rho = DensityPT(p, T);
            const double h = EnthalpyRhoT(rho, T);
            const double s = EntropyRhoT(rho, T);
            EXPECT_NEAR(BackwardTemperaturePH(p, h), T, 0.025) << p << " MPa " << T << " K";
            EXPECT_NEAR(BackwardTemperaturePS(p, s), T, 0.025) << p << " MPa " << T << " K";
            EXPECT_NEAR(BackwardVolumePH(p, h) * rho, 1.0, 1e-4) << p << " MPa " << T << " K";
            EXPECT_NEAR(BackwardVolumePS(p, s) * rho, 1.0, 1e-4) << p << " MPa " << T << " K";
        }
    }
}

}  // namespace
}  // namespace aquaprop::region3
