// Batch mode: one state per CSV row in, the same row with the case, the phase, every reported number and
// the window's message out.
#pragma once

#include "engine/seam/PropertyEngine.h"

#include <QIODevice>
#include <QString>

struct BatchSummary {
    qint64 rows = 0;
    qint64 failedRows = 0;  // rows with a message in their error column
    QString error;          // non-empty: the input could not be used at all (no header, unknown column, ...)
};

// Reads the header to learn the window and the columns, then calculates and writes row by row. A row
// that fails gets its message and the next one goes on.
BatchSummary RunBatch(QIODevice& input, QIODevice& output, PropertyEngine& engine);
