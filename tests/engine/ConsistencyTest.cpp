// Backward results refined to the forward equations, and continuity across the region boundaries.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "Sweep.h"
#include "engine/core/Backward1.h"
#include "engine/core/Backward2.h"
#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/Region1.h"
#include "engine/core/Region2.h"
#include "engine/core/Region4.h"
#include "engine/core/Region5.h"
#include "engine/core/Saturation.h"
#include "engine/core/Selection.h"

#ifndef AQUAPROP_HAVE_REGION3
#define AQUAPROP_HAVE_REGION3 0
#endif

namespace aquaprop {
namespace {

constexpr double kRefinedRel = 1e-9;

using testing::OnSaturationOrSeam;
using testing::SweepPressures;

double MinEnthalpy(double p) { return p >= kSatMinMPa ? region1::Enthalpy(p, kMinK) : region2::Enthalpy(p, kMinK); }
double MaxEnthalpy(double p) {
    return p <= kMaxRegion5MPa ? region5::Enthalpy(p, kMaxK) : region2::Enthalpy(p, kRegion25K);
}

// The region 3 band of (p, h): above psat(623.15 K), between 623.15 K and the B23 line.
bool InRegion3Band(double p, double h) {
    return p > kSat13MPa && h > region1::Enthalpy(p, kRegion13K) &&
           h < region2::Enthalpy(p, boundary::B23Temperature(p));
}

// h(T(p, h), p) = h to 1e-9 over a grid that covers every region, the dome edges and the critical point.
TEST(RefinedBackward, EnthalpyRoundTripsOverThePhGrid) {
    constexpr int kSteps = 400;
    int checked = 0;
    for (double p : SweepPressures()) {
        const double lo = MinEnthalpy(p);
        const double hi = MaxEnthalpy(p);
        for (int k = 0; k <= kSteps; ++k) {
            const double h = k == kSteps ? hi : lo + (hi - lo) * k / kSteps;
            if (!AQUAPROP_HAVE_REGION3 && InRegion3Band(p, h)) continue;
            const double T = TemperaturePH(p, h);
            ASSERT_TRUE(std::isfinite(T)) << "p=" << p << " h=" << h;
            if (OnSaturationOrSeam(p, T)) continue;
            const double back = PropertyTP<Quantity::kEnthalpy>(T, p);
            ASSERT_NEAR(back, h, kRefinedRel * std::max(std::fabs(h), 1.0)) << "p=" << p << " h=" << h << " T=" << T;
            ++checked;
        }
    }
    EXPECT_GT(checked, 10000);
}

// The stronger form: T -> h -> T comes back to a nanokelvin, where the plain backward equations are off by mK.
TEST(RefinedBackward, TemperatureRoundTripsInRegions125) {
    for (double p : SweepPressures()) {
        for (double T = kMinK; T <= kMaxK; T += 7.3) {
            const Region region = RegionTP(T, p);
            if (region == Region::kNone || region == Region::k3 || OnSaturationOrSeam(p, T)) continue;
            if (region == Region::k5 && T < kRegion25K + 0.2) continue;  // the 2/5 seam
            const double h = PropertyTP<Quantity::kEnthalpy>(T, p);
            ASSERT_NEAR(TemperaturePH(p, h), T, 1e-9 * T) << "p=" << p << " T=" << T;
        }
    }
}

// T(p, s) of regions 1 and 2 refined the same way: T -> s -> T to a nanokelvin.
TEST(RefinedBackward, EntropyRoundTripsInRegions12) {
    int checked = 0;
    for (double p : SweepPressures()) {
        for (double T = kMinK; T <= kRegion25K; T += 3.7) {
            const Region region = RegionTP(T, p);
            if ((region != Region::k1 && region != Region::k2) || OnSaturationOrSeam(p, T)) continue;
            const double s = PropertyTP<Quantity::kEntropy>(T, p);
            const double back = region == Region::k1 ? region1::TemperaturePS(p, s) : region2::TemperaturePS(p, s);
            ASSERT_NEAR(back, T, 1e-9 * T) << "p=" << p << " T=" << T;
            ++checked;
        }
    }
    EXPECT_GT(checked, 5000);
}

// A backward estimate that lands on the wrong side of the saturation line must not pull the state into the
// other phase: just outside the dome the temperature stays on its own side.
TEST(RefinedBackward, StatesBesideTheDomeKeepTheirPhase) {
    for (double p = 0.001; p <= kSat13MPa; p *= 1.3) {
        const double Ts = region4::SaturationTemperature(p);
        for (double dh : {1e-9, 1e-6, 1e-3, 0.1}) {
            const double hLiquid = region1::Enthalpy(p, Ts) - dh;
            const double hVapour = region2::Enthalpy(p, Ts) + dh;
            const double TLiquid = TemperaturePH(p, hLiquid);
            const double TVapour = TemperaturePH(p, hVapour);
            EXPECT_LE(TLiquid, Ts);
            EXPECT_GE(TVapour, Ts);
            EXPECT_NEAR(region1::Enthalpy(p, TLiquid), hLiquid, kRefinedRel * std::max(std::fabs(hLiquid), 1.0))
                << p << " " << dh;
            EXPECT_NEAR(region2::Enthalpy(p, TVapour), hVapour, kRefinedRel * hVapour) << p << " " << dh;
        }
    }
}

// Limits of the formulation's own consistency at a region boundary.
constexpr double kSeamEnthalpy = 0.2;      // kJ/kg
constexpr double kSeamEntropy = 2e-4;      // kJ/(kg K)
constexpr double kSeamVolumeRel = 5e-4;

void ExpectContinuous(double T, double p) {
    const double below = std::nextafter(T, 0.0);
    const double above = std::nextafter(T, 1e9);
    EXPECT_NEAR(PropertyTP<Quantity::kEnthalpy>(below, p), PropertyTP<Quantity::kEnthalpy>(above, p), kSeamEnthalpy)
        << "T=" << T << " p=" << p;
    EXPECT_NEAR(PropertyTP<Quantity::kEntropy>(below, p), PropertyTP<Quantity::kEntropy>(above, p), kSeamEntropy)
        << "T=" << T << " p=" << p;
    const double v = PropertyTP<Quantity::kVolume>(below, p);
    EXPECT_NEAR(PropertyTP<Quantity::kVolume>(above, p), v, kSeamVolumeRel * v) << "T=" << T << " p=" << p;
}

TEST(Continuity, AcrossTheRegion2To5Isotherm) {
    for (double p = 1e-4; p <= kMaxRegion5MPa; p *= 1.5) ExpectContinuous(kRegion25K, p);
    ExpectContinuous(kRegion25K, kMaxRegion5MPa);
}

TEST(Continuity, AcrossTheRegion1To3Isotherm) {
    if (!AQUAPROP_HAVE_REGION3) GTEST_SKIP() << "region 3 is not in this build";
    for (double p = 16.6; p <= kMaxMPa; p += 2.7) ExpectContinuous(kRegion13K, p);
}

TEST(Continuity, AcrossTheB23Line) {
    if (!AQUAPROP_HAVE_REGION3) GTEST_SKIP() << "region 3 is not in this build";
    for (double T = 630.0; T <= kB23MaxK; T += 11.0) {
        const double p = boundary::B23Pressure(T);
        const double below = std::nextafter(p, 0.0);
        const double above = std::nextafter(p, 1e9);
        EXPECT_NEAR(PropertyTP<Quantity::kEnthalpy>(T, below), PropertyTP<Quantity::kEnthalpy>(T, above),
                    kSeamEnthalpy)
            << T;
        EXPECT_NEAR(PropertyTP<Quantity::kEntropy>(T, below), PropertyTP<Quantity::kEntropy>(T, above), kSeamEntropy)
            << T;
    }
}

// Approaching the saturation line from either side gives h' and h'', and 623.15 K joins the two methods.
TEST(Continuity, SingleStatesMeetTheSaturationLine) {
    const double top = AQUAPROP_HAVE_REGION3 ? kCriticalK - 0.5 : kRegion13K;
    for (double T = kMinK + 1.0; T <= top; T += 9.1) {
        const double p = region4::SaturationPressure(T);
        const saturation::Pair h = saturation::SaturatedPair<Quantity::kEnthalpy>(T);
        EXPECT_NEAR(PropertyTP<Quantity::kEnthalpy>(T * (1 - 1e-10), p), h.liquid, 1e-6 * h.liquid) << T;
        EXPECT_NEAR(PropertyTP<Quantity::kEnthalpy>(T * (1 + 1e-10), p), h.vapour, 1e-6 * h.vapour) << T;
    }
}

TEST(Continuity, SaturationLineAcross623K) {
    if (!AQUAPROP_HAVE_REGION3) GTEST_SKIP() << "region 3 is not in this build";
    const double T = kRegion13K;
    const double above = std::nextafter(T, 1e9);
    const saturation::Pair h0 = saturation::SaturatedPair<Quantity::kEnthalpy>(T);
    const saturation::Pair h1 = saturation::SaturatedPair<Quantity::kEnthalpy>(above);
    EXPECT_NEAR(h0.liquid, h1.liquid, kSeamEnthalpy);
    EXPECT_NEAR(h0.vapour, h1.vapour, kSeamEnthalpy);
    const saturation::Pair s0 = saturation::SaturatedPair<Quantity::kEntropy>(T);
    const saturation::Pair s1 = saturation::SaturatedPair<Quantity::kEntropy>(above);
    EXPECT_NEAR(s0.liquid, s1.liquid, kSeamEntropy);
    EXPECT_NEAR(s0.vapour, s1.vapour, kSeamEntropy);
}

// Near the critical point both saturation roots exist, stay apart and close in on each other.
TEST(Continuity, SaturationRootsNearTheCriticalPoint) {
    if (!AQUAPROP_HAVE_REGION3) GTEST_SKIP() << "region 3 is not in this build";
    double previousGap = 1e9;
    for (double dT : {1.0, 0.1, 0.01, 1e-3, 1e-4}) {
        const saturation::Pair v = saturation::SaturatedPair<Quantity::kVolume>(kCriticalK - dT);
        ASSERT_TRUE(std::isfinite(v.liquid) && std::isfinite(v.vapour)) << dT;
        EXPECT_LT(v.liquid, 1.0 / kCriticalDensity) << dT;
        EXPECT_GT(v.vapour, 1.0 / kCriticalDensity) << dT;
        EXPECT_LT(v.vapour - v.liquid, previousGap) << dT;
        previousGap = v.vapour - v.liquid;
    }
}

// Region 3 states a few kPa beside the saturation pressure take the root of their own phase, close to v' or v''.
TEST(Continuity, Region3StatesBesideTheSaturationPressure) {
    if (!AQUAPROP_HAVE_REGION3) GTEST_SKIP() << "region 3 is not in this build";
    for (double T = 624.0; T < kCriticalK - 0.05; T += 1.7) {
        const double ps = region4::SaturationPressure(T);
        const saturation::Pair v = saturation::SaturatedPair<Quantity::kVolume>(T);
        for (double dp : {1e-3, 1e-5}) {
            const double vLiquid = PropertyTP<Quantity::kVolume>(T, ps + dp);
            const double vVapour = PropertyTP<Quantity::kVolume>(T, ps - dp);
            EXPECT_LE(vLiquid, v.liquid) << T << " " << dp;
            EXPECT_GE(vVapour, v.vapour) << T << " " << dp;
            EXPECT_NEAR(vLiquid, v.liquid, 0.05 * v.liquid) << T << " " << dp;
            EXPECT_NEAR(vVapour, v.vapour, 0.05 * v.vapour) << T << " " << dp;
        }
        // Exactly at psat: the liquid.
        EXPECT_NEAR(PropertyTP<Quantity::kVolume>(T, ps), v.liquid, 1e-9 * v.liquid) << T;
    }
}

}  // namespace
}  // namespace aquaprop
