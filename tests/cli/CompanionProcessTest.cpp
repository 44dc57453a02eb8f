// The built vaporlane-calc as a user runs it: exit statuses, standard output and standard error.
#include "tests/cli/CompanionProcess.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CliCompanion : public testing::Test {
protected:
    QTemporaryDir folder;

    // Settings come from the temporary folder, never from the build's bin folder.
    CompanionRun run(QStringList arguments, const QByteArray& input = {})
    {
        return RunCompanionProcess(arguments << "--settings-dir" << folder.path(), input);
    }

    // Writes the bytes when given, else reads the file.
    QByteArray file(const QString& name, const QByteArray& bytes = {})
    {
        QFile file(folder.filePath(name));
        if (bytes.isEmpty())
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return bytes;
    }
};

TEST_F(CliCompanion, UnitOptionsOverrideTheSettingsFileWhichStaysUnwritten)
{
    const QByteArray settings = file("Vaporlane.cfg", "2\r\n15\r\n32\r\n52\r\n73\r\n0\r\n#FALSE#\r\n");
    const CompanionRun result = run({"-p", "1", "--pressure-unit", "MPa", "--volume-unit", "Kg/m3"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.contains("[MPa]") && result.out.contains("[Kg/m3]")) << result.out.data();
    EXPECT_FALSE(result.out.contains("[ft3/lb]"));
    EXPECT_EQ(file("Vaporlane.cfg"), settings);
}

TEST_F(CliCompanion, UsageErrorsFailWithStatusTwoAndSayWhy)
{
    const std::pair<QStringList, QByteArray> rows[] = {
        {{"--presure", "1"}, "Unknown option 'presure'"},
        {{"--batch", "/nonexistent/states.csv"}, "cannot read '/nonexistent/states.csv'"},
        {{"--batch", "/"}, "cannot read '/': it is a folder"},
        {{"--batch", "-", "-o", "/nonexistent/out.csv"}, "cannot write '/nonexistent/out.csv'"},
        {{"-p", "1", "--settings-dir", "/nonexistent"}, "settings folder '/nonexistent' does not exist"},
    };
    for (const auto& [arguments, reason] : rows) {
        const CompanionRun result = RunCompanionProcess(arguments);
        EXPECT_EQ(result.exitCode, 2) << reason.data();
        EXPECT_EQ(result.out, QByteArray());
        EXPECT_TRUE(result.err.startsWith("vaporlane-calc: " + reason)) << result.err.data();
        EXPECT_TRUE(result.err.endsWith("Try 'vaporlane-calc --help' for the options.\n"));
    }
}

TEST_F(CliCompanion, HelpHasExamplesAndTheUnitNames)
{
    const CompanionRun help = RunCompanionProcess({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("Examples:\n  vaporlane-calc -p 1 "));
    EXPECT_TRUE(help.out.contains(QStringLiteral("  --temperature-unit  Ｋ (1), ℃ (2), Ｆ (3)\n").toUtf8()));
    EXPECT_EQ(RunCompanionProcess({"--version"}).out, "vaporlane-calc 1.40\n");
}

// An unusable batch leaves an earlier results file alone; one that runs replaces it, a bad row and all.
TEST_F(CliCompanion, BatchFromFileToFileWithABadRowInTheMiddle)
{
    const QString output = folder.filePath("results.csv");
    const QByteArray earlier = file("results.csv", "earlier results\n");
    const CompanionRun refused = run({"--batch", "-", "-o", output}, "pressure,temp\n1,2\n");
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains("standard input: unknown column 'temp'")) << refused.err.data();
    EXPECT_EQ(file("results.csv"), earlier);

    file("states.csv", "pressure,temperature\r\n1,300\r\n500,300\r\n3,100\r\n");
    const CompanionRun result = run({"--batch", folder.filePath("states.csv"), "--output", output});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, QByteArray());
    EXPECT_EQ(result.err, "vaporlane-calc: 1 of 3 rows failed; see the error column\n");
    const QList<QByteArray> lines = file("results.csv").split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[2], "500,300,,,pressure-temperature" + QByteArray(14, ',') + "圧力or温度が範囲外です。");
}

}  // namespace
