// SPDX-License-Identifier: MIT
#include "cli/NumberText.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

__extension__ typedef unsigned __int128 Wide;  // the GNU 128-bit integer

constexpr int kDigits = 17;
constexpr uint64_t kLowest17 = 10'000'000'000'000'000;  // 10^16, the smallest 17-digit number
constexpr int kMaxScale = 22;                            // 10^22 times a 53-bit mantissa fits in 128 bits

constexpr std::array<Wide, kMaxScale + 1> kPowers = [] {
    std::array<Wide, kMaxScale + 1> powers{};
    Wide power = 1;
    for (Wide& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

constexpr uint64_t kHundredMillion = 100'000'000;

// "00" to "99".
constexpr std::array<char, 200> kPairs = [] {
    std::array<char, 200> pairs{};
    for (size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

void writeTwo(char* out, uint32_t pair) { std::memcpy(out, &kPairs[2 * pair], 2); }

// Eight digits, leading zeros included.
void writeEight(char* out, uint32_t value)
{
    const uint32_t high = value / 10000;
    const uint32_t low = value % 10000;
    writeTwo(out, high / 100);
    writeTwo(out + 2, high % 100);
    writeTwo(out + 4, low / 100);
    writeTwo(out + 6, low % 100);
}

char* fallback(char* out, double value)
{
    return std::to_chars(out, out + kSignificantTextBytes, value, std::chars_format::general, kDigits).ptr;
}

// floor(value * 10^scale) of value = mantissa * 2^exponent, and whether the rest is below, at or above one half.
struct Scaled {
    uint64_t whole;
    int half;  // -1 below, 0 exactly one half, 1 above
};

Scaled scale(uint64_t mantissa, int exponent, int power)
{
    Wide product = static_cast<Wide>(mantissa) * kPowers[static_cast<size_t>(power)];
    if (exponent >= 0)
        return {static_cast<uint64_t>(product << exponent), -1};
    const int shift = -exponent;
    const Wide rest = product & ((static_cast<Wide>(1) << shift) - 1);
    const Wide half = static_cast<Wide>(1) << (shift - 1);
    return {static_cast<uint64_t>(product >> shift), rest < half ? -1 : rest == half ? 0 : 1};
}

}  // namespace

char* WriteSignificant(char* out, double value)
{
    if (value == 0 || !std::isfinite(value))
        return fallback(out, value);
    const auto bits = std::bit_cast<uint64_t>(value);
    const int biased = static_cast<int>(bits >> 52 & 0x7FF);
    if (biased == 0)
        return fallback(out, value);  // subnormal
    const uint64_t mantissa = (bits & ((uint64_t{1} << 52) - 1)) | uint64_t{1} << 52;
    const int exponent = biased - 1075;

    // The decimal exponent: floor(log10 |value|) is this estimate or one more.
    // Both scales, 10^(16 - decimal) and one less, must stay within the table.
    int decimal = ((exponent + 52) * 78913) >> 18;
    if (kDigits - 1 - decimal > kMaxScale || kDigits - 1 - decimal < 1)
        return fallback(out, value);
    Scaled scaled = scale(mantissa, exponent, kDigits - 1 - decimal);
    if (scaled.whole >= 10 * kLowest17) {
        ++decimal;
        scaled = scale(mantissa, exponent, kDigits - 1 - decimal);
    }
    // Round half to even, as to_chars does.
    uint64_t digits = scaled.whole;
    if (scaled.half > 0 || (scaled.half == 0 && (digits & 1) != 0))
        ++digits;
    if (digits == 10 * kLowest17) {
        digits = kLowest17;
        ++decimal;
    }
    if (decimal >= kDigits)
        return fallback(out, value);  // 1e17 and up: an exponent

    char text[2 * kDigits];  // the digits, and room to copy them in blocks of kDigits
    text[0] = static_cast<char>('0' + digits / kLowest17);
    const uint64_t rest = digits % kLowest17;
    writeEight(text + 1, static_cast<uint32_t>(rest / kHundredMillion));
    writeEight(text + 9, static_cast<uint32_t>(rest % kHundredMillion));
    int count = kDigits;
    while (text[count - 1] == '0')
        --count;

    char* p = out;
    if (value < 0)
        *p++ = '-';
    if (decimal < -4) {
        *p++ = text[0];
        if (count > 1) {
            *p++ = '.';
            std::memcpy(p, text + 1, static_cast<size_t>(count - 1));
            p += count - 1;
        }
        const int magnitude = -decimal;
        *p++ = 'e';
        *p++ = '-';
        if (magnitude >= 100)
            *p++ = static_cast<char>('0' + magnitude / 100);
        *p++ = static_cast<char>('0' + magnitude / 10 % 10);
        *p++ = static_cast<char>('0' + magnitude % 10);
        return p;
    }
    // The digits are copied in blocks of kDigits: fixed-size copies, within the room kSignificantTextBytes leaves.
    if (decimal < 0) {
        *p++ = '0';
        *p++ = '.';
        for (int i = decimal + 1; i < 0; ++i)
            *p++ = '0';
        std::memcpy(p, text, kDigits);
        return p + count;
    }
    const int whole = decimal + 1;
    std::memcpy(p, text, kDigits);
    p += whole;
    if (count > whole) {
        *p++ = '.';
        std::memcpy(p, text + whole, kDigits);
        p += count - whole;
    }
    return p;
}
