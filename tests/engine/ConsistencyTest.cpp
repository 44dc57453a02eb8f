// SPDX-License-Identifier: MIT
// Sweeps along isobars over the whole range: h, s and v rise with T but for the published mismatches between
// regions, and T(p, h) and T(p, s) give h and s back, beside the dome on the phase's side, inside it Tsat(p),
// with the limit near the critical point that double precision sets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/Region1.h"
#include "engine/core/Region2.h"
#include "engine/core/Region3.h"
#include "engine/core/Region4.h"
#include "engine/core/Region5.h"
#include "engine/core/Saturation.h"
#include "engine/core/Selection.h"

namespace aquaprop {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kRefinedRel = 1e-9;

using enum Quantity;

double Up(double x) { return std::nextafter(x, kInf); }
double Down(double x) { return std::nextafter(x, -kInf); }

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
double Get(Quantity q, const Props& x) { return q == kVolume ? x.v : q == kEnthalpy ? x.h : x.s; }

// A log grid plus every pressure where something changes: 2a/2b at 4 MPa, the B2bc root from 4.5 MPa, the 2b/2c
// start, psat(623.15 K) with the sliver above it where the B23 line still lies below the saturation line and the
// corner where region 2 on the B23 line lies below region 3's h'', the
// critical pressure with the band below it where the saturated states follow the scaled law, 50 and 100 MPa.
std::vector<double> SweepPressures() {
    std::vector<double> p = {kSatMinMPa, 0.101325, 3.99, 4.0, 4.01, 4.5, 6.5467, 6.6, 16.0, kSat13MPa,
                             kSat13MPa + 2e-13, 16.5293,
                             16.5296, 16.53, 17.0, 20.0, 21.5, 22.0, 22.06, 22.0639, 22.06399, 22.063995, 22.064,
                             22.0641, 22.07, 25.0, 49.99, 50.0, 50.01, 99.99, 100.0};
    for (double x = 1e-5; x < 100.0; x *= 1.7) p.push_back(x);
    return p;
}

// Around the critical pressure, from 1e-8 MPa to 0.3 MPa on either side.
std::vector<double> CriticalPressures() {
    std::vector<double> p;
    for (double d = 1e-8; d < 0.3; d *= 2.2) {
        p.push_back(kCriticalMPa - d);
        p.push_back(kCriticalMPa + d);
    }
    return p;
}

// The published mismatches between regions at fixed p: how far h, s, v fall where T crosses 623.15 K (regions 1
// and 3), the B23 line (3 and 2) and 1073.15 K (2 and 5); v relative. Everywhere else they rise with T.
struct Mismatch {
    double at623, onB23, at1073;
};
constexpr Mismatch kFall[] = {{3.5e-5, 1.2e-4, 1.25e-4},  // v, relative
                              {0.018, 0.115, 0.095},     // h, kJ/kg
                              {3.6e-5, 1.4e-4, 1.45e-4}};  // s, kJ/(kg K)

// Liquid water below its density maximum, 277.13 K at most, expands as it cools.
constexpr double kDensityMaximumK = 277.14;

// The fall allowed between T1 and T2 on the isobar p: a step from one region to the next crosses a seam.
double SeamFall(Quantity q, double p, double T1, double T2) {
    const Mismatch& m = kFall[static_cast<int>(q)];
    const Region r1 = RegionPT(p, T1);
    const Region r2 = RegionPT(p, T2);
    if (r1 == Region::k2 && r2 == Region::k5) return m.at1073;
    if (r1 == Region::k1 && r2 == Region::k3) return m.at623;
    return r1 == Region::k3 && r2 == Region::k2 ? m.onB23 : 0.0;
}

// The temperatures of one isobar's sweep: an even grid, and beside Tsat(p), 623.15 K, the B23 line and
// 1073.15 K steps from 1e-3 K down to neighbouring doubles.
std::vector<double> IsobarTemperatures(double p) {
    const double top = p <= kMaxRegion5MPa ? kMaxK : kRegion25K;
    std::vector<double> T;
    for (int k = 0; k <= 1500; ++k) T.push_back(kMinK + (top - kMinK) * k / 1500);
    std::vector<double> marks = {kRegion13K, kRegion25K};
    if (p >= kSatMinMPa && p <= kCriticalMPa) marks.push_back(region4::SaturationTemperature(p));
    if (p > kSat13MPa) marks.push_back(boundary::B23Temperature(p));
    for (double mark : marks) {
        T.insert(T.end(), {Down(Down(mark)), Down(mark), mark, Up(mark), Up(Up(mark))});
        for (double d = 1e-3; d > 1e-13; d *= 0.1) T.insert(T.end(), {mark - d, mark + d});
    }
    std::erase_if(T, [top](double t) { return !(t >= kMinK && t <= top); });
    std::sort(T.begin(), T.end());
    T.erase(std::unique(T.begin(), T.end()), T.end());
    return T;
}

// h, s and v along each isobar: never falling between neighbouring temperatures, beyond round-off (1e-12), but at
// the published mismatches; at Tsat(p) the liquid, one double up the vapour.
TEST(Isobars, RiseWithTemperatureButForThePublishedMismatches) {
    int points = 0;
    int seams = 0;
    for (double p : SweepPressures()) {
        const std::vector<double> T = IsobarTemperatures(p);
        Props before = StatePT(p, T.front());
        for (std::size_t k = 1; k < T.size(); ++k) {
            const Props after = StatePT(p, T[k]);
            for (Quantity q : {kVolume, kEnthalpy, kEntropy}) {
                if (q == kVolume && T[k - 1] < kDensityMaximumK) continue;
                const double x0 = Get(q, before);
                const double x1 = Get(q, after);
                ASSERT_TRUE(std::isfinite(x1)) << p << " MPa, " << T[k] << " K";
                const double seam = SeamFall(q, p, T[k - 1], T[k]);
                const double scale = q == kVolume ? std::fabs(x0) : 1.0;
                const double allowed = 1e-12 * std::fabs(x0) + 1e-14 + seam * scale;
                EXPECT_GE(x1 - x0, -allowed) << "q " << static_cast<int>(q) << ", " << p << " MPa, " << T[k - 1]
                                             << " -> " << T[k] << " K";
                seams += seam > 0.0 && x1 < x0 ? 1 : 0;
            }
            before = after;
            ++points;
        }
        // Up to the band below pc where the vapour root appears only above Tsat(p), the vapour begins one double
        // above it.
        if (p >= kSatMinMPa && p < 22.06399) {
            const double Ts = region4::SaturationTemperature(p);
            EXPECT_GT(StatePT(p, Up(Ts)).v, StatePT(p, Ts).v * 1.001) << p;
            EXPECT_NE(RegionPT(p, Ts), Region::k2) << p;
        }
    }
    EXPECT_GT(points, 90000);
    EXPECT_GT(seams, 100);
}

class RefinedInverse : public ::testing::TestWithParam<Quantity> {
protected:
    Quantity Given() const { return GetParam(); }

    // Checks T = T(p, x): inside the dome Tsat(p); beside it on the phase's side; on a seam between two regions'
    // values there; elsewhere x(T) = x within 1e-9, or within what neighbouring doubles of T change x by, where the
    // isobar is that steep near the critical point.
    void Check(double p, double x) {
        const double T = Inverse(Given(), p, x);
        ASSERT_TRUE(std::isfinite(T)) << p << " MPa, x = " << x;
        const bool dome = p >= kSatMinMPa && p < kCriticalMPa;
        const double Ts = dome ? region4::SaturationTemperature(p) : kNaN;
        const Saturated<double> sat = dome ? SaturatedAt(Given(), Ts) : Saturated<double>{kNaN, kNaN};
        if (dome && x >= sat.liquid && x <= sat.vapour) {
            EXPECT_EQ(T, Ts) << p << " MPa, x = " << x;
            return;
        }
        if (dome) {
            EXPECT_TRUE(x < sat.liquid ? T <= Ts : T > Ts) << p << " MPa, x = " << x << ", T = " << T;
        }
        const double back = Forward(Given(), p, T);
        const Props state = StatePT(p, T);
        const double slope = Given() == kEnthalpy ? state.cp : state.cp / T;
        const double steep = std::isfinite(slope) ? 8.0 * slope * (Up(T) - T) : kInf;
        if (std::fabs(back - x) <= kRefinedRel * std::max(std::fabs(x), 1.0) + steep) {
            ++refined;
            return;
        }
        // Between two regions' values on a seam, or between the phase's own value at Tsat(p) and the saturated
        // state's, the answer is that boundary's temperature.
        const auto between = [x](double a, double b) {
            return x >= std::min(a, b) * (1 - kRefinedRel) && x <= std::max(a, b) * (1 + kRefinedRel);
        };
        const bool atDome = dome && (T == Ts || T == Up(Ts)) && between(back, x < sat.liquid ? sat.liquid : sat.vapour);
        EXPECT_TRUE(atDome || OnSeam(p, T, between)) << p << " MPa, x = " << x << ": T = " << T << ", x(T) = " << back;
        ++seamed;
    }

    template <typename Between>
    bool OnSeam(double p, double T, Between between) const {
        const bool byEntropy = Given() == kEntropy;
        const auto value = [byEntropy](const Props& x) { return byEntropy ? x.s : x.h; };
        if (T == kRegion25K && p <= kMaxRegion5MPa) {
            return between(value(region2::State(p, T)), value(region5::State(p, Up(T))));
        }
        if (p <= kSat13MPa) return false;
        if (T == kRegion13K) return between(value(region1::State(p, T)), value(region3::PropsPT(p, T)));
        const double T23 = boundary::B23Temperature(p);
        return T == T23 && between(value(region2::State(p, T)), value(region3::PropsPT(p, T)));
    }

    int refined = 0;
    int seamed = 0;
};

// A grid of x from 273.15 K to the top of the range at every sweep pressure, and around the critical point, with
// steps down to 1e-15 relative beside the saturated values.
TEST_P(RefinedInverse, GivesTheValueBackOverTheRange) {
    std::vector<double> pressures = SweepPressures();
    for (double p : CriticalPressures()) pressures.push_back(p);
    for (double p : pressures) {
        const double top = p <= kMaxRegion5MPa ? kMaxK : kRegion25K;
        const double lo = Forward(Given(), p, kMinK);
        const double hi = Forward(Given(), p, top);
        constexpr int kSteps = 400;
        for (int k = 0; k <= kSteps; ++k) Check(p, k == kSteps ? hi : lo + (hi - lo) * k / kSteps);
        if (!(p >= kSatMinMPa && p < kCriticalMPa)) continue;
        const double Ts = region4::SaturationTemperature(p);
        const Saturated<double> sat = SaturatedAt(Given(), Ts);
        for (double end : {sat.liquid, sat.vapour}) {
            Check(p, end);
            for (double d = 1e-15; d < 2e-3; d *= 10.0) {
                const double step = d * std::max(std::fabs(end), 1.0);
                // Below the liquid at the lowest saturation pressure lies no state of the range.
                if (end == sat.vapour || Ts > kMinK) Check(p, end - step);
                Check(p, end + step);
            }
        }
        Check(p, 0.5 * (sat.liquid + sat.vapour));
    }
    EXPECT_GT(refined, 35000);
    EXPECT_GT(seamed, 10);
}

// Region 3 meets region 1 at 623.15 K and region 2 on the B23 line only within the formulation's consistency.
// Every value between the two equations' values on such a line gives a temperature on the line, and inside a
// gap (region 3's value beyond the neighbour's) exactly the line's.
TEST_P(RefinedInverse, ValuesBetweenTheEquationsAtARegion3SeamGiveTheSeam) {
    const bool byEntropy = Given() == kEntropy;
    for (bool onB23 : {false, true}) {
        int gaps = 0;
        for (double p = 22.1; p <= kMaxMPa; p += 0.37) {
            const double Tline = onB23 ? boundary::B23Temperature(p) : kRegion13K;
            const Props region3 = region3::PropsPT(p, Tline);
            const Props other = onB23 ? region2::State(p, Tline) : region1::State(p, Tline);
            const double x3 = byEntropy ? region3.s : region3.h;
            const double xOther = byEntropy ? other.s : other.h;
            const bool gap = onB23 ? x3 < xOther : x3 > xOther;
            for (double f : {0.0, 0.25, 0.5, 0.75, 1.0}) {
                const double T = Inverse(Given(), p, x3 + (xOther - x3) * f);
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

// At 623.15 K the region 3 saturated states join those of regions 1 and 2 within IF97's consistency.
TEST(SaturationLine, Region3JoinsRegions1And2At623K) {
    for (Quantity given : {kEnthalpy, kEntropy}) {
        const double tolerance = given == kEnthalpy ? 0.2 : 2e-4;
        EXPECT_NEAR(SaturatedAt(given, kRegion13K).liquid, SaturatedAt(given, Up(kRegion13K)).liquid, tolerance);
        EXPECT_NEAR(SaturatedAt(given, kRegion13K).vapour, SaturatedAt(given, Up(kRegion13K)).vapour, tolerance);
    }
}

template <Quantity q>
void ExpectPhasesAsBothAtOnce(double T, bool vapourFirst) {
    const Saturated<double> both = saturation::Property<q>(T);
    if (vapourFirst) {
        EXPECT_EQ((SaturatedPhase<q, Phase::kVapour>(T)), both.vapour) << T;
    }
    EXPECT_EQ((SaturatedPhase<q, Phase::kLiquid>(T)), both.liquid) << T;
    EXPECT_EQ((SaturatedPhase<q, Phase::kVapour>(T)), both.vapour) << T;
}

// The phases kept from the last temperature belong to it and to their quantity, whatever was asked before.
TEST(SaturatedPhase, GivesBothPhasesAtOnceBitForBitInAnyOrder) {
    bool vapourFirst = false;
    for (double T : {kMinK, 300.0, 300.0, 450.0, kRegion13K, 450.0, Down(kRegion13K)}) {
        vapourFirst = !vapourFirst;
        ExpectPhasesAsBothAtOnce<Quantity::kEntropy>(T, vapourFirst);
        ExpectPhasesAsBothAtOnce<Quantity::kVolume>(T, !vapourFirst);
        ExpectPhasesAsBothAtOnce<Quantity::kEnthalpy>(T, vapourFirst);
    }
}

}  // namespace
}  // namespace aquaprop
