// SPDX-License-Identifier: MIT
// One line of a result report: label, number field, one blank, unit text.
#pragma once

#include <QString>

// Whether a calculation builds its report's lines, or only the numbers behind them (the command line's batch
// mode, which prints no report).
enum class ReportText { Build, Skip };

// The number field's width in columns.
inline constexpr int kNumberFieldWidth = 17;

// The value in fixed point with eight decimals ("0.00000000"), right-aligned in 17 characters;
// a longer text is returned whole. A value that rounds to zero prints without a minus sign.
QString NumberField(double value);

// The line without its line break (the report area starts each printed line on a new row). A quantity without
// a unit (a dryness) ends with its number.
QString ReportLine(const QString& label, double value, const QString& unitText);
