// The isentropic calculation against the engine's forward functions, its report's layout, and its refusals.
#include "forms/isentropic/IsentropicCalculation.h"

#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"
#include "tests/common/FakeEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kErr = EngineErrorValue;
const QString kStateOutOfRange = QStringLiteral("圧力or温度が範囲外です。");
const QString kEfficiencyOutOfRange = QStringLiteral("効率が範囲外です。");

void ExpectNear(double actual, double expected, double relative, const char* what)
{
    EXPECT_NEAR(actual, expected, relative * std::max(std::abs(expected), 1.0)) << what;
}

// The dryness of a wet state at p whose value of a property (h or s, by its saturation function) is `value`.
double DrynessFrom(double (AquapropEngine::*saturated)(double, double), double p, double value)
{
    AquapropEngine engine;
    const double Ts = engine.STM_sTp(p);
    const double liquid = (engine.*saturated)(Ts, 1.0);
    return (value - liquid) / ((engine.*saturated)(Ts, 0.0) - liquid);
}

// A state reported at p, checked with the forward functions: a wet one by the mixture rule at its dryness,
// a single-phase one by h and s at its temperature.
void ExpectState(const IsentropicPoint& point, double p, double h, double s)
{
    AquapropEngine engine;
    EXPECT_EQ(point.p, p);
    ExpectNear(point.h, h, 1e-9, "h");
    ExpectNear(point.s, s, 1e-9, "s");
    if (point.phase == Phase::WetSteam) {
        ASSERT_TRUE(point.dryness);
        const double Ts = engine.STM_sTp(p);
        const double x = *point.dryness;
        EXPECT_EQ(point.T, Ts);
        ExpectNear(x, DrynessFrom(&AquapropEngine::STM_sStx, p, s), 1e-9, "dryness");
        ExpectNear(point.h, (1 - x) * engine.STM_sHtx(Ts, 1.0) + x * engine.STM_sHtx(Ts, 0.0), 1e-9, "wet h");
        ExpectNear(point.v, (1 - x) * engine.STM_sDtx(Ts, 1.0) + x * engine.STM_sDtx(Ts, 0.0), 1e-9, "wet v");
    } else {
        EXPECT_FALSE(point.dryness);
        ExpectNear(engine.STM_nHtp(point.T, p), h, 1e-9, "h(T)");
        ExpectNear(engine.STM_nStp(point.T, p), s, 1e-9, "s(T)");
        ExpectNear(point.v, engine.STM_nDtp(point.T, p), 1e-9, "v(T)");
    }
}

struct ForwardCase {
    const char* name;
    double p1, T1, p2;
    std::optional<double> efficiency;
    Phase isentropic, actual;
};

void PrintTo(const ForwardCase& row, std::ostream* out) { *out << row.name; }

class Isentropic : public testing::TestWithParam<ForwardCase> {
protected:
    void SetUp() override { FillUnitLabels(); }
};

// In the default units (MPa, ℃, kJ/kg). With an efficiency the actual state's enthalpy follows from the inlet's
// and the isentropic state's by the expansion or the compression rule.
TEST_P(Isentropic, AgreesWithTheForwardFunctions)
{
    const ForwardCase& row = GetParam();
    AquapropEngine engine;
    const double h1 = engine.STM_nHtp(row.T1, row.p1);
    const double s1 = engine.STM_nStp(row.T1, row.p1);

    const IsentropicOutcome outcome =
        CalculateIsentropic({row.p1, row.T1, row.p2, row.efficiency}, engine);
    ASSERT_EQ(outcome.message, QString());
    ASSERT_TRUE(outcome.result);
    const IsentropicResult& result = *outcome.result;
    EXPECT_EQ(result.inlet.h, h1);
    EXPECT_EQ(result.inlet.v, engine.STM_nDtp(row.T1, row.p1));

    EXPECT_EQ(result.isentropic.phase, row.isentropic);
    const double h2s = result.isentropic.h;
    ExpectState(result.isentropic, row.p2, h2s, s1);
    EXPECT_EQ(result.IsentropicDrop(), h1 - h2s);

    EXPECT_EQ(result.actual.has_value(), row.efficiency.has_value());
    if (!row.efficiency)
        return;
    const double eta = *row.efficiency / 100;
    const double h2 = row.p2 > row.p1 ? h1 + (h2s - h1) / eta : h1 - eta * (h1 - h2s);
    const IsentropicPoint& actual = *result.actual;
    EXPECT_EQ(actual.phase, row.actual);
    const double s2 = actual.phase == Phase::WetSteam
                          ? engine.STM_sStx(actual.T, 1 - DrynessFrom(&AquapropEngine::STM_sHtx, row.p2, h2))
                          : engine.STM_nStp(actual.T, row.p2);
    ExpectState(actual, row.p2, h2, s2);
    ExpectNear(*result.ActualDrop(), h1 - h2, 1e-12, "h1 - h2");
    if (row.efficiency == 100.0)
        ExpectNear(actual.h, h2s, 1e-12, "at 100 % the actual outlet is the isentropic one");
}

constexpr Phase kWater = Phase::CompressedWater, kWet = Phase::WetSteam, kSteam = Phase::SuperheatedSteam;

INSTANTIATE_TEST_SUITE_P(
    Cases, Isentropic,
    testing::Values(ForwardCase{"WetExpansion", 10, 500, 0.01, 85.0, kWet, kWet},
                    ForwardCase{"WetExpansionWithoutEfficiency", 10, 500, 0.01, std::nullopt, kWet, kWet},
                    ForwardCase{"WetExpansionAtFullEfficiency", 10, 500, 0.01, 100.0, kWet, kWet},
                    ForwardCase{"ExpansionIntoSuperheatedSteam", 3, 400, 0.5, 80.0, kSteam, kSteam},
                    ForwardCase{"WetIsentropicSuperheatedActual", 3, 300, 0.2, 40.0, kWet, kSteam},
                    ForwardCase{"SteamCompression", 0.1, 150, 0.5, 75.0, kSteam, kSteam},
                    ForwardCase{"WaterCompression", 0.01, 40, 10, 75.0, kWater, kWater},
                    ForwardCase{"CompressionAboveTheCriticalPressure", 10, 500, 30, 80.0, kSteam, kSteam},
                    ForwardCase{"EqualPressures", 1, 200, 1, 80.0, kSteam, kSteam}),
    [](const testing::TestParamInfo<ForwardCase>& row) { return std::string(row.param.name); });

// Both outlets wet, with the efficiency: the longest report, from scripted engine answers in call order.
TEST(IsentropicReport, TwentyLinesCharacterForCharacter)
{
    FillUnitLabels();
    Module1::DensityFactor = 1.0;
    FakeEngine engine;
    engine.answerAtCall = {
        {0, 3400.0}, {1, 6.5}, {2, 0.03},                         // inlet h, s, v
        {3, 45.0},   {4, 0.6}, {5, 8.1},                          // Ts, s', s''
        {6, 0.2},    {7, 2100.0}, {8, 6.5}, {9, 12.0},            // w, h, s, v of the isentropic outlet
        {10, 45.0},  {11, 190.0}, {12, 45.0}, {13, 2580.0},       // the actual outlet's h', h''
        {14, 45.0},  {15, 0.1},  {16, 7.2}, {17, 13.5},           // its Ts, w, s, v
    };
    const IsentropicOutcome outcome = CalculateIsentropic({10, 500, 0.01, 80.0}, engine);
    ASSERT_EQ(outcome.message, QString());
    EXPECT_EQ(outcome.report, QStringList({
                                  " 基準値",
                                  "  温度        T   =      500.00000000 [℃]",
                                  "  エンタルピ  h   =     3400.00000000 [KJ/Kg]",
                                  "  エントロピ  s   =        6.50000000 [KJ/KgK]",
                                  "  比容積      v   =        0.03000000 [m3/Kg]",
                                  " 設定値 等エントロピ（飽和状態）",
                                  "  飽和温度    Ts  =       45.00000000 [℃]",
                                  "  エンタルピ  h   =     2100.00000000 [KJ/Kg]",
                                  "  エントロピ  s   =        6.50000000 [KJ/KgK]",
                                  "  比容積      v   =       12.00000000 [m3/Kg]",
                                  "  乾き度      x   =        0.80000000",
                                  " 設定値 実際（飽和状態）",
                                  "  飽和温度    Ts  =       45.00000000 [℃]",
                                  "  エンタルピ  h   =     2360.00000000 [KJ/Kg]",
                                  "  エントロピ  s   =        7.20000000 [KJ/KgK]",
                                  "  比容積      v   =       13.50000000 [m3/Kg]",
                                  "  乾き度      x   =        0.90000000",
                                  " 熱落差",
                                  "  断熱 h1-h2s     =     1300.00000000 [KJ/Kg]",
                                  "  有効 h1-h2      =     1040.00000000 [KJ/Kg]",
                              }));
    EXPECT_EQ(engine.calls.at(14).name, "STM_sTp");
    EXPECT_EQ(engine.calls.at(15).name, "STM_sXph");
    EXPECT_EQ(engine.calls.at(15).args, (std::vector<double>{0.01, 2360.0}));
}

// Which engine answer is refused (by function, every call of it), and with what the calculation stops; an
// efficiency outside (0, 100] stops before the engine is asked.
TEST(IsentropicRefusals, MessageAndNoReport)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* name;
        IsentropicInputs inputs;
        const char* refused;
        QString message;
    } rows[] = {
        {"efficiency 0", {10, 500, 0.01, 0.0}, nullptr, kEfficiencyOutOfRange},
        {"efficiency above 100", {10, 500, 0.01, 100.001}, nullptr, kEfficiencyOutOfRange},
        {"negative efficiency", {10, 500, 0.01, -50.0}, nullptr, kEfficiencyOutOfRange},
        {"efficiency not a number", {10, 500, 0.01, nan}, nullptr, kEfficiencyOutOfRange},
        {"inlet out of range", {10, 2500, 0.01, std::nullopt}, nullptr, kStateOutOfRange},
        {"inlet volume", {10, 500, 0.01, std::nullopt}, "STM_nDtp", kStateOutOfRange},
        {"single-phase outlet temperature", {3, 400, 0.5, std::nullopt}, "STM_nTps", kStateOutOfRange},
        {"wet outlet dryness", {10, 500, 0.01, std::nullopt}, "STM_sXps", kStateOutOfRange},
        {"wet outlet enthalpy", {10, 500, 0.01, std::nullopt}, "STM_sHps", kStateOutOfRange},
        {"actual single-phase outlet", {3, 400, 0.5, 80.0}, "STM_nTph", kStateOutOfRange},
        {"actual wet outlet", {10, 500, 0.01, 80.0}, "STM_sXph", kStateOutOfRange},
        {"compression beyond the range", {10, 500, 100, 1.0}, nullptr, kStateOutOfRange},
    };
    FillUnitLabels();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FakeEngine engine;
        if (row.refused)
            engine.answerOf[QString::fromLatin1(row.refused)] = kErr;
        const IsentropicOutcome outcome = CalculateIsentropic(row.inputs, engine);
        EXPECT_EQ(outcome.message, row.message);
        EXPECT_TRUE(outcome.report.isEmpty());
        EXPECT_FALSE(outcome.result);
        EXPECT_EQ(engine.calls.empty(), row.message == kEfficiencyOutOfRange);
    }
}

TEST(IsentropicFields, RequiredBoxesAndTheOptionalEfficiency)
{
    EXPECT_FALSE(ReadIsentropicFields({"", "500", "0.01", "85"}));
    EXPECT_FALSE(ReadIsentropicFields({"10", "", "0.01", ""}));
    EXPECT_FALSE(ReadIsentropicFields({"10", "500", "", "85"}));
    const std::optional<IsentropicInputs> inputs = ReadIsentropicFields({"10", ".5abc", " ", ""});
    ASSERT_TRUE(inputs);
    EXPECT_EQ(inputs->inletTemperature, 0.5);
    EXPECT_EQ(inputs->outletPressure, 0.0) << "a blank is a filled box that reads 0";
    EXPECT_FALSE(inputs->efficiency);
    EXPECT_EQ(ReadIsentropicFields({"10", "500", "0.01", "85%"})->efficiency, 85.0);
}

}  // namespace
