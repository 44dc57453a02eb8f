// SPDX-License-Identifier: MIT
#include "engine/core/SelectionHS.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "engine/core/BackwardHS.h"
#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/RefineHS.h"
#include "engine/core/Region4.h"
#include "engine/core/region3/Backward.h"

namespace aquaprop {

namespace {

using hs::kSatRelTolerance;

constexpr HsState kRefused{Region::kNone, false, kNaN, kNaN, kNaN};

enum class Candidate { k1, k2, k3, k5, kWet };
constexpr int kCandidates = 5;

// The region the (h, s) equations point to, then the rest, nearest first.
std::array<Candidate, kCandidates> Order(double h, double s) {
    using boundary::kB23MaxEntropy;
    using boundary::kB23MinEntropy;
    const bool liquidSide = s <= region3::kCriticalEntropy;
    Candidate single = Candidate::k2;
    double hSat = -std::numeric_limits<double>::infinity();
    if (liquidSide) {
        const bool above623 = s > region3::kEntropy623.liquid ||
                              (s >= boundary::kB13MinEntropy && h > boundary::B13Enthalpy(s));
        single = above623 ? Candidate::k3 : Candidate::k1;
        if (s >= boundary::kSatLiquidMinEntropy) hSat = boundary::SaturatedLiquidEnthalpy(s);
    } else {
        if (s <= kB23MinEntropy || (s <= kB23MaxEntropy && h <= boundary::kB23MinEnthalpy)) {
            single = Candidate::k3;
        } else if (s <= kB23MaxEntropy && h < boundary::kB23MaxEnthalpy) {
            const double T = boundary::B23TemperatureHS(h, s);
            single = region2::BackwardPressureHS(h, s) > boundary::B23Pressure(T) ? Candidate::k3 : Candidate::k2;
        }
        if (s <= boundary::kSatVapourMaxEntropy) hSat = boundary::SaturatedVapourEnthalpy(s);
    }
    std::array<Candidate, 4> singles{};
    switch (single) {
        case Candidate::k1:
            singles = {Candidate::k1, Candidate::k3, Candidate::k2, Candidate::k5};
            break;
        case Candidate::k3:
            singles = {Candidate::k3, Candidate::k1, Candidate::k2, Candidate::k5};
            break;
        default:
            singles = {Candidate::k2, Candidate::k5, Candidate::k3, Candidate::k1};
            break;
    }
    // Up to the saturation line (by its equation, and its tolerance) the two-phase solve comes first, so that the
    // saturated liquid and vapour come out wet.
    if (h <= hSat + boundary::kSaturatedEnthalpyTolerance) {
        return {Candidate::kWet, singles[0], singles[1], singles[2], singles[3]};
    }
    return {singles[0], singles[1], singles[2], singles[3], Candidate::kWet};
}

// One candidate's solve: (p, T), or for a wet state (psat, Tsat) and w; NaN where it does not settle.
struct Solution {
    double p;
    double T;
    double w;
    double rho;  // region 3
};

Solution Solve(Candidate c, double h, double s) {
    switch (c) {
        case Candidate::k1: {
            const hs::PressureTemperature x = hs::SolveRegion1(h, s);
            return {x.p, x.T, kNaN, kNaN};
        }
        case Candidate::k2: {
            const hs::PressureTemperature x = hs::SolveRegion2(h, s);
            return {x.p, x.T, kNaN, kNaN};
        }
        case Candidate::k3: {
            const hs::DensityTemperature x = hs::SolveRegion3(h, s);
            return {x.p, x.T, kNaN, x.rho};
        }
        case Candidate::k5: {
            const hs::PressureTemperature x = hs::SolveRegion5(h, s);
            return {x.p, x.T, kNaN, kNaN};
        }
        case Candidate::kWet:
            break;
    }
    const hs::Wet x = hs::SolveWet(h, s);
    return {region4::SaturationPressure(x.T), x.T, x.w, kNaN};
}

// Where a value lies against a limit of its region; a value beyond it by at most a slack is pulled onto it.
enum class Pull { kInside, kPulled, kBeyond };

Pull PullBack(double& v, double limit, double slack, bool beyondAbove) {
    const double over = beyondAbove ? v - limit : limit - v;
    if (over <= 0.0) return Pull::kInside;
    if (over > slack) return Pull::kBeyond;
    v = limit;
    return Pull::kPulled;
}

// The limits of the range: round-off only.
bool WithinRange(double& p, double& T) {
    const auto roundOff = [](double& v, double limit, bool beyondAbove) {
        return PullBack(v, limit, limit * kSatRelTolerance, beyondAbove) != Pull::kBeyond;
    };
    // Region 5's pressure limit holds only beyond 1073.15 K by more than round-off: region 2 on that isotherm goes
    // on to 100 MPa.
    return roundOff(T, kMinK, false) && roundOff(T, kMaxK, true) && roundOff(p, kMaxMPa, true) &&
           (T <= kRegion25K * (1.0 + kSatRelTolerance) || roundOff(p, kMaxRegion5MPa, true));
}

// A region 3 state below pc must be on the branch that the forward equations take at (p, T): the liquid one
// up to Tsat(p) (within kSatRelTolerance, where they take the saturated liquid), the vapour one above.
bool OnItsBranch(double p, double T, double rho) {
    if (!(p < kCriticalMPa)) return true;
    const double Ts = region4::SaturationTemperature(p);
    const bool liquid = rho > kCriticalDensity;
    return liquid == (T <= Ts * (1.0 + kSatRelTolerance));
}

// A single-phase answer within kSatRelTolerance of Tsat(p) is the saturated liquid or vapour, a wet state with
// w = 1 or 0: at Tsat(p) the forward equations take the liquid, so a vapour there has only the mixture rule.
std::optional<HsState> OnSaturationLine(double p, double T, bool liquid) {
    if (!(p <= kCriticalMPa)) return std::nullopt;
    const double Ts = region4::SaturationTemperature(p);
    if (!(std::fabs(T - Ts) <= Ts * kSatRelTolerance)) return std::nullopt;
    const double onLine = std::min(T, kCriticalK);
    return HsState{Region::kNone, true, region4::SaturationPressure(onLine), onLine, liquid ? 1.0 : 0.0};
}

// The answer of a single-phase candidate if its (p, T) lies in its region, after pulling it back by round-off
// over a limit of that region. With a seam, by up to seamK over a limit shared with a neighbouring region:
// the answer is then that point on the line, in the region RegionPT gives there.
std::optional<HsState> Accept(Candidate c, const Solution& x, double seamK) {
    double p = x.p;
    double T = x.T;
    if (!WithinRange(p, T)) return std::nullopt;
    if (c != Candidate::k5) {
        const bool liquid = c == Candidate::k1 || (c == Candidate::k3 && x.rho > kCriticalDensity);
        if (const std::optional<HsState> saturated = OnSaturationLine(p, T, liquid)) return saturated;
    }
    const double slackK = std::max(seamK, T * kSatRelTolerance);
    Pull pull = Pull::kInside;
    const auto limit = [&](double& v, double line, bool beyondAbove) {
        pull = std::max(pull, PullBack(v, line, slackK, beyondAbove));
    };
    Region region = Region::kNone;
    switch (c) {
        case Candidate::k1:
            region = Region::k1;
            if (p > kSat13MPa) limit(T, kRegion13K, true);
            break;
        case Candidate::k2:
            region = Region::k2;
            limit(T, kRegion25K, true);
            // Beyond the B23 line the pressure is pulled down onto it: B23Temperature(p) would round either way.
            if (T > kRegion13K && T <= kB23MaxK && p > boundary::B23Pressure(T)) {
                pull = std::max(pull, T >= boundary::B23Temperature(p) - slackK ? Pull::kPulled : Pull::kBeyond);
                p = boundary::B23Pressure(T);
            }
            break;
        case Candidate::k3:
            region = Region::k3;
            // Region 3 lies above the B23 line, which starts at psat(623.15 K).
            if (!(p >= kSat13MPa && OnItsBranch(p, T, x.rho))) return std::nullopt;
            limit(T, kRegion13K, false);
            limit(T, boundary::B23Temperature(p), true);
            break;
        case Candidate::k5:
            region = Region::k5;
            limit(T, kRegion25K, false);
            break;
        case Candidate::kWet:
            break;
    }
    if (pull == Pull::kBeyond) return std::nullopt;
    const Region at = RegionPT(p, T);
    // Round-off keeps a state in its region; only a seam moves it onto its neighbour's line.
    const bool onSeam = seamK > 0.0 && pull == Pull::kPulled;
    if (at == Region::kNone || (at != region && !onSeam)) return std::nullopt;
    return HsState{at, false, p, T, kNaN};
}

std::optional<HsState> AcceptWet(Solution x) {
    if (std::isnan(x.w)) return std::nullopt;
    return HsState{Region::kNone, true, x.p, x.T, x.w};
}

}  // namespace

HsState StateHS(double h, double s) {
    if (!(std::isfinite(h) && std::isfinite(s))) return kRefused;
    const std::array<Candidate, kCandidates> order = Order(h, s);
    std::array<std::optional<Solution>, kCandidates> solutions;
    auto solution = [&](int k) -> const Solution& {
        if (!solutions[k]) solutions[k] = Solve(order[k], h, s);
        return *solutions[k];
    };
    // First every candidate strictly in its region, then the seams between regions.
    for (double seamK : {0.0, kSeamHSK}) {
        for (int k = 0; k < kCandidates; ++k) {
            const Solution& x = solution(k);
            if (std::isnan(x.T)) continue;
            const std::optional<HsState> answer = order[k] == Candidate::kWet ? AcceptWet(x) : Accept(order[k], x, seamK);
            if (answer) return *answer;
        }
    }
    return kRefused;
}

double PressureHS(double h, double s) { return StateHS(h, s).p; }

double TemperatureHS(double h, double s) { return StateHS(h, s).T; }

double WetnessHS(double h, double s) { return StateHS(h, s).w; }

}  // namespace aquaprop
