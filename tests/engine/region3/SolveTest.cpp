// SPDX-License-Identifier: MIT
// Region 3 solves: the density of (p, T) and its right root next to the saturation line and near the critical
// point, both saturation roots above 623.15 K, and the temperature of (p, h) and (p, s) refined to the
// Helmholtz equation; NaN wherever there is no answer. The shortcuts for one state or one property give the
// general path's values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <utility>
#include <vector>

#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/Region3.h"
#include "engine/core/Region4.h"
#include "engine/core/Region1.h"
#include "engine/core/Region2.h"
#include "engine/core/region3/DensitySolve.h"
#include "engine/core/region3/Edges.h"
#include "engine/core/region3/TemperatureSolve.h"

namespace aquaprop::region3 {
namespace {

using enum Quantity;

constexpr double kInf = std::numeric_limits<double>::infinity();

::testing::AssertionResult SolvesPressure(double p, double T) {
    const double rho = DensityPT(p, T);
    const double error = std::fabs(Pressure(rho, T) - p) / p;
    if (error <= 1e-12) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "p = " << p << " MPa, T = " << T << " K: rho = " << rho
                                         << ", relative pressure error " << error;
}

// Over the region up to its boundaries and around the critical point.
TEST(DensityPT, SolvesThePressureToFullPrecision) {
    for (double p = kSat13MPa; p <= kMaxMPa; p += 0.371) {
        const double Tmax = std::max(boundary::B23Temperature(p), kRegion13K);
        for (double T = kRegion13K; T <= Tmax; T += 0.617) EXPECT_TRUE(SolvesPressure(p, T));
        EXPECT_TRUE(SolvesPressure(p, Tmax));
    }
    EXPECT_TRUE(SolvesPressure(kMaxMPa, kB23MaxK));
    for (double dp = -0.05; dp <= 0.05; dp += 0.00125) {
        for (double dT = -0.05; dT <= 0.05; dT += 0.00125) {
            EXPECT_TRUE(SolvesPressure(kCriticalMPa + dp, kCriticalK + dT));
        }
    }
    EXPECT_TRUE(SolvesPressure(kCriticalMPa, kCriticalK));
}

// Within a kilopascal of psat both roots exist, and a bracket from approximate densities would miss the stable
// one: the liquid is at least as dense as the saturated liquid, the vapour at most as the saturated vapour.
// Exactly at Tsat(p) the state is liquid, one step hotter it is vapour.
TEST(DensityPT, TakesTheStableRootBesideTheSaturationLine) {
    for (double T : {623.15, 630.0, 640.0, 645.0, 646.9, 647.09}) {
        const double ps = region4::SaturationPressure(T);
        const Saturated<double> sat = SaturationDensitiesT(T);
        for (double offset : {1e-3, 1e-4, 1e-6, 1e-9}) {
            EXPECT_TRUE(SolvesPressure(ps + offset, T));
            EXPECT_TRUE(SolvesPressure(ps - offset, T));
            EXPECT_GE(DensityPT(ps + offset, T), sat.liquid) << T << " K " << offset;
            EXPECT_LE(DensityPT(ps - offset, T), sat.vapour) << T << " K " << offset;
        }
    }
    for (double p : {16.6, 19.0, 21.0, 22.0}) {
        const double Ts = region4::SaturationTemperature(p);
        const Saturated<double> sat = SaturationDensitiesT(Ts);
        EXPECT_NEAR(DensityPT(p, Ts), sat.liquid, 1e-9 * sat.liquid) << p;
        EXPECT_NEAR(DensityPT(p, std::nextafter(Ts, kB23MaxK)), sat.vapour, 1e-6 * sat.vapour) << p;
    }
}

// A branch without a root at p gives NaN, never the edge of its bracket: at 630 K the vapour branch of the
// isotherm peaks near 18.55 MPa. Whatever the starting value, the root is the one on the requested branch.
TEST(SolveDensity, FindsTheRootOnTheRequestedBranchOrNone) {
    const Isotherm at630(630.0);
    EXPECT_TRUE(std::isnan(SolveDensity(at630, 19.0, Branch::kVapour, 150.0)));
    EXPECT_TRUE(std::isnan(SolveDensity(at630, 300.0, Branch::kAny, 600.0)));
    const double liquid = SolveDensity(at630, 19.0, Branch::kLiquid, 150.0);
    EXPECT_NEAR(at630.Pressure(liquid), 19.0, 19.0 * 1e-12);
    EXPECT_GT(liquid, kCriticalDensity);
    const double ps = region4::SaturationPressure(640.0);
    const Isotherm at640(640.0);
    const Saturated<double> sat = SaturationDensitiesT(640.0);
    for (double start : {-1.0, 0.0, 50.0, 177.0, 322.0, 400.0, 481.0, 700.0, 5000.0, kNaN}) {
        EXPECT_NEAR(SolveDensity(at640, ps, Branch::kLiquid, start), sat.liquid, 1e-9 * sat.liquid) << start;
        EXPECT_NEAR(SolveDensity(at640, ps, Branch::kVapour, start), sat.vapour, 1e-9 * sat.vapour) << start;
    }
}

double Gibbs(double rho, double T) { return PropertyRhoT<kEnthalpy>(rho, T) - T * PropertyRhoT<kEntropy>(rho, T); }

// Where psat(T) passes over the top of the isotherm's loop: above it the saturated densities follow the scaled law.
constexpr double kJoinK = 647.0959653424;

// The saturated densities from 623.15 K to Tc, closing in on Tc and on the join in steps of 2 % (below the join
// down to 2e-6 K from it: closer, steps of under 4e-8 K move the roots by less than psat's round-off does, see
// below): up to the join
// both roots of p(rho) = psat(T), on their own sides of rhoc and with equal Gibbs energies within the formulation's
// consistency (below 1e-5 RT: the region 4 pressure is not exactly region 3's own equilibrium pressure); above it
// the square-root law from the join's roots; rho' falling and rho'' rising with T, h' rising and h'' falling, all
// the way to rhoc at Tc.
TEST(SaturationDensitiesT, ExactRootsUpToTheJoinAndTheScaledLawAbove) {
    std::vector<double> temperatures;
    for (double d = kCriticalK - kRegion13K; d > 1e-13; d *= 0.98) temperatures.push_back(kCriticalK - d);
    for (double d = 3e-5; d > 1e-13; d *= 0.98) {
        if (d > 2e-6) temperatures.push_back(kJoinK - d);
        if (kJoinK + d < kCriticalK) temperatures.push_back(kJoinK + d);
    }
    temperatures.insert(temperatures.end(), {kJoinK, std::nextafter(kJoinK, kInf), kCriticalK});
    std::sort(temperatures.begin(), temperatures.end());
    const Saturated<double> join = SaturationDensitiesT(kJoinK);
    Saturated<double> previous = SaturationDensitiesT(kRegion13K);
    Saturated<double> previousH = {PropertyRhoT<kEnthalpy>(previous.liquid, kRegion13K),
                                   PropertyRhoT<kEnthalpy>(previous.vapour, kRegion13K)};
    for (double T : temperatures) {
        SCOPED_TRACE(::testing::Message() << "Tc - " << kCriticalK - T << " K");
        const Saturated<double> d = SaturationDensitiesT(T);
        const Saturated<double> h = {PropertyRhoT<kEnthalpy>(d.liquid, T), PropertyRhoT<kEnthalpy>(d.vapour, T)};
        if (T <= kJoinK) {
            const double ps = region4::SaturationPressure(T);
            EXPECT_NEAR(Pressure(d.liquid, T), ps, 1e-12 * ps);
            EXPECT_NEAR(Pressure(d.vapour, T), ps, 1e-12 * ps);
            EXPECT_NEAR(Gibbs(d.liquid, T), Gibbs(d.vapour, T), 1e-5 * kGasConstant * T);
        } else {
            const double scale = std::sqrt((kCriticalK - T) / (kCriticalK - kJoinK));
            EXPECT_NEAR(d.liquid - kCriticalDensity, (join.liquid - kCriticalDensity) * scale, 1e-12);
            EXPECT_NEAR(kCriticalDensity - d.vapour, (kCriticalDensity - join.vapour) * scale, 1e-12);
        }
        EXPECT_TRUE(T == kCriticalK ? d.liquid == kCriticalDensity && d.vapour == kCriticalDensity
                                    : d.liquid > kCriticalDensity && d.vapour < kCriticalDensity);
        EXPECT_LE(d.liquid, previous.liquid);
        EXPECT_GE(d.vapour, previous.vapour);
        EXPECT_GE(h.liquid, previousH.liquid);
        EXPECT_LE(h.vapour, previousH.vapour);
        previous = d;
        previousH = h;
    }
    // Right below the join the vapour root sits near the top of the loop, where psat's own round-off (a few
    // 1e-15) moves it by up to 4e-4 kg/m3; a microkelvin above, the loop's top lies below psat and the vapour
    // branch has no root there.
    const Saturated<double> below = SaturationDensitiesT(std::nextafter(kJoinK, 0.0));
    EXPECT_NEAR(below.vapour, join.vapour, 1e-3);
    EXPECT_NEAR(below.liquid, join.liquid, 1e-5);
    const double above = kJoinK + 1e-6;
    EXPECT_TRUE(std::isnan(SolveDensity(Isotherm(above), region4::SaturationPressure(above), Branch::kVapour, 321.0)));
}

// The shortcuts give the general path's values to the last bit: the derivatives at one state without keeping its
// isotherm, only the parts that h or s need, and the saturated h or s alone, computed with the roots (every other
// temperature) or from the roots that the other function left behind, below and above the join.
TEST(Helmholtz, ShortcutsGiveTheFullDerivativesValues) {
    for (double T = kRegion13K; T <= kB23MaxK; T += 7.3) {
        const Isotherm isotherm(T);
        for (double rho = 80.0; rho <= kMaxDensity; rho += 37.1) {
            SCOPED_TRACE(::testing::Message() << "T = " << T << " K, rho = " << rho);
            const Reduced all = isotherm.Derivatives(rho);
            const Reduced at = DerivativesAt<kEveryPart>(rho, T);
            const Reduced noPhi = DerivativesAt<kEveryPart & ~kPhi>(rho, T);
            const Reduced h = isotherm.Derivatives<kPartsOf<kEnthalpy>>(rho);
            const Reduced s = isotherm.Derivatives<kPartsOf<kEntropy>>(rho);
            EXPECT_TRUE(at.phi == all.phi && at.d == all.d && at.dd == all.dd && at.t == all.t && at.tt == all.tt &&
                        at.dt == all.dt);
            EXPECT_TRUE(noPhi.d == all.d && noPhi.dd == all.dd && noPhi.t == all.t && noPhi.tt == all.tt &&
                        noPhi.dt == all.dt);
            EXPECT_TRUE(h.d == all.d && h.t == all.t);
            EXPECT_TRUE(s.phi == all.phi && s.t == all.t);
        }
    }
}

// The enthalpy carried from one density to another a tiny step away is the one evaluated there (the two differ
// by the round-off of the tau sums, computed in extended precision for the carry), and so is the enthalpy of
// (p, T), which the solve carries to its root, across the region and around the critical point.
TEST(EnthalpyNear, MatchesTheEnthalpyEvaluatedThere) {
    const auto near = [](double h, double expected) { return std::fabs(h - expected) <= 3e-13 * std::fabs(expected); };
    for (double T = kRegion13K; T <= kB23MaxK; T += 7.3) {
        const Isotherm isotherm(T);
        for (double rho = 80.0; rho <= kMaxDensity; rho += 37.1) {
            const Reduced parts = isotherm.ExcessSlopeAndEnthalpyParts(rho, 0.0L).second;
            for (double step : {1e-10, -1e-10, 0.0}) {
                const double to = rho * (1.0 + step);
                EXPECT_TRUE(near(EnthalpyNear(parts, rho, to, T), PropertyRhoT<kEnthalpy>(to, T)))
                    << T << " K, " << rho << " -> " << to << " kg/m3";
            }
        }
    }
    const auto atRoot = [](double p, double T) { return PropertyRhoT<kEnthalpy>(DensityPT(p, T), T); };
    for (double p = kSat13MPa; p <= kMaxMPa; p += 1.371) {
        for (double T = kRegion13K; T <= std::max(boundary::B23Temperature(p), kRegion13K); T += 1.617) {
            EXPECT_TRUE(near(PropertyPT<kEnthalpy>(p, T), atRoot(p, T))) << p << " MPa, " << T << " K";
        }
    }
    for (double dp = -0.05; dp <= 0.05; dp += 0.0025) {
        for (double dT = -0.05; dT <= 0.05; dT += 0.0025) {
            const double p = kCriticalMPa + dp, T = kCriticalK + dT;
            EXPECT_TRUE(near(PropertyPT<kEnthalpy>(p, T), atRoot(p, T))) << p << " MPa, " << T << " K";
        }
    }
}

TEST(SaturationPropertyT, TheSaturatedStatesOwnValues) {
    std::vector<double> temperatures;
    for (double T = kRegion13K; T < kCriticalK; T += 0.77) temperatures.push_back(T);
    temperatures.insert(temperatures.end(), {kJoinK, kJoinK + 1e-6, kCriticalK - 1e-9, kCriticalK});
    bool propertyFirst = true;
    for (double T : temperatures) {
        SCOPED_TRACE(::testing::Message() << "T = " << T << " K");
        Saturated<Props> states{};
        if (!propertyFirst) states = SaturationPropsT(T);
        const Saturated<double> h = SaturationPropertyT<kEnthalpy>(T);
        const Saturated<double> s = SaturationPropertyT<kEntropy>(T);
        if (propertyFirst) states = SaturationPropsT(T);
        propertyFirst = !propertyFirst;
        EXPECT_TRUE(h.liquid == states.liquid.h && h.vapour == states.vapour.h);
        EXPECT_TRUE(s.liquid == states.liquid.s && s.vapour == states.vapour.s);
    }
    for (double T : {kRegion13K - 1e-9, std::nextafter(kCriticalK, kInf), kNaN}) {
        const Saturated<double> h = SaturationPropertyT<kEnthalpy>(T);
        EXPECT_TRUE(std::isnan(h.liquid) && std::isnan(h.vapour)) << T;
    }
}

double PropertyAt(Quantity given, double rho, double T) {
    return given == kEnthalpy ? PropertyRhoT<kEnthalpy>(rho, T) : PropertyRhoT<kEntropy>(rho, T);
}

// The solved state reproduces p within 1e-12 and the property within 1e-9, relative.
::testing::AssertionResult Refined(Quantity given, double p, double x, const DensityTemperature& s) {
    const double pError = std::fabs(Pressure(s.rho, s.T) - p) / p;
    const double xError = std::fabs(PropertyAt(given, s.rho, s.T) - x) / std::fabs(x);
    if (pError <= 1e-12 && xError <= 1e-9) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "p = " << p << ", x = " << x << ": T = " << s.T << ", rho = " << s.rho
                                         << ", errors p " << pError << ", x " << xError;
}

class TemperatureSweep : public ::testing::TestWithParam<Quantity> {
protected:
    DensityTemperature State(double p, double x) const {
        return ByEnthalpy() ? Solve<kEnthalpy>(p, x) : Solve<kEntropy>(p, x);
    }
    // The slower path along the isobar that the Newton iteration falls back on.
    DensityTemperature AlongIsobar(double p, double x) const {
        return ByEnthalpy() ? SolveAlongIsobar<kEnthalpy>(p, x) : SolveAlongIsobar<kEntropy>(p, x);
    }
    bool ByEnthalpy() const { return GetParam() == kEnthalpy; }
};

// States from a (p, T) grid over the band, below, at and above the critical pressure, by both paths.
TEST_P(TemperatureSweep, RefinedAcrossTheBand) {
    for (double p = 16.6; p <= kMaxMPa; p += 0.77) {
        const double Tmax = boundary::B23Temperature(p);
        for (double T = kRegion13K; T <= Tmax; T += 0.93) {
            const double x = PropertyAt(GetParam(), DensityPT(p, T), T);
            for (const DensityTemperature& s : {State(p, x), AlongIsobar(p, x)}) {
                EXPECT_TRUE(Refined(GetParam(), p, x, s));
                EXPECT_NEAR(s.T, T, 1e-7) << p << " MPa";
            }
        }
    }
}

// A (p, x) grid around the critical point, where p(rho) is flat and the dome closes: below pc inside the dome
// Tsat(p), from pc up no dome at all.
TEST_P(TemperatureSweep, RefinedAroundTheCriticalPoint) {
    const double xc = PropertyAt(GetParam(), kCriticalDensity, kCriticalK);
    for (int k = -13; k <= 19; ++k) {
        const double p = kCriticalMPa + 0.0123 * k;
        for (double rel = -0.03; rel <= 0.03; rel += 0.00071) {
            for (double x : {xc * (1.0 + rel), xc}) {
                const DensityTemperature s = State(p, x);
                if (std::isnan(s.rho)) {
                    EXPECT_LT(p, kCriticalMPa);
                    EXPECT_EQ(s.T, region4::SaturationTemperature(p));
                } else {
                    EXPECT_TRUE(Refined(GetParam(), p, x, s));
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PhAndPs, TemperatureSweep, ::testing::Values(kEnthalpy, kEntropy),
                         [](const auto& row) { return row.param == kEnthalpy ? "PH" : "PS"; });

// The edge bounds never place a state beyond an edge it is not beyond: at the edge's own value (and an ulp inside
// region 3) they cannot tell, at any pressure; halfway between the edges they settle it; outside region 3's
// pressures they tell nothing.
template <Quantity q>
void CheckEdgeBounds() {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> pressure(kSat13MPa, kMaxMPa);
    std::vector<double> ps = {kSat13MPa, kMaxMPa, std::nextafter(kMaxMPa, 0.0)};
    for (int k = 0; k <= 20000; ++k) ps.push_back(kSat13MPa + (kMaxMPa - kSat13MPa) * k / 20000.0);
    for (int k = 0; k < 20000; ++k) ps.push_back(pressure(random));
    for (double p : ps) {
        const double x1 = region1::Property<q>(p, kRegion13K);
        const double x2 = region2::Property<q>(p, boundary::B23Temperature(p));
        ASSERT_FALSE(AboveRegion1Edge<q>(p, x1)) << p;
        ASSERT_FALSE(AboveRegion1Edge<q>(p, std::nextafter(x1, kInf))) << p;
        ASSERT_FALSE(BelowRegion2Edge<q>(p, x2)) << p;
        ASSERT_FALSE(BelowRegion2Edge<q>(p, std::nextafter(x2, -kInf))) << p;
        const double middle = 0.5 * (x1 + x2);
        EXPECT_TRUE(AboveRegion1Edge<q>(p, middle) && BelowRegion2Edge<q>(p, middle)) << p;
    }
    for (double p : {std::nextafter(kSat13MPa, 0.0), 100.5, kNaN}) {
        EXPECT_FALSE(AboveRegion1Edge<q>(p, 1e9)) << p;
        EXPECT_FALSE(BelowRegion2Edge<q>(p, -1e9)) << p;
    }
}

TEST(RegionEdges, BoundsNeverClaimASideWrongly) {
    CheckEdgeBounds<kEnthalpy>();
    CheckEdgeBounds<kEntropy>();
}

double BothDensities(double T, double) {
    const Saturated<double> d = SaturationDensitiesT(T);
    return std::isnan(d.liquid) && std::isnan(d.vapour) ? kNaN : 0.0;
}

// Outside the range or not finite the solves give NaN, not the edge of a bracket or a diverged iteration.
TEST(Region3, OutsideItsRangeEverySolveGivesNaN) {
    const struct {
        const char* name;
        double (*f)(double, double);
        std::vector<std::pair<double, double>> arguments;
    } cases[] = {
        {"DensityPT", DensityPT,
         {{50, 623.1}, {50, 863.2}, {100.1, 700}, {0.0, 700}, {-5, 700}, {kNaN, 700}, {50, kNaN}, {kInf, 700}}},
        {"SaturationDensitiesT", BothDensities,
         {{623.14, 0}, {647.0961, 0}, {300, 0}, {kNaN, 0}, {kInf, 0}, {-kInf, 0}}},
        {"TemperaturePH", Temperature<kEnthalpy>,
         {{kNaN, 2000}, {25, kNaN}, {kInf, 2000}, {25, -kInf}, {0.0, 2000}, {-1, 2000}, {100.5, 2000}, {50, 100},
          {50, 8000}, {25, -3000}, {25, 1e9}}},
        {"TemperaturePS", Temperature<kEntropy>, {{kNaN, 4}, {25, -kInf}, {0.0, 4}, {100.5, 4}}}};
    for (const auto& c : cases) {
        for (const auto& [a, b] : c.arguments) EXPECT_TRUE(std::isnan(c.f(a, b))) << c.name << " " << a << " " << b;
    }
}

}  // namespace
}  // namespace aquaprop::region3
