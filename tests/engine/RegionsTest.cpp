// SPDX-License-Identifier: MIT
// The core's equations and regions: every published check value of regions 1, 2, 4, 5 and the backward
// equations, and region boundaries that are inclusive or exclusive on purpose.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <utility>
#include <vector>

#include "Published.h"
#include "engine/core/Backward1.h"
#include "engine/core/Backward2.h"
#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/PowerSum.h"
#include "engine/core/Region1.h"
#include "engine/core/Region2.h"
#include "engine/core/Region4.h"
#include "engine/core/Region5.h"
#include "engine/core/Selection.h"

namespace aquaprop {
namespace {

using testing::MatchesPublished;
using enum Quantity;

constexpr double kInf = std::numeric_limits<double>::infinity();

double Above(double x) { return std::nextafter(x, kInf); }

// The published states through each region's full state; the single-property entry points, with sums of
// their own, meet the same values through the C interface.
TEST(Verification, GibbsRegions) {
    for (const testing::GibbsPoint& c : testing::kGibbsPoints) {
        SCOPED_TRACE(::testing::Message() << c.T << " K, " << c.p << " MPa");
        const Props x = StatePT(c.p, c.T);
        EXPECT_TRUE(MatchesPublished(x.v, c.v));
        EXPECT_TRUE(MatchesPublished(x.h, c.h));
        EXPECT_TRUE(MatchesPublished(x.u, c.u));
        EXPECT_TRUE(MatchesPublished(x.s, c.s));
        EXPECT_TRUE(MatchesPublished(x.cp, c.cp));
        EXPECT_TRUE(MatchesPublished(x.w, c.w));
    }
}

double Psat(double T, double) { return region4::SaturationPressure(T); }
double Tsat(double p, double) { return region4::SaturationTemperature(p); }
double B23P(double T, double) { return boundary::B23Pressure(T); }
double B23T(double p, double) { return boundary::B23Temperature(p); }
double B2bcP(double h, double) { return boundary::B2bcPressure(h); }
double B2bcH(double p, double) { return boundary::B2bcEnthalpy(p); }

constexpr auto R1ph = region1::BackwardTemperature<kEnthalpy>, R1ps = region1::BackwardTemperature<kEntropy>;
constexpr auto R2ph = region2::BackwardTemperature<kEnthalpy>, R2ps = region2::BackwardTemperature<kEntropy>;

// The saturation line, the B23 and B2bc lines, and the backward equations of regions 1 and 2.
TEST(Verification, SaturationBoundaryAndBackwardEquations) {
    const testing::EquationCheck cases[] = {
        {"Psat_300K", Psat, 300, 0, "0.353658941e-2"}, {"Psat_500K", Psat, 500, 0, "0.263889776e1"},
        {"Psat_600K", Psat, 600, 0, "0.123443146e2"}, {"Tsat_0p1MPa", Tsat, 0.1, 0, "0.372755919e3"},
        {"Tsat_1MPa", Tsat, 1, 0, "0.453035632e3"}, {"Tsat_10MPa", Tsat, 10, 0, "0.584149488e3"},
        {"B23_p", B23P, 623.15, 0, "0.165291643e2"}, {"B23_T", B23T, 0.165291643e2, 0, "0.623150000e3"},
        {"B2bc_p", B2bcP, 0.3516004323e4, 0, "0.100000000e3"}, {"B2bc_h", B2bcH, 100, 0, "0.3516004323e4"},
        {"R1_Tph_3MPa_500", R1ph, 3, 500, "0.391798509e3"}, {"R1_Tph_80MPa_500", R1ph, 80, 500, "0.378108626e3"},
        {"R1_Tph_80MPa_1500", R1ph, 80, 1500, "0.611041229e3"}, {"R1_Tps_3MPa_0p5", R1ps, 3, 0.5, "0.307842258e3"},
        {"R1_Tps_80MPa_0p5", R1ps, 80, 0.5, "0.309979785e3"}, {"R1_Tps_80MPa_3", R1ps, 80, 3, "0.565899909e3"},
        {"R2a_Tph_1kPa_3000", R2ph, 0.001, 3000, "0.534433241e3"},
        {"R2a_Tph_3MPa_3000", R2ph, 3, 3000, "0.575373370e3"}, {"R2a_Tph_3MPa_4000", R2ph, 3, 4000, "0.101077577e4"},
        {"R2b_Tph_5MPa_3500", R2ph, 5, 3500, "0.801299102e3"}, {"R2b_Tph_5MPa_4000", R2ph, 5, 4000, "0.101531583e4"},
        {"R2b_Tph_25MPa_3500", R2ph, 25, 3500, "0.875279054e3"},
        {"R2c_Tph_40MPa_2700", R2ph, 40, 2700, "0.743056411e3"},
        {"R2c_Tph_60MPa_2700", R2ph, 60, 2700, "0.791137067e3"},
        {"R2c_Tph_60MPa_3200", R2ph, 60, 3200, "0.882756860e3"},
        {"R2a_Tps_0p1MPa_7p5", R2ps, 0.1, 7.5, "0.399517097e3"}, {"R2a_Tps_0p1MPa_8", R2ps, 0.1, 8, "0.514127081e3"},
        {"R2a_Tps_2p5MPa_8", R2ps, 2.5, 8, "0.103984917e4"}, {"R2b_Tps_8MPa_6", R2ps, 8, 6, "0.600484040e3"},
        {"R2b_Tps_8MPa_7p5", R2ps, 8, 7.5, "0.106495556e4"}, {"R2b_Tps_90MPa_6", R2ps, 90, 6, "0.103801126e4"},
        {"R2c_Tps_20MPa_5p75", R2ps, 20, 5.75, "0.697992849e3"},
        {"R2c_Tps_80MPa_5p25", R2ps, 80, 5.25, "0.854011484e3"},
        {"R2c_Tps_80MPa_5p75", R2ps, 80, 5.75, "0.949017998e3"},
    };
    for (const auto& c : cases) EXPECT_TRUE(MatchesPublished(c.equation(c.x, c.y), c.expected)) << c.name;
}

// Tsat(p) from its pieces against the saturation-line equation in its published form, with the table's
// coefficients, evaluated in quadruple precision, where its cancellation near pc costs nothing: rounded once, so
// within 0.52 ulp, at random pressures and on either side of every join of two pieces; and never falling as p
// rises across a join.
__extension__ typedef __float128 Quad;

Quad QuadRoot(Quad x) {
    Quad root = std::sqrt(static_cast<double>(x));
    for (int step = 0; step < 3; ++step) root = (root + x / root) / 2;
    return root;
}

double UlpsFromEquation(double p, double T) {
    Quad n[10];
    for (int k = 0; k < 10; ++k) n[k] = tables::kRegion4[k];
    const Quad beta = QuadRoot(QuadRoot(p));
    const Quad E = beta * beta + n[2] * beta + n[5];
    const Quad F = n[0] * beta * beta + n[3] * beta + n[6];
    const Quad G = n[1] * beta * beta + n[4] * beta + n[7];
    const Quad D = 2 * G / (-F - QuadRoot(F * F - 4 * E * G));
    const Quad exact = (n[9] + D - QuadRoot((n[9] + D) * (n[9] + D) - 4 * (n[8] + n[9] * D))) / 2;
    return static_cast<double>((T - exact) / (Above(T) - T));
}

TEST(SaturationTemperature, IsTheEquationRoundedOnceAndRisesAcrossThePieces) {
    using namespace region4::detail;
    std::vector<double> joins;
    for (double octave = kFirstOctaveMPa; octave < kTopOctaveMPa; octave *= 2) {
        for (int j = 0; j < kPiecesPerOctave; ++j) joins.push_back(octave * (1 + double(j) / kPiecesPerOctave));
    }
    for (int j = 0; j < kTopPieces; ++j) joins.push_back(kTopOctaveMPa * (1 + double(j) / kTopPiecesPerOctave));
    std::vector<double> pressures = {kSatMinMPa, kCriticalMPa};
    for (double join : joins) {
        if (join < kSatMinMPa) continue;
        for (double toward : {0.0, kInf}) {
            double p = join;
            double before = region4::SaturationTemperature(p);
            for (int k = 0; k < 8; ++k) {
                p = std::nextafter(p, toward);
                const double T = region4::SaturationTemperature(p);
                if (std::isnan(T)) break;
                EXPECT_TRUE(toward == 0.0 ? T <= before : T >= before) << p << " MPa";
                before = T;
                pressures.push_back(p);
            }
        }
    }
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> logP(std::log(kSatMinMPa), std::log(kCriticalMPa));
    for (int k = 0; k < 20000; ++k) pressures.push_back(std::min(std::exp(logP(random)), kCriticalMPa));
    double worst = 0;
    for (double p : pressures) {
        const double ulps = std::fabs(UlpsFromEquation(p, region4::SaturationTemperature(p)));
        EXPECT_LE(ulps, 0.52) << p << " MPa";
        worst = std::max(worst, ulps);
    }
    EXPECT_GT(worst, 0.45);  // the sweep reaches values rounded near a midpoint
}

// Where the subregion lines are delicate: between 4 and 4.5257 MPa the B2bc root is imaginary, and up to
// 6.5467 MPa all of 2b/2c is 2b.
TEST(Region2Subregions, AtTheirBoundaries) {
    using region2::SelectSubregion;
    using region2::Subregion;
    EXPECT_EQ(SelectSubregion<kEnthalpy>(4.0, 3000), Subregion::k2a);
    EXPECT_EQ(SelectSubregion<kEnthalpy>(4.2, 2800), Subregion::k2b);
    EXPECT_EQ(SelectSubregion<kEnthalpy>(6.0, 2800), Subregion::k2b);
    EXPECT_EQ(SelectSubregion<kEnthalpy>(100, 3516.004323), Subregion::k2b);
    EXPECT_EQ(SelectSubregion<kEntropy>(20, 5.85), Subregion::k2b);
}

// Only boundaries between regions; those of the range are in the C interface's refusal table.
TEST(RegionPT, BoundariesAreDecidedAsDocumented) {
    const double Ts = region4::SaturationTemperature(1);
    const double Ts13 = region4::SaturationTemperature(kSat13MPa);
    const struct {
        const char* name;
        double p, T;
        Region expected;
    } cases[] = {
        {"AtMinimumTemperature", 1, kMinK, Region::k1},
        {"AtMinimumTemperatureBelowTriplePressure", 500e-6, kMinK, Region::k2},
        {"TinyPressure", 1e-12, 400, Region::k2}, {"At100MPa", kMaxMPa, 500, Region::k1},
        {"ExactlyAtSaturationIsLiquid", 1, Ts, Region::k1},
        {"OneUlpAboveSaturationIsVapour", 1, Above(Ts), Region::k2},
        {"At623KAboveSaturationIsRegion1", 20, kRegion13K, Region::k1},
        {"AtSaturationBelow623KIsRegion1", kSat13MPa, Ts13, Region::k1},
        {"OneUlpAboveSaturationBelow623KIsRegion2", kSat13MPa, Above(Ts13), Region::k2},
        {"At623KBelowSaturationIsRegion2", 16, kRegion13K, Region::k2},
        {"Above623KHighPressureIsRegion3", 20, Above(kRegion13K), Region::k3},
        {"OnB23LineIsRegion2", boundary::B23Pressure(700), 700, Region::k2},
        {"AboveB23LineIsRegion3", Above(boundary::B23Pressure(700)), 700, Region::k3},
        {"AtB23EndAt100MPaIsOnTheLine", kMaxMPa, kB23MaxK, Region::k2},
        {"BelowB23EndAt100MPaIsRegion3", kMaxMPa, kB23MaxK - 0.01, Region::k3},
        {"BeyondB23EndIsRegion2", kMaxMPa, Above(kB23MaxK), Region::k2},
        {"At1073KIsRegion2", 100, kRegion25K, Region::k2}, {"Above1073KIsRegion5", 50, Above(kRegion25K), Region::k5},
        {"At2273K", 50, kMaxK, Region::k5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RegionPT(c.p, c.T), c.expected) << c.name;
        const Region settled = SettledRegion(c.p, c.T);
        EXPECT_TRUE(settled == Region::kNone || settled == c.expected) << c.name;
    }
}

// The shortcut that settles regions 1 and 2 by bounds gives RegionPT's region wherever it settles one, also one
// double either side of the saturation line and on the B23 line; over a grid it leaves undecided only the few
// states close to a boundary.
TEST(SettledRegion, AgreesWithRegionPT) {
    int disagreements = 0;
    const auto agrees = [&](double p, double T) {
        const Region shortcut = SettledRegion(p, T);
        disagreements += shortcut == Region::kNone || shortcut == RegionPT(p, T) ? 0 : 1;
        return shortcut != Region::kNone;
    };
    int inRegions1And2 = 0;
    int settled = 0;
    for (int i = 0; i <= 400; ++i) {
        const double p = 1e-4 * std::pow(1e6, i / 400.0);
        for (int j = 0; j <= 2000; ++j) {
            const double T = kMinK + j * (kRegion25K + 20.0 - kMinK) / 2000.0;
            const Region region = RegionPT(p, T);
            inRegions1And2 += region == Region::k1 || region == Region::k2 ? 1 : 0;
            settled += agrees(p, T) ? 1 : 0;
        }
    }
    for (int j = 0; j <= 4000; ++j) {
        const double T = kMinK + j * (kCriticalK - kMinK) / 4000.0;
        const double ps = region4::SaturationPressure(T);
        for (double p : {ps, Above(ps), std::nextafter(ps, 0.0)}) agrees(p, T);
        agrees(boundary::B23Pressure(T + 400.0), T + 400.0);
    }
    EXPECT_EQ(disagreements, 0);
    EXPECT_GT(settled, 0.99 * inRegions1And2) << "settled " << settled << " of " << inRegions1And2;
}

// A derivative factor formed by additions rounds as the product does, for every factor up to 64 of either sign
// and values of every magnitude, subnormal to overflowing; NaN stays NaN.
template <int... k>
int FactorMismatches(const std::vector<double>& values, std::integer_sequence<int, k...>) {
    int mismatches = 0;
    const auto compare = [&]<int K>() {
        if constexpr (K != 0) {
            for (double t : values) {
                const double sum = detail::Times<K>(t);
                const double product = double(K) * t;
                const bool same = std::isnan(product) ? std::isnan(sum)
                                                      : std::bit_cast<uint64_t>(sum) == std::bit_cast<uint64_t>(product);
                mismatches += same ? 0 : 1;
            }
        }
    };
    (compare.template operator()<k - 64>(), ...);
    return mismatches;
}

TEST(PowerSums, FactorsByAdditionsRoundAsProducts) {
    std::vector<double> values = {0.0, -0.0, kInf, -kInf, std::numeric_limits<double>::quiet_NaN(),
                                  std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max(),
                                  -std::numeric_limits<double>::max() / 3};
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> mantissa(1.0, 2.0);
    for (int k = 0; k < 4000; ++k) {
        const double t = std::ldexp(mantissa(random), -1074 + k % 2100);
        values.push_back(k % 2 == 0 ? t : -t);
    }
    EXPECT_EQ(FactorMismatches(values, std::make_integer_sequence<int, 129>{}), 0);
}

// The constant for 623.15 K is the region 4 pressure there, so that the region 1/3 and saturation boundaries meet.
TEST(RegionPT, SaturationPressureAt623KIsItsConstant) {
    EXPECT_EQ(region4::SaturationPressure(kRegion13K), kSat13MPa);
}

// A step of 1e-6 kJ/kg beyond the lowest or highest temperature of the range leaves it (the limits
// themselves are the ends of the round-trip grid).
TEST(Temperature, AcceptsOnlyStatesInRange) {
    const struct {
        const char* name;
        double p, h;
        bool accepted;
    } cases[] = {
        {"LiquidBelow273K", 1, region1::Property<kEnthalpy>(1, kMinK) - 1e-6, false},
        {"LiquidBelow273KAnd100MPa", 100, region1::Property<kEnthalpy>(100, kMinK) - 1e-6, false},
        {"BelowH'AtLowestSaturationPressure", kSatMinMPa, region1::Property<kEnthalpy>(kSatMinMPa, kMinK) - 1e-6,
         false},
        {"VapourBelow273KLowPressure", 1e-4, region2::Property<kEnthalpy>(1e-4, kMinK) - 1e-6, false},
        {"Above1073KAbove50MPa", 60, region2::Property<kEnthalpy>(60, kRegion25K) + 1e-6, false},
        {"Region5JustAbove1073K", 1, region2::Property<kEnthalpy>(1, kRegion25K) + 1e-6, true},
        {"Region5Above2273K", 50, region5::Property<kEnthalpy>(50, kMaxK) + 1e-6, false},
    };
    for (const auto& c : cases) {
        const double T = Temperature<kEnthalpy>(c.p, c.h);
        EXPECT_TRUE(c.accepted ? T >= kMinK && T <= kMaxK : std::isnan(T)) << c.name << ": " << T;
    }
    // At the lowest saturation pressure Tsat is 273.15 K itself: no colder liquid by entropy either.
    EXPECT_EQ(region4::SaturationTemperature(kSatMinMPa), kMinK);
    EXPECT_TRUE(std::isnan(Temperature<kEntropy>(kSatMinMPa, region1::Property<kEntropy>(kSatMinMPa, kMinK) - 1e-6)));
}

}  // namespace
}  // namespace aquaprop
