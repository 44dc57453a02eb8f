#include "forms/common/LeadingNumber.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

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

// The text without blanks, tabs and line feeds.
std::u16string compact(const QString& text)
{
    std::u16string result;
    result.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text)
        if (!isIgnored(c.unicode()))
            result.push_back(c.unicode());
    return result;
}

// "&H1F", "&o17": an unsigned integer in base 16 or 8, as long as its digits go.
double prefixedInteger(const std::u16string& s)
{
    const char16_t prefix = s[1];
    const bool hex = prefix == u'H' || prefix == u'h';
    double value = 0;
    for (size_t i = 2; i < s.size(); ++i) {
        const int digit = hex ? hexDigit(s[i]) : octDigit(s[i]);
        if (digit < 0)
            break;
        value = value * (hex ? 16 : 8) + digit;
    }
    return value;
}

// The exponent that starts at s[i] with E or D, an optional sign and digits; 0 when there is none.
int exponentAt(const std::u16string& s, size_t i)
{
    if (i + 1 >= s.size() || (s[i] != u'E' && s[i] != u'e' && s[i] != u'D' && s[i] != u'd'))
        return 0;
    size_t j = i + 1;
    bool negative = false;
    if (s[j] == u'+' || s[j] == u'-')
        negative = s[j++] == u'-';
    int exponent = 0;
    for (; j < s.size() && isDigit(s[j]); ++j)
        exponent = std::min(exponent * 10 + (s[j] - u'0'), kExponentLimit);
    return negative ? -exponent : exponent;
}

// Sign, digits, at most one point, then an optional exponent.
double decimalNumber(const std::u16string& s)
{
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        negative = s[i++] == u'-';

    std::string mantissa;
    bool point = false;
    int integerDigits = 0;
    int leadingZeros = 0;  // digits before the first non-zero one
    bool nonZero = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
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
    if (!nonZero)
        return 0.0;  // no digits, or only zeros: never a negative zero

    const int exponent = exponentAt(s, i);
    const std::string number = mantissa + 'e' + std::to_string(exponent);
    double value = 0;
    if (std::from_chars(number.data(), number.data() + number.size(), value).ec == std::errc::result_out_of_range) {
        // Beyond the doubles: infinity above, zero below (the engine then decides what it accepts).
        const long magnitude = static_cast<long>(exponent) + integerDigits - leadingZeros - 1;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

}  // namespace

double LeadingNumber(const QString& text)
{
    const std::u16string s = compact(text);
    if (s.size() >= 2 && s[0] == u'&') {
        const char16_t prefix = s[1];
        if (prefix == u'H' || prefix == u'h' || prefix == u'O' || prefix == u'o')
            return prefixedInteger(s);
        return 0.0;
    }
    return decimalNumber(s);
}
