// SPDX-License-Identifier: MIT
// Form1: the main window. Four input fields, the display button, the report area and the menus.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <memory>

class CommonDialog;
class FieldGroup;
class Form7;
class NumericTextBox;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class ReportArea;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window and runs Form_Load; showing it is the caller's business.
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    QLabel* Label1 = nullptr;  // "圧力"
    QLabel* Label2 = nullptr;  // "温度"
    QLabel* Label3 = nullptr;  // pressure unit
    QLabel* Label4 = nullptr;  // temperature unit
    QLabel* Label5 = nullptr;  // enthalpy unit
    QLabel* Label6 = nullptr;  // "エンタルピ"
    QLabel* Label7 = nullptr;  // dryness caption: "乾き度", "ＳＢＶ" or "ＳＢＷ"
    NumericTextBox* Text1 = nullptr;  // pressure
    NumericTextBox* Text2 = nullptr;  // temperature
    NumericTextBox* Text3 = nullptr;  // specific enthalpy
    NumericTextBox* Text4 = nullptr;  // dryness
    QPushButton* Command1 = nullptr;  // "表　示"
    ReportArea* Picture1 = nullptr;
    CommonDialog* CommonDialog1 = nullptr;

    QMenu* menu_File = nullptr;
    QAction* menu_File_End = nullptr;
    QMenu* menu_Option = nullptr;
    QAction* menu_Option_WindowShow = nullptr;
    QAction* menu_Option_Unit = nullptr;
    QMenu* menu_SpecialCalculation = nullptr;
    QAction* menu_SpecialCalculation_HeatContent = nullptr;
    QAction* menu_SpecialCalculation_Isentropic = nullptr;
    QAction* menu_SpecialCalculation_Properties = nullptr;
    QAction* menu_SpecialCalculation_Chart = nullptr;
    QMenu* menu_Help = nullptr;
    QAction* menu_Help_Contents = nullptr;
    QAction* menu_Help_Version = nullptr;

    // Start-up: settings, unit texts, engine units, dryness caption, always-on-top and its check mark.
    void Form_Load();

    // The unit texts beside the pressure, temperature and enthalpy fields (Label3, Label4, Label5), from the
    // current settings.
    void RefreshUnitLabels();

    // The units dialog's new settings: unit texts, the report cleared, the units handed to the engine (one
    // message per refusal), the dryness basis as the dryness field's caption.
    void UnitsChanged();

    // The chart window while it is open.
    Form7* Chart() const;

    // The display operation.
    void Command1_Click();

    void Text1_KeyDown(int& KeyCode, Qt::KeyboardModifiers Shift);
    void Text2_KeyDown(int& KeyCode, Qt::KeyboardModifiers Shift);
    void Text3_KeyDown(int& KeyCode, Qt::KeyboardModifiers Shift);
    void Text4_KeyDown(int& KeyCode, Qt::KeyboardModifiers Shift);
    void Text1_KeyPress(int16_t& KeyAscii);
    void Text2_KeyPress(int16_t& KeyAscii);
    void Text3_KeyPress(int16_t& KeyAscii);
    void Text4_KeyPress(int16_t& KeyAscii);

    void menu_File_End_Click();
    void menu_Option_WindowShow_Click();
    void menu_Option_Unit_Click();
    void menu_SpecialCalculation_HeatContent_Click();
    void menu_SpecialCalculation_Isentropic_Click();
    void menu_SpecialCalculation_Properties_Click();
    void menu_SpecialCalculation_Chart_Click();
    void menu_Help_Contents_Click();
    void menu_Help_Version_Click();

protected:
    // The help window goes with the main window; nothing is saved.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void showDrynessBasis();

    std::unique_ptr<FieldGroup> fields_;
    QPointer<Form7> chart_;
};
