// Viscosity alone, and viscosity with thermal conductivity, at (p, T) in the core, on arrays of random states per
// region within the transport range (regions 1, 2 and 3; region 5 up to 1173.15 K).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <random>
#include <vector>

#include "engine/core/Constants.h"
#include "engine/core/Selection.h"
#include "engine/core/transport/Transport.h"

namespace {

using namespace aquaprop;

constexpr std::size_t kStates = 4096;

struct State {
    double p;  // MPa
    double T;  // K
};

// Random states of one region, T uniform in [Tlo, Thi] and log p uniform in [plo, phi].
std::vector<State> StatesIn(Region region, double Tlo, double Thi, double plo, double phi) {
    std::mt19937_64 random(13);
    std::uniform_real_distribution<double> T(Tlo, Thi);
    std::uniform_real_distribution<double> logP(std::log(plo), std::log(phi));
    std::vector<State> out;
    while (out.size() < kStates) {
        const State s{std::exp(logP(random)), T(random)};
        if (RegionPT(s.p, s.T) == region) out.push_back(s);
    }
    return out;
}

const std::vector<State>& Region1() {
    static const auto states = StatesIn(Region::k1, kMinK, kRegion13K, 1e-3, kMaxMPa);
    return states;
}
const std::vector<State>& Region2() {
    static const auto states = StatesIn(Region::k2, kMinK, kRegion25K, 1e-4, kMaxMPa);
    return states;
}
const std::vector<State>& Region3() {
    static const auto states = StatesIn(Region::k3, kRegion13K, kB23MaxK, kSat13MPa, kMaxMPa);
    return states;
}
const std::vector<State>& Region5() {
    static const auto states = StatesIn(Region::k5, kRegion25K, transport::kTransportMaxK, 1e-4, kMaxRegion5MPa);
    return states;
}

double Viscosity(const State& s) { return transport::ViscosityPT(s.p, s.T); }
// lambda needs mu as well: this is the cost of both.
double Conductivity(const State& s) { return transport::TransportPT(s.p, s.T).lambda; }

template <double (*F)(const State&), const std::vector<State>& (*kStatesOf)()>
void Run(benchmark::State& bench) {
    const std::vector<State>& states = kStatesOf();
    std::size_t k = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(F(states[k]));
        k = (k + 1) % kStates;
    }
}

BENCHMARK(Run<Viscosity, Region1>)->Name("Region1_Viscosity");
BENCHMARK(Run<Viscosity, Region2>)->Name("Region2_Viscosity");
BENCHMARK(Run<Viscosity, Region3>)->Name("Region3_Viscosity");
BENCHMARK(Run<Viscosity, Region5>)->Name("Region5_Viscosity");
BENCHMARK(Run<Conductivity, Region1>)->Name("Region1_Conductivity");
BENCHMARK(Run<Conductivity, Region2>)->Name("Region2_Conductivity");
BENCHMARK(Run<Conductivity, Region3>)->Name("Region3_Conductivity");
BENCHMARK(Run<Conductivity, Region5>)->Name("Region5_Conductivity");

}  // namespace

BENCHMARK_MAIN();
