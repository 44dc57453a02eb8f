#include "cli/Companion.h"

#include "cli/Batch.h"
#include "cli/CommandLine.h"
#include "cli/WindowCalculation.h"
#include "engine/seam/PropertyEngine.h"
#include "forms/common/Messages.h"
#include "settings/Module1.h"
#include "settings/SettingsFile.h"
#include "settings/UnitCatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

const char* const kName = "vaporlane-calc";

void writeTo(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

int usageError(const QString& error)
{
    writeTo(stderr, QStringLiteral("%1: %2\nTry '%1 --help' for the options.\n").arg(QLatin1String(kName), error));
    return kExitUsage;
}

// The window's message boxes become lines on standard error; the exit status remembers them.
class StandardErrorMessages final : public MessageSink {
public:
    int shown = 0;
    void Show(const QString& prompt, MsgBoxStyle, const QString&) override
    {
        ++shown;
        writeTo(stderr, prompt + QLatin1Char('\n'));
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

int runSingle(const CommandLine& commandLine, const StandardErrorMessages& messages)
{
    const WindowResult result = CalculateWindow(commandLine.window, commandLine.fields, Engine());
    QString report;
    for (const QString& line : result.report)
        report += line + QLatin1Char('\n');
    writeTo(stdout, report);
    if (!result.message.isEmpty()) {
        writeTo(stderr, result.message + QLatin1Char('\n'));
        return kExitMessage;
    }
    if (result.report.isEmpty()) {
        writeTo(stderr, QStringLiteral("%1: the filled fields select no calculation\n").arg(QLatin1String(kName)));
        return kExitNoCalculation;
    }
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

// A results file replaces an earlier one only when the batch has run to its end.
bool openOutput(QFile& standardOutput, QSaveFile& file, const QString& name, QString& error)
{
    if (name.isEmpty() || name == u"-")
        return standardOutput.open(stdout, QIODevice::WriteOnly);
    file.setFileName(name);
    if (!file.open(QIODevice::WriteOnly))
        error = QStringLiteral("cannot write '%1': %2").arg(name, file.errorString());
    return error.isEmpty();
}

int runBatch(const CommandLine& commandLine, const StandardErrorMessages& messages)
{
    QFile input;
    QFile standardOutput;
    QSaveFile file;
    QString error;
    if (!openInput(input, commandLine.input, error) || !openOutput(standardOutput, file, commandLine.output, error))
        return usageError(error);
    QIODevice& output = file.isOpen() ? static_cast<QIODevice&>(file) : standardOutput;
    BatchSummary summary = RunBatch(input, output, Engine());
    if (file.isOpen()) {
        if (!summary.error.isEmpty())
            file.cancelWriting();
        else if (!file.commit())
            summary.error = QStringLiteral("cannot write '%1': %2").arg(commandLine.output, file.errorString());
    }
    standardOutput.close();
    if (!summary.error.isEmpty()) {
        const QString source = commandLine.input == u"-" ? QStringLiteral("standard input") : commandLine.input;
        return usageError(QStringLiteral("%1: %2").arg(source, summary.error));
    }
    if (summary.failedRows > 0) {
        writeTo(stderr, QStringLiteral("%1: %2 of %3 rows failed; see the error column\n")
                            .arg(QLatin1String(kName)).arg(summary.failedRows).arg(summary.rows));
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
    if (commandLine.help) {
        writeTo(stdout, HelpText());
        return kExitReport;
    }
    if (commandLine.version) {
        writeTo(stdout, QStringLiteral("%1 %2\n").arg(QLatin1String(kName), QCoreApplication::applicationVersion()));
        return kExitReport;
    }
    if (!commandLine.settingsFolder.isEmpty() && !QFileInfo(commandLine.settingsFolder).isDir())
        return usageError(QStringLiteral("settings folder '%1' does not exist").arg(commandLine.settingsFolder));

    StandardErrorMessages messages;
    MessageSink* previous = SetMessageSink(&messages);
    setUpUnits(commandLine.units, commandLine.settingsFolder);
    const int status = commandLine.batch ? runBatch(commandLine, messages) : runSingle(commandLine, messages);
    SetMessageSink(previous);
    return status;
}
