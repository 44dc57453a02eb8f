// T(p, h) and T(p, s) refined to the forward equations over every region, the saturation dome, and
// continuity across the region boundaries.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/Region1.h"
#include "engine/core/Region2.h"
#include "engine/core/Region3.h"
#include "engine/core/Region4.h"
#include "engine/core/Saturation.h"
#include "engine/core/Selection.h"

namespace aquaprop {
namespace {

constexpr double kRefinedRel = 1e-9;

using enum Quantity;

// The core's h and s functions, chosen at run time for parameterised tests.
double Forward(Quantity given, double p, double T) {
    return given == kEnthalpy ? PropertyPT<kEnthalpy>(p, T) : PropertyPT<kEntropy>(p, T);
}
double Inverse(Quantity given, double p, double x) {
    return given == kEnthalpy ? Temperature<kEnthalpy>(p, x) : Temperature<kEntropy>(p, x);
}
Saturated<double> SaturatedAt(Quantity given, double T) {
    return given == kEnthalpy ? saturation::Property<kEnthalpy>(T) : saturation::Property<kEntropy>(T);
}

// A log grid plus every pressure where something changes: 2a/2b at 4 MPa, the B2bc root from 4.5 MPa,
// the 2b/2c start, 16.529 MPa, the critical pressure, 50 MPa and 100 MPa.
std::vector<double> SweepPressures() {
    std::vector<double> p = {kSatMinMPa, 0.101325, 3.99, 4.0, 4.01, 4.2, 4.5, 6.5467, 6.6, 16.0, kSat13MPa, 16.53, 17.0,
                             20.0, 21.5, 22.0, 22.06, 22.064, 22.07, 25.0, 49.99, 50.0, 50.01, 99.99, 100.0};
    for (double x = 1e-5; x < 100.0; x *= 1.7) p.push_back(x);
    return p;
}

// Where the answer may be a boundary temperature whose two sides differ by the formulation's own
// inconsistency: Tsat(p), and 623.15 K, B23 and 1073.15 K.
bool OnSaturationOrSeam(double p, double T) {
    const bool saturation = p <= kCriticalMPa && p >= kSatMinMPa;
    if (saturation && std::fabs(T - region4::SaturationTemperature(p)) <= T * 1e-9) return true;
    return T == kRegion25K || (p > kSat13MPa && (T == kRegion13K || T == boundary::B23Temperature(p)));
}

class RefinedInverse : public ::testing::TestWithParam<Quantity> {};

// x(T(p, x), p) = x to 1e-9 over a grid from 273.15 K to the top of the range at every sweep pressure,
// below 0.1 kPa (where the region 2 backward equations are tens of kelvin off) up to 100 MPa.
TEST_P(RefinedInverse, ValueRoundTripsOverTheGrid) {
    const Quantity given = GetParam();
    constexpr int kSteps = 600;
    int checked = 0;
    for (double p : SweepPressures()) {
        const double lo = Forward(given, p, kMinK);
        const double hi = p <= kMaxRegion5MPa ? Forward(given, p, kMaxK) : Forward(given, p, kRegion25K);
        for (int k = 0; k <= kSteps; ++k) {
            const double x = k == kSteps ? hi : lo + (hi - lo) * k / kSteps;
            const double T = Inverse(given, p, x);
            ASSERT_TRUE(std::isfinite(T)) << "p=" << p << " x=" << x;
            if (OnSaturationOrSeam(p, T)) continue;
            ASSERT_NEAR(Forward(given, p, T), x, kRefinedRel * std::max(std::fabs(x), 1.0)) << "p=" << p << " T=" << T;
            ++checked;
        }
    }
    EXPECT_GT(checked, 25000);
}

// From x' to x'' the answer is Tsat(p). Just outside, a backward estimate may fall on the wrong side of the
// saturation line and take the other phase's values, off by up to 2000 kJ/kg: the answer must stay on its
// own side and reproduce x there.
TEST_P(RefinedInverse, OnInsideAndBesideTheDome) {
    const Quantity given = GetParam();
    std::vector<double> pressures = {kSat13MPa, 17.0, 20.0, 21.5, 22.0, 22.06, 22.0639};
    for (double p = 0.001; p < kSat13MPa; p *= 1.3) pressures.push_back(p);
    for (double p : pressures) {
        const double Ts = region4::SaturationTemperature(p);
        const Saturated<double> sat = SaturatedAt(given, Ts);
        EXPECT_NEAR(Inverse(given, p, sat.liquid), Ts, Ts * 1e-12) << p;
        EXPECT_NEAR(Inverse(given, p, sat.vapour), Ts, Ts * 1e-12) << p;
        EXPECT_EQ(Inverse(given, p, 0.5 * (sat.liquid + sat.vapour)), Ts) << p;
        if (p > 22.06) continue;  // closer to pc these steps stay within 1e-12 of Tsat(p)
        for (double d : {1e-9, 1e-6, 1e-3, 0.05}) {
            SCOPED_TRACE(std::to_string(p) + " MPa, step " + std::to_string(d));
            const double xLiquid = sat.liquid - d;
            const double xVapour = sat.vapour + d;
            const double TLiquid = Inverse(given, p, xLiquid);
            const double TVapour = Inverse(given, p, xVapour);
            EXPECT_LE(TLiquid, Ts);
            EXPECT_GE(TVapour, Ts);
            EXPECT_NEAR(Forward(given, p, TLiquid), xLiquid, kRefinedRel * std::max(std::fabs(xLiquid), 1.0));
            // Within 1e-12 of Tsat(p) the forward functions give the liquid's value, so the vapour's is x''.
            const bool atTs = TVapour <= Ts * (1 + kSatRelTolerance);
            EXPECT_NEAR(atTs ? sat.vapour : Forward(given, p, TVapour), xVapour, kRefinedRel * xVapour);
        }
    }
}

// Region 3 meets region 1 at 623.15 K and region 2 on the B23 line only within the formulation's consistency.
// Every value between the two equations' values on such a line gives a temperature on the line, and inside a
// gap (region 3's value beyond the neighbour's) exactly the line's.
TEST_P(RefinedInverse, ValuesBetweenTheEquationsAtARegion3SeamGiveTheSeam) {
    const bool byEntropy = GetParam() == kEntropy;
    for (bool onB23 : {false, true}) {
        int gaps = 0;
        for (double p = 16.6; p <= kMaxMPa; p += 0.37) {
            const double Tline = onB23 ? boundary::B23Temperature(p) : kRegion13K;
            const Props region3 = region3::PropsPT(p, Tline);
            const Props other = onB23 ? region2::State(p, Tline) : region1::State(p, Tline);
            const double x3 = byEntropy ? region3.s : region3.h;
            const double xOther = byEntropy ? other.s : other.h;
            const bool gap = onB23 ? x3 < xOther : x3 > xOther;
            for (double f : {0.0, 0.25, 0.5, 0.75, 1.0}) {
                const double T = Inverse(GetParam(), p, x3 + (xOther - x3) * f);
                ASSERT_NEAR(T, Tline, 0.05) << "B23 " << onB23 << ", p=" << p << " f=" << f;
                if (gap && f > 0.0 && f < 1.0) {
                    EXPECT_EQ(T, Tline) << "B23 " << onB23 << ", p=" << p << " f=" << f;
                }
            }
            gaps += gap ? 1 : 0;
        }
        EXPECT_GT(gaps, 10) << "B23 " << onB23;
    }
}

INSTANTIATE_TEST_SUITE_P(PhAndPs, RefinedInverse, ::testing::Values(kEnthalpy, kEntropy),
                         [](const auto& row) { return row.param == kEnthalpy ? "PH" : "PS"; });

// IF97's consistency at a region boundary: 0.2 kJ/kg, 0.2 J/(kg K), 0.05 % in v.
void ExpectContinuous(double p1, double T1, double p2, double T2) {
    const std::string where = std::to_string(T1) + " K " + std::to_string(p1) + " MPa";
    EXPECT_NEAR(PropertyPT<kEnthalpy>(p1, T1), PropertyPT<kEnthalpy>(p2, T2), 0.2) << where;
    EXPECT_NEAR(PropertyPT<kEntropy>(p1, T1), PropertyPT<kEntropy>(p2, T2), 2e-4) << where;
    const double v = PropertyPT<kVolume>(p1, T1);
    EXPECT_NEAR(PropertyPT<kVolume>(p2, T2), v, 5e-4 * v) << where;
}

TEST(Continuity, AcrossTheRegionBoundaries) {
    auto acrossT = [](double p, double T) { ExpectContinuous(p, std::nextafter(T, 0.0), p, std::nextafter(T, 1e9)); };
    for (double p = 1e-4; p <= kMaxRegion5MPa; p *= 1.5) acrossT(p, kRegion25K);
    acrossT(kMaxRegion5MPa, kRegion25K);
    for (double p = 16.6; p <= kMaxMPa; p += 2.7) acrossT(p, kRegion13K);
    for (double T = 630.0; T <= kB23MaxK; T += 11.0) {
        const double p = boundary::B23Pressure(T);
        ExpectContinuous(std::nextafter(p, 0.0), T, std::nextafter(p, 1e9), T);
    }
}

// Approaching the saturation line from either side gives h' and h'', and at 623.15 K the region 3
// saturated states join those of regions 1 and 2.
TEST(Continuity, SingleStatesMeetTheSaturationLine) {
    for (double T = kMinK + 1.0; T <= kCriticalK - 0.5; T += 9.1) {
        const double p = region4::SaturationPressure(T);
        const Saturated<double> h = saturation::Property<kEnthalpy>(T);
        EXPECT_NEAR(PropertyPT<kEnthalpy>(p, T * (1 - 1e-10)), h.liquid, 1e-6 * h.liquid) << T;
        EXPECT_NEAR(PropertyPT<kEnthalpy>(p, T * (1 + 1e-10)), h.vapour, 1e-6 * h.vapour) << T;
    }
    const double above = std::nextafter(kRegion13K, 1e9);
    for (Quantity given : {kEnthalpy, kEntropy}) {
        const double tolerance = given == kEnthalpy ? 0.2 : 2e-4;
        EXPECT_NEAR(SaturatedAt(given, kRegion13K).liquid, SaturatedAt(given, above).liquid, tolerance);
        EXPECT_NEAR(SaturatedAt(given, kRegion13K).vapour, SaturatedAt(given, above).vapour, tolerance);
    }
}

}  // namespace
}  // namespace aquaprop
