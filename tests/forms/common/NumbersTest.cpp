// SPDX-License-Identifier: MIT
// Numbers in and out of text: the leading-number conversion of the input fields and the report's number field.
#include "forms/common/LeadingNumber.h"
#include "forms/common/ReportLine.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// The value, and the part of the text that the conversion ignores.
TEST(LeadingNumber, Converts)
{
    const struct { const char* name; const char16_t* text; double expected; const char16_t* ignored; } rows[] = {
        {"empty", u"", 0, u""},                               {"decimal", u"12.5", 12.5, u""},
        {"lone point", u".", 0, u"."},                        {"second point ends", u"1.5.2", 1.5, u".2"},
        {"no leading number", u"abc12", 0, u"abc12"},         {"plus", u"+4", 4, u""},
        {"minus", u"-4.5", -4.5, u""},                        {"minus zero", u"-0.000", 0, u""},
        {"lone minus", u"-", 0, u"-"},                        {"carriage return ends", u"1\r2", 1, u"\r2"},
        {"full-width digits", u"１２", 0, u"１２"},              {"comma is no point", u"1,5", 1, u",5"},
        {"unit after the number", u"10kPa", 10, u"kPa"},      {"exponent E", u"1.5E3", 1500, u""},
        {"exponent d", u"1d2", 100, u""},                     {"negative exponent", u"25E-1", 2.5, u""},
        {"exponent without digits", u"3E", 3, u"E"},          {"exponent sign without digits", u"3e-x", 3, u"e-x"},
        {"exponent without mantissa", u"E5", 0, u"E5"},       {"overflow", u"1E999", kInf, u""},
        {"underflow", u"1E-999", 0, u""},                     {"negative underflow", u"-1e-400", 0, u""},
        {"exponent beyond any int", u"1E99999999999999999999", kInf, u""},
        {"small mantissa, large exponent", u"0.000001E310", 1e304, u""},
        {"blanks, tabs and line feeds anywhere", u" -\t1 2\n. 5 ", -12.5, u" "},
        {"hexadecimal", u"&H1F", 31, u""},                    {"hexadecimal, lower case, blanks", u" & h f f", 255, u""},
        {"hexadecimal is unsigned", u"&HFFFF", 65535, u""},   {"hexadecimal without digits", u"&HG", 0, u"&HG"},
        {"octal stops at 8", u"&O78", 7, u"8"},               {"unknown prefix", u"&X1", 0, u"&X1"},
    };
    for (const auto& row : rows) {
        const QString text = QString::fromUtf16(row.text);
        const LeadingNumberRead read = ReadLeadingNumber(text);
        EXPECT_EQ(read.value, row.expected) << row.name;
        EXPECT_EQ(LeadingNumber(text), row.expected) << row.name;
        EXPECT_FALSE(std::signbit(read.value) && read.value == 0.0) << row.name << ": negative zero";
        EXPECT_EQ(text.mid(read.length), QString::fromUtf16(row.ignored)) << row.name;
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
