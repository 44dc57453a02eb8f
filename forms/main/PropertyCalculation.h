// The main window's display operation without the window: classify the filled fields, ask the engine,
// and produce either one message or the report's lines.
#pragma once

#include "engine/seam/PropertyEngine.h"
#include "forms/chart/ChartStates.h"
#include "forms/main/ResultReport.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

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

// What the filled fields describe; None ends the calculation silently.
enum class CalculationCase {
    None,
    SaturationByPressure,
    SaturationByTemperature,
    PressureTemperature,
    PressureEnthalpy,
    PressureDryness,
};

// Decides the case from which fields hold text (index 0 pressure ... 3 dryness).
CalculationCase Classify(const std::array<bool, 4>& filled);

// Runs one calculation. Fields that the case discards are cleared before the first engine call.
CalculationOutcome Calculate(InputFields& fields, PropertyEngine& engine);

// The states of a reported calculation for the chart: a saturation's liquid and vapour joined across the dome, or
// the one state; none without a report.
ChartStates ChartStatesOf(const CalculationOutcome& outcome);
