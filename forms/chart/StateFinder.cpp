// SPDX-License-Identifier: MIT
#include "forms/chart/StateFinder.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

constexpr double kLiquid = 1.0;
constexpr double kVapour = 0.0;

// The pressure search of FromTs: from this fraction of the highest pressure (0.1 mPa of 100 MPa: further down
// the entropy of a vapour grows without bound) up, to round-off of log p.
constexpr double kLowestPressure = 1e-12;
constexpr int kSearchSteps = 100;
constexpr double kSearchDone = 1e-14;
constexpr double kReached = 1e-9;  // relative: the value found at the end of the search

bool accepted(std::initializer_list<double> values)
{
    for (double v : values)
        if (v == EngineErrorValue)
            return false;
    return true;
}

}  // namespace

StateFinder::StateFinder(PropertyEngine& engine)
    : engine_(engine), pressureZero_(engine.STM_GetMinPress()), maxPressure_(engine.STM_GetMaxPress())
{
}

std::optional<FoundState> StateFinder::Wet(double T, double w) const
{
    const double p = engine_.STM_sPt(T);
    const double h = engine_.STM_sHtx(T, w);
    const double s = engine_.STM_sStx(T, w);
    if (!accepted({p, h, s}))
        return std::nullopt;
    return FoundState{{p, T, h, s}, 1.0 - w};
}

std::optional<FoundState> StateFinder::Single(double T, double p) const
{
    const double h = engine_.STM_nHtp(T, p);
    const double s = engine_.STM_nStp(T, p);
    if (!accepted({h, s}))
        return std::nullopt;
    return FoundState{{p, T, h, s}, std::nullopt};
}

std::optional<FoundState> StateFinder::FromHs(double h, double s) const
{
    const double p = engine_.STM_nPhs(h, s);
    const double T = engine_.STM_nThs(h, s);
    if (!accepted({p, T}))
        return std::nullopt;
    const double w = engine_.STM_sXhs(h, s);
    return FoundState{{p, T, h, s}, accepted({w}) ? std::optional(1.0 - w) : std::nullopt};
}

std::optional<FoundState> StateFinder::FromP(double p, double x, EngineFunction wetness,
                                             EngineFunction temperature) const
{
    const double w = (engine_.*wetness)(p, x);
    if (accepted({w}))
        return Wet(engine_.STM_sTp(p), w);
    const double T = (engine_.*temperature)(p, x);
    if (!accepted({T}))
        return std::nullopt;
    return Single(T, p);
}

std::optional<FoundState> StateFinder::FromPh(double p, double h) const
{
    return FromP(p, h, &PropertyEngine::STM_sXph, &PropertyEngine::STM_nTph);
}

std::optional<FoundState> StateFinder::FromPs(double p, double s) const
{
    return FromP(p, s, &PropertyEngine::STM_sXps, &PropertyEngine::STM_nTps);
}

StateFinder::Bounds StateFinder::SearchBounds() const
{
    const double highest = maxPressure_ - pressureZero_;
    return {std::log(kLowestPressure * highest), std::log(highest)};
}

template <typename Value>
std::optional<FoundState> StateFinder::SinglePhase(double T, double target, Value value, double lo, double hi) const
{
    // Bisection on log p. The engine refuses beyond the range (above 50 MPa in region 5): too high a pressure.
    const auto at = [&](double u) { return value(std::exp(u) + pressureZero_); };
    // At the saturated end the value may lie beyond the target by round-off: the state is that end then.
    const double low = at(lo);
    if (!accepted({low}) || target > low + kReached * std::fabs(target))
        return std::nullopt;
    for (int step = 0; step < kSearchSteps && hi - lo > kSearchDone * std::max(std::fabs(hi), 1.0); ++step) {
        const double u = 0.5 * (lo + hi);
        const double x = at(u);
        (accepted({x}) && x > target ? lo : hi) = u;
    }
    // A target beyond the highest pressure's value has no state.
    const double p = std::exp(lo) + pressureZero_;
    const double reached = value(p);
    if (!accepted({reached}) || std::fabs(reached - target) > kReached * std::fabs(target))
        return std::nullopt;
    return Single(T, p);
}

std::optional<FoundState> StateFinder::FromTs(double T, double s) const
{
    const double sLiquid = engine_.STM_sStx(T, kLiquid);
    const double sVapour = engine_.STM_sStx(T, kVapour);
    Bounds b = SearchBounds();
    if (accepted({sLiquid, sVapour})) {
        if (s >= sLiquid && s <= sVapour)  // at Tc both are the critical point
            return Wet(T, sVapour > sLiquid ? (sVapour - s) / (sVapour - sLiquid) : 0.0);
        // The vapour lies below the saturation pressure, the liquid above it.
        (s > sVapour ? b.hi : b.lo) = std::log(engine_.STM_sPt(T) - pressureZero_);
    }
    return SinglePhase(T, s, [&](double p) { return engine_.STM_nStp(T, p); }, b.lo, b.hi);
}

std::optional<FoundState> StateFinder::FromTv(double T, double v, bool density) const
{
    // Specific volumes throughout: the mixture rule is linear in them.
    const auto volume = [density](double x) { return x == EngineErrorValue ? x : density ? 1.0 / x : x; };
    const double target = volume(v);
    const double vLiquid = volume(engine_.STM_sDtx(T, kLiquid));
    const double vVapour = volume(engine_.STM_sDtx(T, kVapour));
    Bounds b = SearchBounds();
    if (accepted({vLiquid, vVapour})) {
        if (target >= vLiquid && target <= vVapour)
            return Wet(T, vVapour > vLiquid ? (vVapour - target) / (vVapour - vLiquid) : 0.0);
        (target > vVapour ? b.hi : b.lo) = std::log(engine_.STM_sPt(T) - pressureZero_);
    }
    return SinglePhase(T, target, [&](double p) { return volume(engine_.STM_nDtp(T, p)); }, b.lo, b.hi);
}
