// SPDX-License-Identifier: MIT
// The lines of a chart, computed by the engine in its current units: the saturation line with the critical point,
// isobars, isotherms (with minor ones between them for zoomed views), lines of constant dryness inside the dome and,
// on the T–s and p–h charts, isochores on the vapour side. Built once per chart kind and units; the window keeps it.
#pragma once

#include "engine/seam/PropertyEngine.h"
#include "forms/chart/ChartAxes.h"
#include "forms/chart/ChartSampling.h"

#include <QString>

#include <vector>

enum class LineFamily { kSaturation, kIsobar, kIsotherm, kDryness, kIsochore };

struct ChartLine {
    LineFamily family;
    double value;    // its pressure, temperature, dryness or volume (density) in the engine's units
    QString label;   // "1 MPa", "300 ℃", "x=0.9", "0.1 m3/Kg"; empty for the saturation line
    std::vector<WorldPoint> points;  // a point with NaN coordinates breaks the line
    bool minor = false;  // between the round values: drawn only when the view is zoomed in
};

struct ChartData {
    ChartAxes axes;
    ChartState critical;
    std::vector<ChartLine> lines;
    WorldRect extent;       // every line's points
    SamplingScale scale;    // the lengths that bends and process lines are measured against
    QString xTitle;         // with the unit text: "エントロピ s [KJ/KgK]"
    QString yTitle;
};

ChartData BuildChart(ChartKind kind, PropertyEngine& engine);

// Whether a view shows the minor lines: zoomed in to less than half the chart's width or height.
bool ShowsMinorLines(const ChartData& chart, const WorldRect& view);

// A process of published states, along its path, in the chart's world coordinates; the ends are the states.
std::vector<WorldPoint> ProcessLine(const ChartData& chart, const ChartStates& states, const ChartProcess& process,
                                    PropertyEngine& engine);

// What a chart shows beside its lines: the published states as markers and their processes as lines.
struct ChartOverlay {
    std::vector<WorldPoint> markers;
    std::vector<std::vector<WorldPoint>> processes;
};

ChartOverlay OverlayOf(const ChartData& chart, const ChartStates& states, PropertyEngine& engine);
