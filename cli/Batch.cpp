// SPDX-License-Identifier: MIT
#include "cli/Batch.h"

#include "cli/Csv.h"
#include "cli/DataCell.h"
#include "cli/NumberText.h"
#include "cli/WindowCalculation.h"
#include "forms/common/LeadingNumber.h"

#include <algorithm>
#include <optional>
#include <string>
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

bool isAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool needsQuotes(char c) { return c == ',' || c == '"' || c == '\n' || c == '\r'; }

// One cell of UTF-8, quoted only when it holds a comma, a quote or a line end.
void appendCell(std::string& line, std::string_view utf8)
{
    if (std::none_of(utf8.begin(), utf8.end(), needsQuotes)) {
        line += utf8;
        return;
    }
    line += '"';
    for (const char c : utf8) {
        if (c == '"')
            line += '"';
        line += c;
    }
    line += '"';
}

// The cells of case names, phase names and messages, which repeat from row to row, encoded once.
class TextCells {
public:
    std::string_view Of(const QString& text)
    {
        for (const auto& [known, cell] : cells_)
            if (known == text)
                return cell;
        std::string cell;
        const QByteArray utf8 = text.toUtf8();
        appendCell(cell, std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
        if (cells_.size() == kMostCells)
            cells_.pop_back();  // messages with line numbers; the names stay at the front
        cells_.emplace_back(text, std::move(cell));
        return cells_.back().second;
    }

private:
    static constexpr size_t kMostCells = 32;
    std::vector<std::pair<QString, std::string>> cells_;
};

// A cell as read: bytes that are not UTF-8 are written as the replacement character, as decoding them does.
void appendInputCell(std::string& line, std::string_view bytes)
{
    if (isAscii(bytes)) {
        appendCell(line, bytes);
        return;
    }
    const QByteArray utf8 = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())).toUtf8();
    appendCell(line, std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

void appendRow(std::string& out, CalcWindow window, const std::vector<std::string_view>& fieldCells,
               const WindowResult& result, const QString& error, const char* lineEnd, TextCells& texts)
{
    for (const std::string_view cell : fieldCells) {
        appendInputCell(out, cell);
        out += ',';
    }
    out += texts.Of(result.calculationCase);
    for (qsizetype phase = 0; phase < PhaseColumnsOf(window).size(); ++phase) {
        out += ',';
        out += texts.Of(result.phases.value(phase));
    }
    char number[kSignificantTextBytes];
    for (const std::optional<double>& value : result.values) {
        out += ',';
        if (value)
            out.append(number, WriteSignificant(number, *value));
    }
    out += ',';
    if (!error.isEmpty())
        out += texts.Of(error);
    out += lineEnd;
}

QString cellText(std::string_view bytes) { return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())); }

// The cell of each field; cells beyond the header and under unnamed columns are not fields.
void takeFieldCells(const Layout& layout, const std::vector<std::string_view>& cells,
                    std::vector<std::string_view>& fieldCells)
{
    fieldCells.assign(FieldsOf(layout.window).size(), {});
    const size_t columns = std::min(layout.fieldOfColumn.size(), cells.size());
    for (size_t column = 0; column < columns; ++column)
        if (const int field = layout.fieldOfColumn[column]; field >= 0)
            fieldCells[static_cast<size_t>(field)] = cells[column];
}

// What makes a record unusable: more than the size bound, a quoted cell the input ended in, or text beyond
// the header's columns.
QString recordError(const Layout& layout, const CsvReader& reader, const std::vector<std::string_view>& cells)
{
    if (reader.Oversized())
        return QStringLiteral("line %1: the record is longer than %2 MiB")
            .arg(reader.LineNumber())
            .arg(kCsvRecordLimit >> 20);
    if (reader.Unterminated())
        return QStringLiteral("line %1: a quoted cell is not closed").arg(reader.LineNumber());
    const size_t columns = layout.fieldOfColumn.size();
    for (size_t column = columns; column < cells.size(); ++column)
        if (!cells[column].empty())
            return QStringLiteral("line %1: %2 cells, but the header names %3 columns")
                .arg(reader.LineNumber())
                .arg(cells.size())
                .arg(columns);
    return {};
}

// Each field's value: its cell as one whole number (blanks around it dropped), or with asTyped as the window
// reads a box; the messages of the cells that are not numbers.
QString readFields(const Layout& layout, const std::vector<std::string_view>& fieldCells, bool asTyped,
                   FieldValues& values)
{
    QString errors;
    const std::vector<FieldName>& fields = FieldsOf(layout.window);
    for (size_t field = 0; field < fieldCells.size(); ++field) {
        const std::string_view cell = fieldCells[field];
        if (!asTyped && isAscii(cell)) {
            if (const std::optional<CellNumber> number = ReadNumberCell(cell))
                values[field] = {!number->empty, number->value};
            else
                errors += NotANumberMessage(fields[field].label, cellText(cell));
            continue;
        }
        const QString text = cellText(cell);
        if (asTyped)
            values[field] = {!text.isEmpty(), LeadingNumber(text)};
        else if (const std::optional<QString> number = WholeNumberCell(text))
            values[field] = {!number->isEmpty(), LeadingNumber(*number)};
        else
            errors += NotANumberMessage(fields[field].label, text);
    }
    return errors;
}

// The property list reads the fields' texts: each cell as one whole number, or as it stands with asTyped.
QString readTexts(const Layout& layout, const std::vector<std::string_view>& fieldCells, bool asTyped,
                  QStringList& texts)
{
    QString errors;
    texts.clear();
    const std::vector<FieldName>& fields = FieldsOf(layout.window);
    for (size_t field = 0; field < fieldCells.size(); ++field) {
        const QString text = cellText(fieldCells[field]);
        const std::optional<QString> number = asTyped ? text : WholeNumberCell(text);
        texts << number.value_or(QString());
        if (!number)
            errors += NotANumberMessage(fields[field].label, text);
    }
    return errors;
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
    Layout layout;
    summary.error = readLayout(header, layout);
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

    std::vector<std::string_view> cells;
    std::vector<std::string_view> fieldCells;
    WindowResult result;
    std::string line;
    TextCells repeated;
    while (!output.Failed() && reader.Next(cells)) {
        ++summary.rows;
        takeFieldCells(layout, cells, fieldCells);
        QString error = recordError(layout, reader, cells);
        const bool readable = error.isEmpty();
        if (readable && layout.window == CalcWindow::Properties) {
            QStringList texts;
            error = readTexts(layout, fieldCells, options.asTyped, texts);
            if (error.isEmpty())
                result = CalculateWindow(layout.window, texts, engine, ReportText::Skip);
        } else if (readable) {
            FieldValues values;
            error = readFields(layout, fieldCells, options.asTyped, values);
            if (error.isEmpty())
                CalculateWindow(layout.window, values, engine, ReportText::Skip, result);
        }
        const bool calculated = error.isEmpty();
        if (calculated)
            error = result.message;
        if (!error.isEmpty())
            ++summary.failedRows;
        line.clear();  // keeps the capacity: a row is built without allocating
        appendRow(line, layout.window, fieldCells, calculated ? result : uncalculated, error, lineEnd, repeated);
        output.Write(line.data(), line.size());
    }
    if (!output.Failed())
        summary.error = reader.ReadError();
    return summary;
}
