// SPDX-License-Identifier: MIT
#include "forms/chart/ChartStates.h"

#include <algorithm>
#include <utility>

namespace {

ChartStates& latest()
{
    static ChartStates states;
    return states;
}

struct Listening {
    const ChartStatesListener* listener;
    std::function<void()> heard;
};

std::vector<Listening>& listeners()
{
    static std::vector<Listening> all;
    return all;
}

// A listener that goes away while others are told is not told any more.
void notify()
{
    std::vector<const ChartStatesListener*> toTell;
    for (const Listening& l : listeners())
        toTell.push_back(l.listener);
    for (const ChartStatesListener* listener : toTell) {
        const auto found = std::ranges::find(listeners(), listener, &Listening::listener);
        if (found != listeners().end())
            std::function<void()>(found->heard)();
    }
}

}  // namespace

ChartStates SingleState(const ChartState& state) { return {{state}, {}}; }

ChartStates Process(const ChartState& from, const ChartState& to, ProcessPath path)
{
    return {{from, to}, {{0, 1, path}}};
}

ChartStates Expansion(const ChartState& inlet, const ChartState& isentropicOutlet,
                      const std::optional<ChartState>& actualOutlet)
{
    ChartStates states = Process(inlet, isentropicOutlet, ProcessPath::kConstantEntropy);
    if (actualOutlet) {
        states.states.push_back(*actualOutlet);
        states.processes.push_back({0, 2, ProcessPath::kStraightHs});
    }
    return states;
}

void PublishChartStates(ChartStates states)
{
    latest() = std::move(states);
    notify();
}

void ClearChartStates() { PublishChartStates({}); }

const ChartStates& LatestChartStates() { return latest(); }

ChartStatesListener::ChartStatesListener(std::function<void()> heard)
{
    listeners().push_back({this, std::move(heard)});
}

ChartStatesListener::~ChartStatesListener() { std::erase_if(listeners(), [this](const Listening& l) { return l.listener == this; }); }
