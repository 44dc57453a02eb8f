// SPDX-License-Identifier: MIT
// The constant-enthalpy calculation without the window: the state that has the reference state's
// enthalpy at another pressure, as one message or the report's ten lines.
#pragma once

#include "engine/seam/PropertyEngine.h"
#include "forms/common/ReportLine.h"
#include "forms/chart/ChartStates.h"

#include <QString>
#include <QStringList>

#include <array>

// What the three input boxes hold, in the engine's current units.
struct HeatContentInputs {
    double referencePressure = 0;     // p_ref
    double referenceTemperature = 0;  // T_ref
    double setPressure = 0;           // p_set
};

// The phase of the set state, an index into PhaseLabels.
enum class SetPhase { CompressedWater = 0, Saturated = 1, Superheated = 2 };

inline const std::array<QString, 3> PhaseLabels = {
    QStringLiteral("（圧縮水）"),
    QStringLiteral("（飽和状態）"),
    QStringLiteral("（過熱蒸気）"),
};

// The message for a state outside the engine's range.
inline const QString StateOutOfRange = QStringLiteral("圧力or温度が範囲外です。");

// Labels of a state's lines in the special-calculation reports, 20 columns each when a full-width character
// counts two, so that every "=" stands in one column; the state's title line starts one column further left.
namespace StateLabel {
inline const QString ReferenceTitle = QStringLiteral(" 基準値");
inline const QString SetTitle = QStringLiteral(" 設定値 ");  // followed by the phase, "（圧縮水）"
inline const QString Temperature = QStringLiteral("  温度        T   = ");
inline const QString SaturationTemperature = QStringLiteral("  飽和温度    Ts  = ");
inline const QString Enthalpy = QStringLiteral("  エンタルピ  h   = ");
inline const QString Entropy = QStringLiteral("  エントロピ  s   = ");
inline const QString Volume = QStringLiteral("  比容積      v   = ");
inline const QString Dryness = QStringLiteral("  乾き度      x   = ");
}  // namespace StateLabel

// Four lines of one state: the temperature under its label, h, s, and v scaled by DensityFactor.
void AppendStateLines(QStringList& report, const QString& temperatureLabel, double T, double h, double s, double v);

// Below the saturated liquid: compressed water; up to and including the saturated vapour: saturated;
// above it: superheated. The bounds are taken as they come, error values included. Enthalpies or entropies.
SetPhase PhaseOf(double value, double liquidValue, double vapourValue);

// One state's numbers in engine units (v before DensityFactor).
struct HeatContentState {
    double T = 0;
    double h = 0;
    double s = 0;
    double v = 0;
};

struct HeatContentOutcome {
    QString message;     // non-empty: show it (stop icon) instead of a report
    QStringList report;  // the ten lines, each without its line break; empty with a message

    // The numbers behind the report, for callers that want them rather than lines (the command line's
    // batch mode); set with the report.
    SetPhase phase = SetPhase::CompressedWater;
    HeatContentState reference;
    HeatContentState set;
};

// Asks the engine for both states and builds the report. A wet set state is reported at the
// saturation temperature with the mixture's entropy and specific volume.
HeatContentOutcome CalculateHeatContent(const HeatContentInputs& inputs, PropertyEngine& engine,
                                        ReportText text = ReportText::Build);

// The reference and set states of a reported calculation for the chart, joined by the throttling at constant
// enthalpy; none with a message.
ChartStates ChartStatesOf(const HeatContentInputs& inputs, const HeatContentOutcome& outcome);
