// SPDX-License-Identifier: MIT
// Time per state of the aqp_ family: the array forms over 1,000,000 random states of one region per call, and the
// scalar functions one call per state. The counter per_state is the time for one state.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <random>
#include <vector>

#include "engine/aquaprop.h"
#include "engine/core/Constants.h"
#include "engine/core/Selection.h"

namespace {

using namespace aquaprop;

constexpr std::size_t kStates = 1'000'000;
constexpr double kPaPerMPa = 1e6;

struct States {
    std::vector<double> p;  // Pa
    std::vector<double> T;  // K
};

States In(Region region, double plo, double phi, double Tlo, double Thi) {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> T(Tlo, Thi);
    std::uniform_real_distribution<double> p(plo, phi);
    States out;
    while (out.p.size() < kStates) {
        const double t = T(random);
        const double q = p(random);
        if (RegionPT(q, t) != region) continue;
        out.p.push_back(q * kPaPerMPa);
        out.T.push_back(t);
    }
    return out;
}

const States& R1() { static const States in = In(Region::k1, 1e-3, kMaxMPa, kMinK, kRegion13K); return in; }
const States& R2() { static const States in = In(Region::k2, 1e-4, kMaxMPa, kMinK, kRegion25K); return in; }
const States& R3() { static const States in = In(Region::k3, kSat13MPa, kMaxMPa, kRegion13K, kB23MaxK); return in; }
const States& R5() { static const States in = In(Region::k5, 1e-4, kMaxRegion5MPa, kRegion25K, kMaxK); return in; }

void PerState(benchmark::State& state) {
    using benchmark::Counter;
    state.counters["per_state"] = Counter(double(kStates), Counter::kIsIterationInvariantRate | Counter::kInvert);
}

using ArrayForm = size_t (*)(size_t, const double*, const double*, double*);
using Scalar = double (*)(double, double);

void Array(benchmark::State& state, ArrayForm f, const States& in) {
    std::vector<double> out(kStates);
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(kStates, in.p.data(), in.T.data(), out.data()));
        benchmark::ClobberMemory();
    }
    PerState(state);
}

void OneByOne(benchmark::State& state, Scalar f, const States& in) {
    for (auto _ : state) {
        for (std::size_t k = 0; k < kStates; ++k) benchmark::DoNotOptimize(f(in.p[k], in.T[k]));
    }
    PerState(state);
}

#define SI_BENCH(region, name, states)                                                                \
    void region##_##name##_n(benchmark::State& state) { Array(state, aqp_##name##_n, states()); }     \
    BENCHMARK(region##_##name##_n)->Unit(benchmark::kMillisecond);                                    \
    void region##_##name(benchmark::State& state) { OneByOne(state, aqp_##name, states()); }          \
    BENCHMARK(region##_##name)->Unit(benchmark::kMillisecond)

SI_BENCH(Region1, h_pT, R1);
SI_BENCH(Region1, s_pT, R1);
SI_BENCH(Region1, v_pT, R1);
SI_BENCH(Region1, cp_pT, R1);
SI_BENCH(Region2, h_pT, R2);
SI_BENCH(Region3, h_pT, R3);
SI_BENCH(Region5, h_pT, R5);

}  // namespace

BENCHMARK_MAIN();
