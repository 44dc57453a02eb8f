// SPDX-License-Identifier: MIT
#include "engine/core/RefineHS.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "engine/core/Backward1.h"
#include "engine/core/Backward2.h"
#include "engine/core/BackwardHS.h"
#include "engine/core/Constants.h"
#include "engine/core/Region1.h"
#include "engine/core/Region2.h"
#include "engine/core/Region5.h"
#include "engine/core/region3/Backward.h"
#include "engine/core/region3/Helmholtz.h"

namespace aquaprop::hs {

namespace {


// An iteration ends once the residual is this small, or once it no longer halves (round-off is reached);
// its best point is the answer if the residual is below kAcceptResidual.
constexpr double kDoneResidual = 1e-15;
constexpr double kAcceptResidual = 1e-11;
constexpr int kMaxNewtonSteps = 40;
constexpr double kMaxDensity = 1100.0;  // kg/m3, beyond any liquid of the range
// Relative slope (rho/p) dp/drho still taken as zero rather than unstable.
constexpr double kSlopeTolerance = 1e-9;

// Where a region's answer may lie, with room around its limits: an iteration that leaves this box is on its way
// to no answer of that region (a state of another region, or outside the range) and stops.
struct Box {
    double minK;
    double maxK;
    double maxMPa;

    bool Contains(double p, double T) const { return p > 0.0 && p <= maxMPa && T >= minK && T <= maxK; }
};

constexpr double kBoxMarginK = 50.0;
constexpr Box kRegion1Box{kMinK - kBoxMarginK, kRegion13K + kBoxMarginK, 2.0 * kMaxMPa};
constexpr Box kRegion2Box{kMinK - kBoxMarginK, kRegion25K + kBoxMarginK, 2.0 * kMaxMPa};
constexpr Box kRegion3Box{kRegion13K - kBoxMarginK, kB23MaxK + kBoxMarginK, 2.0 * kMaxMPa};
constexpr Box kRegion5Box{kRegion25K - kBoxMarginK, kMaxK + kBoxMarginK, 2.0 * kMaxRegion5MPa};

// An iterate of the Newton solves: T and one more variable, p or rho.
struct Iterate {
    double x;
    double T;
};

// h and s at an iterate, with their derivatives in x and in T.
struct Jacobian {
    double h, s;
    double dhdx, dsdx;
    double dhdT, dsdT;
};

// How Newton moves x: liquids have h nearly linear in p, vapours s nearly linear in ln p, so x steps either
// linearly or in ln x; each step is cut back to change x by at most these fractions (in ln x where logarithmic)
// and T by at most kMaxStepK.
struct StepRule {
    bool logarithmic;
    double maxRise;
    double maxDrop;
};

constexpr double kMaxStepK = 50.0;
constexpr double kUnlimited = std::numeric_limits<double>::infinity();
constexpr StepRule kLiquidPressure{false, kUnlimited, 0.75};
constexpr StepRule kVapourPressure{true, 2.0, 2.0};
constexpr StepRule kDensity{false, 0.25, 0.25};

// Tracks the best iterate and when to stop.
class Progress {
public:
    // Records the residual at x; false once the iteration should stop.
    bool Continue(double residual, const Iterate& x) {
        const bool stalled = residual > 0.5 * last_ && best_ <= kAcceptResidual;
        last_ = residual;
        if (residual < best_) {
            best_ = residual;
            point_ = x;
        }
        return !(residual <= kDoneResidual || stalled);
    }
    bool Accepted() const { return best_ <= kAcceptResidual; }
    const Iterate& Best() const { return point_; }

private:
    double best_ = std::numeric_limits<double>::infinity();
    double last_ = std::numeric_limits<double>::infinity();
    Iterate point_{};
};

// Newton in (x, T) on h and s. evaluate(x, T) gives the Jacobian, nullopt once the iterate has left the region's
// box. The best iterate, NaN where the residual never reached kAcceptResidual.
template <typename Evaluate>
Iterate Newton(Evaluate evaluate, const StepRule& rule, double h, double s, Iterate x) {
    Progress progress;
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        const std::optional<Jacobian> d = evaluate(x.x, x.T);
        if (!d) break;
        const double fh = d->h - h;
        const double fs = d->s - s;
        if (!progress.Continue(Residual(h, s, fh, fs), x)) break;
        const double det = d->dhdx * d->dsdT - d->dhdT * d->dsdx;
        const double dx = (fh * d->dsdT - fs * d->dhdT) / det;
        const double dT = (d->dhdx * fs - d->dsdx * fh) / det;
        // x falls by dx: a relative fall beyond maxDrop, or rise beyond maxRise, cuts the step.
        const double fall = dx / x.x;
        double cut = std::fabs(dT) > kMaxStepK ? kMaxStepK / std::fabs(dT) : 1.0;
        if (fall > rule.maxDrop) cut = std::min(cut, rule.maxDrop / fall);
        if (-fall > rule.maxRise) cut = std::min(cut, rule.maxRise / -fall);
        x.x = rule.logarithmic ? x.x * std::exp(-cut * fall) : x.x - cut * dx;
        x.T -= cut * dT;
    }
    return progress.Accepted() ? progress.Best() : Iterate{kNaN, kNaN};
}

// A Gibbs region's Jacobian in (p, T) inside its box.
auto GibbsJacobian(EnthalpyEntropySlopes (*slopes)(double p, double T), const Box& box) {
    return [slopes, &box](double p, double T) -> std::optional<Jacobian> {
        if (!box.Contains(p, T)) return std::nullopt;
        const EnthalpyEntropySlopes d = slopes(p, T);
        return Jacobian{d.h, d.s, d.dhdp, d.dsdp, d.dhdT, d.dsdT};
    };
}

PressureTemperature AsPressureTemperature(const Iterate& x) { return {x.x, x.T}; }

// Near the corners of the range the backward equations extrapolate: their pressure is kept within the range.
double WithinRange(double p, double lo) { return std::isfinite(p) ? std::clamp(p, lo, kMaxMPa) : lo; }

// The pressure at which an ideal gas of temperature T has the entropy s, from its entropy at p0:
// s = s(p0, T) - R ln(p/p0).
template <typename EntropyAt>
double IdealGasPressure(EntropyAt entropyAt, double p0, double T, double s) {
    return p0 * std::exp((entropyAt(p0, T) - s) / kGasConstant);
}

// Beyond s''(273.15 K) the vapour lies below 611 Pa, where it is an ideal gas to 1e-4 and where the 2a equation
// p(h, s) goes astray (by orders of magnitude below 1e-7 MPa): the start is the ideal gas's there, T from h at
// this pressure and p from s.
constexpr double kRegion2IdealGasMPa = 1e-6;
// Region 5's start: T from h at this pressure, p from s as for an ideal gas.
constexpr double kRegion5StartMPa = 1.0;

}  // namespace

PressureTemperature SolveRegion1(double h, double s) {
    const double p = WithinRange(region1::BackwardPressureHS(h, s), kSatMinMPa);
    const Iterate start{p, region1::BackwardTemperature<Quantity::kEnthalpy>(p, h)};
    const auto jacobian = GibbsJacobian(region1::EnthalpyEntropyAndSlopes, kRegion1Box);
    return AsPressureTemperature(Newton(jacobian, kLiquidPressure, h, s, start));
}

PressureTemperature SolveRegion2(double h, double s) {
    Iterate start{};
    if (s > boundary::kSatVapourMaxEntropy) {
        start.T = region2::BackwardTemperature<Quantity::kEnthalpy>(kRegion2IdealGasMPa, h);
        start.x = IdealGasPressure(region2::Property<Quantity::kEntropy>, kRegion2IdealGasMPa, start.T, s);
    } else {
        start.x = WithinRange(region2::BackwardPressureHS(h, s), std::numeric_limits<double>::min());
        start.T = region2::BackwardTemperature<Quantity::kEnthalpy>(start.x, h);
    }
    const auto jacobian = GibbsJacobian(region2::EnthalpyEntropyAndSlopes, kRegion2Box);
    return AsPressureTemperature(Newton(jacobian, kVapourPressure, h, s, start));
}

PressureTemperature SolveRegion5(double h, double s) {
    const double p0 = kRegion5StartMPa;
    const double h25 = region5::Property<Quantity::kEnthalpy>(p0, kRegion25K);
    const double hMax = region5::Property<Quantity::kEnthalpy>(p0, kMaxK);
    const double T = std::clamp(kRegion25K + (kMaxK - kRegion25K) * (h - h25) / (hMax - h25), kRegion25K, kMaxK);
    const Iterate start{IdealGasPressure(region5::Property<Quantity::kEntropy>, p0, T, s), T};
    const auto jacobian = GibbsJacobian(region5::EnthalpyEntropyAndSlopes, kRegion5Box);
    return AsPressureTemperature(Newton(jacobian, kVapourPressure, h, s, start));
}

namespace {

// Region 3's Jacobian in (rho, T), from the reduced Helmholtz derivatives, inside its box.
std::optional<Jacobian> Region3Jacobian(double rho, double T) {
    const region3::Reduced r = region3::Isotherm(T).Derivatives(rho);
    const double R = kGasConstant;
    const double p = rho * R * T * r.d * 1e-3;
    if (!(rho > 0.0 && rho < kMaxDensity && kRegion3Box.Contains(p, T))) return std::nullopt;
    return Jacobian{R * T * (r.t + r.d),     R * (r.t - r.phi),          R * T / rho * (r.dt + r.d + r.dd),
                    R / rho * (r.dt - r.d), R * (r.d - r.tt - r.dt), -R * r.tt / T};
}

}  // namespace

DensityTemperature SolveRegion3(double h, double s) {
    const double p = region3::BackwardPressureHS(h, s);
    const Iterate start{1.0 / region3::BackwardVolume<Quantity::kEnthalpy>(p, h), region3::BackwardTemperature<Quantity::kEnthalpy>(p, h)};
    const Iterate x = Newton(Region3Jacobian, kDensity, h, s, start);
    if (!(x.x > 0.0)) return {kNaN, kNaN, kNaN};
    const ValueAndSlope ps = region3::Isotherm(x.T).PressureAndSlope(x.x);
    // At the critical point the slope vanishes, and the equation gives it as a tiny number of either sign.
    if (!(ps.slope * x.x > -kSlopeTolerance * ps.value)) return {kNaN, kNaN, kNaN};
    return {x.x, ps.value, x.T};
}

}  // namespace aquaprop::hs
