// SPDX-License-Identifier: MIT
// The windows' calculations as the command line runs them: from the field texts to the report's
// lines or the window's message, with the case, the phase and the reported numbers beside them.
#pragma once

#include "engine/seam/PropertyEngine.h"
#include "forms/common/ReportLine.h"
#include "forms/chart/ChartStates.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

// The windows with fields of their own, and the property list of the main window's state (--properties).
enum class CalcWindow { Main, HeatContent, Isentropic, Properties };

// The windows whose fields the command line and a batch header name.
inline constexpr CalcWindow kCalcWindows[] = {CalcWindow::Main, CalcWindow::HeatContent, CalcWindow::Isentropic};

// How messages name a window's fields: "the main window's fields", ...
QString FieldsName(CalcWindow window);

// One input box of a window, named as a CSV column and as a command-line option.
struct FieldName {
    QString column;       // "pressure", "reference_pressure", "inlet_pressure"
    QString option;       // "pressure", "reference-pressure", "inlet-pressure"
    QString shortOption;  // "p", or empty
    QString description;
    QString label;        // the window's caption of the box: "圧力", "基準圧力"
};

const std::vector<FieldName>& FieldsOf(CalcWindow window);

// Why --properties refuses the fields of the other windows.
inline const QString kPropertiesOfMainFields =
    QStringLiteral("--properties lists the state of the main window's fields (pressure, temperature, enthalpy, "
                   "dryness) only");

// The names of a window's phase columns: "phase", or the isentropic window's "phase_2s" and "phase_2".
const QStringList& PhaseColumnsOf(CalcWindow window);

// The symbols of the numbers a window reports, in a fixed order ("P", "Ts", "h'", "v''", "T_set", "h1-h2s", ...).
const QStringList& ValueSymbolsOf(CalcWindow window);

// The current unit text of each reported number, in the order of ValueSymbolsOf.
QStringList ValueUnitsOf(CalcWindow window);

struct WindowResult {
    QString message;          // the window's message box text; empty when it shows none
    QStringList report;       // the lines the window prints; empty with a message, without a calculation or unasked
    QString calculationCase;  // "saturation-by-pressure", ..., "constant-enthalpy", "isentropic"; "none" without one
    QStringList phases;       // per phase column: "compressed-water", "wet-steam", "superheated-steam" or empty
    std::vector<std::optional<double>> values;  // as printed, in the order of ValueSymbolsOf; set when reported
    ChartStates chart;  // what the window publishes to the chart; set when reported and the report is built
};

// One input box as the calculation reads it: whether it holds text, and the number the window reads from it.
struct FieldValue {
    bool filled = false;
    double value = 0;
};
inline constexpr std::size_t kMostFields = 4;
using FieldValues = std::array<FieldValue, kMostFields>;  // in the order of FieldsOf

// Runs the window's calculation on its field texts (one text per field of FieldsOf; an empty text is an
// empty box), with the units and settings currently in effect. With ReportText::Skip the report stays empty.
WindowResult CalculateWindow(CalcWindow window, const QStringList& texts, PropertyEngine& engine,
                             ReportText text = ReportText::Build);

// The same from the boxes' values, for every window but the property list (which reads texts). Overwrites
// `result`, reusing its storage, so that a batch calculates row after row without allocating.
void CalculateWindow(CalcWindow window, const FieldValues& fields, PropertyEngine& engine, ReportText text,
                     WindowResult& result);
