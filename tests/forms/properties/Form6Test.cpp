// SPDX-License-Identifier: MIT
// The property list window as a user sees it: for each kind of case the list (or the message) that the companion's
// --properties prints for the same texts, and the fields the case empties; captions, keys and the copy of what is
// shown; the scroll area; the help's worked example.
#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "forms/main/Form1.h"
#include "forms/properties/Form6.h"
#include "tests/cli/CompanionProcess.h"
#include "tests/common/GuiFixture.h"
#include "tests/common/HelpDocument.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace {

QList<NumericTextBox*> Boxes(const Form6& window) { return {window.Text1, window.Text2, window.Text3, window.Text4}; }

void Fill(const Form6& window, const QStringList& texts)
{
    for (qsizetype i = 0; i < 4; ++i)
        Boxes(window)[i]->setText(texts.value(i));
}

}  // namespace

class Form6Test : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiFixture> fixture;

private slots:
    void init() { fixture = std::make_unique<GuiFixture>(); }
    void cleanup() { fixture.reset(); }

    // "outcome": "list", "none" (no case) or the message; "kept": the field texts afterwards where the case empties
    // some. Rows named "imperial" in Fahrenheit, mmHg, kcal/kg, kcal/(kg K), lb/ft3 on the volume basis.
    void sameListAsTheCompanion_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QStringList>("kept");
        const auto row = [](const char* name, const QStringList& texts, const QString& outcome,
                            const QStringList& kept = {}) { QTest::newRow(name) << texts << outcome << kept; };
        using namespace CalculationMessage;
        row("saturation by pressure", {"1", "", "", ""}, "list");
        row("all four fields: compressed water", {"1", "100", "5", "0.5"}, "list", {"1", "100", "", ""});
        row("wet steam by enthalpy", {"1", "", "2000", "0.3"}, "list", {"1", "", "2000", ""});
        row("superheated steam by enthalpy", {"1", "", "3000", ""}, "list");
        row("wet steam by pressure and dryness", {"1", "", "", "0.9"}, "list");
        row("imperial: saturation by temperature", {"", "212", "", ""}, "list");
        row("imperial: temperature and dryness", {"", "300", "", "0.5"}, "list");
        row("dryness above 1", {"1", "", "", "1.5"}, DrynessOutOfRange);
        row("dryness below 0", {"", "150", "", "-0.1"}, DrynessOutOfRange);
        row("wet above the critical temperature", {"", "400", "", "0.5"}, TemperatureOutOfRange);
        row("wet above the critical pressure", {"30", "", "", "0.5"}, PressureOutOfRange);
        row("saturation above the critical pressure", {"200", "", "", ""}, PressureOutOfRange);
        row("saturation below 0 degC", {"", "-10", "", ""}, TemperatureOutOfRange);
        row("temperature out of range, fields emptied", {"1", "-300", "1", ""}, PressureOrTemperatureOutOfRange,
            {"1", "-300", "", ""});
        row("enthalpy out of range", {"1", "", "-500", ""}, PressureOrEnthalpyOutOfRange);
        row("enthalpy and dryness only", {"", "", "2000", "0.5"}, "none");
    }

    void sameListAsTheCompanion()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, outcome);
        QFETCH(QStringList, kept);
        if (QByteArray(QTest::currentDataTag()).startsWith("imperial"))
            fixture->WriteSettings("3\r\n15\r\n33\r\n53\r\n74\r\n1\r\n#FALSE#\r\n");
        Form1 main;  // its start-up sets the units
        Form6 window;
        Fill(window, texts);
        window.Command1->click();
        const QStringList lines = window.Picture1->Lines();
        QStringList arguments{"--properties", "--settings-dir", fixture->folder.path()}, after;
        for (qsizetype i = 0; i < 4; ++i) {
            after << Boxes(window)[i]->text();
            if (!texts[i].isEmpty())
                arguments << "--" + QStringList{"pressure", "temperature", "enthalpy", "dryness"}[i] + '=' + texts[i];
        }
        QCOMPARE(after, kept.isEmpty() ? texts : kept);
        const bool message = outcome != "list" && outcome != "none";
        QCOMPARE(fixture->messages.messages.size(), size_t(message));
        QCOMPARE(message ? fixture->messages.messages.front().prompt : outcome, outcome);
        QCOMPARE(lines.isEmpty(), outcome != "list");
        const CompanionRun companion = RunCompanionProcess(arguments);
        QCOMPARE(companion.exitCode, outcome == "list" ? 0 : message ? 1 : 3);
        QCOMPARE(companion.out, lines.isEmpty() ? QByteArray() : (lines.join('\n') + '\n').toUtf8());
        if (message)
            QCOMPARE(companion.err, outcome.toUtf8() + '\n');
    }

    // Captions from the units and the dryness basis. Up and down go round the fields as in the main window, Enter
    // lists, an accepted character and Delete clear the list, a refused one does not. "コピー" puts each line shown
    // as label, number and unit, tab-separated (three spreadsheet columns), and nothing while nothing is shown.
    void captionsKeysAndCopy()
    {
        fixture->WriteSettings("1\r\n21\r\n33\r\n53\r\n71\r\n1\r\n#FALSE#\r\n");
        Form1 main;
        Form6 window;
        QCOMPARE(QStringList({window.windowTitle(), window.Label4->text(), window.Label5->text(),
                              window.Label6->text(), window.Label7->text()}),
                 QStringList({"物性値一覧", "ＳＢＷ", "[MPe]", "[Ｋ]", "[Kcal/Kg]"}));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Fill(window, {"1", "", "", ""});
        const struct { Qt::Key key; QWidget* focus; int lines; } steps[] = {
            {Qt::Key_Up, window.Text4, 0},    {Qt::Key_Down, window.Text1, 0}, {Qt::Key_Return, window.Text1, 19},
            {Qt::Key_Down, window.Text2, 19}, {Qt::Key_A, window.Text2, 19},   {Qt::Key_5, window.Text2, 0}};
        for (const auto& step : steps) {
            QTest::keyClick(window.focusWidget(), step.key);
            QCOMPARE(window.focusWidget(), step.focus);
            QCOMPARE(window.Picture1->Lines().size(), step.lines);
        }
        Fill(window, {"1", "1500", "", ""});  // above 1173.15 K: rows without a number
        window.Command1->click();
        window.Command2->click();
        QStringList copied = QApplication::clipboard()->text().split('\n');
        QCOMPARE(copied.takeLast(), QString());  // every line ends
        QCOMPARE(copied.size(), window.Picture1->Lines().size());
        for (qsizetype i = 0; const QString& line : window.Picture1->Lines()) {
            const QString rest = line.mid(line.indexOf('=') + 1);
            const QString unit = rest.mid(rest.contains('[') ? rest.indexOf('[') : rest.size());
            QCOMPARE(copied[i++], line.left(line.indexOf('=')).simplified() + '\t' + rest.chopped(unit.size()).trimmed()
                                      + '\t' + unit);
        }
        QVERIFY(copied.contains(QStringLiteral("粘度 mu\t範囲外\t[μPa s]")));
        QTest::keyClick(window.Text2, Qt::Key_Delete);
        QApplication::clipboard()->setText(QStringLiteral("before"));
        window.Command2->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
        window.Command3->click();
        QVERIFY(!window.isVisible());
    }

    // A list longer than the area scrolls to its end; cleared, it needs no scrolling.
    void longerListScrolls()
    {
        Form6 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int line = 0; line < 60; ++line)
            window.Picture1->Print(QString::number(line));
        QScrollBar& bar = *window.Scroll1->verticalScrollBar();
        QTRY_VERIFY(bar.maximum() > 0);
        bar.setValue(bar.maximum());
        const int lastOffset = static_cast<int>(window.Picture1->Text().size()) - 2;
        QVERIFY(window.Picture1->visibleRegion().boundingRect().contains(window.Picture1->CharacterRect(lastOffset)));
        window.Picture1->Cls();
        QTRY_COMPARE(bar.maximum(), 0);
    }

    // The help's worked example is what the window lists for it, in the default units.
    void helpExample()
    {
        Form1 main;
        Form6 window;
        Fill(window, {"1", "300", "", ""});
        window.Command1->click();
        QCOMPARE(HelpExample("propertiesexample"), window.Picture1->Lines().join('\n'));
    }
};

QTEST_MAIN(Form6Test)
#include "Form6Test.moc"
