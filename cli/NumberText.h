// SPDX-License-Identifier: MIT
// Batch numbers as text: 17 significant digits, enough for every double to read back as itself.
#pragma once

#include <cstddef>

// Room WriteSignificant needs at most (it copies digits in fixed blocks, past the end of a shorter text).
inline constexpr std::size_t kSignificantTextBytes = 48;

// Writes the value as std::to_chars with std::chars_format::general and 17 digits of precision writes it
// (trailing zeros dropped, an exponent below 1e-4 and from 1e17 on) and returns the end. Exact integer arithmetic for
// magnitudes from about 5e-4 to 4.5e15, the usual batch numbers; std::to_chars itself for the rest.
char* WriteSignificant(char* out, double value);
