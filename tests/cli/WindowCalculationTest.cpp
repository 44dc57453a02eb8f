// The numbers beside the report: the right case, phase and columns, and the very numbers the lines print.
#include "cli/WindowCalculation.h"
#include "forms/common/ReportLine.h"
#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"
#include "tests/cli/GTestSupport.h"

#include <gtest/gtest.h>

namespace {

void useUnits(int16_t temp, int16_t press, int16_t enthal, int16_t entro, int16_t density, int16_t basis)
{
    FillUnitLabels();
    Module1::TempUnit = temp;
    Module1::PressUnit = press;
    Module1::EnthalUnit = enthal;
    Module1::EntroUnit = entro;
    Module1::DensityUnit = density;
    Module1::DrynessBasis = basis;
    HandUnitsToEngine();
}

// The number fields of the lines that print a value, sorted.
QStringList printedNumbers(const QStringList& report)
{
    QStringList numbers;
    for (const QString& line : report) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString rest = line.mid(equals + 1);
        numbers << rest.left(rest.lastIndexOf(QLatin1Char(' '))).trimmed();
    }
    numbers.sort();
    return numbers;
}

QStringList reportedNumbers(const WindowResult& result)
{
    QStringList numbers;
    for (const std::optional<double>& value : result.values)
        if (value)
            numbers << NumberField(*value).trimmed();
    numbers.sort();
    return numbers;
}

QStringList reportedSymbols(CalcWindow window, const WindowResult& result)
{
    QStringList symbols;
    for (size_t i = 0; i < result.values.size(); ++i)
        if (result.values[i])
            symbols << ValueSymbolsOf(window)[static_cast<qsizetype>(i)];
    return symbols;
}

struct StateCase {
    friend void PrintTo(const StateCase& row, std::ostream* out) { *out << row.name; }
    const char* name;
    CalcWindow window;
    QStringList texts;
    QString calculationCase;
    QString phase;
    QStringList symbols;  // the columns that get a number
};

class CliWindowNumbers : public testing::TestWithParam<StateCase> {
protected:
    void SetUp() override { useUnits(2, 12, 32, 52, 73, 1); }
    void TearDown() override { useUnits(2, 12, 32, 52, 71, 0); }
};

TEST_P(CliWindowNumbers, MatchTheReportLineByLine)
{
    const StateCase& row = GetParam();
    const WindowResult result = CalculateWindow(row.window, row.texts, Engine());
    ASSERT_EQ(result.message, QString());
    ASSERT_FALSE(result.report.isEmpty());
    EXPECT_EQ(result.calculationCase, row.calculationCase);
    EXPECT_EQ(result.phase, row.phase);
    EXPECT_EQ(reportedSymbols(row.window, result), row.symbols);
    EXPECT_EQ(reportedNumbers(result), printedNumbers(result.report));
}

const QStringList kSaturation{"P", "Ts", "h'", "h''", "s'", "s''", "v'", "v''"};
const QStringList kSingle{"P", "T", "h", "s", "v"};
const QStringList kWet{"P", "Ts", "h", "s", "v"};
constexpr CalcWindow Main = CalcWindow::Main;
constexpr CalcWindow Heat = CalcWindow::HeatContent;
const QStringList kHeat{"T_ref", "h_ref", "s_ref", "v_ref", "T_set", "h_set", "s_set", "v_set"};

INSTANTIATE_TEST_SUITE_P(
    Cli, CliWindowNumbers,
    testing::Values(
        StateCase{"SaturationByPressure", Main, {"1", "", "", ""}, "saturation-by-pressure", "", kSaturation},
        StateCase{"SaturationByTemperature", Main, {"", "100", "", ""}, "saturation-by-temperature", "", kSaturation},
        StateCase{"CompressedWaterByTemperature", Main, {"3", "100", "", ""}, "pressure-temperature",
                  "compressed-water", kSingle},
        StateCase{"SuperheatedByTemperature", Main, {"1", "300", "7", "0.5"}, "pressure-temperature",
                  "superheated-steam", kSingle},
        StateCase{"CompressedWaterByEnthalpy", Main, {"1", "", "200", ""}, "pressure-enthalpy", "compressed-water",
                  kSingle},
        StateCase{"WetSteamByEnthalpy", Main, {"1", "", "2000", "0.3"}, "pressure-enthalpy", "wet-steam", kWet},
        StateCase{"SuperheatedByEnthalpy", Main, {"1", "", "3000", ""}, "pressure-enthalpy", "superheated-steam",
                  kSingle},
        StateCase{"WetSteamByDryness", Main, {"1", "", "", "0.9"}, "pressure-dryness", "wet-steam", kWet},
        StateCase{"HeatCompressedWater", Heat, {"10", "100", "5"}, "constant-enthalpy", "compressed-water", kHeat},
        StateCase{"HeatWetSteam", Heat, {"10", "300", "0.5"}, "constant-enthalpy", "wet-steam", kHeat},
        StateCase{"HeatSuperheated", Heat, {"1", "300", "0.1"}, "constant-enthalpy", "superheated-steam", kHeat}),
    RowName());

class CliWindowNumbersExact : public testing::Test {
protected:
    void SetUp() override { useUnits(2, 12, 32, 52, 71, 0); }
};

std::optional<double> column(CalcWindow window, const WindowResult& result, const char* symbol)
{
    return result.values[static_cast<size_t>(ValueSymbolsOf(window).indexOf(QLatin1String(symbol)))];
}

TEST_F(CliWindowNumbersExact, AreTheEngineValuesAndTheTypedValuesUnrounded)
{
    PropertyEngine& engine = Engine();
    const WindowResult byTemperature = CalculateWindow(CalcWindow::Main, {"", "100.123456789", "", ""}, engine);
    EXPECT_EQ(column(CalcWindow::Main, byTemperature, "Ts"), 100.123456789);
    EXPECT_EQ(column(CalcWindow::Main, byTemperature, "P"), engine.STM_sPt(100.123456789));

    const WindowResult single = CalculateWindow(CalcWindow::Main, {"3", "100", "", ""}, engine);
    EXPECT_EQ(column(CalcWindow::Main, single, "h"), engine.STM_nHtp(100, 3));
    EXPECT_EQ(column(CalcWindow::Main, single, "v"), engine.STM_nDtp(100, 3));
}

TEST_F(CliWindowNumbersExact, SaturationTemperatureTypedExactlyHasNoPhase)
{
    const double Ts = Engine().STM_sTp(1.0);
    const QString text = QString::number(Ts, 'g', 17);
    const WindowResult result = CalculateWindow(CalcWindow::Main, {"1", text, "", ""}, Engine());
    EXPECT_EQ(result.phase, QString());
    EXPECT_EQ(reportedSymbols(CalcWindow::Main, result), (QStringList{"h", "s", "v"}));
    EXPECT_EQ(reportedNumbers(result), printedNumbers(result.report));
}

TEST_F(CliWindowNumbersExact, ConstantEnthalpyStopsOnlyForAnEmptyBox)
{
    const WindowResult heatEmpty = CalculateWindow(CalcWindow::HeatContent, {"10", "", "1"}, Engine());
    EXPECT_EQ(heatEmpty.calculationCase, "none");
    EXPECT_TRUE(heatEmpty.report.isEmpty());

    const WindowResult heatBlank = CalculateWindow(CalcWindow::HeatContent, {"10", " ", "1"}, Engine());
    EXPECT_EQ(heatBlank.calculationCase, "constant-enthalpy") << "a blank is a filled box worth 0";
}

}  // namespace
