// SPDX-License-Identifier: MIT
// Sums of n x^I y^J over a coefficient table (an array of Term, as in engine/core/tables), with their partial
// derivatives, unrolled at compile time: no std::pow, each power a product of shared smaller ones, and the
// additions split into lanes so that they do not form one long dependency chain. The derivative sums divide by x
// and y: callers keep both away from zero (every IF97 use does, but for x = pi of the ideal-gas regions, which is
// why the x-scaled sums are given as well).
#pragma once

#include <cstddef>
#include <iterator>
#include <limits>
#include <utility>

#include "engine/core/Terms.h"

namespace aquaprop {

// How the powers are built: squaring takes x^(2k+1) = x x^2k, halving x^k = x^(k/2) x^(k - k/2). Both are exact
// to round-off but round differently, and so do different numbers of lanes; each equation keeps the chain and
// lanes its results were checked with. The Gibbs regions and the backward equations of regions 1 and 2 square in
// two lanes (the defaults); the backward equations of region 3 halve, in four lanes, or in one for a single
// variable.
enum class Chain { kSquaring, kHalving };

// x^N for a compile-time N >= 0; the powers it builds are common subexpressions across terms.
template <Chain kChain, int N>
inline double IntPow(double x) {
    if constexpr (N == 0) {
        return 1.0;
    } else if constexpr (N == 1) {
        return x;
    } else if constexpr (N % 2 == 0) {
        const double half = IntPow<kChain, N / 2>(x);
        return half * half;
    } else if constexpr (kChain == Chain::kSquaring) {
        return x * IntPow<kChain, N - 1>(x);
    } else {
        return IntPow<kChain, N / 2>(x) * IntPow<kChain, N - N / 2>(x);
    }
}

// x^N for any compile-time N, given x and 1/x.
template <Chain kChain, int N>
inline double SignedPow(double x, double inverse) {
    if constexpr (N >= 0) {
        return IntPow<kChain, N>(x);
    } else {
        return IntPow<kChain, -N>(inverse);
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

// The additions that give K t for K > 0 when K is 2^a or 2^a (2^b + 1): then K t comes out of them rounded as
// K * t is, since every doubling is exact and only the one addition of t rounds. None of that form count as
// too many.
constexpr int AdditionsFor(int K) {
    int additions = 0;
    for (; K % 2 == 0; K /= 2) ++additions;
    if (K == 1) return additions;
    for (K -= 1, ++additions; K % 2 == 0; K /= 2) ++additions;
    return K == 1 ? additions : std::numeric_limits<int>::max();
}

// Additions keep the multipliers free for the powers, up to a few: a longer chain only adds latency.
inline constexpr int kMostAdditions = 3;

// K t, rounded once, as double(K) * t gives it.
template <int K>
inline double Times(double t) {
    static_assert(K != 0);
    if constexpr (K < 0) {
        return -Times<-K>(t);
    } else if constexpr (K == 1) {
        return t;
    } else if constexpr (AdditionsFor(K) > kMostAdditions) {
        return double(K) * t;
    } else if constexpr (K % 2 == 0) {
        const double half = Times<K / 2>(t);
        return half + half;
    } else {
        return Times<K - 1>(t) + t;
    }
}

// Every sum is built from the same term t = n x^I y^J: the derivative sums collect I t, J t, ... and are divided
// by the powers of x and y once at the end, so each term costs a single power product.
template <const auto& kTable, unsigned kParts, Chain kChain, std::size_t k>
inline void AddTerm(PowerSums& s, double x, double xi, double y, double yi) {
    constexpr int I = kTable[k].I;
    constexpr int J = kTable[k].J;
    const double t = kTable[k].n * SignedPow<kChain, I>(x, xi) * SignedPow<kChain, J>(y, yi);
    if constexpr ((kParts & kF) != 0u) s.f += t;
    if constexpr ((kParts & kFx) != 0u && I != 0) s.fx += Times<I>(t);
    if constexpr ((kParts & kFxx) != 0u && I != 0 && I != 1) s.fxx += Times<I * (I - 1)>(t);
    if constexpr ((kParts & kFy) != 0u && J != 0) s.fy += Times<J>(t);
    if constexpr ((kParts & kFyy) != 0u && J != 0 && J != 1) s.fyy += Times<J * (J - 1)>(t);
    if constexpr ((kParts & kFxy) != 0u && I != 0 && J != 0) s.fxy += Times<I * J>(t);
}

// The lanes lo..hi - 1 added pairwise.
template <std::size_t lo, std::size_t hi>
inline PowerSums AddLanes(const PowerSums* lane) {
    if constexpr (hi - lo == 1) {
        return lane[lo];
    } else {
        const PowerSums a = AddLanes<lo, lo + (hi - lo) / 2>(lane);
        const PowerSums b = AddLanes<lo + (hi - lo) / 2, hi>(lane);
        return {a.f + b.f, a.fx + b.fx, a.fxx + b.fxx, a.fy + b.fy, a.fyy + b.fyy, a.fxy + b.fxy};
    }
}

// Term k goes to lane k % kLanes.
template <const auto& kTable, unsigned kParts, Chain kChain, std::size_t kLanes, std::size_t... k>
inline PowerSums SumTerms(double x, double y, std::index_sequence<k...>) {
    PowerSums lane[kLanes];
    const double xi = 1.0 / x;
    const double yi = 1.0 / y;
    (AddTerm<kTable, kParts, kChain, k>(lane[k % kLanes], x, xi, y, yi), ...);
    PowerSums s = AddLanes<0, kLanes>(lane);
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

// The sums over every term of kTable at (x, y).
template <const auto& kTable, unsigned kParts, Chain kChain = Chain::kSquaring, std::size_t kLanes = 2>
inline PowerSums SumPowers(double x, double y) {
    return detail::SumTerms<kTable, kParts, kChain, kLanes>(x, y, std::make_index_sequence<std::size(kTable)>{});
}

// sum n x^I y^J alone, as a plain function: for equations picked at run time from a table of them. A table of
// one variable (J = 0 throughout) is summed at y = 1.
using PowerSumFunction = double (*)(double x, double y);

template <const auto& kTable, Chain kChain = Chain::kSquaring, std::size_t kLanes = 2>
double PowerSum(double x, double y) {
    return SumPowers<kTable, kF, kChain, kLanes>(x, y).f;
}

}  // namespace aquaprop
