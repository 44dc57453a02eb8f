// SPDX-License-Identifier: MIT
// The main window's display operation without the window: classify the filled fields, ask the engine,
// and produce either one message or the report's lines.
#pragma once

#include "engine/seam/PropertyEngine.h"
#include "forms/common/ReportLine.h"
#include "forms/chart/ChartStates.h"
#include "forms/main/ResultReport.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// The four input boxes: 1 pressure, 2 temperature, 3 enthalpy, 4 dryness.
class InputFields {
public:
    virtual ~InputFields() = default;
    virtual QString Text(int field) const = 0;
    virtual void Clear(int field) = 0;
};

struct CalculationOutcome {
    QString message;     // non-empty: show it (stop icon) instead of a report
    QStringList report;  // the report's lines; empty when the calculation ends silently or with a message

    // The numbers that the report prints (engine units, volumes before DensityFactor), for callers that
    // want them rather than lines (the command line's batch mode); one of the two is set with a report.
    std::optional<SaturationState> saturation = std::nullopt;
    std::optional<PhaseState> state = std::nullopt;
};

// What the filled fields describe; None ends the calculation silently. TemperatureDryness is the property
// list's alone (PropertyList.h): the main window has no such case.
enum class CalculationCase {
    None,
    SaturationByPressure,
    SaturationByTemperature,
    PressureTemperature,
    PressureEnthalpy,
    PressureDryness,
    TemperatureDryness,
};

// Decides the case from which fields hold text (index 0 pressure ... 3 dryness).
CalculationCase Classify(const std::array<bool, 4>& filled);

// The fields (1 pressure ... 4 dryness) that a case empties before it calculates: those it does not read.
std::vector<int> DiscardedFields(CalculationCase calculationCase);

// The messages of a calculation whose input is out of range.
namespace CalculationMessage {
inline const QString PressureOutOfRange = QStringLiteral("圧力が範囲外です。");
inline const QString TemperatureOutOfRange = QStringLiteral("温度が範囲外です。");
inline const QString PressureOrTemperatureOutOfRange = QStringLiteral("圧力or温度が範囲外です。");
inline const QString PressureOrEnthalpyOutOfRange = QStringLiteral("圧力orエンタルピが範囲外です。");
inline const QString DrynessOutOfRange = QStringLiteral("乾き度が範囲外です。");
}  // namespace CalculationMessage

// The specific volume (or density) of wet steam at the saturation temperature Ts for a dryness x, on the
// dryness basis in effect, as the engine gives it.
double WetVolume(PropertyEngine& engine, double Ts, double x);

// A state given by pressure and enthalpy, by the pressure–enthalpy case's rules: the phase from where h lies
// against h' and h'' (Phase::None where neither decides, and nothing more is asked), then T (Ts when wet), s, v.
struct EnthalpyState {
    PhaseState state;
    double wetness = 0;    // the liquid fraction of wet steam, as the engine's (p, h) function gives it
    bool refused = false;  // T, s or v is the engine's error value
};
EnthalpyState StateFromPressureEnthalpy(PropertyEngine& engine, double P, double h);

// Runs one calculation. Fields that the case discards are cleared before the first engine call.
CalculationOutcome Calculate(InputFields& fields, PropertyEngine& engine, ReportText text = ReportText::Build);

// Runs one case on the numbers of the four fields (index 0 pressure ... 3 dryness) as the leading-number conversion
// reads them; the case reads only its own.
CalculationOutcome CalculateCase(CalculationCase calculationCase, const std::array<double, 4>& values,
                                 PropertyEngine& engine, ReportText text = ReportText::Build);

// The states of a reported calculation for the chart: a saturation's liquid and vapour joined across the dome, or
// the one state; none without a report.
ChartStates ChartStatesOf(const CalculationOutcome& outcome);
