// SPDX-License-Identifier: MIT
// A modal window without default or cancel button: Enter clicks only the focused button and Escape does
// nothing, as in the classic windows this program's dialogs follow.
#pragma once

#include <QDialog>

class ClassicDialog : public QDialog {
    Q_OBJECT
public:
    // A window of fixed size with its caption, the application's icon and only a close button; the client area
    // in twips. `kind`: Qt::Dialog, or Qt::Window for a window with a taskbar entry of its own.
    ClassicDialog(const QString& caption, int width, int height, Qt::WindowType kind = Qt::Dialog);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
