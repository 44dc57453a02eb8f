// SPDX-License-Identifier: MIT
// Batch throughput: states per second for 100,000 rows of mixed cases, main window and constant-enthalpy; and
// the floor under it, the same rows' engine calls made in a plain loop.
#include "cli/Batch.h"
#include "engine/aquaprop.h"
#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"

#include <QBuffer>
#include <QTemporaryFile>

#include <benchmark/benchmark.h>

#include <tuple>
#include <type_traits>
#include <vector>

namespace {

constexpr int kRows = 100000;

// Every case and phase of the main window, a few states out of range and a few that select nothing.
QByteArray mainRows()
{
    QByteArray csv = "pressure,temperature,enthalpy,dryness\n";
    for (int i = 0; i < kRows; ++i) {
        const double f = (i % 997) / 997.0;
        const double p = 0.01 + 20.0 * f;
        switch (i % 10) {
        case 0: csv += QByteArray::number(p) + ",,,\n"; break;
        case 1: csv += "," + QByteArray::number(10 + 350 * f) + ",,\n"; break;
        case 2: csv += QByteArray::number(p) + "," + QByteArray::number(5 + 100 * f) + ",,\n"; break;
        case 3: csv += QByteArray::number(p) + "," + QByteArray::number(400 + 400 * f) + ",,\n"; break;
        case 4: csv += QByteArray::number(p) + ",,1500,\n"; break;
        case 5: csv += QByteArray::number(p) + ",," + QByteArray::number(200 + 3200 * f) + ",\n"; break;
        case 6: csv += QByteArray::number(p) + ",,," + QByteArray::number(f) + "\n"; break;
        case 7: csv += "\"" + QByteArray::number(p) + "\",\"" + QByteArray::number(300 + 50 * f) + "\",,\n"; break;
        case 8: csv += (i % 20 == 8 ? "150,500,,\n" : ",,2000,\n"); break;
        default: csv += QByteArray::number(p) + ",,,1.5\n"; break;
        }
    }
    return csv;
}

QByteArray heatRows()
{
    QByteArray csv = "reference_pressure,reference_temperature,set_pressure\n";
    for (int i = 0; i < kRows; ++i) {
        const double f = (i % 991) / 991.0;
        csv += QByteArray::number(1 + 19 * f) + "," + QByteArray::number(100 + 500 * f) + ","
               + QByteArray::number(0.05 + 0.9 * f) + "\n";
    }
    return csv;
}

void setUpUnits()
{
    FillUnitLabels();
    ReplaceInvalidUnits();
    HandUnitsToEngine();
}

// One batch run of the rows into a temporary file: true if every row was read and written.
bool batchOnce(const QByteArray& csv, PropertyEngine& engine)
{
    QBuffer input;
    input.setData(csv);
    input.open(QIODevice::ReadOnly);
    QTemporaryFile file;
    if (!file.open())
        return false;
    OutputSink output(file.handle(), file.fileName());
    return RunBatch(input, output, engine).rows == kRows && output.Finish();
}

void runBatch(benchmark::State& state, const QByteArray& csv)
{
    setUpUnits();
    for (auto _ : state) {
        if (!batchOnce(csv, Engine())) {
            state.SkipWithError("not every row was read and written");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

// One engine call with its arguments, to be made again.
struct EngineCall {
    double (*function)(double, double);
    double a;
    double b;
};

template <auto F, size_t kArguments>
double callAgain(double a, double b)
{
    if constexpr (kArguments == 1)
        return F(a);
    else
        return F(a, b);
}

// Makes the library's call, noting it where it is a property function (one or two arguments).
template <auto F, typename... Arguments>
auto record(std::vector<EngineCall>& calls, std::tuple<Arguments...> arguments)
{
    if constexpr (sizeof...(Arguments) > 0 && (std::is_same_v<Arguments, double> && ...)) {
        const double a = std::get<0>(arguments);
        const double b = std::get<sizeof...(Arguments) - 1>(arguments);
        calls.push_back({&callAgain<F, sizeof...(Arguments)>, a, b});
    }
    return std::apply(F, arguments);
}

// The library, noting each property function's call on the way.
class RecordingEngine final : public PropertyEngine {
public:
    std::vector<EngineCall> calls;

#define ENGINE_FUNCTION(result, name, parameters, arguments) \
    result name parameters override { return record<&::name>(calls, std::make_tuple arguments); }
#include "engine/seam/EngineFunctions.def"
};

void runEngineCalls(benchmark::State& state, const QByteArray& csv)
{
    setUpUnits();
    RecordingEngine engine;
    if (!batchOnce(csv, engine)) {
        state.SkipWithError("not every row was read and written");
        return;
    }
    for (auto _ : state)
        for (const EngineCall& call : engine.calls)
            benchmark::DoNotOptimize(call.function(call.a, call.b));
    state.SetItemsProcessed(state.iterations() * kRows);
    state.counters["calls_per_row"] = static_cast<double>(engine.calls.size()) / kRows;
}

void BM_BatchMainWindowMixed(benchmark::State& state) { runBatch(state, mainRows()); }
void BM_BatchConstantEnthalpy(benchmark::State& state) { runBatch(state, heatRows()); }
void BM_EngineCallsMainWindowMixed(benchmark::State& state) { runEngineCalls(state, mainRows()); }
void BM_EngineCallsConstantEnthalpy(benchmark::State& state) { runEngineCalls(state, heatRows()); }

}  // namespace

BENCHMARK(BM_BatchMainWindowMixed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchConstantEnthalpy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineCallsMainWindowMixed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineCallsConstantEnthalpy)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
