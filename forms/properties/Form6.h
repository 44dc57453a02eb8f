// SPDX-License-Identifier: MIT
// Form6: the property list window, every property of the state that its four fields describe.
#pragma once

#include "forms/common/ClassicDialog.h"
#include "forms/main/PropertyList.h"

#include <cstdint>
#include <memory>
#include <vector>

class FieldGroup;
class NumericTextBox;
class QLabel;
class QPushButton;
class QScrollArea;
class ReportArea;

class Form6 : public ClassicDialog {
    Q_OBJECT
public:
    // Builds the window and runs Form_Load; showing it is the caller's business.
    Form6();
    ~Form6() override;

    QLabel* Label1 = nullptr;  // "圧力"
    QLabel* Label2 = nullptr;  // "温度"
    QLabel* Label3 = nullptr;  // "エンタルピ"
    QLabel* Label4 = nullptr;  // dryness caption: "乾き度", "ＳＢＶ" or "ＳＢＷ"
    QLabel* Label5 = nullptr;  // pressure unit
    QLabel* Label6 = nullptr;  // temperature unit
    QLabel* Label7 = nullptr;  // enthalpy unit
    NumericTextBox* Text1 = nullptr;  // pressure
    NumericTextBox* Text2 = nullptr;  // temperature
    NumericTextBox* Text3 = nullptr;  // specific enthalpy
    NumericTextBox* Text4 = nullptr;  // dryness
    QPushButton* Command1 = nullptr;  // "表示"
    QPushButton* Command2 = nullptr;  // "コピー"
    QPushButton* Command3 = nullptr;  // "終了"
    QScrollArea* Scroll1 = nullptr;   // scrolls Picture1 where the list outgrows it
    ReportArea* Picture1 = nullptr;

    // Unit texts, the dryness basis and the always-on-top layer.
    void Form_Load();

    // The list of the state, or the main window's message.
    void Command1_Click();

    // The list shown, as tab-separated label, value and unit lines, onto the clipboard; nothing shown, nothing
    // copied.
    void Command2_Click();

    // Closes the window.
    void Command3_Click();

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
    NumericTextBox* box(int field) const;

    std::unique_ptr<FieldGroup> fields_;
    std::vector<PropertyRow> rows_;  // what Picture1 shows while it shows anything
};
