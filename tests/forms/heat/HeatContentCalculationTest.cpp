// SPDX-License-Identifier: MIT
// The constant-enthalpy calculation against a scripted engine: lines, volume scaling, comparisons, phase.
#include "forms/heat/HeatContentCalculation.h"

#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"
#include "tests/common/FakeEngine.h"

#include <gtest/gtest.h>

namespace {

constexpr double kErr = EngineErrorValue;
const QString kOutOfRange = QStringLiteral("圧力or温度が範囲外です。");

// Engine answers in call order: the six calls every calculation makes, then three of the single-phase set state
// or three of the wet one.
enum Call { HRef, SRef, VRef, Ts, HLiq, HVap, TSet, SSet, VSet };
enum WetCall { Wetness = TSet, SWet, VWet };
const std::map<size_t, double> kAnswers = {{HRef, 100.0}, {SRef, 0.3},    {VRef, 0.001},   {Ts, 180.0},  {HLiq, 760.0},
                                           {HVap, 2780.0}, {TSet, 20.0}, {SSet, 0.29}, {VSet, 0.0009}};

class HeatContent : public testing::Test {
protected:
    FakeEngine engine;

    void SetUp() override
    {
        FillUnitLabels();
        Module1::DensityUnit = 71;
        Module1::DensityFactor = 1.0;
        engine.answerAtCall = kAnswers;
    }

    // A wet set state: the reference enthalpy between the two saturation enthalpies.
    void MakeWet()
    {
        engine.answerAtCall[HLiq] = 50.0;
        engine.answerAtCall[Wetness] = 0.25;
        engine.answerAtCall[SWet] = 5.5;
        engine.answerAtCall[VWet] = 0.15;
    }

    HeatContentOutcome Run() { return CalculateHeatContent({3.0, 25.0, 1.0}, engine); }
};

TEST_F(HeatContent, PrintsTenLinesCharacterForCharacter)
{
    const HeatContentOutcome outcome = Run();
    EXPECT_TRUE(outcome.message.isEmpty());
    const QStringList lines = {
        QStringLiteral(" 基準値"),
        QStringLiteral("  温度        T   =       25.00000000 [℃]"),
        QStringLiteral("  エンタルピ  h   =      100.00000000 [KJ/Kg]"),
        QStringLiteral("  エントロピ  s   =        0.30000000 [KJ/KgK]"),
        QStringLiteral("  比容積      v   =        0.00100000 [m3/Kg]"),
        QStringLiteral(" 設定値 （圧縮水）"),
        QStringLiteral("  温度        T   =       20.00000000 [℃]"),
        QStringLiteral("  エンタルピ  h   =      100.00000000 [KJ/Kg]"),
        QStringLiteral("  エントロピ  s   =        0.29000000 [KJ/KgK]"),
        QStringLiteral("  比容積      v   =        0.00090000 [m3/Kg]"),
    };
    EXPECT_EQ(outcome.report, lines);
}

TEST_F(HeatContent, ScalesPrintedVolumesButComparesTheEngineValue)
{
    Module1::DensityUnit = 73;
    Module1::DensityFactor = 35.3147 / 2.20462;
    engine.answerAtCall[VRef] = 1.0;
    const HeatContentOutcome outcome = Run();
    ASSERT_EQ(outcome.report.size(), 10);
    EXPECT_EQ(outcome.report[4], QStringLiteral("  比容積      v   =       16.01849752 [ft3/lb]"));
    EXPECT_EQ(outcome.report[9], QStringLiteral("  比容積      v   =        0.01441665 [ft3/lb]"));

    engine.calls.clear();
    engine.answerAtCall[VSet] = kErr;
    EXPECT_EQ(Run().message, kOutOfRange);
}

// A wet set state is reported at Ts with the mixture's s and v, and asks for no single-phase values.
TEST_F(HeatContent, MessageOnlyForTheReportedValues)
{
    const struct { const char* name; bool wet; int call; bool message; } rows[] = {
        {"reference enthalpy", false, HRef, true},
        {"reference entropy", false, SRef, true},
        {"reference volume", false, VRef, true},
        {"set temperature", false, TSet, true},
        {"set entropy", false, SSet, true},
        {"set volume", false, VSet, true},
        {"saturation temperature unchecked off the line", false, Ts, false},
        {"wet: the saturation temperature is the set temperature", true, Ts, true},
        {"wet: mixture entropy", true, SWet, true},
        {"wet: mixture volume", true, VWet, true},
        {"wet: the wetness itself is unchecked", true, Wetness, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        engine.calls.clear();
        engine.answerAtCall = kAnswers;
        if (row.wet)
            MakeWet();
        engine.answerAtCall[row.call] = kErr;
        const HeatContentOutcome outcome = Run();
        EXPECT_EQ(outcome.message, row.message ? kOutOfRange : QString());
        EXPECT_EQ(outcome.report.size(), row.message ? 0 : 10);
        ASSERT_EQ(engine.calls.size(), 9u);
        EXPECT_EQ(engine.calls[TSet].name, QString(row.wet ? "STM_sXph" : "STM_nTph"));
    }
}

TEST(PhaseOf, BothBoundsBelongToTheWetState)
{
    EXPECT_EQ(PhaseOf(762.4, 762.5, 2777.1), SetPhase::CompressedWater);
    EXPECT_EQ(PhaseOf(762.5, 762.5, 2777.1), SetPhase::Saturated);
    EXPECT_EQ(PhaseOf(2777.1, 762.5, 2777.1), SetPhase::Saturated);
    EXPECT_EQ(PhaseOf(2777.2, 762.5, 2777.1), SetPhase::Superheated);
    EXPECT_EQ(PhaseOf(100.0, kErr, kErr), SetPhase::Superheated) << "error bounds are taken as they come";
}

}  // namespace
