#include "cli/Csv.h"
#include "tests/cli/GTestSupport.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

std::vector<QStringList> readAll(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CsvReader reader(buffer);
    std::vector<QStringList> records;
    QStringList cells;
    while (reader.Next(cells))
        records.push_back(cells);
    return records;
}

struct ReadCase {
    friend void PrintTo(const ReadCase& row, std::ostream* out) { *out << row.name; }
    const char* name;
    QByteArray input;
    std::vector<QStringList> records;
};

class CliCsvRead : public testing::TestWithParam<ReadCase> {};

TEST_P(CliCsvRead, GivesTheRecordsASpreadsheetWrote)
{
    EXPECT_EQ(readAll(GetParam().input), GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliCsvRead,
    testing::Values(ReadCase{"CrLf", "pressure,temperature\r\n1,300\r\n", {{"pressure", "temperature"}, {"1", "300"}}},
                    ReadCase{"NoFinalLineEnd", "pressure\n1", {{"pressure"}, {"1"}}},
                    ReadCase{"QuotedComma", "\"1,5\",2\n", {{"1,5", "2"}}},
                    ReadCase{"DoubledQuote", "\"a\"\"b\"\n", {{"a\"b"}}},
                    ReadCase{"LineEndInsideQuotes", "\"a\r\nb\",c\n", {{"a\r\nb", "c"}}},
                    ReadCase{"BlankLinesSkipped", "a\n\n\r\n1\n\n", {{"a"}, {"1"}}},
                    ReadCase{"ByteOrderMark", "\xEF\xBB\xBFpressure\n1\n", {{"pressure"}, {"1"}}},
                    ReadCase{"EmptyAndBlankCellsKept", ",\"\", \n", {{"", "", " "}}},
                    ReadCase{"QuoteInsideUnquotedCellIsText", "1\"5,2\n", {{"1\"5", "2"}}}),
    RowName());

struct WriteCase {
    friend void PrintTo(const WriteCase& row, std::ostream* out) { *out << row.name; }
    const char* name;
    QString cell;
    QByteArray written;
};

class CliCsvWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(CliCsvWrite, QuotesOnlyWhereNeeded)
{
    QByteArray line;
    AppendCsvCell(line, GetParam().cell);
    EXPECT_EQ(line, GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Cli, CliCsvWrite,
                         testing::Values(WriteCase{"Number", "1.5", "1.5"}, WriteCase{"Comma", "a,b", "\"a,b\""},
                                         WriteCase{"Quote", "a\"b", "\"a\"\"b\""},
                                         WriteCase{"CarriageReturn", "a\rb", "\"a\rb\""}),
                         RowName());

// Far more than one read chunk, with quoted cells falling across chunk boundaries.
TEST(CliCsv, WrittenRecordsReadBackAcrossChunks)
{
    std::vector<QStringList> records;
    QByteArray text;
    for (int i = 0; i < 20000; ++i) {
        const QStringList record{QString::number(i), QStringLiteral("a,\"b\"\n%1").arg(i), QString(),
                                 QStringLiteral("℃")};
        records.push_back(record);
        for (qsizetype c = 0; c < record.size(); ++c) {
            if (c > 0)
                text += ',';
            AppendCsvCell(text, record[c]);
        }
        text += i % 2 ? "\r\n" : "\n";
    }
    ASSERT_GT(text.size(), 4 * (1 << 16));
    EXPECT_EQ(readAll(text), records);
}

}  // namespace
