// SPDX-License-Identifier: MIT
#include "settings/SettingsFile.h"

#include "forms/common/Messages.h"
#include "settings/Module1.h"
#include "settings/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString kSettingsFileName = QStringLiteral("Vaporlane.cfg");
const QString kHelpFileName = QStringLiteral("Vaporlane.hlp");
// The installed layout: bin/vaporlane beside share/vaporlane/.
const QString kInstalledDataFolder = QStringLiteral("../share/vaporlane");
const QString kUserFolderName = QStringLiteral("vaporlane");

// The platform's part: who may write a folder, and where a user's configuration lives.

// Asked for the effective identity, as opening a file would be; a missing folder is not writable.
bool folderWritable(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    return !path.isEmpty() && faccessat(AT_FDCWD, path.constData(), W_OK | X_OK, AT_EACCESS) == 0;
}

QString userConfigurationFolder()
{
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(configured))
        return configured;
    return QDir(QDir::homePath()).filePath(QStringLiteral(".config"));
}

// Seven short fields fit in far less; a larger file is read no further than this.
constexpr qint64 kReadLimit = 64 * 1024;
constexpr int kFieldCount = 7;

QString& folderOverride()
{
    static QString folder;
    return folder;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// Splits off up to `count` fields. A comma directly followed by a line end is one delimiter, and so is CR LF.
std::vector<QByteArray> splitFields(const QByteArray& text, int count)
{
    std::vector<QByteArray> fields;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && static_cast<int>(fields.size()) < count) {
        while (i < n && isBlank(text[i]))
            ++i;
        const qsizetype start = i;
        while (i < n && text[i] != ',' && !isLineEnd(text[i]))
            ++i;
        fields.push_back(text.mid(start, i - start).trimmed());
        if (i < n && text[i] == ',') {
            ++i;
            qsizetype j = i;
            while (j < n && isBlank(text[j]))
                ++j;
            if (j < n && isLineEnd(text[j]))
                i = j;
            else
                continue;
        }
        if (i < n && text[i] == '\r')
            ++i;
        if (i < n && text[i] == '\n')
            ++i;
    }
    return fields;
}

std::optional<int16_t> readInteger(const std::vector<QByteArray>& fields, size_t index)
{
    if (index >= fields.size())
        return std::nullopt;
    bool ok = false;
    const short value = fields[index].toShort(&ok, 10);
    return ok ? std::optional<int16_t>(value) : std::nullopt;
}

std::optional<bool> readBoolean(const std::vector<QByteArray>& fields, size_t index)
{
    if (index >= fields.size())
        return std::nullopt;
    if (fields[index] == "#TRUE#")
        return true;
    if (fields[index] == "#FALSE#")
        return false;
    return std::nullopt;
}

}  // namespace

QString ProgramFolder()
{
    return folderOverride().isEmpty() ? QCoreApplication::applicationDirPath() : folderOverride();
}

void SetProgramFolder(const QString& folder) { folderOverride() = folder; }

QString ProgramFile(const QString& name) { return QDir(ProgramFolder()).filePath(name); }

bool ProgramFolderWritable() { return folderWritable(ProgramFolder()); }

QString UserSettingsFilePath()
{
    return QDir(userConfigurationFolder()).filePath(kUserFolderName + QLatin1Char('/') + kSettingsFileName);
}

namespace {

// An installed copy keeps its help file under share/, never beside the program: its settings belong to the
// user even where the program's folder is writable (root running the program from /usr/bin).
bool installedCopy()
{
    return !QFileInfo::exists(ProgramFile(kHelpFileName)) &&
           QFileInfo::exists(ProgramFile(kInstalledDataFolder + QLatin1Char('/') + kHelpFileName));
}

}  // namespace

QString SettingsFilePath()
{
    return ProgramFolderWritable() && !installedCopy() ? ProgramFile(kSettingsFileName) : UserSettingsFilePath();
}

QString SettingsFileToRead()
{
    const QString path = SettingsFilePath();
    return QFileInfo::exists(path) ? path : ProgramFile(kSettingsFileName);
}

QString HelpFilePath()
{
    const QString beside = ProgramFile(kHelpFileName);
    const QString installed = QDir::cleanPath(ProgramFile(kInstalledDataFolder + QLatin1Char('/') + kHelpFileName));
    return !QFileInfo::exists(beside) && QFileInfo::exists(installed) ? installed : beside;
}

Settings ParseSettings(const QByteArray& text)
{
    const std::vector<QByteArray> fields = splitFields(text, kFieldCount);
    Settings settings;
    settings.TempUnit = readInteger(fields, 0).value_or(settings.TempUnit);
    settings.PressUnit = readInteger(fields, 1).value_or(settings.PressUnit);
    settings.EnthalUnit = readInteger(fields, 2).value_or(settings.EnthalUnit);
    settings.EntroUnit = readInteger(fields, 3).value_or(settings.EntroUnit);
    settings.DensityUnit = readInteger(fields, 4).value_or(settings.DensityUnit);
    settings.DrynessBasis = readInteger(fields, 5).value_or(settings.DrynessBasis);
    settings.AlwaysOnTop = readBoolean(fields, 6).value_or(settings.AlwaysOnTop);
    return settings;
}

QByteArray FormatSettings(const Settings& settings)
{
    QByteArray text;
    for (const int16_t value : {settings.TempUnit, settings.PressUnit, settings.EnthalUnit, settings.EntroUnit,
                                settings.DensityUnit, settings.DrynessBasis})
        text += QByteArray::number(value) + "\r\n";
    text += settings.AlwaysOnTop ? "#TRUE#\r\n" : "#FALSE#\r\n";
    return text;
}

void LoadSettings() { LoadSettingsFrom(SettingsFileToRead()); }

void LoadSettingsFrom(const QString& path)
{
    // A missing or unreadable file reads as empty: every value takes its default.
    Module1::Current = ParseSettings(ReadRegularFile(path, kReadLimit).bytes.value_or(QByteArray()));
}

bool SaveSettings()
{
    const QByteArray text = FormatSettings(Module1::Current);

    // Written beside the old file and renamed over it, so a failed save leaves the old file whole. Whatever
    // else has the file's name (a FIFO, a device, a folder) is not replaced.
    const QString path = SettingsFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());  // the user's folder on the first save; a failure shows below
    QSaveFile file(path);
    const bool replaceable = !QFileInfo::exists(path) || IsRegularFile(path);
    const bool saved = replaceable && file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
    if (!saved)
        MsgBox(QStringLiteral("設定を保存できませんでした。\n") + QDir::toNativeSeparators(path), MsgBoxStyle::OkOnly,
               AppTitle);
    return saved;
}
