// SPDX-License-Identifier: MIT
#include "cli/Batch.h"

#include "cli/Csv.h"
#include "cli/DataCell.h"
#include "cli/NumberText.h"
#include "cli/WindowCalculation.h"
#include "forms/common/LeadingNumber.h"

#include <algorithm>
#include <array>
#include <deque>
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

constexpr bool needsQuotes(char c) { return c == ',' || c == '"' || c == '\n' || c == '\r'; }

// One cell of UTF-8, quoted only when it holds a comma, a quote or a line end; at most 2 n + 2 bytes.
char* putCell(char* out, std::string_view utf8)
{
    if (std::none_of(utf8.begin(), utf8.end(), needsQuotes))
        return std::copy(utf8.begin(), utf8.end(), out);
    *out++ = '"';
    for (const char c : utf8) {
        if (c == '"')
            *out++ = '"';
        *out++ = c;
    }
    *out++ = '"';
    return out;
}

std::string utf8Cell(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    const std::string_view bytes(utf8.constData(), static_cast<size_t>(utf8.size()));
    std::string cell(2 * bytes.size() + 2, '\0');
    cell.resize(static_cast<size_t>(putCell(cell.data(), bytes) - cell.data()));
    return cell;
}

// The cells of case names, phase names and messages, which repeat from row to row, encoded once. A cell stays
// valid until the next row starts.
class TextCells {
public:
    void NextRow() { uncached_.clear(); }

    std::string_view Of(const QString& text)
    {
        for (const auto& [known, cell] : cells_)
            if (known.constData() == text.constData() && known.size() == text.size())
                return cell;  // the same text, shared
        for (const auto& [known, cell] : cells_)
            if (known == text)
                return cell;
        if (cells_.size() == kMostCells)
            return uncached_.emplace_back(utf8Cell(text));  // messages with line numbers and cell texts
        return cells_.emplace_back(text, utf8Cell(text)).second;
    }

private:
    static constexpr size_t kMostCells = 64;
    std::deque<std::pair<QString, std::string>> cells_;  // a deque: cells stay in place as it grows
    std::deque<std::string> uncached_;
};

// A cell as read: bytes that are not UTF-8 are written as the replacement character (three bytes), as decoding
// them does; at most 6 n + 2 bytes.
char* putInputCell(char* out, std::string_view bytes)
{
    // ASCII without a comma, a quote or a line end: the bytes as they are.
    static constexpr auto kPlain = [] {
        std::array<bool, 256> plain{};
        for (size_t c = 0; c < 0x80; ++c)
            plain[c] = !needsQuotes(static_cast<char>(c));
        return plain;
    }();
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return kPlain[static_cast<unsigned char>(c)]; }))
        return std::copy(bytes.begin(), bytes.end(), out);
    if (isAscii(bytes))
        return putCell(out, bytes);
    const QByteArray utf8 = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())).toUtf8();
    return putCell(out, std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

char* put(char* out, std::string_view text) { return std::copy(text.begin(), text.end(), out); }

// Writes the row into `row`, grown as it needs; returns its length.
size_t writeRow(std::vector<char>& row, CalcWindow window, const std::vector<std::string_view>& fieldCells,
                const WindowResult& result, const QString& error, std::string_view lineEnd, TextCells& texts)
{
    texts.NextRow();
    const std::string_view caseCell = texts.Of(result.calculationCase);
    std::array<std::string_view, 2> phaseCells;
    const auto phases = static_cast<size_t>(PhaseColumnsOf(window).size());
    for (size_t phase = 0; phase < phases; ++phase)
        phaseCells[phase] = texts.Of(result.phases.value(static_cast<qsizetype>(phase)));
    const std::string_view errorCell = error.isEmpty() ? std::string_view() : texts.Of(error);

    size_t bound = caseCell.size() + phaseCells[0].size() + phaseCells[1].size() + 1 + errorCell.size() + 2 +
                   lineEnd.size() + result.values.size() * (kSignificantTextBytes + 1);
    for (const std::string_view cell : fieldCells)
        bound += 6 * cell.size() + 3;
    if (row.size() < bound)
        row.resize(bound);

    char* const start = row.data();
    char* out = start;
    for (const std::string_view cell : fieldCells) {
        out = putInputCell(out, cell);
        *out++ = ',';
    }
    out = put(out, caseCell);
    for (size_t phase = 0; phase < phases; ++phase) {
        *out++ = ',';
        out = put(out, phaseCells[phase]);
    }
    for (const std::optional<double>& value : result.values) {
        *out++ = ',';
        if (value)
            out = WriteSignificant(out, *value);
    }
    *out++ = ',';
    out = put(out, errorCell);
    out = put(out, lineEnd);
    return static_cast<size_t>(out - start);
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
    std::vector<char> row;
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
        const size_t length = writeRow(row, layout.window, fieldCells, calculated ? result : uncalculated, error,
                                       lineEnd, repeated);
        output.Write(row.data(), length);
    }
    if (!output.Failed())
        summary.error = reader.ReadError();
    return summary;
}
