#include "forms/common/LeadingNumber.h"

#include "tests/calc/TableRows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct LeadingNumberCase {
    const char* name;
    const char16_t* text;
    double expected;
};

void PrintTo(const LeadingNumberCase& c, std::ostream* os) { *os << c.name; }

class LeadingNumberTable : public testing::TestWithParam<LeadingNumberCase> {};

TEST_P(LeadingNumberTable, Converts)
{
    const LeadingNumberCase& c = GetParam();
    const double value = LeadingNumber(QString::fromUtf16(c.text));
    EXPECT_EQ(value, c.expected) << "text: " << QString::fromUtf16(c.text).toStdString();
    EXPECT_FALSE(std::signbit(value) && value == 0.0) << "negative zero";
}

constexpr double kInf = std::numeric_limits<double>::infinity();

const LeadingNumberCase kCases[] = {
    {"Empty", u"", 0.0},
    {"Integer", u"12", 12.0},
    {"Decimal", u"12.5", 12.5},
    {"LonePoint", u".", 0.0},
    {"PointFirst", u".25", 0.25},
    {"PointLast", u"7.", 7.0},
    {"SecondPointEndsNumber", u"1.5.2", 1.5},
    {"TrailingTextIgnored", u"3.5abc", 3.5},
    {"NoLeadingNumber", u"abc12", 0.0},
    {"PlusSign", u"+4", 4.0},
    {"MinusSign", u"-4.5", -4.5},
    {"MinusZeroIsZero", u"-0.000", 0.0},
    {"LoneSign", u"-", 0.0},
    {"TwoSigns", u"+-3", 0.0},
    {"BlanksAnywhere", u" 1 2 . 5 ", 12.5},
    {"TabsAndLineFeeds", u"\t1\n0", 10.0},
    {"BlankAfterSign", u"- 2", -2.0},
    {"CarriageReturnEnds", u"1\r2", 1.0},
    {"FullWidthDigitsAreNoDigits", u"１２", 0.0},
    {"FullWidthSpaceEnds", u"1\u30002", 1.0},
    {"CommaIsNoPoint", u"1,5", 1.0},
    {"ExponentE", u"1.5E3", 1500.0},
    {"ExponentLowerCase", u"2e2", 200.0},
    {"ExponentD", u"1D2", 100.0},
    {"ExponentNegative", u"25E-1", 2.5},
    {"ExponentPlus", u"1E+2", 100.0},
    {"ExponentWithoutDigits", u"3E", 3.0},
    {"ExponentSignWithoutDigits", u"3E-", 3.0},
    {"ExponentAfterPoint", u"1.E1", 10.0},
    {"ExponentWithBlanks", u"1 E 2", 100.0},
    {"ExponentWithoutMantissa", u"E5", 0.0},
    {"Overflow", u"1E999", kInf},
    {"OverflowNegative", u"-1E999", -kInf},
    {"HugeExponent", u"1E99999999999999999999", kInf},
    {"Underflow", u"1E-999", 0.0},
    {"SmallMantissaLargeExponent", u"0.000001E310", 1e304},
    {"Hexadecimal", u"&H1F", 31.0},
    {"HexadecimalLowerCase", u"&hff", 255.0},
    {"HexadecimalStopsAtNonDigit", u"&H1G", 1.0},
    {"HexadecimalSixteenBitsUnsigned", u"&HFFFF", 65535.0},
    {"Octal", u"&O17", 15.0},
    {"OctalStopsAtEight", u"&O78", 7.0},
    {"PrefixWithoutDigits", u"&H", 0.0},
    {"UnknownPrefix", u"&X1", 0.0},
    {"HexadecimalWithBlanks", u" & H 1 0", 16.0},
};

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumberTable, testing::ValuesIn(kCases), RowName());

TEST(LeadingNumber, LongMantissasScaleByTheirDigits)
{
    EXPECT_EQ(LeadingNumber(QStringLiteral("1") + QString(320, QLatin1Char('0'))), kInf);
    const QString tiny = QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1");
    EXPECT_EQ(LeadingNumber(tiny + QStringLiteral("E100")), 1e-301);
    EXPECT_EQ(LeadingNumber(tiny + QStringLiteral("E-100")), 0.0);
}

}  // namespace
