// SPDX-License-Identifier: MIT
// The constant-enthalpy window: its reports against published values and the library, which fields it needs,
// and its keys.
#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "forms/heat/Form4.h"
#include "settings/UnitCatalogue.h"
#include "tests/common/GuiFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

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

Q_DECLARE_METATYPE(HeatCase)

class Form4Test : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiFixture> fixture;

private slots:
    void init() { fixture = std::make_unique<GuiFixture>(); }

    void cleanup()
    {
        QVERIFY(fixture->unexpectedDialogs.isEmpty());
        fixture.reset();
    }

    void report_data()
    {
        QTest::addColumn<HeatCase>("row");
        QTest::newRow("compressed water")
            << HeatCase{"3", "300", "10", "（圧縮水）", 115.331273, 0.392294792, 0.00100215168};
        QTest::newRow("superheated")
            << HeatCase{"30", "700", "0.0035", "（過熱蒸気）", 2631.49474, 5.17540298, 0.00542946619};
        QTest::newRow("wet, flashed to 0.1 MPa")
            << HeatCase{"3", "500", "0.1", "（飽和状態）", 975.542239, 2.58041912, 0.00120241800};
    }

    void report()
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

    void fields_data()
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

    void fields()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, outcome);
        Form4 window;
        window.Picture1->Print(QStringLiteral("earlier report"));
        fixture->engine.calls.clear();
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
    void keys()
    {
        Module1::PressUnit = 21;
        Form4 window;
        QCOMPARE(QStringList({window.Label4->text(), window.Label5->text(), window.Label6->text()}),
                 QStringList({"[MPe]", "[℃]", "[MPe]"}));
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
};

QTEST_MAIN(Form4Test)
#include "Form4Test.moc"
