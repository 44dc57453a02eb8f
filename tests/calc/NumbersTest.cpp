// Numbers in and out of text: the leading-number conversion of the input fields and the report's number field.
#include "forms/common/LeadingNumber.h"
#include "forms/common/ReportLine.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(LeadingNumber, Converts)
{
    const struct { const char* name; const char16_t* text; double expected; } rows[] = {
        {"empty", u"", 0},                          {"decimal", u"12.5", 12.5},
        {"lone point", u".", 0},                    {"second point ends", u"1.5.2", 1.5},
        {"no leading number", u"abc12", 0},         {"plus", u"+4", 4},
        {"minus", u"-4.5", -4.5},                   {"minus zero", u"-0.000", 0},
        {"carriage return ends", u"1\r2", 1},       {"full-width digits", u"１２", 0},
        {"comma is no point", u"1,5", 1},           {"exponent E", u"1.5E3", 1500},
        {"exponent d", u"1d2", 100},                {"negative exponent", u"25E-1", 2.5},
        {"exponent without digits", u"3E", 3},      {"exponent without mantissa", u"E5", 0},
        {"overflow", u"1E999", kInf},               {"underflow", u"1E-999", 0},
        {"exponent beyond any int", u"1E99999999999999999999", kInf},
        {"small mantissa, large exponent", u"0.000001E310", 1e304},
        {"blanks, tabs and line feeds anywhere", u" -\t1 2\n. 5 ", -12.5},
        {"hexadecimal", u"&H1F", 31},               {"hexadecimal, lower case, blanks", u" & h f f", 255},
        {"hexadecimal is unsigned", u"&HFFFF", 65535},
        {"octal stops at 8", u"&O78", 7},           {"unknown prefix", u"&X1", 0},
    };
    for (const auto& row : rows) {
        const double value = LeadingNumber(QString::fromUtf16(row.text));
        EXPECT_EQ(value, row.expected) << row.name;
        EXPECT_FALSE(std::signbit(value) && value == 0.0) << row.name << ": negative zero";
    }
}

TEST(LeadingNumber, LongMantissasScaleByTheirDigits)
{
    EXPECT_EQ(LeadingNumber(QStringLiteral("1") + QString(320, QLatin1Char('0'))), kInf);
    EXPECT_EQ(LeadingNumber(QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1E100")), 1e-301);
}

TEST(NumberField, Formats)
{
    const struct { const char* name; double value; const char* expected; } rows[] = {
        {"negative zero", -0.0, "       0.00000000"},     {"rounds to -0", -0.000000004, "       0.00000000"},
        {"negative", -12.345, "     -12.34500000"},      {"smallest negative", -0.000000006, "      -0.00000001"},
        {"rounds up", 0.123456786, "       0.12345679"},   {"rounds down", 0.123456784, "       0.12345678"},
        {"carry", 9.999999996, "      10.00000000"},       {"fills the field", 12345678.0, "12345678.00000000"},
        {"1e8 printed whole", 1e8, "100000000.00000000"},  {"-1e7 printed whole", -1e7, "-10000000.00000000"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(NumberField(row.value).toStdString(), row.expected) << row.name;
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(NumberField(2.5).toStdString(), "       2.50000000") << "the point whatever the locale";
    QLocale::setDefault(previous);
    EXPECT_EQ(ReportLine(QStringLiteral(" 圧力          P   = "), 1e9, QStringLiteral("[Pa]")).toStdString(),
              " 圧力          P   = 1000000000.00000000 [Pa]");
}

}  // namespace
