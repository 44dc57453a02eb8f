// SPDX-License-Identifier: MIT
// Region 3 core functions on arrays of random states: the cost behind the C interface.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/Region3.h"
#include "engine/core/Region4.h"

namespace {

using namespace aquaprop;

struct State {
    double p;
    double T;
};

// Random (p, T) in region 3: 623.15 K <= T <= T_B23(p), p up to 100 MPa.
const std::vector<State>& Region3States() {
    static const std::vector<State> states = [] {
        std::mt19937_64 rng(97);
        std::uniform_real_distribution<double> pd(kSat13MPa, kMaxMPa);
        std::uniform_real_distribution<double> u(0.0, 1.0);
        std::vector<State> out;
        while (out.size() < 4096) {
            const double p = pd(rng);
            const double T = kRegion13K + u(rng) * (boundary::B23Temperature(p) - kRegion13K);
            out.push_back({p, T});
        }
        return out;
    }();
    return states;
}

// Random saturation temperatures above 623.15 K.
const std::vector<double>& SaturationTemperatures() {
    static const std::vector<double> temps = [] {
        std::mt19937_64 rng(98);
        std::uniform_real_distribution<double> td(kRegion13K, kCriticalK);
        std::vector<double> out(4096);
        for (double& T : out) T = td(rng);
        return out;
    }();
    return temps;
}

// (p, h) of the region 3 states above, with the enthalpy from the forward equation.
const std::vector<State>& Region3Enthalpies() {
    static const std::vector<State> states = [] {
        std::vector<State> out;
        for (const State& s : Region3States()) out.push_back({s.p, region3::PropsPT(s.p, s.T).h});
        return out;
    }();
    return states;
}

void BM_DensityPT(benchmark::State& st) {
    const auto& states = Region3States();
    std::size_t i = 0;
    for (auto _ : st) {
        const State& s = states[i++ & 4095];
        benchmark::DoNotOptimize(region3::DensityPT(s.p, s.T));
    }
}
BENCHMARK(BM_DensityPT);

void BM_EnthalpyPT(benchmark::State& st) {
    const auto& states = Region3States();
    std::size_t i = 0;
    for (auto _ : st) {
        const State& s = states[i++ & 4095];
        benchmark::DoNotOptimize(region3::PropertyRhoT<Quantity::kEnthalpy>(region3::DensityPT(s.p, s.T), s.T));
    }
}
BENCHMARK(BM_EnthalpyPT);

void BM_PropsPT(benchmark::State& st) {
    const auto& states = Region3States();
    std::size_t i = 0;
    for (auto _ : st) {
        const State& s = states[i++ & 4095];
        benchmark::DoNotOptimize(region3::PropsPT(s.p, s.T));
    }
}
BENCHMARK(BM_PropsPT);

void BM_SaturationPropsT(benchmark::State& st) {
    const auto& temps = SaturationTemperatures();
    std::size_t i = 0;
    for (auto _ : st) benchmark::DoNotOptimize(region3::SaturationPropsT(temps[i++ & 4095]));
}
BENCHMARK(BM_SaturationPropsT);

void BM_SaturatedEnthalpies(benchmark::State& st) {
    const auto& temps = SaturationTemperatures();
    std::size_t i = 0;
    for (auto _ : st) {
        const double T = temps[i++ & 4095];
        const Saturated<double> d = region3::SaturationDensitiesT(T);
        benchmark::DoNotOptimize(region3::PropertyRhoT<Quantity::kEnthalpy>(d.liquid, T) +
                                 region3::PropertyRhoT<Quantity::kEnthalpy>(d.vapour, T));
    }
}
BENCHMARK(BM_SaturatedEnthalpies);

// The saturated enthalpies as the saturation line's h' and h'' take them: both from one isotherm.
void BM_SaturationEnthalpyT(benchmark::State& st) {
    const auto& temps = SaturationTemperatures();
    std::size_t i = 0;
    for (auto _ : st) benchmark::DoNotOptimize(region3::SaturationPropertyT<Quantity::kEnthalpy>(temps[i++ & 4095]));
}
BENCHMARK(BM_SaturationEnthalpyT);

void BM_TemperaturePH(benchmark::State& st) {
    const auto& states = Region3Enthalpies();
    std::size_t i = 0;
    for (auto _ : st) {
        const State& s = states[i++ & 4095];
        benchmark::DoNotOptimize(region3::Temperature<Quantity::kEnthalpy>(s.p, s.T));
    }
}
BENCHMARK(BM_TemperaturePH);

void BM_PressureRhoT(benchmark::State& st) {
    const auto& states = Region3States();
    std::size_t i = 0;
    for (auto _ : st) {
        const State& s = states[i++ & 4095];
        benchmark::DoNotOptimize(region3::Pressure(500.0, s.T));
    }
}
BENCHMARK(BM_PressureRhoT);

void BM_PropsRhoT(benchmark::State& st) {
    const auto& states = Region3States();
    std::size_t i = 0;
    for (auto _ : st) {
        const State& s = states[i++ & 4095];
        benchmark::DoNotOptimize(region3::PropsRhoT(500.0, s.T));
    }
}
BENCHMARK(BM_PropsRhoT);

}  // namespace

BENCHMARK_MAIN();
