// SPDX-License-Identifier: MIT
// The display operation: the case of each combination of filled fields, the fields it empties and when, the
// engine calls in order, what refusals lead to, and the report's exact lines with the real engine.
#include "forms/main/PropertyCalculation.h"
#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"
#include "tests/common/FakeEngine.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// Unit codes of T, P, h, s, v and the dryness basis, taken over as start-up does.
void UseUnits(const std::array<int16_t, 6>& codes)
{
    int16_t* const globals[] = {&Module1::TempUnit,  &Module1::PressUnit,   &Module1::EnthalUnit,
                                &Module1::EntroUnit, &Module1::DensityUnit, &Module1::DrynessBasis};
    for (size_t i = 0; i < codes.size(); ++i)
        *globals[i] = codes[i];
    FillUnitLabels();
    HandUnitsToEngine();
}

namespace {

const QString kPressureOut = QStringLiteral("圧力が範囲外です。");
const QString kTemperatureOut = QStringLiteral("温度が範囲外です。");
const QString kPressureOrTemperatureOut = QStringLiteral("圧力or温度が範囲外です。");
const QString kPressureOrEnthalpyOut = QStringLiteral("圧力orエンタルピが範囲外です。");
constexpr double kRefused = EngineErrorValue;

using Texts = std::array<QString, 4>;  // P, T, h, x

// Stands for the four input boxes, and asks a scripted engine with plausible answers.
class Calculation : public testing::Test, public InputFields {
protected:
    FakeEngine engine;
    Texts texts;

    QString Text(int field) const override { return texts.at(static_cast<size_t>(field - 1)); }
    void Clear(int field) override { texts.at(static_cast<size_t>(field - 1)).clear(); }

    void SetUp() override
    {
        Module1::DrynessBasis = 0;
        Module1::DensityUnit = 71;
        engine.useLibrary = false;  // plausible answers instead, with Ts = 180 and T(p,h) = 250
        engine.answerOf = {{"STM_sTp", 180},  {"STM_sPt", 1.5},  {"STM_sHtx", 762}, {"STM_sStx", 2.1},
                           {"STM_sDtx", 0.1}, {"STM_sXph", 0.3}, {"STM_nHtp", 2827}, {"STM_nStp", 6.7},
                           {"STM_nDtp", 0.2}, {"STM_nTph", 250}};
    }

    // One calculation on fresh texts; `script` answers engine calls by their index.
    CalculationOutcome Run(Texts fieldTexts, std::map<size_t, double> script = {})
    {
        texts = std::move(fieldTexts);
        engine.calls.clear();
        engine.answerAtCall = std::move(script);
        return Calculate(*this, engine);
    }

    // The engine calls from the index `from` on, as "sTp(1) sHtx(180,1) ...", arguments to 15 digits.
    QString Calls(qsizetype from = 0) const
    {
        QStringList list;
        for (const EngineCall& call : engine.calls) {
            QStringList args;
            for (double arg : call.args)
                args << QString::number(arg, 'g', 15);
            list << call.name.mid(4) + '(' + args.join(',') + ')';
        }
        return list.mid(from).join(' ');
    }
};

// The texts where `pattern` ("PThx", "-" for an empty field) has a letter: a pasted P "1.5.2" that reads 1.5,
// a T "." that is filled and reads 0, h 2800, x 0.25.
Texts TextsOf(const char* pattern)
{
    const char* values[] = {"1.5.2", ".", "2800", "0.25"};
    Texts texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = pattern[i] == '-' ? QString() : QString::fromLatin1(values[i]);
    return texts;
}

TEST_F(Calculation, AllSixteenCombinations)
{
    const char* P = "sTp(1.5) sHtx(180,1) sHtx(180,0) sStx(180,1) sStx(180,0) sDtx(180,1) sDtx(180,0)";
    const char* T = "sPt(0) sHtx(0,1) sHtx(0,0) sStx(0,1) sStx(0,0) sDtx(0,1) sDtx(0,0)";
    const char* PT = "sTp(1.5) nHtp(0,1.5) nStp(0,1.5) nDtp(0,1.5)";
    const char* Ph = "sTp(1.5) sHtx(180,1) sTp(1.5) sHtx(180,0) nTph(1.5,2800) nStp(250,1.5) nDtp(250,1.5)";
    const char* Px = "sTp(1.5) sHtx(180,0.75) sStx(180,0.75) sDtx(180,0.75)";
    // The fields filled, the fields that still hold text afterwards, the engine calls (none: no case).
    const struct { const char* filled; const char* after; const char* calls; } rows[] = {
        {"----", "----", ""}, {"P---", "P---", P},   {"-T--", "-T--", T},   {"--h-", "--h-", ""},
        {"---x", "---x", ""}, {"PT--", "PT--", PT},  {"P-h-", "P-h-", Ph},  {"P--x", "P--x", Px},
        {"-Th-", "-Th-", ""}, {"-T-x", "-T-x", ""},  {"--hx", "--hx", ""},  {"PTh-", "PT--", PT},
        {"PT-x", "PT--", PT}, {"P-hx", "P-h-", Ph},  {"-Thx", "-Thx", ""},  {"PThx", "PT--", PT},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.filled);
        engine.onCall = [&](const EngineCall&) { EXPECT_EQ(texts, TextsOf(row.after)) << "at an engine call"; };
        const CalculationOutcome outcome = Run(TextsOf(row.filled));
        EXPECT_EQ(texts, TextsOf(row.after));
        EXPECT_EQ(Calls(), row.calls);
        EXPECT_TRUE(outcome.message.isEmpty());
        EXPECT_EQ(outcome.report.isEmpty(), *row.calls == '\0');
    }
}

TEST_F(Calculation, EnthalpyAgainstUncheckedBoundsDecidesThePhase)
{
    // h, the answers h' and h'', the calls after the four of the decision, the phase (None: no report).
    const struct { const char* h; double hLiquid, hVapour; const char* later; Phase phase; } rows[] = {
        {"700", 700, 2778, "sTp(1) sXph(1,700) sStx(180,0.3) sDtx(180,0.3)", Phase::WetSteam},    // h'
        {"2778", 700, 2778, "sTp(1) sXph(1,2778) sStx(180,0.3) sDtx(180,0.3)", Phase::WetSteam},  // h''
        {"100", kRefused, kRefused, "nTph(1,100) nStp(250,1) nDtp(250,1)", Phase::SuperheatedSteam},
        {"800", 800, 700, "", Phase::None},  // inverted bounds end silently
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.h);
        const CalculationOutcome outcome = Run({"1", {}, row.h, {}}, {{1, row.hLiquid}, {3, row.hVapour}});
        EXPECT_EQ(Calls(4), row.later);
        EXPECT_EQ(outcome.state ? outcome.state->phase : Phase::None, row.phase);
        EXPECT_EQ(outcome.report.size(), row.phase == Phase::None ? 0 : 5);
    }
}

TEST_F(Calculation, TemperatureEqualToSaturationGivesNoPhaseLines)
{
    const CalculationOutcome outcome = Run({"1", "180", {}, {}});
    ASSERT_EQ(outcome.report.size(), 3);
    EXPECT_TRUE(outcome.report[0].startsWith(ReportLabel::Enthalpy));
}

// a and b are volumes with 71 and 73, densities with 72 and 74; refused, they go into the share as they are.
TEST_F(Calculation, VolumeBasisAsksForTheLiquidShareOfTheVolume)
{
    Module1::DrynessBasis = 1;
    const char* share = "0.0147783251231527";  // 0.75 * 0.001 / (0.75 * 0.001 + 0.25 * 0.2)
    const struct { int16_t unit; double a, b; const char* share; } rows[] = {
        {71, 0.001, 0.2, share}, {72, 1000, 5, share}, {73, 0.001, 0.2, share}, {74, 1000, 5, share},
        {71, kRefused, 0.2, "1.00000066666712"}, {71, 0.001, kRefused, "-3.00000012000001e-08"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.unit << ": " << row.a << ", " << row.b);
        Module1::DensityUnit = row.unit;
        EXPECT_EQ(Run({"1", {}, {}, "0.25"}, {{3, row.a}, {4, row.b}}).report.size(), 5);
        EXPECT_EQ(Calls(), QStringLiteral("sTp(1) sHtx(180,0.75) sStx(180,0.75) sDtx(180,1) sDtx(180,0) sDtx(180,%1)")
                               .arg(QLatin1String(row.share)));
    }
}

TEST_F(Calculation, UnknownDrynessBasisComputesAsMassBasis)
{
    Module1::DrynessBasis = 2;
    const CalculationOutcome outcome = Run({"1", {}, {}, "0.25"}, {{3, 0.125}});
    EXPECT_EQ(Calls(), "sTp(1) sHtx(180,0.75) sStx(180,0.75) sDtx(180,0.75)");
    EXPECT_TRUE(outcome.report.value(4).contains("0.12500000"));
}

TEST_F(Calculation, EachComparedResultRefusedGivesOneMessageAndNoReport)
{
    // The texts, the dryness basis, answers that lead into the branch, the calls whose refusal gives the message.
    const struct { const char* name; Texts texts; int16_t basis; std::map<size_t, double> steer;
                   std::vector<size_t> compared; QString message; } rows[] = {
        {"saturation by pressure", {"1", "", "", ""}, 0, {}, {0, 1, 2, 3, 4, 5, 6}, kPressureOut},
        {"saturation by temperature", {"", "200", "", ""}, 0, {}, {0, 1, 2, 3, 4, 5, 6}, kTemperatureOut},
        {"pressure and temperature", {"1", "200", "", ""}, 0, {}, {0, 1, 2, 3}, kPressureOrTemperatureOut},
        {"enthalpy, wet steam", {"1", "", "2000", ""}, 0, {{1, 700}, {3, 2778}}, {4, 6, 7}, kPressureOrEnthalpyOut},
        {"enthalpy, superheated steam", {"1", "", "2800", ""}, 0, {}, {4, 5, 6}, kPressureOrEnthalpyOut},
        {"dryness, mass basis", {"1", "", "", "0.5"}, 0, {}, {0, 1, 2, 3}, kPressureOut},
        {"dryness, volume basis", {"1", "", "", "0.5"}, 1, {}, {0, 1, 2, 5}, kPressureOut},
    };
    for (const auto& row : rows) {
        Module1::DrynessBasis = row.basis;
        for (size_t index : row.compared) {
            SCOPED_TRACE(testing::Message() << row.name << ", call " << index << " refused");
            std::map<size_t, double> script = row.steer;
            script[index] = kRefused;
            const CalculationOutcome outcome = Run(row.texts, script);
            EXPECT_EQ(outcome.message, row.message);
            EXPECT_TRUE(outcome.report.isEmpty());
            EXPECT_GT(engine.calls.size(), row.compared.back()) << "every compared result is computed first";
        }
    }
}

TEST_F(Calculation, RefusedUncheckedResultsGoOnAsTheyAre)
{
    // The saturation temperature of the enthalpy decision: both bounds are asked at the error value.
    EXPECT_EQ(Run({"1", {}, "2800", {}}, {{0, kRefused}, {2, kRefused}}).report.size(), 5);
    EXPECT_EQ(Calls(), "sTp(1) sHtx(-99999.999,1) sTp(1) sHtx(-99999.999,0) nTph(1,2800) nStp(250,1) nDtp(250,1)");
    // The wetness of wet steam goes into s and v.
    EXPECT_EQ(Run({"1", {}, "2000", {}}, {{1, 700}, {3, 2778}, {5, kRefused}}).report.size(), 5);
    EXPECT_EQ(Calls(4), "sTp(1) sXph(1,2000) sStx(180,-99999.999) sDtx(180,-99999.999)");
}

// A dryness outside 0 to 1 is refused before any engine call; 1E999 reaches the real engine as infinity, a zero
// denominator in the volume share as NaN, and the engine refuses them.
TEST_F(Calculation, RangeChecksGiveTheCaseMessage)
{
    const QString drynessOut = QStringLiteral("乾き度が範囲外です。");
    engine.useLibrary = true;
    engine.answerOf.clear();
    const struct { Texts texts; int16_t basis; std::map<size_t, double> script; QString message; const char* arg; }
        rows[] = {
            {{"1", "", "", "0"}, 0, {}, {}, "sTp(1)"},
            {{"1", "", "", "1"}, 0, {}, {}, "sTp(1)"},
            {{"1", "", "", "1.5"}, 0, {}, drynessOut, nullptr},
            {{"1", "", "", "-0.1"}, 0, {}, drynessOut, nullptr},
            {{"1E999", "", "", ""}, 0, {}, kPressureOut, "inf"},
            {{"1", "1E999", "", ""}, 0, {}, kPressureOrTemperatureOut, "inf"},
            {{"1", "", "-1E999", ""}, 0, {}, kPressureOrEnthalpyOut, "-inf"},
            {{"1", "", "", "0.5"}, 1, {{3, 0.0}, {4, 0.0}}, kPressureOut, "nan"},
        };
    for (const auto& row : rows) {
        SCOPED_TRACE((row.texts[0] + '|' + row.texts[1] + '|' + row.texts[2] + '|' + row.texts[3]).toStdString());
        Module1::DrynessBasis = row.basis;
        const CalculationOutcome outcome = Run(row.texts, row.script);
        EXPECT_EQ(outcome.message, row.message);
        EXPECT_EQ(outcome.report.isEmpty(), !row.message.isEmpty());
        EXPECT_TRUE(row.arg ? Calls().contains(QLatin1String(row.arg)) : Calls().isEmpty()) << Calls().toStdString();
    }
}

// Where the engine's edges lie, the window's phase from h' and h'' is the engine's own: in the corner above
// psat(623.15 K), where region 2 on the B23 line lies below region 3's h'', beside the dome's edges and near the
// critical point, in MPa and in MPa gauge with kcal/kg. Wet steam exactly where STM_IsSat_ph says so; compressed
// water and superheated steam on their side of Ts.
TEST_F(Calculation, PhaseFromEnthalpyIsTheEngines)
{
    PropertyEngine& real = Engine();
    for (const auto& [temperature, pressure, enthalpy, gauge] : {std::tuple{2, 12, 32, 0.0}, {3, 21, 33, 0.101325}}) {
        Module1::TempUnit = int16_t(temperature);
        Module1::PressUnit = int16_t(pressure);
        Module1::EnthalUnit = int16_t(enthalpy);
        HandUnitsToEngine();
        for (double absolute : {16.52917, 16.5292, 16.5294, 16.5297, 20.0, 22.06}) {
            const double P = absolute - gauge;
            const double Ts = real.STM_sTp(P);
            const double liquid = real.STM_sHtx(Ts, 1.0);
            const double vapour = real.STM_sHtx(Ts, 0.0);
            for (double h : {std::nextafter(liquid, 0.0), liquid, std::nextafter(liquid, 1e9), vapour - 0.02,
                             vapour - 1e-3, std::nextafter(vapour, 0.0), vapour, std::nextafter(vapour, 1e9)}) {
                SCOPED_TRACE(QStringLiteral("units %1, %2, %3: P %4, h %5")
                                 .arg(temperature).arg(pressure).arg(enthalpy).arg(P, 0, 'g', 17).arg(h, 0, 'g', 17)
                                 .toStdString());
                texts = {QString::number(P, 'g', 17), QString(), QString::number(h, 'g', 17), QString()};
                const CalculationOutcome outcome = Calculate(*this, real);
                ASSERT_TRUE(outcome.state.has_value());
                const Phase phase = outcome.state->phase;
                EXPECT_EQ(phase == Phase::WetSteam, real.STM_IsSat_ph(P, h) == 1);
                if (phase == Phase::CompressedWater) {
                    EXPECT_LE(outcome.state->T, Ts);
                } else if (phase == Phase::SuperheatedSteam) {
                    EXPECT_GT(outcome.state->T, Ts);
                }
            }
        }
    }
    Module1::TempUnit = 2;
    Module1::PressUnit = 12;
    Module1::EnthalUnit = 32;
    HandUnitsToEngine();
}

// The report's exact lines with the real engine; numbers from an independent 50-digit evaluation of IF97.
TEST_F(Calculation, GoldenReportLines)
{
    using Settings = std::array<int16_t, 6>;  // units of T, P, h, s, v, and the dryness basis
    const Settings SI{2, 12, 32, 52, 71, 0}, volumeBasis{2, 12, 32, 52, 71, 1};
    const Settings second{1, 11, 31, 51, 73, 0}, secondVolumeBasis{1, 11, 31, 51, 73, 1};  // K, Pa, J/Kg, J/KgK, ft3/lb
    const struct { const char* name; Settings settings; Texts texts; QStringList lines; } rows[] = {
        {"saturation by pressure", SI, {"1", "", "", ""}, {" 圧力          P   =        1.00000000 [MPa]",
          " 飽和温度      Ts  =      179.88563239 [℃]", " エンタルピ    h'  =      762.68284434 [KJ/Kg]",
          "               h'' =     2777.11953768 [KJ/Kg]", " エントロピ    s'  =        2.13843135 [KJ/KgK]",
          "               s'' =        6.58497900 [KJ/KgK]", " 比容積        v'  =        0.00112723 [m3/Kg]",
          "               v'' =        0.19434888 [m3/Kg]"}},
        {"saturation by temperature", SI, {"", "100", "", ""}, {" 圧力          P   =        0.10141798 [MPa]",
          " 飽和温度      Ts  =      100.00000000 [℃]", " エンタルピ    h'  =      419.09915500 [KJ/Kg]",
          "               h'' =     2675.57202922 [KJ/Kg]", " エントロピ    s'  =        1.30701433 [KJ/KgK]",
          "               s'' =        7.35407705 [KJ/KgK]", " 比容積        v'  =        0.00104346 [m3/Kg]",
          "               v'' =        1.67186060 [m3/Kg]"}},
        {"compressed water by temperature", SI, {"3", "100", "", ""}, {" 圧力          P   =        3.00000000 [MPa]",
          " 圧縮水温度    T   =      100.00000000 [℃]", " エンタルピ    h   =      421.27741120 [KJ/Kg]",
          " エントロピ    s   =        1.30475210 [KJ/KgK]", " 比容積        v   =        0.00104198 [m3/Kg]"}},
        {"superheated steam by temperature", SI, {"1", "300", "", ""}, {" 圧力          P   =        1.00000000 [MPa]",
          " 過熱蒸気温度  T   =      300.00000000 [℃]", " エンタルピ    h   =     3051.70318558 [KJ/Kg]",
          " エントロピ    s   =        7.12471248 [KJ/KgK]", " 比容積        v   =        0.25797919 [m3/Kg]"}},
        {"compressed water by enthalpy", SI, {"3", "", "500", ""}, {" 圧力          P   =        3.00000000 [MPa]",
          " 圧縮水温度    T   =      118.64199138 [℃]", " エンタルピ    h   =      500.00000000 [KJ/Kg]",
          " エントロピ    s   =        1.51061383 [KJ/KgK]", " 比容積        v   =        0.00105754 [m3/Kg]"}},
        {"wet steam by enthalpy", SI, {"1", "", "2000", ""}, {" 圧力          P   =        1.00000000 [MPa]",
          " 飽和温度      Ts  =      179.88563239 [℃]", " エンタルピ    h   =     2000.00000000 [KJ/Kg]",
          " エントロピ    s   =        4.86961159 [KJ/KgK]", " 比容積        v   =        0.11980878 [m3/Kg]"}},
        {"superheated steam by enthalpy", SI, {"1", "", "3000", ""}, {" 圧力          P   =        1.00000000 [MPa]",
          " 過熱蒸気温度  T   =      275.97174552 [℃]", " エンタルピ    h   =     3000.00000000 [KJ/Kg]",
          " エントロピ    s   =        7.03255448 [KJ/KgK]", " 比容積        v   =        0.24597127 [m3/Kg]"}},
        {"dryness, mass basis", SI, {"1", "", "", "0.3"}, {" 圧力          P   =        1.00000000 [MPa]",
          " 飽和温度      Ts  =      179.88563239 [℃]", " エンタルピ    h   =     1367.01385234 [KJ/Kg]",
          " エントロピ    s   =        3.47239564 [KJ/KgK]", " 比容積        v   =        0.05909373 [m3/Kg]"}},
        {"dryness, volume basis", volumeBasis, {"1", "", "", "0.3"}, {" 圧力          P   =        1.00000000 [MPa]",
          " 飽和温度      Ts  =      179.88563239 [℃]", " エンタルピ    h   =     1367.01385234 [KJ/Kg]",
          " エントロピ    s   =        3.47239564 [KJ/KgK]", " 比容積        v   =        0.19176884 [m3/Kg]"}},
        {"second units, saturation by pressure", second, {"1000000", "", "", ""},
         {" 圧力          P   =  1000000.00000000 [Pa]", " 飽和温度      Ts  =      453.03563239 [Ｋ]",
          " エンタルピ    h'  =   762682.84433541 [J/Kg]", "               h'' =  2777119.53768466 [J/Kg]",
          " エントロピ    s'  =     2138.43135090 [J/KgK]", "               s'' =     6584.97899635 [J/KgK]",
          " 比容積        v'  =        0.01805659 [ft3/lb]", "               v'' =        3.11317712 [ft3/lb]"}},
        {"second units, dryness, volume basis", secondVolumeBasis, {"1000000", "", "", "0.3"},
         {" 圧力          P   =  1000000.00000000 [Pa]", " 飽和温度      Ts  =      453.03563239 [Ｋ]",
          " エンタルピ    h   =  1367013.85234019 [J/Kg]", " エントロピ    s   =     3472.39564454 [J/KgK]",
          " 比容積        v   =        3.07184876 [ft3/lb]"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        UseUnits(row.settings);
        texts = row.texts;
        const CalculationOutcome outcome = Calculate(*this, Engine());
        EXPECT_EQ(outcome.message, QString());
        EXPECT_EQ(outcome.report, row.lines);
    }
    UseUnits(SI);
}

}  // namespace
