// SPDX-License-Identifier: MIT
// Form5: the isentropic window (expansion through a turbine, or compression).
#pragma once

#include "forms/common/ClassicDialog.h"

#include <cstdint>
#include <memory>

class FieldGroup;
class NumericTextBox;
class QLabel;
class QPushButton;
class ReportArea;

class Form5 : public ClassicDialog {
    Q_OBJECT
public:
    // Builds the window and runs Form_Load; showing it is the caller's business.
    Form5();
    ~Form5() override;

    QLabel* Label1 = nullptr;  // "基準圧力"
    QLabel* Label2 = nullptr;  // "基準温度"
    QLabel* Label3 = nullptr;  // "設定圧力"
    QLabel* Label4 = nullptr;  // "効率"
    QLabel* Label5 = nullptr;  // pressure unit of the inlet pressure
    QLabel* Label6 = nullptr;  // temperature unit
    QLabel* Label7 = nullptr;  // pressure unit of the outlet pressure
    QLabel* Label8 = nullptr;  // "[%]"
    NumericTextBox* Text1 = nullptr;  // inlet pressure
    NumericTextBox* Text2 = nullptr;  // inlet temperature
    NumericTextBox* Text3 = nullptr;  // outlet pressure
    NumericTextBox* Text4 = nullptr;  // efficiency in per cent, optional
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
    void Text4_KeyDown(int& KeyCode, Qt::KeyboardModifiers Shift);
    void Text1_KeyPress(int16_t& KeyAscii);
    void Text2_KeyPress(int16_t& KeyAscii);
    void Text3_KeyPress(int16_t& KeyAscii);
    void Text4_KeyPress(int16_t& KeyAscii);

private:
    void buildControls();

    std::unique_ptr<FieldGroup> fields_;
};
