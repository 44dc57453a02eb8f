// SPDX-License-Identifier: MIT
#include "forms/isentropic/IsentropicCalculation.h"

#include "forms/common/LeadingNumber.h"
#include "forms/common/ReportLine.h"
#include "forms/heat/HeatContentCalculation.h"
#include "forms/main/PropertyCalculation.h"
#include "settings/UnitCatalogue.h"

namespace {

const QString kEfficiencyOutOfRange = QStringLiteral("効率が範囲外です。");

const QString kIsentropicTitle = QStringLiteral("等エントロピ");
const QString kActualTitle = QStringLiteral("実際");
const QString kDropTitle = QStringLiteral(" 熱落差");
const QString kIsentropicDropLabel = QStringLiteral("  断熱 h1-h2s     = ");
const QString kActualDropLabel = QStringLiteral("  有効 h1-h2      = ");

// Wetness arguments of the saturation functions.
constexpr double kLiquid = 1.0;
constexpr double kVapour = 0.0;

IsentropicOutcome message(const QString& text) { return {text, {}, std::nullopt}; }

// A wet state's dryness from its wetness w; a refused wetness stays the error value, so the state counts as refused.
void takeWetness(IsentropicPoint& point, double w)
{
    point.dryness = w == EngineErrorValue ? EngineErrorValue : 1 - w;
}

bool refused(const IsentropicPoint& point)
{
    for (double value : {point.T, point.h, point.s, point.v, point.dryness.value_or(0)})
        if (value == EngineErrorValue)
            return true;
    return false;
}

IsentropicPoint inletState(PropertyEngine& engine, double p, double T)
{
    return {Phase::None, p, T, engine.STM_nHtp(T, p), engine.STM_nStp(T, p), engine.STM_nDtp(T, p), std::nullopt};
}

// Wet where s' <= s <= s'' at p, with the bounds unchecked as in the pressure–enthalpy case: where the engine
// has no saturation line (above the critical pressure) every s goes to the single-phase branch. The state's
// s is the engine's for the state found, not the s asked for.
IsentropicPoint isentropicState(PropertyEngine& engine, double p, double s)
{
    IsentropicPoint point;
    point.p = p;
    const double Ts = engine.STM_sTp(p);
    const double sLiquid = engine.STM_sStx(Ts, kLiquid);
    const double sVapour = engine.STM_sStx(Ts, kVapour);
    const SetPhase side = PhaseOf(s, sLiquid, sVapour);
    if (side == SetPhase::Saturated) {
        point.phase = Phase::WetSteam;
        const double w = engine.STM_sXps(p, s);
        point.T = Ts;
        point.h = engine.STM_sHps(p, s);
        point.s = engine.STM_sStx(Ts, w);
        point.v = engine.STM_sDtx(Ts, w);
        takeWetness(point, w);
        return point;
    }
    point.phase = side == SetPhase::CompressedWater ? Phase::CompressedWater : Phase::SuperheatedSteam;
    point.T = engine.STM_nTps(p, s);
    point.h = engine.STM_nHtp(point.T, p);
    point.s = engine.STM_nStp(point.T, p);
    point.v = engine.STM_nDtp(point.T, p);
    return point;
}

// The state at (p, h) by the main window's rules; nothing where they decide on no phase.
std::optional<IsentropicPoint> actualState(PropertyEngine& engine, double p, double h)
{
    const EnthalpyState found = StateFromPressureEnthalpy(engine, p, h);
    if (found.state.phase == Phase::None || found.refused)
        return std::nullopt;
    IsentropicPoint point{found.state.phase, p, found.state.T, h, found.state.s, found.state.v, std::nullopt};
    if (point.phase == Phase::WetSteam)
        takeWetness(point, found.wetness);
    return point;
}

SetPhase labelOf(Phase phase)
{
    switch (phase) {
    case Phase::CompressedWater: return SetPhase::CompressedWater;
    case Phase::WetSteam: return SetPhase::Saturated;
    case Phase::SuperheatedSteam:
    case Phase::None: break;
    }
    return SetPhase::Superheated;
}

// An outlet: its title with the phase, T (Ts when wet), h, s, v, and the dryness of wet steam.
void printOutlet(QStringList& report, const QString& title, const IsentropicPoint& point)
{
    report << StateLabel::SetTitle + title + PhaseLabels[static_cast<size_t>(labelOf(point.phase))];
    const bool wet = point.phase == Phase::WetSteam;
    AppendStateLines(report, wet ? StateLabel::SaturationTemperature : StateLabel::Temperature, point.T, point.h,
                     point.s, point.v);
    if (point.dryness)
        report << ReportLine(StateLabel::Dryness, *point.dryness, QString());
}

QStringList reportOf(const IsentropicResult& result)
{
    QStringList report{StateLabel::ReferenceTitle};
    const IsentropicPoint& inlet = result.inlet;
    AppendStateLines(report, StateLabel::Temperature, inlet.T, inlet.h, inlet.s, inlet.v);
    printOutlet(report, kIsentropicTitle, result.isentropic);
    if (result.actual)
        printOutlet(report, kActualTitle, *result.actual);
    report << kDropTitle << ReportLine(kIsentropicDropLabel, result.IsentropicDrop(), EnthalUnitText());
    if (const std::optional<double> drop = result.ActualDrop())
        report << ReportLine(kActualDropLabel, *drop, EnthalUnitText());
    return report;
}

}  // namespace

std::optional<IsentropicInputs> ReadIsentropicFields(const QStringList& texts)
{
    std::array<std::optional<double>, 4> boxes;
    for (qsizetype field = 0; field < 4; ++field)
        if (const QString text = texts.value(field); !text.isEmpty())
            boxes[static_cast<size_t>(field)] = LeadingNumber(text);
    return IsentropicInputsOf(boxes);
}

std::optional<IsentropicInputs> IsentropicInputsOf(const std::array<std::optional<double>, 4>& boxes)
{
    if (!boxes[0] || !boxes[1] || !boxes[2])
        return std::nullopt;
    return IsentropicInputs{*boxes[0], *boxes[1], *boxes[2], boxes[3]};
}

IsentropicOutcome CalculateIsentropic(const IsentropicInputs& inputs, PropertyEngine& engine, ReportText text)
{
    const std::optional<double>& efficiency = inputs.efficiency;
    if (efficiency && !(*efficiency > 0 && *efficiency <= 100))  // a NaN is out of range too
        return message(kEfficiencyOutOfRange);

    const double p1 = inputs.inletPressure;
    const double p2 = inputs.outletPressure;
    IsentropicResult result;
    result.inlet = inletState(engine, p1, inputs.inletTemperature);
    if (refused(result.inlet))
        return message(StateOutOfRange);
    result.isentropic = isentropicState(engine, p2, result.inlet.s);
    if (refused(result.isentropic))
        return message(StateOutOfRange);

    if (efficiency) {
        const double eta = *efficiency / 100;
        const double h1 = result.inlet.h;
        const double h2s = result.isentropic.h;
        const double h2 = p2 > p1 ? h1 + (h2s - h1) / eta : h1 - eta * (h1 - h2s);
        result.actual = actualState(engine, p2, h2);
        if (!result.actual || refused(*result.actual))
            return message(StateOutOfRange);
    }
    return {QString(), text == ReportText::Build ? reportOf(result) : QStringList(), result};
}

namespace {

ChartState chartState(const IsentropicPoint& point) { return {point.p, point.T, point.h, point.s}; }

}  // namespace

ChartStates ChartStatesOf(const IsentropicOutcome& outcome)
{
    if (!outcome.result)
        return {};
    const IsentropicResult& states = *outcome.result;
    return Expansion(chartState(states.inlet), chartState(states.isentropic),
                     states.actual ? std::optional(chartState(*states.actual)) : std::nullopt);
}
