// SPDX-License-Identifier: MIT
// The two-phase region at a pressure as a caller sees it: (p, h) is wet where the saturated values that the
// interface itself gives at the saturation temperature it gives hold h between them, ends included (likewise s).
// Conversions move values by round-off, so the decision is made in the caller's units. Both C families decide
// with it, each in its own units.
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/core/Constants.h"
#include "engine/core/Region4.h"
#include "engine/core/Saturation.h"
#include "engine/core/Selection.h"

namespace aquaprop::capi {

// Units: static TemperatureFromSI(kelvin), SaturationTemperatureToSI(T), and GivenToSI<q>(x), GivenFromSI<q>(x)
// for h (q = kEnthalpy) or s (q = kEntropy).
template <class Units>
struct CallersDome {
    // Where x, in the caller's unit, lies against the saturated values at TsSI converted to that unit: the phase,
    // with both values in the core's units where x lies between them.
    struct Side {
        Phase phase;
        Saturated<double> si;
    };

    // Between every saturated liquid's and vapour's value up to 623.15 K (h' <= 1671 kJ/kg < h'' from
    // 2500 kJ/kg, s' <= 3.78 kJ/(kg K) < s'' from 5.21 kJ/(kg K)): the side that a value is likely beyond.
    template <Quantity kGiven>
    static constexpr double kBetweenPhases = kGiven == Quantity::kEnthalpy ? 2100.0 : 4.5;

    // PhaseAgainst the saturated values in the caller's unit. Up to 623.15 K regions 1 and 2 give the two phases
    // apart, the liquid's below the vapour's by far: the one that x is likely beyond is evaluated first and the
    // other only where x is not.
    template <Quantity kGiven>
    static Side SideAt(double TsSI, double x, double xSI) {
        const auto caller = [](double si) { return Units::template GivenFromSI<kGiven>(si); };
        if (!SaturatedInRegions1And2(TsSI)) {
            const Saturated<double> si = saturation::Property<kGiven>(TsSI);
            return {PhaseAgainst({caller(si.liquid), caller(si.vapour)}, x), si};
        }
        Saturated<double> si{kNaN, kNaN};
        if (xSI < kBetweenPhases<kGiven>) {
            si.liquid = SaturatedPhase<kGiven, Phase::kLiquid>(TsSI);
            if (x < caller(si.liquid)) return {Phase::kLiquid, si};
            si.vapour = SaturatedPhase<kGiven, Phase::kVapour>(TsSI);
            return {x > caller(si.vapour) ? Phase::kVapour : Phase::kTwoPhase, si};
        }
        si.vapour = SaturatedPhase<kGiven, Phase::kVapour>(TsSI);
        if (x > caller(si.vapour)) return {Phase::kVapour, si};
        si.liquid = SaturatedPhase<kGiven, Phase::kLiquid>(TsSI);
        return {x < caller(si.liquid) ? Phase::kLiquid : Phase::kTwoPhase, si};
    }

    // The wetness of a wet (p, x), NaN for any other; the saturation temperature it belongs to in Ts.
    template <Quantity kGiven>
    static double Wetness(double pSI, double x, double* Ts = nullptr) {
        if (!(pSI >= kSatMinMPa && pSI < kCriticalMPa) || !std::isfinite(x)) return kNaN;
        const double TsCaller = Units::TemperatureFromSI(region4::SaturationTemperature(pSI));
        const double xSI = Units::template GivenToSI<kGiven>(x);
        const Side side = SideAt<kGiven>(Units::SaturationTemperatureToSI(TsCaller), x, xSI);
        if (side.phase != Phase::kTwoPhase) return kNaN;
        if (Ts != nullptr) *Ts = TsCaller;
        return LiquidFraction(side.si, xSI);
    }

    // T of (p, x) in the caller's unit: the saturation temperature inside the dome, ends included; beside it on the
    // phase's side.
    template <Quantity kGiven>
    static double Temperature(double pSI, double x) {
        if (!std::isfinite(x)) return kNaN;
        const double xSI = Units::template GivenToSI<kGiven>(x);
        if (!(pSI >= kSatMinMPa && pSI < kCriticalMPa)) {
            return Units::TemperatureFromSI(aquaprop::Temperature<kGiven>(pSI, xSI));
        }
        const double TsCore = region4::SaturationTemperature(pSI);
        const double Ts = Units::TemperatureFromSI(TsCore);
        const Phase side = SideAt<kGiven>(Units::SaturationTemperatureToSI(Ts), x, xSI).phase;
        if (side == Phase::kTwoPhase) return Ts;
        const double T = Units::TemperatureFromSI(TemperatureOnSide<kGiven>(pSI, xSI, side, TsCore));
        if (std::isnan(T)) return T;
        constexpr double kInfinity = std::numeric_limits<double>::infinity();
        if (side == Phase::kLiquid) return std::min(T, Ts);
        return T > Ts ? T : std::nextafter(Ts, kInfinity);
    }
};

}  // namespace aquaprop::capi
