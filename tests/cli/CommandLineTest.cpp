// SPDX-License-Identifier: MIT
#include "cli/CommandLine.h"
#include "cli/UnitNames.h"

#include <gtest/gtest.h>

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

ParsedCommandLine parse(const QStringList& args) { return ParseCommandLine(QStringList{"vaporlane-calc"} + args); }

TEST(CliCommandLine, UnitNamesAndCodesGiveTheUnitsCode)
{
    using Q = UnitQuantity;
    const std::optional<int16_t> none;
    const std::tuple<const char*, UnitQuantity, QString, std::optional<int16_t>> rows[] = {
        {"AnyCase", Q::Pressure, "mpa", 12},
        {"LastCode", Q::Pressure, "21", 21},
        {"CodeAboveRange", Q::Pressure, "22", none},
        {"GaugeNotAbsolute", Q::Pressure, "Kg/cm2G", 14},
        {"CelsiusPlainC", Q::Temperature, "C", 2},
        {"FahrenheitByAnAlias", Q::Temperature, "degf", 3},
        {"AnAliasOnlyForItsQuantity", Q::Pressure, "C", none},
        {"CodeBeyondSixteenBits", Q::Pressure, "65548", none},
        {"KelvinHalfWidth", Q::Temperature, "K", 1},
        {"BasisFullWidth", Q::DrynessBasis, "ＳＢＷ", 1},
    };
    for (const auto& [name, quantity, text, code] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(UnitCodeOf(quantity, text), code);
    }
}

TEST(CliCommandLine, ShortOptionsAndNegativeTextsAreFieldTexts)
{
    const ParsedCommandLine parsed = parse({"-p", "-1", "-t", "300", "-H", "5", "-x", "0.5"});
    ASSERT_EQ(parsed.error, QString());
    EXPECT_EQ(parsed.commandLine.fields, (QStringList{"-1", "300", "5", "0.5"}));
    EXPECT_EQ(parsed.commandLine.window, CalcWindow::Main);
}

// --properties lists the main window's state; in batch mode the header decides, so the window stays.
TEST(CliCommandLine, PropertiesOfTheMainWindowsFields)
{
    EXPECT_EQ(parse({"--properties", "-t", "150", "-x", "0.2"}).commandLine.window, CalcWindow::Properties);
    const ParsedCommandLine batch = parse({"--properties", "--batch", "-"});
    EXPECT_EQ(batch.commandLine.window, CalcWindow::Main);
    EXPECT_TRUE(batch.commandLine.batchOptions.properties);
}

TEST(CliCommandLine, JobsOfABatch)
{
    EXPECT_EQ(parse({"--batch", "-"}).commandLine.batchOptions.jobs, 1);
    EXPECT_EQ(parse({"--batch", "-", "--jobs", "4"}).commandLine.batchOptions.jobs, 4);
}

TEST(CliCommandLine, BadArgumentsAreRefusedWithAClearReason)
{
    const std::pair<QStringList, QString> rows[] = {
        {{"-p", "1", "--pressure", "2"}, "--pressure is given more than once"},
        {{"1"}, "unexpected argument '1'"},
        {{"-p", "1", "--set-pressure", "2"}, "cannot be mixed"},
        {{"--pressure-unit", "bar"}, "unknown pressure unit 'bar'; choose one of: Pa (11), MPa (12)"},
        {{"--volume-unit", "71", "--density-unit", "72"}, "give the specific volume unit once"},
        {{"--batch="}, "--batch needs a file name"},
        {{"--batch", "a.csv", "-p", "1"}, "batch mode takes its fields from the CSV"},
        {{"-p", "1", "-o", "a.csv"}, "--output belongs to batch mode"},
        {{"--properties", "--set-pressure", "2"}, kPropertiesOfMainFields},
        {{"--chart", "mollier", "-o", "a.png"}, "unknown chart 'mollier'; choose one of: hs, ts, ph"},
        {{"--chart", "hs"}, "--chart needs -o FILE.png or -o FILE.svg"},
        {{"--chart", "ts", "-o", "-"}, "--chart needs -o FILE.png"},
        {{"--chart", "ph", "-o", "a.jpg"}, "name the file FILE.png or FILE.svg, not 'a.jpg'"},
        {{"--chart", "hs", "-o", "a.png", "--batch", "-"}, "--chart and --batch cannot be combined"},
        {{"--chart", "hs", "-o", "a.png", "--properties", "-p", "1"}, "--chart and --properties cannot be combined"},
        {{"--chart", "hs", "-o", "a.png", "--excel"}, "--excel belongs to batch mode"},
        {{"-p", "1", "--jobs", "2"}, "--jobs belongs to batch mode"},
        {{"--batch", "-", "--jobs", "0"}, "--jobs takes a number of threads from 1 to 256, not '0'"},
        {{"--batch", "-", "--jobs", "257"}, "not '257'"},
        {{"--batch", "-", "--jobs", "two"}, "not 'two'"},
    };
    for (const auto& [arguments, reason] : rows) {
        const QString error = parse(arguments).error;
        EXPECT_TRUE(error.contains(reason)) << error.toStdString() << " lacks " << reason.toStdString();
    }
}

}  // namespace
