// The units dialog over a real main window: preselection, OK, Cancel, refusals, keyboard.
#include "forms/units/Form2.h"

#include "forms/common/ReportArea.h"
#include "forms/main/Form1.h"
#include "settings/UnitCatalogue.h"
#include "tests/common/GuiFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

struct SettingsSnapshot {
    int16_t temp = Module1::TempUnit, press = Module1::PressUnit, enthal = Module1::EnthalUnit,
            entro = Module1::EntroUnit, density = Module1::DensityUnit, basis = Module1::DrynessBasis;
    double factor = Module1::DensityFactor;
    bool onTop = Module1::AlwaysOnTop;
    bool operator==(const SettingsSnapshot&) const = default;
};

QStringList SettingsLines(const QByteArray& file) { return QString::fromLatin1(file).split(QStringLiteral("\r\n")); }

QStringList EntriesOf(const QComboBox* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}

}  // namespace

class Form2Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiFixture> fixture;
    std::unique_ptr<Form1> main;

    QComboBox* List(Form2& dialog, int number) const
    {
        QComboBox* lists[] = {dialog.Combo1, dialog.Combo2, dialog.Combo3, dialog.Combo4, dialog.Combo5, dialog.Combo6};
        return lists[number - 1];
    }

    static int Setting(int list)
    {
        const int16_t settings[] = {Module1::TempUnit,   Module1::PressUnit,   Module1::EnthalUnit,
                                    Module1::EntroUnit,  Module1::DensityUnit, Module1::DrynessBasis};
        return settings[list - 1];
    }

    // The texts that OK may rewrite: the three unit labels and the dryness caption.
    QStringList MainTexts() const
    {
        return {main->Label3->text(), main->Label4->text(), main->Label5->text(), main->Label7->text()};
    }

    QLabel* MainLabel(int number) const
    {
        QLabel* labels[] = {main->Label1, main->Label2, main->Label3, main->Label4,
                            main->Label5, main->Label6, main->Label7};
        return labels[number - 1];
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
        GuiFixture::ResetSettings();
        HandUnitsToEngine();
        fixture.reset();
    }

    void listsArePickOnlyInTheirOrder()
    {
        Form2 dialog(*main);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("単位設定"));
        QCOMPARE(EntriesOf(dialog.Combo1), (QStringList{"Ｋ", "℃", "Ｆ"}));
        QCOMPARE(EntriesOf(dialog.Combo2), (QStringList{"Pa", "MPa", "Kg/cm2", "Kg/cm2G", "mmHg", "mmHgG", "atm",
                                                        "atmG", "mmbar", "Pe", "MPe"}));
        QCOMPARE(EntriesOf(dialog.Combo3), (QStringList{"J/Kg", "KJ/Kg", "Kcal/Kg"}));
        QCOMPARE(EntriesOf(dialog.Combo4), (QStringList{"J/KgK", "KJ/KgK", "Kcal/KgK"}));
        QCOMPARE(EntriesOf(dialog.Combo5), (QStringList{"m3/Kg", "Kg/m3", "ft3/lb", "lb/ft3"}));
        QCOMPARE(EntriesOf(dialog.Combo6), (QStringList{"SBV", "SBW"}));
        for (int number = 1; number <= 6; ++number)
            QVERIFY(!List(dialog, number)->isEditable());
    }

    void preselectsTheCurrentSettings_data()
    {
        QTest::addColumn<int>("temp");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("enthal");
        QTest::addColumn<int>("entro");
        QTest::addColumn<int>("density");
        QTest::addColumn<int>("basis");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("defaults") << 2 << 12 << 32 << 52 << 71 << 0
                                  << QStringList{"℃", "MPa", "KJ/Kg", "KJ/KgK", "m3/Kg", "SBV"};
        QTest::newRow("mmHg and the other ends of the lists")
            << 3 << 15 << 33 << 51 << 74 << 1 << QStringList{"Ｆ", "mmHg", "Kcal/Kg", "J/KgK", "lb/ft3", "SBW"};
    }

    void preselectsTheCurrentSettings()
    {
        QFETCH(int, temp);
        QFETCH(int, press);
        QFETCH(int, enthal);
        QFETCH(int, entro);
        QFETCH(int, density);
        QFETCH(int, basis);
        QFETCH(QStringList, shown);
        Module1::TempUnit = static_cast<int16_t>(temp);
        Module1::PressUnit = static_cast<int16_t>(press);
        Module1::EnthalUnit = static_cast<int16_t>(enthal);
        Module1::EntroUnit = static_cast<int16_t>(entro);
        Module1::DensityUnit = static_cast<int16_t>(density);
        Module1::DrynessBasis = static_cast<int16_t>(basis);
        Form2 dialog(*main);
        for (int number = 1; number <= 6; ++number)
            QCOMPARE(List(dialog, number)->currentText(), shown[number - 1]);
    }

    void okTakesTheChoiceOver_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("fileLine");
        QTest::addColumn<QString>("fileValue");
        QTest::addColumn<int>("mainLabel");
        QTest::addColumn<QString>("mainText");
        QTest::addColumn<QString>("setter");
        QTest::addColumn<int>("engineArgument");
        QTest::addColumn<double>("factor");
        QTest::newRow("MPe") << 2 << "MPe" << 2 << "21" << 3 << "[MPe]" << "STM_SetPressUnit" << 21 << 1.0;
        QTest::newRow("ft3/lb tells the engine m3/Kg")
            << 5 << "ft3/lb" << 5 << "73" << 0 << "" << "STM_SetDensityUnit" << 71 << 35.3147 / 2.20462;
        QTest::newRow("SBW shows full-width") << 6 << "SBW" << 6 << "1" << 7 << "ＳＢＷ" << "" << 0 << 1.0;
    }

    void okTakesTheChoiceOver()
    {
        QFETCH(int, list);
        QFETCH(QString, entry);
        QFETCH(int, fileLine);
        QFETCH(QString, fileValue);
        QFETCH(int, mainLabel);
        QFETCH(QString, mainText);
        QFETCH(QString, setter);
        QFETCH(int, engineArgument);
        QFETCH(double, factor);
        Module1::PressUnit = 15;
        Form2 dialog(*main);
        QComboBox* combo = List(dialog, list);
        combo->setCurrentIndex(combo->findText(entry));
        QCOMPARE(combo->currentText(), entry);
        dialog.Command1->click();

        QCOMPARE(combo->currentText(), entry);
        QCOMPARE(QString::number(Setting(list)), fileValue);
        if (mainLabel) {
            QCOMPARE(MainLabel(mainLabel)->text(), mainText);
            QCOMPARE(MainLabel(mainLabel)->width(), MainLabel(mainLabel)->sizeHint().width());
        }
        QCOMPARE(Module1::DensityFactor, factor);
        QVERIFY(main->Picture1->Lines().isEmpty());
        QCOMPARE(fixture->engine.calls.size(), size_t(5));
        if (!setter.isEmpty()) {
            bool called = false;
            for (const EngineCall& call : fixture->engine.calls)
                called |= call.name == setter && call.args == std::vector<double>{double(engineArgument)};
            QVERIFY2(called, qPrintable(setter));
        }
        QCOMPARE(SettingsLines(fixture->ReadSettings()).value(fileLine - 1), fileValue);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void okWithoutChangesHandsEverythingOverAgain()
    {
        // Settings that differ from what the main window shows, so every text must be rewritten.
        Module1::TempUnit = 1;
        Module1::PressUnit = 15;
        Module1::EnthalUnit = 33;
        Module1::DrynessBasis = 1;
        QFile::remove(fixture->SettingsPath());
        const SettingsSnapshot before;
        Form2 dialog(*main);
        dialog.Command1->click();

        QVERIFY(SettingsSnapshot() == before);
        QVERIFY(main->Picture1->Lines().isEmpty());
        const QStringList setters{"STM_SetTempUnit", "STM_SetPressUnit", "STM_SetEnthalUnit", "STM_SetEntroUnit",
                                  "STM_SetDensityUnit"};
        const std::vector<double> codes{1, 15, 33, 52, 71};
        QCOMPARE(fixture->engine.calls.size(), size_t(5));
        for (size_t i = 0; i < 5; ++i) {
            QCOMPARE(fixture->engine.calls[i].name, setters[int(i)]);
            QCOMPARE(fixture->engine.calls[i].args, std::vector<double>{codes[i]});
        }
        QCOMPARE(MainTexts(), (QStringList{"[mmHg]", "[Ｋ]", "[Kcal/Kg]", "ＳＢＷ"}));
        QCOMPARE(SettingsLines(fixture->ReadSettings()).mid(0, 6), (QStringList{"1", "15", "33", "52", "71", "1"}));
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<bool>("closeButton");
        QTest::newRow("Cancel") << false;
        QTest::newRow("close button") << true;
    }

    void cancelChangesNothing()
    {
        QFETCH(bool, closeButton);
        Module1::PressUnit = 15;
        QVERIFY(SaveSettings());
        const QByteArray file = fixture->ReadSettings();
        const SettingsSnapshot before;
        const QStringList labels = MainTexts();
        Form2 dialog(*main);
        dialog.show();
        for (int number = 1; number <= 6; ++number)
            List(dialog, number)->setCurrentIndex(0);
        if (closeButton)
            dialog.close();
        else
            dialog.Command2->click();

        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(SettingsSnapshot() == before);
        QCOMPARE(MainTexts(), labels);
        QCOMPARE(main->Picture1->Lines().size(), 1);
        QVERIFY(fixture->engine.calls.empty());
        QCOMPARE(fixture->ReadSettings(), file);
    }

    void invalidDrynessBasisIsKept()
    {
        Module1::DrynessBasis = 7;
        const QString caption = main->Label7->text();
        Form2 dialog(*main);
        QCOMPARE(dialog.Combo6->currentIndex(), -1);
        dialog.Command1->click();
        QCOMPARE(Module1::DrynessBasis, int16_t(7));
        QCOMPARE(main->Label7->text(), caption);
        QCOMPARE(SettingsLines(fixture->ReadSettings()).value(5), QStringLiteral("7"));
    }

    void refusalIsShownWhileTheDialogIsOpen()
    {
        // Messages are recorded with whether the dialog was on screen at that moment.
        struct Sink final : MessageSink {
            QDialog* dialog = nullptr;
            QStringList shown;
            void Show(const QString& prompt, MsgBoxStyle style, const QString& title) override
            {
                shown << QStringLiteral("%1|%2|%3|%4").arg(prompt).arg(int(style)).arg(title).arg(dialog->isVisible());
            }
        } sink;
        MessageSink* previous = SetMessageSink(&sink);
        fixture->engine.answerOf[QStringLiteral("STM_SetPressUnit")] = 0;
        QFile::remove(fixture->SettingsPath());
        fixture->ExpectDialog([&](QDialog& dialog) {
            sink.dialog = &dialog;
            static_cast<Form2&>(dialog).Combo2->setCurrentIndex(10);
            static_cast<Form2&>(dialog).Command1->click();
            QVERIFY(!dialog.isVisible());
        });
        main->menu_Option_Unit_Click();
        SetMessageSink(previous);

        QCOMPARE(sink.shown, QStringList{QStringLiteral("単位設定 Error on 圧力|0|Vaporlane|1")});
        QCOMPARE(Module1::PressUnit, int16_t(21));
        QCOMPARE(main->Label3->text(), QStringLiteral("[MPe]"));
        QCOMPARE(fixture->engine.calls.back().name, QStringLiteral("STM_SetDensityUnit"));
        QCOMPARE(SettingsLines(fixture->ReadSettings()).value(1), QStringLiteral("21"));
    }

    void tabOrderPutsTheDrynessListAfterTheButtons()
    {
        Form2 dialog(*main);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const QList<QWidget*> order{dialog.Combo1, dialog.Combo2,   dialog.Combo3, dialog.Combo4, dialog.Combo5,
                                    dialog.Command1, dialog.Command2, dialog.Combo6, dialog.Combo1};
        for (QWidget* expected : order) {
            QCOMPARE(QApplication::focusWidget(), expected);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        dialog.close();
    }

    void neitherButtonIsDefaultNorCancel()
    {
        Form2 dialog(*main);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(!dialog.Command1->isDefault() && !dialog.Command2->isDefault());
        QTest::keyClick(dialog.Combo1, Qt::Key_Return);
        QTest::keyClick(dialog.Combo1, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QVERIFY(fixture->engine.calls.empty());

        // Enter on a focused button presses it.
        dialog.Command2->setFocus();
        QTest::keyClick(dialog.Command2, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(Form2Test)
#include "Form2Test.moc"
