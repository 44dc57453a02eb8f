// The settings file "Vaporlane.cfg" in the program's folder: seven values, one per line.
#pragma once

#include <QString>

// The folder that holds the program; tests point it at a temporary folder.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

QString SettingsFilePath();

// Reads the seven values into Module1; each value that cannot be read takes its default.
void LoadSettings();

// Writes Module1's seven values, replacing the file atomically. On failure shows one message and
// returns false; the settings in memory stay in effect.
bool SaveSettings();
