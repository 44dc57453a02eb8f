// SPDX-License-Identifier: MIT
#include "forms/main/PropertyCalculation.h"

#include "forms/common/LeadingNumber.h"
#include "forms/main/ResultReport.h"
#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"

#include <initializer_list>

namespace {

enum Field { kPressure = 1, kTemperature = 2, kEnthalpy = 3, kDryness = 4 };

// Wetness arguments of the saturation functions.
constexpr double kLiquid = 1.0;
constexpr double kVapour = 0.0;

bool anyError(std::initializer_list<double> results)
{
    for (double result : results)
        if (result == EngineErrorValue)
            return true;
    return false;
}

CalculationOutcome message(const QString& text) { return {text, {}}; }

// The numbers of a report; Calculate adds the lines where they are wanted.
CalculationOutcome report(const SaturationState& state)
{
    CalculationOutcome outcome;
    outcome.saturation = state;
    return outcome;
}

CalculationOutcome report(const PhaseState& state)
{
    CalculationOutcome outcome;
    outcome.state = state;
    return outcome;
}


// h', h'', s', s'', v', v'' at a saturation temperature, fetched in that order.
void fetchSaturatedValues(PropertyEngine& engine, double T, SaturationState& state)
{
    state.hLiquid = engine.STM_sHtx(T, kLiquid);
    state.hVapour = engine.STM_sHtx(T, kVapour);
    state.sLiquid = engine.STM_sStx(T, kLiquid);
    state.sVapour = engine.STM_sStx(T, kVapour);
    state.vLiquid = engine.STM_sDtx(T, kLiquid);
    state.vVapour = engine.STM_sDtx(T, kVapour);
}

CalculationOutcome saturationByPressure(PropertyEngine& engine, double P)
{
    SaturationState state{};
    state.P = P;
    state.Ts = engine.STM_sTp(P);
    fetchSaturatedValues(engine, state.Ts, state);
    if (anyError({state.Ts, state.hLiquid, state.hVapour, state.sLiquid, state.sVapour, state.vLiquid,
                  state.vVapour}))
        return message(CalculationMessage::PressureOutOfRange);
    return report(state);
}

CalculationOutcome saturationByTemperature(PropertyEngine& engine, double T)
{
    SaturationState state{};
    state.P = engine.STM_sPt(T);
    state.Ts = T;
    fetchSaturatedValues(engine, T, state);
    if (anyError({state.P, state.hLiquid, state.hVapour, state.sLiquid, state.sVapour, state.vLiquid,
                  state.vVapour}))
        return message(CalculationMessage::TemperatureOutOfRange);
    return report(state);
}

CalculationOutcome pressureTemperature(PropertyEngine& engine, double P, double T)
{
    const double Ts = engine.STM_sTp(P);
    const double h = engine.STM_nHtp(T, P);
    const double s = engine.STM_nStp(T, P);
    const double v = engine.STM_nDtp(T, P);
    if (anyError({Ts, h, s, v}))
        return message(CalculationMessage::PressureOrTemperatureOutOfRange);
    const Phase phase = T < Ts ? Phase::CompressedWater : T > Ts ? Phase::SuperheatedSteam : Phase::None;
    return report(PhaseState{phase, P, T, h, s, v});
}

// Compressed water, wet steam or superheated steam from where h lies against h' and h''; the two bounds
// are not checked, so an engine refusal sends every h above the error value to superheated steam.
Phase enthalpyPhase(PropertyEngine& engine, double P, double h)
{
    const double hLiquid = engine.STM_sHtx(engine.STM_sTp(P), kLiquid);
    const double hVapour = engine.STM_sHtx(engine.STM_sTp(P), kVapour);
    if (h < hLiquid)
        return Phase::CompressedWater;
    if (h <= hVapour)
        return Phase::WetSteam;
    if (h > hLiquid)
        return Phase::SuperheatedSteam;
    return Phase::None;
}

CalculationOutcome pressureEnthalpy(PropertyEngine& engine, double P, double h)
{
    const EnthalpyState found = StateFromPressureEnthalpy(engine, P, h);
    if (found.state.phase == Phase::None)
        return {};
    if (found.refused)
        return message(CalculationMessage::PressureOrEnthalpyOutOfRange);
    return report(found.state);
}

// The liquid share of the mixture's volume for dryness x, from the saturated values a (liquid) and
// b (vapour), which are specific volumes or, with a density unit, densities. A zero denominator gives a
// NaN, which the engine refuses.
double volumeWetness(double x, double a, double b)
{
    const bool densities = IsDensityUnit(Module1::DensityUnit);
    const double liquid = (1 - x) * (densities ? 1 / a : a);
    const double vapour = x * (densities ? 1 / b : b);
    return liquid / (liquid + vapour);
}

CalculationOutcome pressureDryness(PropertyEngine& engine, double P, double x)
{
    if (x < 0 || x > 1)
        return message(CalculationMessage::DrynessOutOfRange);
    const double Ts = engine.STM_sTp(P);
    const double h = engine.STM_sHtx(Ts, 1 - x);
    const double s = engine.STM_sStx(Ts, 1 - x);
    const double v = WetVolume(engine, Ts, x);
    if (anyError({Ts, h, s, v}))
        return message(CalculationMessage::PressureOutOfRange);
    return report(PhaseState{Phase::WetSteam, P, Ts, h, s, v});
}

}  // namespace

double WetVolume(PropertyEngine& engine, double Ts, double x)
{
    if (Module1::DrynessBasis == 1) {
        const double a = engine.STM_sDtx(Ts, kLiquid);
        const double b = engine.STM_sDtx(Ts, kVapour);
        return engine.STM_sDtx(Ts, volumeWetness(x, a, b));
    }
    return engine.STM_sDtx(Ts, 1 - x);  // mass basis, also for a basis the settings file should not hold
}

EnthalpyState StateFromPressureEnthalpy(PropertyEngine& engine, double P, double h)
{
    EnthalpyState found{PhaseState{enthalpyPhase(engine, P, h), P, 0, h, 0, 0}};
    PhaseState& state = found.state;
    if (state.phase == Phase::None)
        return found;
    if (state.phase == Phase::WetSteam) {
        state.T = engine.STM_sTp(P);
        found.wetness = engine.STM_sXph(P, h);  // goes on unchecked, like the engine's own refusal would
        state.s = engine.STM_sStx(state.T, found.wetness);
        state.v = engine.STM_sDtx(state.T, found.wetness);
    } else {
        state.T = engine.STM_nTph(P, h);
        state.s = engine.STM_nStp(state.T, P);
        state.v = engine.STM_nDtp(state.T, P);
    }
    found.refused = anyError({state.T, state.s, state.v});
    return found;
}

CalculationCase Classify(const std::array<bool, 4>& filled)
{
    const auto [P, T, h, x] = filled;
    if (!P && !T && !h && !x)
        return CalculationCase::None;
    if (!T && !h && !x)
        return CalculationCase::SaturationByPressure;
    if (!P && !h && !x)
        return CalculationCase::SaturationByTemperature;
    if (P && T)
        return CalculationCase::PressureTemperature;
    if (P && h)
        return CalculationCase::PressureEnthalpy;
    if (P && x && !T && !h)
        return CalculationCase::PressureDryness;
    return CalculationCase::None;
}

std::vector<int> DiscardedFields(CalculationCase calculationCase)
{
    switch (calculationCase) {
    case CalculationCase::PressureTemperature: return {kEnthalpy, kDryness};
    case CalculationCase::PressureEnthalpy: return {kTemperature, kDryness};
    default: return {};
    }
}

CalculationOutcome CalculateCase(CalculationCase calculationCase, const std::array<double, 4>& values,
                                 PropertyEngine& engine, ReportText text)
{
    const auto [P, T, h, x] = values;
    CalculationOutcome outcome;
    switch (calculationCase) {
    case CalculationCase::None:
    case CalculationCase::TemperatureDryness:
        break;
    case CalculationCase::SaturationByPressure:
        outcome = saturationByPressure(engine, P);
        break;
    case CalculationCase::SaturationByTemperature:
        outcome = saturationByTemperature(engine, T);
        break;
    case CalculationCase::PressureTemperature:
        outcome = pressureTemperature(engine, P, T);
        break;
    case CalculationCase::PressureEnthalpy:
        outcome = pressureEnthalpy(engine, P, h);
        break;
    case CalculationCase::PressureDryness:
        outcome = pressureDryness(engine, P, x);
        break;
    }
    if (text == ReportText::Build) {
        if (outcome.saturation)
            outcome.report = SaturationReport(*outcome.saturation);
        else if (outcome.state)
            outcome.report = StateReport(*outcome.state);
    }
    return outcome;
}

CalculationOutcome Calculate(InputFields& fields, PropertyEngine& engine, ReportText text)
{
    const auto filled = [&fields](int field) { return !fields.Text(field).isEmpty(); };
    const CalculationCase calculationCase =
        Classify({filled(kPressure), filled(kTemperature), filled(kEnthalpy), filled(kDryness)});
    for (int field : DiscardedFields(calculationCase))
        fields.Clear(field);
    const auto value = [&fields](int field) { return LeadingNumber(fields.Text(field)); };
    return CalculateCase(calculationCase, {value(kPressure), value(kTemperature), value(kEnthalpy), value(kDryness)},
                         engine, text);
}

ChartStates ChartStatesOf(const CalculationOutcome& outcome)
{
    if (outcome.saturation) {
        const SaturationState& x = *outcome.saturation;
        return Process({x.P, x.Ts, x.hLiquid, x.sLiquid}, {x.P, x.Ts, x.hVapour, x.sVapour},
                       ProcessPath::kConstantPressure);
    }
    if (outcome.state)
        return SingleState({outcome.state->P, outcome.state->T, outcome.state->h, outcome.state->s});
    return {};
}
