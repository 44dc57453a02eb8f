// SPDX-License-Identifier: MIT
// Form3: the version dialog.
#pragma once

#include "forms/common/ClassicDialog.h"

class QLabel;
class QPushButton;

class Form3 : public ClassicDialog {
    Q_OBJECT
public:
    // Builds the dialog and runs Form_Load; showing it is the caller's business.
    Form3();

    QLabel* Label1 = nullptr;  // program name
    QLabel* Label2 = nullptr;  // version
    QLabel* Label3 = nullptr;  // rights notice
    QLabel* Label4 = nullptr;  // the property engine's credit line
    QLabel* Label5 = nullptr;  // author
    QPushButton* Command1 = nullptr;  // "OK"

    // Applies the always-on-top layer; every text is fixed.
    void Form_Load();

    // Closes the dialog.
    void Command1_Click();

private:
    void buildControls();
};
