// SPDX-License-Identifier: MIT
#include "cli/Batch.h"

#include "cli/Csv.h"
#include "cli/DataCell.h"
#include "cli/WindowCalculation.h"

#include <charconv>
#include <optional>
#include <vector>

namespace {

constexpr int kSignificantDigits = 17;

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

struct Layout {
    CalcWindow window = CalcWindow::Main;
    std::vector<int> fieldOfColumn;  // field index of each input column; -1 for a column without a name
};

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
QString readLayout(const QStringList& header, Layout& layout)
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
QString propertiesOf(Layout& layout)
{
    if (layout.window != CalcWindow::Main)
        return kPropertiesOfMainFields;
    layout.window = CalcWindow::Properties;
    return {};
}

void appendNumber(QByteArray& line, double value)
{
    char digits[32];
    const auto [end, ec] = std::to_chars(std::begin(digits), std::end(digits), value, std::chars_format::general,
                                         kSignificantDigits);
    line.append(digits, ec == std::errc() ? end - digits : 0);
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

void appendRow(QByteArray& out, CalcWindow window, const QStringList& texts, const WindowResult& result,
               const QString& error, const char* lineEnd)
{
    for (const QString& text : texts) {
        AppendCsvCell(out, text);
        out += ',';
    }
    AppendCsvCell(out, result.calculationCase);
    for (qsizetype phase = 0; phase < PhaseColumnsOf(window).size(); ++phase) {
        out += ',';
        AppendCsvCell(out, result.phases.value(phase));
    }
    for (const std::optional<double>& value : result.values) {
        out += ',';
        if (value)
            appendNumber(out, *value);
    }
    out += ',';
    AppendCsvCell(out, error);
    out += lineEnd;
}

// The field texts of a record; cells beyond the header and under unnamed columns are not fields.
QStringList fieldTexts(const Layout& layout, const QStringList& cells)
{
    QStringList texts(static_cast<qsizetype>(FieldsOf(layout.window).size()));
    const size_t columns = std::min(layout.fieldOfColumn.size(), static_cast<size_t>(cells.size()));
    for (size_t column = 0; column < columns; ++column)
        if (const int field = layout.fieldOfColumn[column]; field >= 0)
            texts[field] = cells[static_cast<qsizetype>(column)];
    return texts;
}

// What makes a record unusable: more than the size bound, a quoted cell the input ended in, or text beyond
// the header's columns.
QString recordError(const Layout& layout, const CsvReader& reader, const QStringList& cells)
{
    if (reader.Oversized())
        return QStringLiteral("line %1: the record is longer than %2 MiB")
            .arg(reader.LineNumber())
            .arg(kCsvRecordLimit >> 20);
    if (reader.Unterminated())
        return QStringLiteral("line %1: a quoted cell is not closed").arg(reader.LineNumber());
    const auto columns = static_cast<qsizetype>(layout.fieldOfColumn.size());
    for (qsizetype column = columns; column < cells.size(); ++column)
        if (!cells[column].isEmpty())
            return QStringLiteral("line %1: %2 cells, but the header names %3 columns")
                .arg(reader.LineNumber())
                .arg(cells.size())
                .arg(columns);
    return {};
}

// Each field's cell as one whole number (blanks around it dropped); the messages of those that are not.
QString readAsData(const Layout& layout, QStringList& texts)
{
    QString errors;
    const std::vector<FieldName>& fields = FieldsOf(layout.window);
    for (qsizetype field = 0; field < texts.size(); ++field) {
        if (const std::optional<QString> number = WholeNumberCell(texts[field]))
            texts[field] = *number;
        else
            errors += NotANumberMessage(fields[static_cast<size_t>(field)].label, texts[field]);
    }
    return errors;
}

}  // namespace

BatchSummary RunBatch(QIODevice& input, OutputSink& output, PropertyEngine& engine, const BatchOptions& options)
{
    BatchSummary summary;
    CsvReader reader(input);
    QStringList cells;
    if (!reader.Next(cells)) {
        summary.error = reader.ReadError().isEmpty() ? QStringLiteral("the input is empty; it needs a header row")
                                                     : reader.ReadError();
        return summary;
    }
    if (reader.Oversized()) {
        summary.error = QStringLiteral("the header row is longer than %1 MiB").arg(kCsvRecordLimit >> 20);
        return summary;
    }
    Layout layout;
    summary.error = readLayout(cells, layout);
    if (summary.error.isEmpty() && options.properties)
        summary.error = propertiesOf(layout);
    if (!summary.error.isEmpty())
        return summary;

    const char* const lineEnd = options.excel ? "\r\n" : "\n";
    if (options.excel)
        output.Write("\xEF\xBB\xBF", 3);
    output.Write(headerLine(layout.window, lineEnd));
    WindowResult uncalculated;
    uncalculated.values.resize(static_cast<size_t>(ValueSymbolsOf(layout.window).size()));

    QByteArray line;
    while (!output.Failed() && reader.Next(cells)) {
        ++summary.rows;
        const QStringList texts = fieldTexts(layout, cells);
        QStringList values = texts;
        QString error = recordError(layout, reader, cells);
        if (error.isEmpty() && !options.asTyped)
            error = readAsData(layout, values);
        const WindowResult result = error.isEmpty() ? CalculateWindow(layout.window, values, engine, ReportText::Skip) : uncalculated;
        if (error.isEmpty())
            error = result.message;
        if (!error.isEmpty())
            ++summary.failedRows;
        line.resize(0);  // keeps the capacity: a row is built without allocating
        appendRow(line, layout.window, texts, result, error, lineEnd);
        output.Write(line);
    }
    if (!output.Failed())
        summary.error = reader.ReadError();
    return summary;
}
