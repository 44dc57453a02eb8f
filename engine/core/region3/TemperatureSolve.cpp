#include "engine/core/region3/TemperatureSolve.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/core/Boundaries.h"
#include "engine/core/Constants.h"
#include "engine/core/Region3.h"
#include "engine/core/Region4.h"
#include "engine/core/region3/Backward.h"
#include "engine/core/region3/DensitySolve.h"
#include "engine/core/region3/Helmholtz.h"

namespace aquaprop::region3 {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The (p, h) and (p, s) solves differ only in the second property.
enum class Given { kEnthalpy, kEntropy };

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
// Margin of the same test at the 623.15 K ends of those equations, in kJ/kg and kJ/(kg K).
constexpr double kEndMarginEnthalpy = 0.5;
constexpr double kEndMarginEntropy = 1e-3;
constexpr int kMaxTemperatureIterations = 100;

// Pressure and the given property with their derivatives in rho and T.
struct Jacobian {
    double p;
    double dpdrho;
    double dpdT;
    double x;
    double dxdrho;
    double dxdT;
};

Jacobian Evaluate(Given given, double rho, double T) {
    const Reduced r = Isotherm(T).Derivatives(rho);
    const double R = kGasConstant;
    Jacobian j;
    j.p = rho * R * T * r.d * 1e-3;
    j.dpdrho = R * T * (2.0 * r.d + r.dd) * 1e-3;
    j.dpdT = rho * R * (r.d - r.dt) * 1e-3;
    if (given == Given::kEnthalpy) {
        j.x = R * T * (r.t + r.d);
        j.dxdrho = R * T / rho * (r.dt + r.d + r.dd);
        j.dxdT = R * (r.d - r.tt - r.dt);
    } else {
        j.x = R * (r.t - r.phi);
        j.dxdrho = R / rho * (r.dt - r.d);
        j.dxdT = -R * r.tt / T;
    }
    return j;
}

double Property(Given given, double rho, double T) {
    return given == Given::kEnthalpy ? EnthalpyRhoT(rho, T) : EntropyRhoT(rho, T);
}

// The given property and its derivative in T along the isobar (cp, or cp/T for s).
struct ValueAndDerivative {
    double value;
    double slope;
};

ValueAndDerivative AlongIsobar(Given given, double rho, double T) {
    const Props props = PropsRhoT(rho, T);
    if (given == Given::kEnthalpy) return {props.h, props.cp};
    return {props.s, props.cp / T};
}

// Mechanically stable: p rises with rho. At the critical point the slope is zero, and the equation
// gives it as a tiny negative number there; such round-off counts as stable.
bool Stable(const Jacobian& j, double rho) { return j.dpdrho * rho > -kSlopeTolerance * j.p; }

// Newton in (rho, T) on p and the given property; true once both residuals are at round-off
// on a mechanically stable state.
bool NewtonRhoT(Given given, double p, double x, double& rho, double& T) {
    for (int i = 0; i < kMaxNewtonIterations; ++i) {
        const Jacobian j = Evaluate(given, rho, T);
        const double fp = j.p - p;
        const double fx = j.x - x;
        if (std::fabs(fp) <= kResidualTolerance * p && std::fabs(fx) <= kResidualTolerance * std::fabs(x)) {
            return Stable(j, rho);
        }
        const double det = j.dpdrho * j.dxdT - j.dpdT * j.dxdrho;
        if (!std::isfinite(det) || det == 0.0) return false;
        const double drho = (fp * j.dxdT - fx * j.dpdT) / det;
        const double dT = (j.dpdrho * fx - j.dxdrho * fp) / det;
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

// Where (p, x) lies: on the liquid or vapour side of the two-phase dome, inside it, or at or
// above the critical pressure where there is no dome.
enum class Phase { kLiquid, kTwoPhase, kVapour, kSupercritical };

double SaturationPressureOf(Given given, double x) {
    return given == Given::kEnthalpy ? SaturationPressureH(x) : SaturationPressureS(x);
}

// Below pc the approximate saturation pressure p_3sat(x) decides when p is clearly away from it,
// the saturated states at Tsat(p) decide otherwise.
Phase Locate(Given given, double p, double x) {
    if (p >= kCriticalMPa) return Phase::kSupercritical;
    const bool enthalpy = given == Given::kEnthalpy;
    const double liquidEnd = enthalpy ? kLiquidEnthalpy623 : kLiquidEntropy623;
    const double vapourEnd = enthalpy ? kVapourEnthalpy623 : kVapourEntropy623;
    const double endMargin = enthalpy ? kEndMarginEnthalpy : kEndMarginEntropy;
    // Below pc the 3a/3b split runs between the saturated liquid and vapour.
    const bool liquidSide = x <= (enthalpy ? B3abEnthalpy(p) : kCriticalEntropy);
    const Phase outside = liquidSide ? Phase::kLiquid : Phase::kVapour;
    if (x < liquidEnd - endMargin || x > vapourEnd + endMargin) return outside;
    if (x > liquidEnd + endMargin && x < vapourEnd - endMargin) {
        const double ps = SaturationPressureOf(given, x);
        if (p >= ps * (1.0 + kDomeMargin)) return outside;
        if (p <= ps * (1.0 - kDomeMargin)) return Phase::kTwoPhase;
    }
    const double Ts = std::max(region4::SaturationTemperature(p), kRegion13K);
    const SaturationDensities sat = SaturationDensitiesT(Ts);
    const double liquid = Property(given, sat.liquid, Ts);
    const double vapour = Property(given, sat.vapour, Ts);
    if (x < liquid) return Phase::kLiquid;
    if (x > vapour) return Phase::kVapour;
    return x >= liquid && x <= vapour ? Phase::kTwoPhase : outside;
}

// T on the isobar between lo and hi where the given property equals x, with the density on
// the given branch: Newton in T with cp, inside a bracket.
double SolveAlongIsobar(Given given, double p, double x, Branch branch, double lo, double hi) {
    auto residual = [&](double T) {
        const double rho = DensityOnBranch(p, T, branch);
        const ValueAndDerivative v = AlongIsobar(given, rho, T);
        return ValueAndDerivative{v.value - x, v.slope};
    };
    const ValueAndDerivative atLo = residual(lo);
    const ValueAndDerivative atHi = residual(hi);
    const double accept = kAcceptProperty * std::fabs(x);
    if (std::fabs(atLo.value) <= accept) return lo;
    if (std::fabs(atHi.value) <= accept) return hi;
    if (!(atLo.value < 0.0 && atHi.value > 0.0)) return kNaN;
    double T = 0.5 * (lo + hi);
    for (int i = 0; i < kMaxTemperatureIterations; ++i) {
        const ValueAndDerivative r = residual(T);
        if (!std::isfinite(r.value)) return kNaN;
        if (std::fabs(r.value) <= kResidualTolerance * std::fabs(x)) return T;
        if (r.value > 0.0) {
            hi = T;
        } else {
            lo = T;
        }
        double next = r.slope > 0.0 ? T - r.value / r.slope : kNaN;
        if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        if (next <= lo || next >= hi) {
            // Bracket at round-off; the answer stands only if it meets the promised accuracy.
            return std::fabs(r.value) <= accept ? T : kNaN;
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
double SolveByIsobar(Given given, double p, double x, Phase phase) {
    const Branch branch = BranchOf(phase);
    const double Tb23 = boundary::B23Temperature(p);
    if (branch == Branch::kAny) return SolveAlongIsobar(given, p, x, branch, kRegion13K, Tb23);
    const double Ts = region4::SaturationTemperature(p);
    if (branch == Branch::kLiquid) return SolveAlongIsobar(given, p, x, branch, kRegion13K, Ts);
    return SolveAlongIsobar(given, p, x, branch, Ts, Tb23);
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

DensityTemperature StateAlongIsobar(Given given, double p, double x, Phase phase) {
    const double T = OnItsSide(p, phase, SolveByIsobar(given, p, x, phase));
    return {DensityOnBranch(p, T, BranchOf(phase)), T};
}

// Newton in (rho, T) from the backward equations; the isobar where it fails or settles on a
// metastable state of the other branch.
DensityTemperature StateByNewton(Given given, double p, double x, Phase phase) {
    const bool enthalpy = given == Given::kEnthalpy;
    double T = enthalpy ? BackwardTemperaturePH(p, x) : BackwardTemperaturePS(p, x);
    double rho = 1.0 / (enthalpy ? BackwardVolumePH(p, x) : BackwardVolumePS(p, x));
    if (std::isfinite(T) && std::isfinite(rho) && NewtonRhoT(given, p, x, rho, T)) {
        const bool onBranch = phase == Phase::kSupercritical || (phase == Phase::kLiquid) == (rho > kCriticalDensity);
        if (onBranch) return {rho, OnItsSide(p, phase, T)};
    }
    return StateAlongIsobar(given, p, x, phase);
}

using Method = DensityTemperature (*)(Given, double, double, Phase);

DensityTemperature SolveState(Given given, double p, double x, Method method) {
    if (!(std::isfinite(p) && std::isfinite(x) && p > 0.0 && p <= kMaxMPa)) return {kNaN, kNaN};
    const Phase phase = Locate(given, p, x);
    if (phase == Phase::kTwoPhase) return {kNaN, region4::SaturationTemperature(p)};
    return method(given, p, x, phase);
}

}  // namespace

DensityTemperature StatePH(double p, double h) { return SolveState(Given::kEnthalpy, p, h, StateByNewton); }

DensityTemperature StatePS(double p, double s) { return SolveState(Given::kEntropy, p, s, StateByNewton); }

DensityTemperature StatePHAlongIsobar(double p, double h) {
    return SolveState(Given::kEnthalpy, p, h, StateAlongIsobar);
}

DensityTemperature StatePSAlongIsobar(double p, double s) {
    return SolveState(Given::kEntropy, p, s, StateAlongIsobar);
}

double TemperaturePH(double p, double h) { return StatePH(p, h).T; }

double TemperaturePS(double p, double s) { return StatePS(p, s).T; }

}  // namespace aquaprop::region3
