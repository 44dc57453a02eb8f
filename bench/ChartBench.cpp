// SPDX-License-Identifier: MIT
// The chart window's costs: building a chart's lines (once per kind and units), a redraw at the window's default
// size (after a resize, and after a new state with its process line), and the hover readout per kind.
#include <benchmark/benchmark.h>

#include "engine/seam/PropertyEngine.h"
#include "forms/chart/ChartPainter.h"
#include "forms/chart/HoverReadout.h"
#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <random>
#include <vector>

namespace {

const QRectF kArea(0, 0, 820, 600);  // the drawing area of the window at its default size

// A throttling from 10 MPa, 500 degC to 0.1 MPa, as the constant-enthalpy window publishes it.
ChartStates Throttling()
{
    PropertyEngine& e = Engine();
    const double h = e.STM_nHtp(500, 10);
    const double T = e.STM_nTph(0.1, h);
    return Process({10, 500, h, e.STM_nStp(500, 10)}, {0.1, T, h, e.STM_nStp(T, 0.1)}, ProcessPath::kConstantEnthalpy);
}

void paint(const ChartData& chart, const ChartOverlay& overlay)
{
    QImage image(kArea.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    PaintChart(painter, kArea, chart, chart.extent, overlay);
}

void Build(benchmark::State& state, ChartKind kind)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildChart(kind, Engine()));
}

void Redraw(benchmark::State& state, ChartKind kind)
{
    const ChartData chart = BuildChart(kind, Engine());
    const ChartOverlay overlay = OverlayOf(chart, Throttling(), Engine());
    for (auto _ : state)
        paint(chart, overlay);
}

void NewState(benchmark::State& state, ChartKind kind)
{
    const ChartData chart = BuildChart(kind, Engine());
    const ChartStates states = Throttling();
    for (auto _ : state)
        paint(chart, OverlayOf(chart, states, Engine()));
}

void Hover(benchmark::State& state, ChartKind kind)
{
    const ChartData chart = BuildChart(kind, Engine());
    const ChartTransform t = TransformFor(kArea, QGuiApplication::font(), chart.extent);
    std::mt19937 random(5);
    std::uniform_real_distribution<double> x(t.Plot().left(), t.Plot().right());
    std::uniform_real_distribution<double> y(t.Plot().top(), t.Plot().bottom());
    std::vector<QPointF> pixels;
    for (int i = 0; i < 256; ++i)
        pixels.emplace_back(x(random), y(random));
    size_t i = 0;
    for (auto _ : state) {
        const WorldPoint p = t.ToWorld(pixels[i++ % pixels.size()]);
        benchmark::DoNotOptimize(HoverText(chart, StateAt(chart, p, Engine()), Engine()));
    }
}

}  // namespace

BENCHMARK_CAPTURE(Build, hs, ChartKind::kHs)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Build, ts, ChartKind::kTs)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Build, ph, ChartKind::kPh)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Redraw, hs, ChartKind::kHs)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Redraw, ts, ChartKind::kTs)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Redraw, ph, ChartKind::kPh)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(NewState, hs, ChartKind::kHs)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(NewState, ts, ChartKind::kTs)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(NewState, ph, ChartKind::kPh)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Hover, hs, ChartKind::kHs)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Hover, ts, ChartKind::kTs)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Hover, ph, ChartKind::kPh)->Unit(benchmark::kMicrosecond);

// Painting needs fonts: a GUI application on the offscreen platform, in the default units.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    FillUnitLabels();
    HandUnitsToEngine();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
