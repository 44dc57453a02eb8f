// SPDX-License-Identifier: MIT
// vaporlane-calc: the main window's or the constant-enthalpy window's report on standard output.
#pragma once

#include <QStringList>

// Exit statuses.
constexpr int kExitReport = 0;          // the report was printed (batch: every row calculated)
constexpr int kExitMessage = 1;         // the window would have shown a message (batch: some row failed)
constexpr int kExitUsage = 2;           // bad options, unreadable or unusable files
constexpr int kExitNoCalculation = 3;   // the filled fields select no calculation

// Runs the companion with these arguments (the program's name first); needs a QCoreApplication.
int RunCompanion(const QStringList& arguments);
