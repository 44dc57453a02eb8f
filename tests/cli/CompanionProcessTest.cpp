// SPDX-License-Identifier: MIT
// The built vaporlane-calc as a user runs it: exit statuses, standard output and standard error.
#include "tests/cli/CompanionProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Bad options end with a hint at --help; files that cannot be read or written with the name and the reason.
TEST_F(CliCompanion, UsageAndFileErrorsFailWithStatusTwoAndSayWhy)
{
    const std::tuple<QStringList, QByteArray, bool> rows[] = {
        {{"--presure", "1"}, "Unknown option 'presure'", true},
        {{"-p", "1", "--settings-dir", "/nonexistent"}, "settings folder '/nonexistent' does not exist", true},
        {{"-p", "1", "--excel"}, "--excel belongs to batch mode", true},
        {{"--batch", "/nonexistent/states.csv"}, "cannot read '/nonexistent/states.csv'", false},
        {{"--batch", "/"}, "cannot read '/': it is a folder", false},
        {{"--batch", "-", "-o", "/nonexistent/out.csv"},
         "cannot write '/nonexistent/out.csv': No such file or directory\n", false},
        {{"--batch", "-", "-o", "/"}, "cannot write '/': Is a directory\n", false},
    };
    for (const auto& [arguments, reason, hint] : rows) {
        const CompanionRun result = RunCompanionProcess(arguments);
        EXPECT_EQ(result.exitCode, 2) << reason.data();
        EXPECT_EQ(result.out, QByteArray());
        EXPECT_TRUE(result.err.startsWith("vaporlane-calc: " + reason)) << result.err.data();
        EXPECT_EQ(result.err.endsWith("Try 'vaporlane-calc --help' for the options.\n"), hint) << result.err.data();
    }
}

// A write that fails, to standard output or to -o, is told with the file's name and the reason: status 2.
TEST_F(CliCompanion, WriteFailuresAreNeverSuccess)
{
    file("states.csv", "pressure\n1\n");
    const QString states = folder.filePath("states.csv");
    const std::pair<QStringList, QByteArray> rows[] = {
        {{"-p", "1"}, "standard output"},
        {{"--help"}, "standard output"},
        {{"--batch", states}, "standard output"},
        {{"--batch", states, "-o", "/dev/full"}, "'/dev/full'"},
    };
    for (const auto& [arguments, name] : rows) {
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(VAPORLANE_CALC_PATH, QStringList(arguments) << "--settings-dir" << folder.path());
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(process.readAllStandardError(), "vaporlane-calc: cannot write " + name + ": No space left on device\n");
    }
    struct stat status {};
    ASSERT_EQ(stat("/dev/full", &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));

    // A reader that has gone: standard output is a pipe whose reading end is closed.
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    close(ends[0]);
    QProcess process;
    process.setChildProcessModifier([ends] { dup2(ends[1], STDOUT_FILENO); });
    process.start(VAPORLANE_CALC_PATH, {"-p", "1", "--settings-dir", folder.path()});
    const bool finished = process.waitForFinished(60000);
    close(ends[1]);
    ASSERT_TRUE(finished);
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_EQ(process.readAllStandardError(), "vaporlane-calc: cannot write standard output: Broken pipe\n");
}

// A FIFO given as -o is written into and stays a FIFO; a run that stops midway leaves an earlier file whole.
TEST_F(CliCompanion, OutputIntoAFifoOrNotAtAll)
{
    const QByteArray fifo = QFile::encodeName(folder.filePath("fifo"));
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    const int reader = open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const CompanionRun result = run({"--batch", "-", "-o", folder.filePath("fifo")}, "pressure\n1\n");
    EXPECT_EQ(result.exitCode, 0) << result.err.data();
    char bytes[4096] = {};
    const ssize_t size = read(reader, bytes, sizeof bytes);
    close(reader);
    EXPECT_EQ(QByteArray(bytes, std::max<int>(size, 0)).count('\n'), 2);
    EXPECT_TRUE(QByteArray(bytes).startsWith("pressure,temperature,"));
    struct stat status {};
    ASSERT_EQ(stat(fifo.constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));

    const QByteArray earlier = file("results.csv", "earlier results\n");
    const CompanionRun stopped =
        run({"--batch", "-", "-o", folder.filePath("results.csv")}, "pressure\n1\n2\n" + QByteArray(3 << 20, 'x'));
    EXPECT_EQ(stopped.exitCode, 2);
    EXPECT_EQ(stopped.err, "vaporlane-calc: standard input: line 4: no line end within 2 MiB; reading stopped\n");
    EXPECT_EQ(file("results.csv"), earlier);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"results.csv"});
}

// Reading never waits on a FIFO in the settings file's place, nor runs on without end through /dev/zero; a field
// text read only in part is computed as the window reads it, with one warning.
TEST_F(CliCompanion, InputsThatCouldHangOrMislead)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.filePath("Vaporlane.cfg")).constData(), 0600), 0);
    const CompanionRun saturation = run({"-p", "10kPa"});
    EXPECT_EQ(saturation.exitCode, 0);
    EXPECT_EQ(saturation.out, run({"-p", "10"}).out);
    EXPECT_EQ(saturation.err, "vaporlane-calc: warning: --pressure '10kPa' is read as 10; 'kPa' is ignored\n");

    const CompanionRun zeros = run({"--batch", "/dev/zero"});
    EXPECT_EQ(zeros.exitCode, 2);
    EXPECT_EQ(zeros.out, QByteArray());
    EXPECT_EQ(zeros.err, "vaporlane-calc: /dev/zero: line 1: no line end within 2 MiB; reading stopped\n");
}

// --properties for a compressed-water, a superheated, a wet and a supercritical state, in kelvin: the lines a user
// reads, the temperature's naming the phase; viscosity, conductivity and surface tension agree with the releases'
// check values (transport_pT_if97.csv, sigma(450 K) = 42.891499 mN/m) to their printed digits.
TEST_F(CliCompanion, PropertiesOfFourKindsOfState)
{
    const std::tuple<QStringList, int, QStringList> rows[] = {
        {{"-p", "1", "-t", "373.15"}, 15,
         {" 圧縮水温度    T   =      373.15000000 [Ｋ]", " 密度          rho =      958.77499627 [Kg/m3]",
          " 等エントロピ指数  =     2294.34514723", " 粘度          mu  =      281.82768603 [μPa s]",
          " 熱伝導率      lam =      677.72668391 [mW/mK]"}},
        {{"-p", "1", "-t", "573.15"}, 15,
         {" 過熱蒸気温度  T   =      573.15000000 [Ｋ]", " 粘度          mu  =       20.20546854 [μPa s]",
          " 熱伝導率      lam =       45.12229277 [mW/mK]", " プラントル数  Pr  =        0.95865131"}},
        {{"-t", "450", "-x", "0.5"}, 15,
         {" 圧力          P   =        0.93204108 [MPa]", " 飽和温度      Ts  =      450.00000000 [Ｋ]",
          " 乾き度        x   =        0.50000000", "               mu''=       14.87802629 [μPa s]",
          "              lam''=       34.31165894 [mW/mK]", " 表面張力      sig =       42.89149916 [mN/m]"}},
        {{"-p", "30", "-t", "773.15"}, 15,
         {" 温度          T   =      773.15000000 [Ｋ]", " 粘度          mu  =       31.92353773 [μPa s]",
          " 熱伝導率      lam =      112.74022786 [mW/mK]"}},
    };
    for (const auto& [fields, lineCount, expected] : rows) {
        SCOPED_TRACE(fields.join(' ').toStdString());
        const CompanionRun result = run(QStringList{"--properties", "--temperature-unit", "K"} + fields);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.err, QByteArray());
        const QStringList lines = QString::fromUtf8(result.out).split('\n');
        EXPECT_EQ(lines.size(), lineCount + 1);  // the last line ends too
        for (const QString& line : expected)
            EXPECT_TRUE(lines.contains(line)) << line.toStdString() << "\n" << result.out.toStdString();
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

// A batch that runs replaces an earlier results file, a bad row and all, with its permissions; given through a
// symbolic link, the link stays and its target is replaced.
TEST_F(CliCompanion, BatchFromFileToFileWithABadRowInTheMiddle)
{
    const QByteArray results = QFile::encodeName(folder.filePath("results.csv"));
    file("results.csv", "earlier results\n");
    ASSERT_EQ(chmod(results.constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(folder.filePath("results.csv"), folder.filePath("link.csv")));
    file("states.csv", "pressure,temperature\r\n1,300\r\n500,300\r\n3,100\r\n");
    const CompanionRun result = run({"--batch", folder.filePath("states.csv"), "--output", folder.filePath("link.csv")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, QByteArray());
    EXPECT_EQ(result.err, "vaporlane-calc: 1 of 3 rows failed; see the error column\n");
    const QList<QByteArray> lines = file("results.csv").split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[2], "500,300,,,pressure-temperature" + QByteArray(14, ',') + "圧力or温度が範囲外です。");
    struct stat status {};
    ASSERT_EQ(stat(results.constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_TRUE(QFileInfo(folder.filePath("link.csv")).isSymLink());
}

}  // namespace
