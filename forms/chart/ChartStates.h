// SPDX-License-Identifier: MIT
// What the calculation windows show on the chart: the states they found and the processes joining them, and the
// feed through which they publish them. A window publishes after each successful calculation with one call,
// PublishChartStates(ChartStatesOf(...)); the chart window listens. Qt-free.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

// One state, in the engine's units at the time it was published.
struct ChartState {
    double p;
    double T;
    double h;
    double s;
};

// The path a process takes between two states; the chart draws it along that path on every chart.
enum class ProcessPath {
    kConstantPressure,  // along an isobar: evaporation across the dome
    kConstantEnthalpy,  // throttling
    kConstantEntropy,   // isentropic expansion or compression
    kStraightHs,        // an actual expansion or compression: a straight line on the h–s chart
};

struct ChartProcess {
    std::size_t from;  // indexes into ChartStates::states
    std::size_t to;
    ProcessPath path;
};

struct ChartStates {
    std::vector<ChartState> states;
    std::vector<ChartProcess> processes;
};

// A state alone.
ChartStates SingleState(const ChartState& state);

// Two states joined by a process.
ChartStates Process(const ChartState& from, const ChartState& to, ProcessPath path);

// An expansion or compression from an inlet: the isentropic outlet joined at constant entropy, and the actual
// outlet, where there is one, joined by a straight line on the h–s chart.
ChartStates Expansion(const ChartState& inlet, const ChartState& isentropicOutlet,
                      const std::optional<ChartState>& actualOutlet);

// The states of the last successful calculation, whichever window made it; every listener hears of a new one.
void PublishChartStates(ChartStates states);

// No states: what a change of units leaves, since the published ones are in the old units.
void ClearChartStates();

const ChartStates& LatestChartStates();

// Hears of every publication and clearing while it lives.
class ChartStatesListener {
public:
    explicit ChartStatesListener(std::function<void()> heard);
    ~ChartStatesListener();
    ChartStatesListener(const ChartStatesListener&) = delete;
    ChartStatesListener& operator=(const ChartStatesListener&) = delete;
};
