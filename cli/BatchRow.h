// SPDX-License-Identifier: MIT
// One batch row: a record's cells in, the row's text out. Each thread of a batch has its own.
#pragma once

#include "cli/Batch.h"
#include "cli/WindowCalculation.h"

#include <QString>

#include <deque>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The window of a header's fields, and the field of each column (-1 for a column without a name).
struct BatchLayout {
    CalcWindow window = CalcWindow::Main;
    std::vector<int> fieldOfColumn;
};

// What the reader noted about a record.
struct RecordFlags {
    qint64 line = 0;  // where it started
    bool oversized = false;
    bool unterminated = false;
};

// The cells of case names, phase names and messages, which repeat from row to row, encoded once. A cell stays
// valid until the next row starts.
class TextCells {
public:
    void NextRow() { uncached_.clear(); }
    std::string_view Of(const QString& text);

private:
    static constexpr size_t kMostCells = 64;
    std::deque<std::pair<QString, std::string>> cells_;  // a deque: cells stay in place as it grows
    std::deque<std::string> uncached_;
};

class BatchRow {
public:
    BatchRow(const BatchLayout& layout, const BatchOptions& options, PropertyEngine& engine, std::string_view lineEnd);

    // Writes the row of a record into `row`, grown as it needs, and returns its length; `failed` tells whether it
    // has a message in its error column.
    size_t Write(const std::vector<std::string_view>& cells, const RecordFlags& record, std::vector<char>& row,
                 bool& failed);

private:
    const BatchLayout& layout_;
    const BatchOptions& options_;
    PropertyEngine& engine_;
    std::string_view lineEnd_;
    std::vector<std::string_view> fieldCells_;
    WindowResult result_;
    WindowResult uncalculated_;
    TextCells texts_;
};
