// SPDX-License-Identifier: MIT
// The chart window: one modeless instance from the main window's menu that follows the calculations, its keys and
// what it keeps for the run, zoom and readout, saving, and a change of units.
#include "forms/chart/ChartPainter.h"
#include "forms/chart/ChartView.h"
#include "forms/chart/Form7.h"
#include "forms/common/NumericTextBox.h"
#include "forms/heat/Form4.h"
#include "forms/isentropic/Form5.h"
#include "forms/main/Form1.h"
#include "tests/common/GuiFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <optional>

namespace {

// The marker of the first published state, in the chart's pixels.
QPointF markerPixel(Form7& chart)
{
    return chart.Picture1->Transform().ToPixel(chart.Picture1->Overlay().markers.at(0));
}

// The main window with its chart window open.
struct Windows {
    Form1 main;
    QPointer<Form7> chart;

    // The h-s chart unless another kind is asked for.
    explicit Windows(int kind = 0)
    {
        main.menu_SpecialCalculation_Chart->trigger();
        chart = main.Chart();
        chart->Combo1->setCurrentIndex(kind);
        chart->Combo1_Click();
    }

    void Calculate(const QString& p, const QString& T)
    {
        main.Text1->setText(p);
        main.Text2->setText(T);
        main.Command1_Click();
    }
};

}  // namespace

class Form7Test : public QObject {
    Q_OBJECT
    std::optional<GuiFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup()
    {
        ClearChartStates();
        fixture.reset();
    }

    // One modeless window without owner, in the chosen layer, also after the option changes; it follows every
    // successful calculation of the main window, the constant-enthalpy and the isentropic window, keeps its states
    // through a failed one, and closes with the main window.
    void followsTheCalculations()
    {
        fixture->WriteSettings("2\r\n12\r\n32\r\n52\r\n71\r\n0\r\n#TRUE#\r\n");
        Windows w;
        QVERIFY(w.chart && w.chart->isVisible() && !w.chart->isModal() && !w.chart->parent());
        QVERIFY(w.chart->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(w.chart->windowTitle(), QStringLiteral("線図"));
        w.main.menu_SpecialCalculation_Chart->trigger();
        QCOMPARE(w.main.Chart(), w.chart.data());
        w.main.menu_Option_WindowShow->trigger();
        QVERIFY(!w.chart->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

        w.Calculate("10", "500");
        const WorldPoint marker = w.chart->Picture1->Overlay().markers.at(0);
        QCOMPARE(marker.x, Engine().STM_nStp(500, 10));
        QCOMPARE(marker.y, Engine().STM_nHtp(500, 10));
        w.Calculate("200", "500");
        QCOMPARE(fixture->messages.messages.size(), size_t(1));
        QCOMPARE(w.chart->Picture1->Overlay().markers.size(), size_t(1));

        Form4 heat;
        for (auto [box, text] : {std::pair{heat.Text1, "10"}, {heat.Text2, "500"}, {heat.Text3, "0.1"}})
            box->setText(text);
        heat.Command1_Click();
        QCOMPARE(w.chart->Picture1->Overlay().markers.size(), size_t(2));
        QCOMPARE(w.chart->Picture1->Overlay().processes.size(), size_t(1));
        Form5 isentropic;
        for (auto [box, text] :
             {std::pair{isentropic.Text1, "10"}, {isentropic.Text2, "500"}, {isentropic.Text3, "0.01"},
              {isentropic.Text4, "85"}})
            box->setText(text);
        isentropic.Command1_Click();
        QCOMPARE(w.chart->Picture1->Overlay().markers.size(), size_t(3));  // inlet, isentropic and actual outlets
        QCOMPARE(w.chart->Picture1->Overlay().processes.size(), size_t(2));
        QCOMPARE(w.chart->Picture1->Overlay().markers[1].y, Engine().STM_sHps(0.01, Engine().STM_nStp(500, 10)));
        QVERIFY(fixture->unexpectedDialogs.isEmpty());
        w.main.close();
        QVERIFY(!w.chart || !w.chart->isVisible());
    }

    // Tab goes round the list and the two buttons, Escape changes nothing; the kind and the size come back when the
    // window opens again in the same run.
    void keysAndWhatTheRunKeeps()
    {
        Windows w;
        QVERIFY(QTest::qWaitForWindowActive(w.chart));
        w.chart->Combo1->setFocus();
        QList<QWidget*> visited{QApplication::focusWidget()};
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        QCOMPARE(visited, QList<QWidget*>({w.chart->Combo1, w.chart->Command1, w.chart->Command2, w.chart->Combo1}));
        QTest::keyClick(w.chart, Qt::Key_Escape);
        QVERIFY(w.chart->isVisible());
        QCOMPARE(w.chart->Combo1->itemText(0), QStringLiteral("h–s 線図（モリエ線図）"));
        QCOMPARE(QStringList({w.chart->Command1->text(), w.chart->Command2->text()}),
                 QStringList({"全体", "保存…"}));

        w.chart->Combo1->setCurrentIndex(2);
        w.chart->Combo1_Click();
        w.chart->resize(700, 520);
        w.chart->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w.chart);
        w.main.menu_SpecialCalculation_Chart->trigger();
        Form7& again = *w.main.Chart();
        QCOMPARE(again.Combo1->currentIndex(), 2);
        QCOMPARE(again.Picture1->Kind(), ChartKind::kPh);
        QCOMPARE(again.size(), QSize(700, 520));
    }

    // A dragged rectangle becomes the view, "全体" the whole chart again; the status line reads the state under the
    // cursor, and shows the hint once it leaves.
    void zoomAndReadout()
    {
        Windows w;
        QVERIFY(QTest::qWaitForWindowExposed(w.chart));
        ChartView& view = *w.chart->Picture1;
        const QPoint from = view.Transform().Plot().center().toPoint();
        const QPoint to = from + QPoint(80, 60);
        const WorldPoint a = view.Transform().ToWorld(from);
        const WorldPoint b = view.Transform().ToWorld(to);
        QTest::mousePress(&view, Qt::LeftButton, {}, from);
        QTest::mouseMove(&view, to);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
        QCOMPARE(view.View().left, a.x);
        QCOMPARE(view.View().right, b.x);
        QCOMPARE(view.View().top, a.y);
        QCOMPARE(view.View().bottom, b.y);
        w.chart->Command1->click();
        QCOMPARE(view.View().top, view.Chart().extent.top);

        // A pixel is some 0.02 kJ/(kg K) wide: the readout there is near the state it shows, not the state.
        w.Calculate("10", "500");
        const WorldPoint wet{Engine().STM_sStx(100, 0.5), Engine().STM_sHtx(100, 0.5)};
        for (const QPoint pixel : {markerPixel(*w.chart).toPoint(), view.Transform().ToPixel(wet).toPoint()}) {
            QMouseEvent move(QEvent::MouseMove, pixel, view.mapToGlobal(pixel), Qt::NoButton, {}, {});
            QApplication::sendEvent(&view, &move);
            QCOMPARE(w.chart->Label1->text(), view.ReadoutAt(pixel));
        }
        QCOMPARE(w.chart->Label1->text().split(QStringLiteral("   ")).size(), 5);  // p, T, h, s and the dryness
        QVERIFY(w.chart->Label1->text().contains(QStringLiteral("乾き度 x = 0.50")));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&view, &leave);
        QCOMPARE(w.chart->Label1->text(), QStringLiteral("ドラッグした範囲を拡大します。"));
    }

    // What "保存…" writes: the visible chart as PNG (with the state's marker inked where the window draws it) or
    // SVG; a name of another kind or a file that cannot be written gets a message, a cancelled dialog nothing.
    void save_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("png") << "chart.png" << "";
        QTest::newRow("svg in capitals") << "chart.SVG" << "";
        QTest::newRow("another extension") << "chart.jpg" << "線図は .png か .svg の名前で保存します。";
        QTest::newRow("no such folder") << "missing/chart.png" << "線図を保存できませんでした。";
        QTest::newRow("cancelled") << "" << "";
    }

    void save()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        Windows w;
        QVERIFY(QTest::qWaitForWindowExposed(w.chart));
        w.Calculate("10", "500");
        const QString path = name.isEmpty() ? name : fixture->folder.filePath(name);
        const Form7::FileNameAsker previous = Form7::SetFileNameAsker([&path](QWidget*) { return path; });
        w.chart->Command2->click();
        Form7::SetFileNameAsker(previous);

        QCOMPARE(fixture->messages.messages.empty(), message.isEmpty());
        if (!message.isEmpty()) {
            QVERIFY(fixture->messages.messages[0].prompt.startsWith(message));
            QCOMPARE(fixture->messages.messages[0].style, MsgBoxStyle::Critical);
        }
        QFile file(path);
        QCOMPARE(!path.isEmpty() && file.open(QIODevice::ReadOnly), message.isEmpty() && !path.isEmpty());
        if (message.isEmpty() && name.endsWith(u"png")) {
            const QImage image = QImage::fromData(file.readAll(), "PNG");
            QCOMPARE(image.size(), w.chart->Picture1->size() * w.chart->Picture1->devicePixelRatioF());
            const QPointF at = markerPixel(*w.chart) * w.chart->Picture1->devicePixelRatioF();
            QCOMPARE(image.pixelColor(at.toPoint()), kMarkerColour);
        } else if (name.endsWith(u"SVG")) {
            QVERIFY(file.readAll().contains("<svg"));
        }
    }

    // New units (the units dialog's OK) clear the states, which were in the old ones, and the chart is drawn
    // again in the new units.
    void unitsChange()
    {
        Windows w;
        w.Calculate("10", "500");
        Module1::EnthalUnit = 33;
        w.main.UnitsChanged();
        QVERIFY(w.chart->Picture1->Overlay().markers.empty());
        QCOMPARE(w.chart->Picture1->Chart().yTitle, QStringLiteral("エンタルピ h [Kcal/Kg]"));
    }
};

QTEST_MAIN(Form7Test)
#include "Form7Test.moc"
