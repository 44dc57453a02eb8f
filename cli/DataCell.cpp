// SPDX-License-Identifier: MIT
#include "cli/DataCell.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace {

// Longer texts are cut in messages; the row repeats the whole cell in its own column.
constexpr qsizetype kShownCharacters = 32;

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Digits from i on; how many there were.
qsizetype skipDigits(QStringView text, qsizetype& i)
{
    const qsizetype start = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i - start;
}

bool isWholeNumber(QStringView text)
{
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = skipDigits(text, i);
    if (i < text.size() && text[i] == u'.') {
        ++i;
        digits += skipDigits(text, i);
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        if (skipDigits(text, i) == 0)
            return false;
    }
    return i == text.size();
}

// QString::trimmed's blanks among the ASCII characters.
bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The leading-number conversion's exponents saturate here; beyond it every double overflows or underflows.
constexpr int kExponentLimit = 99999;

// The value of a text that isWholeNumber accepts, by the leading-number conversion's rules: the digits with the
// point and the exponent read as one decimal number, zeros only a plain zero, beyond the doubles infinity or
// zero, an underflow never a negative zero.
double wholeNumberValue(std::string_view text)
{
    size_t i = 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-')
        negative = text[i++] == '-';
    const size_t mantissaStart = i;
    int integerDigits = 0;
    int leadingZeros = 0;
    bool point = false;
    bool nonZero = false;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == '.'); ++i) {
        if (text[i] == '.') {
            point = true;
            continue;
        }
        integerDigits += point ? 0 : 1;
        nonZero = nonZero || text[i] != '0';
        leadingZeros += nonZero ? 0 : 1;
    }
    if (!nonZero)
        return 0.0;
    const std::string_view mantissa = text.substr(mantissaStart, i - mantissaStart);
    int exponent = 0;
    if (i < text.size()) {
        bool negativeExponent = false;
        if (text[++i] == '+' || text[i] == '-')
            negativeExponent = text[i++] == '-';
        for (; i < text.size(); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), kExponentLimit);
        exponent = negativeExponent ? -exponent : exponent;
    }

    char inPlace[64];
    std::string longer;
    char* number = inPlace;
    const size_t room = mantissa.size() + 8;  // 'e', a sign and five digits
    if (room > sizeof inPlace) {
        longer.resize(room);
        number = longer.data();
    }
    char* end = std::copy(mantissa.begin(), mantissa.end(), number);
    *end++ = 'e';
    end = std::to_chars(end, number + room, exponent).ptr;
    double value = 0;
    if (std::from_chars(number, end, value).ec == std::errc::result_out_of_range) {
        const long magnitude = static_cast<long>(exponent) + integerDigits - leadingZeros - 1;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative && value != 0.0 ? -value : value;
}

// The value of a whole number of at most 15 significant digits whose decimal exponent lies within 10^±22, as one
// product or quotient of two exact doubles: rounded once, so the same double as the general conversion gives.
std::optional<double> exactValue(std::string_view text)
{
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                  1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr int kMostDigits = 15;
    constexpr int kMostPower = 22;
    size_t i = 0;
    const bool negative = text[i] == '-';
    if (text[i] == '+' || text[i] == '-')
        ++i;
    uint64_t digits = 0;
    int significant = 0;
    int fraction = 0;
    bool point = false;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == '.'); ++i) {
        if (text[i] == '.') {
            point = true;
            continue;
        }
        digits = digits * 10 + static_cast<uint64_t>(text[i] - '0');
        significant += digits != 0 ? 1 : 0;
        fraction += point ? 1 : 0;
    }
    if (significant > kMostDigits)
        return std::nullopt;
    if (digits == 0)
        return 0.0;
    int exponent = 0;
    if (i < text.size()) {
        if (text[i] != 'e' && text[i] != 'E')
            return std::nullopt;
        bool negativeExponent = false;
        if (text[++i] == '+' || text[i] == '-')
            negativeExponent = text[i++] == '-';
        if (text.size() - i > 3)
            return std::nullopt;
        for (; i < text.size(); ++i)
            exponent = exponent * 10 + (text[i] - '0');
        exponent = negativeExponent ? -exponent : exponent;
    }
    const int power = exponent - fraction;
    if (power < -kMostPower || power > kMostPower)
        return std::nullopt;
    const auto mantissa = static_cast<double>(digits);
    const double value = power < 0 ? mantissa / kPowers[-power] : mantissa * kPowers[power];
    return negative ? -value : value;
}

// The same grammar as isWholeNumber, on bytes.
bool isWholeNumber(std::string_view text)
{
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const auto skipDigits = [&text, &i] {
        const size_t start = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        return i - start;
    };
    size_t digits = skipDigits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        digits += skipDigits();
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (skipDigits() == 0)
            return false;
    }
    return i == text.size();
}

// The usual cell in one pass: a sign, at most 15 digits with at most one point, nothing else. Its value is one
// quotient of two exact doubles, rounded once, so the same double as the general conversion gives.
std::optional<double> plainDecimal(std::string_view text)
{
    static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    constexpr int kMostDigits = 15;
    const char* p = text.data();
    const char* const end = p + text.size();
    if (p == end)
        return std::nullopt;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    uint64_t digits = 0;
    int count = 0;
    int fraction = -1;  // digits after the point; -1 without a point
    for (; p != end; ++p) {
        if (const auto digit = static_cast<unsigned>(*p - '0'); digit < 10) {
            digits = digits * 10 + digit;
            ++count;
            fraction += fraction >= 0 ? 1 : 0;
        } else if (*p == '.' && fraction < 0) {
            fraction = 0;
        } else {
            return std::nullopt;
        }
    }
    if (count == 0 || count > kMostDigits)
        return std::nullopt;
    if (digits == 0)
        return 0.0;  // zeros only: a plain zero, whatever the sign
    const double value = static_cast<double>(digits) / kPowers[std::max(fraction, 0)];
    return negative ? -value : value;
}


// Any other cell: blanks around it, an exponent, many digits. Apart, so that the usual cell's call stays small.
[[gnu::noinline]] std::optional<CellNumber> readOtherCell(std::string_view ascii)
{
    while (!ascii.empty() && isBlank(ascii.front()))
        ascii.remove_prefix(1);
    while (!ascii.empty() && isBlank(ascii.back()))
        ascii.remove_suffix(1);
    if (ascii.empty())
        return CellNumber{};
    if (!isWholeNumber(ascii))
        return std::nullopt;
    const std::optional<double> exact = exactValue(ascii);
    return CellNumber{false, exact ? *exact : wholeNumberValue(ascii)};
}

}  // namespace

std::optional<CellNumber> ReadNumberCell(std::string_view ascii)
{
    if (const std::optional<double> plain = plainDecimal(ascii))
        return CellNumber{false, *plain};
    return ascii.empty() ? CellNumber{} : readOtherCell(ascii);
}

std::optional<QString> WholeNumberCell(const QString& cell)
{
    const QString trimmed = cell.trimmed();
    if (trimmed.isEmpty() || isWholeNumber(trimmed))
        return trimmed;
    return std::nullopt;
}

QString NotANumberMessage(const QString& label, const QString& cell)
{
    QString shown = cell.trimmed();
    if (shown.size() > kShownCharacters) {
        const qsizetype cut = shown[kShownCharacters - 1].isHighSurrogate() ? kShownCharacters - 1 : kShownCharacters;
        shown = shown.left(cut) + QStringLiteral("…");
    }
    return QStringLiteral("%1の値「%2」を数値として読めません。").arg(label, shown);
}
