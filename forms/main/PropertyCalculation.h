// The main window's display operation without the window: classify the filled fields, ask the engine,
// and produce either one message or the report's lines.
#pragma once

#include "engine/seam/PropertyEngine.h"

#include <QString>
#include <QStringList>

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
};

// Runs one calculation. Fields that the case discards are cleared before the first engine call.
CalculationOutcome Calculate(InputFields& fields, PropertyEngine& engine);
