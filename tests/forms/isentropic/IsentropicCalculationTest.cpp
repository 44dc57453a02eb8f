// SPDX-License-Identifier: MIT
// The isentropic calculation against the engine's forward functions, and its refusals.
#include "forms/isentropic/IsentropicCalculation.h"

#include "settings/UnitCatalogue.h"
#include "tests/common/FakeEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct ForwardCase {
    const char* name;
    double p1, T1, p2;
    std::optional<double> efficiency;
    Phase isentropic, actual;
};

void PrintTo(const ForwardCase& row, std::ostream* out) { *out << row.name; }

// A state at p with enthalpy h, checked with the forward functions: a wet one by the mixture rule at the dryness
// its h gives (and its s, when s is given), a single-phase one by h (and s) at its temperature.
void ExpectState(const IsentropicPoint& point, double p, double h, std::optional<double> s = std::nullopt)
{
    AquapropEngine engine;
    const auto near = [](double actual, double expected) {
        return std::abs(actual - expected) <= 1e-9 * std::abs(expected) + 1e-12;
    };
    EXPECT_EQ(point.p, p);
    EXPECT_TRUE(near(point.h, h)) << point.h << " " << h;
    double expectedS = 0, expectedV = 0;
    if (point.phase == Phase::WetSteam) {
        const double Ts = engine.STM_sTp(p);
        const double hLiquid = engine.STM_sHtx(Ts, 1.0), hVapour = engine.STM_sHtx(Ts, 0.0);
        const double x = (h - hLiquid) / (hVapour - hLiquid);
        EXPECT_EQ(point.T, Ts);
        EXPECT_TRUE(near(point.dryness.value_or(-1), x)) << point.dryness.value_or(-1) << " " << x;
        expectedS = (1 - x) * engine.STM_sStx(Ts, 1.0) + x * engine.STM_sStx(Ts, 0.0);
        expectedV = (1 - x) * engine.STM_sDtx(Ts, 1.0) + x * engine.STM_sDtx(Ts, 0.0);
    } else {
        EXPECT_FALSE(point.dryness);
        EXPECT_TRUE(near(engine.STM_nHtp(point.T, p), h)) << point.T;
        expectedS = engine.STM_nStp(point.T, p);
        expectedV = engine.STM_nDtp(point.T, p);
    }
    EXPECT_TRUE(!s || near(point.s, *s)) << point.s << " " << s.value_or(0);
    EXPECT_TRUE(near(point.s, expectedS)) << point.s << " " << expectedS;
    EXPECT_TRUE(near(point.v, expectedV)) << point.v << " " << expectedV;
}

class Isentropic : public testing::TestWithParam<ForwardCase> {};

// In the default units (MPa, ℃, kJ/kg). The isentropic state has the inlet's entropy; with an efficiency the
// actual state's enthalpy follows from h1 and h2s by the expansion or the compression rule.
TEST_P(Isentropic, AgreesWithTheForwardFunctions)
{
    const ForwardCase& row = GetParam();
    FillUnitLabels();
    AquapropEngine engine;
    const double h1 = engine.STM_nHtp(row.T1, row.p1);
    const IsentropicOutcome outcome = CalculateIsentropic({row.p1, row.T1, row.p2, row.efficiency}, engine);
    ASSERT_TRUE(outcome.result) << outcome.message.toStdString();
    const IsentropicResult& result = *outcome.result;
    EXPECT_EQ(result.inlet.h, h1);
    EXPECT_EQ(result.inlet.v, engine.STM_nDtp(row.T1, row.p1));

    const double h2s = result.isentropic.h;
    EXPECT_EQ(result.isentropic.phase, row.isentropic);
    ExpectState(result.isentropic, row.p2, h2s, engine.STM_nStp(row.T1, row.p1));
    EXPECT_EQ(result.IsentropicDrop(), h1 - h2s);

    ASSERT_EQ(result.actual.has_value(), row.efficiency.has_value());
    if (!row.efficiency)
        return;
    const double eta = *row.efficiency / 100;
    const double h2 = row.p2 > row.p1 ? h1 + (h2s - h1) / eta : h1 - eta * (h1 - h2s);
    EXPECT_EQ(result.actual->phase, row.actual);
    ExpectState(*result.actual, row.p2, h2);
    EXPECT_NEAR(*result.ActualDrop(), h1 - h2, 1e-9);
}

constexpr Phase kWater = Phase::CompressedWater, kWet = Phase::WetSteam, kSteam = Phase::SuperheatedSteam;

INSTANTIATE_TEST_SUITE_P(
    Cases, Isentropic,
    testing::Values(ForwardCase{"WetExpansion", 10, 500, 0.01, 85.0, kWet, kWet},
                    ForwardCase{"WithoutEfficiency", 10, 500, 0.01, std::nullopt, kWet, kWet},
                    ForwardCase{"FullEfficiencyIsTheIsentropicState", 10, 500, 0.01, 100.0, kWet, kWet},
                    ForwardCase{"IntoSuperheatedSteam", 3, 400, 0.5, 80.0, kSteam, kSteam},
                    ForwardCase{"WetIsentropicSuperheatedActual", 3, 300, 0.2, 40.0, kWet, kSteam},
                    ForwardCase{"SteamCompression", 0.1, 150, 0.5, 75.0, kSteam, kSteam},
                    ForwardCase{"WaterCompression", 0.01, 40, 10, 75.0, kWater, kWater},
                    ForwardCase{"AboveTheCriticalPressure", 10, 500, 30, 80.0, kSteam, kSteam},
                    ForwardCase{"EqualPressures", 1, 200, 1, 80.0, kSteam, kSteam}),
    [](const testing::TestParamInfo<ForwardCase>& row) { return std::string(row.param.name); });

// The function refused (every call of it) and the message; an efficiency outside (0, 100] stops before the
// engine is asked.
TEST(IsentropicRefusals, MessageAndNoReport)
{
    const QString efficiency = QStringLiteral("効率が範囲外です。"), state = QStringLiteral("圧力or温度が範囲外です。");
    const struct { IsentropicInputs inputs; const char* refused; QString message; } rows[] = {
        {{10, 500, 0.01, 0.0}, nullptr, efficiency},
        {{10, 500, 0.01, 100.001}, nullptr, efficiency},
        {{10, 500, 0.01, std::numeric_limits<double>::quiet_NaN()}, nullptr, efficiency},
        {{10, 2500, 0.01, std::nullopt}, nullptr, state},    // inlet beyond the range
        {{10, 500, 100, 1.0}, nullptr, state},               // compressed beyond the range
        {{10, 500, 0.01, std::nullopt}, "STM_nDtp", state},  // inlet volume
        {{3, 400, 0.5, std::nullopt}, "STM_nTps", state},    // single-phase outlet
        {{10, 500, 0.01, std::nullopt}, "STM_sXps", state},  // wet outlet: dryness
        {{10, 500, 0.01, std::nullopt}, "STM_sHps", state},  // wet outlet: enthalpy
        {{3, 400, 0.5, 80.0}, "STM_nTph", state},            // actual single-phase outlet
        {{10, 500, 0.01, 80.0}, "STM_sXph", state},          // actual wet outlet
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.refused ? row.refused : row.message.toStdString());
        FakeEngine engine;
        if (row.refused)
            engine.answerOf[QString::fromLatin1(row.refused)] = EngineErrorValue;
        const IsentropicOutcome outcome = CalculateIsentropic(row.inputs, engine);
        EXPECT_EQ(outcome.message, row.message);
        EXPECT_TRUE(outcome.report.isEmpty() && !outcome.result);
        EXPECT_EQ(engine.calls.empty(), row.message == efficiency);
    }
}

}  // namespace
