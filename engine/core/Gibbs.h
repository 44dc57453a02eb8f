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

// What each property needs.
inline constexpr unsigned kForVolume = kGp;
inline constexpr unsigned kForEnthalpy = kGt;
inline constexpr unsigned kForEntropy = kG | kGt;
inline constexpr unsigned kForEnthalpyCp = kGt | kGtt;
inline constexpr unsigned kForEntropyCp = kG | kGt | kGtt;
inline constexpr unsigned kForSlopes = kG | kGp | kGt | kGtt | kGpt;

// A reduced state: T in K, pi = p/p*, tau = T*/T, and p* in MPa.
struct Point {
    double T;
    double pi;
    double tau;
    double refMPa;
};

inline double Volume(const Derivatives& d, const Point& x) {
    return kGasConstant * x.T * d.gp / x.refMPa * 1e-3;
}
inline double Enthalpy(const Derivatives& d, const Point& x) { return kGasConstant * x.T * x.tau * d.gt; }
inline double Entropy(const Derivatives& d, const Point& x) { return kGasConstant * (x.tau * d.gt - d.g); }
inline double Cp(const Derivatives& d, const Point& x) { return -kGasConstant * x.tau * x.tau * d.gtt; }

// dh/dp = R T tau gamma_pitau / p*, ds/dp = R (tau gamma_pitau - gamma_pi) / p*, written with the pi-scaled
// derivatives over p = pi p*.
inline EnthalpyEntropySlopes Slopes(const Derivatives& d, const Point& x) {
    const double p = x.pi * x.refMPa;
    const double cp = Cp(d, x);
    return {Enthalpy(d, x), Entropy(d, x), kGasConstant * x.T * x.tau * d.pgpt / p,
            kGasConstant * (x.tau * d.pgpt - d.pgp) / p, cp, cp / x.T};
}

inline Props AllProps(const Derivatives& d, const Point& x) {
    const double RT = kGasConstant * x.T;
    const double a = d.pgp - x.tau * d.pgpt;
    const double tt = x.tau * x.tau * d.gtt;
    Props out{};
    out.v = Volume(d, x);
    out.h = RT * x.tau * d.gt;
    out.u = RT * (x.tau * d.gt - x.pi * d.gp);
    out.s = kGasConstant * (x.tau * d.gt - d.g);
    out.cp = -kGasConstant * tt;
    out.cv = kGasConstant * (-tt + a * a / d.ppgpp);
    out.w = std::sqrt(1e3 * RT * d.pgp * d.pgp / (a * a / tt - d.ppgpp));
    return out;
}

// Regions 2 and 5: an ideal part ln pi + sum n tau^J and a residual part sum n pi^I (tau - shift)^J.
template <const auto& kIdeal, const auto& kResidual, double kTauShift, unsigned kParts>
inline Derivatives IdealPlusResidual(double pi, double tau) {
    constexpr unsigned kIdealParts = kParts & (kF | kFy | kFyy);
    const PowerSums o = SumPowers<kIdeal, kIdealParts>(pi, tau);
    const PowerSums r = SumPowers<kResidual, kParts>(pi, tau - kTauShift);
    Derivatives d;
    if constexpr ((kParts & kG) != 0u) d.g = std::log(pi) + o.f + r.f;
    if constexpr ((kParts & kGp) != 0u) {
        d.gp = 1.0 / pi + r.fx;
        d.pgp = 1.0 + r.xfx;
    }
    if constexpr ((kParts & kGpp) != 0u) d.ppgpp = -1.0 + r.xxfxx;
    if constexpr ((kParts & kGt) != 0u) d.gt = o.fy + r.fy;
    if constexpr ((kParts & kGtt) != 0u) d.gtt = o.fyy + r.fyy;
    if constexpr ((kParts & kGpt) != 0u) d.pgpt = r.xfxy;
    return d;
}

// The entry points every Gibbs region offers. Model supplies Reduce(p, T) -> Point and
// Evaluate<kParts>(Point) -> Derivatives; everything else is shared.
template <typename Model>
struct RegionFunctions {
    static double VolumeAt(double p, double T) {
        const Point x = Model::Reduce(p, T);
        return Volume(Model::template Evaluate<kForVolume>(x), x);
    }
    static double EnthalpyAt(double p, double T) {
        const Point x = Model::Reduce(p, T);
        return Enthalpy(Model::template Evaluate<kForEnthalpy>(x), x);
    }
    static double EntropyAt(double p, double T) {
        const Point x = Model::Reduce(p, T);
        return Entropy(Model::template Evaluate<kForEntropy>(x), x);
    }
    static ValueAndSlope EnthalpyAndCpAt(double p, double T) {
        const Point x = Model::Reduce(p, T);
        const Derivatives d = Model::template Evaluate<kForEnthalpyCp>(x);
        return {Enthalpy(d, x), Cp(d, x)};
    }
    static ValueAndSlope EntropyAndSlopeAt(double p, double T) {
        const Point x = Model::Reduce(p, T);
        const Derivatives d = Model::template Evaluate<kForEntropyCp>(x);
        return {Entropy(d, x), Cp(d, x) / T};
    }
    static EnthalpyEntropySlopes SlopesAt(double p, double T) {
        const Point x = Model::Reduce(p, T);
        return Slopes(Model::template Evaluate<kForSlopes>(x), x);
    }
    static Props StateAt(double p, double T) {
        const Point x = Model::Reduce(p, T);
        return AllProps(Model::template Evaluate<kAll>(x), x);
    }
};

}  // namespace aquaprop::gibbs
