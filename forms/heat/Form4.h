// SPDX-License-Identifier: MIT
// Form4: the constant-enthalpy window.
#pragma once

#include "forms/common/ClassicDialog.h"

#include <cstdint>
#include <memory>

class FieldGroup;
class NumericTextBox;
class QLabel;
class QPushButton;
class ReportArea;

class Form4 : public ClassicDialog {
    Q_OBJECT
public:
    // Builds the window and runs Form_Load; showing it is the caller's business.
    Form4();
    ~Form4() override;

    QLabel* Label1 = nullptr;  // "基準圧力"
    QLabel* Label2 = nullptr;  // "基準温度"
    QLabel* Label3 = nullptr;  // "設定圧力"
    QLabel* Label4 = nullptr;  // pressure unit of the reference pressure
    QLabel* Label5 = nullptr;  // temperature unit
    QLabel* Label6 = nullptr;  // pressure unit of the set pressure
    NumericTextBox* Text1 = nullptr;  // reference pressure
    NumericTextBox* Text2 = nullptr;  // reference temperature
    NumericTextBox* Text3 = nullptr;  // set pressure
    QPushButton* Command1 = nullptr;  // "表示"
    QPushButton* Command2 = nullptr;  // "終了"
    ReportArea* Picture1 = nullptr;

    // Unit texts and the always-on-top layer.
    void Form_Load();

    // The calculation.
    void Command1_Click();

    // Closes the window.
    void Command2_Click();

    void Text1_KeyDown(int& KeyCode, Qt::KeyboardModifiers Shift);
    void Text2_KeyDown(int& KeyCode, Qt::KeyboardModifiers Shift);
    void Text3_KeyDown(int& KeyCode, Qt::KeyboardModifiers Shift);
    void Text1_KeyPress(int16_t& KeyAscii);
    void Text2_KeyPress(int16_t& KeyAscii);
    void Text3_KeyPress(int16_t& KeyAscii);

private:
    void buildControls();

    std::unique_ptr<FieldGroup> fields_;
};
