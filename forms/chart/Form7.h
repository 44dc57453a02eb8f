// SPDX-License-Identifier: MIT
// Form7, "線図": the chart window. Modeless and resizable, one at a time; it follows the states that the
// calculation windows publish. Its size and chart kind last for the run (the settings file keeps its seven lines).
#pragma once

#include "forms/chart/ChartStates.h"

#include <QWidget>

#include <functional>
#include <memory>

class ChartView;
class QComboBox;
class QLabel;
class QPushButton;

class Form7 : public QWidget {
    Q_OBJECT
public:
    // Builds the window and runs Form_Load; showing it is the caller's business.
    Form7();
    ~Form7() override;

    QComboBox* Combo1 = nullptr;      // the chart kind: h–s, T–s, p–h
    QPushButton* Command1 = nullptr;  // "全体"
    QPushButton* Command2 = nullptr;  // "保存…"
    ChartView* Picture1 = nullptr;
    QLabel* Label1 = nullptr;         // the status line: the state under the cursor

    // The kind and size of the run, and the always-on-top layer.
    void Form_Load();

    void Combo1_Click();
    // Back to the whole chart.
    void Command1_Click();
    // Saves the visible chart as PNG or SVG, by the file name's extension.
    void Command2_Click();

    // Asks for the file to save to; empty: cancelled. Tests install their own.
    using FileNameAsker = std::function<QString(QWidget* parent)>;
    static FileNameAsker SetFileNameAsker(FileNameAsker asker);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void showHint();

    std::unique_ptr<ChartStatesListener> listener_;
};
