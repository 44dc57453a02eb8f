// SPDX-License-Identifier: MIT
// The settings file "Vaporlane.cfg" in the program's folder: seven values, one per line.
#pragma once

#include "settings/UnitCatalogue.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// Where the program's files are. A portable copy keeps everything in the program's folder; an installed
// copy (bin/vaporlane) finds its help file in ../share/vaporlane and keeps the settings in the user's
// configuration folder.

// The folder that holds the program; tests point it at a temporary folder.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

// A file of that name in the program's folder.
QString ProgramFile(const QString& name);

// Whether this process may create and replace files in the program's folder.
bool ProgramFolderWritable();

// "Vaporlane.cfg" in the user's configuration folder: $XDG_CONFIG_HOME/vaporlane, or ~/.config/vaporlane
// when XDG_CONFIG_HOME is unset, empty or not an absolute path.
QString UserSettingsFilePath();

// The file that saves write: beside the program where its folder is writable and the copy is not an
// installed one (help file under ../share/vaporlane), else the user's file.
QString SettingsFilePath();

// The file that start-up reads: the one saves write, except that while the user's file does not exist yet
// the one beside the program is read (defaults an administrator may have put there).
QString SettingsFileToRead();

// "Vaporlane.hlp" beside the program; where that is missing and ../share/vaporlane/Vaporlane.hlp exists,
// that one.
QString HelpFilePath();

// The seven values as the file holds them; each defaults to its quantity's default.
struct Settings {
    int16_t TempUnit = kTemperatureUnits.defaultCode;
    int16_t PressUnit = kPressureUnits.defaultCode;
    int16_t EnthalUnit = kEnthalpyUnits.defaultCode;
    int16_t EntroUnit = kEntropyUnits.defaultCode;
    int16_t DensityUnit = kVolumeUnits.defaultCode;
    int16_t DrynessBasis = kDrynessBasisUnits.defaultCode;
    bool AlwaysOnTop = false;

    // The code of a quantity: TempUnit for the temperature, and so on.
    int16_t& Code(UnitQuantity quantity)
    {
        static constexpr int16_t Settings::*codes[] = {&Settings::TempUnit,   &Settings::PressUnit,
                                                       &Settings::EnthalUnit, &Settings::EntroUnit,
                                                       &Settings::DensityUnit, &Settings::DrynessBasis};
        return this->*codes[static_cast<size_t>(quantity)];
    }

    bool operator==(const Settings&) const = default;
};

// Reads the file's text: fields end at a comma or a line end, blanks before a field are skipped. Each
// value that is missing or cannot be read keeps its default.
Settings ParseSettings(const QByteArray& text);

// Seven lines, each ending CR LF; the Boolean as "#TRUE#" or "#FALSE#".
QByteArray FormatSettings(const Settings& settings);

// Reads the seven values of SettingsFileToRead() into Module1; each value that cannot be read takes its
// default. Never writes.
void LoadSettings();

// The same from a given file (a missing one gives the defaults).
void LoadSettingsFrom(const QString& path);

// Writes Module1's seven values to SettingsFilePath(), replacing the file atomically and creating the
// user's configuration folder if needed. On failure shows one message and returns false; the settings in
// memory stay in effect.
bool SaveSettings();
