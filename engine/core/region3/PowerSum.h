// Sums of the form sum n x^I y^J over a coefficient table, with the powers built by
// multiplication chains once per call instead of std::pow per term.
#pragma once

#include <algorithm>
#include <array>
#include <span>

#include "engine/core/Terms.h"

namespace aquaprop::region3 {

// The exponents a table uses; the power chains always include exponent 0.
struct ExponentRange {
    int iMin = 0;
    int iMax = 0;
    int jMin = 0;
    int jMax = 0;
};

constexpr ExponentRange RangeOf(std::span<const Term> terms) {
    ExponentRange r;
    for (const Term& t : terms) {
        r.iMin = std::min(r.iMin, t.I);
        r.iMax = std::max(r.iMax, t.I);
        r.jMin = std::min(r.jMin, t.J);
        r.jMax = std::max(r.jMax, t.J);
    }
    return r;
}

// Exponents in every region 3 table lie in -12..36.
inline constexpr int kMaxPowerSpan = 49;

// x^k for k in lo..hi (lo <= 0 <= hi), stored at out[k - lo]. Each power is the product of two
// earlier ones of about half the exponent, so the chain of dependent multiplications stays short.
inline void FillPowers(double x, int lo, int hi, double* out) {
    double* zero = out - lo;
    zero[0] = 1.0;
    if (hi >= 1) zero[1] = x;
    for (int k = 2; k <= hi; ++k) zero[k] = zero[k / 2] * zero[k - k / 2];
    if (lo <= -1) zero[-1] = 1.0 / x;
    for (int k = -2; k >= lo; --k) zero[k] = zero[k / 2] * zero[k - k / 2];
}

// sum n x^I y^J, in four interleaved partial sums to keep the additions from waiting on each other.
inline double PowerSum(std::span<const Term> terms, const ExponentRange& r, double x, double y) {
    std::array<double, kMaxPowerSpan> xp;
    std::array<double, kMaxPowerSpan> yp;
    FillPowers(x, r.iMin, r.iMax, xp.data());
    FillPowers(y, r.jMin, r.jMax, yp.data());
    std::array<double, 4> sum{};
    std::size_t k = 0;
    for (const Term& t : terms) sum[k++ & 3] += t.n * xp[t.I - r.iMin] * yp[t.J - r.jMin];
    return (sum[0] + sum[1]) + (sum[2] + sum[3]);
}

// sum n x^I for tables of one variable (J = 0 throughout).
inline double PowerSum(std::span<const Term> terms, const ExponentRange& r, double x) {
    std::array<double, kMaxPowerSpan> xp;
    FillPowers(x, r.iMin, r.iMax, xp.data());
    double sum = 0.0;
    for (const Term& t : terms) sum += t.n * xp[t.I - r.iMin];
    return sum;
}

// A table together with its exponent range, fixed at compile time.
struct PowerTable {
    std::span<const Term> terms;
    ExponentRange range;

    double operator()(double x, double y) const { return PowerSum(terms, range, x, y); }
    double operator()(double x) const { return PowerSum(terms, range, x); }
};

template <std::size_t N>
constexpr PowerTable MakeTable(const std::array<Term, N>& terms) {
    return PowerTable{std::span<const Term>(terms), RangeOf(terms)};
}

}  // namespace aquaprop::region3
