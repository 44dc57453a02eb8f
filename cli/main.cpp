#include "cli/Companion.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vaporlane-calc"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VAPORLANE_VERSION));
    return RunCompanion(QCoreApplication::arguments());
}
