// Temperature from (p, h) and (p, s) in the region 3 band: refined to the Helmholtz equation,
// on the right side of the saturation line, and Tsat(p) inside the dome.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/Region3.h"
#include "engine/core/Region4.h"
#include "engine/core/region3/TemperatureSolve.h"

namespace aquaprop::region3 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

enum class Given { kEnthalpy, kEntropy };

double PropertyAt(Given given, double rho, double T) {
    return given == Given::kEnthalpy ? EnthalpyRhoT(rho, T) : EntropyRhoT(rho, T);
}

DensityTemperature State(Given given, double p, double x) {
    return given == Given::kEnthalpy ? StatePH(p, x) : StatePS(p, x);
}

double Temperature(Given given, double p, double x) {
    return given == Given::kEnthalpy ? TemperaturePH(p, x) : TemperaturePS(p, x);
}

// The solved state reproduces p within 1e-12 and the property within 1e-9, relative.
::testing::AssertionResult Refined(Given given, double p, double x, const DensityTemperature& s) {
    const double pError = std::fabs(Pressure(s.rho, s.T) - p) / p;
    const double xError = std::fabs(PropertyAt(given, s.rho, s.T) - x) / std::fabs(x);
    if (pError <= 1e-12 && xError <= 1e-9) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "p = " << p << ", x = " << x << ": T = " << s.T << ", rho = " << s.rho
                                         << ", errors p " << pError << ", x " << xError;
}

class TemperatureSweep : public ::testing::TestWithParam<Given> {};

// States from a (p, T) grid over the band, below, at and above the critical pressure.
TEST_P(TemperatureSweep, RefinedAcrossTheBand) {
    const Given given = GetParam();
    for (double p = 16.6; p <= kMaxMPa; p += 0.77) {
        const double Tmax = boundary::B23Temperature(p);
        for (double T = kRegion13K; T <= Tmax; T += 0.93) {
            const double rho = DensityPT(p, T);
            const double x = PropertyAt(given, rho, T);
            const DensityTemperature s = State(given, p, x);
            EXPECT_TRUE(Refined(given, p, x, s));
            EXPECT_NEAR(s.T, T, 1e-7) << p << " MPa";
        }
    }
}

// A (p, x) grid around the critical point, where p(rho) is flat and the dome closes.
TEST_P(TemperatureSweep, RefinedAroundTheCriticalPoint) {
    const Given given = GetParam();
    const double xc = PropertyAt(given, kCriticalDensity, kCriticalK);
    for (double p = 21.9; p <= 22.3; p += 0.0123) {
        for (double rel = -0.03; rel <= 0.03; rel += 0.00071) {
            const double x = xc * (1.0 + rel);
            const DensityTemperature s = State(given, p, x);
            if (std::isnan(s.rho)) {
                EXPECT_LT(p, kCriticalMPa);
                EXPECT_EQ(s.T, region4::SaturationTemperature(p));
            } else {
                EXPECT_TRUE(Refined(given, p, x, s));
            }
        }
    }
}

// Next to the saturation line a backward temperature may fall on the wrong side; the refined
// one is on the phase's own side, so that DensityPT at that temperature gives the same state.
TEST_P(TemperatureSweep, JustOutsideTheDomeStaysInItsPhase) {
    const Given given = GetParam();
    for (double p : {16.6, 18.0, 20.0, 21.0, 21.9, 22.0, 22.05}) {
        const double Ts = region4::SaturationTemperature(p);
        const SaturationDensities d = SaturationDensitiesT(Ts);
        const double liquid = PropertyAt(given, d.liquid, Ts);
        const double vapour = PropertyAt(given, d.vapour, Ts);
        for (double rel : {1e-3, 1e-6, 1e-9}) {
            const double xl = liquid * (1.0 - rel);
            const double xv = vapour * (1.0 + rel);
            const double Tl = Temperature(given, p, xl);
            const double Tv = Temperature(given, p, xv);
            EXPECT_LE(Tl, Ts) << p << " " << rel;
            EXPECT_GT(Tv, Ts) << p << " " << rel;
            EXPECT_NEAR(PropertyAt(given, DensityPT(p, Tl), Tl), xl, 1e-9 * std::fabs(xl)) << p << " " << rel;
            EXPECT_NEAR(PropertyAt(given, DensityPT(p, Tv), Tv), xv, 1e-9 * std::fabs(xv)) << p << " " << rel;
        }
    }
}

// The slower path along the isobar agrees with the Newton iteration in (rho, T).
TEST_P(TemperatureSweep, AlongTheIsobarAgrees) {
    const Given given = GetParam();
    for (double p : {17.0, 21.5, 22.064, 25.0, 60.0, 100.0}) {
        const double Tmax = boundary::B23Temperature(p);
        for (double T = kRegion13K + 0.5; T < Tmax; T += 9.7) {
            const double x = PropertyAt(given, DensityPT(p, T), T);
            const DensityTemperature slow =
                given == Given::kEnthalpy ? StatePHAlongIsobar(p, x) : StatePSAlongIsobar(p, x);
            EXPECT_NEAR(slow.T, T, 1e-7) << p << " MPa";
            EXPECT_NEAR(PropertyAt(given, slow.rho, slow.T), x, 1e-9 * std::fabs(x)) << p << " MPa";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PhAndPs, TemperatureSweep, ::testing::Values(Given::kEnthalpy, Given::kEntropy),
                         [](const auto& row) { return row.param == Given::kEnthalpy ? "PH" : "PS"; });

// The dome rule: h'(p) <= h <= h''(p) below pc gives Tsat(p), both ends included.
struct DomeCase {
    const char* name;
    double p;
    double fraction;  // 0 = saturated liquid, 1 = saturated vapour, outside 0..1 outside the dome
    bool inside;
};

class DomeRule : public ::testing::TestWithParam<DomeCase> {};

TEST_P(DomeRule, InsideGivesTheSaturationTemperature) {
    const DomeCase& c = GetParam();
    const double Ts = region4::SaturationTemperature(c.p);
    const SaturationDensities d = SaturationDensitiesT(Ts);
    for (Given given : {Given::kEnthalpy, Given::kEntropy}) {
        const double liquid = PropertyAt(given, d.liquid, Ts);
        const double vapour = PropertyAt(given, d.vapour, Ts);
        double x = liquid + c.fraction * (vapour - liquid);
        if (c.fraction == 1.0) x = vapour;
        const double T = Temperature(given, c.p, x);
        if (c.inside) {
            EXPECT_EQ(T, Ts);
        } else {
            EXPECT_NE(T, Ts);
            EXPECT_TRUE(Refined(given, c.p, x, State(given, c.p, x)));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Band, DomeRule,
    ::testing::Values(DomeCase{"SaturatedLiquid_17MPa", 17.0, 0.0, true},
                      DomeCase{"SaturatedVapour_17MPa", 17.0, 1.0, true},
                      DomeCase{"WetMiddle_17MPa", 17.0, 0.5, true},
                      DomeCase{"JustBelowLiquid_17MPa", 17.0, -1e-7, false},
                      DomeCase{"JustAboveVapour_17MPa", 17.0, 1.0 + 1e-7, false},
                      DomeCase{"SaturatedLiquid_21p9MPa", 21.9, 0.0, true},
                      DomeCase{"WetMiddle_21p9MPa", 21.9, 0.5, true},
                      DomeCase{"JustAboveVapour_21p9MPa", 21.9, 1.0 + 1e-6, false},
                      DomeCase{"SaturatedVapour_22p06MPa", 22.06, 1.0, true},
                      DomeCase{"JustBelowLiquid_22p06MPa", 22.06, -1e-4, false},
                      DomeCase{"WetMiddle_NearPc", 22.0639, 0.5, true},
                      DomeCase{"WetMiddle_LowestBandPressure", 16.5292, 0.5, true}),
    [](const auto& row) { return std::string(row.param.name); });

// At and above the critical pressure there is no dome.
TEST(TemperaturePH, NoDomeFromTheCriticalPressureUp) {
    const double hc = EnthalpyRhoT(kCriticalDensity, kCriticalK);
    for (double p : {kCriticalMPa, 22.1, 25.0}) {
        const DensityTemperature s = StatePH(p, hc);
        EXPECT_FALSE(std::isnan(s.rho)) << p;
        EXPECT_TRUE(Refined(Given::kEnthalpy, p, hc, s)) << p;
    }
}

TEST(TemperaturePH, NotFiniteOrOutsideThePressureRangeGivesNaN) {
    for (const auto& [p, x] : {std::pair{kNaN, 2000.0}, {25.0, kNaN}, {kInf, 2000.0}, {25.0, -kInf},
                               {0.0, 2000.0}, {-1.0, 2000.0}, {100.5, 2000.0}}) {
        EXPECT_TRUE(std::isnan(TemperaturePH(p, x))) << p << " " << x;
        EXPECT_TRUE(std::isnan(TemperaturePS(p, x / 500.0))) << p << " " << x;
    }
}

// Far outside the band the answer is NaN, not a temperature from a diverged iteration.
TEST(TemperaturePH, FarOutsideTheBandGivesNaN) {
    for (const auto& [p, h] : {std::pair{50.0, 100.0}, {50.0, 8000.0}, {25.0, -3000.0}, {25.0, 1e9}}) {
        EXPECT_TRUE(std::isnan(TemperaturePH(p, h))) << p << " " << h;
    }
}

}  // namespace
}  // namespace aquaprop::region3
