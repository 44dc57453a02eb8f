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

    // "kept": the field texts afterwards. The status is the companion's: 0 list, 1 message, 3 no calculation.
    void sameListAsTheCompanion_data()
    {
        QTest::addColumn<bool>("imperial");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<int>("status");
        const auto row = [](const char* name, bool imperial, const QStringList& texts, const QStringList& kept,
                            int status) { QTest::newRow(name) << imperial << texts << kept << status; };
        row("saturation by pressure", false, {"1", "", "", ""}, {"1", "", "", ""}, 0);
        row("all four fields: compressed water", false, {"1", "100", "5", "0.5"}, {"1", "100", "", ""}, 0);
        row("wet steam by enthalpy", false, {"1", "", "2000", "0.3"}, {"1", "", "2000", ""}, 0);
        row("superheated steam by enthalpy", false, {"1", "", "3000", ""}, {"1", "", "3000", ""}, 0);
        row("wet steam by pressure and dryness", false, {"1", "", "", "0.9"}, {"1", "", "", "0.9"}, 0);
        row("imperial: saturation by temperature", true, {"", "212", "", ""}, {"", "212", "", ""}, 0);
        row("imperial: temperature and dryness, volume basis", true, {"", "300", "", "0.5"}, {"", "300", "", "0.5"}, 0);
        row("out of range, fields still emptied", false, {"200", "300", "1", ""}, {"200", "300", "", ""}, 1);
        row("dryness above 1", false, {"1", "", "", "1.5"}, {"1", "", "", "1.5"}, 1);
        row("enthalpy and dryness only", false, {"", "", "2000", "0.5"}, {"", "", "2000", "0.5"}, 3);
    }

    void sameListAsTheCompanion()
    {
        QFETCH(bool, imperial);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, kept);
        QFETCH(int, status);
        if (imperial)  // Fahrenheit, mmHg, kcal/kg, kcal/(kg K), lb/ft3, SBW
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
        QCOMPARE(after, kept);
        const CompanionRun companion = RunCompanionProcess(arguments);
        QCOMPARE(companion.exitCode, status);
        QCOMPARE(companion.out, lines.isEmpty() ? QByteArray() : (lines.join('\n') + '\n').toUtf8());
        QCOMPARE(lines.isEmpty(), status != 0);
        QCOMPARE(fixture->messages.messages.size(), size_t(status == 1));
        if (status == 1)
            QCOMPARE(companion.err, fixture->messages.messages.front().prompt.toUtf8() + '\n');
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
            {Qt::Key_Up, window.Text4, 0},      {Qt::Key_Down, window.Text1, 0}, {Qt::Key_Return, window.Text1, 19},
            {Qt::Key_Down, window.Text2, 19},   {Qt::Key_A, window.Text2, 19},   {Qt::Key_5, window.Text2, 0},
            {Qt::Key_Backspace, window.Text2, 0}, {Qt::Key_Return, window.Text2, 19}};
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
