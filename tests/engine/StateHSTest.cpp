// SPDX-License-Identifier: MIT
// The state from (h, s): every check value of the (h, s) equations, and round trips h(T(h, s), p(h, s)) = h and
// the same for s over every region, beside every boundary and through the two-phase region; the seams between
// regions and the states outside the range.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "Published.h"
#include "engine/core/BackwardHS.h"
#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/Region1.h"
#include "engine/core/Region2.h"
#include "engine/core/Region3.h"
#include "engine/core/Region4.h"
#include "engine/core/Region5.h"
#include "engine/core/Saturation.h"
#include "engine/core/SelectionHS.h"

namespace aquaprop {
namespace {

using testing::MatchesPublished;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double P1(double h, double s) { return region1::BackwardPressureHS(h, s); }
double P2(double h, double s) { return region2::BackwardPressureHS(h, s); }
double P3(double h, double s) { return region3::BackwardPressureHS(h, s); }
double T4(double h, double s) { return region4::SaturationTemperatureHS(h, s); }
double HLiquid(double, double s) { return boundary::SaturatedLiquidEnthalpy(s); }
double HVapour(double, double s) { return boundary::SaturatedVapourEnthalpy(s); }
double HB13(double, double s) { return boundary::B13Enthalpy(s); }
double TB23(double h, double s) { return boundary::B23TemperatureHS(h, s); }
double H2ab(double, double s) { return region2::B2abEnthalpy(s); }

// Every row of the releases' check tables (h in kJ/kg, s in kJ/(kg K)), through the subregion each equation
// is chosen for: p2a/p2b/p2c by h_2ab(s) and 5.85 kJ/(kg K), p3a/p3b by the critical entropy, h' and h'' by s.
TEST(VerificationHS, EveryPublishedCheckValue) {
    const testing::EquationCheck cases[] = {
        {"p1", P1, 0.001, 0, "0.0009800980612"}, {"p1", P1, 90, 0, "91.92954727"}, {"p1", P1, 1500, 3.4, "58.68294423"},
        {"p2a", P2, 2800, 6.5, "1.371012767"}, {"p2a", P2, 2800, 9.5, "0.001879743844"},
        {"p2a", P2, 4100, 9.5, "0.1024788997"}, {"p2b", P2, 2800, 6, "4.793911442"},
        {"p2b", P2, 3600, 6, "83.95519209"}, {"p2b", P2, 3600, 7, "7.527161441"}, {"p2c", P2, 2800, 5.1, "94.39202060"},
        {"p2c", P2, 2800, 5.8, "8.414574124"}, {"p2c", P2, 3400, 5.8, "83.76903879"},
        {"p3a", P3, 1700, 3.8, "25.55703246"}, {"p3a", P3, 2000, 4.2, "45.40873468"},
        {"p3a", P3, 2100, 4.3, "60.78123340"}, {"p3b", P3, 2400, 4.7, "63.63924887"},
        {"p3b", P3, 2600, 5.1, "34.34999263"}, {"p3b", P3, 2700, 5.0, "88.39043281"},
        {"T4", T4, 1800, 5.3, "346.8475498"}, {"T4", T4, 2400, 6.0, "425.1373305"}, {"T4", T4, 2500, 5.5, "522.5579013"},
        {"h'1", HLiquid, 0, 1, "308.5509647"}, {"h'1", HLiquid, 0, 3, "1198.359754"},
        {"h'3a", HLiquid, 0, 3.8, "1685.025565"}, {"h'3a", HLiquid, 0, 4.2, "1949.352563"},
        {"h''2ab", HVapour, 0, 7, "2723.729985"}, {"h''2ab", HVapour, 0, 9, "2511.861477"},
        {"h''2c3b", HVapour, 0, 5.5, "2687.693850"}, {"h''2c3b", HVapour, 0, 4.5, "2144.360448"},
        {"hB13", HB13, 0, 3.7, "1632.525047"}, {"hB13", HB13, 0, 3.5, "1566.104611"},
        {"TB23", TB23, 2600, 5.1, "713.5259364"}, {"TB23", TB23, 2800, 5.2, "817.6202120"},
        {"h2ab", H2ab, 0, 7, "3376.437884"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(MatchesPublished(c.equation(c.x, c.y), c.expected)) << c.name << " at " << c.x << ", " << c.y;
    }
}

// Round-off, relative to h and s with floors where they pass through zero (the liquid near the triple point):
// the region 1 equation itself scatters by some 5e-12 kJ/kg in h and 2e-14 kJ/(kg K) in s.
constexpr double kRoundOff = 1e-12;
constexpr double kEnthalpyFloor = 10.0;  // kJ/kg
constexpr double kEntropyFloor = 0.1;    // kJ/(kg K)
// IF97's consistency where two regions meet: 0.2 kJ/kg, 0.2 J/(kg K).
constexpr double kSeamEnthalpy = 0.2;
constexpr double kSeamEntropy = 2e-4;

template <Quantity q>
double AtAnswer(const HsState& x) {
    return x.wet ? SaturatedMixture<q>(x.T, x.w) : PropertyPT<q>(x.p, x.T);
}

// h and s at the answer, by the forward equations of (T, p) or for a wet state by the mixture rule, within
// tolerance of the given ones.
::testing::AssertionResult Reproduces(double h, double s, const HsState& x, double hTolerance, double sTolerance) {
    const double hBack = AtAnswer<Quantity::kEnthalpy>(x);
    const double sBack = AtAnswer<Quantity::kEntropy>(x);
    if (std::fabs(hBack - h) <= hTolerance && std::fabs(sBack - s) <= sTolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "h = " << h << ", s = " << s << " -> T = " << x.T << " K, p = " << x.p
                                         << " MPa, wet " << x.wet << ", w = " << x.w << ": h off by " << hBack - h
                                         << ", s off by " << sBack - s;
}

::testing::AssertionResult ReproducesToRoundOff(double h, double s, const HsState& x, double relative = kRoundOff) {
    return Reproduces(h, s, x, relative * std::max(std::fabs(h), kEnthalpyFloor),
                      relative * std::max(std::fabs(s), kEntropyFloor));
}

// The state (T, p) found again from its h and s: h and s reproduced to round-off (or to `relative`), and the same
// region, T and p (within nearK of T where another region's equations may answer instead, beside a seam).
::testing::AssertionResult FindsState(double T, double p, double nearK = 1e-9, double relative = kRoundOff) {
    const double h = PropertyPT<Quantity::kEnthalpy>(p, T);
    const double s = PropertyPT<Quantity::kEntropy>(p, T);
    const HsState x = StateHS(h, s);
    ::testing::AssertionResult back = ReproducesToRoundOff(h, s, x, relative);
    if (!back) return back << " (from T = " << T << " K, p = " << p << " MPa)";
    // Within round-off of the saturation line the state may come back as the saturated liquid or vapour.
    const bool sameRegion = x.region == RegionPT(p, T) || x.wet || nearK > 1e-9;
    const bool sameState = std::fabs(x.T - T) <= nearK && std::fabs(x.p - p) <= 1e-9 * p + (nearK > 1e-9 ? 0.1 : 1e-8);
    if (sameRegion && sameState) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "T = " << T << " K, p = " << p << " MPa (region "
                                         << static_cast<int>(RegionPT(p, T)) << ") came back as T = " << x.T
                                         << " K, p = " << x.p << " MPa (region " << static_cast<int>(x.region) << ")";
}

// A log grid of pressures from far below the triple point up to 100 MPa, with every pressure where something
// changes: 2a/2b at 4 MPa, the B2bc line, 16.529 MPa, the critical pressure, 50 MPa.
std::vector<double> Pressures() {
    std::vector<double> p = {kSatMinMPa, 3.99, 4.0, 4.01, 6.5467, kSat13MPa, 16.53, 22.0639, kCriticalMPa, 22.0641,
                             49.99, kMaxRegion5MPa, 50.01, 99.99, kMaxMPa};
    for (double x = 1e-9; x < kMaxMPa; x *= 1.9) p.push_back(x);
    return p;
}

// Over the whole range: every region, 273.15 K to 2273.15 K at every sweep pressure.
TEST(StateHS, FindsEveryStateOfTheRange) {
    int checked = 0;
    for (double p : Pressures()) {
        const double Tmax = p <= kMaxRegion5MPa ? kMaxK : kRegion25K;
        for (double T = kMinK; T <= Tmax; T += 1.37) {
            const double Ts = p <= kCriticalMPa ? region4::SaturationTemperature(p) : kNaN;
            if (std::fabs(T - Ts) < 1e-6) continue;  // the saturated liquid has a row of its own
            // Near a seam the neighbour's equations may answer, within the formulation's consistency.
            const bool nearSeam = std::fabs(T - kRegion13K) < 0.2 || std::fabs(T - kRegion25K) < 0.2 ||
                                  std::fabs(T - boundary::B23Temperature(p)) < 0.2;
            EXPECT_TRUE(FindsState(T, p, nearSeam ? kSeamHSK : 1e-9));
            ++checked;
        }
    }
    EXPECT_GT(checked, 50000);
}

using States = std::vector<std::pair<double, double>>;

struct Boundary {
    const char* name;
    States (*states)(double d);  // states (T, p) on the line and at a relative distance d on either side
    double nearK;                // how far from T the neighbouring region's answer may lie
    double relative = kRoundOff;  // how closely h(T, p) and s(T, p) at the answer reproduce h and s
};

// At the critical point (dh/dp)_T diverges: one ulp of p moves h(p, T) by 1e-5 kJ/kg.
constexpr double kCriticalRoundOff = 2e-8;

States AroundT(double (*line)(double p), double pLo, double pHi, double d) {
    States out;
    for (double p = pLo; p <= pHi; p += (pHi - pLo) / 97.0) {
        const double T = line(p);
        for (double f : {-d, 0.0, d}) out.push_back({T * (1.0 + f), p});
    }
    return out;
}

double At623(double) { return kRegion13K; }
double At1073(double) { return kRegion25K; }
double Tsat(double p) { return region4::SaturationTemperature(p); }
double B23(double p) { return boundary::B23Temperature(p); }

States Around623(double d) { return AroundT(At623, 16.6, kMaxMPa, d); }
States AroundB23(double d) { return AroundT(B23, kSat13MPa, kMaxMPa, d); }
// Above 50 MPa only the line itself and below it are in the range.
States Around1073(double d) { return AroundT(At1073, 1e-3, kMaxMPa, d); }
States Around273(double d) {
    States out;
    for (double p = 1e-6; p <= kMaxMPa; p *= 1.2) out.push_back({kMinK * (1.0 + d), p});
    return out;
}
States Below100MPa(double d) {
    States out;
    for (double T = kMinK; T <= kRegion25K; T += 3.1) out.push_back({T, kMaxMPa * (1.0 - d)});
    return out;
}
States AroundRegion5Edges(double d) {
    States out;
    for (double T = kRegion25K + 1.0; T <= kMaxK; T += 7.0) out.push_back({T, kMaxRegion5MPa * (1.0 - d)});
    for (double p = 1e-6; p <= kMaxRegion5MPa; p *= 1.3) out.push_back({kMaxK * (1.0 - d), p});
    return out;
}
// Both sides of the 4 MPa isobar (2a/2b) and of the 2b/2c line s = 5.85 kJ/(kg K) in region 2.
States Around2ab(double d) {
    States out;
    for (double T = 560.0; T <= kRegion25K; T += 3.7) {
        for (double f : {-d, 0.0, d}) out.push_back({T, k2abMPa * (1.0 + f)});
    }
    return out;
}
States Around2bc(double d) {
    States out;
    for (double p = 6.6; p <= kMaxMPa; p += 0.93) {
        for (double f : {-d, 0.0, d}) {
            const double T = Temperature<Quantity::kEntropy>(p, k2bcEntropy * (1.0 + f));
            if (RegionPT(p, T) == Region::k2) out.push_back({T, p});
        }
    }
    return out;
}
// Beside the saturation line on both sides (the line itself is a wet state's row).
States AroundSaturation(double d) {
    States out;
    for (double p = 1e-3; p < kCriticalMPa; p *= 1.05) {
        for (double f : {-d, d}) out.push_back({Tsat(p) * (1.0 + f), p});
    }
    for (double p : {kSatMinMPa, 16.0, kSat13MPa, 20.0, 22.0, 22.06}) out.push_back({Tsat(p) * (1.0 + d), p});
    return out;
}
// Not within 4e-5 K of Tc and 1e-5 MPa of pc, where IF97's isotherm is flat to double precision and the saturated
// values (the scaled law's) and the single states' do not meet.
States AroundCriticalPoint(double d) {
    States out;
    for (double fp : {-d, -0.3 * d, 0.0, 0.3 * d, d}) {
        for (double fT : {-d, -0.3 * d, 0.0, 0.3 * d, d}) {
            const double T = kCriticalK * (1.0 + fT);
            const double p = kCriticalMPa * (1.0 + fp);
            if (std::fabs(T - kCriticalK) > 4e-5 || std::fabs(p - kCriticalMPa) > 1e-5) out.push_back({T, p});
        }
    }
    return out;
}

const Boundary kBoundaries[] = {
    {"Region1To3At623K", Around623, kSeamHSK},
    {"Region2To3OnB23", AroundB23, kSeamHSK},
    {"Region2To5At1073K", Around1073, kSeamHSK},
    {"Subregions2aTo2bAt4MPa", Around2ab, 1e-9},
    {"Subregions2bTo2cAt5_85", Around2bc, 1e-9},
    {"SaturationLine", AroundSaturation, 1e-6},
    {"CriticalPoint", AroundCriticalPoint, 1e-6, kCriticalRoundOff},
    {"At273K", Around273, 1e-9},
    {"At100MPa", Below100MPa, 1e-9},
    {"Region5Limits", AroundRegion5Edges, 1e-9},
};

class BesideBoundary : public ::testing::TestWithParam<Boundary> {};

// On the line and at 1e-11 to 1e-3 relative distance on either side; states outside the range are left out.
TEST_P(BesideBoundary, FindsEveryState) {
    const Boundary& b = GetParam();
    int checked = 0;
    for (double d : {1e-11, 1e-9, 1e-7, 1e-5, 1e-3}) {
        for (const auto& [T, p] : b.states(d)) {
            if (RegionPT(p, T) == Region::kNone) continue;
            // A liquid within 1e-6 K of Tsat(p) lies within round-off of a tie line and may come back wet.
            const bool nearSaturation = p <= kCriticalMPa && std::fabs(T - Tsat(p)) <= 1e-6;
            EXPECT_TRUE(FindsState(T, p, nearSaturation ? 1e-6 : b.nearK, b.relative)) << b.name << ", d = " << d;
            ++checked;
        }
    }
    EXPECT_GT(checked, 30) << b.name;
}

void PrintTo(const Boundary& b, std::ostream* os) { *os << b.name; }

INSTANTIATE_TEST_SUITE_P(Lines, BesideBoundary, ::testing::ValuesIn(kBoundaries),
                         [](const auto& row) { return std::string(row.param.name); });

// Mixtures from 273.15 K to just below Tc, saturated liquid and vapour included: wet, at that Tsat and w.
TEST(StateHS, FindsEveryWetState) {
    std::vector<double> temperatures = {kMinK, 300.0, 373.124, kRegion13K, 640.0, 647.0, kCriticalK - 1e-3,
                                        kCriticalK - 1e-5};
    for (double T = kMinK + 0.9; T < kCriticalK; T += 1.3) temperatures.push_back(T);
    for (double T : temperatures) {
        for (double w : {0.0, 1e-9, 0.01, 0.1, 0.25, 0.5, 0.75, 0.9, 0.99, 1.0 - 1e-9, 1.0}) {
            const double h = SaturatedMixture<Quantity::kEnthalpy>(T, w);
            const double s = SaturatedMixture<Quantity::kEntropy>(T, w);
            const HsState x = StateHS(h, s);
            SCOPED_TRACE(::testing::Message() << T << " K, w = " << w);
            ASSERT_TRUE(x.wet);
            EXPECT_TRUE(ReproducesToRoundOff(h, s, x));
            EXPECT_NEAR(x.T, T, T * 1e-9);
            EXPECT_EQ(x.p, region4::SaturationPressure(x.T));
            // Near Tc the tie lines shrink to the critical point and w loses its digits.
            EXPECT_NEAR(x.w, w, T < kCriticalK - 0.01 ? 1e-9 : 1e-3);
        }
    }
}

// Between the two equations' values at one (T, p) on a seam there may be no state on either side: such an (h, s)
// is answered on the line, within the formulation's consistency.
TEST(StateHS, AnswersBetweenTheEquationsOfASeamOnTheLine) {
    struct Seam {
        const char* name;
        double (*line)(double p);
        Props (*one)(double p, double T);
        Props (*other)(double p, double T);
        double pLo, pHi;
    };
    // An answer on the line itself: at its temperature, or on the B23 line at its pressure.
    const auto onLine = [](const Seam& seam, const HsState& x) {
        return x.T == seam.line(x.p) || x.p == boundary::B23Pressure(x.T);
    };
    const Seam seams[] = {
        {"623.15 K", At623, region1::State, region3::PropsPT, 16.6, kMaxMPa},
        {"B23", B23, region2::State, region3::PropsPT, 16.6, kMaxMPa},
        {"1073.15 K", At1073, region2::State, region5::State, 1e-3, kMaxRegion5MPa},
    };
    for (const Seam& seam : seams) {
        int answersOnLine = 0;
        for (double p = seam.pLo; p <= seam.pHi; p += (seam.pHi - seam.pLo) / 29.0) {
            const double T = seam.line(p);
            const Props a = seam.one(p, T);
            const Props b = seam.other(p, T);
            for (double f : {0.25, 0.5, 0.75}) {
                const double h = a.h + (b.h - a.h) * f;
                const double s = a.s + (b.s - a.s) * f;
                const HsState x = StateHS(h, s);
                SCOPED_TRACE(::testing::Message() << seam.name << ", " << p << " MPa, f = " << f);
                EXPECT_NEAR(x.T, T, kSeamHSK);
                EXPECT_TRUE(Reproduces(h, s, x, kSeamEnthalpy, kSeamEntropy));
                answersOnLine += onLine(seam, x) ? 1 : 0;
            }
        }
        EXPECT_GT(answersOnLine, 5) << seam.name;
    }
}

// States just outside the range, by the equations of the region beside them, and arguments that are no state
// (NaN and infinities: through the C interface, in RefusalTest.cpp).
TEST(StateHS, RefusesStatesOutsideTheRange) {
    const struct {
        const char* name;
        double h, s;
    } cases[] = {
        {"LiquidBelow273K", region1::Property<Quantity::kEnthalpy>(1, kMinK - 0.01), region1::Property<Quantity::kEntropy>(1, kMinK - 0.01)},
        {"LiquidBelow273KAt100MPa", region1::Property<Quantity::kEnthalpy>(100, kMinK - 0.01), region1::Property<Quantity::kEntropy>(100, kMinK - 0.01)},
        {"VapourBelow273K", region2::Property<Quantity::kEnthalpy>(1e-4, kMinK - 0.01), region2::Property<Quantity::kEntropy>(1e-4, kMinK - 0.01)},
        {"BelowThe273KTieLine", SaturatedMixture<Quantity::kEnthalpy>(kMinK, 0.5) - 1.0,
         SaturatedMixture<Quantity::kEntropy>(kMinK, 0.5)},
        {"LiquidAbove100MPa", region1::Property<Quantity::kEnthalpy>(100.01, 400), region1::Property<Quantity::kEntropy>(100.01, 400)},
        {"Region3Above100MPa", region3::PropertyRhoT<Quantity::kEnthalpy>(700, 700), region3::PropertyRhoT<Quantity::kEntropy>(700, 700)},
        {"VapourAbove100MPa", region2::Property<Quantity::kEnthalpy>(100.01, 900), region2::Property<Quantity::kEntropy>(100.01, 900)},
        {"Above1073KAbove50MPa", region5::Property<Quantity::kEnthalpy>(60, 1200), region5::Property<Quantity::kEntropy>(60, 1200)},
        {"Region5Above50MPa", region5::Property<Quantity::kEnthalpy>(50.01, 2000), region5::Property<Quantity::kEntropy>(50.01, 2000)},
        {"Above2273K", region5::Property<Quantity::kEnthalpy>(1, kMaxK + 0.01), region5::Property<Quantity::kEntropy>(1, kMaxK + 0.01)},
        {"NegativeEnthalpy", -100, 0}, {"HugeEnthalpy", 1e6, 7}, {"NegativeEntropy", 1000, -5},
    };
    for (const auto& c : cases) {
        const HsState x = StateHS(c.h, c.s);
        EXPECT_EQ(x.region, Region::kNone) << c.name;
        EXPECT_FALSE(x.wet) << c.name;
        EXPECT_TRUE(std::isnan(x.p) && std::isnan(x.T) && std::isnan(x.w)) << c.name;
    }
    EXPECT_GT(region3::Pressure(700, 700), kMaxMPa);  // the region 3 row lies above 100 MPa
}

}  // namespace
}  // namespace aquaprop
