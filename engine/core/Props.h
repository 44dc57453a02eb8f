#pragma once

namespace aquaprop {

// Properties of one state in SI core units.
struct Props {
    double v;   // m3/kg
    double h;   // kJ/kg
    double u;   // kJ/kg
    double s;   // kJ/(kg K)
    double cp;  // kJ/(kg K)
    double cv;  // kJ/(kg K)
    double w;   // m/s
};

}  // namespace aquaprop

namespace aquaprop {

// A property and its derivative in T at constant p (for h: h and cp; for s: s and cp/T), for Newton steps.
struct ValueAndSlope {
    double value;
    double slope;
};

}  // namespace aquaprop

namespace aquaprop {

// h and s with their partial derivatives in p (at constant T) and in T (at constant p): the Jacobian of a
// Newton step in (p, T) towards a given h and s.
struct EnthalpyEntropySlopes {
    double h;     // kJ/kg
    double s;     // kJ/(kg K)
    double dhdp;  // kJ/kg per MPa
    double dsdp;  // kJ/(kg K) per MPa
    double dhdT;  // cp, kJ/(kg K)
    double dsdT;  // cp/T, kJ/(kg K^2)
};

}  // namespace aquaprop

namespace aquaprop {

// The single-phase and saturation properties the C interface serves.
enum class Quantity { kVolume, kEnthalpy, kEntropy };

}  // namespace aquaprop
