#include "cli/Companion.h"

#include <QCoreApplication>

#include <csignal>

int main(int argc, char* argv[])
{
    std::signal(SIGPIPE, SIG_IGN);  // a closed pipe is a write error with a message, not a silent end
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vaporlane-calc"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VAPORLANE_VERSION));
    return RunCompanion(QCoreApplication::arguments());
}
