// Form2: the units dialog.
#pragma once

#include <QDialog>

class Form1;

class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(Form1& main);

private:
    Form1& main_;
};
