// SPDX-License-Identifier: MIT
#include "cli/CommandLine.h"
#include "cli/Companion.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <csignal>
#include <memory>

namespace {

// Drawing a chart needs fonts, so a GUI application on the offscreen platform (unless another is chosen): no
// display is needed. Everything else runs without one.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!ParseCommandLine(arguments).commandLine.chart)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Outside a desktop session the platform's start warns of a missing runtime folder: noise on standard error
    // that the user did not ask about and that scripts would take for a failure.
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    qInstallMessageHandler(previous);
    return application;
}

}  // namespace

int main(int argc, char* argv[])
{
    std::signal(SIGPIPE, SIG_IGN);  // a closed pipe is a write error with a message, not a silent end
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vaporlane-calc"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VAPORLANE_VERSION));
    return RunCompanion(QCoreApplication::arguments());
}
