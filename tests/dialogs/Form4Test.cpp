// The constant-enthalpy window: unit texts, the calculation through the window, keys, real-engine reports.
#include "forms/heat/Form4.h"

#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "settings/UnitCatalogue.h"
#include "tests/common/GuiFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QString kOutOfRange = QStringLiteral("圧力or温度が範囲外です。");

// The number of a report line: the first word after the label's "=".
double NumberOf(const QString& line)
{
    return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed().section(QLatin1Char(' '), 0, 0).toDouble();
}

void Fill(Form4& window, const QString& p, const QString& T, const QString& pSet)
{
    window.Text1->setText(p);
    window.Text2->setText(T);
    window.Text3->setText(pSet);
}

}  // namespace

class Form4Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiFixture> fixture;

    // The engine in kelvin, MPa, kJ/kg, kJ/(kg K), m3/kg: the units of the published values.
    void UsePublishedUnits()
    {
        Module1::TempUnit = 1;
        HandUnitsToEngine();
        fixture->engine.calls.clear();
    }

private slots:
    void init()
    {
        fixture = std::make_unique<GuiFixture>();
        FillUnitLabels();
        HandUnitsToEngine();
        fixture->engine.calls.clear();
    }

    void cleanup()
    {
        GuiFixture::ResetSettings();
        HandUnitsToEngine();
        QVERIFY(fixture->unexpectedDialogs.isEmpty());
        fixture.reset();
    }

    void loadShowsTheCurrentUnits()
    {
        Module1::PressUnit = 21;
        Module1::TempUnit = 1;
        Form4 window;
        QCOMPARE(window.windowTitle(), QStringLiteral("エンタルピ一定"));
        QCOMPARE(window.Label4->text(), QStringLiteral("[MPe]"));
        QCOMPARE(window.Label5->text(), QStringLiteral("[Ｋ]"));
        QCOMPARE(window.Label6->text(), QStringLiteral("[MPe]"));
        QVERIFY(window.Label4->width() >= window.Label4->sizeHint().width());
        QVERIFY(window.Text1->text().isEmpty() && window.Text2->text().isEmpty() && window.Text3->text().isEmpty());
        QCOMPARE(window.focusWidget(), window.Text1);
    }

    void reportWithTheRealEngine_data()
    {
        QTest::addColumn<QString>("pRef");
        QTest::addColumn<QString>("TRef");
        QTest::addColumn<QString>("pSet");
        QTest::addColumn<QString>("phaseLine");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("s");
        QTest::addColumn<double>("v");
        // Reference states with published values; the set pressure puts the set state in each phase.
        QTest::newRow("compressed water at 10 MPa") << "3" << "300" << "10" << " 設定値 （圧縮水）"
                                                    << 115.331273 << 0.392294792 << 0.00100215168;
        QTest::newRow("superheated steam at 0.0035 MPa") << "30" << "700" << "0.0035" << " 設定値 （過熱蒸気）"
                                                         << 2631.49474 << 5.17540298 << 0.00542946619;
        QTest::newRow("wet steam flashed to 0.1 MPa") << "3" << "500" << "0.1" << " 設定値 （飽和状態）"
                                                      << 975.542239 << 2.58041912 << 0.00120241800;
    }

    void reportWithTheRealEngine()
    {
        QFETCH(QString, pRef);
        QFETCH(QString, TRef);
        QFETCH(QString, pSet);
        QFETCH(QString, phaseLine);
        QFETCH(double, h);
        QFETCH(double, s);
        QFETCH(double, v);
        UsePublishedUnits();
        Form4 window;
        Fill(window, pRef, TRef, pSet);
        window.Command1->click();

        QVERIFY2(fixture->messages.messages.empty(), "the engine refused a state inside its range");
        const QStringList lines = window.Picture1->Lines();
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines[0], QStringLiteral(" 基準値"));
        const QString typed = QString::number(TRef.toDouble(), 'f', 8).rightJustified(17);
        QCOMPARE(lines[1], QStringLiteral("  温度        T   = ") + typed + QStringLiteral(" [Ｋ]"));
        auto near = [](double actual, double published) {
            return std::abs(actual - published) <= 1e-8 * std::abs(published) + 6e-9;
        };
        QVERIFY2(near(NumberOf(lines[2]), h), qPrintable(lines[2]));
        QVERIFY2(near(NumberOf(lines[3]), s), qPrintable(lines[3]));
        QVERIFY2(near(NumberOf(lines[4]), v), qPrintable(lines[4]));
        QCOMPARE(lines[5], phaseLine);
        QCOMPARE(lines[7], lines[2]);
        QVERIFY(lines[8].endsWith(QStringLiteral(" [KJ/KgK]")) && lines[9].endsWith(QStringLiteral(" [m3/Kg]")));

        // The set state, checked with the library directly.
        AquapropEngine library;
        const double p = pSet.toDouble();
        const double T = NumberOf(lines[6]);
        if (phaseLine.endsWith(QStringLiteral("（飽和状態）"))) {
            // Wet: the saturation temperature and the mixture's entropy and volume.
            QVERIFY2(std::abs(T - 372.755919) < 1e-6, qPrintable(lines[6]));
            const double hLiquid = library.STM_sHtx(T, 1.0);
            const double hVapour = library.STM_sHtx(T, 0.0);
            const double w = (hVapour - h) / (hVapour - hLiquid);
            QVERIFY(w > 0.5 && w < 0.9);
            const double sMix = w * library.STM_sStx(T, 1.0) + (1 - w) * library.STM_sStx(T, 0.0);
            const double vMix = w * library.STM_sDtx(T, 1.0) + (1 - w) * library.STM_sDtx(T, 0.0);
            QVERIFY2(std::abs(NumberOf(lines[8]) - sMix) < 1e-6, qPrintable(lines[8]));
            QVERIFY2(std::abs(NumberOf(lines[9]) - vMix) < 1e-6 * vMix, qPrintable(lines[9]));
        } else {
            // Single phase: the engine's values at (T_set, p_set), which has the reference enthalpy.
            QVERIFY2(std::abs(library.STM_nHtp(T, p) - h) < 0.15, qPrintable(lines[6]));
            QVERIFY2(std::abs(NumberOf(lines[8]) - library.STM_nStp(T, p)) < 1e-7, qPrintable(lines[8]));
            const double vSet = library.STM_nDtp(T, p);
            QVERIFY2(std::abs(NumberOf(lines[9]) - vSet) < 1e-7 * vSet + 6e-9, qPrintable(lines[9]));
        }
    }

    void emptyFieldStopsSilently_data()
    {
        QTest::addColumn<QString>("p");
        QTest::addColumn<QString>("T");
        QTest::addColumn<QString>("pSet");
        QTest::addColumn<bool>("calculates");
        QTest::newRow("reference pressure empty") << "" << "100" << "1" << false;
        QTest::newRow("reference temperature empty") << "1" << "" << "1" << false;
        QTest::newRow("set pressure empty") << "1" << "100" << "" << false;
        QTest::newRow("a blank is not empty") << "1" << " " << "1" << true;
    }

    void emptyFieldStopsSilently()
    {
        QFETCH(QString, p);
        QFETCH(QString, T);
        QFETCH(QString, pSet);
        QFETCH(bool, calculates);
        Form4 window;
        window.Picture1->Print(QStringLiteral("earlier report"));
        Fill(window, p, T, pSet);
        window.Command1->click();
        QVERIFY(fixture->messages.messages.empty());
        QCOMPARE(!fixture->engine.calls.empty(), calculates);
        QCOMPARE(window.Picture1->Lines().size(), calculates ? 10 : 0);
    }

    void referenceOutOfRangeGivesTheMessage()
    {
        Form4 window;
        window.Picture1->Print(QStringLiteral("earlier report"));
        Fill(window, QStringLiteral("200"), QStringLiteral("300"), QStringLiteral("1"));
        window.Command1->click();
        QCOMPARE(fixture->messages.messages.size(), size_t(1));
        const RecordedMessage& message = fixture->messages.messages.front();
        QCOMPARE(message.prompt, kOutOfRange);
        QCOMPARE(message.style, MsgBoxStyle::Critical);
        QCOMPARE(message.title, QStringLiteral("Vaporlane"));
        QVERIFY(window.Picture1->Lines().isEmpty());
        QCOMPARE(window.Text1->text(), QStringLiteral("200"));
    }

    void typedTemperatureIsPrintedAsConverted()
    {
        fixture->engine.useLibrary = false;
        Form4 window;
        Fill(window, QStringLiteral("1"), QStringLiteral(".5"), QStringLiteral("1"));
        window.Command1->click();
        QCOMPARE(window.Picture1->Lines().value(1), QStringLiteral("  温度        T   =        0.50000000 [℃]"));
        QCOMPARE(fixture->engine.calls.front().args, (std::vector<double>{0.5, 1.0}));
    }

    void arrowKeysMoveAlongALine()
    {
        Form4 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const struct {
            Qt::Key key;
            NumericTextBox* expected;
        } steps[] = {
            {Qt::Key_Up, window.Text1},   {Qt::Key_Down, window.Text2}, {Qt::Key_Down, window.Text3},
            {Qt::Key_Down, window.Text3}, {Qt::Key_Up, window.Text2},   {Qt::Key_Up, window.Text1},
        };
        for (const auto& step : steps) {
            QTest::keyClick(window.focusWidget(), step.key);
            QCOMPARE(window.focusWidget(), step.expected);
        }
    }

    void keysCalculateAndClear()
    {
        fixture->engine.useLibrary = false;
        Form4 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Fill(window, QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("2"));

        // Enter calculates, and its character does not clear the fresh report.
        QTest::keyClick(window.Text3, Qt::Key_Return);
        QCOMPARE(window.Picture1->Lines().size(), 10);
        QVERIFY(window.isVisible());

        // A refused character leaves the report; an accepted one clears it and is typed.
        QTest::keyClick(window.Text2, Qt::Key_A);
        QCOMPARE(window.Picture1->Lines().size(), 10);
        QCOMPARE(window.Text2->text(), QStringLiteral("100"));
        window.Text2->end(false);
        QTest::keyClick(window.Text2, Qt::Key_5);
        QVERIFY(window.Picture1->Lines().isEmpty());
        QCOMPARE(window.Text2->text(), QStringLiteral("1005"));

        // Delete clears the report and still deletes.
        QTest::keyClick(window.Text1, Qt::Key_Return);
        QCOMPARE(window.Picture1->Lines().size(), 10);
        window.Text1->home(false);
        QTest::keyClick(window.Text1, Qt::Key_Delete);
        QVERIFY(window.Picture1->Lines().isEmpty());
        QVERIFY(window.Text1->text().isEmpty());
    }

    void closeButtonCloses()
    {
        Form4 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(window.Text1, Qt::Key_Escape);
        QVERIFY(window.isVisible());
        window.Command2->click();
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(Form4Test)
#include "Form4Test.moc"
