// SPDX-License-Identifier: MIT
#include "engine/core/region3/DensitySolve.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/core/Constants.h"
#include "engine/core/Region3.h"
#include "engine/core/Region4.h"
#include "engine/core/region3/VolumePT.h"

namespace aquaprop::region3 {

namespace {

constexpr int kMaxIterations = 200;
// A Newton step this small (relative) ends the solve: the next one would be below round-off.
constexpr double kStepTolerance = 1e-13;
// Newton steps below kQuadraticRegime (relative) are taken as converging quadratically, and the
// iteration ends once the predicted remaining error is below kRoundOff (relative).
constexpr double kQuadraticRegime = 1e-6;
constexpr double kRoundOff = 1e-16;
// A Newton step below kCloseStart (relative) from a close start leaves an error of about K kCloseStart^2, K the
// isotherm's curvature term rho f''/(2 f'), which stays below 13 at the tabulated saturated densities: far below
// round-off.
constexpr double kCloseStart = 1e-11;
// A bracket collapsed to round-off is accepted only if the pressure matches this well.
constexpr double kPressureTolerance = 1e-12;

// Up to kJoinK the region 4 pressure cuts the region 3 isotherm in two roots, the saturated liquid and vapour.
// Above it psat(T) passes over the top of the isotherm's small loop (3.47e-5 K below Tc), the vapour root ceases
// to exist, and both densities are continued from their values here to rhoc at Tc by the square-root law of the
// equation's own critical behaviour.
constexpr double kJoinK = 647.0959653424;

bool InRange(double p, double T) {
    return std::isfinite(p) && std::isfinite(T) && p > kMinMPa && p <= kMaxMPa && T >= kRegion13K && T <= kB23MaxK;
}

// Whether rho lies above the wanted root, judged from the pressure and the slope there.
bool AboveRoot(Branch branch, double f, double slope) {
    switch (branch) {
        case Branch::kLiquid:
            return f > 0.0 && slope > 0.0;
        case Branch::kVapour:
            return f > 0.0 || slope <= 0.0;
        case Branch::kAny:
            break;
    }
    return f > 0.0;
}

double SolveOrAny(const Isotherm& isotherm, double p, Branch branch, double start) {
    const double rho = SolveDensity(isotherm, p, branch, start);
    if (!std::isnan(rho) || branch == Branch::kAny) return rho;
    return SolveDensity(isotherm, p, Branch::kAny, start);
}

// Where the solve for the density at (p, T) starts: the branch and the v(p, T) equations' density.
struct Start {
    Branch branch;
    double rho;
};

Start StartAt(double p, double T) {
    // The subregion already tells the side of the saturation line; no second Tsat(p) needed.
    const Subregion subregion = SelectSubregion(p, T);
    Branch branch = Branch::kAny;
    if (T < kCriticalK && p < kCriticalMPa) branch = IsLiquidSide(subregion) ? Branch::kLiquid : Branch::kVapour;
    return {branch, 1.0 / SubregionVolume(subregion, p, T)};
}

// The saturation pressure at T, in extended precision for the roots, and each root's start; close says whether the
// starts come from the table of saturated densities (within kCloseStart) or from the v(p, T) equations.
struct SaturationStart {
    Isotherm::Wide ps;
    Saturated<double> rho;
    bool close;
};

// Both roots side by side: their iterations are independent, and the processor overlaps them.
Saturated<double> RootsAtSaturation(const Isotherm& isotherm, const SaturationStart& start) {
    const Isotherm::Wide ps = start.ps;
    DensityIteration liquid(ps, Branch::kLiquid, start.rho.liquid, start.close);
    DensityIteration vapour(ps, Branch::kVapour, start.rho.vapour, start.close);
    while (!liquid.Done() && !vapour.Done()) {
        const Saturated<ValueAndSlope> at = isotherm.ExcessAndSlope({liquid.X(), vapour.X()}, ps);
        liquid.Take(isotherm, at.liquid);
        vapour.Take(isotherm, at.vapour);
    }
    while (!liquid.Done()) liquid.Take(isotherm, isotherm.ExcessAndSlope(liquid.X(), ps));
    while (!vapour.Done()) vapour.Take(isotherm, isotherm.ExcessAndSlope(vapour.X(), ps));
    return {liquid.X(), vapour.X()};
}

SaturationStart EquationStartAt(double T, Isotherm::Wide ps) {
    const double psD = static_cast<double>(ps);
    return {ps,
            {1.0 / SubregionVolume(SaturatedLiquidSubregion(psD), psD, T),
             1.0 / SubregionVolume(SaturatedVapourSubregion(psD), psD, T)},
            false};
}

// The saturated densities from 623.15 K to kTableTopK, tabulated as polynomials in u = sqrt(kJoinK - T) (both
// roots are smooth in u up to where they meet) over kPieces equal intervals of u, each interpolating the solved
// roots at the Chebyshev points. Within 2e-12 of the roots, which themselves scatter by up to about 1e-13 with the
// round-off of p(rho) where the isotherm is flat.
class SaturationTable {
public:
    static constexpr double kTableTopK = 646.5;

    SaturationTable() {
        for (int k = 0; k < kPieces; ++k) {
            std::array<Isotherm::Pair, kPoints> at{};
            for (int j = 0; j < kPoints; ++j) {
                const double u = lowU_ + (k + 0.5 * (1.0 + Node(j))) * pieceU_;
                const double T = kJoinK - u * u;
                const Isotherm::Wide ps = region4::SaturationPressureWide(T);
                const Saturated<double> rho = RootsAtSaturation(Isotherm(T), EquationStartAt(T, ps));
                at[j] = Isotherm::Pair{rho.liquid, rho.vapour};
            }
            for (int i = 0; i < kPoints; ++i) {
                Isotherm::Pair c = {0.0, 0.0};
                for (int j = 0; j < kPoints; ++j) c += at[j] * std::cos(kPi * i * (j + 0.5) / kPoints);
                pieces_[k][i] = c * ((i == 0 ? 1.0 : 2.0) / kPoints);
            }
        }
    }

    // The (liquid, vapour) densities at T, 623.15 K <= T <= kTableTopK, by Clenshaw's recurrence.
    Saturated<double> At(double T) const {
        const double v = (std::sqrt(kJoinK - T) - lowU_) * perPieceU_;
        const int k = std::clamp(static_cast<int>(v), 0, kPieces - 1);
        const double x = 2.0 * (v - k) - 1.0;
        const auto& c = pieces_[k];
        Isotherm::Pair b1 = {0.0, 0.0}, b2 = {0.0, 0.0};
        for (int i = kPoints - 1; i >= 1; --i) {
            const Isotherm::Pair b = 2.0 * x * b1 - b2 + c[i];
            b2 = b1;
            b1 = b;
        }
        const Isotherm::Pair rho = x * b1 - b2 + c[0];
        return {rho[0], rho[1]};
    }

private:
    static constexpr int kPieces = 16;
    static constexpr int kPoints = 9;  // degree 8
    static constexpr double kPi = 3.14159265358979323846;

    static double Node(int j) { return std::cos(kPi * (j + 0.5) / kPoints); }

    double lowU_ = std::sqrt(kJoinK - kTableTopK);
    double pieceU_ = (std::sqrt(kJoinK - kRegion13K) - lowU_) / kPieces;
    double perPieceU_ = 1.0 / pieceU_;
    std::array<std::array<Isotherm::Pair, kPoints>, kPieces> pieces_;
};

SaturationStart SaturationStartAt(double T) {
    const Isotherm::Wide ps = region4::SaturationPressureWide(T);
    if (T > SaturationTable::kTableTopK) return EquationStartAt(T, ps);
    // Built on first use: no cost at load, and no dependence on the order of static initialisation.
    static const SaturationTable table;
    return {ps, table.At(T), true};
}

// The roots at kJoinK, continued to T above it.
Saturated<double> ScaledFromJoin(double T) {
    const Saturated<double> edge = RootsAtSaturation(Isotherm(kJoinK), SaturationStartAt(kJoinK));
    const double scale = std::sqrt((kCriticalK - T) / (kCriticalK - kJoinK));
    return {kCriticalDensity + (edge.liquid - kCriticalDensity) * scale,
            kCriticalDensity - (kCriticalDensity - edge.vapour) * scale};
}

bool InSaturationRange(double T) { return T >= kRegion13K && T <= kCriticalK; }

}  // namespace

DensityIteration::DensityIteration(Isotherm::Wide p, Branch branch, double start, bool closeStart)
    : p_(p),
      branch_(branch),
      lo_(branch == Branch::kLiquid ? kCriticalDensity : 0.0),
      hi_(branch == Branch::kVapour ? kCriticalDensity : kMaxDensity),
      x_(start > lo_ && start < hi_ ? start : 0.5 * (lo_ + hi_)),
      previousStep_(hi_ - lo_),
      closeStart_(closeStart) {}

void DensityIteration::Take(const Isotherm& isotherm, ValueAndSlope ps) {
    const double f = ps.value;
    if (f == 0.0 && (branch_ == Branch::kAny || ps.slope > 0.0)) return Finish(x_);
    if (AboveRoot(branch_, f, ps.slope)) {
        hi_ = x_;
    } else {
        lo_ = x_;
    }
    double step = ps.slope > 0.0 ? f / ps.slope : 0.0;
    if (ps.slope > 0.0 && std::fabs(step) <= (closeStart_ ? kCloseStart : kStepTolerance) * x_) return Finish(x_ - step);
    closeStart_ = false;
    const double next = x_ - step;
    const bool newton =
        ps.slope > 0.0 && next > lo_ && next < hi_ && std::fabs(2.0 * step) <= std::fabs(previousStep_);
    if (newton) {
        // Converging quadratically, the error left after this step is about step^3 / previous^2:
        // below round-off, this step is the last one.
        if (previousNewton_ != 0.0 && std::fabs(step) <= kQuadraticRegime * x_ &&
            std::fabs(step * step * step) <= kRoundOff * x_ * previousNewton_ * previousNewton_) {
            return Finish(next);
        }
        previousNewton_ = step;
        x_ = next;
    } else {
        previousNewton_ = 0.0;
        step = x_ - 0.5 * (lo_ + hi_);
        x_ = 0.5 * (lo_ + hi_);
        if (x_ <= lo_ || x_ >= hi_) {
            // The bracket has shrunk to neighbouring doubles: a root only if the pressure agrees.
            return Finish(std::fabs(isotherm.ExcessAndSlope(x_, p_).value) <= kPressureTolerance * p_ ? x_ : kNaN);
        }
    }
    previousStep_ = step;
    if (++iterations_ == kMaxIterations) Finish(kNaN);
}

double SolveDensity(const Isotherm& isotherm, Isotherm::Wide p, Branch branch, double start) {
    DensityIteration root(p, branch, start);
    while (!root.Done()) root.Take(isotherm, isotherm.ExcessAndSlope(root.X(), p));
    return root.X();
}

double DensityOnBranch(double p, double T, Branch branch) {
    if (!InRange(p, T)) return kNaN;
    return SolveOrAny(Isotherm(T), p, branch, 1.0 / VolumePT(p, T));
}

// The start is worked out before the isotherm is built: its chain of dependent steps is the longer one, and the
// isotherm's sums fill the time it takes.
double DensityPT(double p, double T) {
    if (!InRange(p, T)) return kNaN;
    const Start start = StartAt(p, T);
    return SolveOrAny(Isotherm(T), p, start.branch, start.rho);
}

namespace {

// A Newton step this small (relative) from the last density evaluated carries the enthalpy there to the root.
constexpr double kEnthalpyCarry = 1e-10;

struct DensityAndEnthalpy {
    double rho;
    double h;
};

// The density and its enthalpy: the enthalpy carried from the parts at the last density evaluated, which the solve
// leaves a Newton step short of the root, instead of evaluating the sums again.
DensityAndEnthalpy SolveWithEnthalpy(const Isotherm& isotherm, double p, const Start& start) {
    DensityIteration root(p, start.branch, start.rho);
    Reduced last{};
    double lastRho = kNaN;
    while (!root.Done()) {
        const auto [ps, parts] = isotherm.ExcessSlopeAndEnthalpyParts(root.X(), p);
        last = parts;
        lastRho = root.X();
        root.Take(isotherm, ps);
    }
    double rho = root.X();
    if (std::isnan(rho) && start.branch != Branch::kAny) rho = SolveDensity(isotherm, p, Branch::kAny, start.rho);
    const double T = isotherm.T();
    if (std::fabs(rho - lastRho) <= kEnthalpyCarry * rho) return {rho, EnthalpyNear(last, lastRho, rho, T)};
    return {rho, PropertyFromReduced<Quantity::kEnthalpy>(isotherm.Derivatives<kPartsOf<Quantity::kEnthalpy>>(rho),
                                                          rho, T)};
}

}  // namespace

// h as PropertyPT gives it, the rest from the derivatives at the root.
Props PropsPT(double p, double T) {
    if (!InRange(p, T)) return kNoState;
    const Start start = StartAt(p, T);
    const Isotherm isotherm(T);
    const auto [rho, h] = SolveWithEnthalpy(isotherm, p, start);
    Props props = PropsFromReduced(isotherm.Derivatives(rho), rho, T);
    props.h = h;
    return props;
}


template <Quantity q>
double PropertyPT(double p, double T) {
    if (!InRange(p, T)) return kNaN;
    const Start start = StartAt(p, T);
    if constexpr (q == Quantity::kEnthalpy) {
        return SolveWithEnthalpy(Isotherm(T), p, start).h;
    } else {
        const Isotherm isotherm(T);
        const double rho = SolveOrAny(isotherm, p, start.branch, start.rho);
        if constexpr (q == Quantity::kVolume) {
            return 1.0 / rho;
        } else {
            return PropertyFromReduced<q>(isotherm.Derivatives<kPartsOf<q>>(rho), rho, T);
        }
    }
}

template double PropertyPT<Quantity::kVolume>(double p, double T);
template double PropertyPT<Quantity::kEnthalpy>(double p, double T);
template double PropertyPT<Quantity::kEntropy>(double p, double T);

namespace {

// The last saturation temperature's densities, per thread: a caller asks for h', h'', s', s'', v' and v'' at one
// temperature in turn, and each would solve the same two roots again.
struct LastSaturation {
    double T = kNaN;
    Saturated<double> rho{kNaN, kNaN};
};
thread_local LastSaturation last;

// The isotherm at T and the saturated densities on it, handed to use(isotherm, densities). The start is worked out
// before the isotherm is built, as for a single state.
template <typename Use>
auto WithSaturation(double T, Use use) {
    LastSaturation& cached = last;
    if (T == cached.T) return use(Isotherm(T), cached.rho);
    if (T > kJoinK) {
        cached = {T, ScaledFromJoin(T)};
        return use(Isotherm(T), cached.rho);
    }
    const SaturationStart start = SaturationStartAt(T);
    const Isotherm isotherm(T);
    cached = {T, RootsAtSaturation(isotherm, start)};
    return use(isotherm, cached.rho);
}

}  // namespace

Saturated<double> SaturationDensitiesT(double T) {
    if (!InSaturationRange(T)) return {kNaN, kNaN};
    const LastSaturation& cached = last;
    if (T == cached.T) return cached.rho;
    if (T > kJoinK) return (last = {T, ScaledFromJoin(T)}).rho;
    const SaturationStart start = SaturationStartAt(T);
    return (last = {T, RootsAtSaturation(Isotherm(T), start)}).rho;
}

template <Quantity q>
Saturated<double> SaturationPropertyT(double T) {
    if (!InSaturationRange(T)) return {kNaN, kNaN};
    return WithSaturation(T, [T](const Isotherm& isotherm, const Saturated<double>& d) -> Saturated<double> {
        constexpr unsigned kParts = kPartsOf<q>;
        return {PropertyFromReduced<q>(isotherm.Derivatives<kParts>(d.liquid), d.liquid, T),
                PropertyFromReduced<q>(isotherm.Derivatives<kParts>(d.vapour), d.vapour, T)};
    });
}

template Saturated<double> SaturationPropertyT<Quantity::kEnthalpy>(double T);
template Saturated<double> SaturationPropertyT<Quantity::kEntropy>(double T);

Saturated<Props> SaturationPropsT(double T) {
    if (!InSaturationRange(T)) return {kNoState, kNoState};
    return WithSaturation(T, [T](const Isotherm& isotherm, const Saturated<double>& d) -> Saturated<Props> {
        return {PropsFromReduced(isotherm.Derivatives(d.liquid), d.liquid, T),
                PropsFromReduced(isotherm.Derivatives(d.vapour), d.vapour, T)};
    });
}

}  // namespace aquaprop::region3
