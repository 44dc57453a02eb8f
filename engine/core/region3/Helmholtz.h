// SPDX-License-Identifier: MIT
// The region 3 Helmholtz equation phi(delta, tau) = f/(RT), delta = rho/rhoc, tau = Tc/T.
// For one temperature the equation collapses to polynomials in delta, which every solve
// along an isotherm evaluates cheaply.
#pragma once

#include <array>
#include <utility>

#include "engine/core/Props.h"

namespace aquaprop::region3 {

// Reduced derivatives at one state, each carrying its powers of delta and tau.
struct Reduced {
    double phi;  // phi
    double d;    // delta phi_delta
    double dd;   // delta^2 phi_deltadelta
    double t;    // tau phi_tau
    double tt;   // tau^2 phi_tautau
    double dt;   // delta tau phi_deltatau
};

// Which of the reduced derivatives a caller needs; the others are left zero. phi alone takes a logarithm.
enum Part : unsigned {
    kPhi = 1u << 0,
    kD = 1u << 1,
    kDD = 1u << 2,
    kT = 1u << 3,
    kTT = 1u << 4,
    kDT = 1u << 5,
    kEveryPart = kPhi | kD | kDD | kT | kTT | kDT,
};

// The parts that the volume, enthalpy or entropy is made of.
template <Quantity q>
inline constexpr unsigned kPartsOf = q == Quantity::kEnthalpy ? kT | kD : q == Quantity::kEntropy ? kT | kPhi : 0u;

class Isotherm {
public:
    explicit Isotherm(double T);

    double T() const { return T_; }
    double Pressure(double rho) const;
    // p in MPa and dp/drho in MPa per kg/m3.
    ValueAndSlope PressureAndSlope(double rho) const;
    // p(rho) - p before p(rho) is rounded to double, and dp/drho: a root is then found to far below the
    // pressure's own round-off, where p hardly changes with rho.
    ValueAndSlope ExcessAndSlope(double rho, long double p) const;
    // The same, and t, d, dd and dt of the reduced derivatives at rho (the others zero): enough to carry the
    // enthalpy from rho to a root a tiny Newton step away (EnthalpyNear).
    std::pair<ValueAndSlope, Reduced> ExcessSlopeAndEnthalpyParts(double rho, long double p) const;
    // The same at two densities at once (the saturated liquid's and vapour's), with the same values.
    Saturated<ValueAndSlope> ExcessAndSlope(Saturated<double> rho, long double p) const;
    // Every derivative, or only the given parts (a combination of Part).
    Reduced Derivatives(double rho) const { return Derivatives<kEveryPart>(rho); }
    template <unsigned kParts>
    Reduced Derivatives(double rho) const;

    static constexpr int kDegree = 11;  // highest power of delta
    // The pressure sums cancel to about 1e-3 of their largest term in the dense liquid, so they
    // are accumulated in extended precision to keep p(rho) accurate to round-off.
    using Wide = long double;
    // Two double sums that go through the same steps, in one vector register.
    using Pair = double __attribute__((vector_size(16)));

private:
    template <typename R>
    using Coefficients = std::array<R, kDegree + 1>;

    double T_;
    double rt_;                 // R T in kJ/kg
    Coefficients<Wide> a_;      // sum over J of n tau^J, for each power I of delta
    Coefficients<Pair> bc_;     // sum of J n tau^J and sum of J (J - 1) n tau^J
};

// The reduced derivatives at one state without keeping the isotherm: its coefficients are summed as the Horner
// sums reach them. The same values as Isotherm(T).Derivatives<kParts>(rho).
template <unsigned kParts>
Reduced DerivativesAt(double rho, double T);

// The enthalpy at (rho, T) from the parts ExcessSlopeAndEnthalpyParts gave at (rhoAt, T), rho within 1e-10 of
// rhoAt (relative): h and delta dh/ddelta there, to first order, which leaves an error far below round-off.
double EnthalpyNear(const Reduced& at, double rhoAt, double rho, double T);

// Every property from the reduced derivatives at (rho, T).
Props PropsFromReduced(const Reduced& r, double rho, double T);

// The volume, enthalpy or entropy alone from the reduced derivatives at (rho, T).
template <Quantity q>
double PropertyFromReduced(const Reduced& r, double rho, double T);
template <>
double PropertyFromReduced<Quantity::kVolume>(const Reduced& r, double rho, double T);
template <>
double PropertyFromReduced<Quantity::kEnthalpy>(const Reduced& r, double rho, double T);
template <>
double PropertyFromReduced<Quantity::kEntropy>(const Reduced& r, double rho, double T);

}  // namespace aquaprop::region3
