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
