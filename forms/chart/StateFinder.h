// SPDX-License-Identifier: MIT
// States from two of their properties, through the engine in its current units: what the chart's cursor points
// at, and the states along a process. Every answer is the engine's; nothing is interpolated.
#pragma once

#include "engine/seam/PropertyEngine.h"
#include "forms/chart/ChartStates.h"

#include <optional>

struct FoundState {
    ChartState state;
    std::optional<double> dryness;  // a wet state's, saturation lines included
};

class StateFinder {
public:
    // Reads the current unit's pressure limits from the engine.
    explicit StateFinder(PropertyEngine& engine);

    // Each nullopt where the engine refuses the state.
    std::optional<FoundState> FromHs(double h, double s) const;
    std::optional<FoundState> FromPh(double p, double h) const;
    std::optional<FoundState> FromPs(double p, double s) const;
    // The engine has no function of (T, s) or (T, v): the pressure is found on the entropy or the volume at T,
    // both of which fall as p rises. v is the engine's value: a specific volume, or a density where the engine's
    // unit is one (`density`).
    std::optional<FoundState> FromTs(double T, double s) const;
    std::optional<FoundState> FromTv(double T, double v, bool density) const;

    std::optional<FoundState> Wet(double T, double w) const;
    std::optional<FoundState> Single(double T, double p) const;

private:
    // A state from p and h or s: wet where the engine's wetness function takes it, else at its temperature.
    using EngineFunction = double (PropertyEngine::*)(double, double);
    std::optional<FoundState> FromP(double p, double x, EngineFunction wetness, EngineFunction temperature) const;

    // Where the single-phase value of `value` at T equals target, searched between the absolute pressures
    // exp(lo) and exp(hi) (the saturation pressure bounds it below Tc).
    template <typename Value>
    std::optional<FoundState> SinglePhase(double T, double target, Value value, double lo, double hi) const;
    // The bounds of that search: the whole range, or the part on the target's side of the dome.
    struct Bounds {
        double lo;
        double hi;
    };
    Bounds SearchBounds() const;

    PropertyEngine& engine_;
    double pressureZero_;  // absolute zero pressure in the current unit
    double maxPressure_;
};
