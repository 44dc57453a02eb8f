// SPDX-License-Identifier: MIT
#include "forms/heat/Form4.h"

#include "forms/chart/ChartStates.h"
#include "forms/common/AlwaysOnTop.h"
#include "forms/common/Controls.h"
#include "forms/common/FieldGroup.h"
#include "forms/common/LeadingNumber.h"
#include "forms/common/Messages.h"
#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "forms/common/Twips.h"
#include "forms/heat/HeatContentCalculation.h"
#include "settings/UnitCatalogue.h"

#include <QLabel>
#include <QPushButton>

// A window of its own (it has a taskbar entry), fixed in size, with neither minimise nor maximise.
Form4::Form4() : ClassicDialog(QStringLiteral("エンタルピ一定"), 4905, 5205, Qt::Window)
{
    buildControls();
    Form_Load();
}

Form4::~Form4() = default;

void Form4::buildControls()
{
    Label1 = MakeCaption(this, "Label1", QStringLiteral("基準圧力"), 240, 360, 735, 255);
    Label2 = MakeCaption(this, "Label2", QStringLiteral("基準温度"), 240, 960, 735, 375);
    Label3 = MakeCaption(this, "Label3", QStringLiteral("設定圧力"), 240, 1560, 735, 375);
    Label4 = MakeUnitLabel(this, "Label4", 2640, 360);
    Label5 = MakeUnitLabel(this, "Label5", 2640, 960);
    Label6 = MakeUnitLabel(this, "Label6", 2640, 1560);

    Text1 = MakeBox(this, "Text1");
    Text2 = MakeBox(this, "Text2");
    Text3 = MakeBox(this, "Text3");
    Twips::Place(Text1, 1200, 360, 1215, 300);
    Twips::Place(Text2, 1200, 960, 1215, 300);
    Twips::Place(Text3, 1200, 1560, 1215, 300);

    // Enter belongs to the input boxes and the focused button.
    Command1 = MakeButton(this, "Command1", QStringLiteral("表示"), 2400, 2280, 975, 375);
    Command2 = MakeButton(this, "Command2", QStringLiteral("終了"), 3600, 2280, 975, 375);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });

    Picture1 = new ReportArea(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Twips::Place(Picture1, 240, 3000, 4455, 1935);

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Picture1);
    setTabOrder(Picture1, Command1);
    setTabOrder(Command1, Command2);
    Text1->setFocus();

    // The boxes form a line: up from the first and down from the last do nothing.
    fields_ = std::make_unique<FieldGroup>(
        std::vector<Field>{{Label1, Text1, Label4}, {Label2, Text2, Label5}, {Label3, Text3, Label6}}, FieldEnds::Stop,
        *Picture1, [this] { Command1_Click(); });
    fields_->Route(this, {{&Form4::Text1_KeyDown, &Form4::Text1_KeyPress},
                          {&Form4::Text2_KeyDown, &Form4::Text2_KeyPress},
                          {&Form4::Text3_KeyDown, &Form4::Text3_KeyPress}});
}

void Form4::Form_Load()
{
    fields_->ShowUnits({PressUnitText(), TempUnitText(), PressUnitText()});
    ApplyAlwaysOnTop(this);
}

void Form4::Command1_Click()
{
    Picture1->Cls();
    if (Text1->text().isEmpty() || Text2->text().isEmpty() || Text3->text().isEmpty())
        return;

    const HeatContentInputs inputs{LeadingNumber(Text1->text()), LeadingNumber(Text2->text()),
                                   LeadingNumber(Text3->text())};
    const HeatContentOutcome outcome = CalculateHeatContent(inputs, Engine());
    if (!outcome.message.isEmpty()) {
        MsgBox(outcome.message, MsgBoxStyle::Critical);
        return;
    }
    for (const QString& line : outcome.report)
        Picture1->Print(line);
    PublishChartStates(ChartStatesOf(inputs, outcome));
}

void Form4::Command2_Click() { close(); }

void Form4::Text1_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fields_->KeyDown(1, KeyCode); }
void Form4::Text2_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fields_->KeyDown(2, KeyCode); }
void Form4::Text3_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fields_->KeyDown(3, KeyCode); }

void Form4::Text1_KeyPress(int16_t& KeyAscii) { fields_->KeyPress(1, KeyAscii); }
void Form4::Text2_KeyPress(int16_t& KeyAscii) { fields_->KeyPress(2, KeyAscii); }
void Form4::Text3_KeyPress(int16_t& KeyAscii) { fields_->KeyPress(3, KeyAscii); }
