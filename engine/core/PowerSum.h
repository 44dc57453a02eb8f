// Sums of n x^I y^J over a coefficient table, with their partial derivatives, unrolled at compile time.
// Every power is a product of shared repeated squares, so no std::pow and no loop-carried chain.
// The derivative sums divide by x and y: callers keep both away from zero (every IF97 use does, but for
// x = pi of the ideal-gas regions, which is why the x-scaled sums are given as well).
#pragma once

#include <cstddef>
#include <utility>

#include "engine/core/Terms.h"

namespace aquaprop {

// x^N for a compile-time N >= 0; the squares it builds are common subexpressions across terms.
template <int N>
inline double IntPow(double x) {
    if constexpr (N == 0) {
        return 1.0;
    } else if constexpr (N == 1) {
        return x;
    } else if constexpr (N % 2 == 0) {
        const double half = IntPow<N / 2>(x);
        return half * half;
    } else {
        return x * IntPow<N - 1>(x);
    }
}

// x^N for any compile-time N, given x and 1/x.
template <int N>
inline double SignedPow(double x, double inverse) {
    if constexpr (N >= 0) {
        return IntPow<N>(x);
    } else {
        return IntPow<-N>(inverse);
    }
}

// Which sums to form: f = sum n x^I y^J and its partials in x and y.
enum SumPart : unsigned {
    kF = 1u,
    kFx = 2u,
    kFxx = 4u,
    kFy = 8u,
    kFyy = 16u,
    kFxy = 32u,
    kAllParts = 63u,
};

struct PowerSums {
    double f = 0.0;
    double fx = 0.0;
    double fxx = 0.0;
    double fy = 0.0;
    double fyy = 0.0;
    double fxy = 0.0;
    // x fx, x^2 fxx and x fxy: formed before the division by x, so they stay finite where x is so small that
    // 1/x^2 overflows.
    double xfx = 0.0;
    double xxfxx = 0.0;
    double xfxy = 0.0;
};

namespace detail {

// Every sum is built from the same term t = n x^I y^J: the derivative sums collect I t, J t, ... and are divided
// by the powers of x and y once at the end, so each term costs a single power product.
template <const auto& kTable, unsigned kParts, std::size_t k>
inline void AddTerm(PowerSums& s, double x, double xi, double y, double yi) {
    constexpr int I = kTable[k].I;
    constexpr int J = kTable[k].J;
    const double t = kTable[k].n * SignedPow<I>(x, xi) * SignedPow<J>(y, yi);
    if constexpr ((kParts & kF) != 0u) s.f += t;
    if constexpr ((kParts & kFx) != 0u && I != 0) s.fx += double(I) * t;
    if constexpr ((kParts & kFxx) != 0u && I != 0 && I != 1) s.fxx += double(I * (I - 1)) * t;
    if constexpr ((kParts & kFy) != 0u && J != 0) s.fy += double(J) * t;
    if constexpr ((kParts & kFyy) != 0u && J != 0 && J != 1) s.fyy += double(J * (J - 1)) * t;
    if constexpr ((kParts & kFxy) != 0u && I != 0 && J != 0) s.fxy += double(I * J) * t;
}

// Terms alternate between two partial sums, so the additions do not form one long dependency chain.
inline constexpr std::size_t kLanes = 2;

template <const auto& kTable, unsigned kParts, std::size_t... k>
inline PowerSums SumTerms(double x, double y, std::index_sequence<k...>) {
    PowerSums lane[kLanes];
    const double xi = 1.0 / x;
    const double yi = 1.0 / y;
    (AddTerm<kTable, kParts, k>(lane[k % kLanes], x, xi, y, yi), ...);
    PowerSums s;
    for (const PowerSums& l : lane) {
        s.f += l.f;
        s.fx += l.fx;
        s.fxx += l.fxx;
        s.fy += l.fy;
        s.fyy += l.fyy;
        s.fxy += l.fxy;
    }
    s.xfx = s.fx;
    s.xxfxx = s.fxx;
    s.xfxy = s.fxy * yi;
    s.fx *= xi;
    s.fxx *= xi * xi;
    s.fy *= yi;
    s.fyy *= yi * yi;
    s.fxy *= xi * yi;
    return s;
}

}  // namespace detail

// The sums over every term of kTable (an array of Term) at (x, y).
template <const auto& kTable, unsigned kParts>
inline PowerSums SumPowers(double x, double y) {
    constexpr std::size_t kSize = sizeof(kTable) / sizeof(kTable[0]);
    return detail::SumTerms<kTable, kParts>(x, y, std::make_index_sequence<kSize>{});
}

}  // namespace aquaprop
