// The display operation against a scripted engine: which case each combination of filled fields runs,
// which fields it empties and when, the engine calls in order, and what each refusal leads to.
#include "forms/main/PropertyCalculation.h"
#include "forms/main/ResultReport.h"
#include "settings/Module1.h"
#include "tests/calc/RecordingFields.h"
#include "tests/common/FakeEngine.h"

#include "tests/calc/TableRows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <utility>

namespace {

const QString kPressureOut = QStringLiteral("圧力が範囲外です。");
const QString kTemperatureOut = QStringLiteral("温度が範囲外です。");
const QString kPressureOrTemperatureOut = QStringLiteral("圧力or温度が範囲外です。");
const QString kPressureOrEnthalpyOut = QStringLiteral("圧力orエンタルピが範囲外です。");
const QString kDrynessOut = QStringLiteral("乾き度が範囲外です。");

// "STM_sHtx(180,1)" for each property call, arguments to 15 digits.
QStringList CallList(const FakeEngine& engine)
{
    QStringList list;
    for (const EngineCall& call : engine.PropertyCalls()) {
        QStringList args;
        for (double arg : call.args)
            args << QString::number(arg, 'g', 15);
        list << call.name + QLatin1Char('(') + args.join(QLatin1Char(',')) + QLatin1Char(')');
    }
    return list;
}

// A plausible engine with one answer per function; Ts = 180, T(p,h) = 250.
void ScriptPlainAnswers(FakeEngine& engine)
{
    engine.useLibrary = false;
    engine.answerOf = {
        {QStringLiteral("STM_sTp"), 180}, {QStringLiteral("STM_sPt"), 1.5}, {QStringLiteral("STM_sHtx"), 762},
        {QStringLiteral("STM_sStx"), 2.1}, {QStringLiteral("STM_sDtx"), 0.1}, {QStringLiteral("STM_sXph"), 0.3},
        {QStringLiteral("STM_nHtp"), 2827}, {QStringLiteral("STM_nStp"), 6.7}, {QStringLiteral("STM_nDtp"), 0.2},
        {QStringLiteral("STM_nTph"), 250},
    };
}

class CalculationTest : public testing::Test {
protected:
    FakeEngine engine;

    void SetUp() override
    {
        Module1::DrynessBasis = 0;
        Module1::DensityUnit = 71;
        Module1::DensityFactor = 1.0;
        ScriptPlainAnswers(engine);
    }

    CalculationOutcome Run(RecordingFields& fields)
    {
        fields.Watch(engine);
        return Calculate(fields, engine);
    }
};

// ---- The sixteen combinations ----

const QStringList kSaturationByPressureCalls = {
    "STM_sTp(1)", "STM_sHtx(180,1)", "STM_sHtx(180,0)", "STM_sStx(180,1)",
    "STM_sStx(180,0)", "STM_sDtx(180,1)", "STM_sDtx(180,0)"};
const QStringList kSaturationByTemperatureCalls = {
    "STM_sPt(200)", "STM_sHtx(200,1)", "STM_sHtx(200,0)", "STM_sStx(200,1)",
    "STM_sStx(200,0)", "STM_sDtx(200,1)", "STM_sDtx(200,0)"};
const QStringList kPressureTemperatureCalls = {
    "STM_sTp(1)", "STM_nHtp(200,1)", "STM_nStp(200,1)", "STM_nDtp(200,1)"};
const QStringList kPressureEnthalpyCalls = {
    "STM_sTp(1)", "STM_sHtx(180,1)", "STM_sTp(1)", "STM_sHtx(180,0)",
    "STM_nTph(1,2800)", "STM_nStp(250,1)", "STM_nDtp(250,1)"};
const QStringList kPressureDrynessCalls = {
    "STM_sTp(1)", "STM_sHtx(180,0.5)", "STM_sStx(180,0.5)", "STM_sDtx(180,0.5)"};

struct CombinationCase {
    const char* name;
    const char* filled;  // "PThx" with "-" for an empty field
    CalculationCase expected;
    const char* after;   // the fields that hold text afterwards, same notation
    QStringList calls;
};

void PrintTo(const CombinationCase& c, std::ostream* os) { *os << c.name; }

const CombinationCase kCombinations[] = {
    {"NothingFilled", "----", CalculationCase::None, "----", {}},
    {"OnlyPressure", "P---", CalculationCase::SaturationByPressure, "P---", kSaturationByPressureCalls},
    {"OnlyTemperature", "-T--", CalculationCase::SaturationByTemperature, "-T--", kSaturationByTemperatureCalls},
    {"OnlyEnthalpy", "--h-", CalculationCase::None, "--h-", {}},
    {"OnlyDryness", "---x", CalculationCase::None, "---x", {}},
    {"PressureTemperature", "PT--", CalculationCase::PressureTemperature, "PT--", kPressureTemperatureCalls},
    {"PressureEnthalpy", "P-h-", CalculationCase::PressureEnthalpy, "P-h-", kPressureEnthalpyCalls},
    {"PressureDryness", "P--x", CalculationCase::PressureDryness, "P--x", kPressureDrynessCalls},
    {"TemperatureEnthalpy", "-Th-", CalculationCase::None, "-Th-", {}},
    {"TemperatureDryness", "-T-x", CalculationCase::None, "-T-x", {}},
    {"EnthalpyDryness", "--hx", CalculationCase::None, "--hx", {}},
    {"PressureTemperatureEnthalpy", "PTh-", CalculationCase::PressureTemperature, "PT--", kPressureTemperatureCalls},
    {"PressureTemperatureDryness", "PT-x", CalculationCase::PressureTemperature, "PT--", kPressureTemperatureCalls},
    {"PressureEnthalpyDryness", "P-hx", CalculationCase::PressureEnthalpy, "P-h-", kPressureEnthalpyCalls},
    {"AllButPressure", "-Thx", CalculationCase::None, "-Thx", {}},
    {"AllFour", "PThx", CalculationCase::PressureTemperature, "PT--", kPressureTemperatureCalls},
};

class Combinations : public CalculationTest, public testing::WithParamInterface<CombinationCase> {};

// The texts of a combination: P 1, T 200, h 2800, x 0.5 where filled.
RecordingFields FieldsOf(const char* filled)
{
    const auto pick = [filled](int i, const char* text) {
        return filled[i] == '-' ? QString() : QString::fromLatin1(text);
    };
    return RecordingFields(pick(0, "1"), pick(1, "200"), pick(2, "2800"), pick(3, "0.5"));
}

TEST_P(Combinations, ChooseCaseEmptyFieldsFirstAndCallEngineInOrder)
{
    const CombinationCase& c = GetParam();
    const RecordingFields expected = FieldsOf(c.after);
    RecordingFields fields = FieldsOf(c.filled);

    std::array<bool, 4> filled{};
    for (size_t i = 0; i < filled.size(); ++i)
        filled[i] = c.filled[i] != '-';
    EXPECT_EQ(Classify(filled), c.expected);

    const CalculationOutcome outcome = Run(fields);
    EXPECT_EQ(fields.texts, expected.texts);
    EXPECT_EQ(CallList(engine), c.calls);
    EXPECT_TRUE(outcome.message.isEmpty());
    if (c.expected == CalculationCase::None) {
        EXPECT_TRUE(outcome.report.isEmpty());
        EXPECT_FALSE(fields.atFirstEngineCall.has_value());
    } else {
        EXPECT_FALSE(outcome.report.isEmpty());
        ASSERT_TRUE(fields.atFirstEngineCall.has_value());
        EXPECT_EQ(*fields.atFirstEngineCall, expected.texts) << "fields emptied after the first engine call";
    }
}

INSTANTIATE_TEST_SUITE_P(AllSixteen, Combinations, testing::ValuesIn(kCombinations), RowName());

TEST_F(CalculationTest, LonePointIsFilledAndReadsZero)
{
    RecordingFields fields(QStringLiteral("."), {}, {}, {});
    Run(fields);
    ASSERT_FALSE(CallList(engine).isEmpty());
    EXPECT_EQ(CallList(engine).front(), QStringLiteral("STM_sTp(0)"));
}

TEST_F(CalculationTest, PastedTextReadsItsLeadingNumber)
{
    RecordingFields fields(QStringLiteral("1.5.2"), {}, {}, {});
    Run(fields);
    EXPECT_EQ(CallList(engine).front(), QStringLiteral("STM_sTp(1.5)"));
}

// ---- The pressure-enthalpy decision ----

struct EnthalpyPhaseCase {
    const char* name;
    const char* h;
    double hLiquid;
    double hVapour;
    QStringList laterCalls;  // after the four calls of the decision
    const QString* temperatureLabel;  // nullptr: no report
};

void PrintTo(const EnthalpyPhaseCase& c, std::ostream* os) { *os << c.name; }

const EnthalpyPhaseCase kEnthalpyPhases[] = {
    {"BelowLiquidIsCompressedWater", "500", 700, 2778, {"STM_nTph(1,500)", "STM_nStp(250,1)", "STM_nDtp(250,1)"},
     &ReportLabel::CompressedWaterTemperature},
    {"AtLiquidIsWetSteam", "700", 700, 2778,
     {"STM_sTp(1)", "STM_sXph(1,700)", "STM_sStx(180,0.3)", "STM_sDtx(180,0.3)"},
     &ReportLabel::SaturationTemperature},
    {"BetweenIsWetSteam", "2000", 700, 2778,
     {"STM_sTp(1)", "STM_sXph(1,2000)", "STM_sStx(180,0.3)", "STM_sDtx(180,0.3)"}, &ReportLabel::SaturationTemperature},
    {"AtVapourIsWetSteam", "2778", 700, 2778,
     {"STM_sTp(1)", "STM_sXph(1,2778)", "STM_sStx(180,0.3)", "STM_sDtx(180,0.3)"}, &ReportLabel::SaturationTemperature},
    {"AboveVapourIsSuperheatedSteam", "3000", 700, 2778, {"STM_nTph(1,3000)", "STM_nStp(250,1)", "STM_nDtp(250,1)"},
     &ReportLabel::SuperheatedSteamTemperature},
    {"BothBoundsRefusedMakeSuperheatedSteam", "100", EngineErrorValue, EngineErrorValue,
     {"STM_nTph(1,100)", "STM_nStp(250,1)", "STM_nDtp(250,1)"}, &ReportLabel::SuperheatedSteamTemperature},
    {"InvertedBoundsAtLiquidEndSilently", "800", 800, 700, {}, nullptr},
};

class EnthalpyPhases : public CalculationTest, public testing::WithParamInterface<EnthalpyPhaseCase> {};

TEST_P(EnthalpyPhases, DecideBranch)
{
    const EnthalpyPhaseCase& c = GetParam();
    engine.answerAtCall = {{1, c.hLiquid}, {3, c.hVapour}};
    RecordingFields fields(QStringLiteral("1"), {}, QString::fromLatin1(c.h), {});
    const CalculationOutcome outcome = Run(fields);

    const QStringList calls = CallList(engine);
    ASSERT_GE(calls.size(), 4);
    EXPECT_EQ(calls.mid(4), c.laterCalls);
    EXPECT_TRUE(outcome.message.isEmpty());
    if (!c.temperatureLabel) {
        EXPECT_TRUE(outcome.report.isEmpty());
        return;
    }
    ASSERT_EQ(outcome.report.size(), 5);
    EXPECT_TRUE(outcome.report[1].startsWith(*c.temperatureLabel)) << outcome.report[1].toStdString();
}

INSTANTIATE_TEST_SUITE_P(Branches, EnthalpyPhases, testing::ValuesIn(kEnthalpyPhases), RowName());

// ---- Pressure and temperature: the phase ----

TEST_F(CalculationTest, TemperatureAtSaturationGivesNoPhaseLines)
{
    RecordingFields fields(QStringLiteral("1"), QStringLiteral("180"), {}, {});
    const CalculationOutcome outcome = Run(fields);
    ASSERT_EQ(outcome.report.size(), 3);
    EXPECT_TRUE(outcome.report[0].startsWith(ReportLabel::Enthalpy));
}

TEST_F(CalculationTest, TemperatureBelowSaturationIsCompressedWater)
{
    RecordingFields fields(QStringLiteral("1"), QStringLiteral("179.9"), {}, {});
    const CalculationOutcome outcome = Run(fields);
    ASSERT_EQ(outcome.report.size(), 5);
    EXPECT_TRUE(outcome.report[1].startsWith(ReportLabel::CompressedWaterTemperature));
}

// ---- Pressure and dryness ----

TEST_F(CalculationTest, DrynessOutsideZeroToOneAsksNothing)
{
    for (const char* x : {"1.5", "-0.1", "1E999"}) {
        FakeEngine fresh;
        RecordingFields fields(QStringLiteral("1"), {}, {}, QString::fromLatin1(x));
        const CalculationOutcome outcome = Calculate(fields, fresh);
        EXPECT_EQ(outcome.message, kDrynessOut) << x;
        EXPECT_TRUE(outcome.report.isEmpty()) << x;
        EXPECT_TRUE(fresh.calls.empty()) << x;
    }
}

TEST_F(CalculationTest, DrynessZeroAndOneAreAccepted)
{
    RecordingFields zero(QStringLiteral("1"), {}, {}, QStringLiteral("0"));
    EXPECT_TRUE(Run(zero).message.isEmpty());
    RecordingFields one(QStringLiteral("1"), {}, {}, QStringLiteral("1"));
    EXPECT_TRUE(Run(one).message.isEmpty());
    EXPECT_EQ(CallList(engine), (QStringList{"STM_sTp(1)", "STM_sHtx(180,1)", "STM_sStx(180,1)", "STM_sDtx(180,1)",
                                             "STM_sTp(1)", "STM_sHtx(180,0)", "STM_sStx(180,0)", "STM_sDtx(180,0)"}));
}

struct VolumeBasisCase {
    const char* name;
    int16_t densityUnit;
    double a;
    double b;
    double y;  // for x = 0.25
};

void PrintTo(const VolumeBasisCase& c, std::ostream* os) { *os << c.name; }

const VolumeBasisCase kVolumeBases[] = {
    {"SpecificVolumes", 71, 0.001, 0.2, 0.75 * 0.001 / (0.75 * 0.001 + 0.25 * 0.2)},
    {"Densities", 72, 1000, 5, 0.75 / 1000 / (0.75 / 1000 + 0.25 / 5)},
    {"CubicFeetPerPoundIsVolume", 73, 0.001, 0.2, 0.75 * 0.001 / (0.75 * 0.001 + 0.25 * 0.2)},
    {"PoundsPerCubicFootIsDensity", 74, 1000, 5, 0.75 / 1000 / (0.75 / 1000 + 0.25 / 5)},
};

class VolumeBasis : public CalculationTest, public testing::WithParamInterface<VolumeBasisCase> {};

TEST_P(VolumeBasis, PassesLiquidShareOfVolume)
{
    const VolumeBasisCase& c = GetParam();
    Module1::DrynessBasis = 1;
    Module1::DensityUnit = c.densityUnit;
    engine.answerAtCall = {{3, c.a}, {4, c.b}};
    RecordingFields fields(QStringLiteral("1"), {}, {}, QStringLiteral("0.25"));
    Run(fields);
    const std::vector<EngineCall> calls = engine.PropertyCalls();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(CallList(engine).mid(0, 5), (QStringList{"STM_sTp(1)", "STM_sHtx(180,0.75)", "STM_sStx(180,0.75)",
                                                       "STM_sDtx(180,1)", "STM_sDtx(180,0)"}));
    EXPECT_EQ(calls[5].name, QStringLiteral("STM_sDtx"));
    EXPECT_EQ(calls[5].args[0], 180.0);
    EXPECT_DOUBLE_EQ(calls[5].args[1], c.y);
}

INSTANTIATE_TEST_SUITE_P(Units, VolumeBasis, testing::ValuesIn(kVolumeBases), RowName());

TEST_F(CalculationTest, UnknownDrynessBasisComputesAsMassBasis)
{
    Module1::DrynessBasis = 2;
    engine.answerOf[QStringLiteral("STM_sDtx")] = 0.125;
    RecordingFields fields(QStringLiteral("1"), {}, {}, QStringLiteral("0.5"));
    const CalculationOutcome outcome = Run(fields);
    EXPECT_EQ(CallList(engine), kPressureDrynessCalls);
    ASSERT_EQ(outcome.report.size(), 5);
    EXPECT_TRUE(outcome.report[4].contains(QStringLiteral("0.12500000"))) << outcome.report[4].toStdString();
}

TEST_F(CalculationTest, ZeroVolumeDenominatorEndsInPressureMessage)
{
    Module1::DrynessBasis = 1;
    engine.useLibrary = true;
    engine.answerOf.clear();
    engine.answerAtCall = {{3, 0.0}, {4, 0.0}};
    RecordingFields fields(QStringLiteral("1"), {}, {}, QStringLiteral("0.5"));
    const CalculationOutcome outcome = Run(fields);
    const std::vector<EngineCall> calls = engine.PropertyCalls();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_TRUE(std::isnan(calls[5].args[1]));
    EXPECT_EQ(outcome.message, kPressureOut);
    EXPECT_TRUE(outcome.report.isEmpty());
}

// ---- Refusals at each compared call ----

struct RefusalCase {
    const char* name;
    const char* P;
    const char* T;
    const char* h;
    const char* x;
    int16_t drynessBasis;
    std::map<size_t, double> script;  // answers that steer the case into its branch
    std::vector<size_t> compared;     // indices of the calls whose refusal gives the message
    QString message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

const RefusalCase kRefusals[] = {
    {"SaturationByPressure", "1", "", "", "", 0, {}, {0, 1, 2, 3, 4, 5, 6}, kPressureOut},
    {"SaturationByTemperature", "", "200", "", "", 0, {}, {0, 1, 2, 3, 4, 5, 6}, kTemperatureOut},
    {"PressureTemperature", "1", "200", "", "", 0, {}, {0, 1, 2, 3}, kPressureOrTemperatureOut},
    {"PressureEnthalpyCompressedWater", "1", "", "500", "", 0, {}, {4, 5, 6}, kPressureOrEnthalpyOut},
    {"PressureEnthalpyWetSteam", "1", "", "2000", "", 0, {{1, 700}, {3, 2778}}, {4, 6, 7}, kPressureOrEnthalpyOut},
    {"PressureEnthalpySuperheatedSteam", "1", "", "2800", "", 0, {}, {4, 5, 6}, kPressureOrEnthalpyOut},
    {"PressureDrynessMassBasis", "1", "", "", "0.5", 0, {}, {0, 1, 2, 3}, kPressureOut},
    {"PressureDrynessVolumeBasis", "1", "", "", "0.5", 1, {}, {0, 1, 2, 5}, kPressureOut},
};

class Refusals : public CalculationTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusals, EachComparedResultGivesOneMessageAndNoReport)
{
    const RefusalCase& c = GetParam();
    Module1::DrynessBasis = c.drynessBasis;
    for (size_t index : c.compared) {
        SCOPED_TRACE(testing::Message() << "refused call " << index);
        FakeEngine refusing;
        ScriptPlainAnswers(refusing);
        refusing.answerAtCall = c.script;
        refusing.answerAtCall[index] = EngineErrorValue;
        RecordingFields fields(QString::fromLatin1(c.P), QString::fromLatin1(c.T), QString::fromLatin1(c.h),
                               QString::fromLatin1(c.x));
        const CalculationOutcome outcome = Calculate(fields, refusing);
        EXPECT_EQ(outcome.message, c.message);
        EXPECT_TRUE(outcome.report.isEmpty());
        EXPECT_GT(refusing.PropertyCalls().size(), c.compared.back()) << "every compared result is computed first";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Refusals, testing::ValuesIn(kRefusals), RowName());

// ---- Refusals at unchecked calls ----

TEST_F(CalculationTest, RefusedSaturationTemperatureInEnthalpyDecisionGoesOnUnchecked)
{
    engine.answerAtCall = {{0, EngineErrorValue}, {2, EngineErrorValue}};
    RecordingFields fields(QStringLiteral("1"), {}, QStringLiteral("2800"), {});
    const CalculationOutcome outcome = Run(fields);
    const std::vector<EngineCall> calls = engine.PropertyCalls();
    ASSERT_EQ(calls.size(), 7u);
    EXPECT_EQ(calls[1].args[0], EngineErrorValue);
    EXPECT_EQ(calls[3].args[0], EngineErrorValue);
    EXPECT_TRUE(outcome.message.isEmpty());
    EXPECT_EQ(outcome.report.size(), 5);
}

TEST_F(CalculationTest, RefusedWetnessGoesOnUnchanged)
{
    engine.answerAtCall = {{1, 700}, {3, 2778}, {5, EngineErrorValue}};
    RecordingFields fields(QStringLiteral("1"), {}, QStringLiteral("2000"), {});
    const CalculationOutcome outcome = Run(fields);
    const std::vector<EngineCall> calls = engine.PropertyCalls();
    ASSERT_EQ(calls.size(), 8u);
    EXPECT_EQ(calls[6].args[1], EngineErrorValue);
    EXPECT_EQ(calls[7].args[1], EngineErrorValue);
    EXPECT_TRUE(outcome.message.isEmpty());
    EXPECT_EQ(outcome.report.size(), 5);
}

TEST_F(CalculationTest, RefusedSaturatedVolumesGoIntoTheVolumeShareUnchecked)
{
    Module1::DrynessBasis = 1;
    for (const auto& [a, b] : {std::pair{EngineErrorValue, 0.2}, std::pair{0.001, EngineErrorValue}}) {
        FakeEngine refusing;
        ScriptPlainAnswers(refusing);
        refusing.answerAtCall = {{3, a}, {4, b}};
        RecordingFields fields(QStringLiteral("1"), {}, {}, QStringLiteral("0.5"));
        const CalculationOutcome outcome = Calculate(fields, refusing);
        const std::vector<EngineCall> calls = refusing.PropertyCalls();
        ASSERT_EQ(calls.size(), 6u);
        EXPECT_DOUBLE_EQ(calls[5].args[1], 0.5 * a / (0.5 * a + 0.5 * b));
        EXPECT_TRUE(outcome.message.isEmpty());
        EXPECT_EQ(outcome.report.size(), 5);
    }
}

// ---- Numbers beyond the doubles reach the real engine and are refused ----

struct OverflowCase {
    const char* name;
    const char* P;
    const char* T;
    const char* h;
    const char* x;
    QString message;
};

void PrintTo(const OverflowCase& c, std::ostream* os) { *os << c.name; }

const OverflowCase kOverflows[] = {
    {"SaturationPressure", "1E999", "", "", "", kPressureOut},
    {"SaturationTemperature", "", "1E999", "", "", kTemperatureOut},
    {"TemperatureWithPressure", "1", "1E999", "", "", kPressureOrTemperatureOut},
    {"PressureWithTemperature", "1E999", "200", "", "", kPressureOrTemperatureOut},
    {"EnthalpyWithPressure", "1", "", "1E999", "", kPressureOrEnthalpyOut},
    {"NegativeEnthalpyWithPressure", "1", "", "-1E999", "", kPressureOrEnthalpyOut},
    {"PressureWithDryness", "1E999", "", "", "0.5", kPressureOut},
};

class Overflows : public testing::TestWithParam<OverflowCase> {};

TEST_P(Overflows, GiveTheCaseMessage)
{
    const OverflowCase& c = GetParam();
    Module1::DrynessBasis = 0;
    FakeEngine library;  // records the calls, answers from the real engine
    RecordingFields fields(QString::fromLatin1(c.P), QString::fromLatin1(c.T), QString::fromLatin1(c.h),
                           QString::fromLatin1(c.x));
    const CalculationOutcome outcome = Calculate(fields, library);
    EXPECT_EQ(outcome.message, c.message);
    EXPECT_TRUE(outcome.report.isEmpty());
    bool infinityPassed = false;
    for (const EngineCall& call : library.PropertyCalls())
        for (double arg : call.args)
            infinityPassed = infinityPassed || std::isinf(arg);
    EXPECT_TRUE(infinityPassed);
}

INSTANTIATE_TEST_SUITE_P(Texts, Overflows, testing::ValuesIn(kOverflows), RowName());

}  // namespace
