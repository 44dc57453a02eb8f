// SPDX-License-Identifier: MIT
// The two-phase region at a pressure as a caller sees it: (p, h) is wet where the saturated values that the
// interface itself gives at the saturation temperature it gives hold h between them, ends included (likewise s).
// Conversions move values by round-off, so the decision is made in the caller's units. Both C families decide
// with it, each in its own units.
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "engine/core/Constants.h"
#include "engine/core/Region4.h"
#include "engine/core/Saturation.h"
#include "engine/core/Selection.h"

namespace aquaprop::capi {

// Units: static TemperatureFromSI(kelvin), SaturationTemperatureToSI(T), and GivenToSI<q>(x), GivenFromSI<q>(x)
// for h (q = kEnthalpy) or s (q = kEntropy).
template <class Units>
struct CallersDome {
    struct Dome {
        double Ts;                // the saturation temperature in the caller's unit
        Saturated<double> si;     // the saturated values at Ts, in the core's units
        Saturated<double> caller; // the same in the caller's unit
    };

    // None at or above pc and below the lowest saturation pressure.
    template <Quantity kGiven>
    static std::optional<Dome> At(double pSI) {
        if (!(pSI >= kSatMinMPa && pSI < kCriticalMPa)) return std::nullopt;
        const double Ts = Units::TemperatureFromSI(region4::SaturationTemperature(pSI));
        const Saturated<double> si = saturation::Property<kGiven>(Units::SaturationTemperatureToSI(Ts));
        const Saturated<double> caller{Units::template GivenFromSI<kGiven>(si.liquid),
                                       Units::template GivenFromSI<kGiven>(si.vapour)};
        return Dome{Ts, si, caller};
    }

    // The wetness of a wet (p, x), NaN for any other; the saturation temperature it belongs to in Ts.
    template <Quantity kGiven>
    static double Wetness(double pSI, double x, double* Ts = nullptr) {
        const std::optional<Dome> dome = At<kGiven>(pSI);
        if (!dome || !std::isfinite(x) || PhaseAgainst(dome->caller, x) != Phase::kTwoPhase) return kNaN;
        if (Ts != nullptr) *Ts = dome->Ts;
        return LiquidFraction(dome->si, Units::template GivenToSI<kGiven>(x));
    }

    // T of (p, x) in the caller's unit: the saturation temperature inside the dome, ends included; beside it on the
    // phase's side.
    template <Quantity kGiven>
    static double Temperature(double pSI, double x) {
        if (!std::isfinite(x)) return kNaN;
        const double xSI = Units::template GivenToSI<kGiven>(x);
        const std::optional<Dome> dome = At<kGiven>(pSI);
        if (!dome) return Units::TemperatureFromSI(aquaprop::Temperature<kGiven>(pSI, xSI));
        const Phase side = PhaseAgainst(dome->caller, x);
        if (side == Phase::kTwoPhase) return dome->Ts;
        const double T = Units::TemperatureFromSI(TemperatureOnSide<kGiven>(pSI, xSI, side));
        if (std::isnan(T)) return T;
        constexpr double kInfinity = std::numeric_limits<double>::infinity();
        return side == Phase::kLiquid ? std::min(T, dome->Ts) : std::max(T, std::nextafter(dome->Ts, kInfinity));
    }
};

}  // namespace aquaprop::capi
