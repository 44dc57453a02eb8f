// SPDX-License-Identifier: MIT
// The units dialog over a real main window: what OK hands over and where, what Cancel and the close button keep,
// and its keys.
#include "forms/common/ReportArea.h"
#include "forms/main/Form1.h"
#include "forms/units/Form2.h"
#include "settings/UnitCatalogue.h"
#include "tests/common/GuiFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// Codes, file lines, engine arguments and texts are compared as words joined by blanks.
template <typename Items, typename Word>
QString Words(const Items& items, Word word)
{
    QStringList words;
    for (const auto& item : items)
        words << word(item);
    return words.join(' ');
}

int16_t* const kCodes[] = {&Module1::TempUnit,  &Module1::PressUnit,   &Module1::EnthalUnit,
                           &Module1::EntroUnit, &Module1::DensityUnit, &Module1::DrynessBasis};

QString Codes() { return Words(kCodes, [](const int16_t* code) { return QString::number(*code); }); }

void SetCodes(const QString& words)
{
    for (int i = 0; i < 6; ++i)
        *kCodes[i] = static_cast<int16_t>(words.section(' ', i, i).toInt());
}

QString Texts(const QList<QLabel*>& labels) { return Words(labels, [](const QLabel* label) { return label->text(); }); }

QList<QComboBox*> Lists(const Form2& d) { return {d.Combo1, d.Combo2, d.Combo3, d.Combo4, d.Combo5, d.Combo6}; }

// One OK in the units dialog: the codes before, what the lists then show, the entry picked (list 0: none),
// and what follows: codes, the main window's texts, the engine's unit codes and the density factor.
struct OkCase { QString before, shown; int list; QString entry, after, mainTexts, engineCodes; double factor = 1.0; };

}  // namespace

Q_DECLARE_METATYPE(OkCase)

class Form2Test : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiFixture> fixture;
    std::unique_ptr<Form1> main;

    QString MainTexts() const { return Texts({main->Label3, main->Label4, main->Label5, main->Label7}); }

    QString FileCodes() const
    {
        return QString::fromLatin1(fixture->ReadSettings()).split(QStringLiteral("\r\n")).mid(0, 6).join(' ');
    }

private slots:
    void init()
    {
        fixture = std::make_unique<GuiFixture>();
        main = std::make_unique<Form1>();
        main->Picture1->Print(QStringLiteral("a report in the old units"));
        fixture->engine.calls.clear();
    }

    void cleanup()
    {
        QVERIFY(fixture->unexpectedDialogs.isEmpty());
        main.reset();
        fixture.reset();
    }

    void ok_data()
    {
        QTest::addColumn<OkCase>("row");
        QTest::newRow("MPe") << OkCase{"2 15 32 52 71 0", "℃ mmHg KJ/Kg KJ/KgK m3/Kg SBV", 2, "MPe",
                                       "2 21 32 52 71 0", "[MPe] [℃] [KJ/Kg] ＳＢＶ", "2 21 32 52 71"};
        QTest::newRow("ft3/lb tells the engine m3/Kg") << OkCase{"3 15 33 51 71 0", "Ｆ mmHg Kcal/Kg J/KgK m3/Kg SBV",
            5, "ft3/lb", "3 15 33 51 73 0", "[mmHg] [Ｆ] [Kcal/Kg] ＳＢＶ", "3 15 33 51 71", 35.3147 / 2.20462};
        QTest::newRow("SBW shows full-width") << OkCase{"2 15 32 52 74 0", "℃ mmHg KJ/Kg KJ/KgK lb/ft3 SBV", 6, "SBW",
            "2 15 32 52 74 1", "[mmHg] [℃] [KJ/Kg] ＳＢＷ", "2 15 32 52 72", 2.20462 / 35.3147};
        // The main window still shows the defaults: OK must rewrite every text and hand every unit over.
        QTest::newRow("no change: everything handed over again") << OkCase{"1 15 33 52 71 1",
            "Ｋ mmHg Kcal/Kg KJ/KgK m3/Kg SBW", 0, "", "1 15 33 52 71 1", "[mmHg] [Ｋ] [Kcal/Kg] ＳＢＷ", "1 15 33 52 71"};
        QTest::newRow("invalid dryness basis: no selection, kept") << OkCase{"2 12 32 52 71 7",
            "℃ MPa KJ/Kg KJ/KgK m3/Kg ", 0, "", "2 12 32 52 71 7", "[MPa] [℃] [KJ/Kg] ＳＢＶ", "2 12 32 52 71"};
    }

    void ok()
    {
        QFETCH(OkCase, row);
        SetCodes(row.before);
        QFile::remove(SettingsFilePath());
        Form2 dialog(*main);
        dialog.show();
        QCOMPARE(Words(Lists(dialog), [](const QComboBox* list) { return list->currentText(); }), row.shown);
        for (QComboBox* list : Lists(dialog))
            QVERIFY(!list->isEditable());
        if (row.list)
            Lists(dialog)[row.list - 1]->setCurrentText(row.entry);
        // Every unit goes to the engine while the dialog is still open, so a refusal is shown over it.
        bool openAtEveryCall = true;
        fixture->engine.onCall = [&](const EngineCall&) { openAtEveryCall &= dialog.isVisible(); };
        dialog.Command1->click();
        fixture->engine.onCall = nullptr;

        QVERIFY(openAtEveryCall);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(Codes(), row.after);
        QCOMPARE(FileCodes(), row.after);
        QCOMPARE(MainTexts(), row.mainTexts);
        for (QLabel* label : {main->Label3, main->Label4, main->Label5})
            QCOMPARE(label->width(), label->sizeHint().width());
        QCOMPARE(Words(fixture->engine.calls, [](const EngineCall& call) { return QString::number(call.args[0]); }),
                 row.engineCodes);
        QCOMPARE(Module1::DensityFactor, row.factor);
        QVERIFY(main->Picture1->Lines().isEmpty());
    }

    void cancelAndCloseChangeNothing()
    {
        Module1::PressUnit = 15;
        QVERIFY(SaveSettings());
        const QByteArray file = fixture->ReadSettings();
        for (const bool closeButton : {false, true}) {
            Form2 dialog(*main);
            dialog.show();
            for (QComboBox* list : Lists(dialog))
                list->setCurrentIndex(0);
            closeButton ? void(dialog.close()) : dialog.Command2->click();
            QVERIFY(!dialog.isVisible());
        }
        QCOMPARE(Codes() + ' ' + QString::number(Module1::DensityFactor), QStringLiteral("2 15 32 52 71 0 1"));
        QCOMPARE(MainTexts(), QStringLiteral("[MPa] [℃] [KJ/Kg] ＳＢＶ"));
        QCOMPARE(main->Picture1->Lines().size(), 1);
        QVERIFY(fixture->engine.calls.empty());
        QCOMPARE(fixture->ReadSettings(), file);
    }

    // The dryness-basis list comes after the buttons; Enter and Escape in a list neither accept nor cancel.
    void keyboard()
    {
        Form2 dialog(*main);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const QList<QWidget*> order{dialog.Combo1,   dialog.Combo2,   dialog.Combo3, dialog.Combo4, dialog.Combo5,
                                    dialog.Command1, dialog.Command2, dialog.Combo6, dialog.Combo1};
        for (QWidget* expected : order) {
            QCOMPARE(QApplication::focusWidget(), expected);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QTest::keyClick(dialog.Combo1, Qt::Key_Return);
        QTest::keyClick(dialog.Combo1, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(Form2Test)
#include "Form2Test.moc"
