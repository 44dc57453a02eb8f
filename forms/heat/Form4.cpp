#include "forms/heat/Form4.h"

#include "forms/common/AlwaysOnTop.h"
#include "forms/common/LeadingNumber.h"
#include "forms/common/Messages.h"
#include "forms/common/NumericKeyFilter.h"
#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "forms/common/Twips.h"
#include "forms/heat/HeatContentCalculation.h"
#include "resources/ApplicationIcon.h"
#include "settings/UnitCatalogue.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int kKeyUp = 38;
constexpr int kKeyDown = 40;
constexpr int kKeyEnter = 13;
constexpr int kKeyDelete = 46;

const QString kAllowed = QStringLiteral(".");

QLabel* MakeLabel(QWidget* parent, const QString& caption, int left, int top, int width, int height)
{
    auto* label = new QLabel(caption, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Twips::Place(label, left, top, width, height);
    // The dialog font here may be wider than the one the layout was drawn for: never cut a caption.
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    return label;
}

}  // namespace

Form4::Form4()
{
    // A window of its own (it has a taskbar entry), fixed in size, with neither minimise nor maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("エンタルピ一定"));
    setWindowIcon(ApplicationIcon());
    Twips::FixClientSize(this, 4905, 5205);
    buildControls();
    wireFields();
    Form_Load();
}

void Form4::buildControls()
{
    Label1 = MakeLabel(this, QStringLiteral("基準圧力"), 240, 360, 735, 255);
    Label2 = MakeLabel(this, QStringLiteral("基準温度"), 240, 960, 735, 375);
    Label3 = MakeLabel(this, QStringLiteral("設定圧力"), 240, 1560, 735, 375);
    Label4 = new QLabel(this);
    Label5 = new QLabel(this);
    Label6 = new QLabel(this);

    Text1 = new NumericTextBox(this);
    Text2 = new NumericTextBox(this);
    Text3 = new NumericTextBox(this);
    Twips::Place(Text1, 1200, 360, 1215, 300);
    Twips::Place(Text2, 1200, 960, 1215, 300);
    Twips::Place(Text3, 1200, 1560, 1215, 300);

    Command1 = new QPushButton(QStringLiteral("表示"), this);
    Command2 = new QPushButton(QStringLiteral("終了"), this);
    Twips::Place(Command1, 2400, 2280, 975, 375);
    Twips::Place(Command2, 3600, 2280, 975, 375);
    // Neither button is the window's default: Enter belongs to the input boxes and the focused button.
    Command1->setAutoDefault(false);
    Command2->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });

    Picture1 = new ReportArea(this);
    Twips::Place(Picture1, 240, 3000, 4455, 1935);

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Picture1);
    setTabOrder(Picture1, Command1);
    setTabOrder(Command1, Command2);
    Text1->setFocus();
}

void Form4::wireFields()
{
    Text1->KeyDown = [this](int& KeyCode, Qt::KeyboardModifiers Shift) { Text1_KeyDown(KeyCode, Shift); };
    Text2->KeyDown = [this](int& KeyCode, Qt::KeyboardModifiers Shift) { Text2_KeyDown(KeyCode, Shift); };
    Text3->KeyDown = [this](int& KeyCode, Qt::KeyboardModifiers Shift) { Text3_KeyDown(KeyCode, Shift); };
    Text1->KeyPress = [this](int16_t& KeyAscii) { Text1_KeyPress(KeyAscii); };
    Text2->KeyPress = [this](int16_t& KeyAscii) { Text2_KeyPress(KeyAscii); };
    Text3->KeyPress = [this](int16_t& KeyAscii) { Text3_KeyPress(KeyAscii); };
}

void Form4::Form_Load()
{
    Label4->setText(PressUnitText());
    Label5->setText(TempUnitText());
    Label6->setText(PressUnitText());
    Twips::PlaceAutoSized(Label4, 2640, 360);
    Twips::PlaceAutoSized(Label5, 2640, 960);
    Twips::PlaceAutoSized(Label6, 2640, 1560);
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
}

void Form4::Command2_Click() { close(); }

// The boxes form a line: up from the first and down from the last do nothing.
void Form4::Text1_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fieldKeyDown(KeyCode, nullptr, Text2); }
void Form4::Text2_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fieldKeyDown(KeyCode, Text1, Text3); }
void Form4::Text3_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fieldKeyDown(KeyCode, Text2, nullptr); }

void Form4::Text1_KeyPress(int16_t& KeyAscii) { fieldKeyPress(Text1, KeyAscii); }
void Form4::Text2_KeyPress(int16_t& KeyAscii) { fieldKeyPress(Text2, KeyAscii); }
void Form4::Text3_KeyPress(int16_t& KeyAscii) { fieldKeyPress(Text3, KeyAscii); }

void Form4::fieldKeyDown(int KeyCode, NumericTextBox* up, NumericTextBox* down)
{
    switch (KeyCode) {
    case kKeyUp:
        if (up)
            up->setFocus();
        break;
    case kKeyDown:
        if (down)
            down->setFocus();
        break;
    case kKeyEnter:
        Command1_Click();
        break;
    case kKeyDelete:
        Picture1->Cls();
        break;
    default:
        break;
    }
}

void Form4::fieldKeyPress(NumericTextBox* box, int16_t& KeyAscii)
{
    Module1::NumericKeyFilter(kAllowed, *box, KeyAscii);
    if (KeyAscii != 0)
        Picture1->Cls();
}
