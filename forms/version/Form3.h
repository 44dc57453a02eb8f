// Form3: the version dialog.
#pragma once

#include <QDialog>

class Form3 : public QDialog {
    Q_OBJECT
public:
    Form3();
};
