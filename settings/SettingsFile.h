// The settings file "Vaporlane.cfg" in the program's folder: seven values, one per line.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// The folder that holds the program; tests point it at a temporary folder.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

// A file of that name in the program's folder.
QString ProgramFile(const QString& name);

QString SettingsFilePath();

// The seven values as the file holds them.
struct Settings {
    int16_t TempUnit = 2;
    int16_t PressUnit = 12;
    int16_t EnthalUnit = 32;
    int16_t EntroUnit = 52;
    int16_t DensityUnit = 71;
    int16_t DrynessBasis = 0;
    bool AlwaysOnTop = false;

    bool operator==(const Settings&) const = default;
};

// Reads the file's text: fields end at a comma or a line end, blanks before a field are skipped. Each
// value that is missing or cannot be read keeps its default.
Settings ParseSettings(const QByteArray& text);

// Seven lines, each ending CR LF; the Boolean as "#TRUE#" or "#FALSE#".
QByteArray FormatSettings(const Settings& settings);

// Reads the seven values into Module1; each value that cannot be read takes its default. Never writes.
void LoadSettings();

// Writes Module1's seven values, replacing the file atomically. On failure shows one message and
// returns false; the settings in memory stay in effect.
bool SaveSettings();
