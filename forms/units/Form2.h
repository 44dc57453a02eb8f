// SPDX-License-Identifier: MIT
// Form2: the units dialog.
#pragma once

#include "forms/common/ClassicDialog.h"

#include <array>

class Form1;
class QComboBox;
class QLabel;
class QPushButton;

class Form2 : public ClassicDialog {
    Q_OBJECT
public:
    // Builds the dialog over the main window whose texts OK updates, and runs Form_Load.
    explicit Form2(Form1& main);

    QLabel* Label1 = nullptr;  // "温度"
    QLabel* Label2 = nullptr;  // "圧力"
    QLabel* Label3 = nullptr;  // "エンタルピ"
    QLabel* Label4 = nullptr;  // "エントロピ"
    QLabel* Label5 = nullptr;  // "比容積"
    QLabel* Label6 = nullptr;  // "乾き度"
    QComboBox* Combo1 = nullptr;  // temperature unit
    QComboBox* Combo2 = nullptr;  // pressure unit
    QComboBox* Combo3 = nullptr;  // enthalpy unit
    QComboBox* Combo4 = nullptr;  // entropy unit
    QComboBox* Combo5 = nullptr;  // specific volume / density unit
    QComboBox* Combo6 = nullptr;  // dryness basis
    QPushButton* Command1 = nullptr;  // "OK"
    QPushButton* Command2 = nullptr;  // "Cancel"

    // Fills the lists, selects the current settings and applies the always-on-top layer.
    void Form_Load();

    // OK: takes the selections over, updates the main window, the engine and the settings file.
    void Command1_Click();

    // Cancel: closes without changing anything.
    void Command2_Click();

private:
    void buildControls();
    // The lists in the order of the quantities (UnitQuantity).
    std::array<QComboBox*, 6> lists() const;

    Form1& main_;
};
