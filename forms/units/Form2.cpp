#include "forms/units/Form2.h"

#include "forms/common/AlwaysOnTop.h"
#include "forms/common/ReportArea.h"
#include "forms/common/Twips.h"
#include "forms/main/Form1.h"
#include "resources/ApplicationIcon.h"
#include "settings/Module1.h"
#include "settings/SettingsFile.h"
#include "settings/UnitCatalogue.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& caption, int left, int top, int width, int height)
{
    auto* label = new QLabel(caption, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Twips::Place(label, left, top, width, height);
    // The dialog font here may be wider than the one the layout was drawn for: never cut a caption.
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    return label;
}

// A pick-only list; its entries stay in the order they are added.
QComboBox* MakeList(QWidget* parent, int left, int top)
{
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    list->setInsertPolicy(QComboBox::InsertAtBottom);
    Twips::Place(list, left, top, 1335, 300);
    return list;
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, int left)
{
    auto* button = new QPushButton(caption, parent);
    Twips::Place(button, left, 2040, 1335, 375);
    // Neither button is the dialog's default: Enter clicks only the focused button.
    button->setAutoDefault(false);
    return button;
}

// Fills a list and selects the entry of the quantity's current code; an invalid code leaves no entry selected.
void Fill(QComboBox* list, const QuantityUnits& quantity)
{
    list->addItems(EntriesOf(quantity));
    list->setCurrentIndex(quantity.Position(Module1::Current.Code(quantity.quantity)));
}

// Takes a list's selection over into the quantity's setting; a list without a selection keeps the setting.
void TakeOver(const QComboBox* list, const QuantityUnits& quantity)
{
    if (list->currentIndex() >= 0)
        Module1::Current.Code(quantity.quantity) = quantity.choices[static_cast<size_t>(list->currentIndex())].code;
}

void SetCaption(QLabel* label, const QString& caption)
{
    label->setText(caption);
    label->adjustSize();
}

}  // namespace

Form2::Form2(Form1& main) : main_(main)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("単位設定"));
    setWindowIcon(ApplicationIcon());
    Twips::FixClientSize(this, 5400, 2655);
    buildControls();
    Form_Load();
}

void Form2::buildControls()
{
    Label1 = MakeLabel(this, QStringLiteral("温度"), 240, 240, 495, 255);
    Label2 = MakeLabel(this, QStringLiteral("圧力"), 240, 840, 495, 255);
    Label3 = MakeLabel(this, QStringLiteral("エンタルピ"), 240, 1440, 855, 255);
    Label4 = MakeLabel(this, QStringLiteral("エントロピ"), 2880, 240, 855, 255);
    Label5 = MakeLabel(this, QStringLiteral("比容積"), 2880, 840, 615, 255);
    Label6 = MakeLabel(this, QStringLiteral("乾き度"), 2880, 1440, 615, 255);

    Combo1 = MakeList(this, 1200, 240);
    Combo2 = MakeList(this, 1200, 840);
    Combo3 = MakeList(this, 1200, 1440);
    Combo4 = MakeList(this, 3840, 240);
    Combo5 = MakeList(this, 3840, 840);
    Combo6 = MakeList(this, 3840, 1440);

    Command1 = MakeButton(this, QStringLiteral("OK"), 2160);
    Command2 = MakeButton(this, QStringLiteral("Cancel"), 3840);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });

    // The dryness-basis list comes after the two buttons.
    setTabOrder(Combo1, Combo2);
    setTabOrder(Combo2, Combo3);
    setTabOrder(Combo3, Combo4);
    setTabOrder(Combo4, Combo5);
    setTabOrder(Combo5, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Combo6);
    Combo1->setFocus();
}

void Form2::Form_Load()
{
    for (size_t i = 0; i < kQuantities.size(); ++i)
        Fill(lists()[i], *kQuantities[i]);
    ApplyAlwaysOnTop(this);
}

void Form2::Command1_Click()
{
    for (size_t i = 0; i < kQuantities.size(); ++i)
        TakeOver(lists()[i], *kQuantities[i]);

    SetCaption(main_.Label3, PressUnitText());
    SetCaption(main_.Label4, TempUnitText());
    SetCaption(main_.Label5, EnthalUnitText());

    // A report on the main window was computed in the old units.
    main_.Picture1->Cls();

    // Refusals show their messages while the dialog is still open.
    HandUnitsToEngine();

    if (const QString caption = DrynessBasisCaption(Module1::DrynessBasis); !caption.isEmpty())
        SetCaption(main_.Label7, caption);

    SaveSettings();
    accept();
}

void Form2::Command2_Click() { reject(); }

std::array<QComboBox*, 6> Form2::lists() const { return {Combo1, Combo2, Combo3, Combo4, Combo5, Combo6}; }
