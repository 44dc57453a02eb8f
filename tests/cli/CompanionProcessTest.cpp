// The built vaporlane-calc as a user runs it: exit statuses, standard output and standard error.
#include "tests/cli/CompanionProcess.h"
#include "tests/cli/GTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CliCompanion : public testing::Test {
protected:
    QTemporaryDir folder;

    // Every run reads its settings from the temporary folder, never from the build's bin folder.
    CompanionRun run(QStringList arguments, const QByteArray& input = {})
    {
        arguments << QStringLiteral("--settings-dir") << folder.path();
        const CompanionRun result = RunCompanionProcess(arguments, input);
        EXPECT_TRUE(result.finished);
        return result;
    }

    void writeSettings(const QByteArray& bytes)
    {
        QFile file(folder.filePath(QStringLiteral("Vaporlane.cfg")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(CliCompanion, MessageGoesToStandardErrorWithStatusOne)
{
    const CompanionRun result = run({"-p", "1", "-x", "1.5"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, QByteArray());
    EXPECT_EQ(result.err, QStringLiteral("乾き度が範囲外です。\n").toUtf8());
}

TEST_F(CliCompanion, FieldsThatSelectNothingPrintNothingWithStatusThree)
{
    const CompanionRun result = run({"-H", "2000", "-x", "0.5"});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.out, QByteArray());
    EXPECT_EQ(result.err, "vaporlane-calc: the filled fields select no calculation\n");
}

TEST_F(CliCompanion, UnitsComeFromTheSettingsFileAndOptionsOverrideThem)
{
    writeSettings("2\r\n15\r\n32\r\n52\r\n73\r\n0\r\n#FALSE#\r\n");
    const CompanionRun fromFile = run({"-p", "760"});
    EXPECT_EQ(fromFile.exitCode, 0);
    EXPECT_TRUE(fromFile.out.startsWith(QStringLiteral(" 圧力          P   =      760.00000000 [mmHg]\n").toUtf8()));
    EXPECT_TRUE(fromFile.out.contains("[ft3/lb]"));

    const CompanionRun overridden = run({"-p", "1", "--pressure-unit", "MPa", "--volume-unit", "Kg/m3"});
    EXPECT_EQ(overridden.exitCode, 0);
    EXPECT_TRUE(overridden.out.contains("[MPa]"));
    EXPECT_TRUE(overridden.out.contains("[Kg/m3]"));
    EXPECT_FALSE(overridden.out.contains("[ft3/lb]"));
}

TEST_F(CliCompanion, NeverWritesTheSettingsFile)
{
    run({"-p", "1", "--pressure-unit", "atm"});
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("Vaporlane.cfg"))));
}

TEST_F(CliCompanion, PrintsUtf8WhateverTheLocale)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    const CompanionRun result = RunCompanionProcess(
        {"-t", "100", "--temperature-unit", QStringLiteral("℃"), "--settings-dir", folder.path()}, {}, environment);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.contains(QStringLiteral(" 飽和温度      Ts  =      100.00000000 [℃]\n").toUtf8()));
}

struct UsageCase {
    friend void PrintTo(const UsageCase& row, std::ostream* out) { *out << row.name; }
    const char* name;
    QStringList arguments;
    QByteArray errorPart;
};

class CliCompanionUsage : public CliCompanion, public testing::WithParamInterface<UsageCase> {};

TEST_P(CliCompanionUsage, FailsWithStatusTwoAndSaysWhy)
{
    const CompanionRun result = RunCompanionProcess(GetParam().arguments);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, QByteArray());
    EXPECT_TRUE(result.err.startsWith("vaporlane-calc: ")) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(GetParam().errorPart)) << result.err.toStdString();
    EXPECT_TRUE(result.err.endsWith("Try 'vaporlane-calc --help' for the options.\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliCompanionUsage,
    testing::Values(UsageCase{"UnknownOption", {"--presure", "1"}, "Unknown option 'presure'"},
                    UsageCase{"UnknownUnit", {"-p", "1", "--pressure-unit", "psi"}, "unknown pressure unit 'psi'"},
                    UsageCase{"MissingInputFile", {"--batch", "/nonexistent/states.csv"},
                              "cannot read '/nonexistent/states.csv'"},
                    UsageCase{"InputIsAFolder", {"--batch", "/"}, "cannot read '/': it is a folder"},
                    UsageCase{"UnwritableOutput", {"--batch", "-", "-o", "/nonexistent/out.csv"},
                              "cannot write '/nonexistent/out.csv'"},
                    UsageCase{"MissingSettingsFolder", {"-p", "1", "--settings-dir", "/nonexistent"},
                              "settings folder '/nonexistent' does not exist"}),
    RowName());

TEST_F(CliCompanion, HelpHasExamplesAndTheUnitNames)
{
    const CompanionRun help = RunCompanionProcess({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("Examples:\n  vaporlane-calc -p 1 "));
    EXPECT_TRUE(help.out.contains(QStringLiteral("  --temperature-unit  Ｋ (1), ℃ (2), Ｆ (3)\n").toUtf8()));
    EXPECT_EQ(help.err, QByteArray());
    EXPECT_EQ(RunCompanionProcess({"--version"}).out, "vaporlane-calc 1.40\n");
}

TEST_F(CliCompanion, BatchFromStandardInputWithABadRowInTheMiddle)
{
    const CompanionRun result = run({"--batch", "-"}, "pressure,temperature\n1,300\n500,300\n3,100\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "vaporlane-calc: 1 of 3 rows failed; see the error column\n");
    const QList<QByteArray> lines = result.out.split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[1].startsWith("1,300,,,pressure-temperature,superheated-steam,1,300,,"))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("500,300,,,pressure-temperature,,,,,")) << lines[2].toStdString();
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral(",圧力or温度が範囲外です。").toUtf8()));
    EXPECT_TRUE(lines[3].startsWith("3,100,,,pressure-temperature,compressed-water,3,100,,")) << lines[3].toStdString();
    EXPECT_TRUE(lines[3].endsWith(","));
}

TEST_F(CliCompanion, BatchFromFileToFile)
{
    const QString input = folder.filePath(QStringLiteral("states.csv"));
    const QString output = folder.filePath(QStringLiteral("results.csv"));
    QFile file(input);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("pressure\r\n1\r\n2\r\n");
    file.close();

    const CompanionRun result = run({"--batch", input, "--output", output});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, QByteArray());
    QFile written(output);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = written.readAll().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[2].startsWith("2,,,,saturation-by-pressure,,2,,212.3")) << lines[2].toStdString();
}

TEST_F(CliCompanion, BatchWithAnUnusableHeaderLeavesAnEarlierResultsFileAlone)
{
    const QString output = folder.filePath(QStringLiteral("results.csv"));
    QFile earlier(output);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier results\n");
    earlier.close();

    const CompanionRun result = run({"--batch", "-", "-o", output}, "pressure,temp\n1,2\n");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.contains("standard input: unknown column 'temp'")) << result.err.toStdString();
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), "earlier results\n");
}

}  // namespace
