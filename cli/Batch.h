// SPDX-License-Identifier: MIT
// Batch mode: one state per CSV row in, the same row with the case, the phase, every reported number and
// the window's message out.
#pragma once

#include "cli/OutputSink.h"
#include "engine/seam/PropertyEngine.h"

#include <QIODevice>
#include <QString>

struct BatchSummary {
    qint64 rows = 0;
    qint64 failedRows = 0;  // rows with a message in their error column
    QString error;          // non-empty: the input could not be used at all (no header, unknown column, ...)
};

struct BatchOptions {
    // Cells read as the window reads its boxes (the leading number, the rest ignored) rather than as data,
    // where a cell that is not one whole number is a row error.
    bool asTyped = false;
    // For spreadsheets: a UTF-8 byte-order mark and CR LF line ends.
    bool excel = false;
    // Rows of the main window's fields list every property of their state (--properties).
    bool properties = false;
    // Threads that calculate rows (--jobs); the output is the same for any number.
    int jobs = 1;
};

// Reads the header to learn the window and the columns, then calculates and writes row by row. A row
// that fails gets its message and the next one goes on. Stops at the first failed write (the sink has it).
BatchSummary RunBatch(QIODevice& input, OutputSink& output, PropertyEngine& engine, const BatchOptions& options = {});
