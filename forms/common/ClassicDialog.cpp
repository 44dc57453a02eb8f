// SPDX-License-Identifier: MIT
#include "forms/common/ClassicDialog.h"

#include "forms/common/Twips.h"
#include "resources/ApplicationIcon.h"

#include <QKeyEvent>
#include <QPushButton>

ClassicDialog::ClassicDialog(const QString& caption, int width, int height, Qt::WindowType kind)
{
    setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(caption);
    setWindowIcon(ApplicationIcon());
    Twips::FixClientSize(this, width, height);
}

void ClassicDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        break;
    case Qt::Key_Escape:
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}
