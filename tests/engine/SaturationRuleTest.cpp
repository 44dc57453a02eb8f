// SPDX-License-Identifier: MIT
// The saturation line through the C interface, in the caller's units: one rule held by every function and by
// what the main window decides from them: (T, p) is the liquid where T <= STM_sTp(p), (p, h) is wet where
// STM_sHtx(STM_sTp(p), 1) <= h <= STM_sHtx(STM_sTp(p), 0), and likewise in s. And the engine's own results at
// the ends of the range, taken back as inputs, in every unit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "CapiFixture.h"

namespace aquaprop {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMinK = 273.15;
constexpr double kCriticalK = 647.096;
constexpr double kJoinK = 647.0959653424;  // the scaled law of the saturated states begins here

double Up(double x) { return std::nextafter(x, kInf); }
double Down(double x) { return std::nextafter(x, -kInf); }

// A temperature in K in the current unit: K, degC and degF all count from 273.15 K in steps of 1 or 1.8.
double InUnit(double kelvin) {
    const double perKelvin = (STM_GetMaxTemp() - STM_GetMinTemp()) / 2000.0;
    return STM_GetMinTemp() + (kelvin - kMinK) * perKelvin;
}

// Enthalpy or entropy: the functions of one of them.
struct Given {
    const char* name;
    double (*saturated)(double T, double w);  // STM_sHtx or STM_sStx
    double (*wetness)(double p, double x);
    int16_t (*isWet)(double p, double x);
    double (*temperature)(double p, double x);
    double (*ofState)(double T, double p);  // STM_nHtp or STM_nStp
};

constexpr Given kEnthalpy{"h", STM_sHtx, STM_sXph, STM_IsSat_ph, STM_nTph, STM_nHtp};
constexpr Given kEntropy{"s", STM_sStx, STM_sXps, STM_IsSat_ps, STM_nTps, STM_nStp};

class SaturationRule : public testing::InUnitSet {
protected:
    // Pressures as saturation pressures: over the whole line, densely in the corner above psat(623.15 K) where
    // region 2 on the B23 line lies below region 3's h'' (up to 16.53 MPa, 623.153 K), and close to the critical
    // point.
    static std::vector<double> Pressures() {
        std::vector<double> kelvin;
        for (double T = kMinK; T < 640.0; T += 9.3) kelvin.push_back(T);
        for (double T = 623.15; T < 623.154; T += 5e-5) kelvin.push_back(T);
        for (double d = 1.0; d > 1e-9; d *= 0.6) kelvin.push_back(kCriticalK - d);
        std::vector<double> p;
        for (double T : kelvin) p.push_back(STM_sPt(InUnit(T)));
        return p;
    }

    // Every function agrees with the rule at (p, x): the predicate, the wetness, the temperature (STM_sTp(p)
    // inside, the phase's side beside), and the main window's phase from h' and h''.
    void Check(const Given& g, double p, double x) {
        const double Ts = STM_sTp(p);
        const double liquid = g.saturated(Ts, 1.0);
        const double vapour = g.saturated(Ts, 0.0);
        const bool wet = liquid <= x && x <= vapour;
        SCOPED_TRACE(::testing::Message() << g.name << " = " << x << " at p = " << p << ", between " << liquid
                                          << " and " << vapour << ": " << (wet ? "wet" : "not wet"));
        EXPECT_EQ(g.isWet(p, x), wet ? 1 : 0);
        const double w = g.wetness(p, x);
        EXPECT_EQ(w != STM_ERROR_VALUE, wet);
        const double T = g.temperature(p, x);
        ASSERT_NE(T, STM_ERROR_VALUE);
        if (wet) {
            EXPECT_EQ(T, Ts);
            EXPECT_NEAR(g.saturated(Ts, w), x, 1e-9 * std::max(std::fabs(x), std::fabs(vapour)));
            ++wetStates;
        } else {
            EXPECT_TRUE(x < liquid ? T <= Ts : T > Ts) << "T = " << T << ", Ts = " << Ts;
            // The state at that temperature is the same phase: closer to its own saturated value.
            const double back = g.ofState(T, p);
            if (vapour - liquid > 1e-6 * std::fabs(vapour)) {
                EXPECT_EQ(std::fabs(back - liquid) < std::fabs(back - vapour), x < liquid) << "x(T) = " << back;
            }
        }
        ++states;
    }

    int states = 0;
    int wetStates = 0;
};

// The saturated values themselves and the doubles next to them, steps of 1e-15 to 1e-3 beyond and inside them,
// and the middle of the dome, at each pressure, by h and by s.
TEST_P(SaturationRule, OneRuleForWetAtEveryPressure) {
    for (double p : Pressures()) {
        const double Ts = STM_sTp(p);
        for (const Given& g : {kEnthalpy, kEntropy}) {
            const double liquid = g.saturated(Ts, 1.0);
            const double vapour = g.saturated(Ts, 0.0);
            Check(g, p, 0.5 * (liquid + vapour));
            for (double end : {liquid, vapour}) {
                for (double x : {Down(Down(end)), Down(end), end, Up(end), Up(Up(end))}) Check(g, p, x);
                for (double d = 1e-15; d < 2e-3; d *= 10.0) {
                    const double step = d * std::max(std::fabs(end), 1.0);
                    if (Ts > STM_GetMinTemp() || end == vapour) Check(g, p, end - step);
                    Check(g, p, end + step);
                }
            }
        }
    }
    EXPECT_GT(states, 15000);
    EXPECT_GT(wetStates, 5000);
}

// (STM_sTp(p), p) is the saturated liquid, the next temperature up the vapour: for the enthalpy, the internal
// energy and the transport properties, against their saturated phases' values.
TEST_P(SaturationRule, SaturationTemperatureIsTheLiquidsAndTheNextOneUpTheVapours) {
    struct Phased {
        const char* name;
        double (*ofState)(double T, double p);
        double (*saturated)(double T, double w);
    };
    // u comes with cp, cv and w from the full state, h from its own sum.
    const Phased properties[] = {{"h", STM_nHtp, STM_sHtx}, {"u", STM_nUtp, STM_sUtx}, {"mu", STM_nMUtp, STM_sMUtx},
                                 {"lambda", STM_nLAMtp, STM_sLAMtx}};
    for (double p : Pressures()) {
        const double Ts = STM_sTp(p);
        // Closer to Tc the saturated states follow the scaled law, and the vapour's root appears only above Ts.
        if (Ts > InUnit(kJoinK)) continue;
        for (const Phased& f : properties) {
            const double liquid = f.saturated(Ts, 1.0);
            const double vapour = f.saturated(Ts, 0.0);
            const double atTs = f.ofState(Ts, p);
            const double above = f.ofState(Up(Ts), p);
            EXPECT_LT(std::fabs(atTs - liquid), std::fabs(atTs - vapour)) << f.name << " at " << p;
            EXPECT_LT(std::fabs(above - vapour), std::fabs(above - liquid)) << f.name << " at " << p;
        }
        EXPECT_LT(STM_nDtp(Ts, p) * (GetParam().volume == 72 ? -1.0 : 1.0),
                  STM_nDtp(Up(Ts), p) * (GetParam().volume == 72 ? -1.0 : 1.0)) << p;
    }
}

INSTANTIATE_TEST_SUITE_P(Units, SaturationRule, ::testing::ValuesIn(testing::kUnitSets), testing::UnitSetName);

using RangeEnds = testing::DefaultUnits;

// STM_sTp(STM_sPt(T)) from 273.15 K to Tc inclusive, in every temperature and pressure unit, with the values the
// saturation-by-pressure report and the property list ask for there: the ends as the engine gives them and as
// typed.
TEST_F(RangeEnds, SaturationRoundTripInEveryUnit) {
    for (int32_t temperature = 1; temperature <= 3; ++temperature) {
        for (int32_t pressure = 11; pressure <= 21; ++pressure) {
            testing::SetUnits(temperature, pressure);
            const double typedEnds[][2] = {{273.15, 647.096}, {0.0, 373.946}, {32.0, 705.1028}};
            std::vector<double> temperatures = {STM_GetMinTemp(), typedEnds[temperature - 1][0],
                                                typedEnds[temperature - 1][1], InUnit(kCriticalK)};
            for (double T = kMinK; T < kCriticalK; T += 3.7) temperatures.push_back(InUnit(T));
            for (double T : temperatures) {
                SCOPED_TRACE(::testing::Message() << "units " << temperature << ", " << pressure << ": T = " << T);
                const double Ts = STM_sTp(STM_sPt(T));
                ASSERT_NE(Ts, STM_ERROR_VALUE);
                // Tsat(pc) is 1.2e-9 K below Tc.
                EXPECT_NEAR(Ts, T, 2e-9 * (STM_GetMaxTemp() - STM_GetMinTemp()) / 2000.0);
                for (double w : {0.0, 1.0}) {
                    EXPECT_NE(STM_sHtx(Ts, w), STM_ERROR_VALUE);
                    EXPECT_NE(STM_sStx(Ts, w), STM_ERROR_VALUE);
                    EXPECT_NE(STM_sDtx(Ts, w), STM_ERROR_VALUE);
                    EXPECT_NE(STM_sHtx(T, w), STM_ERROR_VALUE);
                    EXPECT_NE(STM_sUtx(Ts, w), STM_ERROR_VALUE);
                    EXPECT_NE(STM_sMUtx(Ts, w), STM_ERROR_VALUE);
                }
                EXPECT_NE(STM_sSIGt(Ts), STM_ERROR_VALUE);
            }
        }
    }
}

// T(p, h(T, p)) and T(p, s(T, p)) at 273.15, 623.15, 1073.15 and 2273.15 K and at 50 and 100 MPa, in every
// unit set: the enthalpy or entropy given at a limit finds the limit again.
TEST_F(RangeEnds, TemperatureOfTheEnginesOwnValuesAtTheLimits) {
    int checked = 0;
    for (int32_t temperature = 1; temperature <= 3; ++temperature) {
        for (int32_t pressure = 11; pressure <= 21; ++pressure) {
            for (int32_t energy = 0; energy < 3; ++energy) {
                testing::SetUnits(temperature, pressure, 31 + energy, 51 + energy);
                const double top = STM_GetMaxPress();
                const double half = STM_GetMinPress() + 0.5 * (top - STM_GetMinPress());
                for (double kelvin : {273.15, 623.15, 1073.15, 2273.15}) {
                    for (double p : {half, top}) {
                        if (kelvin > 1073.15 && p == top) continue;
                        const double T = InUnit(kelvin);
                        SCOPED_TRACE(::testing::Message() << "units " << temperature << ", " << pressure << ", "
                                                          << energy << ": " << kelvin << " K, p = " << p);
                        for (const Given& g : {kEnthalpy, kEntropy}) {
                            const double x = g.ofState(T, p);
                            ASSERT_NE(x, STM_ERROR_VALUE) << g.name;
                            // Where two regions meet, their equations differ slightly and x may have its
                            // answer on the other side, within a few hundredths of a kelvin.
                            EXPECT_NEAR(g.temperature(p, x), T, 0.05 * (STM_GetMaxTemp() - STM_GetMinTemp()) / 2000)
                                << g.name;
                            ++checked;
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(checked, 3 * 11 * 3 * 7 * 2);
}

}  // namespace
}  // namespace aquaprop
