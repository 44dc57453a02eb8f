#include "engine/core/transport/Transport.h"

#include "engine/core/Constants.h"
#include "engine/core/Selection.h"
#include "engine/core/transport/Viscosity.h"

namespace aquaprop::transport {

namespace {

constexpr double kMPaPerPa = 1e-6;  // w^2 in m2/s2 is (d p/d rho)_s in Pa per kg/m3

bool InRange(double T) { return T >= kMinK && T <= kTransportMaxK; }

}  // namespace

ConductivityState ConductivityStateOf(const Props& x, double T) {
    const double rho = 1.0 / x.v;
    // (d rho/d p)_T = (cp/cv) (d rho/d p)_s = cp / (cv w^2): exact for IF97's own cp, cv and w.
    const double drhodp = x.cp / (x.cv * x.w * x.w * kMPaPerPa);
    return {rho, T, x.cp, x.cv, drhodp, Viscosity(rho, T)};
}

TransportProps TransportOfState(const Props& x, double T) {
    const ConductivityState state = ConductivityStateOf(x, T);
    return {state.mu, ThermalConductivity(state)};
}

double ViscosityPT(double p, double T) {
    if (!InRange(T)) return kNaN;
    return Viscosity(1.0 / PropertyPT<Quantity::kVolume>(p, T), T);
}

TransportProps TransportPT(double p, double T) {
    if (!InRange(T)) return {kNaN, kNaN};
    return TransportOfState(StatePT(p, T), T);
}

}  // namespace aquaprop::transport
