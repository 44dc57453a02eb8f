#include "forms/common/NumericKeyFilter.h"

#include "tests/calc/TableRows.h"

#include <gtest/gtest.h>

namespace {

struct FilterCase {
    const char* name;
    const char* allowed;
    const char16_t* text;
    int caret;
    int16_t code;
    bool accepted;
};

void PrintTo(const FilterCase& c, std::ostream* os) { *os << c.name; }

class FilterTable : public testing::TestWithParam<FilterCase> {};

TEST_P(FilterTable, Decides)
{
    const FilterCase& c = GetParam();
    EXPECT_EQ(Module1::AcceptsCharacter(QString::fromLatin1(c.allowed), QString::fromUtf16(c.text), c.caret, c.code),
              c.accepted);
}

const FilterCase kCases[] = {
    {"DigitZero", ".", u"", 0, '0', true},
    {"DigitNine", ".", u"12", 2, '9', true},
    {"DigitInFrontOfSign", "-", u"-5", 0, '3', true},
    {"DigitWithEmptyAllowedSet", "", u"", 0, '7', true},
    {"FirstPoint", ".", u"12", 2, '.', true},
    {"SecondPoint", ".", u"12.5", 4, '.', false},
    {"PointInSelectionStillCounts", ".", u"12.5", 2, '.', false},
    {"PointNotAllowed", "-", u"12", 2, '.', false},
    {"MinusNotAllowed", ".", u"", 0, '-', false},
    {"PlusNotAllowed", ".", u"", 0, '+', false},
    {"MinusAtStart", ".-", u"12", 0, '-', true},
    {"MinusAfterStart", ".-", u"12", 1, '-', false},
    {"SecondMinus", ".-", u"-12", 0, '-', false},
    {"PlusAtStart", "+", u"3", 0, '+', true},
    {"PlusAfterStart", "+", u"3", 1, '+', false},
    {"SecondPlus", "+", u"+3", 0, '+', false},
    {"PlusWhileMinusPresent", "+-", u"-3", 0, '+', true},
    {"Backspace", ".", u"12", 2, 8, true},
    {"Enter", ".", u"12", 2, 13, false},
    {"Escape", ".", u"", 0, 27, false},
    {"CtrlC", ".", u"12", 0, 3, false},
    {"CtrlV", ".", u"", 0, 22, false},
    {"CtrlX", ".", u"12", 0, 24, false},
    {"Tab", ".", u"", 0, 9, false},
    {"LetterE", ".", u"1", 1, 'E', false},
    {"Space", ".", u"1", 1, ' ', false},
    {"Comma", ".", u"1", 1, ',', false},
    {"FullWidthDigitOne", ".", u"", 0, static_cast<int16_t>(0xFF11), false},
    {"FullWidthPoint", ".", u"", 0, static_cast<int16_t>(0xFF0E), false},
    {"NegativeCode", ".", u"", 0, -32000, false},
};

INSTANTIATE_TEST_SUITE_P(Characters, FilterTable, testing::ValuesIn(kCases), RowName());

}  // namespace
