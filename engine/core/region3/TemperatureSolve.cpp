// SPDX-License-Identifier: MIT
#include "engine/core/region3/TemperatureSolve.h"

#include <algorithm>
#include <cmath>

#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/Region3.h"
#include "engine/core/Region4.h"
#include "engine/core/region3/Backward.h"
#include "engine/core/region3/DensitySolve.h"
#include "engine/core/region3/Helmholtz.h"

namespace aquaprop::region3 {

namespace {

// Relative pressure and property residuals that end the two-dimensional Newton iteration.
constexpr double kResidualTolerance = 1e-13;
// Steps below this (relative) end it as well, if the residuals are within the promised accuracy.
constexpr double kStepTolerance = 1e-14;
constexpr double kAcceptPressure = 1e-12;
constexpr double kAcceptProperty = 1e-10;
// Relative slope (rho/p) dp/drho still taken as zero rather than unstable.
constexpr double kSlopeTolerance = 1e-9;
constexpr int kMaxNewtonIterations = 30;
// Newton steps are cut back to at most these changes per iteration.
constexpr double kMaxDensityChange = 0.25;  // relative
constexpr double kMaxTemperatureChangeK = 25.0;
// Relative margin around p_3sat(h) and p_3sat(s) beyond which their answer decides the dome test;
// closer to the saturation line the exact saturated states decide.
constexpr double kDomeMargin = 3e-4;
constexpr int kMaxTemperatureIterations = 100;

// The ends of p_3sat(x) at 623.15 K, and the margin around them within which the saturated states at
// Tsat(p) decide the dome test.
template <Quantity kGiven>
struct DomeEnds;

template <>
struct DomeEnds<Quantity::kEnthalpy> {
    static constexpr Saturated<double> kAt623 = kEnthalpy623;
    static constexpr double kMargin = 0.5;  // kJ/kg
};

template <>
struct DomeEnds<Quantity::kEntropy> {
    static constexpr Saturated<double> kAt623 = kEntropy623;
    static constexpr double kMargin = 1e-3;  // kJ/(kg K)
};

// Pressure and the given property with their derivatives in rho and T.
struct Jacobian {
    double p;
    double dpdrho;
    double dpdT;
    double x;
    double dxdrho;
    double dxdT;
};

template <Quantity kGiven>
Jacobian Evaluate(double rho, double T) {
    // Enthalpy needs every part but phi and its logarithm.
    constexpr unsigned kParts = kGiven == Quantity::kEnthalpy ? kEveryPart & ~kPhi : kEveryPart;
    const Reduced r = DerivativesAt<kParts>(rho, T);
    const double R = kGasConstant;
    Jacobian j;
    j.p = rho * R * T * r.d * 1e-3;
    j.dpdrho = R * T * (2.0 * r.d + r.dd) * 1e-3;
    j.dpdT = rho * R * (r.d - r.dt) * 1e-3;
    j.x = PropertyFromReduced<kGiven>(r, rho, T);
    if constexpr (kGiven == Quantity::kEnthalpy) {
        j.dxdrho = R * T / rho * (r.dt + r.d + r.dd);
        j.dxdT = R * (r.d - r.tt - r.dt);
    } else {
        j.dxdrho = R / rho * (r.dt - r.d);
        j.dxdT = -R * r.tt / T;
    }
    return j;
}

// The given property and its derivative in T along the isobar (cp, or cp/T for s).
template <Quantity kGiven>
ValueAndSlope AlongIsobar(double rho, double T) {
    const Props props = PropsRhoT(rho, T);
    return {Get<kGiven>(props), kGiven == Quantity::kEnthalpy ? props.cp : props.cp / T};
}

// Mechanically stable: p rises with rho. At the critical point the slope is zero, and the equation
// gives it as a tiny negative number there; such round-off counts as stable.
bool Stable(const Jacobian& j, double rho) { return j.dpdrho * rho > -kSlopeTolerance * j.p; }

// Newton in (rho, T) on p and the given property; true once both residuals are at round-off
// on a mechanically stable state. The step computed from the last residuals is still taken: near the critical
// point, where p hardly changes with rho, a pressure residual of 1e-13 stands for a far larger error in rho.
template <Quantity kGiven>
bool NewtonRhoT(double p, double x, double& rho, double& T) {
    for (int i = 0; i < kMaxNewtonIterations; ++i) {
        const Jacobian j = Evaluate<kGiven>(rho, T);
        const double fp = j.p - p;
        const double fx = j.x - x;
        const double det = j.dpdrho * j.dxdT - j.dpdT * j.dxdrho;
        const bool solvable = std::isfinite(det) && det != 0.0;
        const double drho = solvable ? (fp * j.dxdT - fx * j.dpdT) / det : 0.0;
        const double dT = solvable ? (j.dpdrho * fx - j.dxdrho * fp) / det : 0.0;
        if (std::fabs(fp) <= kResidualTolerance * p && std::fabs(fx) <= kResidualTolerance * std::fabs(x)) {
            if (std::fabs(drho) < kMaxDensityChange * rho && std::fabs(dT) < kMaxTemperatureChangeK) {
                rho -= drho;
                T -= dT;
            }
            return Stable(j, rho);
        }
        if (!solvable) return false;
        if (std::fabs(drho) <= kStepTolerance * rho && std::fabs(dT) <= kStepTolerance * T) {
            // Steps at round-off: the residuals are as small as the arithmetic allows.
            return Stable(j, rho) && std::fabs(fp) <= kAcceptPressure * p &&
                   std::fabs(fx) <= kAcceptProperty * std::fabs(x);
        }
        double scale = 1.0;
        if (std::fabs(drho) > kMaxDensityChange * rho) scale = kMaxDensityChange * rho / std::fabs(drho);
        if (std::fabs(dT) > kMaxTemperatureChangeK) scale = std::min(scale, kMaxTemperatureChangeK / std::fabs(dT));
        rho -= scale * drho;
        T -= scale * dT;
        if (!(rho > 0.0 && T > 0.0)) return false;
    }
    return false;
}

// Below pc the approximate saturation pressure p_3sat(x) decides when p is clearly away from it,
// the saturated states at Tsat(p) decide otherwise.
template <Quantity kGiven>
Phase Locate(double p, double x) {
    if (p >= kCriticalMPa) return Phase::kSupercritical;
    const Saturated<double> ends = DomeEnds<kGiven>::kAt623;
    const double margin = DomeEnds<kGiven>::kMargin;
    // Below pc the 3a/3b split runs between the saturated liquid and vapour.
    const Phase outside = x <= Split3ab<kGiven>(p) ? Phase::kLiquid : Phase::kVapour;
    if (x < ends.liquid - margin || x > ends.vapour + margin) return outside;
    if (x > ends.liquid + margin && x < ends.vapour - margin) {
        const double ps = SaturationPressure<kGiven>(x);
        if (p >= ps * (1.0 + kDomeMargin)) return outside;
        if (p <= ps * (1.0 - kDomeMargin)) return Phase::kTwoPhase;
    }
    const double Ts = std::max(region4::SaturationTemperature(p), kRegion13K);
    const Saturated<double> sat = SaturationDensitiesT(Ts);
    const double liquid = PropertyRhoT<kGiven>(sat.liquid, Ts);
    const double vapour = PropertyRhoT<kGiven>(sat.vapour, Ts);
    if (x < liquid) return Phase::kLiquid;
    if (x > vapour) return Phase::kVapour;
    return x >= liquid && x <= vapour ? Phase::kTwoPhase : outside;
}

// T on the isobar between lo and hi where the given property equals x, with the density on
// the given branch: Newton in T with cp, inside a bracket.
template <Quantity kGiven>
double TemperatureOnIsobar(double p, double x, Branch branch, double lo, double hi) {
    auto residual = [&](double T) {
        const double rho = DensityOnBranch(p, T, branch);
        const ValueAndSlope v = AlongIsobar<kGiven>(rho, T);
        return ValueAndSlope{v.value - x, v.slope};
    };
    const ValueAndSlope atLo = residual(lo);
    const ValueAndSlope atHi = residual(hi);
    const double accept = kAcceptProperty * std::fabs(x);
    if (std::fabs(atLo.value) <= accept) return lo;
    if (std::fabs(atHi.value) <= accept) return hi;
    // Beyond the phase's own value at Tsat(p), on the dome's side of the isobar: x lies between that value and
    // the saturated state's, which differ where the saturated states follow the scaled law near the critical
    // point. The answer is Tsat(p) itself.
    if (branch == Branch::kLiquid && atHi.value < 0.0) return hi;
    if (branch == Branch::kVapour && atLo.value > 0.0) return lo;
    if (!(atLo.value < 0.0 && atHi.value > 0.0)) return kNaN;
    double T = 0.5 * (lo + hi);
    for (int i = 0; i < kMaxTemperatureIterations; ++i) {
        const ValueAndSlope r = residual(T);
        if (!std::isfinite(r.value)) return kNaN;
        if (std::fabs(r.value) <= kResidualTolerance * std::fabs(x)) {
            const double last = r.slope > 0.0 ? T - r.value / r.slope : T;  // the last step, for free
            return last > lo && last < hi ? last : T;
        }
        if (r.value > 0.0) {
            hi = T;
        } else {
            lo = T;
        }
        double next = r.slope > 0.0 ? T - r.value / r.slope : kNaN;
        if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        if (next <= lo || next >= hi) {
            // Bracket at round-off. Where the residual is still large, x falls into a jump of the isobar: just
            // below pc the vapour branch appears only above Tsat(p), and the jump is where it does.
            return T;
        }
        T = next;
    }
    return kNaN;
}

Branch BranchOf(Phase phase) {
    switch (phase) {
        case Phase::kLiquid:
            return Branch::kLiquid;
        case Phase::kVapour:
            return Branch::kVapour;
        default:
            return Branch::kAny;
    }
}

// The slow and sure way: the isobar from 623.15 K to the B23 line, split at Tsat(p) below pc.
template <Quantity kGiven>
double SolveByIsobar(double p, double x, Phase phase) {
    const Branch branch = BranchOf(phase);
    const double Tb23 = boundary::B23Temperature(p);
    if (branch == Branch::kAny) return TemperatureOnIsobar<kGiven>(p, x, branch, kRegion13K, Tb23);
    const double Ts = region4::SaturationTemperature(p);
    if (branch == Branch::kLiquid) return TemperatureOnIsobar<kGiven>(p, x, branch, kRegion13K, Ts);
    return TemperatureOnIsobar<kGiven>(p, x, branch, Ts, Tb23);
}

// Round-off may leave a state found next to the saturation line on the wrong side of Tsat(p);
// the temperature is moved to the phase's side, by no more than that round-off, so that
// DensityPT at the result finds the same phase.
double OnItsSide(double p, Phase phase, double T) {
    if (phase == Phase::kSupercritical || std::isnan(T)) return T;
    const double Ts = region4::SaturationTemperature(p);
    if (phase == Phase::kLiquid) return std::min(T, Ts);
    return T > Ts ? T : std::nextafter(Ts, kB23MaxK);
}

template <Quantity kGiven>
DensityTemperature StateAlongIsobar(double p, double x, Phase phase) {
    const double T = OnItsSide(p, phase, SolveByIsobar<kGiven>(p, x, phase));
    return {DensityOnBranch(p, T, BranchOf(phase)), T};
}

// Newton in (rho, T) from the backward equations; the isobar where it fails or settles on a
// metastable state of the other branch.
template <Quantity kGiven>
DensityTemperature StateByNewton(double p, double x, Phase phase) {
    double T = BackwardTemperature<kGiven>(p, x);
    double rho = 1.0 / BackwardVolume<kGiven>(p, x);
    if (std::isfinite(T) && std::isfinite(rho) && NewtonRhoT<kGiven>(p, x, rho, T)) {
        const bool onBranch = phase == Phase::kSupercritical || (phase == Phase::kLiquid) == (rho > kCriticalDensity);
        if (onBranch) return {rho, OnItsSide(p, phase, T)};
    }
    return StateAlongIsobar<kGiven>(p, x, phase);
}

using Method = DensityTemperature (*)(double, double, Phase);

template <Quantity kGiven>
DensityTemperature SolveState(double p, double x, Method method) {
    if (!(std::isfinite(p) && std::isfinite(x) && p > kMinMPa && p <= kMaxMPa)) return {kNaN, kNaN};
    const Phase phase = Locate<kGiven>(p, x);
    if (phase == Phase::kTwoPhase) return {kNaN, region4::SaturationTemperature(p)};
    return method(p, x, phase);
}

}  // namespace

template <Quantity kGiven>
DensityTemperature Solve(double p, double x) {
    return SolveState<kGiven>(p, x, StateByNewton<kGiven>);
}

template <Quantity kGiven>
DensityTemperature SolveAlongIsobar(double p, double x) {
    return SolveState<kGiven>(p, x, StateAlongIsobar<kGiven>);
}

template <Quantity kGiven>
double Temperature(double p, double x) {
    return Solve<kGiven>(p, x).T;
}

template <Quantity kGiven>
double TemperatureOnSide(double p, double x, Phase phase) {
    if (!(std::isfinite(p) && std::isfinite(x) && p > kMinMPa && p <= kMaxMPa)) return kNaN;
    if (phase == Phase::kTwoPhase || (phase == Phase::kSupercritical) != (p >= kCriticalMPa)) return kNaN;
    return StateByNewton<kGiven>(p, x, phase).T;
}

template DensityTemperature Solve<Quantity::kEnthalpy>(double p, double h);
template DensityTemperature Solve<Quantity::kEntropy>(double p, double s);
template DensityTemperature SolveAlongIsobar<Quantity::kEnthalpy>(double p, double h);
template DensityTemperature SolveAlongIsobar<Quantity::kEntropy>(double p, double s);
template double Temperature<Quantity::kEnthalpy>(double p, double h);
template double Temperature<Quantity::kEntropy>(double p, double s);
template double TemperatureOnSide<Quantity::kEnthalpy>(double p, double h, Phase phase);
template double TemperatureOnSide<Quantity::kEntropy>(double p, double s, Phase phase);

}  // namespace aquaprop::region3
