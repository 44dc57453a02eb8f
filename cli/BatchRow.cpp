// SPDX-License-Identifier: MIT
#include "cli/BatchRow.h"

#include "cli/Csv.h"
#include "cli/DataCell.h"
#include "cli/NumberText.h"
#include "forms/common/LeadingNumber.h"

#include <algorithm>
#include <array>

namespace {

bool isAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

constexpr bool needsQuotes(char c) { return c == ',' || c == '"' || c == '\n' || c == '\r'; }

std::string utf8Cell(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    const std::string_view bytes(utf8.constData(), static_cast<size_t>(utf8.size()));
    std::string cell(2 * bytes.size() + 2, '\0');
    cell.resize(static_cast<size_t>(PutCsvCell(cell.data(), bytes) - cell.data()));
    return cell;
}

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
        return PutCsvCell(out, bytes);
    const QByteArray utf8 = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())).toUtf8();
    return PutCsvCell(out, std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
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
void takeFieldCells(const BatchLayout& layout, const std::vector<std::string_view>& cells,
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
QString recordError(const BatchLayout& layout, const RecordFlags& record, const std::vector<std::string_view>& cells)
{
    if (record.oversized)
        return QStringLiteral("line %1: the record is longer than %2 MiB").arg(record.line).arg(kCsvRecordLimit >> 20);
    if (record.unterminated)
        return QStringLiteral("line %1: a quoted cell is not closed").arg(record.line);
    const size_t columns = layout.fieldOfColumn.size();
    for (size_t column = columns; column < cells.size(); ++column)
        if (!cells[column].empty())
            return QStringLiteral("line %1: %2 cells, but the header names %3 columns")
                .arg(record.line)
                .arg(cells.size())
                .arg(columns);
    return {};
}

// Each field's value: its cell as one whole number (blanks around it dropped), or with asTyped as the window
// reads a box; the messages of the cells that are not numbers.
QString readFields(const BatchLayout& layout, const std::vector<std::string_view>& fieldCells, bool asTyped,
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
QString readTexts(const BatchLayout& layout, const std::vector<std::string_view>& fieldCells, bool asTyped,
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

std::string_view TextCells::Of(const QString& text)
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

BatchRow::BatchRow(const BatchLayout& layout, const BatchOptions& options, PropertyEngine& engine,
                   std::string_view lineEnd)
    : layout_(layout), options_(options), engine_(engine), lineEnd_(lineEnd)
{
    uncalculated_.values.resize(static_cast<size_t>(ValueSymbolsOf(layout.window).size()));
}

size_t BatchRow::Write(const std::vector<std::string_view>& cells, const RecordFlags& record, std::vector<char>& row,
                       bool& failed)
{
    takeFieldCells(layout_, cells, fieldCells_);
    QString error = recordError(layout_, record, cells);
    const bool readable = error.isEmpty();
    if (readable && layout_.window == CalcWindow::Properties) {
        QStringList texts;
        error = readTexts(layout_, fieldCells_, options_.asTyped, texts);
        if (error.isEmpty())
            result_ = CalculateWindow(layout_.window, texts, engine_, ReportText::Skip);
    } else if (readable) {
        FieldValues values;
        error = readFields(layout_, fieldCells_, options_.asTyped, values);
        if (error.isEmpty())
            CalculateWindow(layout_.window, values, engine_, ReportText::Skip, result_);
    }
    const bool calculated = error.isEmpty();
    if (calculated)
        error = result_.message;
    failed = !error.isEmpty();
    return writeRow(row, layout_.window, fieldCells_, calculated ? result_ : uncalculated_, error, lineEnd_, texts_);
}
