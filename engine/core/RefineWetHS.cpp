// SPDX-License-Identifier: MIT
// The wet state of a given (h, s): the tie line through it, found by bracketed secant steps in T.
#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/core/BackwardHS.h"
#include "engine/core/Constants.h"
#include "engine/core/RefineHS.h"
#include "engine/core/Saturation.h"
#include "engine/core/region3/Backward.h"

namespace aquaprop::hs {

namespace {


// A trial temperature of a search: whether the answer lies above it, and a value for secant steps whose zero
// is the answer (NaN where there is none).
struct Probe {
    bool answerAbove;
    double value;
};

constexpr int kMaxSearchSteps = 200;
// The searches go on to the last bits of T: towards the critical point w at the vapour end moves by 1e-12 for
// a change of T in its last digit.
constexpr double kSearchStepDone = 4e-16;

// One end of a search's bracket: a temperature and its probe's value (NaN where there is none).
struct End {
    double T;
    double value;
};

double Secant(const End& a, const End& b) { return b.T - b.value * (b.T - a.T) / (b.value - a.value); }

// Bracketed secant steps from x in (lo, hi): through the last two temperatures tried, else through the ends of
// the bracket, else the midpoint; the midpoint also replaces any step that leaves the bracket, and every third
// step if the last three did not halve it. A start outside the bracket starts from the ends. The caller's probe
// keeps what it needs of every temperature tried.
template <typename ProbeAt>
void Search(ProbeAt probeAt, End lo, End hi, double x) {
    End last{kNaN, kNaN};
    const auto within = [&](double T) { return T > lo.T && T < hi.T; };
    const auto fallback = [&] {
        const double falsi = Secant(lo, hi);
        return within(falsi) ? falsi : 0.5 * (lo.T + hi.T);
    };
    if (!within(x)) x = fallback();
    double checkedWidth = hi.T - lo.T;
    for (int step = 1; step <= kMaxSearchSteps && within(x); ++step) {
        const Probe probe = probeAt(x);
        const End here{x, probe.value};
        (probe.answerAbove ? lo : hi) = here;
        double next = Secant(last, here);
        if (!within(next)) next = fallback();
        if (step % 3 == 0) {
            if (hi.T - lo.T > 0.5 * checkedWidth) next = 0.5 * (lo.T + hi.T);
            checkedWidth = hi.T - lo.T;
        }
        if (std::fabs(next - x) <= kSearchStepDone * x) {
            if (within(next)) probeAt(next);
            return;
        }
        last = here;
        x = next;
    }
}

// The tie line at T against (s, h): whether s lies between s' and s'', and how far the state lies above the
// line (or its extension) at s, kJ/kg. Tie lines of lower temperature lie lower wherever they span s, so the
// answer is where that height changes sign; where the line does not span s, T is too high (s' rises and s''
// falls with T). The height is smooth across the ends of the lines, so secant steps use it there too, but only
// where its sign agrees: beside the liquid end the extensions of hotter lines may pass below the state again,
// and their height leads to a root off the dome. Below Tc only: at Tc the line is a point.
struct TieLine {
    double T;
    bool spans;
    double above;
    Saturated<double> h;
    Saturated<double> s;
};

TieLine TieLineAt(double T, double h, double s) {
    const Saturated<Props> ends = saturation::States(T);
    TieLine t{T, false, kNaN, {ends.liquid.h, ends.vapour.h}, {ends.liquid.s, ends.vapour.s}};
    t.spans = s >= t.s.liquid && s <= t.s.vapour;
    t.above = h - t.h.liquid - (s - t.s.liquid) * (t.h.vapour - t.h.liquid) / (t.s.vapour - t.s.liquid);
    return t;
}

Probe ProbeOf(const TieLine& t) {
    return {t.spans && t.above > 0.0, t.spans || t.above < 0.0 ? t.above : kNaN};
}

constexpr double kWetnessReach = 1e-6;

// The mixture on a tie line with the given h: its liquid fraction, and how far the state lies from it in s: the
// mixture's entropy against s, plus the entropy span of any excess of w beyond 0..1. Beside the liquid end the
// tie lines of neighbouring temperatures pass the state alike within round-off in s, and only w tells them apart.
// Lines whose w lies beyond 0..1 by more than kWetnessReach are no candidates (the state may lie on the
// extension of a line that misses the dome there).
struct Mixture {
    Mixture() = default;
    Mixture(const TieLine& t, double h, double s)
        : T(t.T), latent(t.h.vapour - t.h.liquid), w((t.h.vapour - h) / latent) {
        const double beyond = std::max({w - 1.0, -w, 0.0});
        if (beyond <= kWetnessReach) {
            off = std::fabs(w * t.s.liquid + (1.0 - w) * t.s.vapour - s) + beyond * (t.s.vapour - t.s.liquid);
        }
    }
    double T = kNaN;
    double latent = kNaN;
    double w = kNaN;
    double off = std::numeric_limits<double>::infinity();  // kJ/(kg K)
};

// A state is wet only if it lies on a tie line to within round-off: a liquid 1e-6 K below Tsat(p) is some
// 1e-12 kJ/(kg K) off the nearest one.
constexpr double kWetResidual = 4e-13;

// Within kNearCriticalK of Tc the saturated states move by some 1e2 to 1e5 kJ/kg per kelvin and carry the
// round-off of region 3's density roots, so that the ends of a tie line are uncertain by up to 1e-9 of h: the
// dome's edge is that wide there.
constexpr double kNearCriticalK = 1.0;
constexpr double kNearCriticalReach = 1e-9;

// How far (kJ/kg) a state may lie from the dome's edge and still count as on it: round-off of h, measured across
// the saturation line. Near the critical point the tie lines run nearly parallel to that line, so there states
// of w = 0.01 lie within 1e-6 kJ/kg of it: the wider reach there applies along the tie lines only.
double EdgeWidth(double h) { return kSatRelTolerance * std::max(std::fabs(h), kEnthalpyFloor); }

// The same along a tie line at T, as a fraction of w.
double WetnessSlack(double T, double h, double latent) {
    const double reach = T < kCriticalK - kNearCriticalK ? kSatRelTolerance : kNearCriticalReach;
    return reach * std::max(std::fabs(h), kEnthalpyFloor) / latent;
}

// The saturated state that has the entropy s: the liquid up to the critical entropy, the vapour above.
// NaN in T where there is none to round-off (s in the sliver where the saturated liquid's entropy jumps
// at 623.15 K, from region 1 to region 3).
struct Edge {
    double T = kNaN;
    double h = kNaN;
};

Edge EdgeAt(double s, bool liquid, const TieLine& cold) {
    Edge edge;
    double bestOff = std::numeric_limits<double>::infinity();
    auto probeAt = [&](double T) {
        const Saturated<double> sp = saturation::Property<Quantity::kEntropy>(T);
        const double off = (liquid ? sp.liquid : sp.vapour) - s;
        if (std::fabs(off) < bestOff) {
            edge.T = T;
            bestOff = std::fabs(off);
        }
        // s' rises with T, s'' falls.
        return Probe{liquid ? off < 0.0 : off > 0.0, off};
    };
    // Both lines end at the critical point.
    const double coldOff = (liquid ? cold.s.liquid : cold.s.vapour) - s;
    Search(probeAt, End{kMinK, coldOff}, End{kCriticalK, region3::kCriticalEntropy - s}, kNaN);
    if (!(bestOff <= kSatRelTolerance * std::max(std::fabs(s), kEntropyFloor))) return {};
    const Saturated<double> hp = saturation::Property<Quantity::kEnthalpy>(edge.T);
    edge.h = liquid ? hp.liquid : hp.vapour;
    return edge;
}

}  // namespace

Wet SolveWet(double h, double s) {
    if (!(std::isfinite(h) && std::isfinite(s))) return {kNaN, kNaN};
    const bool liquidSide = s <= region3::kCriticalEntropy;
    const double hLine = liquidSide ? boundary::SaturatedLiquidEnthalpy(s) : boundary::SaturatedVapourEnthalpy(s);
    if (h > hLine + boundary::kSaturatedEnthalpyTolerance) return {kNaN, kNaN};  // above the dome
    const TieLine cold = TieLineAt(kMinK, h, s);
    // Below the 273.15 K tie line (beyond round-off: a mixture at 273.15 K lies on it) or beside the dome.
    if (!(cold.spans && cold.above >= -EdgeWidth(h))) return {kNaN, kNaN};
    // Beside the saturation line the line itself decides, found from s: near its liquid end a tie line's
    // temperature is ill-determined, the saturated state's is not.
    double top = kCriticalK;
    if (h > hLine - boundary::kSaturatedEnthalpyTolerance) {
        const Edge edge = EdgeAt(s, liquidSide, cold);
        const double width = EdgeWidth(h);
        if (h > edge.h + width) return {kNaN, kNaN};
        if (h >= edge.h - width) return {edge.T, liquidSide ? 1.0 : 0.0};
        if (!std::isnan(edge.T)) top = edge.T;
    }
    Mixture best(cold, h, s);
    auto probeAt = [&](double T) {
        const TieLine t = TieLineAt(T, h, s);
        const Mixture m(t, h, s);
        if (m.off < best.off) best = m;
        return ProbeOf(t);
    };
    // The saturated states come from regions 1 and 2 up to 623.15 K and from region 3 above, so the tie lines
    // jump there by the formulation's consistency: the search keeps to the side of 623.15 K that holds the answer.
    End lo{kMinK, ProbeOf(cold).value};
    End hi{top, kNaN};
    if (top > kRegion13K) {
        const Probe seam = probeAt(kRegion13K);
        (seam.answerAbove ? lo : hi) = End{kRegion13K, seam.value};
    }
    // The (h, s) equation of Tsat holds from s''(623.15 K) up; to its left the search starts from the ends.
    const bool estimated = s >= region3::kEntropy623.vapour;
    Search(probeAt, lo, hi, estimated ? region4::SaturationTemperatureHS(h, s) : kNaN);
    if (!(Residual(h, s, 0.0, best.off) <= kWetResidual)) return {kNaN, kNaN};
    // On the saturation lines w may come out beyond 0..1 by round-off; further out the state is not wet.
    const double slack = WetnessSlack(best.T, h, best.latent);
    if (!(best.w >= -slack && best.w <= 1.0 + slack)) return {kNaN, kNaN};
    return {best.T, std::clamp(best.w, 0.0, 1.0)};
}

}  // namespace aquaprop::hs
