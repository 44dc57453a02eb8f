// SPDX-License-Identifier: MIT
// The words the engine core speaks in: the properties of a state, which property is meant (the one asked for,
// or the one given beside p), a value with its slope for Newton steps, and the two saturated phases.
#pragma once

#include "engine/core/Constants.h"

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

// No state: every property NaN.
inline constexpr Props kNoState{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN};

// A property by name: what a function computes (PropertyPT<Quantity::kEnthalpy>), or what is given beside the
// pressure (Temperature<Quantity::kEntropy>(p, s) is T(p, s)).
enum class Quantity { kVolume, kEnthalpy, kEntropy };

// The property q of a state.
template <Quantity q>
constexpr double Get(const Props& x) {
    switch (q) {
        case Quantity::kVolume:
            return x.v;
        case Quantity::kEnthalpy:
            return x.h;
        case Quantity::kEntropy:
            break;
    }
    return x.s;
}

// A value and its derivative in the variable being solved for: h and cp, or s and cp/T, in T at constant p;
// p and dp/drho along an isotherm.
struct ValueAndSlope {
    double value;
    double slope;
};

// Where a state given by p and h (or s) lies against the two-phase dome: on its liquid side (T <= Tsat(p)), inside
// it, on its vapour side (T > Tsat(p)), or at or above the critical pressure, where there is no dome.
enum class Phase { kLiquid, kTwoPhase, kVapour, kSupercritical };
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

// The saturated liquid's and the saturated vapour's value of something.
template <typename Value>
struct Saturated {
    Value liquid;
    Value vapour;
};

}  // namespace aquaprop
