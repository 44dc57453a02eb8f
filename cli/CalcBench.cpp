// SPDX-License-Identifier: MIT
// Batch throughput: states per second for 100,000 rows of mixed cases, main window and constant-enthalpy.
#include "cli/Batch.h"
#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"

#include <QBuffer>
#include <QTemporaryFile>

#include <benchmark/benchmark.h>

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

void runBatch(benchmark::State& state, const QByteArray& csv)
{
    setUpUnits();
    for (auto _ : state) {
        QBuffer input;
        input.setData(csv);
        input.open(QIODevice::ReadOnly);
        QTemporaryFile file;
        if (!file.open()) {
            state.SkipWithError("no temporary file for the results");
            break;
        }
        OutputSink output(file.handle(), file.fileName());
        const BatchSummary summary = RunBatch(input, output, Engine());
        if (summary.rows != kRows || !output.Finish())
            state.SkipWithError("not every row was read and written");
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_BatchMainWindowMixed(benchmark::State& state) { runBatch(state, mainRows()); }
void BM_BatchConstantEnthalpy(benchmark::State& state) { runBatch(state, heatRows()); }

}  // namespace

BENCHMARK(BM_BatchMainWindowMixed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchConstantEnthalpy)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
