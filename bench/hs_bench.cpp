// The state from (h, s): StateHS per region on arrays of random states, with their (h, s) from the forward
// equations; the wet states from the mixture rule, below and above 623.15 K; and refusals.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "engine/core/Constants.h"
#include "engine/core/SelectionHS.h"

namespace {

using namespace aquaprop;

struct Given {
    double h;
    double s;
};

constexpr std::size_t kStates = 4096;

// Random (T, p) of one region, T uniform and p log-uniform over its part of the range.
std::vector<Given> SingleStates(Region region, double Tlo, double Thi, double plo, double phi, unsigned seed) {
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> t(Tlo, Thi);
    std::uniform_real_distribution<double> lnp(std::log(plo), std::log(phi));
    std::vector<Given> out;
    while (out.size() < kStates) {
        const double T = t(rng);
        const double p = std::exp(lnp(rng));
        if (RegionPT(p, T) != region) continue;
        out.push_back({PropertyPT<Quantity::kEnthalpy>(p, T), PropertyPT<Quantity::kEntropy>(p, T)});
    }
    return out;
}

std::vector<Given> WetStates(double Tlo, double Thi, unsigned seed) {
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> t(Tlo, Thi);
    std::uniform_real_distribution<double> w(0.0, 1.0);
    std::vector<Given> out;
    while (out.size() < kStates) {
        const double T = t(rng);
        const double x = w(rng);
        out.push_back({SaturatedMixture<Quantity::kEnthalpy>(T, x), SaturatedMixture<Quantity::kEntropy>(T, x)});
    }
    return out;
}

// Random (h, s) over the chart's box that lie outside the range.
std::vector<Given> Refusals() {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> h(-200.0, 7800.0);
    std::uniform_real_distribution<double> s(-1.0, 15.0);
    std::vector<Given> out;
    while (out.size() < kStates) {
        const Given g{h(rng), s(rng)};
        if (std::isnan(StateHS(g.h, g.s).T)) out.push_back(g);
    }
    return out;
}

void Run(benchmark::State& st, const std::vector<Given>& states) {
    std::size_t i = 0;
    for (auto _ : st) {
        const Given& g = states[i++ % states.size()];
        benchmark::DoNotOptimize(StateHS(g.h, g.s));
    }
}

void BM_StateHS_Single(benchmark::State& st, Region region, double Tlo, double Thi, double plo, double phi) {
    Run(st, SingleStates(region, Tlo, Thi, plo, phi, static_cast<unsigned>(region)));
}
BENCHMARK_CAPTURE(BM_StateHS_Single, Region1, Region::k1, kMinK, kRegion13K, kSatMinMPa, kMaxMPa);
BENCHMARK_CAPTURE(BM_StateHS_Single, Region2, Region::k2, kMinK, kRegion25K, 1e-6, kMaxMPa);
BENCHMARK_CAPTURE(BM_StateHS_Single, Region3, Region::k3, kRegion13K, kB23MaxK, kSat13MPa, kMaxMPa);
BENCHMARK_CAPTURE(BM_StateHS_Single, Region5, Region::k5, kRegion25K, kMaxK, 1e-6, kMaxRegion5MPa);

void BM_StateHS_Wet(benchmark::State& st, double Tlo, double Thi) { Run(st, WetStates(Tlo, Thi, 4)); }
BENCHMARK_CAPTURE(BM_StateHS_Wet, Below623K, kMinK, kRegion13K);
BENCHMARK_CAPTURE(BM_StateHS_Wet, Above623K, kRegion13K, kCriticalK);

void BM_StateHS_Refused(benchmark::State& st) { Run(st, Refusals()); }
BENCHMARK(BM_StateHS_Refused);

}  // namespace

BENCHMARK_MAIN();
