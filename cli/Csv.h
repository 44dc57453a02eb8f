// SPDX-License-Identifier: MIT
// Comma-separated values as spreadsheets write them: cells in double quotes with doubled quotes inside,
// commas and line ends inside quoted cells, CR LF or LF line ends, an optional UTF-8 byte-order mark.
// A record holds at most kCsvRecordLimit bytes, so memory stays bounded whatever the input.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

inline constexpr qint64 kCsvRecordLimit = 1 << 20;

class CsvReader {
public:
    explicit CsvReader(QIODevice& device);

    // Reads the next record; false at the end of the input or where reading stopped (see ReadError). Blank
    // lines are skipped. A record longer than kCsvRecordLimit comes back without cells, marked Oversized;
    // reading goes on after its next line end, and stops where none follows within another kCsvRecordLimit.
    // The cells' bytes as they stand in the input (quotes undone); they stay valid until the next call.
    bool Next(std::vector<std::string_view>& cells);
    // The same, each cell decoded from UTF-8.
    bool Next(QStringList& cells);

    // Line on which the last record started, counting from 1.
    qint64 LineNumber() const { return recordLine_; }

    // True when the last record ended inside a quoted cell (the input ended first).
    bool Unterminated() const { return unterminated_; }

    // True when the last record was longer than kCsvRecordLimit (its cells are dropped).
    bool Oversized() const { return oversized_; }

    // Why reading stopped early (the device's error, or no line end in sight), else empty.
    QString ReadError() const { return readError_; }

private:
    bool fill();
    // Moves the bytes from the read position that need no decision, at most `room`, into the record in one
    // piece: up to the next quote in a quoted cell, else up to the next comma, quote or line end. Returns how
    // many.
    qint64 takeRun(bool quoted, qint64 room);
    // The next byte, or kEnd.
    int peek() { return pos_ < buffer_.size() || fill() ? static_cast<unsigned char>(buffer_.constData()[pos_]) : kEnd; }
    int take()
    {
        const int c = peek();
        if (c != kEnd)
            ++pos_;
        if (c == '\n')
            ++line_;
        return c;
    }
    void skipLine();
    bool takeSimpleRecord(std::vector<std::string_view>& cells);

    static constexpr int kEnd = -1;

    QIODevice& device_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    qint64 line_ = 1;
    qint64 recordLine_ = 0;
    bool started_ = false;
    bool unterminated_ = false;
    bool oversized_ = false;
    QString readError_;
    std::string record_;         // the record's cells back to back
    std::vector<size_t> ends_;   // where each cell ends in record_
};

// Writes one cell of UTF-8, quoted only when it holds a comma, a quote or a line end, and returns the end: at most
// 2 n + 2 bytes.
char* PutCsvCell(char* out, std::string_view utf8);

// Appends one cell in UTF-8, as PutCsvCell writes it.
void AppendCsvCell(QByteArray& line, const QString& cell);
void AppendCsvCell(QByteArray& line, const QByteArray& utf8);
