// SPDX-License-Identifier: MIT
// Runs the built vaporlane-calc as a user would, in the C locale: its output is UTF-8 whatever the locale.
// A run that crashed or hung has the exit code -1.
#pragma once

#include <QProcess>

struct CompanionRun {
    int exitCode;
    QByteArray out, err;
};

inline CompanionRun RunCompanionProcess(const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.setEnvironment(QProcess::systemEnvironment() << "LC_ALL=C");
    process.start(VAPORLANE_CALC_PATH, arguments);
    process.write(input);
    process.closeWriteChannel();
    const bool finished = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    return {finished ? process.exitCode() : -1, process.readAllStandardOutput(), process.readAllStandardError()};
}
