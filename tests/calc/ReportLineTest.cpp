#include "forms/common/ReportLine.h"

#include "tests/calc/TableRows.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

struct NumberFieldCase {
    const char* name;
    double value;
    const char* expected;
};

void PrintTo(const NumberFieldCase& c, std::ostream* os) { *os << c.name; }

class NumberFieldTable : public testing::TestWithParam<NumberFieldCase> {};

TEST_P(NumberFieldTable, Formats)
{
    EXPECT_EQ(NumberField(GetParam().value).toStdString(), GetParam().expected);
}

const NumberFieldCase kCases[] = {
    {"One", 1.0, "       1.00000000"},
    {"Zero", 0.0, "       0.00000000"},
    {"NegativeZero", -0.0, "       0.00000000"},
    {"RoundsToZeroFromBelow", -0.000000004, "       0.00000000"},
    {"SmallestNegativeShown", -0.000000006, "      -0.00000001"},
    {"FractionGetsLeadingZero", 0.5, "       0.50000000"},
    {"Negative", -12.345, "     -12.34500000"},
    {"RoundsUpAtEighthDecimal", 0.123456786, "       0.12345679"},
    {"RoundsDownAtEighthDecimal", 0.123456784, "       0.12345678"},
    {"CarryIntoIntegerPart", 9.999999996, "      10.00000000"},
    {"NoGrouping", 1234567.0, " 1234567.00000000"},
    {"FillsFieldExactly", 12345678.0, "12345678.00000000"},
    {"HundredMillionPrintedWhole", 1e8, "100000000.00000000"},
    {"LargePrintedWhole", 123456789012.5, "123456789012.50000000"},
    {"MinusTenMillionPrintedWhole", -1e7, "-10000000.00000000"},
    {"NegativeFillsField", -1234567.0, "-1234567.00000000"},
    {"ErrorValue", -99999.999, "  -99999.99900000"},
    {"Saturation1MPa", 179.88620713, "     179.88620713"},
};

INSTANTIATE_TEST_SUITE_P(Values, NumberFieldTable, testing::ValuesIn(kCases), RowName());

TEST(NumberField, PointIsIndependentOfLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(NumberField(2.5), QStringLiteral("       2.50000000"));
    QLocale::setDefault(previous);
}

TEST(ReportLine, JoinsLabelFieldBlankAndUnit)
{
    EXPECT_EQ(ReportLine(QStringLiteral(" 圧力          P   = "), 1.0, QStringLiteral("[MPa]")),
              QStringLiteral(" 圧力          P   =        1.00000000 [MPa]"));
}

TEST(ReportLine, LongNumberPushesUnitRight)
{
    EXPECT_EQ(ReportLine(QStringLiteral(" 圧力          P   = "), 1e9, QStringLiteral("[Pa]")),
              QStringLiteral(" 圧力          P   = 1000000000.00000000 [Pa]"));
}

}  // namespace
