// SPDX-License-Identifier: MIT
#include "forms/properties/Form6.h"

#include "engine/seam/PropertyEngine.h"
#include "forms/common/AlwaysOnTop.h"
#include "forms/common/Controls.h"
#include "forms/common/FieldGroup.h"
#include "forms/common/Messages.h"
#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "forms/common/Twips.h"
#include "forms/main/PropertyCalculation.h"
#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include <array>

namespace {

// The main window's four field rows with the buttons stacked on their right, and below them the list, high
// enough for the longest one (saturation, nineteen rows) and wide enough for its longest line.
constexpr int kRowPitch = 480;
constexpr int kButtonLeft = 3960;
constexpr int kReportTop = 2280;
constexpr int kReportWidth = 4695;
constexpr int kReportHeight = 3600;
constexpr int kClientWidth = 240 + kReportWidth + 240;
constexpr int kClientHeight = kReportTop + kReportHeight + 240;

int rowTop(int row) { return 240 + row * kRowPitch; }

}  // namespace

// A window of its own (it has a taskbar entry), fixed in size, with neither minimise nor maximise.
Form6::Form6() : ClassicDialog(QStringLiteral("物性値一覧"), kClientWidth, kClientHeight, Qt::Window)
{
    buildControls();
    Form_Load();
}

Form6::~Form6() = default;

void Form6::buildControls()
{
    Label1 = MakeCaption(this, "Label1", QStringLiteral("圧力"), 240, rowTop(0), 375, 255);
    Label2 = MakeCaption(this, "Label2", QStringLiteral("温度"), 240, rowTop(1), 375, 255);
    Label3 = MakeCaption(this, "Label3", QStringLiteral("エンタルピ"), 240, rowTop(2), 780, 180);
    Label4 = MakeCaption(this, "Label4", QStringLiteral("乾き度"), 240, rowTop(3), 510, 180);
    Label5 = MakeUnitLabel(this, "Label5", 2760, rowTop(0));
    Label6 = MakeUnitLabel(this, "Label6", 2760, rowTop(1));
    Label7 = MakeUnitLabel(this, "Label7", 2760, rowTop(2));

    MakeBoxColumn(this, {&Text1, &Text2, &Text3, &Text4}, 1320, rowTop(0), kRowPitch);

    // Enter belongs to the input boxes and the focused button.
    Command1 = MakeButton(this, "Command1", QStringLiteral("表示"), kButtonLeft, rowTop(0), 975, 375);
    Command2 = MakeButton(this, "Command2", QStringLiteral("コピー"), kButtonLeft, rowTop(1), 975, 375);
    Command3 = MakeButton(this, "Command3", QStringLiteral("終了"), kButtonLeft, rowTop(3), 975, 375);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });

    // The report grows with its list and the scroll area shows what does not fit.
    Scroll1 = new QScrollArea(this);
    Scroll1->setObjectName(QStringLiteral("Scroll1"));
    Scroll1->setFocusPolicy(Qt::NoFocus);
    Scroll1->setWidgetResizable(true);
    Twips::Place(Scroll1, 240, kReportTop, kReportWidth, kReportHeight);
    Picture1 = new ReportArea;
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    Scroll1->setWidget(Picture1);

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Picture1);
    setTabOrder(Picture1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    Text1->setFocus();

    // The main window's fields, and like them a ring: up from the first goes to the last, down from the last
    // to the first.
    fields_ = std::make_unique<FieldGroup>(std::vector<Field>{{Label1, Text1, Label5},
                                                              {Label2, Text2, Label6},
                                                              {Label3, Text3, Label7},
                                                              {Label4, Text4}},
                                           FieldEnds::Ring, *Picture1, [this] { Command1_Click(); });
    fields_->Route(this, {{&Form6::Text1_KeyDown, &Form6::Text1_KeyPress},
                          {&Form6::Text2_KeyDown, &Form6::Text2_KeyPress},
                          {&Form6::Text3_KeyDown, &Form6::Text3_KeyPress},
                          {&Form6::Text4_KeyDown, &Form6::Text4_KeyPress}});
}

void Form6::Form_Load()
{
    fields_->ShowUnits({PressUnitText(), TempUnitText(), EnthalUnitText()});
    // A basis other than 0 or 1 leaves the design caption.
    if (const QString caption = DrynessBasisCaption(Module1::DrynessBasis); !caption.isEmpty())
        SetCaption(Label4, caption);
    ApplyAlwaysOnTop(this);
}

NumericTextBox* Form6::box(int field) const { return std::array{Text1, Text2, Text3, Text4}.at(field - 1); }

void Form6::Command1_Click()
{
    Picture1->Cls();
    const PropertyList list = ListProperties({Text1->text(), Text2->text(), Text3->text(), Text4->text()}, Engine());
    for (int field : DiscardedFields(list.calculationCase))
        box(field)->setText(QString());
    if (!list.message.isEmpty()) {
        MsgBox(list.message, MsgBoxStyle::Critical);
        return;
    }
    rows_ = list.rows;
    for (const QString& line : PropertyReport(rows_))
        Picture1->Print(line);
    Scroll1->ensureVisible(0, 0);
}

void Form6::Command2_Click()
{
    if (!Picture1->Lines().isEmpty())
        QGuiApplication::clipboard()->setText(PropertyCopyText(rows_));
}

void Form6::Command3_Click() { close(); }

void Form6::Text1_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fields_->KeyDown(1, KeyCode); }
void Form6::Text2_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fields_->KeyDown(2, KeyCode); }
void Form6::Text3_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fields_->KeyDown(3, KeyCode); }
void Form6::Text4_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fields_->KeyDown(4, KeyCode); }

void Form6::Text1_KeyPress(int16_t& KeyAscii) { fields_->KeyPress(1, KeyAscii); }
void Form6::Text2_KeyPress(int16_t& KeyAscii) { fields_->KeyPress(2, KeyAscii); }
void Form6::Text3_KeyPress(int16_t& KeyAscii) { fields_->KeyPress(3, KeyAscii); }
void Form6::Text4_KeyPress(int16_t& KeyAscii) { fields_->KeyPress(4, KeyAscii); }
