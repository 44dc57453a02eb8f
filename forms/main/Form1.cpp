// SPDX-License-Identifier: MIT
#include "forms/main/Form1.h"

#include "engine/seam/PropertyEngine.h"
#include "forms/chart/ChartStates.h"
#include "forms/chart/Form7.h"
#include "forms/common/AlwaysOnTop.h"
#include "forms/common/Controls.h"
#include "forms/common/FieldGroup.h"
#include "forms/common/Messages.h"
#include "forms/common/Modal.h"
#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "forms/heat/Form4.h"
#include "forms/isentropic/Form5.h"
#include "forms/main/CommonDialog.h"
#include "forms/main/PropertyCalculation.h"
#include "forms/main/TwipsLayout.h"
#include "forms/properties/Form6.h"
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

    // Created in tab order, so the focus chain follows it; the labels take no focus.
    Label1 = MakeLabel(client, "Label1", QStringLiteral("圧力"));
    place->Place(Label1, 240, 240, 375, 255);
    Text1 = MakeBox(client, "Text1");
    place->Place(Text1, 1320, 240, 1215, 300);
    Text2 = MakeBox(client, "Text2");
    place->Place(Text2, 1320, 720, 1215, 300);
    Label2 = MakeLabel(client, "Label2", QStringLiteral("温度"));
    place->Place(Label2, 240, 720, 375, 255);
    Label3 = MakeLabel(client, "Label3", QStringLiteral("[ATA]"));
    place->PlaceAutoSized(Label3, 2760, 240);
    Label4 = MakeLabel(client, "Label4", QStringLiteral("[℃]"));
    place->PlaceAutoSized(Label4, 2760, 720);
    Picture1 = new ReportArea(client);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    place->Place(Picture1, 240, 2160, 4505, 1520);
    Command1 = new QPushButton(QStringLiteral("表　示"), client);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(true);  // Enter clicks it while it has the focus, as Space does
    place->Place(Command1, 3720, 720, 975, 375);
    Text3 = MakeBox(client, "Text3");
    place->Place(Text3, 1320, 1200, 1215, 300);
    Label5 = MakeLabel(client, "Label5", QStringLiteral("[Kcal/Kg]"));
    place->PlaceAutoSized(Label5, 2760, 1200);
    Label6 = MakeLabel(client, "Label6", QStringLiteral("エンタルピ"));
    place->PlaceAutoSized(Label6, 240, 1200);
    Label7 = MakeLabel(client, "Label7", QStringLiteral("乾き度"));
    place->PlaceAutoSized(Label7, 240, 1680);
    Text4 = MakeBox(client, "Text4");
    place->Place(Text4, 1320, 1680, 1215, 300);

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Picture1);
    setTabOrder(Picture1, Command1);
    setTabOrder(Command1, Text3);
    setTabOrder(Text3, Text4);

    CommonDialog1 = new CommonDialog(this);
    CommonDialog1->setObjectName(QStringLiteral("CommonDialog1"));
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    // The fields form a ring: up from the first goes to the last, down from the last to the first.
    fields_ = std::make_unique<FieldGroup>(
        std::vector<Field>{{Label1, Text1, Label3}, {Label2, Text2, Label4}, {Label6, Text3, Label5}, {Label7, Text4}},
        FieldEnds::Ring, *Picture1, [this] { Command1_Click(); });
    fields_->Route(this, {{&Form1::Text1_KeyDown, &Form1::Text1_KeyPress},
                          {&Form1::Text2_KeyDown, &Form1::Text2_KeyPress},
                          {&Form1::Text3_KeyDown, &Form1::Text3_KeyPress},
                          {&Form1::Text4_KeyDown, &Form1::Text4_KeyPress}});
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
    menu_SpecialCalculation_Isentropic =
        item(menu_SpecialCalculation, "menu_SpecialCalculation_Isentropic", QStringLiteral("エントロピ一定"),
             &Form1::menu_SpecialCalculation_Isentropic_Click);
    menu_SpecialCalculation_Properties =
        item(menu_SpecialCalculation, "menu_SpecialCalculation_Properties", QStringLiteral("物性値一覧"),
             &Form1::menu_SpecialCalculation_Properties_Click);
    menu_SpecialCalculation_Chart = item(menu_SpecialCalculation, "menu_SpecialCalculation_Chart",
                                         QStringLiteral("線図"), &Form1::menu_SpecialCalculation_Chart_Click);

    menu_Help = menu("menu_Help", QStringLiteral("ヘルプ(&H)"));
    menu_Help_Contents =
        item(menu_Help, "menu_Help_Contents", QStringLiteral("目次(&C)"), &Form1::menu_Help_Contents_Click);
    menu_Help_Version = item(menu_Help, "menu_Help_Version", QStringLiteral("バージョン情報(&A)..."),
                             &Form1::menu_Help_Version_Click);
}

void Form1::Form_Load()
{
    LoadSettings();
    FillUnitLabels();
    ReplaceInvalidUnits();
    RefreshUnitLabels();
    HandUnitsToEngine();
    showDrynessBasis();
    ApplyAlwaysOnTop(this);
    menu_Option_WindowShow->setChecked(Module1::AlwaysOnTop);
}

void Form1::RefreshUnitLabels() { fields_->ShowUnits({PressUnitText(), TempUnitText(), EnthalUnitText()}); }

void Form1::UnitsChanged()
{
    RefreshUnitLabels();
    // A report printed before was computed in the old units, and so were the chart's states.
    Picture1->Cls();
    ClearChartStates();
    HandUnitsToEngine();
    showDrynessBasis();
}

// A basis other than 0 or 1 leaves the design caption.
void Form1::showDrynessBasis()
{
    if (const QString caption = DrynessBasisCaption(Module1::DrynessBasis); !caption.isEmpty())
        SetCaption(Label7, caption);
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
    if (!outcome.report.isEmpty())
        PublishChartStates(ChartStatesOf(outcome));
}

void Form1::Text1_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fields_->KeyDown(1, KeyCode); }
void Form1::Text2_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fields_->KeyDown(2, KeyCode); }
void Form1::Text3_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fields_->KeyDown(3, KeyCode); }
void Form1::Text4_KeyDown(int& KeyCode, Qt::KeyboardModifiers) { fields_->KeyDown(4, KeyCode); }

void Form1::Text1_KeyPress(int16_t& KeyAscii) { fields_->KeyPress(1, KeyAscii); }
void Form1::Text2_KeyPress(int16_t& KeyAscii) { fields_->KeyPress(2, KeyAscii); }
void Form1::Text3_KeyPress(int16_t& KeyAscii) { fields_->KeyPress(3, KeyAscii); }
void Form1::Text4_KeyPress(int16_t& KeyAscii) { fields_->KeyPress(4, KeyAscii); }

void Form1::menu_File_End_Click() { close(); }

void Form1::closeEvent(QCloseEvent* event)
{
    CommonDialog1->CloseHelp();
    if (chart_)
        chart_->close();
    QMainWindow::closeEvent(event);
}

void Form1::menu_Option_WindowShow_Click()
{
    Module1::AlwaysOnTop = !Module1::AlwaysOnTop;
    ApplyAlwaysOnTop(this);
    if (chart_)
        ApplyAlwaysOnTop(chart_);
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

void Form1::menu_SpecialCalculation_Isentropic_Click()
{
    Form5 dialog;
    ShowModal(dialog);
    ApplyAlwaysOnTop(this);
}

void Form1::menu_SpecialCalculation_Properties_Click()
{
    Form6 dialog;
    ShowModal(dialog);
    ApplyAlwaysOnTop(this);
}

Form7* Form1::Chart() const { return chart_; }

// The chart window is modeless and stays open beside this one; a second click brings it to the front.
void Form1::menu_SpecialCalculation_Chart_Click()
{
    if (!chart_) {
        chart_ = new Form7;
        chart_->setAttribute(Qt::WA_DeleteOnClose);
    }
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
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
