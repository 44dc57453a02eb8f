#include "cli/Batch.h"
#include "cli/Csv.h"
#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"
#include "tests/cli/GTestSupport.h"
#include "tests/common/FakeEngine.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

struct BatchRun {
    BatchSummary summary;
    std::vector<QStringList> records;  // header first
};

class CliBatch : public testing::Test {
protected:
    void SetUp() override { setUnits(12, 71); }
    void TearDown() override { setUnits(12, 71); }

    static void setUnits(int16_t press, int16_t density)
    {
        FillUnitLabels();
        Module1::TempUnit = 2;
        Module1::PressUnit = press;
        Module1::EnthalUnit = 32;
        Module1::EntroUnit = 52;
        Module1::DensityUnit = density;
        Module1::DrynessBasis = 0;
        HandUnitsToEngine();
    }

    static BatchRun run(const QByteArray& csv, PropertyEngine& engine = Engine())
    {
        QBuffer input;
        input.setData(csv);
        input.open(QIODevice::ReadOnly);
        QBuffer output;
        output.open(QIODevice::WriteOnly);
        BatchRun result;
        result.summary = RunBatch(input, output, engine);
        output.close();
        output.open(QIODevice::ReadOnly);
        CsvReader reader(output);
        QStringList cells;
        while (reader.Next(cells))
            result.records.push_back(cells);
        return result;
    }

    // The cell of a row under the column whose header starts with this name.
    static QString cell(const BatchRun& run, size_t row, const QString& column)
    {
        const QStringList& header = run.records.front();
        for (qsizetype i = 0; i < header.size(); ++i)
            if (header[i] == column || header[i].startsWith(column + QLatin1Char(' ')))
                return run.records.at(row).value(i);
        ADD_FAILURE() << "no column " << column.toStdString();
        return {};
    }
};

const QStringList kMainHeader{
    "pressure",  "temperature", "enthalpy",   "dryness",    "case",        "phase",       "P [MPa]",
    "T [℃]",     "Ts [℃]",      "h [KJ/Kg]",  "h' [KJ/Kg]", "h'' [KJ/Kg]", "s [KJ/KgK]",  "s' [KJ/KgK]",
    "s'' [KJ/KgK]", "v [m3/Kg]", "v' [m3/Kg]", "v'' [m3/Kg]", "error"};

TEST_F(CliBatch, ABadRowInTheMiddleGetsItsMessageAndTheRestGoOn)
{
    const BatchRun result = run("pressure,temperature,enthalpy,dryness\n1,,,\n1,,,1.5\n3,100,,\n");
    EXPECT_EQ(result.summary.error, QString());
    EXPECT_EQ(result.summary.rows, 3);
    EXPECT_EQ(result.summary.failedRows, 1);
    ASSERT_EQ(result.records.size(), 4u);
    EXPECT_EQ(result.records[0], kMainHeader);

    EXPECT_EQ(cell(result, 1, "case"), "saturation-by-pressure");
    EXPECT_EQ(cell(result, 1, "error"), QString());
    EXPECT_EQ(cell(result, 2, "case"), "pressure-dryness");
    EXPECT_EQ(cell(result, 2, "error"), QStringLiteral("乾き度が範囲外です。"));
    EXPECT_EQ(cell(result, 2, "Ts"), QString());
    EXPECT_EQ(cell(result, 3, "case"), "pressure-temperature");
    EXPECT_EQ(cell(result, 3, "phase"), "compressed-water");
    EXPECT_EQ(cell(result, 3, "error"), QString());
    EXPECT_FALSE(cell(result, 3, "h").isEmpty());
}

TEST_F(CliBatch, MalformedRowsAreReportedInPlace)
{
    const BatchRun result = run("pressure,temperature\n1,300\n1,300,4\n2,300,,\n\"3,300\n");
    EXPECT_EQ(result.summary.rows, 4);
    EXPECT_EQ(result.summary.failedRows, 2);
    ASSERT_EQ(result.records.size(), 5u);
    EXPECT_EQ(cell(result, 2, "error"), "line 3: 3 cells, but the header names 2 columns");
    EXPECT_EQ(cell(result, 2, "case"), QString());
    EXPECT_EQ(cell(result, 3, "phase"), "superheated-steam") << "empty cells beyond the header are no error";
    EXPECT_EQ(cell(result, 4, "error"), "line 5: a quoted cell is not closed");
}

TEST_F(CliBatch, NumbersKeepFullPrecision)
{
    FakeEngine engine;
    engine.answerOf["STM_sTp"] = 123.45678901234567;
    engine.answerOf["STM_sHtx"] = 0.1;
    const BatchRun result = run("pressure\n1\n", engine);
    EXPECT_EQ(cell(result, 1, "Ts"), "123.45678901234567");
    EXPECT_EQ(cell(result, 1, "h'"), "0.10000000000000001");
    EXPECT_EQ(cell(result, 1, "P"), "1");
    EXPECT_EQ(cell(result, 1, "Ts").toDouble(), 123.45678901234567);
}

TEST_F(CliBatch, MissingColumnsAndShortRowsAreEmptyFields)
{
    const BatchRun result = run("Temperature , PRESSURE,dryness,\n100\n,1\n,,0.5,note\n");
    EXPECT_EQ(result.summary.failedRows, 0);
    ASSERT_EQ(result.records.size(), 4u);
    EXPECT_EQ(cell(result, 1, "case"), "saturation-by-temperature");
    EXPECT_EQ(cell(result, 1, "temperature"), "100");
    EXPECT_EQ(cell(result, 2, "case"), "saturation-by-pressure");
    EXPECT_EQ(cell(result, 2, "pressure"), "1");
    EXPECT_EQ(cell(result, 3, "case"), "none");
    EXPECT_EQ(cell(result, 3, "error"), QString());
}

TEST_F(CliBatch, ConstantEnthalpyRows)
{
    const BatchRun result =
        run("reference_pressure,reference-temperature,set pressure\n10,300,0.5\n10,,0.5\n300,300,0.5\n");
    EXPECT_EQ(result.summary.failedRows, 1);
    ASSERT_EQ(result.records.size(), 4u);
    EXPECT_EQ(result.records[0].mid(0, 5),
              (QStringList{"reference_pressure", "reference_temperature", "set_pressure", "case", "phase"}));
    EXPECT_EQ(cell(result, 1, "phase"), "wet-steam");
    EXPECT_EQ(cell(result, 1, "h_set"), cell(result, 1, "h_ref"));
    EXPECT_EQ(cell(result, 2, "case"), "none");
    EXPECT_EQ(cell(result, 3, "error"), QStringLiteral("圧力or温度が範囲外です。"));
}

TEST_F(CliBatch, HeaderShowsTheUnitsInEffect)
{
    setUnits(15, 73);
    const BatchRun result = run("pressure\n");
    ASSERT_EQ(result.records.size(), 1u);
    EXPECT_TRUE(result.records[0].contains("P [mmHg]"));
    EXPECT_TRUE(result.records[0].contains("v'' [ft3/lb]"));
}

struct HeaderCase {
    friend void PrintTo(const HeaderCase& row, std::ostream* out) { *out << row.name; }
    const char* name;
    QByteArray csv;
    QString errorPart;
};

class CliBatchHeader : public CliBatch, public testing::WithParamInterface<HeaderCase> {};

TEST_P(CliBatchHeader, UnusableHeaderStopsBeforeAnyRow)
{
    const BatchRun result = run(GetParam().csv);
    EXPECT_TRUE(result.summary.error.contains(GetParam().errorPart)) << result.summary.error.toStdString();
    EXPECT_EQ(result.summary.rows, 0);
    EXPECT_TRUE(result.records.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliBatchHeader,
    testing::Values(HeaderCase{"Empty", "", "needs a header row"},
                    HeaderCase{"OnlyBlankLines", "\n\r\n", "needs a header row"},
                    HeaderCase{"NoNamedColumn", ",\n1,2\n", "the header names no field"},
                    HeaderCase{"MisspeltColumn", "pressur,temperature\n1,2\n", "unknown column 'pressur'"},
                    HeaderCase{"WindowsMixed", "pressure,set_pressure\n1,2\n", "mixes"},
                    HeaderCase{"ColumnTwice", "pressure,Pressure\n1,2\n", "column 'Pressure' appears twice"}),
    RowName());

}  // namespace
