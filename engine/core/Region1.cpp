// SPDX-License-Identifier: MIT
#include "engine/core/Region1.h"

#include "engine/core/Gibbs.h"
#include "engine/core/tables/Region1Table.h"

namespace aquaprop::region1 {

namespace {

using namespace gibbs;

// gamma = sum n (a - pi)^I (tau - b)^J with pi = p / 16.53 MPa, tau = 1386 K / T.
constexpr double kRefMPa = 16.53;
constexpr double kRefK = 1386.0;
constexpr double kPiShift = 7.1;
constexpr double kTauShift = 1.222;

template <LaneForm kForm>
struct Model {
    static Point Reduce(double p, double T) { return {T, p / kRefMPa, kRefK / T, kRefMPa}; }

    template <unsigned kParts>
    static Derivatives Evaluate(const Point& x) {
        const PowerSums s =
            SumPowers<tables::kRegion1, kParts, Chain::kSquaring, 2, kForm>(kPiShift - x.pi, x.tau - kTauShift);
        // d/dpi of (a - pi) is -1.
        return {s.f, -s.fx, s.fy, s.fyy, -x.pi * s.fx, x.pi * x.pi * s.fxx, -x.pi * s.fxy};
    }
};
using Functions = RegionFunctions<Model<LaneForm::kPaired>>;
// The array loop sums one term at a time and leaves the vector registers to the states.
using LoopFunctions = RegionFunctions<Model<LaneForm::kScalar>>;

}  // namespace

template <Quantity q>
double Property(double p, double T) {
    return Functions::Property<q>(p, T);
}

// The array loop, once for the baseline instruction set and once for AVX2 where the processor has it. No FMA in
// either, so that each lane rounds as the scalar code does.
template <Quantity q>
[[gnu::flatten]] void Loop(std::size_t n, const double* p, const double* T, double* out) {
#pragma omp simd
    for (std::size_t k = 0; k < n; ++k) out[k] = LoopFunctions::Property<q>(p[k], T[k]);
}

#if defined(__x86_64__)
template <Quantity q>
[[gnu::flatten, gnu::target("avx2")]] void LoopAvx2(std::size_t n, const double* p, const double* T, double* out) {
#pragma omp simd
    for (std::size_t k = 0; k < n; ++k) out[k] = LoopFunctions::Property<q>(p[k], T[k]);
}
#endif

template <Quantity q>
void Properties(std::size_t n, const double* p, const double* T, double* out) {
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) return LoopAvx2<q>(n, p, T, out);
#endif
    Loop<q>(n, p, T, out);
}

template <Quantity q>
ValueAndSlope PropertyAndSlope(double p, double T) {
    return Functions::PropertyAndSlope<q>(p, T);
}

EnthalpyEntropySlopes EnthalpyEntropyAndSlopes(double p, double T) {
    return Functions::EnthalpyEntropyAndSlopes(p, T);
}

Props State(double p, double T) { return Functions::State(p, T); }

template double Property<Quantity::kVolume>(double p, double T);
template double Property<Quantity::kEnthalpy>(double p, double T);
template double Property<Quantity::kEntropy>(double p, double T);
template void Properties<Quantity::kVolume>(std::size_t n, const double* p, const double* T, double* out);
template void Properties<Quantity::kEnthalpy>(std::size_t n, const double* p, const double* T, double* out);
template void Properties<Quantity::kEntropy>(std::size_t n, const double* p, const double* T, double* out);
template ValueAndSlope PropertyAndSlope<Quantity::kEnthalpy>(double p, double T);
template ValueAndSlope PropertyAndSlope<Quantity::kEntropy>(double p, double T);

}  // namespace aquaprop::region1
