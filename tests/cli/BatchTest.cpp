// SPDX-License-Identifier: MIT
// Batch mode in process: its CSV, its rows, and the numbers it writes beside each report.
#include "cli/Batch.h"
#include "cli/Csv.h"
#include "cli/DataCell.h"
#include "cli/NumberText.h"
#include "cli/WindowCalculation.h"
#include "forms/common/LeadingNumber.h"
#include "forms/common/ReportLine.h"
#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"
#include "tests/common/FakeEngine.h"

#include <QBuffer>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

std::vector<QStringList> readAll(QIODevice& device)
{
    CsvReader reader(device);
    std::vector<QStringList> records;
    for (QStringList cells; reader.Next(cells);)
        records.push_back(cells);
    return records;
}

// Quoted only where needed, and read back whole across many read chunks with quoted cells on their ends; each
// record's line counts the line feeds inside the quoted cells before it.
TEST(CliCsv, WrittenRecordsReadBackAcrossChunks)
{
    std::vector<QStringList> records;
    QByteArray text;
    for (int i = 0; i < 20000; ++i) {
        records.push_back({QString::number(i), "a,b", "x\"y", "\r", QStringLiteral("\n%1").arg(i), "", "℃"});
        QByteArray line;
        for (const QString& cell : records.back()) {
            line += ',';
            AppendCsvCell(line, cell);
        }
        text += line.mid(1) + (i % 2 ? "\r\n" : "\n");
    }
    EXPECT_TRUE(text.startsWith("0,\"a,b\",\"x\"\"y\",\"\r\",\"\n0\",,℃\n1,")) << text.left(40).data();
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_EQ(readAll(buffer), records);

    buffer.seek(0);
    CsvReader reader(buffer);
    qint64 record = 0;
    for (QStringList cells; reader.Next(cells); ++record)
        ASSERT_EQ(reader.LineNumber(), 1 + 2 * record);
    EXPECT_EQ(record, 20000);
}

// ℃, kJ/kg and kJ/(kg K), as nothing here changes them, with this pressure unit, volume unit and basis.
void useUnits(int16_t pressure, int16_t volume, int16_t basis = 0)
{
    FillUnitLabels();
    Module1::PressUnit = pressure;
    Module1::DensityUnit = volume;
    Module1::DrynessBasis = basis;
    HandUnitsToEngine();
}

class CliBatch : public testing::Test {
protected:
    BatchSummary summary;
    QByteArray written;
    std::vector<QStringList> records;  // header first

    void SetUp() override { useUnits(12, 71); }

    void run(QByteArray csv, PropertyEngine& engine = Engine(), const BatchOptions& options = {})
    {
        QBuffer input(&csv);
        input.open(QIODevice::ReadOnly);
        QTemporaryFile file;
        ASSERT_TRUE(file.open());
        OutputSink output(file.handle(), file.fileName());
        summary = RunBatch(input, output, engine, options);
        ASSERT_TRUE(output.Finish()) << output.Error().toStdString();
        QFile results(file.fileName());
        ASSERT_TRUE(results.open(QIODevice::ReadOnly));
        written = results.readAll();
        QBuffer read(&written);
        read.open(QIODevice::ReadOnly);
        records = readAll(read);
    }

    // The cell at "row column": the column whose header is that name, alone or followed by a unit.
    QString cell(const QString& address)
    {
        const QString column = address.section(' ', 1);
        for (qsizetype i = 0; i < records.front().size(); ++i)
            if (records.front()[i] == column || records.front()[i].startsWith(column + ' '))
                return records.at(address.section(' ', 0, 0).toUInt()).value(i);
        ADD_FAILURE() << "no column " << column.toStdString();
        return {};
    }
};

TEST_F(CliBatch, EachRowGetsItsResultOrItsMessage)
{
    const std::tuple<const char*, QByteArray, int, int, std::vector<std::pair<QString, QString>>> rows[] = {
        {"MalformedRowsInPlace", "pressure,temperature\n1,300\n1,300,4\n2,300,,\n\"3,300\n", 4, 2,
         {{"2 error", "line 3: 3 cells, but the header names 2 columns"}, {"2 case", ""},
          {"3 phase", "superheated-steam"}, {"4 error", "line 5: a quoted cell is not closed"}}},
        {"SpreadsheetQuirks", "\xEF\xBB\xBFTemperature , PRESSURE,dryness,\r\n100\n\r\n\n\"\", 1 \n ,,0.5,note", 3, 0,
         {{"1 case", "saturation-by-temperature"}, {"2 pressure", " 1 "}, {"2 case", "saturation-by-pressure"},
          {"3 temperature", " "}, {"3 case", "none"}}},
        {"Heat", "reference_pressure,reference-temperature,set pressure\n10,300,0.5\n10,,0.5\n300,300,0.5\n1,300,0.1",
         4, 1, {{"1 reference_temperature", "300"}, {"1 phase", "wet-steam"}, {"2 case", "none"},
             {"3 error", "圧力or温度が範囲外です。"}, {"4 phase", "superheated-steam"}}},
        {"Isentropic", "Inlet Pressure,inlet_temperature,outlet-pressure,efficiency\n10,500,0.01,85\n10,500,0.01,\n"
                       "10,500,0.01,150\n10,500,,85\n",
         4, 1, {{"1 case", "isentropic"}, {"1 phase_2", "wet-steam"}, {"2 phase_2s", "wet-steam"}, {"2 phase_2", ""},
             {"2 x2", ""}, {"3 error", "効率が範囲外です。"}, {"4 case", "none"}}},
    };
    for (const auto& [name, csv, rowCount, failedRows, cells] : rows) {
        SCOPED_TRACE(name);
        run(csv);
        EXPECT_EQ(summary.error, QString());
        EXPECT_EQ(summary.failedRows, failedRows);
        ASSERT_EQ(summary.rows, rowCount);
        ASSERT_EQ(records.size(), size_t(rowCount) + 1);
        for (const auto& [address, text] : cells)
            EXPECT_EQ(cell(address), text) << address.toStdString();
    }
}

// A cell that is not one number is a row error naming the field and the text, and the row is not computed;
// --as-typed reads such cells as the window reads its fields.
TEST_F(CliBatch, CellsAreDataUnlessAsTyped)
{
    const QByteArray csv = "pressure,temperature\n10kPa,\n1,abc\n１０,1e\n 1 ,\n";
    run(csv);
    EXPECT_EQ(summary.failedRows, 3);
    EXPECT_EQ(cell("1 error"), "圧力の値「10kPa」を数値として読めません。");
    EXPECT_EQ(cell("1 case") + cell("1 P") + cell("1 Ts"), "");
    EXPECT_EQ(cell("2 error"), "温度の値「abc」を数値として読めません。");
    EXPECT_EQ(cell("3 error"), "圧力の値「１０」を数値として読めません。温度の値「1e」を数値として読めません。");
    EXPECT_EQ(cell("4 pressure"), " 1 ");
    EXPECT_EQ(cell("4 P"), "1");

    run(csv, Engine(), {.asTyped = true});
    EXPECT_EQ(cell("1 case") + ' ' + cell("1 P") + ' ' + cell("1 error"), "saturation-by-pressure 10 ");
    EXPECT_EQ(cell("2 phase") + ' ' + cell("2 T") + ' ' + cell("2 error"), "compressed-water 0 ");
    EXPECT_EQ(cell("3 error"), "圧力or温度が範囲外です。");
    EXPECT_EQ(summary.failedRows, 1);
}

TEST_F(CliBatch, ExcelOutputHasAByteOrderMarkAndCrLf)
{
    run("pressure\n1\n50\n", Engine(), {.excel = true});
    EXPECT_TRUE(written.startsWith("\xEF\xBB\xBFpressure,temperature,"));
    EXPECT_TRUE(written.endsWith(",圧力が範囲外です。\r\n"));
    EXPECT_EQ(written.count("\r\n"), 3);
    EXPECT_EQ(written.count('\n'), 3);
    EXPECT_EQ(records.size(), 3u);
    run("pressure\n1\n");
    EXPECT_TRUE(written.startsWith("pressure,") && !written.contains('\r'));
}

// A record beyond the bound is a row error and reading goes on after its line end; where no line end comes
// within twice the bound, the batch stops with a message.
TEST_F(CliBatch, RecordsAreBounded)
{
    const auto blanks = [](qint64 count) { return QByteArray(count, ' '); };
    const QByteArray zeros(3 * kCsvRecordLimit, '\0');
    const struct { const char* name; QByteArray csv; int rows, failedRows; const char* error; } rows[] = {
        {"at the bound, over it, the next line",
         "pressure,temperature\n1," + blanks(kCsvRecordLimit - 2) + "\n1," + blanks(kCsvRecordLimit - 1) + "\r\n2\n",
         3, 1, ""},
        {"zeros after a row", "pressure\n1\n" + zeros, 1, 0, "line 3: no line end within 2 MiB; reading stopped"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        run(row.csv);
        EXPECT_EQ(summary.error, row.error);
        EXPECT_EQ(summary.rows, row.rows);
        EXPECT_EQ(summary.failedRows, row.failedRows);
    }
    run(rows[0].csv);
    EXPECT_EQ(written.count(",saturation-by-pressure,"), 2);  // the first row's echo is too long to read back
    EXPECT_EQ(cell("2 error"), "line 3: the record is longer than 1 MiB");
    EXPECT_EQ(cell("3 P"), "2");
}

TEST(CliDataCell, OneWholeNumberOrNothing)
{
    const std::pair<const char*, const char*> rows[] = {  // a cell and its number text; nullptr: not one number
        {"10", "10"},       {" 1.5\t", "1.5"},  {"+1.5e3", "+1.5e3"}, {"-2", "-2"},     {".5", ".5"},
        {"5.", "5."},       {"1D-2", "1D-2"},   {"", ""},             {"　", ""},       {"10kPa", nullptr},
        {"1,5", nullptr},   {"abc", nullptr},   {"１０", nullptr},      {"1e", nullptr},  {"1e+", nullptr},
        {"&H10", nullptr},  {".", nullptr},     {"-", nullptr},       {"1.2.3", nullptr}, {"1 000", nullptr},
        {"e5", nullptr},    {"inf", nullptr},   {"0x10", nullptr},
    };
    for (const auto& [cell, number] : rows) {
        const std::optional<QString> read = WholeNumberCell(QString::fromUtf8(cell));
        EXPECT_EQ(read ? read->toStdString() : "(none)", number ? number : "(none)") << cell;
    }
    EXPECT_EQ(NotANumberMessage("基準温度", " 1,5 "), "基準温度の値「1,5」を数値として読めません。");
    EXPECT_EQ(NotANumberMessage("圧力", QString(40, 'x')), "圧力の値「" + QString(32, 'x') + "…」を数値として読めません。");
}

// A cell read without text is the number the window reads from the cell's text: the same double, bit for bit,
// including where the quick ways end (15 digits, 10^22, an exponent, a D) and the conversion's own rules decide.
TEST(CliDataCell, ReadAsTheWindowReadsTheText)
{
    const char* const cells[] = {
        "0", "-0", "+0.000", "0e5", "12", "-12.5", "+.5", "5.", " 300\t", "\r\n1.5 ", "0.1", "0.3",
        "123456789012345", "1234567890123456", "9007199254740993", "0.000000000000000000000001", "1e22", "1e23",
        "1.5e-3", "-2E+2", "1D3", "1d-3", "1e400", "-1e400", "1e-400", "-1e-400", "1.7976931348623157e308",
        "4.9406564584124654e-324", "2.2250738585072011e-308", "00000000000000000000000012.5", "1e0000000000005",
        "123456789012345678901234567890", "", "  ", "1e", "1,5", "10kPa", ".", "-", "1 2",
    };
    for (const char* cell : cells) {
        SCOPED_TRACE(cell);
        const std::optional<QString> text = WholeNumberCell(QString::fromLatin1(cell));
        const std::optional<CellNumber> number = ReadNumberCell(cell);
        ASSERT_EQ(number.has_value(), text.has_value());
        if (!text)
            continue;
        EXPECT_EQ(number->empty, text->isEmpty());
        EXPECT_EQ(std::bit_cast<uint64_t>(number->value), std::bit_cast<uint64_t>(LeadingNumber(*text)));
    }
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        // Up to 20 digits with a point among them, some negative, some with an exponent.
        const QByteArray digits = QByteArray::number(random() >> (random() % 64));
        const qsizetype point = digits.size() / 2;
        QByteArray text = (i % 3 ? "" : "-") + digits.left(point) + '.' + digits.mid(point);
        if (i % 2 == 0)
            text += 'e' + QByteArray::number(i % 41 - 20);
        const std::string cell = text.toStdString();
        const std::optional<CellNumber> number = ReadNumberCell(cell);
        ASSERT_TRUE(number) << cell;
        ASSERT_EQ(std::bit_cast<uint64_t>(number->value), std::bit_cast<uint64_t>(LeadingNumber(QString::fromStdString(cell))))
            << cell;
    }
}

// Batch numbers have the digits of std::to_chars with 17 significant digits: at the bounds of the fixed form, at
// ties rounded to even, at the ends of the doubles, and across random bit patterns and usual magnitudes.
TEST(CliNumberText, SeventeenSignificantDigits)
{
    const std::pair<double, const char*> rows[] = {
        {0.0, "0"},
        {-0.0, "-0"},
        {-99999.999, "-99999.998999999996"},
        {0.1, "0.10000000000000001"},
        {-1234.5678, "-1234.5678"},
        {1e-4, "0.0001"},
        {1.2345e-5, "1.2345e-05"},
        {1e-6, "9.9999999999999995e-07"},
        {0.99999999999999989, "0.99999999999999989"},
        {9.9999999999999982e15, "9999999999999998"},
        {1e16, "10000000000000000"},
        {99999999999999984.0, "99999999999999984"},
        {1e17, "1e+17"},
        {10001.0 / 1048576, "0.0095376968383789062"},  // ...0625: a tie, to the even 2
        {10003.0 / 1048576, "0.0095396041870117188"},  // ...1875: a tie, to the even 8
        {1e300, "1.0000000000000001e+300"},
        {std::numeric_limits<double>::denorm_min(), "4.9406564584124654e-324"},
        {std::numeric_limits<double>::infinity(), "inf"},
    };
    char text[kSignificantTextBytes];
    for (const auto& [value, expected] : rows)
        EXPECT_EQ(std::string(text, WriteSignificant(text, value)), expected) << expected;

    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> exponent(-7, 17);
    char reference[kSignificantTextBytes];
    for (int i = 0; i < 200000; ++i) {
        const double value = i % 2 ? std::bit_cast<double>(random()) : std::pow(10.0, exponent(random));
        const char* const end = std::to_chars(reference, reference + sizeof reference, value,
                                              std::chars_format::general, 17).ptr;
        ASSERT_EQ(std::string(text, WriteSignificant(text, value)), std::string_view(reference, static_cast<size_t>(end - reference))) << value;
    }
}

// Rows on several threads come out as on one, in order, counted alike: across many chunks, with row errors, quoted
// cells, cells that are not numbers, every main-window case and records that are not usable.
TEST_F(CliBatch, JobsWriteWhatOneThreadWrites)
{
    const char* const cells[] = {"1,,,", ",150,,", "1,300,,", "1,,2000,", "1,,,0.5", "1,,,1.5", "150,500,,", "\"2\",\"x\",,",
                                 ",,,", "1,300,,,7", "\"1,5\",,,", " 3 ,\t250,,", "1e400,,,", "-0,1D2,,"};
    QByteArray csv = "pressure,temperature,enthalpy,dryness\r\n";
    for (int i = 0; i < 30000; ++i)
        csv += QByteArray(cells[i % std::size(cells)]).replace('1', QByteArray::number(1 + i % 7)) + (i % 5 ? "\n" : "\r\n");
    csv += "\"4,,,";  // a quoted cell the input ends in
    run(csv);
    const QByteArray oneThread = written;
    const BatchSummary oneSummary = summary;
    ASSERT_GT(summary.failedRows, 0);
    for (const int jobs : {2, 3, 8}) {
        BatchOptions options;
        options.jobs = jobs;
        run(csv, Engine(), options);
        EXPECT_TRUE(written == oneThread) << jobs << " jobs";
        EXPECT_EQ(summary.rows, oneSummary.rows);
        EXPECT_EQ(summary.failedRows, oneSummary.failedRows);
        EXPECT_EQ(summary.error, oneSummary.error);
    }
}

TEST_F(CliBatch, HeaderNamesTheUnitsInEffect)
{
    useUnits(15, 73);
    run("pressure\n");
    EXPECT_EQ(records.at(0).join(','), "pressure,temperature,enthalpy,dryness,case,phase,P [mmHg],T [℃],Ts [℃],"
                                       "h [KJ/Kg],h' [KJ/Kg],h'' [KJ/Kg],s [KJ/KgK],s' [KJ/KgK],s'' [KJ/KgK],"
                                       "v [ft3/lb],v' [ft3/lb],v'' [ft3/lb],error");
}

// With --properties the header names every property's column and unit; above 1173.15 K the transport cells stay
// empty and the row is no failure; the constant-enthalpy fields have no property list.
TEST_F(CliBatch, PropertiesAsColumns)
{
    BatchOptions options;
    options.properties = true;
    run("pressure,temperature\n1,1000\n", Engine(), options);
    EXPECT_TRUE(records.at(0).join(',').startsWith("pressure,temperature,enthalpy,dryness,case,phase,P [MPa],T [℃],"
                                                   "Ts [℃],x,h [KJ/Kg]"));
    EXPECT_TRUE(records.at(0).join(',').endsWith("lambda'' [mW/mK],Pr,sigma [mN/m],error"));
    EXPECT_EQ(summary.failedRows, 0);
    EXPECT_EQ(cell("1 mu") + cell("1 lambda") + cell("1 Pr"), QString());
    EXPECT_EQ(cell("1 T"), "1000");
    EXPECT_FALSE(cell("1 kappa").isEmpty());
    run("reference_pressure,reference_temperature,set_pressure\n1,200,0.5\n", Engine(), options);
    EXPECT_EQ(summary.error, kPropertiesOfMainFields);
    EXPECT_TRUE(records.empty());
}

TEST_F(CliBatch, NumbersKeepFullPrecision)
{
    FakeEngine engine;
    engine.answerOf["STM_sTp"] = 123.45678901234567;
    engine.answerOf["STM_sHtx"] = 0.1;
    run("pressure\n1\n", engine);
    EXPECT_EQ(cell("1 Ts"), "123.45678901234567");
    EXPECT_EQ(cell("1 h'"), "0.10000000000000001");
    EXPECT_EQ(cell("1 P"), "1");
}

TEST_F(CliBatch, UnusableHeaderStopsBeforeAnyRow)
{
    const std::pair<QByteArray, QString> rows[] = {
        {"", "needs a header row"},
        {",\n1,2\n", "the header names no field"},
        {"pressure,set_pressure\n1,2\n", "mixes"},
        {"pressure,Pressure\n1,2\n", "column 'Pressure' appears twice"},
        {QByteArray(kCsvRecordLimit + 1, ' ') + "\n1\n", "the header row is longer than 1 MiB"},
    };
    for (const auto& [csv, reason] : rows) {
        run(csv);
        EXPECT_TRUE(summary.error.contains(reason)) << summary.error.toStdString() << " lacks " << reason.toStdString();
        EXPECT_EQ(summary.rows, 0);
        EXPECT_TRUE(records.empty());
    }
}

// Which columns get a number, each one a number that the report prints (here in ft3/lb, by volume).
TEST_F(CliBatch, NumbersBesideTheReportAreThoseItPrints)
{
    useUnits(12, 73, 1);
    const CalcWindow main = CalcWindow::Main, heat = CalcWindow::HeatContent, isentropic = CalcWindow::Isentropic;
    const CalcWindow list = CalcWindow::Properties;
    const QStringList wet{"P", "Ts", "h", "s", "v"};
    const QStringList single{"P", "T", "h", "s", "v", "rho", "u", "cp", "cv", "w", "kappa", "mu", "nu", "lambda", "Pr"};
    const QStringList phases{"mu'", "mu''", "nu'", "nu''", "lambda'", "lambda''", "sigma"};
    const QStringList wetList = QStringList{"P", "Ts", "x", "h", "s", "v", "rho", "u"} + phases;
    const QString exactTs = QString::number(Engine().STM_sTp(1.0), 'g', 17);
    const std::tuple<CalcWindow, QStringList, QString, QString, QStringList> rows[] = {
        {main, {"1", "", "", ""}, "saturation-by-pressure", "", {"P", "Ts", "h'", "h''", "s'", "s''", "v'", "v''"}},
        {main, {"1", "300", "7", "0.5"}, "pressure-temperature", "superheated-steam", {"P", "T", "h", "s", "v"}},
        {main, {"1", exactTs, "", ""}, "pressure-temperature", "", {"h", "s", "v"}},  // no phase: no P, no T
        {main, {"1", "", "2000", "0.3"}, "pressure-enthalpy", "wet-steam", wet},
        {main, {"1", "", "", "0.9"}, "pressure-dryness", "wet-steam", wet},
        {heat, {"10", "100", "5"}, "constant-enthalpy", "compressed-water", ValueSymbolsOf(heat)},
        {isentropic, {"1", "300", "0.5", "50"}, "isentropic", "superheated-steam superheated-steam",
         {"T1", "h1", "s1", "v1", "T2s", "h2s", "s2s", "v2s", "T2", "h2", "s2", "v2", "h1-h2s", "h1-h2"}},
        {list, {"1", "100", "", ""}, "pressure-temperature", "compressed-water", single},
        {list, {"1", "300", "7", "0.5"}, "pressure-temperature", "superheated-steam", single},
        {list, {"30", "500", "", ""}, "pressure-temperature", "", single},  // supercritical: no phase
        {list, {"30", "", "2500", ""}, "pressure-enthalpy", "", single},
        {list, {"1", exactTs, "", ""}, "pressure-temperature", "", single},  // the saturated liquid's
        {list, {"1", "", "2000", ""}, "pressure-enthalpy", "wet-steam", wetList},
        {list, {"1", "", "", "0.9"}, "pressure-dryness", "wet-steam", wetList},
        {list, {"", "150", "", "0.2"}, "temperature-dryness", "wet-steam", wetList},
        {list, {"", "150", "", ""}, "saturation-by-temperature", "",
         QStringList{"P", "Ts", "h'", "h''", "s'", "s''", "v'", "v''", "rho'", "rho''", "u'", "u''"} + phases},
        {main, {"", "150", "", "0.2"}, "none", "", {}},
    };
    for (const auto& [window, texts, calculationCase, phase, symbols] : rows) {
        SCOPED_TRACE(texts.join(',').toStdString());
        const WindowResult result = CalculateWindow(window, texts, Engine());
        ASSERT_EQ(result.message, QString());
        ASSERT_EQ(result.values.size(), size_t(ValueSymbolsOf(window).size()));
        EXPECT_EQ(result.calculationCase, calculationCase);
        EXPECT_EQ(result.phases.join(' '), phase);
        const QString report = result.report.join('\n');
        QStringList reported;
        for (size_t i = 0; i < result.values.size(); ++i) {
            if (const std::optional<double> value = result.values[i]) {
                reported << ValueSymbolsOf(window)[static_cast<qsizetype>(i)];
                EXPECT_TRUE(report.contains(NumberField(*value))) << reported.last().toStdString();
            }
        }
        EXPECT_EQ(reported, symbols);
        EXPECT_EQ(report.count('='), reported.size());
    }
}

}  // namespace
