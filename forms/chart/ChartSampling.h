// SPDX-License-Identifier: MIT
// Lines sampled from the engine: a parameter (a temperature, log p, ...) runs along the line, and the points
// come closer where the line bends, so that it looks smooth at any size. Qt-free.
#pragma once

#include "forms/chart/ChartAxes.h"

#include <functional>
#include <vector>

// The world point at a parameter value, with NaN coordinates where the engine refuses the state.
using LineFunction = std::function<WorldPoint(double t)>;

// World lengths that stand for the chart's width and height: bends are measured against them.
struct SamplingScale {
    double x;
    double y;
};

// A line of f from t0 to t1 in n even steps, each halved until its middle lies within a small fraction of the
// scale from the chord. Where the engine refuses a state, the line ends at the last accepted parameter (found by
// halving the step), and a point with NaN coordinates breaks it there.
std::vector<WorldPoint> SampleLine(const LineFunction& f, double t0, double t1, int n, SamplingScale scale);

// Whether a point is a state (not a break).
bool IsPoint(const WorldPoint& p);

// A NaN point: where a line breaks.
WorldPoint Break();
