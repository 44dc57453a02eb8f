// The isentropic window as a user sees it: captions and unit texts, keys, what a calculation prints, its
// messages, and how the main window's menu opens it.
#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "forms/isentropic/Form5.h"
#include "forms/isentropic/IsentropicCalculation.h"
#include "forms/main/Form1.h"
#include "tests/common/GuiFixture.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

QString Texts(const QList<QLabel*>& labels)
{
    QStringList texts;
    for (const QLabel* label : labels)
        texts << label->text();
    return texts.join(' ');
}

void Fill(Form5& window, const QStringList& texts)
{
    const QList<NumericTextBox*> boxes{window.Text1, window.Text2, window.Text3, window.Text4};
    for (qsizetype i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(texts.value(i));
}

}  // namespace

class Form5Test : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiFixture> fixture;

private slots:
    void init() { fixture = std::make_unique<GuiFixture>(); }

    void cleanup()
    {
        QVERIFY(fixture->unexpectedDialogs.isEmpty());
        fixture.reset();
    }

    // Captions, unit texts from the current units, tab order; up and down move along a line of fields that stops at
    // both ends; Enter calculates; an accepted character and Delete clear the report, a refused one does not.
    void layoutAndKeys()
    {
        Module1::PressUnit = 21;
        FillUnitLabels();
        Form5 window;
        QCOMPARE(window.windowTitle(), QStringLiteral("エントロピ一定"));
        QCOMPARE(Texts({window.Label1, window.Label2, window.Label3, window.Label4}),
                 QStringLiteral("基準圧力 基準温度 設定圧力 効率"));
        QCOMPARE(Texts({window.Label5, window.Label6, window.Label7, window.Label8}),
                 QStringLiteral("[MPe] [℃] [MPe] [%]"));
        QCOMPARE(window.Command1->text() + window.Command2->text(), QStringLiteral("表示終了"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QList<QWidget*> visited{window.focusWidget()};
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
            visited << window.focusWidget();
        }
        QCOMPARE(visited, QList<QWidget*>({window.Text1, window.Text2, window.Text3, window.Text4, window.Picture1,
                                           window.Command1, window.Command2, window.Text1}));

        Fill(window, {"1", "300", "0.5", "80"});
        QTest::keyClick(window.Text1, Qt::Key_Return);
        QCOMPARE(window.Picture1->Lines().size(), 18);
        const struct { Qt::Key key; QWidget* focus; int lines; } steps[] = {
            {Qt::Key_Up, window.Text1, 18},    {Qt::Key_Down, window.Text2, 18}, {Qt::Key_Down, window.Text3, 18},
            {Qt::Key_Down, window.Text4, 18},  {Qt::Key_Down, window.Text4, 18}, {Qt::Key_Up, window.Text3, 18},
            {Qt::Key_A, window.Text3, 18},     {Qt::Key_5, window.Text3, 0},     {Qt::Key_Return, window.Text3, 18},
            {Qt::Key_Delete, window.Text3, 0}, {Qt::Key_Escape, window.Text3, 0}};
        for (const auto& step : steps) {
            QTest::keyClick(window.focusWidget(), step.key);
            QCOMPARE(window.focusWidget(), step.focus);
            QCOMPARE(window.Picture1->Lines().size(), step.lines);
        }
        QVERIFY(window.isVisible());
        window.Command2->click();
        QVERIFY(!window.isVisible());
    }

    // The texts of the four boxes; the report's line count (0: none), the message shown ("" none).
    void calculate_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("message");
        const QString efficiency = QStringLiteral("効率が範囲外です。");
        const QString state = QStringLiteral("圧力or温度が範囲外です。");
        QTest::newRow("worked example: both outlets wet") << QStringList{"10", "500", "0.01", "85"} << 20 << "";
        QTest::newRow("without an efficiency") << QStringList{"10", "500", "0.01", ""} << 13 << "";
        QTest::newRow("compression") << QStringList{"0.1", "150", "0.5", "75"} << 18 << "";
        QTest::newRow("inlet pressure empty") << QStringList{"", "500", "0.01", "85"} << 0 << "";
        QTest::newRow("inlet temperature empty") << QStringList{"10", "", "0.01", "85"} << 0 << "";
        QTest::newRow("outlet pressure empty") << QStringList{"10", "500", "", "85"} << 0 << "";
        QTest::newRow("efficiency above 100") << QStringList{"10", "500", "0.01", "100.5"} << 0 << efficiency;
        QTest::newRow("a blank efficiency reads 0") << QStringList{"10", "500", "0.01", " "} << 0 << efficiency;
        QTest::newRow("inlet out of range") << QStringList{"200", "500", "0.01", ""} << 0 << state;
    }

    // The window prints the calculation's report, or shows its message with the stop icon; an earlier report goes
    // first in every case, and a required box left empty stops before the engine is asked.
    void calculate()
    {
        QFETCH(QStringList, texts);
        QFETCH(int, lines);
        QFETCH(QString, message);
        Form5 window;
        window.Picture1->Print(QStringLiteral("earlier report"));
        Fill(window, texts);
        window.Command1->click();

        QCOMPARE(window.Picture1->Lines().size(), lines);
        if (lines > 0)
            QCOMPARE(window.Picture1->Lines(), CalculateIsentropic(*ReadIsentropicFields(texts), Engine()).report);
        if (lines == 0 && message.isEmpty())
            QVERIFY(fixture->engine.calls.empty());
        QCOMPARE(fixture->messages.messages.size(), size_t(!message.isEmpty()));
        for (const RecordedMessage& shown : fixture->messages.messages) {
            QCOMPARE(shown.prompt, message);
            QCOMPARE(shown.style, MsgBoxStyle::Critical);
            QCOMPARE(shown.title, QStringLiteral("Vaporlane"));
        }
    }

    // A state the engine refuses at the outlet gets the constant-enthalpy window's message and leaves no report.
    void refusedOutlet()
    {
        fixture->engine.answerOf[QStringLiteral("STM_sHps")] = EngineErrorValue;
        Form5 window;
        Fill(window, {"10", "500", "0.01", "85"});
        QTest::keyClick(window.Text4, Qt::Key_Return);
        QVERIFY(window.Picture1->Lines().isEmpty());
        QCOMPARE(fixture->messages.messages.size(), size_t(1));
        QCOMPARE(fixture->messages.messages.front().prompt, QStringLiteral("圧力or温度が範囲外です。"));
    }

    // The help's worked example is what the window prints for it, in the default units.
    void helpExample()
    {
        QFile file(QStringLiteral(VAPORLANE_HELP_SOURCE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString help = QString::fromUtf8(file.readAll());
        const qsizetype start = help.indexOf(QStringLiteral("<pre>\n"), help.indexOf(QStringLiteral("isentropicexample")));
        QVERIFY(start > 0);
        const QString example = help.mid(start + 6, help.indexOf(QStringLiteral("\n</pre>"), start) - start - 6);
        Form5 window;
        Fill(window, {"10", "500", "0.01", "85"});
        window.Command1->click();
        QCOMPARE(example, window.Picture1->Lines().join('\n'));
    }

    // Each opening builds the window afresh, modal and without an owner, in the chosen layer, and the main window
    // takes its layer back afterwards.
    void openedFromTheMenu()
    {
        Form1 main;
        Module1::AlwaysOnTop = true;
        for (int opening = 0; opening < 2; ++opening) {
            QString opened;
            fixture->ExpectDialog([&](QDialog& dialog) {
                auto& window = dynamic_cast<Form5&>(dialog);
                opened = QStringLiteral("%1 modal=%2 owned=%3 top=%4 empty=%5")
                             .arg(QString::fromLatin1(dialog.metaObject()->className()))
                             .arg(dialog.isModal())
                             .arg(dialog.parent() != nullptr)
                             .arg(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
                             .arg(window.Text1->text().isEmpty() && window.Picture1->Lines().isEmpty());
                Fill(window, {"10", "500", "0.01", "85"});
                window.Command1->click();
            });
            main.menu_SpecialCalculation_Isentropic->trigger();
            QCOMPARE(opened, QStringLiteral("Form5 modal=1 owned=0 top=1 empty=1"));
            QVERIFY(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        }
    }
};

QTEST_MAIN(Form5Test)
#include "Form5Test.moc"
