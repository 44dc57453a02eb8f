// The constant-enthalpy calculation against a scripted engine: call order, phase, comparisons, lines.
#include "forms/heat/HeatContentCalculation.h"

#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"
#include "tests/common/FakeEngine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr double kErr = EngineErrorValue;

// Engine answers in call order: the nine calls every calculation makes.
enum Call { HRef, SRef, VRef, TSet, SSet, VSet, Ts, HLiq, HVap, Wetness, SWet, VWet };

class HeatContent : public testing::Test {
protected:
    FakeEngine engine;

    void SetUp() override
    {
        FillUnitLabels();
        Module1::TempUnit = 2;
        Module1::PressUnit = 12;
        Module1::EnthalUnit = 32;
        Module1::EntroUnit = 52;
        Module1::DensityUnit = 71;
        Module1::DensityFactor = 1.0;
        engine.useLibrary = false;
        engine.answerAtCall = {{HRef, 100.0}, {SRef, 0.3},   {VRef, 0.001}, {TSet, 20.0},
                               {SSet, 0.29},  {VSet, 0.0009}, {Ts, 180.0},  {HLiq, 760.0},
                               {HVap, 2780.0}, {Wetness, 0.25}, {SWet, 5.5}, {VWet, 0.15}};
    }

    // A wet set state: the reference enthalpy between the two saturation enthalpies.
    void MakeWet() { engine.answerAtCall[HLiq] = 50.0; }

    HeatContentOutcome Run() { return CalculateHeatContent({3.0, 25.0, 1.0}, engine); }

    std::vector<std::string> CallsAsText() const
    {
        std::vector<std::string> result;
        for (const EngineCall& call : engine.calls) {
            QStringList args;
            for (double arg : call.args)
                args << QString::number(arg);
            const QString text = call.name + QLatin1Char('(') + args.join(QLatin1Char(',')) + QLatin1Char(')');
            result.push_back(text.toStdString());
        }
        return result;
    }
};

TEST_F(HeatContent, AsksTheEngineForBothStatesInOrder)
{
    Run();
    const std::vector<std::string> expected = {
        "STM_nHtp(25,3)", "STM_nStp(25,3)",  "STM_nDtp(25,3)",   "STM_nTph(1,100)",  "STM_nStp(20,1)",
        "STM_nDtp(20,1)", "STM_sTp(1)",      "STM_sHtx(180,1)", "STM_sHtx(180,0)",
    };
    EXPECT_EQ(CallsAsText(), expected);
}

TEST_F(HeatContent, PrintsTenLinesCharacterForCharacter)
{
    const HeatContentOutcome outcome = Run();
    EXPECT_TRUE(outcome.message.isEmpty());
    const QStringList expected = {
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
    EXPECT_EQ(outcome.report, expected);
}

TEST_F(HeatContent, WetSetStateIsTheMixtureAtTheSaturationTemperature)
{
    MakeWet();
    const HeatContentOutcome outcome = Run();

    // The specified nine calls first, then the mixture's wetness, entropy and volume.
    const std::vector<std::string> calls = CallsAsText();
    ASSERT_EQ(calls.size(), 12u);
    EXPECT_EQ(calls[8], "STM_sHtx(180,0)");
    EXPECT_EQ(calls[9], "STM_sXph(1,100)");
    EXPECT_EQ(calls[10], "STM_sStx(180,0.25)");
    EXPECT_EQ(calls[11], "STM_sDtx(180,0.25)");

    ASSERT_EQ(outcome.report.size(), 10);
    EXPECT_EQ(outcome.report[5], QStringLiteral(" 設定値 （飽和状態）"));
    EXPECT_EQ(outcome.report[6], QStringLiteral("  温度        T   =      180.00000000 [℃]"));
    EXPECT_EQ(outcome.report[8], QStringLiteral("  エントロピ  s   =        5.50000000 [KJ/KgK]"));
    EXPECT_EQ(outcome.report[9], QStringLiteral("  比容積      v   =        0.15000000 [m3/Kg]"));
}

TEST_F(HeatContent, ScalesPrintedVolumesButComparesTheEngineValue)
{
    Module1::DensityUnit = 73;
    Module1::DensityFactor = 35.3147 / 2.20462;
    engine.answerAtCall[VRef] = 1.0;
    HeatContentOutcome outcome = Run();
    ASSERT_EQ(outcome.report.size(), 10);
    EXPECT_EQ(outcome.report[4], QStringLiteral("  比容積      v   =       16.01849752 [ft3/lb]"));
    EXPECT_EQ(outcome.report[9], QStringLiteral("  比容積      v   =        0.01441665 [ft3/lb]"));

    engine.calls.clear();
    engine.answerAtCall[VSet] = kErr;
    outcome = Run();
    EXPECT_EQ(outcome.message, QStringLiteral("圧力or温度が範囲外です。"));
}

struct ErrorCase {
    const char* name;
    bool wet;
    Call call;
    bool message;
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }

class HeatContentErrors : public HeatContent, public testing::WithParamInterface<ErrorCase> {};

TEST_P(HeatContentErrors, MessageOnlyForTheReportedValues)
{
    const ErrorCase& row = GetParam();
    if (row.wet)
        MakeWet();
    engine.answerAtCall[row.call] = kErr;
    const HeatContentOutcome outcome = Run();
    if (row.message) {
        EXPECT_EQ(outcome.message, QStringLiteral("圧力or温度が範囲外です。"));
        EXPECT_TRUE(outcome.report.isEmpty());
    } else {
        EXPECT_TRUE(outcome.message.isEmpty());
        EXPECT_EQ(outcome.report.size(), 10);
    }
}

const ErrorCase kErrorCases[] = {
    {"ReferenceEnthalpy", false, HRef, true},
    {"ReferenceEntropy", false, SRef, true},
    {"ReferenceVolume", false, VRef, true},
    {"SetTemperature", false, TSet, true},
    {"SetEntropy", false, SSet, true},
    {"SetVolume", false, VSet, true},
    {"SaturationTemperatureUncheckedOffTheLine", false, Ts, false},
    {"LiquidEnthalpyUnchecked", false, HLiq, false},
    {"WetSaturationTemperatureIsTheSetTemperature", true, Ts, true},
    {"WetMixtureEntropy", true, SWet, true},
    {"WetMixtureVolume", true, VWet, true},
    {"WetIgnoresTheSinglePhaseEntropy", true, SSet, false},
    {"WetIgnoresTheSinglePhaseTemperature", true, TSet, false},
    {"WetnessItselfUnchecked", true, Wetness, false},
};

INSTANTIATE_TEST_SUITE_P(Values, HeatContentErrors, testing::ValuesIn(kErrorCases),
                         [](const testing::TestParamInfo<ErrorCase>& row) { return std::string(row.param.name); });

struct PhaseCase {
    const char* name;
    double h, hLiquid, hVapour;
    SetPhase expected;
};

void PrintTo(const PhaseCase& c, std::ostream* os) { *os << c.name; }

class PhaseTable : public testing::TestWithParam<PhaseCase> {};

TEST_P(PhaseTable, Decides)
{
    const PhaseCase& row = GetParam();
    EXPECT_EQ(PhaseOf(row.h, row.hLiquid, row.hVapour), row.expected);
}

const PhaseCase kPhaseCases[] = {
    {"BelowLiquid", 700.0, 762.5, 2777.1, SetPhase::CompressedWater},
    {"AtLiquidIsSaturated", 762.5, 762.5, 2777.1, SetPhase::Saturated},
    {"Between", 1500.0, 762.5, 2777.1, SetPhase::Saturated},
    {"AtVapourIsSaturated", 2777.1, 762.5, 2777.1, SetPhase::Saturated},
    {"AboveVapour", 2800.0, 762.5, 2777.1, SetPhase::Superheated},
    {"BothBoundsErrorIsSuperheated", 100.0, kErr, kErr, SetPhase::Superheated},
};

INSTANTIATE_TEST_SUITE_P(Values, PhaseTable, testing::ValuesIn(kPhaseCases),
                         [](const testing::TestParamInfo<PhaseCase>& row) { return std::string(row.param.name); });

}  // namespace
