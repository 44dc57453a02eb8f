// SPDX-License-Identifier: MIT
// The isentropic window as a user sees it: its captions and keys, and the help's worked example as it prints it.
// Its messages and the rest of its reports: the companion's test compares them.
#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "forms/isentropic/Form5.h"
#include "tests/common/GuiFixture.h"
#include "tests/common/HelpDocument.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

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
    void cleanup() { fixture.reset(); }

    // The unit texts follow the settings. A compressed outlet shows its T (a wet one its Ts: the help's example).
    // Up and down move along a line of fields that stops at both ends; Enter calculates; an accepted character and
    // Delete clear the report, a refused one does not; "終了" closes. (Its menu and layer: the main window's test.)
    void captionsAndKeys()
    {
        Module1::PressUnit = 21;
        Form5 window;
        QCOMPARE(QStringList({window.Label1->text(), window.Label4->text(), window.Label5->text(), window.Label6->text(),
                              window.Label7->text(), window.Label8->text()}),
                 QStringList({"基準圧力", "効率", "[MPe]", "[℃]", "[MPe]", "[%]"}));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Fill(window, {"0.01", "40", "10", "75"});  // water compressed, as by a pump
        QTest::keyClick(window.Text1, Qt::Key_Return);
        QCOMPARE(window.Picture1->Lines().value(5) + window.Picture1->Lines().value(6).left(6),
                 " 設定値 等エントロピ（圧縮水）  温度  ");
        const struct { Qt::Key key; QWidget* focus; int lines; } steps[] = {
            {Qt::Key_Up, window.Text1, 18},    {Qt::Key_Down, window.Text2, 18},   {Qt::Key_Down, window.Text3, 18},
            {Qt::Key_Down, window.Text4, 18},  {Qt::Key_Down, window.Text4, 18},   {Qt::Key_Up, window.Text3, 18},
            {Qt::Key_A, window.Text3, 18},     {Qt::Key_0, window.Text3, 0},       {Qt::Key_Return, window.Text3, 18},
            {Qt::Key_Delete, window.Text3, 0}};
        for (const auto& step : steps) {
            QTest::keyClick(window.focusWidget(), step.key);
            QCOMPARE(window.focusWidget(), step.focus);
            QCOMPARE(window.Picture1->Lines().size(), step.lines);
        }
        window.Command2->click();
        QVERIFY(!window.isVisible());
        QVERIFY(fixture->unexpectedDialogs.isEmpty());
    }

    // The help's worked example is what the window prints for it, in the default units.
    void helpExample()
    {
        Form5 window;
        Fill(window, {"10", "500", "0.01", "85"});
        window.Command1->click();
        QCOMPARE(HelpExample("isentropicexample"), window.Picture1->Lines().join('\n'));
    }
};

QTEST_MAIN(Form5Test)
#include "Form5Test.moc"
