// SPDX-License-Identifier: MIT
#include "forms/units/Form2.h"

#include "forms/common/AlwaysOnTop.h"
#include "forms/common/Controls.h"
#include "forms/common/Twips.h"
#include "forms/main/Form1.h"
#include "settings/Module1.h"
#include "settings/SettingsFile.h"
#include "settings/UnitCatalogue.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

// A pick-only list; its entries stay in the order they are added.
QComboBox* MakeList(QWidget* parent, int left, int top)
{
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    list->setInsertPolicy(QComboBox::InsertAtBottom);
    Twips::Place(list, left, top, 1335, 300);
    return list;
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

}  // namespace

Form2::Form2(Form1& main) : ClassicDialog(QStringLiteral("単位設定"), 5400, 2655), main_(main)
{
    buildControls();
    Form_Load();
}

void Form2::buildControls()
{
    Label1 = MakeCaption(this, "Label1", QStringLiteral("温度"), 240, 240, 495, 255);
    Label2 = MakeCaption(this, "Label2", QStringLiteral("圧力"), 240, 840, 495, 255);
    Label3 = MakeCaption(this, "Label3", QStringLiteral("エンタルピ"), 240, 1440, 855, 255);
    Label4 = MakeCaption(this, "Label4", QStringLiteral("エントロピ"), 2880, 240, 855, 255);
    Label5 = MakeCaption(this, "Label5", QStringLiteral("比容積"), 2880, 840, 615, 255);
    Label6 = MakeCaption(this, "Label6", QStringLiteral("乾き度"), 2880, 1440, 615, 255);

    Combo1 = MakeList(this, 1200, 240);
    Combo2 = MakeList(this, 1200, 840);
    Combo3 = MakeList(this, 1200, 1440);
    Combo4 = MakeList(this, 3840, 240);
    Combo5 = MakeList(this, 3840, 840);
    Combo6 = MakeList(this, 3840, 1440);

    Command1 = MakeButton(this, "Command1", QStringLiteral("OK"), 2160, 2040, 1335, 375);
    Command2 = MakeButton(this, "Command2", QStringLiteral("Cancel"), 3840, 2040, 1335, 375);
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

    // Refusals show their messages while the dialog is still open.
    main_.UnitsChanged();
    SaveSettings();
    accept();
}

void Form2::Command2_Click() { reject(); }

std::array<QComboBox*, 6> Form2::lists() const { return {Combo1, Combo2, Combo3, Combo4, Combo5, Combo6}; }
