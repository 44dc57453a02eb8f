// Opening the three windows from the main window's menus: modal, topmost when asked, each built afresh,
// and the main window back in its layer afterwards.
#include "forms/common/NumericTextBox.h"
#include "forms/common/WindowManager.h"
#include "forms/heat/Form4.h"
#include "forms/main/Form1.h"
#include "forms/units/Form2.h"
#include "forms/version/Form3.h"
#include "settings/UnitCatalogue.h"
#include "tests/common/GuiFixture.h"

#include <QComboBox>
#include <QTest>

#include <memory>

namespace {

enum class Menu { Units, HeatContent, Version };

void Open(Form1& main, Menu menu)
{
    switch (menu) {
    case Menu::Units:
        main.menu_Option_Unit_Click();
        break;
    case Menu::HeatContent:
        main.menu_SpecialCalculation_HeatContent_Click();
        break;
    case Menu::Version:
        main.menu_Help_Version_Click();
        break;
    }
}

}  // namespace

Q_DECLARE_METATYPE(Menu)

class DialogLayerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiFixture> fixture;

private slots:
    void init() { fixture = std::make_unique<GuiFixture>(); }

    void cleanup()
    {
        SetWindowPosObserver({});
        QVERIFY(fixture->unexpectedDialogs.isEmpty());
        GuiFixture::ResetSettings();
        HandUnitsToEngine();
        fixture.reset();
    }

    void mainWindowReturnsToItsLayer_data()
    {
        QTest::addColumn<Menu>("menu");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("onTop");
        QTest::newRow("units dialog, always on top") << Menu::Units << "単位設定" << true;
        QTest::newRow("units dialog, normal") << Menu::Units << "単位設定" << false;
        QTest::newRow("heat content window, always on top") << Menu::HeatContent << "エンタルピ一定" << true;
        QTest::newRow("heat content window, normal") << Menu::HeatContent << "エンタルピ一定" << false;
        QTest::newRow("version dialog, always on top") << Menu::Version << "バージョン情報" << true;
        QTest::newRow("version dialog, normal") << Menu::Version << "バージョン情報" << false;
    }

    void mainWindowReturnsToItsLayer()
    {
        QFETCH(Menu, menu);
        QFETCH(QString, title);
        QFETCH(bool, onTop);
        Module1::AlwaysOnTop = onTop;
        QVERIFY(SaveSettings());
        Form1 main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));

        // Each stacking call: the window, whether it asked for the top layer, and whether it was on screen.
        QStringList calls;
        SetWindowPosObserver([&](const SetWindowPosCall& call) {
            calls << QStringLiteral("%1 %2 %3")
                         .arg(call.hWnd == &main ? QStringLiteral("main") : call.hWnd->windowTitle())
                         .arg(call.hWndInsertAfter == HWND_TOPMOST ? QStringLiteral("top") : QStringLiteral("normal"))
                         .arg(call.hWnd->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"));
            QCOMPARE(call.uFlags, SWP_NOSIZE);
        });
        bool dialogOnTop = !onTop;
        bool mainDisabled = false;
        fixture->ExpectDialog([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), title);
            QVERIFY(dialog.parent() == nullptr);
            dialogOnTop = dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            mainDisabled = dialog.isModal() && dialog.windowModality() == Qt::ApplicationModal;
        });
        Open(main, menu);

        const QString layer = onTop ? QStringLiteral("top") : QStringLiteral("normal");
        QCOMPARE(calls, (QStringList{title + " " + layer + " hidden", "main " + layer + " shown"}));
        QCOMPARE(dialogOnTop, onTop);
        QVERIFY(mainDisabled);
        QCOMPARE(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        QVERIFY(main.isVisible());
    }

    void heatContentWindowStartsEmptyEachTime()
    {
        Form1 main;
        fixture->ExpectDialog([](QDialog& dialog) {
            auto& heat = static_cast<Form4&>(dialog);
            heat.Text1->setText(QStringLiteral("5"));
        });
        main.menu_SpecialCalculation_HeatContent_Click();
        QString second = QStringLiteral("not opened");
        fixture->ExpectDialog([&](QDialog& dialog) { second = static_cast<Form4&>(dialog).Text1->text(); });
        main.menu_SpecialCalculation_HeatContent_Click();
        QCOMPARE(second, QString());
    }

    void unitsDialogStartsFromTheSettingsEachTime()
    {
        Form1 main;
        fixture->ExpectDialog([](QDialog& dialog) { static_cast<Form2&>(dialog).Combo2->setCurrentIndex(0); });
        main.menu_Option_Unit_Click();
        QString second;
        fixture->ExpectDialog([&](QDialog& dialog) { second = static_cast<Form2&>(dialog).Combo2->currentText(); });
        main.menu_Option_Unit_Click();
        QCOMPARE(second, QStringLiteral("MPa"));
        QCOMPARE(Module1::PressUnit, int16_t(12));
    }
};

QTEST_MAIN(DialogLayerTest)
#include "DialogLayerTest.moc"
