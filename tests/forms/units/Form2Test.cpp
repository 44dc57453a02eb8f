// The units dialog and the constant-enthalpy window over a real main window, and how the menus open the windows.
#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "forms/heat/Form4.h"
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

// A calculation in K and MPa: the three fields, the set state's phase, the reference state's published h, s, v.
struct HeatCase { QString pRef, TRef, pSet, phase; double h, s, v; };

// The number of a report line: the first word after the label's "=".
double NumberOf(const QString& line) { return line.section('=', 1).simplified().section(' ', 0, 0).toDouble(); }

void Calculate(Form4& window, const QString& p, const QString& T, const QString& pSet)
{
    window.Text1->setText(p);
    window.Text2->setText(T);
    window.Text3->setText(pSet);
    window.Command1->click();
}

}  // namespace

Q_DECLARE_METATYPE(OkCase)
Q_DECLARE_METATYPE(HeatCase)

class DialogsTest : public QObject {
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
        GuiFixture::ResetSettings();
        HandUnitsToEngine();
        fixture.reset();
    }

    void unitsOk_data()
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

    void unitsOk()
    {
        QFETCH(OkCase, row);
        SetCodes(row.before);
        QFile::remove(fixture->SettingsPath());
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

    void unitsCancelAndCloseChangeNothing()
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
    void unitsKeyboard()
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

    void heatReport_data()
    {
        QTest::addColumn<HeatCase>("row");
        QTest::newRow("compressed water")
            << HeatCase{"3", "300", "10", "（圧縮水）", 115.331273, 0.392294792, 0.00100215168};
        QTest::newRow("superheated")
            << HeatCase{"30", "700", "0.0035", "（過熱蒸気）", 2631.49474, 5.17540298, 0.00542946619};
        QTest::newRow("wet, flashed to 0.1 MPa")
            << HeatCase{"3", "500", "0.1", "（飽和状態）", 975.542239, 2.58041912, 0.00120241800};
    }

    void heatReport()
    {
        QFETCH(HeatCase, row);
        Module1::TempUnit = 1;
        HandUnitsToEngine();
        Form4 window;
        Calculate(window, row.pRef, row.TRef, row.pSet);

        const QStringList lines = window.Picture1->Lines();
        QCOMPARE(lines.size(), 10);
        const double published[] = {row.h, row.s, row.v};
        for (int i = 0; i < 3; ++i)
            QVERIFY2(std::abs(NumberOf(lines[2 + i]) - published[i]) <= 1e-8 * published[i] + 6e-9,
                     qPrintable(lines[2 + i]));
        QCOMPARE(lines[5], QStringLiteral(" 設定値 ") + row.phase);
        QCOMPARE(lines[7], lines[2]);

        // The set state, checked with the library directly; a wet one independently of the window's rule.
        AquapropEngine library;
        const double p = row.pSet.toDouble(), T = NumberOf(lines[6]);
        double s = library.STM_nStp(T, p), v = library.STM_nDtp(T, p);
        if (row.phase == QStringLiteral("（飽和状態）")) {
            QVERIFY2(std::abs(T - 372.755919) < 1e-6, qPrintable(lines[6]));  // published Ts at 0.1 MPa
            const double hLiquid = library.STM_sHtx(T, 1.0), hVapour = library.STM_sHtx(T, 0.0);
            const double w = (hVapour - row.h) / (hVapour - hLiquid);
            s = w * library.STM_sStx(T, 1.0) + (1 - w) * library.STM_sStx(T, 0.0);
            v = w * library.STM_sDtx(T, 1.0) + (1 - w) * library.STM_sDtx(T, 0.0);
        } else {
            QVERIFY2(std::abs(library.STM_nHtp(T, p) - row.h) < 0.15, qPrintable(lines[6]));
        }
        QVERIFY2(std::abs(NumberOf(lines[8]) - s) < 1e-7, qPrintable(lines[8]));
        QVERIFY2(std::abs(NumberOf(lines[9]) - v) < 1e-7 * v + 6e-9, qPrintable(lines[9]));
    }

    void heatFields_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("outcome");  // "": stops silently, "M": the message, else the printed T
        QTest::newRow("reference pressure empty") << QStringList{"", "100", "1"} << "";
        QTest::newRow("reference temperature empty") << QStringList{"1", "", "1"} << "";
        QTest::newRow("set pressure empty") << QStringList{"1", "100", ""} << "";
        QTest::newRow("a blank is not empty") << QStringList{"1", " ", "1"} << "0.00000000";
        QTest::newRow("the leading number is taken") << QStringList{"1", ".5abc", "1"} << "0.50000000";
        QTest::newRow("reference out of range") << QStringList{"200", "300", "1"} << "M";
    }

    void heatFields()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, outcome);
        Form4 window;
        window.Picture1->Print(QStringLiteral("earlier report"));
        Calculate(window, fields[0], fields[1], fields[2]);

        QCOMPARE(fixture->engine.calls.empty(), outcome.isEmpty());
        const QStringList lines = window.Picture1->Lines();
        QCOMPARE(lines.size(), outcome.size() > 1 ? 10 : 0);
        if (outcome.size() > 1)
            QCOMPARE(lines[1], QStringLiteral("  温度        T   = %1 [℃]").arg(outcome, 17));
        QCOMPARE(fixture->messages.messages.size(), size_t(outcome == QStringLiteral("M")));
        for (const RecordedMessage& message : fixture->messages.messages) {
            QCOMPARE(message.prompt, QStringLiteral("圧力or温度が範囲外です。"));
            QCOMPARE(message.style, MsgBoxStyle::Critical);
        }
    }

    // The unit texts at load; up and down move along a line of fields that stops at both ends; Enter calculates;
    // an accepted character and Delete clear the report, a refused one does not; Escape does nothing.
    void heatKeys()
    {
        Module1::PressUnit = 21;
        Form4 window;
        QCOMPARE(Texts({window.Label4, window.Label5, window.Label6}), QStringLiteral("[MPe] [℃] [MPe]"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Calculate(window, QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("2"));
        const struct { Qt::Key key; QWidget* focus; int lines; } steps[] = {
            {Qt::Key_Up, window.Text1, 10},  {Qt::Key_Down, window.Text2, 10},   {Qt::Key_Down, window.Text3, 10},
            {Qt::Key_Down, window.Text3, 10}, {Qt::Key_Up, window.Text2, 10},     {Qt::Key_A, window.Text2, 10},
            {Qt::Key_5, window.Text2, 0},     {Qt::Key_Return, window.Text2, 10}, {Qt::Key_Delete, window.Text2, 0},
            {Qt::Key_Escape, window.Text2, 0}};
        for (const auto& step : steps) {
            QTest::keyClick(window.focusWidget(), step.key);
            QCOMPARE(window.focusWidget(), step.focus);
            QCOMPARE(window.Picture1->Lines().size(), step.lines);
        }
        QVERIFY(window.isVisible());
        window.Command2->click();
        QVERIFY(!window.isVisible());
    }

    // Each window takes the chosen layer itself and has no owner; the main window takes the layer back after it.
    void menusOpenInTheLayer_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("onTop");
        for (const char* action : {"menu_Option_Unit", "menu_SpecialCalculation_HeatContent", "menu_Help_Version"})
            for (const bool onTop : {true, false})
                QTest::addRow("%s, %s", action, onTop ? "on top" : "normal") << QString::fromLatin1(action) << onTop;
    }

    void menusOpenInTheLayer()
    {
        QFETCH(QString, action);
        QFETCH(bool, onTop);
        Module1::AlwaysOnTop = onTop;  // the main window was built in the normal layer
        QString opened;
        fixture->ExpectDialog([&](QDialog& dialog) {
            opened = QStringLiteral("owned=%1 top=%2")
                         .arg(dialog.parent() != nullptr)
                         .arg(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        });
        main->findChild<QAction*>(action)->trigger();
        QCOMPARE(opened, QStringLiteral("owned=0 top=%1").arg(onTop));
        QCOMPARE(main->windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    }
};

QTEST_MAIN(DialogsTest)
#include "Form2Test.moc"
