// SPDX-License-Identifier: MIT
// Vaporlane: the properties of water and steam by IAPWS-IF97.
#include "forms/common/Messages.h"
#include "forms/common/QtMessageSink.h"
#include "forms/common/QtTranslation.h"
#include "forms/main/Form1.h"
#include "resources/ApplicationIcon.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(AppTitle);
    QApplication::setWindowIcon(ApplicationIcon());
    // The desktop entry's name: the window groups with its launcher (Wayland's app id).
    QGuiApplication::setDesktopFileName(QStringLiteral(VAPORLANE_DESKTOP_ID));

    QtMessageSink messageBoxes;
    SetMessageSink(&messageBoxes);
    InstallQtTranslation();  // without Qt's translations its few own texts stay English

    Form1 form;  // its load step runs here, before the window is shown
    form.show();
    const int status = QApplication::exec();

    SetMessageSink(nullptr);
    return status;
}
