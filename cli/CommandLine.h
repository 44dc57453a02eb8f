// SPDX-License-Identifier: MIT
// The companion's command line: field texts, units, the settings folder, batch mode and the chart.
#pragma once

#include "cli/Batch.h"
#include "cli/WindowCalculation.h"
#include "forms/chart/ChartAxes.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// Units given as options; each one given replaces the settings file's value.
struct UnitOverrides {
    std::optional<int16_t> temperature;
    std::optional<int16_t> pressure;
    std::optional<int16_t> enthalpy;
    std::optional<int16_t> entropy;
    std::optional<int16_t> volume;
    std::optional<int16_t> drynessBasis;
};

struct CommandLine {
    bool help = false;
    bool version = false;
    CalcWindow window = CalcWindow::Main;  // Properties with --properties and the main window's fields
    QStringList fields;  // one text per field of the window; empty when not given
    UnitOverrides units;
    QString settingsFolder;  // empty: the settings file Vaporlane itself reads
    bool batch = false;
    QString input;   // batch input file; "-" is standard input
    QString output;  // batch output file (empty or "-" is standard output), or the chart's image file
    BatchOptions batchOptions;
    std::optional<ChartKind> chart;  // draw this chart into the output file instead of printing a report
};

struct ParsedCommandLine {
    CommandLine commandLine;
    QString error;  // non-empty: the arguments are not usable
};

// Reads the arguments (the program's name first).
ParsedCommandLine ParseCommandLine(const QStringList& arguments);

// The text of --help.
QString HelpText();
