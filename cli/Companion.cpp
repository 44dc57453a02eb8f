// SPDX-License-Identifier: MIT
#include "cli/Companion.h"

#include "cli/Batch.h"
#include "cli/CommandLine.h"
#include "cli/OutputSink.h"
#include "cli/WindowCalculation.h"
#include "engine/seam/PropertyEngine.h"
#include "forms/chart/ChartExport.h"
#include "forms/common/LeadingNumber.h"
#include "forms/common/Messages.h"
#include "settings/Module1.h"
#include "settings/SettingsFile.h"
#include "settings/UnitCatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace {

const char* const kName = "vaporlane-calc";

// Standard error is where failures are told; there is nowhere to tell a failure of its own.
void toStandardError(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

int usageError(const QString& error)
{
    toStandardError(QStringLiteral("%1: %2\nTry '%1 --help' for the options.\n").arg(QLatin1String(kName), error));
    return kExitUsage;
}

// Files that cannot be read or written: each reason on a line of its own.
int fileErrors(const QStringList& errors)
{
    for (const QString& error : errors)
        toStandardError(QStringLiteral("%1: %2\n").arg(QLatin1String(kName), error));
    return kExitUsage;
}

// Text for standard output; false, with the reason told, where it could not be written.
bool printOut(const QString& text)
{
    OutputSink out;
    out.Write(text.toUtf8());
    if (out.Finish())
        return true;
    fileErrors({out.Error()});
    return false;
}

// The window's message boxes become lines on standard error; the exit status remembers them.
class StandardErrorMessages final : public MessageSink {
public:
    int shown = 0;
    void Show(const QString& prompt, MsgBoxStyle, const QString&) override
    {
        ++shown;
        toStandardError(prompt + QLatin1Char('\n'));
    }
};

// The window's start-up with the units of the command line over those of the settings file.
void setUpUnits(const UnitOverrides& units, const QString& settingsFolder)
{
    if (settingsFolder.isEmpty())
        LoadSettings();
    else
        LoadSettingsFrom(QDir(settingsFolder).filePath(QStringLiteral("Vaporlane.cfg")));
    FillUnitLabels();
    const auto take = [](int16_t& setting, const std::optional<int16_t>& given) {
        if (given)
            setting = *given;
    };
    take(Module1::TempUnit, units.temperature);
    take(Module1::PressUnit, units.pressure);
    take(Module1::EnthalUnit, units.enthalpy);
    take(Module1::EntroUnit, units.entropy);
    take(Module1::DensityUnit, units.volume);
    take(Module1::DrynessBasis, units.drynessBasis);
    ReplaceInvalidUnits();
    HandUnitsToEngine();
}

// The shortest text that reads back as the same double.
QString shortest(double value)
{
    char digits[32];
    const auto [end, ec] = std::to_chars(std::begin(digits), std::end(digits), value);
    return QString::fromLatin1(digits, ec == std::errc() ? end - digits : 0);
}

// A field text that the window reads only in part: one warning line naming the part it ignores.
void warnOfIgnoredText(const CommandLine& commandLine)
{
    const std::vector<FieldName>& fields = FieldsOf(commandLine.window);
    for (size_t i = 0; i < fields.size(); ++i) {
        const QString text = commandLine.fields.value(static_cast<qsizetype>(i));
        const LeadingNumberRead read = ReadLeadingNumber(text);
        const QString ignored = text.mid(read.length).trimmed();
        if (!ignored.isEmpty())
            toStandardError(QStringLiteral("%1: warning: --%2 '%3' is read as %4; '%5' is ignored\n")
                                .arg(QLatin1String(kName), fields[i].option, text, shortest(read.value), ignored));
    }
}

// The message of a calculation that printed no report, on standard error, and its exit status.
int noReport(const WindowResult& result)
{
    if (!result.message.isEmpty()) {
        toStandardError(result.message + QLatin1Char('\n'));
        return kExitMessage;
    }
    toStandardError(QStringLiteral("%1: the filled fields select no calculation\n").arg(QLatin1String(kName)));
    return kExitNoCalculation;
}

int runSingle(const CommandLine& commandLine, const StandardErrorMessages& messages)
{
    warnOfIgnoredText(commandLine);
    const WindowResult result = CalculateWindow(commandLine.window, commandLine.fields, Engine());
    QString report;
    for (const QString& line : result.report)
        report += line + QLatin1Char('\n');
    if (!printOut(report))
        return kExitUsage;
    if (result.report.isEmpty())
        return noReport(result);
    return messages.shown > 0 ? kExitMessage : kExitReport;
}

bool openInput(QFile& file, const QString& name, QString& error)
{
    if (name == u"-")
        return file.open(stdin, QIODevice::ReadOnly);
    file.setFileName(name);
    if (QFileInfo(name).isDir())
        error = QStringLiteral("cannot read '%1': it is a folder").arg(name);
    else if (!file.open(QIODevice::ReadOnly))
        error = QStringLiteral("cannot read '%1': %2").arg(name, file.errorString());
    return error.isEmpty();
}

// The chart as the window draws it, whole, at a fixed size; with field options, the calculation's states on it.
// A failed calculation writes nothing: a chart without the state asked for would mislead.
int runChart(const CommandLine& commandLine, const StandardErrorMessages& messages)
{
    constexpr QSize kChartSize(1200, 900);
    ChartStates states;
    if (std::ranges::any_of(commandLine.fields, [](const QString& text) { return !text.isNull(); })) {
        warnOfIgnoredText(commandLine);
        const WindowResult result = CalculateWindow(commandLine.window, commandLine.fields, Engine());
        if (result.report.isEmpty())
            return noReport(result);
        states = result.chart;
    }
    const ChartData chart = BuildChart(*commandLine.chart, Engine());
    const QByteArray bytes = RenderChart(*ImageFormatOf(commandLine.output), kChartSize, 1.0, QGuiApplication::font(),
                                         chart, chart.extent, OverlayOf(chart, states, Engine()));
    OutputSink output;
    if (!output.Open(commandLine.output) || !output.Write(bytes) || !output.Finish())
        return fileErrors({output.Error()});
    return messages.shown > 0 ? kExitMessage : kExitReport;
}

// The results replace an earlier file only when the batch has run to its end and every write succeeded.
int runBatch(const CommandLine& commandLine, const StandardErrorMessages& messages)
{
    QFile input;
    QString error;
    if (!openInput(input, commandLine.input, error))
        return fileErrors({error});
    OutputSink output;
    if (!commandLine.output.isEmpty() && commandLine.output != u"-" && !output.Open(commandLine.output))
        return fileErrors({output.Error()});
    const BatchSummary summary = RunBatch(input, output, Engine(), commandLine.batchOptions);
    if (summary.error.isEmpty())
        output.Finish();
    else
        output.Cancel();

    QStringList errors;
    if (!summary.error.isEmpty()) {
        const QString source = commandLine.input == u"-" ? QStringLiteral("standard input") : commandLine.input;
        errors << QStringLiteral("%1: %2").arg(source, summary.error);
    }
    if (output.Failed())
        errors << output.Error();
    if (!errors.isEmpty())
        return fileErrors(errors);
    if (summary.failedRows > 0) {
        toStandardError(QStringLiteral("%1: %2 of %3 rows failed; see the error column\n")
                            .arg(QLatin1String(kName))
                            .arg(summary.failedRows)
                            .arg(summary.rows));
        return kExitMessage;
    }
    return messages.shown > 0 ? kExitMessage : kExitReport;
}

}  // namespace

int RunCompanion(const QStringList& arguments)
{
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (!parsed.error.isEmpty())
        return usageError(parsed.error);
    const CommandLine& commandLine = parsed.commandLine;
    if (commandLine.help || commandLine.version) {
        const QString text = commandLine.help ? HelpText()
                                              : QStringLiteral("%1 %2\n").arg(QLatin1String(kName),
                                                                              QCoreApplication::applicationVersion());
        return printOut(text) ? kExitReport : kExitUsage;
    }
    if (!commandLine.settingsFolder.isEmpty() && !QFileInfo(commandLine.settingsFolder).isDir())
        return usageError(QStringLiteral("settings folder '%1' does not exist").arg(commandLine.settingsFolder));

    StandardErrorMessages messages;
    MessageSink* previous = SetMessageSink(&messages);
    setUpUnits(commandLine.units, commandLine.settingsFolder);
    const int status = commandLine.batch   ? runBatch(commandLine, messages)
                       : commandLine.chart ? runChart(commandLine, messages)
                                           : runSingle(commandLine, messages);
    SetMessageSink(previous);
    return status;
}
