// SPDX-License-Identifier: MIT
#include "forms/isentropic/Form5.h"

#include "engine/seam/PropertyEngine.h"
#include "forms/common/AlwaysOnTop.h"
#include "forms/common/Controls.h"
#include "forms/common/FieldGroup.h"
#include "forms/common/Messages.h"
#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "forms/common/Twips.h"
#include "forms/isentropic/IsentropicCalculation.h"
#include "settings/UnitCatalogue.h"

#include <QLabel>
#include <QPushButton>

namespace {

// The constant-enthalpy window's layout with a fourth field row; the report area holds the longest report,
// twenty lines (both outlets wet, with the efficiency).
constexpr int kRowPitch = 600;
constexpr int kButtonTop = 2880;
constexpr int kClientWidth = 4905;
constexpr int kReportTop = 3600;
constexpr int kReportHeight = 3735;
constexpr int kClientHeight = kReportTop + kReportHeight + 270;

const QString kPercent = QStringLiteral("[%]");

int rowTop(int row) { return 360 + row * kRowPitch; }

}  // namespace

// A window of its own (it has a taskbar entry), fixed in size, with neither minimise nor maximise.
Form5::Form5() : ClassicDialog(QStringLiteral("エントロピ一定"), kClientWidth, kClientHeight, Qt::Window)
{
    buildControls();
    Form_Load();
}

Form5::~Form5() = default;

void Form5::buildControls()
{
    Label1 = MakeCaption(this, "Label1", QStringLiteral("基準圧力"), 240, rowTop(0), 735, 255);
    Label2 = MakeCaption(this, "Label2", QStringLiteral("基準温度"), 240, rowTop(1), 735, 375);
    Label3 = MakeCaption(this, "Label3", QStringLiteral("設定圧力"), 240, rowTop(2), 735, 375);
    Label4 = MakeCaption(this, "Label4", QStringLiteral("効率"), 240, rowTop(3), 735, 375);
    Label5 = MakeUnitLabel(this, "Label5", 2640, rowTop(0));
    Label6 = MakeUnitLabel(this, "Label6", 2640, rowTop(1));
    Label7 = MakeUnitLabel(this, "Label7", 2640, rowTop(2));
    Label8 = MakeUnitLabel(this, "Label8", 2640, rowTop(3));

    MakeBoxColumn(this, {&Text1, &Text2, &Text3, &Text4}, 1200, rowTop(0), kRowPitch);

    // Enter belongs to the input boxes and the focused button.
    Command1 = MakeButton(this, "Command1", QStringLiteral("表示"), 2400, kButtonTop, 975, 375);
    Command2 = MakeButton(this, "Command2", QStringLiteral("終了"), 3600, kButtonTop, 975, 375);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });

    Picture1 = new ReportArea(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Twips::Place(Picture1, 240, kReportTop, 4455, kReportHeight);

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Picture1);
    setTabOrder(Picture1, Command1);
    setTabOrder(Command1, Command2);
    Text1->setFocus();

    // The boxes form a line: up from the first and down from the last do nothing.
    fields_ = std::make_unique<FieldGroup>(std::vector<Field>{{Label1, Text1, Label5},
                                                              {Label2, Text2, Label6},
                                                              {Label3, Text3, Label7},
                                                              {Label4, Text4, Label8}},
                                           FieldEnds::Stop, *Picture1, [this] { Command1_Click(); });
    fields_->Route(this, {{&Form5::Text1_KeyDown, &Form5::Text1_KeyPress},
                          {&Form5::Text2_KeyDown, &Form5::Text2_KeyPress},
                          {&Form5::Text3_KeyDown, &Form5::Text3_KeyPress},
                          {&Form5::Text4_KeyDown, &Form5::Text4_KeyPress}});
}

void Form5::Form_Load()
{
    fields_->ShowUnits({PressUnitText(), TempUnitText(), PressUnitText(), kPercent});
    ApplyAlwaysOnTop(this);
}

void Form5::Command1_Click()
{
    Picture1->Cls();
    const std::optional<IsentropicInputs> inputs =
        ReadIsentropicFields({Text1->text(), Text2->text(), Text3->text(), Text4->text()});
    if (!inputs)
        return;
    const IsentropicOutcome outcome = CalculateIsentropic(*inputs, Engine());
    if (!outcome.message.isEmpty()) {
        MsgBox(outcome.message, MsgBoxStyle::Critical);
        return;
    }
    for (const QString& line : outcome.report)
        Picture1->Print(line);
    PublishChartStates(ChartStatesOf(outcome));
}

void Form5::Command2_Click() { close(); }

void Form5::Text1_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fields_->KeyDown(1, KeyCode); }
void Form5::Text2_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fields_->KeyDown(2, KeyCode); }
void Form5::Text3_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fields_->KeyDown(3, KeyCode); }
void Form5::Text4_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fields_->KeyDown(4, KeyCode); }

void Form5::Text1_KeyPress(int16_t& KeyAscii) { fields_->KeyPress(1, KeyAscii); }
void Form5::Text2_KeyPress(int16_t& KeyAscii) { fields_->KeyPress(2, KeyAscii); }
void Form5::Text3_KeyPress(int16_t& KeyAscii) { fields_->KeyPress(3, KeyAscii); }
void Form5::Text4_KeyPress(int16_t& KeyAscii) { fields_->KeyPress(4, KeyAscii); }
