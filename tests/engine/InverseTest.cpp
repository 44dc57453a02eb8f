// T(p, s) refined to the forward equations over every region, and the seams where two regions' equations
// disagree within the formulation's consistency, for T(p, h) and T(p, s) alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "Sweep.h"
#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/Region1.h"
#include "engine/core/Region2.h"
#include "engine/core/Region3.h"
#include "engine/core/Region4.h"
#include "engine/core/Region5.h"
#include "engine/core/Saturation.h"
#include "engine/core/Selection.h"

#ifndef AQUAPROP_HAVE_REGION3
#define AQUAPROP_HAVE_REGION3 0
#endif

namespace aquaprop {
namespace {

using testing::OnSaturationOrSeam;
using testing::SweepPressures;

constexpr double kRefinedRel = 1e-9;

double MinEntropy(double p) { return p >= kSatMinMPa ? region1::Entropy(p, kMinK) : region2::Entropy(p, kMinK); }
double MaxEntropy(double p) {
    return p <= kMaxRegion5MPa ? region5::Entropy(p, kMaxK) : region2::Entropy(p, kRegion25K);
}

bool InRegion3Band(double p, double s) {
    return p > kSat13MPa && s > region1::Entropy(p, kRegion13K) &&
           s < region2::Entropy(p, boundary::B23Temperature(p));
}

// s(T(p, s), p) = s to 1e-9 over a grid from 273.15 K to the top of the range at every sweep pressure,
// below 0.1 kPa (where the region 2 backward equation is tens of kelvin off) up to 100 MPa.
TEST(EntropyInverse, EntropyRoundTripsOverThePsGrid) {
    constexpr int kSteps = 600;
    int checked = 0;
    for (double p : SweepPressures()) {
        const double lo = MinEntropy(p);
        const double hi = MaxEntropy(p);
        for (int k = 0; k <= kSteps; ++k) {
            const double s = k == kSteps ? hi : lo + (hi - lo) * k / kSteps;
            if (!AQUAPROP_HAVE_REGION3 && InRegion3Band(p, s)) continue;
            const double T = TemperaturePS(p, s);
            ASSERT_TRUE(std::isfinite(T)) << "p=" << p << " s=" << s;
            if (OnSaturationOrSeam(p, T)) continue;
            const double back = PropertyTP<Quantity::kEntropy>(T, p);
            ASSERT_NEAR(back, s, kRefinedRel * std::max(std::fabs(s), 1.0)) << "p=" << p << " s=" << s << " T=" << T;
            ++checked;
        }
    }
    EXPECT_GT(checked, 25000);
}

// T -> s -> T to a nanokelvin in every region, region 3 and the critical isobar included.
TEST(EntropyInverse, TemperatureRoundTripsInEveryRegion) {
    int checked = 0;
    for (double p : SweepPressures()) {
        for (double T = kMinK; T <= kMaxK; T += 3.1) {
            const Region region = RegionTP(T, p);
            if (region == Region::kNone || OnSaturationOrSeam(p, T)) continue;
            if (region == Region::k3 && !AQUAPROP_HAVE_REGION3) continue;
            if (region == Region::k5 && T < kRegion25K + 0.2) continue;  // the 2/5 seam
            const double s = PropertyTP<Quantity::kEntropy>(T, p);
            ASSERT_NEAR(TemperaturePS(p, s), T, 1e-9 * T) << "p=" << p << " T=" << T;
            ++checked;
        }
    }
    EXPECT_GT(checked, 20000);
}

// Just outside the dome the temperature stays on its own side of Tsat(p), up to the critical point.
TEST(EntropyInverse, StatesBesideTheDomeKeepTheirPhase) {
    std::vector<double> pressures = {kSat13MPa};
    for (double p = 0.001; p < kSat13MPa; p *= 1.3) pressures.push_back(p);
    if (AQUAPROP_HAVE_REGION3) pressures.insert(pressures.end(), {17.0, 20.0, 21.5, 22.0, 22.06});
    for (double p : pressures) {
        const double Ts = region4::SaturationTemperature(p);
        const saturation::Pair sat = saturation::SaturatedPair<Quantity::kEntropy>(Ts);
        for (double ds : {1e-9, 1e-6, 1e-3, 0.05}) {
            const double sLiquid = sat.liquid - ds;
            const double sVapour = sat.vapour + ds;
            const double TLiquid = TemperaturePS(p, sLiquid);
            const double TVapour = TemperaturePS(p, sVapour);
            EXPECT_LE(TLiquid, Ts) << p << " " << ds;
            EXPECT_GE(TVapour, Ts) << p << " " << ds;
            const double sliver = kRefinedRel * std::max(std::fabs(sLiquid), 1.0);
            EXPECT_NEAR(PropertyTP<Quantity::kEntropy>(TLiquid, p), sLiquid, sliver) << p << " " << ds;
            // Within 1e-12 of Tsat(p) the forward functions give the liquid's value, whatever the phase.
            if (TVapour > Ts * (1 + kSatRelTolerance)) {
                EXPECT_NEAR(PropertyTP<Quantity::kEntropy>(TVapour, p), sVapour, kRefinedRel * sVapour)
                    << p << " " << ds;
            }
        }
    }
}

// Anywhere from s' to s'' the answer is Tsat(p).
TEST(EntropyInverse, InsideTheDomeGivesTheSaturationTemperature) {
    const double top = AQUAPROP_HAVE_REGION3 ? kCriticalK - 0.01 : kRegion13K;
    for (double T = kMinK; T <= top; T += 7.7) {
        const double p = region4::SaturationPressure(T);
        const saturation::Pair sat = saturation::SaturatedPair<Quantity::kEntropy>(T);
        for (double w : {1.0, 0.999, 0.5, 1e-3, 0.0}) {
            const double s = w * sat.liquid + (1 - w) * sat.vapour;
            EXPECT_NEAR(TemperaturePS(p, s), T, 1e-9 * T) << "T=" << T << " w=" << w;
        }
    }
}

// Region 3 meets region 1 at 623.15 K and region 2 on the B23 line only within the formulation's consistency.
// Between the two equations' values on such a line lies a gap (or an overlap): every value from one side's to
// the other's gives a temperature on the line, and inside a gap exactly the line's.
struct SeamCase {
    const char* name;
    bool byEntropy;
    bool onB23;
};

class Region3Seams : public ::testing::TestWithParam<SeamCase> {};

TEST_P(Region3Seams, ValuesBetweenTheEquationsGiveTheBoundary) {
    if (!AQUAPROP_HAVE_REGION3) GTEST_SKIP() << "region 3 is not in this build";
    const SeamCase& c = GetParam();
    int gaps = 0;
    for (double p = 16.6; p <= kMaxMPa; p += 0.37) {
        const double Tline = c.onB23 ? boundary::B23Temperature(p) : kRegion13K;
        const Props region3 = region3::PropsPT(p, Tline);
        const double x3 = c.byEntropy ? region3.s : region3.h;
        const double xOther = c.onB23 ? (c.byEntropy ? region2::Entropy(p, Tline) : region2::Enthalpy(p, Tline))
                                      : (c.byEntropy ? region1::Entropy(p, Tline) : region1::Enthalpy(p, Tline));
        // A gap: region 3's value lies beyond the neighbour's, seen from region 3.
        const bool gap = c.onB23 ? x3 < xOther : x3 > xOther;
        for (double f : {0.0, 0.25, 0.5, 0.75, 1.0}) {
            const double x = x3 + (xOther - x3) * f;
            const double T = c.byEntropy ? TemperaturePS(p, x) : TemperaturePH(p, x);
            ASSERT_NEAR(T, Tline, 0.05) << "p=" << p << " x=" << x;
            if (gap && f > 0.0 && f < 1.0) {
                EXPECT_EQ(T, Tline) << "p=" << p << " x=" << x;
            }
        }
        gaps += gap ? 1 : 0;
    }
    EXPECT_GT(gaps, 10);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, Region3Seams,
                         ::testing::Values(SeamCase{"Entropy_623K", true, false},
                                           SeamCase{"Enthalpy_623K", false, false},
                                           SeamCase{"Entropy_B23", true, true},
                                           SeamCase{"Enthalpy_B23", false, true}),
                         [](const ::testing::TestParamInfo<SeamCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace aquaprop
