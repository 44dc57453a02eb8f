// The constant-enthalpy calculation without the window: the state that has the reference state's
// enthalpy at another pressure, as one message or the report's ten lines.
#pragma once

#include "engine/seam/PropertyEngine.h"
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

// Below the saturated liquid: compressed water; up to and including the saturated vapour: saturated;
// above it: superheated. The bounds are taken as they come, error values included.
SetPhase PhaseOf(double enthalpy, double liquidEnthalpy, double vapourEnthalpy);

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
HeatContentOutcome CalculateHeatContent(const HeatContentInputs& inputs, PropertyEngine& engine);

// The reference and set states of a reported calculation for the chart, joined by the throttling at constant
// enthalpy; none with a message.
ChartStates ChartStatesOf(const HeatContentInputs& inputs, const HeatContentOutcome& outcome);
