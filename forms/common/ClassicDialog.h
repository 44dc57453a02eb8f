// A modal window without default or cancel button: Enter clicks only the focused button and Escape does
// nothing, as in the classic windows this program's dialogs follow.
#pragma once

#include <QDialog>

class ClassicDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
