#include "settings/SettingsFile.h"

#include "forms/common/Messages.h"
#include "settings/Module1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <optional>
#include <vector>

namespace {

const QString kSettingsFileName = QStringLiteral("Vaporlane.cfg");

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

QString SettingsFilePath() { return ProgramFile(kSettingsFileName); }

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

void LoadSettings()
{
    QByteArray text;
    QFile file(SettingsFilePath());
    if (file.open(QIODevice::ReadOnly))
        text = file.read(kReadLimit);  // a missing or unreadable file reads as empty: every value its default

    const Settings settings = ParseSettings(text);
    Module1::TempUnit = settings.TempUnit;
    Module1::PressUnit = settings.PressUnit;
    Module1::EnthalUnit = settings.EnthalUnit;
    Module1::EntroUnit = settings.EntroUnit;
    Module1::DensityUnit = settings.DensityUnit;
    Module1::DrynessBasis = settings.DrynessBasis;
    Module1::AlwaysOnTop = settings.AlwaysOnTop;
}

bool SaveSettings()
{
    Settings settings;
    settings.TempUnit = Module1::TempUnit;
    settings.PressUnit = Module1::PressUnit;
    settings.EnthalUnit = Module1::EnthalUnit;
    settings.EntroUnit = Module1::EntroUnit;
    settings.DensityUnit = Module1::DensityUnit;
    settings.DrynessBasis = Module1::DrynessBasis;
    settings.AlwaysOnTop = Module1::AlwaysOnTop;
    const QByteArray text = FormatSettings(settings);

    // Written beside the old file and renamed over it, so a failed save leaves the old file whole.
    QSaveFile file(SettingsFilePath());
    const bool saved = file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
    if (!saved)
        MsgBox(QStringLiteral("設定を保存できませんでした。\n") + QDir::toNativeSeparators(SettingsFilePath()),
               MsgBoxStyle::OkOnly, AppTitle);
    return saved;
}
