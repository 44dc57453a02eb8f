// SPDX-License-Identifier: MIT
#include "cli/Csv.h"

#include <algorithm>

namespace {

constexpr qint64 kChunkBytes = 1 << 16;

}  // namespace

CsvReader::CsvReader(QIODevice& device) : device_(device) {}

bool CsvReader::fill()
{
    if (pos_ < buffer_.size())
        return true;
    buffer_ = device_.read(kChunkBytes);
    pos_ = 0;
    if (buffer_.isEmpty() && !device_.atEnd() && readError_.isEmpty())
        readError_ = device_.errorString();
    if (!started_) {
        started_ = true;
        if (buffer_.startsWith("\xEF\xBB\xBF"))
            pos_ = 3;
    }
    return pos_ < buffer_.size();
}

qint64 CsvReader::takeRun(bool quoted, qint64 room)
{
    if (room <= 0 || !fill())
        return 0;
    const char* const begin = buffer_.constData() + pos_;
    const char* const end = begin + std::min(room, static_cast<qint64>(buffer_.size() - pos_));
    const char* const stop = quoted ? std::find(begin, end, '"') : std::find_if(begin, end, [](char c) {
        return c == ',' || c == '"' || c == '\n' || c == '\r';
    });
    if (quoted)
        line_ += std::count(begin, stop, '\n');
    record_.append(begin, stop);
    pos_ += stop - begin;
    return stop - begin;
}

void CsvReader::skipLine()
{
    for (qint64 skipped = 0; skipped <= kCsvRecordLimit; ++skipped) {
        const int c = take();
        if (c == kEnd || c == '\n')
            return;
        if (c == '\r') {
            if (peek() == '\n')
                take();
            return;
        }
    }
    readError_ = QStringLiteral("line %1: no line end within %2 MiB; reading stopped")
                     .arg(recordLine_)
                     .arg(2 * kCsvRecordLimit >> 20);
}

// The usual record, without quotes and with its line end in the buffer, split in one pass.
bool CsvReader::takeSimpleRecord(std::vector<std::string_view>& cells)
{
    const char* const begin = buffer_.constData() + pos_;
    const char* const end = buffer_.constData() + buffer_.size();
    const char* const stop = std::find_if(begin, end, [](char c) { return c == '\n' || c == '\r' || c == '"'; });
    if (stop == end || *stop == '"')
        return false;
    record_.assign(begin, stop);
    pos_ += stop - begin;
    if (take() == '\r' && peek() == '\n')
        take();
    const char* cell = record_.data();
    const char* const recordEnd = cell + record_.size();
    for (const char* comma; (comma = std::find(cell, recordEnd, ',')) != recordEnd; cell = comma + 1)
        cells.emplace_back(cell, static_cast<size_t>(comma - cell));
    cells.emplace_back(cell, static_cast<size_t>(recordEnd - cell));
    return true;
}

bool CsvReader::Next(std::vector<std::string_view>& cells)
{
    cells.clear();
    record_.clear();
    ends_.clear();
    unterminated_ = false;
    oversized_ = false;
    if (!readError_.isEmpty())
        return false;

    // Blank lines between records are not records.
    for (int c = peek(); c == '\r' || c == '\n'; c = peek())
        take();
    if (peek() == kEnd)
        return false;
    recordLine_ = line_;
    if (takeSimpleRecord(cells))
        return true;

    size_t cellStart = 0;
    bool quoted = false;
    for (qint64 size = 0;;) {
        size += takeRun(quoted, kCsvRecordLimit - size);
        const int c = take();
        const bool recordEnd = c == kEnd || (!quoted && (c == '\n' || c == '\r'));
        if (!recordEnd && ++size > kCsvRecordLimit) {
            record_.clear();
            ends_.clear();
            oversized_ = true;
            skipLine();
            return readError_.isEmpty();
        }
        if (quoted) {
            if (c == kEnd) {
                unterminated_ = true;
                break;
            }
            if (c == '"') {
                if (peek() == '"')
                    record_ += static_cast<char>(take());
                else
                    quoted = false;
            } else {
                record_ += static_cast<char>(c);
            }
            continue;
        }
        if (c == '"' && record_.size() == cellStart) {
            quoted = true;
        } else if (c == ',') {
            ends_.push_back(record_.size());
            cellStart = record_.size();
        } else if (recordEnd) {
            if (c == '\r' && peek() == '\n')
                take();
            break;
        } else {
            record_ += static_cast<char>(c);
        }
    }
    ends_.push_back(record_.size());
    size_t start = 0;
    for (const size_t end : ends_) {
        cells.emplace_back(record_.data() + start, end - start);
        start = end;
    }
    return true;
}

bool CsvReader::Next(QStringList& cells)
{
    std::vector<std::string_view> bytes;
    cells.clear();
    if (!Next(bytes))
        return false;
    for (const std::string_view cell : bytes)
        cells << QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size()));
    return true;
}

char* PutCsvCell(char* out, std::string_view utf8)
{
    const auto special = [](char c) { return c == ',' || c == '"' || c == '\n' || c == '\r'; };
    if (std::none_of(utf8.begin(), utf8.end(), special))
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

void AppendCsvCell(QByteArray& line, const QByteArray& utf8)
{
    const qsizetype start = line.size();
    line.resize(start + 2 * utf8.size() + 2);
    const char* const end =
        PutCsvCell(line.data() + start, std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
    line.resize(end - line.constData());
}

void AppendCsvCell(QByteArray& line, const QString& cell)
{
    // ASCII without a comma, a quote or a line end (numbers, case and phase names) goes in as it is.
    const bool plain = std::all_of(cell.begin(), cell.end(), [](QChar c) {
        return c.unicode() < 0x80 && c != u',' && c != u'"' && c != u'\n' && c != u'\r';
    });
    if (!plain) {
        AppendCsvCell(line, cell.toUtf8());
        return;
    }
    const qsizetype start = line.size();
    line.resize(start + cell.size());
    std::transform(cell.begin(), cell.end(), line.begin() + start, [](QChar c) { return static_cast<char>(c.unicode()); });
}
