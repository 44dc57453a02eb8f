// SPDX-License-Identifier: MIT
#include "cli/Batch.h"

#include "cli/BatchJobs.h"
#include "cli/BatchRow.h"
#include "cli/Csv.h"
#include "cli/WindowCalculation.h"
#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace {

// "the columns are pressure, temperature, enthalpy, dryness or reference_pressure, ..."
QString columnsHint()
{
    QStringList windows;
    for (CalcWindow window : kCalcWindows) {
        QStringList columns;
        for (const FieldName& field : FieldsOf(window))
            columns << field.column;
        windows << columns.join(QStringLiteral(", "));
    }
    return QStringLiteral("the columns are ") + windows.join(QStringLiteral(" or "));
}

// Column names compare without regard to case, surrounding blanks, or "-" and " " for "_".
QString columnKey(const QString& name)
{
    QString key = name.trimmed().toLower();
    key.replace(QLatin1Char('-'), QLatin1Char('_')).replace(QLatin1Char(' '), QLatin1Char('_'));
    return key;
}

int fieldIndex(CalcWindow window, const QString& key)
{
    const std::vector<FieldName>& fields = FieldsOf(window);
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].column == key)
            return static_cast<int>(i);
    return -1;
}

// The window whose field a column key names, if any.
std::optional<CalcWindow> windowOf(const QString& key)
{
    for (CalcWindow window : kCalcWindows)
        if (fieldIndex(window, key) >= 0)
            return window;
    return std::nullopt;
}

// A column without a name (a spreadsheet's trailing comma) is ignored; any other name must be a field, and all
// fields of one window.
QString readLayout(const QStringList& header, BatchLayout& layout)
{
    std::optional<CalcWindow> seen;
    for (const QString& name : header) {
        const QString key = columnKey(name);
        if (key.isEmpty())
            continue;
        const std::optional<CalcWindow> window = windowOf(key);
        if (!window)
            return QStringLiteral("unknown column '%1' in the header; %2").arg(name, columnsHint());
        if (seen && *seen != *window)
            return QStringLiteral("the header mixes %1 with %2").arg(FieldsName(*seen), FieldsName(*window));
        seen = window;
    }
    if (!seen)
        return QStringLiteral("the header names no field; %1").arg(columnsHint());
    layout.window = *seen;
    std::vector<bool> taken(FieldsOf(layout.window).size(), false);
    for (const QString& name : header) {
        const int field = fieldIndex(layout.window, columnKey(name));
        layout.fieldOfColumn.push_back(field);
        if (field < 0)
            continue;
        if (taken[static_cast<size_t>(field)])
            return QStringLiteral("column '%1' appears twice in the header").arg(name);
        taken[static_cast<size_t>(field)] = true;
    }
    return {};
}

// With --properties the main window's fields give the property list's columns.
QString propertiesOf(BatchLayout& layout)
{
    if (layout.window != CalcWindow::Main)
        return kPropertiesOfMainFields;
    layout.window = CalcWindow::Properties;
    return {};
}

QByteArray headerLine(CalcWindow window, const char* lineEnd)
{
    QByteArray line;
    for (const FieldName& field : FieldsOf(window)) {
        AppendCsvCell(line, field.column);
        line += ',';
    }
    line += "case";
    for (const QString& phase : PhaseColumnsOf(window)) {
        line += ',';
        AppendCsvCell(line, phase);
    }
    const QStringList& symbols = ValueSymbolsOf(window);
    const QStringList units = ValueUnitsOf(window);
    for (qsizetype i = 0; i < symbols.size(); ++i) {
        line += ',';
        AppendCsvCell(line, units[i].isEmpty() ? symbols[i] : symbols[i] + QLatin1Char(' ') + units[i]);
    }
    line += ",error";
    line += lineEnd;
    return line;
}

// The units in effect, handed to the engine for the calling thread, as HandUnitsToEngine hands them: a worker's
// engine calls then depend on no other thread's settings.
void handUnitsToThisThread(PropertyEngine& engine)
{
    for (const QuantityUnits* quantity : kUnits) {
        const int16_t code = Module1::Current.Code(quantity->quantity);
        const UnitChoice* choice = quantity->Find(code);
        if (quantity->setter)
            (engine.*quantity->setter)(choice ? choice->engineCode : code);
    }
}

// On the calling thread: each record's row written as soon as it is read.
void runRows(CsvReader& reader, OutputSink& output, BatchRow& row, BatchSummary& summary)
{
    std::vector<std::string_view> cells;
    std::vector<char> text;
    while (!output.Failed() && reader.Next(cells)) {
        ++summary.rows;
        bool failed = false;
        const RecordFlags record{reader.LineNumber(), reader.Oversized(), reader.Unterminated()};
        const size_t length = row.Write(cells, record, text, failed);
        summary.failedRows += failed ? 1 : 0;
        output.Write(text.data(), length);
    }
}

}  // namespace

BatchSummary RunBatch(QIODevice& input, OutputSink& output, PropertyEngine& engine, const BatchOptions& options)
{
    BatchSummary summary;
    CsvReader reader(input);
    QStringList header;
    if (!reader.Next(header)) {
        summary.error = reader.ReadError().isEmpty() ? QStringLiteral("the input is empty; it needs a header row")
                                                     : reader.ReadError();
        return summary;
    }
    if (reader.Oversized()) {
        summary.error = QStringLiteral("the header row is longer than %1 MiB").arg(kCsvRecordLimit >> 20);
        return summary;
    }
    BatchLayout layout;
    summary.error = readLayout(header, layout);
    if (summary.error.isEmpty() && options.properties)
        summary.error = propertiesOf(layout);
    if (!summary.error.isEmpty())
        return summary;

    const char* const lineEnd = options.excel ? "\r\n" : "\n";
    if (options.excel)
        output.Write("\xEF\xBB\xBF", 3);
    output.Write(headerLine(layout.window, lineEnd));
    if (options.jobs > 1) {
        const auto makeRow = [&] {
            handUnitsToThisThread(engine);
            return std::make_unique<BatchRow>(layout, options, engine, lineEnd);
        };
        RunBatchJobs(reader, output, options.jobs, makeRow, summary);
    } else {
        BatchRow row(layout, options, engine, lineEnd);
        runRows(reader, output, row, summary);
    }
    if (!output.Failed())
        summary.error = reader.ReadError();
    return summary;
}
