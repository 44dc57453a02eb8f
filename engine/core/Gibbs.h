// SPDX-License-Identifier: MIT
// The Gibbs regions 1, 2 and 5: gamma(pi, tau) = g/(RT), its derivatives, and the property
// formulas built from them, written once for all three.
#pragma once

#include <cmath>

#include "engine/core/Constants.h"
#include "engine/core/PowerSum.h"
#include "engine/core/Props.h"

namespace aquaprop::gibbs {

// gamma and its partial derivatives in pi and tau. The second derivatives involving pi are kept times pi^2
// and pi (pgp, ppgpp, pgpt): so they stay finite however small the pressure, where gamma_pi and gamma_pipi
// of the ideal-gas part (1/pi, -1/pi^2) overflow.
struct Derivatives {
    double g = 0.0;
    double gp = 0.0;
    double gt = 0.0;
    double gtt = 0.0;
    double pgp = 0.0;    // pi gamma_pi
    double ppgpp = 0.0;  // pi^2 gamma_pipi
    double pgpt = 0.0;   // pi gamma_pitau
};

// Which derivatives to form; the bits match SumPart with x = pi and y = tau.
enum Part : unsigned {
    kG = kF,
    kGp = kFx,
    kGpp = kFxx,
    kGt = kFy,
    kGtt = kFyy,
    kGpt = kFxy,
    kAll = kAllParts,
};

// A reduced state: T in K, pi = p/p*, tau = T*/T, and p* in MPa.
struct Point {
    double T;
    double pi;
    double tau;
    double refMPa;
};

inline double Cp(const Derivatives& d, const Point& x) { return -kGasConstant * x.tau * x.tau * d.gtt; }

// Each single property: the derivatives it needs, its formula and, for h and s, its slope in T at constant p.
template <Quantity q>
struct Formula;

template <>
struct Formula<Quantity::kVolume> {
    static constexpr unsigned kParts = kGp;
    static double Value(const Derivatives& d, const Point& x) { return kGasConstant * x.T * d.gp / x.refMPa * 1e-3; }
};

template <>
struct Formula<Quantity::kEnthalpy> {
    static constexpr unsigned kParts = kGt;
    static double Value(const Derivatives& d, const Point& x) { return kGasConstant * x.T * x.tau * d.gt; }
    static double Slope(const Derivatives& d, const Point& x) { return Cp(d, x); }
};

template <>
struct Formula<Quantity::kEntropy> {
    static constexpr unsigned kParts = kG | kGt;
    static double Value(const Derivatives& d, const Point& x) { return kGasConstant * (x.tau * d.gt - d.g); }
    static double Slope(const Derivatives& d, const Point& x) { return Cp(d, x) / x.T; }
};

// h and s with their slopes in p and T: dh/dp = R T tau gamma_pitau / p*, ds/dp = R (tau gamma_pitau - gamma_pi) / p*,
// written with the pi-scaled derivatives over p = pi p*.
inline constexpr unsigned kSlopeParts = kG | kGp | kGt | kGtt | kGpt;

inline EnthalpyEntropySlopes Slopes(const Derivatives& d, const Point& x) {
    const double p = x.pi * x.refMPa;
    const double cp = Cp(d, x);
    return {Formula<Quantity::kEnthalpy>::Value(d, x), Formula<Quantity::kEntropy>::Value(d, x),
            kGasConstant * x.T * x.tau * d.pgpt / p, kGasConstant * (x.tau * d.pgpt - d.pgp) / p, cp, cp / x.T};
}

inline Props AllProps(const Derivatives& d, const Point& x) {
    const double RT = kGasConstant * x.T;
    const double a = d.pgp - x.tau * d.pgpt;
    const double tt = x.tau * x.tau * d.gtt;
    Props out{};
    out.v = Formula<Quantity::kVolume>::Value(d, x);
    out.h = Formula<Quantity::kEnthalpy>::Value(d, x);
    out.u = RT * (x.tau * d.gt - x.pi * d.gp);
    out.s = Formula<Quantity::kEntropy>::Value(d, x);
    out.cp = -kGasConstant * tt;
    out.cv = kGasConstant * (-tt + a * a / d.ppgpp);
    out.w = std::sqrt(1e3 * RT * d.pgp * d.pgp / (a * a / tt - d.ppgpp));
    return out;
}

// Regions 2 and 5: an ideal part ln pi + sum n tau^J and a residual part sum n pi^I (tau - shift)^J, with
// pi = p / 1 MPa and tau = T* / T.
template <const auto& kIdeal, const auto& kResidual, double kRefK, double kTauShift>
struct IdealPlusResidual {
    static constexpr double kRefMPa = 1.0;

    static Point Reduce(double p, double T) { return {T, p / kRefMPa, kRefK / T, kRefMPa}; }

    template <unsigned kParts>
    static Derivatives Evaluate(const Point& x) {
        constexpr unsigned kIdealParts = kParts & (kF | kFy | kFyy);
        const PowerSums o = SumPowers<kIdeal, kIdealParts>(x.pi, x.tau);
        const PowerSums r = SumPowers<kResidual, kParts>(x.pi, x.tau - kTauShift);
        Derivatives d;
        if constexpr ((kParts & kG) != 0u) d.g = std::log(x.pi) + o.f + r.f;
        if constexpr ((kParts & kGp) != 0u) {
            d.gp = 1.0 / x.pi + r.fx;
            d.pgp = 1.0 + r.xfx;
        }
        if constexpr ((kParts & kGpp) != 0u) d.ppgpp = -1.0 + r.xxfxx;
        if constexpr ((kParts & kGt) != 0u) d.gt = o.fy + r.fy;
        if constexpr ((kParts & kGtt) != 0u) d.gtt = o.fyy + r.fyy;
        if constexpr ((kParts & kGpt) != 0u) d.pgpt = r.xfxy;
        return d;
    }
};

// The entry points every Gibbs region offers. Model supplies Reduce(p, T) -> Point and
// Evaluate<kParts>(Point) -> Derivatives; everything else is shared.
template <typename Model>
struct RegionFunctions {
    template <Quantity q>
    static double Property(double p, double T) {
        const Point x = Model::Reduce(p, T);
        return Formula<q>::Value(Model::template Evaluate<Formula<q>::kParts>(x), x);
    }
    template <Quantity q>
    static ValueAndSlope PropertyAndSlope(double p, double T) {
        const Point x = Model::Reduce(p, T);
        const Derivatives d = Model::template Evaluate<Formula<q>::kParts | kGtt>(x);
        return {Formula<q>::Value(d, x), Formula<q>::Slope(d, x)};
    }
    static EnthalpyEntropySlopes EnthalpyEntropyAndSlopes(double p, double T) {
        const Point x = Model::Reduce(p, T);
        return Slopes(Model::template Evaluate<kSlopeParts>(x), x);
    }
    static Props State(double p, double T) {
        const Point x = Model::Reduce(p, T);
        return AllProps(Model::template Evaluate<kAll>(x), x);
    }
};

}  // namespace aquaprop::gibbs
