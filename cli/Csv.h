// Comma-separated values as spreadsheets write them: cells in double quotes with doubled quotes inside,
// commas and line ends inside quoted cells, CR LF or LF line ends, an optional UTF-8 byte-order mark.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

class CsvReader {
public:
    explicit CsvReader(QIODevice& device);

    // Reads the next record; false at the end of the input. Blank lines are skipped.
    bool Next(QStringList& cells);

    // Line on which the last record started, counting from 1.
    qint64 LineNumber() const { return recordLine_; }

    // True when the last record ended inside a quoted cell (the input ended first).
    bool Unterminated() const { return unterminated_; }

    // The device's error text when reading failed, else empty.
    QString ReadError() const { return readError_; }

private:
    bool fill();
    int take();
    int peek();

    QIODevice& device_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    qint64 line_ = 1;
    qint64 recordLine_ = 0;
    bool started_ = false;
    bool unterminated_ = false;
    QString readError_;
};

// Appends one cell in UTF-8, quoted only when it holds a comma, a quote or a line end.
void AppendCsvCell(QByteArray& line, const QString& cell);
void AppendCsvCell(QByteArray& line, const QByteArray& utf8);
