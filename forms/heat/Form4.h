// Form4: the constant-enthalpy window.
#pragma once

#include <QDialog>

class Form4 : public QDialog {
    Q_OBJECT
public:
    Form4();
};
