// Comparison with a published check value to the digits it was printed with.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace aquaprop::testing {

// Significant digits of a printed number such as "0.100215168e-2" (9) or "6.293083892e2" (10).
inline int SignificantDigits(const std::string& text) {
    int digits = 0;
    bool leading = true;
    for (char c : text) {
        if (c == 'e' || c == 'E') break;
        if (!std::isdigit(static_cast<unsigned char>(c))) continue;
        if (leading && c == '0') continue;
        leading = false;
        ++digits;
    }
    return digits;
}

// True if value, rounded to the digits of the published text, is the published number.
inline ::testing::AssertionResult MatchesPublished(double value, const std::string& published) {
    const double expected = std::strtod(published.c_str(), nullptr);
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(expected))));
    const double lastDigit = std::pow(10.0, exponent - SignificantDigits(published) + 1);
    const double units = std::fabs(value - expected) / lastDigit;
    if (units <= 0.5) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "computed " << value << " vs published " << published << " ("
                                         << units << " units of the last digit)";
}

}  // namespace aquaprop::testing
