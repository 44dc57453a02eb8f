// SPDX-License-Identifier: MIT
#include "cli/NumberText.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace {

__extension__ typedef unsigned __int128 Wide;  // the GNU 128-bit integer

constexpr int kDigits = 17;
constexpr uint64_t kLowest17 = 10'000'000'000'000'000;  // 10^16, the smallest 17-digit number
constexpr int kMostPower = 22;                           // 10^22 times a 53-bit mantissa fits in 128 bits

constexpr std::array<Wide, kMostPower + 1> kPowers = [] {
    std::array<Wide, kMostPower + 1> powers{};
    Wide power = 1;
    for (Wide& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

constexpr uint64_t kHundredMillion = 100'000'000;

static_assert(std::endian::native == std::endian::little, "digits are assembled in little-endian words");

// Eight ASCII digits of a number below 10^8, leading zeros included, as the bytes of one word: both halves of
// four digits at once, then their pairs, then the single digits (each division by 100 and 10 a multiply and a shift,
// exact in this range).
uint64_t eightDigits(uint32_t value)
{
    const uint64_t halves = (value / 10000) | static_cast<uint64_t>(value % 10000) << 32;
    const uint64_t hundreds = ((halves * 10486) >> 20) & 0x0000007F0000007F;
    const uint64_t pairs = hundreds | (halves - hundreds * 100) << 16;
    const uint64_t tens = ((pairs * 103) >> 10) & 0x000F000F000F000F;
    const uint64_t digits = tens | (pairs - tens * 10) << 8;
    return digits + 0x3030303030303030;
}

// Trailing '0' digits of an eightDigits word.
int trailingZeros(uint64_t word)
{
    const uint64_t nonZero = word ^ 0x3030303030303030;
    return nonZero == 0 ? 8 : std::countl_zero(nonZero) / 8;
}

char* fallback(char* out, double value)
{
    return std::to_chars(out, out + kSignificantTextBytes, value, std::chars_format::general, kDigits).ptr;
}

// floor(mantissa * 2^-shift * 10^power), and that rounded half to even as to_chars rounds; shift below 64. The
// rounding is arithmetic rather than a branch: its direction is as good as random.
struct Scaled {
    uint64_t whole;
    uint64_t rounded;
};

Scaled scale(uint64_t mantissa, int shift, int power)
{
    const Wide product = mantissa * kPowers[static_cast<size_t>(power)];
    const uint64_t whole = static_cast<uint64_t>(product >> shift);
    const uint64_t rest = static_cast<uint64_t>(product) & ((uint64_t{1} << shift) - 1);
    const uint64_t half = uint64_t{1} << (shift - 1);
    const uint64_t up = static_cast<uint64_t>(rest > half) | (static_cast<uint64_t>(rest == half) & whole);
    return {whole, whole + (up & 1)};
}

}  // namespace

char* WriteSignificant(char* out, double value)
{
    const auto bits = std::bit_cast<uint64_t>(value);
    const int biased = static_cast<int>(bits >> 52 & 0x7FF);
    const int exponent = biased - 1075;
    // The decimal exponent: floor(log10 |value|) is this estimate or one more. Both powers, 10^(16 - decimal) and
    // one less, must be in the table, and the value below 2^52 with fewer than 64 bits after the binary point.
    int decimal = ((exponent + 52) * 78913) >> 18;
    if (biased == 0 || exponent >= 0 || exponent < -63 || kDigits - 1 - decimal > kMostPower ||
        kDigits - 1 - decimal < 1)
        return fallback(out, value);  // zero, subnormal, infinite or NaN, or outside about 5e-4 to 4.5e15
    const uint64_t mantissa = (bits & ((uint64_t{1} << 52) - 1)) | uint64_t{1} << 52;
    Scaled scaled = scale(mantissa, -exponent, kDigits - 1 - decimal);
    if (scaled.whole >= 10 * kLowest17) {
        ++decimal;
        scaled = scale(mantissa, -exponent, kDigits - 1 - decimal);
    }
    uint64_t digits = scaled.rounded;
    if (digits == 10 * kLowest17) {
        digits = kLowest17;
        ++decimal;
    }

    // The first digit, then two words of eight, written straight to their places: copying them through a
    // buffer would read back bytes just stored in other widths, which stalls.
    const char first = static_cast<char>('0' + digits / kLowest17);
    const uint64_t rest = digits % kLowest17;
    const uint64_t high = eightDigits(static_cast<uint32_t>(rest / kHundredMillion));
    const uint64_t low = eightDigits(static_cast<uint32_t>(rest % kHundredMillion));
    const int lowZeros = trailingZeros(low);
    const int count = kDigits - (lowZeros < 8 ? lowZeros : 8 + trailingZeros(high));  // significant digits
    const auto putDigits = [&](char* at) {
        at[0] = first;
        std::memcpy(at + 1, &high, sizeof high);
        std::memcpy(at + 9, &low, sizeof low);
    };

    char* p = out;
    if (value < 0)
        *p++ = '-';
    if (decimal < -4) {
        // d.ddd: the first digit, the point over it, the rest
        putDigits(p + 1);
        p[0] = first;
        p[1] = '.';
        p += count > 1 ? count + 1 : 1;
        const int magnitude = -decimal;
        *p++ = 'e';
        *p++ = '-';
        if (magnitude >= 100)
            *p++ = static_cast<char>('0' + magnitude / 100);
        *p++ = static_cast<char>('0' + magnitude / 10 % 10);
        *p++ = static_cast<char>('0' + magnitude % 10);
        return p;
    }
    if (decimal < 0) {
        *p++ = '0';
        *p++ = '.';
        for (int i = decimal + 1; i < 0; ++i)
            *p++ = '0';
        putDigits(p);
        return p + count;
    }
    const int whole = decimal + 1;
    putDigits(p);
    if (count <= whole)
        return p + whole;
    for (int i = count - 1; i >= whole; --i)
        p[i + 1] = p[i];  // bytes within one earlier store: read back without a stall
    p[whole] = '.';
    return p + count + 1;
}
