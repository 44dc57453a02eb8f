// SPDX-License-Identifier: MIT
// Time per call of every STM_ property function through the C interface, on arrays of random valid inputs per
// region, each also as a multiple of a yardstick that runs in the same program: a hand-written region 1
// enthalpy sum. Times move from machine to machine; the multiples much less.
// Inputs are in the engine's default units (degC, MPa, kJ/kg); the core library only picks them.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "engine/aquaprop.h"
#include "engine/core/Constants.h"
#include "engine/core/Region1.h"
#include "engine/core/Region4.h"
#include "engine/core/Selection.h"
#include "engine/core/tables/Region1Table.h"
#include "engine/core/transport/Transport.h"
#include "engine/units/Units.h"

namespace {

using namespace aquaprop;

constexpr std::size_t kInputs = 4096;
using units::kCelsiusZeroK;

struct Inputs {
    std::vector<double> a;
    std::vector<double> b;
};

// Random (T, p) in degC and MPa within one region, as the n functions take them.
Inputs StatesIn(Region region, double plo, double phi, double Tlo, double Thi) {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> T(Tlo, Thi);
    std::uniform_real_distribution<double> p(plo, phi);
    Inputs out;
    while (out.a.size() < kInputs) {
        const double t = T(random);
        const double q = p(random);
        if (RegionPT(q, t) != region) continue;
        out.a.push_back(t - kCelsiusZeroK);
        out.b.push_back(q);
    }
    return out;
}

// The (p, h) or (p, s) pairs of those states.
template <Quantity kGiven>
Inputs Given(const Inputs& states) {
    Inputs out;
    for (std::size_t k = 0; k < kInputs; ++k) {
        out.a.push_back(states.b[k]);
        out.b.push_back(PropertyPT<kGiven>(states.b[k], states.a[k] + kCelsiusZeroK));
    }
    return out;
}

// Saturation temperatures in degC with wetness 0..1.
Inputs Wet(double Tlo, double Thi) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> T(Tlo, Thi);
    std::uniform_real_distribution<double> w(0.0, 1.0);
    Inputs out;
    for (std::size_t k = 0; k < kInputs; ++k) {
        out.a.push_back(T(random) - kCelsiusZeroK);
        out.b.push_back(w(random));
    }
    return out;
}

// Saturation pressures with an enthalpy (or entropy) inside the dome.
Inputs WetPx(double Tlo, double Thi, double (*mixture)(double, double)) {
    const Inputs wet = Wet(Tlo, Thi);
    Inputs out;
    for (std::size_t k = 0; k < kInputs; ++k) {
        out.a.push_back(STM_sPt(wet.a[k]));
        out.b.push_back(mixture(wet.a[k], wet.b[k]));
    }
    return out;
}

// The (h, s) pairs of states in degC and MPa.
Inputs EnthalpyEntropy(const Inputs& states) {
    Inputs out;
    for (std::size_t k = 0; k < kInputs; ++k) {
        out.a.push_back(STM_nHtp(states.a[k], states.b[k]));
        out.b.push_back(STM_nStp(states.a[k], states.b[k]));
    }
    return out;
}

// The (h, s) pairs of wet states.
Inputs WetHs(double Tlo, double Thi) {
    const Inputs wet = Wet(Tlo, Thi);
    Inputs out;
    for (std::size_t k = 0; k < kInputs; ++k) {
        out.a.push_back(STM_sHtx(wet.a[k], wet.b[k]));
        out.b.push_back(STM_sStx(wet.a[k], wet.b[k]));
    }
    return out;
}

// (h, s) over a Mollier chart's box that no state has: what a cursor outside the range asks.
Inputs RefusedHs() {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> h(-200.0, 7800.0);
    std::uniform_real_distribution<double> s(-1.0, 15.0);
    Inputs out;
    while (out.a.size() < kInputs) {
        const double x = h(random);
        const double y = s(random);
        if (STM_nThs(x, y) != STM_ERROR_VALUE) continue;
        out.a.push_back(x);
        out.b.push_back(y);
    }
    return out;
}

template <double (*F)(double, double)>
void Run(benchmark::State& state, const Inputs& in) {
    std::size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(F(in.a[k], in.b[k]));
        k = (k + 1) % kInputs;
    }
}

template <int16_t (*F)(double, double)>
void RunPredicate(benchmark::State& state, const Inputs& in) {
    std::size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(F(in.a[k], in.b[k]));
        k = (k + 1) % kInputs;
    }
}

template <double (*F)(double)>
void Run1(benchmark::State& state, const Inputs& in) {
    std::size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(F(in.a[k]));
        k = (k + 1) % kInputs;
    }
}

const Inputs& R1() { static const Inputs in = StatesIn(Region::k1, 1e-3, kMaxMPa, kMinK, kRegion13K); return in; }
const Inputs& R2() { static const Inputs in = StatesIn(Region::k2, 1e-4, kMaxMPa, kMinK, kRegion25K); return in; }
const Inputs& R3() { static const Inputs in = StatesIn(Region::k3, kSat13MPa, kMaxMPa, kRegion13K, kB23MaxK); return in; }
const Inputs& R5() { static const Inputs in = StatesIn(Region::k5, 1e-4, kMaxRegion5MPa, kRegion25K, kMaxK); return in; }
const Inputs& R1ph() { static const Inputs in = Given<Quantity::kEnthalpy>(R1()); return in; }
const Inputs& R2ph() { static const Inputs in = Given<Quantity::kEnthalpy>(R2()); return in; }
const Inputs& R3ph() { static const Inputs in = Given<Quantity::kEnthalpy>(R3()); return in; }
const Inputs& R5ph() { static const Inputs in = Given<Quantity::kEnthalpy>(R5()); return in; }
const Inputs& R1ps() { static const Inputs in = Given<Quantity::kEntropy>(R1()); return in; }
const Inputs& R2ps() { static const Inputs in = Given<Quantity::kEntropy>(R2()); return in; }
const Inputs& R3ps() { static const Inputs in = Given<Quantity::kEntropy>(R3()); return in; }
const Inputs& R5ps() { static const Inputs in = Given<Quantity::kEntropy>(R5()); return in; }
const Inputs& WetLow() { static const Inputs in = Wet(kMinK, kRegion13K); return in; }
const Inputs& WetHigh() { static const Inputs in = Wet(kRegion13K, kCriticalK - 0.01); return in; }
const Inputs& R1hs() { static const Inputs in = EnthalpyEntropy(R1()); return in; }
const Inputs& R2hs() { static const Inputs in = EnthalpyEntropy(R2()); return in; }
const Inputs& R3hs() { static const Inputs in = EnthalpyEntropy(R3()); return in; }
const Inputs& R5hs() { static const Inputs in = EnthalpyEntropy(R5()); return in; }
const Inputs& WetHsLow() { static const Inputs in = WetHs(kMinK, kRegion13K); return in; }
const Inputs& WetHsHigh() { static const Inputs in = WetHs(kRegion13K, kCriticalK - 0.01); return in; }
const Inputs& Refused() { static const Inputs in = RefusedHs(); return in; }
const Inputs& WetPhLow() { static const Inputs in = WetPx(kMinK, kRegion13K, STM_sHtx); return in; }
const Inputs& WetPhHigh() { static const Inputs in = WetPx(kRegion13K, kCriticalK - 0.01, STM_sHtx); return in; }
const Inputs& WetPsLow() { static const Inputs in = WetPx(kMinK, kRegion13K, STM_sStx); return in; }
const Inputs& WetPsHigh() { static const Inputs in = WetPx(kRegion13K, kCriticalK - 0.01, STM_sStx); return in; }

// Saturation pressures (MPa) and temperatures (degC) over the whole line.
const Inputs& SatP() {
    static const Inputs in = [] {
        Inputs out;
        std::mt19937_64 random(3);
        std::uniform_real_distribution<double> T(kMinK, kCriticalK);
        for (std::size_t k = 0; k < kInputs; ++k) out.a.push_back(region4::SaturationPressure(T(random)));
        return out;
    }();
    return in;
}
const Inputs& SatT() { static const Inputs in = Wet(kMinK, kCriticalK); return in; }

// The yardstick: region 1 h = R T tau gamma_tau in K and MPa, written out by hand as one would without the
// engine: every power a product of smaller ones, no region decision, no units, no checks. The terms with J = 0
// vanish from gamma_tau.
double YardstickEnthalpy(double T, double p) {
    constexpr auto c = [](int k) { return tables::kRegion1[k - 1].n * tables::kRegion1[k - 1].J; };
    const double tau = 1386.0 / T;
    const double x = 7.1 - p / 16.53;
    const double y = tau - 1.222;
    const double r = 1.0 / y;
    const double x2 = x * x, x3 = x2 * x, x4 = x2 * x2, x5 = x4 * x, x8 = x4 * x4, x16 = x8 * x8;
    const double x21 = x16 * x5, x23 = x21 * x2, x29 = x21 * x8, x30 = x29 * x, x31 = x30 * x, x32 = x16 * x16;
    const double y2 = y * y, y3 = y2 * y, y4 = y2 * y2, y5 = y4 * y, y8 = y4 * y4, y9 = y8 * y, y16 = y8 * y8;
    const double r2 = r * r, r3 = r2 * r, r4 = r2 * r2, r5 = r4 * r, r6 = r3 * r3, r7 = r6 * r, r8 = r4 * r4;
    const double r9 = r8 * r, r10 = r8 * r2, r12 = r8 * r4, r16 = r8 * r8, r30 = r16 * r12 * r2, r32 = r16 * r16;
    const double r39 = r32 * r7, r40 = r32 * r8, r41 = r40 * r, r42 = r40 * r2;
    const double gt = c(1) * r3 + c(2) * r2 + c(4) + c(5) * y + c(6) * y2 + c(7) * y3 + c(8) * y4 +
                      x * (c(9) * r10 + c(10) * r8 + c(11) * r2 + c(13) + c(14) * y2) +
                      x2 * (c(15) * r4 + c(17) + c(18) * y2 + c(19) * y16) + x3 * (c(20) * r5 + c(22) * y5) +
                      x4 * (c(23) * r6 + c(24) * r3 + c(25) * y9) + x5 * c(26) * r9 +
                      x8 * (c(27) * r12 + c(28) * r7) + x21 * c(29) * r30 + x23 * c(30) * r32 +
                      x29 * c(31) * r39 + x30 * c(32) * r40 + x31 * c(33) * r41 + x32 * c(34) * r42;
    return kGasConstant * T * tau * gt;
}

// The region 1 states in K, for the yardstick; it must give the engine's enthalpy there, or it measures
// something else.
const Inputs& R1Kelvin() {
    static const Inputs in = [] {
        Inputs out;
        for (std::size_t k = 0; k < kInputs; ++k) {
            const double T = R1().a[k] + kCelsiusZeroK;
            const double p = R1().b[k];
            const double h = region1::Property<Quantity::kEnthalpy>(p, T);
            if (std::fabs(YardstickEnthalpy(T, p) - h) > 1e-12 * std::fabs(h) + 1e-12) {
                std::fprintf(stderr, "yardstick differs from region 1 at %.17g K, %.17g MPa\n", T, p);
                std::abort();
            }
            out.a.push_back(T);
            out.b.push_back(p);
        }
        return out;
    }();
    return in;
}

void Yardstick(benchmark::State& state) {
    const Inputs& in = R1Kelvin();
    std::size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(YardstickEnthalpy(in.a[k], in.b[k]));
        k = (k + 1) % kInputs;
    }
}
BENCHMARK(Yardstick);

#define AQUAPROP_BENCH(name, F, inputs) \
    void name(benchmark::State& state) { Run<F>(state, inputs()); } \
    BENCHMARK(name)

AQUAPROP_BENCH(Region1_nHtp, STM_nHtp, R1);
AQUAPROP_BENCH(Region1_nStp, STM_nStp, R1);
AQUAPROP_BENCH(Region1_nDtp, STM_nDtp, R1);
AQUAPROP_BENCH(Region1_nTph, STM_nTph, R1ph);
AQUAPROP_BENCH(Region2_nHtp, STM_nHtp, R2);
AQUAPROP_BENCH(Region2_nStp, STM_nStp, R2);
AQUAPROP_BENCH(Region2_nDtp, STM_nDtp, R2);
AQUAPROP_BENCH(Region2_nTph, STM_nTph, R2ph);
AQUAPROP_BENCH(Region3_nHtp, STM_nHtp, R3);
AQUAPROP_BENCH(Region3_nStp, STM_nStp, R3);
AQUAPROP_BENCH(Region3_nDtp, STM_nDtp, R3);
AQUAPROP_BENCH(Region3_nTph, STM_nTph, R3ph);
AQUAPROP_BENCH(Region5_nHtp, STM_nHtp, R5);
AQUAPROP_BENCH(Region5_nStp, STM_nStp, R5);
AQUAPROP_BENCH(Region5_nDtp, STM_nDtp, R5);
AQUAPROP_BENCH(Region5_nTph, STM_nTph, R5ph);
AQUAPROP_BENCH(Region1_nCPtp, STM_nCPtp, R1);
AQUAPROP_BENCH(Region1_nCVtp, STM_nCVtp, R1);
AQUAPROP_BENCH(Region1_nWtp, STM_nWtp, R1);
AQUAPROP_BENCH(Region1_nTps, STM_nTps, R1ps);
AQUAPROP_BENCH(Region2_nCPtp, STM_nCPtp, R2);
AQUAPROP_BENCH(Region2_nCVtp, STM_nCVtp, R2);
AQUAPROP_BENCH(Region2_nWtp, STM_nWtp, R2);
AQUAPROP_BENCH(Region2_nTps, STM_nTps, R2ps);
AQUAPROP_BENCH(Region3_nCPtp, STM_nCPtp, R3);
AQUAPROP_BENCH(Region3_nCVtp, STM_nCVtp, R3);
AQUAPROP_BENCH(Region3_nWtp, STM_nWtp, R3);
AQUAPROP_BENCH(Region3_nTps, STM_nTps, R3ps);
AQUAPROP_BENCH(Region5_nCPtp, STM_nCPtp, R5);
AQUAPROP_BENCH(Region5_nCVtp, STM_nCVtp, R5);
AQUAPROP_BENCH(Region5_nWtp, STM_nWtp, R5);
AQUAPROP_BENCH(Region5_nTps, STM_nTps, R5ps);
AQUAPROP_BENCH(Region1_nThs, STM_nThs, R1hs);
AQUAPROP_BENCH(Region2_nThs, STM_nThs, R2hs);
AQUAPROP_BENCH(Region3_nThs, STM_nThs, R3hs);
AQUAPROP_BENCH(Region5_nThs, STM_nThs, R5hs);
AQUAPROP_BENCH(Region1_nPhs, STM_nPhs, R1hs);
AQUAPROP_BENCH(SatBelow623K_sXhs, STM_sXhs, WetHsLow);
AQUAPROP_BENCH(SatAbove623K_sXhs, STM_sXhs, WetHsHigh);
AQUAPROP_BENCH(Refused_nThs, STM_nThs, Refused);
AQUAPROP_BENCH(SatBelow623K_sHtx, STM_sHtx, WetLow);
AQUAPROP_BENCH(SatBelow623K_sStx, STM_sStx, WetLow);
AQUAPROP_BENCH(SatBelow623K_sDtx, STM_sDtx, WetLow);
AQUAPROP_BENCH(SatBelow623K_sXph, STM_sXph, WetPhLow);
AQUAPROP_BENCH(SatAbove623K_sHtx, STM_sHtx, WetHigh);
AQUAPROP_BENCH(SatAbove623K_sStx, STM_sStx, WetHigh);
AQUAPROP_BENCH(SatAbove623K_sDtx, STM_sDtx, WetHigh);
AQUAPROP_BENCH(SatAbove623K_sXph, STM_sXph, WetPhHigh);

AQUAPROP_BENCH(SatBelow623K_sXps, STM_sXps, WetPsLow);
AQUAPROP_BENCH(SatBelow623K_sHps, STM_sHps, WetPsLow);
AQUAPROP_BENCH(SatAbove623K_sXps, STM_sXps, WetPsHigh);
AQUAPROP_BENCH(SatAbove623K_sHps, STM_sHps, WetPsHigh);

void SatBelow623K_IsSat_ps(benchmark::State& state) { RunPredicate<STM_IsSat_ps>(state, WetPsLow()); }
BENCHMARK(SatBelow623K_IsSat_ps);
void SatAbove623K_IsSat_ps(benchmark::State& state) { RunPredicate<STM_IsSat_ps>(state, WetPsHigh()); }
BENCHMARK(SatAbove623K_IsSat_ps);
void SatBelow623K_sRt(benchmark::State& state) { Run1<STM_sRt>(state, WetLow()); }
BENCHMARK(SatBelow623K_sRt);
void SatAbove623K_sRt(benchmark::State& state) { Run1<STM_sRt>(state, WetHigh()); }
BENCHMARK(SatAbove623K_sRt);

void Sat_sTp(benchmark::State& state) { Run1<STM_sTp>(state, SatP()); }
BENCHMARK(Sat_sTp);
void Sat_sPt(benchmark::State& state) { Run1<STM_sPt>(state, SatT()); }
BENCHMARK(Sat_sPt);

// Internal energy, transport properties and the numbers built from them; the transport functions end at 1173.15 K,
// so region 5 is drawn up to there for them.
const Inputs& R5Transport() {
    static const Inputs in = StatesIn(Region::k5, 1e-4, kMaxRegion5MPa, kRegion25K, transport::kTransportMaxK);
    return in;
}

// Saturation temperatures in degC, each with the liquid (w = 1) or the vapour (w = 0).
const Inputs& SatPhases() {
    static const Inputs in = [] {
        Inputs out = Wet(kMinK, kCriticalK - 0.01);
        for (std::size_t k = 0; k < kInputs; ++k) out.b[k] = double(k % 2);
        return out;
    }();
    return in;
}

AQUAPROP_BENCH(Region1_nMUtp, STM_nMUtp, R1);
AQUAPROP_BENCH(Region1_nLAMtp, STM_nLAMtp, R1);
AQUAPROP_BENCH(Region1_nNUtp, STM_nNUtp, R1);
AQUAPROP_BENCH(Region1_nPRtp, STM_nPRtp, R1);
AQUAPROP_BENCH(Region1_nUtp, STM_nUtp, R1);
AQUAPROP_BENCH(Region1_nKAPtp, STM_nKAPtp, R1);
AQUAPROP_BENCH(Region2_nMUtp, STM_nMUtp, R2);
AQUAPROP_BENCH(Region2_nLAMtp, STM_nLAMtp, R2);
AQUAPROP_BENCH(Region2_nNUtp, STM_nNUtp, R2);
AQUAPROP_BENCH(Region2_nPRtp, STM_nPRtp, R2);
AQUAPROP_BENCH(Region2_nUtp, STM_nUtp, R2);
AQUAPROP_BENCH(Region2_nKAPtp, STM_nKAPtp, R2);
AQUAPROP_BENCH(Region3_nMUtp, STM_nMUtp, R3);
AQUAPROP_BENCH(Region3_nLAMtp, STM_nLAMtp, R3);
AQUAPROP_BENCH(Region3_nNUtp, STM_nNUtp, R3);
AQUAPROP_BENCH(Region3_nPRtp, STM_nPRtp, R3);
AQUAPROP_BENCH(Region3_nUtp, STM_nUtp, R3);
AQUAPROP_BENCH(Region3_nKAPtp, STM_nKAPtp, R3);
AQUAPROP_BENCH(Region5_nMUtp, STM_nMUtp, R5Transport);
AQUAPROP_BENCH(Region5_nLAMtp, STM_nLAMtp, R5Transport);
AQUAPROP_BENCH(Region5_nUtp, STM_nUtp, R5);
AQUAPROP_BENCH(Region5_nKAPtp, STM_nKAPtp, R5);
AQUAPROP_BENCH(Sat_sUtx, STM_sUtx, SatT);
AQUAPROP_BENCH(Sat_sMUtx, STM_sMUtx, SatPhases);
AQUAPROP_BENCH(Sat_sLAMtx, STM_sLAMtx, SatPhases);
void Sat_sSIGt(benchmark::State& state) { Run1<STM_sSIGt>(state, SatT()); }
BENCHMARK(Sat_sSIGt);

// The console table, followed by every CPU time as a multiple of the yardstick's: per repetition, or per
// aggregate (mean, median) when repetitions are run. Runs are collected until the end, since with interleaved
// repetitions the yardstick may finish last.
class YardstickReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "mean" && run.aggregate_name != "median") {
                continue;
            }
            held_.push_back(run);
        }
    }

    void Finalize() override {
        std::map<std::string, double> yardstick;
        for (const Run& run : held_) {
            if (run.run_name.function_name == "Yardstick") yardstick[Key(run)] = run.GetAdjustedCPUTime();
        }
        std::ostream& out = GetOutputStream();
        out << "\nCPU time as a multiple of the yardstick (hand-written region 1 enthalpy sum)\n";
        char line[160];
        for (const Run& run : held_) {
            const auto found = yardstick.find(Key(run));
            if (found == yardstick.end() || !(found->second > 0.0)) continue;
            std::snprintf(line, sizeof line, "%-36s %10.1f ns %8.2f x\n", run.benchmark_name().c_str(),
                          run.GetAdjustedCPUTime(), run.GetAdjustedCPUTime() / found->second);
            out << line;
        }
        ConsoleReporter::Finalize();
    }

private:
    static std::string Key(const Run& run) {
        return run.run_type == Run::RT_Aggregate ? run.aggregate_name : std::to_string(run.repetition_index);
    }

    std::vector<Run> held_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    YardstickReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
