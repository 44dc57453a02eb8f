// SPDX-License-Identifier: MIT
#include "forms/heat/HeatContentCalculation.h"

#include "forms/common/ReportLine.h"
#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"

namespace {

void PrintState(QStringList& report, const HeatContentState& state)
{
    AppendStateLines(report, StateLabel::Temperature, state.T, state.h, state.s, state.v);
}

}  // namespace

void AppendStateLines(QStringList& report, const QString& temperatureLabel, double T, double h, double s, double v)
{
    report << ReportLine(temperatureLabel, T, TempUnitText()) << ReportLine(StateLabel::Enthalpy, h, EnthalUnitText())
           << ReportLine(StateLabel::Entropy, s, EntroUnitText())
           << ReportLine(StateLabel::Volume, Module1::DensityFactor * v, DensityUnitText());
}

SetPhase PhaseOf(double value, double liquidValue, double vapourValue)
{
    if (value < liquidValue)
        return SetPhase::CompressedWater;
    if (value <= vapourValue)
        return SetPhase::Saturated;
    return SetPhase::Superheated;
}

HeatContentOutcome CalculateHeatContent(const HeatContentInputs& inputs, PropertyEngine& engine, ReportText text)
{
    const double pRef = inputs.referencePressure;
    const double pSet = inputs.setPressure;

    HeatContentState reference;
    reference.T = inputs.referenceTemperature;
    reference.h = engine.STM_nHtp(reference.T, pRef);
    reference.s = engine.STM_nStp(reference.T, pRef);
    reference.v = engine.STM_nDtp(reference.T, pRef);

    HeatContentState set;
    set.h = reference.h;
    const double Ts = engine.STM_sTp(pSet);
    const double hLiquid = engine.STM_sHtx(Ts, 1.0);
    const double hVapour = engine.STM_sHtx(Ts, 0.0);

    const SetPhase phase = PhaseOf(reference.h, hLiquid, hVapour);
    if (phase == SetPhase::Saturated) {
        // A wet state lies at Ts with the mixture's entropy and volume, at the wetness that its enthalpy gives;
        // the engine's single-phase values at (T_set, p_set) would be one saturated phase's.
        const double w = engine.STM_sXph(pSet, reference.h);
        set.T = Ts;
        set.s = engine.STM_sStx(Ts, w);
        set.v = engine.STM_sDtx(Ts, w);
    } else {
        set.T = engine.STM_nTph(pSet, reference.h);
        set.s = engine.STM_nStp(set.T, pSet);
        set.v = engine.STM_nDtp(set.T, pSet);
    }

    HeatContentOutcome outcome;
    for (double value : {reference.h, reference.s, reference.v, set.T, set.s, set.v}) {
        if (value == EngineErrorValue) {
            outcome.message = StateOutOfRange;
            return outcome;
        }
    }

    outcome.phase = phase;
    outcome.reference = reference;
    outcome.set = set;
    if (text == ReportText::Skip)
        return outcome;
    outcome.report << StateLabel::ReferenceTitle;
    PrintState(outcome.report, reference);
    outcome.report << StateLabel::SetTitle + PhaseLabels[static_cast<size_t>(phase)];
    PrintState(outcome.report, set);
    return outcome;
}

ChartStates ChartStatesOf(const HeatContentInputs& inputs, const HeatContentOutcome& outcome)
{
    if (outcome.report.isEmpty())
        return {};
    const HeatContentState& a = outcome.reference;
    const HeatContentState& b = outcome.set;
    return Process({inputs.referencePressure, a.T, a.h, a.s}, {inputs.setPressure, b.T, b.h, b.s},
                   ProcessPath::kConstantEnthalpy);
}
