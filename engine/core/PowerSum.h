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

// How two lanes are formed: as the two halves of a vector register, or one term at a time (for a loop that the
// compiler vectorises over states instead). Both round alike.
enum class LaneForm { kPaired, kScalar };

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

// K t, rounded once, as double(K) * t gives it (t a double or a pair of them).
template <int K, typename Value>
inline Value Times(Value t) {
    static_assert(K != 0);
    if constexpr (K < 0) {
        return -Times<-K>(t);
    } else if constexpr (K == 1) {
        return t;
    } else if constexpr (AdditionsFor(K) > kMostAdditions) {
        return double(K) * t;
    } else if constexpr (K % 2 == 0) {
        const Value half = Times<K / 2>(t);
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

// Two lanes as the two halves of a vector register: terms 2p and 2p + 1 are formed together, by the same
// operations in the same order as one at a time, so each half rounds as its lane would, with half the
// multiplications. Where a part's factor is 0 in one half, that half adds +0, by a mask (0 t may be NaN); a lane
// starts at +0 and never holds -0, so adding +0 leaves it as it is. A table of odd length ends in a half pair.
using Pair = double __attribute__((vector_size(16)));
using PairMask = long long __attribute__((vector_size(16)));

template <Chain kChain, int N>
inline Pair PairPow(Pair x) {
    if constexpr (N == 0) {
        return Pair{1.0, 1.0};
    } else if constexpr (N == 1) {
        return x;
    } else if constexpr (N % 2 == 0) {
        const Pair half = PairPow<kChain, N / 2>(x);
        return half * half;
    } else if constexpr (kChain == Chain::kSquaring) {
        return x * PairPow<kChain, N - 1>(x);
    } else {
        return PairPow<kChain, N / 2>(x) * PairPow<kChain, N - N / 2>(x);
    }
}

// {x^A, x^B}, from x and 1/x in both halves.
template <Chain kChain, int A, int B>
inline Pair PairPowers(Pair x, Pair inverse) {
    const Pair a = A >= 0 ? PairPow<kChain, (A >= 0 ? A : -A)>(x) : PairPow<kChain, (A >= 0 ? A : -A)>(inverse);
    if constexpr (A == B) {
        return a;
    } else {
        return Pair{a[0], PairPowers<kChain, B, B>(x, inverse)[1]};
    }
}

// {A ta, B tb}, each rounded as the product.
template <int A, int B>
inline Pair PairTimes(Pair t) {
    if constexpr (A == 0 || B == 0) {
        const Pair scaled = PairTimes<A == 0 ? 1 : A, B == 0 ? 1 : B>(t);
        constexpr PairMask kKept{A == 0 ? 0 : -1, B == 0 ? 0 : -1};
        return reinterpret_cast<Pair>(reinterpret_cast<PairMask>(scaled) & kKept);
    } else if constexpr (A == B) {
        return Times<A>(t);
    } else {
        return t * Pair{double(A), double(B)};
    }
}

struct PairSums {
    Pair f{}, fx{}, fxx{}, fy{}, fyy{}, fxy{};
};

template <const auto& kTable, unsigned kParts, Chain kChain, std::size_t p>
inline void AddPair(PairSums& s, Pair x, Pair xi, Pair y, Pair yi) {
    constexpr std::size_t a = 2 * p;
    constexpr bool kHasB = a + 1 < std::size(kTable);
    constexpr std::size_t b = kHasB ? a + 1 : a;
    constexpr int Ia = kTable[a].I, Ib = kTable[b].I, Ja = kTable[a].J, Jb = kTable[b].J;
    constexpr int Wb = kHasB ? 1 : 0;  // a missing term's half counts in no part
    const Pair n = Pair{kTable[a].n, kHasB ? kTable[b].n : 0.0};
    const Pair nx = Ia == 0 && Ib == 0 ? n : n * PairPowers<kChain, Ia, Ib>(x, xi);
    const Pair t = Ja == 0 && Jb == 0 ? nx : nx * PairPowers<kChain, Ja, Jb>(y, yi);
    if constexpr ((kParts & kF) != 0u) s.f += PairTimes<1, Wb>(t);
    if constexpr ((kParts & kFx) != 0u && (Ia != 0 || Ib * Wb != 0)) s.fx += PairTimes<Ia, Ib * Wb>(t);
    if constexpr ((kParts & kFxx) != 0u && (Ia * (Ia - 1) != 0 || Ib * (Ib - 1) * Wb != 0)) {
        s.fxx += PairTimes<Ia * (Ia - 1), Ib * (Ib - 1) * Wb>(t);
    }
    if constexpr ((kParts & kFy) != 0u && (Ja != 0 || Jb * Wb != 0)) s.fy += PairTimes<Ja, Jb * Wb>(t);
    if constexpr ((kParts & kFyy) != 0u && (Ja * (Ja - 1) != 0 || Jb * (Jb - 1) * Wb != 0)) {
        s.fyy += PairTimes<Ja * (Ja - 1), Jb * (Jb - 1) * Wb>(t);
    }
    if constexpr ((kParts & kFxy) != 0u && (Ia * Ja != 0 || Ib * Jb * Wb != 0)) {
        s.fxy += PairTimes<Ia * Ja, Ib * Jb * Wb>(t);
    }
}

template <const auto& kTable, unsigned kParts, Chain kChain, std::size_t... p>
inline PowerSums SumPairs(double x, double xi, double y, double yi, std::index_sequence<p...>) {
    PairSums s;
    (AddPair<kTable, kParts, kChain, p>(s, Pair{x, x}, Pair{xi, xi}, Pair{y, y}, Pair{yi, yi}), ...);
    return {s.f[0] + s.f[1], s.fx[0] + s.fx[1], s.fxx[0] + s.fxx[1], s.fy[0] + s.fy[1], s.fyy[0] + s.fyy[1],
            s.fxy[0] + s.fxy[1]};
}

// Term k goes to lane k % kLanes.
template <const auto& kTable, unsigned kParts, Chain kChain, std::size_t kLanes, LaneForm kForm, std::size_t... k>
inline PowerSums SumTerms(double x, double y, std::index_sequence<k...>) {
    const double xi = 1.0 / x;
    const double yi = 1.0 / y;
    PowerSums s;
    if constexpr (kLanes == 2 && kForm == LaneForm::kPaired) {
        constexpr std::size_t kPairs = (std::size(kTable) + 1) / 2;
        s = SumPairs<kTable, kParts, kChain>(x, xi, y, yi, std::make_index_sequence<kPairs>{});
    } else {
        PowerSums lane[kLanes];
        (AddTerm<kTable, kParts, kChain, k>(lane[k % kLanes], x, xi, y, yi), ...);
        s = AddLanes<0, kLanes>(lane);
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

// The sums over every term of kTable at (x, y).
template <const auto& kTable, unsigned kParts, Chain kChain = Chain::kSquaring, std::size_t kLanes = 2,
          LaneForm kForm = LaneForm::kPaired>
inline PowerSums SumPowers(double x, double y) {
    return detail::SumTerms<kTable, kParts, kChain, kLanes, kForm>(x, y,
                                                                  std::make_index_sequence<std::size(kTable)>{});
}

// sum n x^I y^J alone, as a plain function: for equations picked at run time from a table of them. A table of
// one variable (J = 0 throughout) is summed at y = 1.
using PowerSumFunction = double (*)(double x, double y);

template <const auto& kTable, Chain kChain = Chain::kSquaring, std::size_t kLanes = 2>
double PowerSum(double x, double y) {
    return SumPowers<kTable, kF, kChain, kLanes>(x, y).f;
}

}  // namespace aquaprop
