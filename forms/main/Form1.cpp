#include "forms/main/Form1.h"

#include "engine/seam/PropertyEngine.h"
#include "forms/common/AlwaysOnTop.h"
#include "forms/common/Messages.h"
#include "forms/common/Modal.h"
#include "forms/common/NumericKeyFilter.h"
#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "forms/common/WindowManager.h"
#include "forms/heat/Form4.h"
#include "forms/main/CommonDialog.h"
#include "forms/main/PropertyCalculation.h"
#include "forms/main/TwipsLayout.h"
#include "forms/units/Form2.h"
#include "forms/version/Form3.h"
#include "resources/ApplicationIcon.h"
#include "settings/Module1.h"
#include "settings/SettingsFile.h"
#include "settings/UnitCatalogue.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include <array>

namespace {

// Classic virtual key codes the fields react to.
constexpr int vbKeyReturn = 13;
constexpr int vbKeyUp = 38;
constexpr int vbKeyDown = 40;
constexpr int vbKeyDelete = 46;

constexpr int kClientWidth = 4980;
constexpr int kClientHeight = 3825;

// The calculation's view of the four input boxes.
class FormFields final : public InputFields {
public:
    explicit FormFields(const Form1& form) : boxes_{form.Text1, form.Text2, form.Text3, form.Text4} {}
    QString Text(int field) const override { return box(field)->text(); }
    void Clear(int field) override { box(field)->setText(QString()); }

private:
    NumericTextBox* box(int field) const { return boxes_[static_cast<size_t>(field - 1)]; }
    std::array<NumericTextBox*, 4> boxes_;
};

}  // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(AppTitle);
    setWindowIcon(ApplicationIcon());
    // Fixed single border: minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    buildControls();
    buildMenus();
    wireFields();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
    Text1->setFocus();
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);
    auto* place = new TwipsLayout(client, kClientWidth, kClientHeight);
    auto label = [client](const char* name, const QString& caption) {
        auto* control = new QLabel(caption, client);
        control->setObjectName(QLatin1String(name));
        return control;
    };
    auto field = [client](const char* name) {
        auto* control = new NumericTextBox(client);
        control->setObjectName(QLatin1String(name));
        return control;
    };

    // Created in tab order, so the focus chain follows it; the labels take no focus.
    Label1 = label("Label1", QStringLiteral("圧力"));
    place->Place(Label1, 240, 240, 375, 255);
    Text1 = field("Text1");
    place->Place(Text1, 1320, 240, 1215, 300);
    Text2 = field("Text2");
    place->Place(Text2, 1320, 720, 1215, 300);
    Label2 = label("Label2", QStringLiteral("温度"));
    place->Place(Label2, 240, 720, 375, 255);
    Label3 = label("Label3", QStringLiteral("[ATA]"));
    place->PlaceAutoSized(Label3, 2760, 240);
    Label4 = label("Label4", QStringLiteral("[℃]"));
    place->PlaceAutoSized(Label4, 2760, 720);
    Picture1 = new ReportArea(client);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    place->Place(Picture1, 240, 2160, 4505, 1520);
    Command1 = new QPushButton(QStringLiteral("表　示"), client);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(true);  // Enter clicks it while it has the focus, as Space does
    place->Place(Command1, 3720, 720, 975, 375);
    Text3 = field("Text3");
    place->Place(Text3, 1320, 1200, 1215, 300);
    Label5 = label("Label5", QStringLiteral("[Kcal/Kg]"));
    place->PlaceAutoSized(Label5, 2760, 1200);
    Label6 = label("Label6", QStringLiteral("エンタルピ"));
    place->PlaceAutoSized(Label6, 240, 1200);
    Label7 = label("Label7", QStringLiteral("乾き度"));
    place->PlaceAutoSized(Label7, 240, 1680);
    Text4 = field("Text4");
    place->Place(Text4, 1320, 1680, 1215, 300);

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Picture1);
    setTabOrder(Picture1, Command1);
    setTabOrder(Command1, Text3);
    setTabOrder(Text3, Text4);

    CommonDialog1 = new CommonDialog(this);
    CommonDialog1->setObjectName(QStringLiteral("CommonDialog1"));
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form1::buildMenus()
{
    auto menu = [this](const char* name, const QString& caption) {
        QMenu* created = menuBar()->addMenu(caption);
        created->setObjectName(QLatin1String(name));
        return created;
    };
    auto item = [this](QMenu* parent, const char* name, const QString& caption, void (Form1::*handler)()) {
        QAction* action = parent->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };

    menu_File = menu("menu_File", QStringLiteral("ファイル(&F)"));
    menu_File_End = item(menu_File, "menu_File_End", QStringLiteral("Quit Vaporlane(&X)"), &Form1::menu_File_End_Click);

    menu_Option = menu("menu_Option", QStringLiteral("オプション(&O)"));
    menu_Option_WindowShow = item(menu_Option, "menu_Option_WindowShow", QStringLiteral("ウインドウを常に手前に表示"),
                                  &Form1::menu_Option_WindowShow_Click);
    // The handlers set the mark from AlwaysOnTop after each click.
    menu_Option_WindowShow->setCheckable(true);
    menu_Option_Unit =
        item(menu_Option, "menu_Option_Unit", QStringLiteral("使用単位(&U)"), &Form1::menu_Option_Unit_Click);

    menu_SpecialCalculation = menu("menu_SpecialCalculation", QStringLiteral("特殊計算(&P)"));
    menu_SpecialCalculation_HeatContent =
        item(menu_SpecialCalculation, "menu_SpecialCalculation_HeatContent", QStringLiteral("エンタルピ一定"),
             &Form1::menu_SpecialCalculation_HeatContent_Click);

    menu_Help = menu("menu_Help", QStringLiteral("ヘルプ(&H)"));
    menu_Help_Contents =
        item(menu_Help, "menu_Help_Contents", QStringLiteral("目次(&C)"), &Form1::menu_Help_Contents_Click);
    menu_Help_Version = item(menu_Help, "menu_Help_Version", QStringLiteral("バージョン情報(&A)..."),
                             &Form1::menu_Help_Version_Click);
}

void Form1::wireFields()
{
    Text1->KeyDown = [this](int& code, Qt::KeyboardModifiers shift) { Text1_KeyDown(code, shift); };
    Text2->KeyDown = [this](int& code, Qt::KeyboardModifiers shift) { Text2_KeyDown(code, shift); };
    Text3->KeyDown = [this](int& code, Qt::KeyboardModifiers shift) { Text3_KeyDown(code, shift); };
    Text4->KeyDown = [this](int& code, Qt::KeyboardModifiers shift) { Text4_KeyDown(code, shift); };
    Text1->KeyPress = [this](int16_t& code) { Text1_KeyPress(code); };
    Text2->KeyPress = [this](int16_t& code) { Text2_KeyPress(code); };
    Text3->KeyPress = [this](int16_t& code) { Text3_KeyPress(code); };
    Text4->KeyPress = [this](int16_t& code) { Text4_KeyPress(code); };
}

void Form1::Form_Load()
{
    LoadSettings();
    FillUnitLabels();
    ReplaceInvalidUnits();

    Label3->setText(PressUnitText());
    Label4->setText(TempUnitText());
    Label5->setText(EnthalUnitText());

    HandUnitsToEngine();

    const QString basis = DrynessBasisCaption(Module1::DrynessBasis);
    if (!basis.isEmpty())
        Label7->setText(basis);

    ApplyAlwaysOnTop(this);
    menu_Option_WindowShow->setChecked(Module1::AlwaysOnTop);
}

void Form1::Command1_Click()
{
    Picture1->Cls();
    FormFields fields(*this);
    const CalculationOutcome outcome = Calculate(fields, Engine());
    if (!outcome.message.isEmpty()) {
        MsgBox(outcome.message, MsgBoxStyle::Critical);
        return;
    }
    for (const QString& line : outcome.report)
        Picture1->Print(line);
}

// The fields form a ring: up from the first goes to the last, down from the last to the first.
void Form1::Text1_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fieldKeyDown(KeyCode, Text4, Text2); }
void Form1::Text2_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fieldKeyDown(KeyCode, Text1, Text3); }
void Form1::Text3_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fieldKeyDown(KeyCode, Text2, Text4); }
void Form1::Text4_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fieldKeyDown(KeyCode, Text3, Text1); }

void Form1::fieldKeyDown(int KeyCode, NumericTextBox* up, NumericTextBox* down)
{
    switch (KeyCode) {
    case vbKeyUp:
        up->setFocus();
        break;
    case vbKeyDown:
        down->setFocus();
        break;
    case vbKeyReturn:
        Command1_Click();
        break;
    case vbKeyDelete:
        Picture1->Cls();
        break;
    default:
        break;
    }
}

void Form1::Text1_KeyPress(int16_t& KeyAscii) { fieldKeyPress(*Text1, KeyAscii); }
void Form1::Text2_KeyPress(int16_t& KeyAscii) { fieldKeyPress(*Text2, KeyAscii); }
void Form1::Text3_KeyPress(int16_t& KeyAscii) { fieldKeyPress(*Text3, KeyAscii); }
void Form1::Text4_KeyPress(int16_t& KeyAscii) { fieldKeyPress(*Text4, KeyAscii); }

void Form1::fieldKeyPress(const NumericTextBox& box, int16_t& KeyAscii)
{
    Module1::NumericKeyFilter(QStringLiteral("."), box, KeyAscii);
    if (KeyAscii != 0)
        Picture1->Cls();
}

void Form1::menu_File_End_Click() { close(); }

void Form1::closeEvent(QCloseEvent* event)
{
    CommonDialog1->CloseHelp();
    QMainWindow::closeEvent(event);
}

void Form1::menu_Option_WindowShow_Click()
{
    Module1::AlwaysOnTop = !Module1::AlwaysOnTop;
    const QPoint position = PixelPosition(this);
    SetWindowPos(this, Module1::AlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, position.x(), position.y(), 1, 1,
                 SWP_NOSIZE);
    menu_Option_WindowShow->setChecked(Module1::AlwaysOnTop);
    SaveSettings();
}

void Form1::menu_Option_Unit_Click()
{
    Form2 dialog(*this);
    ShowModal(dialog);
    ApplyAlwaysOnTop(this);
}

void Form1::menu_SpecialCalculation_HeatContent_Click()
{
    Form4 dialog;
    ShowModal(dialog);
    ApplyAlwaysOnTop(this);
}

void Form1::menu_Help_Contents_Click()
{
    CommonDialog1->HelpFile = HelpFilePath();
    CommonDialog1->HelpCommand = cdlHelpTab;
    CommonDialog1->ShowHelp();
}

void Form1::menu_Help_Version_Click()
{
    Form3 dialog;
    ShowModal(dialog);
    ApplyAlwaysOnTop(this);
}
