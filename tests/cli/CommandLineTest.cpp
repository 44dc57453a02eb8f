#include "cli/CommandLine.h"
#include "cli/UnitNames.h"
#include "tests/cli/GTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct UnitCase {
    friend void PrintTo(const UnitCase& row, std::ostream* out) { *out << row.name; }
    const char* name;
    UnitQuantity quantity;
    QString text;
    std::optional<int16_t> code;
};

class CliUnitNameLookup : public testing::TestWithParam<UnitCase> {};

TEST_P(CliUnitNameLookup, GivesTheUnitsCode)
{
    EXPECT_EQ(UnitCodeOf(GetParam().quantity, GetParam().text), GetParam().code);
}

using Q = UnitQuantity;
constexpr std::optional<int16_t> kNone = std::nullopt;
INSTANTIATE_TEST_SUITE_P(
    Cli, CliUnitNameLookup,
    testing::Values(UnitCase{"PressureAnyCase", Q::Pressure, "mpa", 12},
                    UnitCase{"PressureByCode", Q::Pressure, "21", 21},
                    UnitCase{"GaugeNotAbsolute", Q::Pressure, "Kg/cm2G", 14},
                    UnitCase{"CodeAboveRange", Q::Pressure, "22", kNone},
                    UnitCase{"CodeOfAnotherQuantity", Q::Pressure, "2", kNone},
                    UnitCase{"UnknownName", Q::Pressure, "bar", kNone},
                    UnitCase{"CelsiusSign", Q::Temperature, QStringLiteral("℃"), 2},
                    UnitCase{"CelsiusPlainC", Q::Temperature, "C", 2},
                    UnitCase{"KelvinHalfWidth", Q::Temperature, "K", 1},
                    UnitCase{"FahrenheitFullWidth", Q::Temperature, QStringLiteral("Ｆ"), 3},
                    UnitCase{"EnthalpyNameIsNotEntropy", Q::Entropy, "KJ/Kg", kNone},
                    UnitCase{"PoundsPerCubicFoot", Q::Volume, "lb/ft3", 74},
                    UnitCase{"BasisFullWidth", Q::DrynessBasis, QStringLiteral("ＳＢＷ"), 1},
                    UnitCase{"BasisCodeTwo", Q::DrynessBasis, "2", kNone}),
    RowName());

ParsedCommandLine parse(QStringList arguments)
{
    arguments.prepend(QStringLiteral("vaporlane-calc"));
    return ParseCommandLine(arguments);
}

struct FieldCase {
    friend void PrintTo(const FieldCase& row, std::ostream* out) { *out << row.name; }
    const char* name;
    QStringList arguments;
    CalcWindow window;
    QStringList fields;
};

class CliFieldOptions : public testing::TestWithParam<FieldCase> {};

TEST_P(CliFieldOptions, BecomeTheWindowsFieldTexts)
{
    const ParsedCommandLine parsed = parse(GetParam().arguments);
    ASSERT_EQ(parsed.error, QString());
    EXPECT_EQ(parsed.commandLine.window, GetParam().window);
    EXPECT_EQ(parsed.commandLine.fields, GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliFieldOptions,
    testing::Values(FieldCase{"LongAndShort", {"--pressure=1", "-t", "300", "-H", "5", "--dryness", "0.5"},
                              CalcWindow::Main, {"1", "300", "5", "0.5"}},
                    FieldCase{"NegativeTextIsAValue", {"-p", "-1"}, CalcWindow::Main, {"-1", "", "", ""}},
                    FieldCase{"TextKeptAsTyped", {"-p", " 1.5.2 "}, CalcWindow::Main, {" 1.5.2 ", "", "", ""}},
                    FieldCase{"ConstantEnthalpy", {"--reference-pressure", "10", "--set-pressure", "0.5"},
                              CalcWindow::HeatContent, {"10", "", "0.5"}}),
    RowName());

struct ErrorCase {
    friend void PrintTo(const ErrorCase& row, std::ostream* out) { *out << row.name; }
    const char* name;
    QStringList arguments;
    QString errorPart;
};

class CliBadArguments : public testing::TestWithParam<ErrorCase> {};

TEST_P(CliBadArguments, AreRefusedWithAClearReason)
{
    const ParsedCommandLine parsed = parse(GetParam().arguments);
    EXPECT_TRUE(parsed.error.contains(GetParam().errorPart)) << parsed.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliBadArguments,
    testing::Values(
        ErrorCase{"MissingValue", {"-p"}, "Missing value after '-p'"},
        ErrorCase{"FieldGivenTwice", {"-p", "1", "--pressure", "2"}, "--pressure is given more than once"},
        ErrorCase{"PositionalArgument", {"1"}, "unexpected argument '1'"},
        ErrorCase{"WindowsMixed", {"-p", "1", "--set-pressure", "2"}, "cannot be mixed"},
        ErrorCase{"UnknownUnit", {"--pressure-unit", "bar"},
                  "unknown pressure unit 'bar'; choose one of: Pa (11), MPa (12)"},
        ErrorCase{"VolumeUnitTwice", {"--volume-unit", "71", "--density-unit", "72"},
                  "give the specific volume unit once"},
        ErrorCase{"BatchWithEmptyName", {"--batch="}, "--batch needs a file name"},
        ErrorCase{"BatchWithFieldOption", {"--batch", "a.csv", "-p", "1"}, "batch mode takes its fields from the CSV"},
        ErrorCase{"OutputWithoutBatch", {"-p", "1", "-o", "a.csv"}, "--output belongs to batch mode"}),
    RowName());

}  // namespace
