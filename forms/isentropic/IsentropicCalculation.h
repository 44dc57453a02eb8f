// SPDX-License-Identifier: MIT
// The isentropic calculation without the window: from an inlet state (p1, T1) to the outlet pressure p2 at the
// inlet's entropy, and with an efficiency to the actual outlet state; as one message or the report's lines.
#pragma once

#include "engine/seam/PropertyEngine.h"
#include "forms/common/ReportLine.h"
#include "forms/chart/ChartStates.h"
#include "forms/main/ResultReport.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// What the four input boxes hold, in the engine's current units.
struct IsentropicInputs {
    double inletPressure = 0;          // p1
    double inletTemperature = 0;       // T1
    double outletPressure = 0;         // p2
    std::optional<double> efficiency;  // η in per cent; none: only the isentropic outlet
};

// The inputs from the four box texts (inlet pressure, inlet temperature, outlet pressure, efficiency) by the
// leading-number conversion; nothing while one of the first three is empty. An empty efficiency is none.
std::optional<IsentropicInputs> ReadIsentropicFields(const QStringList& texts);

// The same from the four boxes' numbers, none for an empty box.
std::optional<IsentropicInputs> IsentropicInputsOf(const std::array<std::optional<double>, 4>& boxes);

// One state of the expansion or compression, in engine units (v before DensityFactor).
struct IsentropicPoint {
    Phase phase = Phase::None;  // compressed water, wet or superheated steam; None for the inlet (not determined)
    double p = 0;
    double T = 0;  // the saturation temperature of wet steam
    double h = 0;
    double s = 0;
    double v = 0;
    std::optional<double> dryness;  // wet steam only: the vapour's mass fraction
};

struct IsentropicResult {
    IsentropicPoint inlet;
    IsentropicPoint isentropic;             // at p2 with the inlet's entropy
    std::optional<IsentropicPoint> actual;  // at p2 with the enthalpy the efficiency gives

    // h1 - h2s, and with an efficiency h1 - h2: negative for a compression.
    double IsentropicDrop() const { return inlet.h - isentropic.h; }
    std::optional<double> ActualDrop() const
    {
        return actual ? std::optional<double>(inlet.h - actual->h) : std::nullopt;
    }
};

struct IsentropicOutcome {
    QString message;     // non-empty: show it (stop icon) instead of a report
    QStringList report;  // empty with a message
    std::optional<IsentropicResult> result;  // the numbers behind the report, set with it
};

// An efficiency outside 0 < η <= 100 gets its own message, before the engine is asked; any refused state the
// constant-enthalpy window's. An outlet pressure above the inlet's is a compression: h2 = h1 + (h2s - h1) / η;
// otherwise an expansion: h2 = h1 - η (h1 - h2s).
IsentropicOutcome CalculateIsentropic(const IsentropicInputs& inputs, PropertyEngine& engine,
                                      ReportText text = ReportText::Build);

// The inlet, the isentropic outlet and the actual one (with an efficiency) for the chart, joined by the isentropic
// and the actual expansion or compression lines; none with a message.
ChartStates ChartStatesOf(const IsentropicOutcome& outcome);
