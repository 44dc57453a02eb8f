// SPDX-License-Identifier: MIT
#include "engine/core/transport/Transport.h"

#include "engine/core/Constants.h"
#include "engine/core/Saturation.h"
#include "engine/core/Selection.h"
#include "engine/core/transport/Viscosity.h"

namespace aquaprop::transport {

namespace {

constexpr double kMPaPerPa = 1e-6;  // w^2 in m2/s2 is (d p/d rho)_s in Pa per kg/m3
constexpr double kJPerKJ = 1e3;     // cp in kJ/(kg K) against mu in Pa s and lambda in W/(m K)

bool InRange(double T) { return T >= kMinK && T <= kTransportMaxK; }

// The specific volume of (p, T) where the transport properties are defined, NaN elsewhere.
double VolumeInRange(double p, double T) { return InRange(T) ? PropertyPT<Quantity::kVolume>(p, T) : kNaN; }

}  // namespace

ConductivityState ConductivityStateOf(const Props& x, double T) {
    const double rho = 1.0 / x.v;
    // Region 3's saturated states within 1e-10 K of Tc have cp < 0 (the equation's own critical point lies a
    // little off IF97's Tc and rhoc); there is no conductivity there, rather than one without its enhancement.
    const double cp = x.cp > 0.0 ? x.cp : kNaN;
    // (d rho/d p)_T = (cp/cv) (d rho/d p)_s = cp / (cv w^2): exact for IF97's own cp, cv and w.
    const double drhodp = cp / (x.cv * x.w * x.w * kMPaPerPa);
    return {rho, T, cp, x.cv, drhodp, Viscosity(rho, T)};
}

TransportProps TransportOfState(const Props& x, double T) {
    const ConductivityState state = ConductivityStateOf(x, T);
    return {state.mu, ThermalConductivity(state)};
}

double ViscosityPT(double p, double T) { return Viscosity(1.0 / VolumeInRange(p, T), T); }

TransportProps TransportPT(double p, double T) {
    if (!InRange(T)) return {kNaN, kNaN};
    return TransportOfState(StatePT(p, T), T);
}

double KinematicViscosityPT(double p, double T) {
    const double v = VolumeInRange(p, T);
    return Viscosity(1.0 / v, T) * v;
}

double PrandtlPT(double p, double T) {
    if (!InRange(T)) return kNaN;
    const Props x = StatePT(p, T);
    const TransportProps t = TransportOfState(x, T);
    return x.cp * kJPerKJ * t.mu / t.lambda;
}

Saturated<double> SaturatedViscosity(double T) {
    const Saturated<double> v = saturation::Property<Quantity::kVolume>(T);
    return {Viscosity(1.0 / v.liquid, T), Viscosity(1.0 / v.vapour, T)};
}

Saturated<double> SaturatedConductivity(double T) {
    const Saturated<Props> x = saturation::States(T);
    return {TransportOfState(x.liquid, T).lambda, TransportOfState(x.vapour, T).lambda};
}

}  // namespace aquaprop::transport
