// SPDX-License-Identifier: MIT
#include "forms/common/LeadingNumber.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Exponents beyond this already overflow or underflow any double; saturating keeps the digits bounded.
constexpr int kExponentLimit = 99999;

bool isIgnored(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int hexDigit(char16_t c)
{
    if (isDigit(c))
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

int octDigit(char16_t c) { return c >= u'0' && c <= u'7' ? c - u'0' : -1; }

// The text without blanks, tabs and line feeds, and where each of its characters stands in the text.
struct Compact {
    std::u16string chars;
    std::vector<qsizetype> origin;
};

Compact compact(const QString& text)
{
    Compact result;
    result.chars.reserve(static_cast<size_t>(text.size()));
    result.origin.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isIgnored(text[i].unicode())) {
            result.chars.push_back(text[i].unicode());
            result.origin.push_back(i);
        }
    }
    return result;
}

// A number and how many characters of the compact text it took (0: there was none).
struct Scan {
    double value = 0.0;
    size_t end = 0;
};

// "&H1F", "&o17": an unsigned integer in base 16 or 8, as long as its digits go.
Scan prefixedInteger(std::u16string_view s)
{
    const char16_t prefix = s[1];
    const bool hex = prefix == u'H' || prefix == u'h';
    Scan scan;
    size_t i = 2;
    for (; i < s.size(); ++i) {
        const int digit = hex ? hexDigit(s[i]) : octDigit(s[i]);
        if (digit < 0)
            break;
        scan.value = scan.value * (hex ? 16 : 8) + digit;
    }
    scan.end = i > 2 ? i : 0;
    return scan;
}

// The exponent that starts at s[i] with E or D, an optional sign and digits; 0 when there is none, and then
// `end` stays at i.
int exponentAt(std::u16string_view s, size_t i, size_t& end)
{
    end = i;
    if (i + 1 >= s.size() || (s[i] != u'E' && s[i] != u'e' && s[i] != u'D' && s[i] != u'd'))
        return 0;
    size_t j = i + 1;
    bool negative = false;
    if (s[j] == u'+' || s[j] == u'-')
        negative = s[j++] == u'-';
    const size_t digits = j;
    int exponent = 0;
    for (; j < s.size() && isDigit(s[j]); ++j)
        exponent = std::min(exponent * 10 + (s[j] - u'0'), kExponentLimit);
    if (j == digits)
        return 0;
    end = j;
    return negative ? -exponent : exponent;
}

// Sign, digits, at most one point, then an optional exponent.
Scan decimalNumber(std::u16string_view s)
{
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        negative = s[i++] == u'-';

    std::string mantissa;
    bool point = false;
    int digits = 0;
    int integerDigits = 0;
    int leadingZeros = 0;  // digits before the first non-zero one
    bool nonZero = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            ++digits;
            integerDigits += point ? 0 : 1;
            nonZero = nonZero || s[i] != u'0';
            leadingZeros += nonZero ? 0 : 1;
            mantissa.push_back(static_cast<char>(s[i]));
        } else if (s[i] == u'.' && !point) {
            point = true;
            mantissa.push_back('.');
        } else {
            break;
        }
    }
    Scan scan;
    if (digits == 0)
        return scan;  // a sign or a point alone is no number
    const int exponent = exponentAt(s, i, scan.end);
    if (!nonZero)
        return scan;  // only zeros: 0 whatever the sign and exponent

    const std::string number = mantissa + 'e' + std::to_string(exponent);
    double value = 0;
    if (std::from_chars(number.data(), number.data() + number.size(), value).ec == std::errc::result_out_of_range) {
        // Beyond the doubles: infinity above, zero below (the engine then decides what it accepts).
        const long magnitude = static_cast<long>(exponent) + integerDigits - leadingZeros - 1;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    // An underflow to zero is a plain zero, never a negative one.
    scan.value = negative && value != 0.0 ? -value : value;
    return scan;
}

Scan scanNumber(std::u16string_view s)
{
    Scan scan;
    if (s.size() >= 2 && s[0] == u'&') {
        const char16_t prefix = s[1];
        if (prefix == u'H' || prefix == u'h' || prefix == u'O' || prefix == u'o')
            scan = prefixedInteger(s);
    } else {
        scan = decimalNumber(s);
    }
    return scan;
}

}  // namespace

LeadingNumberRead ReadLeadingNumber(const QString& text)
{
    const std::u16string_view whole(QStringView(text).utf16(), static_cast<size_t>(text.size()));
    if (std::none_of(whole.begin(), whole.end(), isIgnored)) {
        // Nothing to leave out (a typed number, a batch cell): the text as it is.
        const Scan scan = scanNumber(whole);
        return {scan.value, static_cast<qsizetype>(scan.end)};
    }
    const Compact c = compact(text);
    const Scan scan = scanNumber(c.chars);
    return {scan.value, scan.end == 0 ? 0 : c.origin[scan.end - 1] + 1};
}

double LeadingNumber(const QString& text) { return ReadLeadingNumber(text).value; }
