// SPDX-License-Identifier: MIT
// The companion prints exactly what the windows print, for every case and in two unit sets: the report
// byte for byte, or the window's message on standard error; its chart marks the states the windows publish.
#include "forms/chart/ChartPainter.h"
#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "forms/heat/Form4.h"
#include "forms/isentropic/Form5.h"
#include "forms/main/Form1.h"
#include "tests/cli/CompanionProcess.h"
#include "tests/common/GuiFixture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <array>

class CompanionWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Three texts are the constant-enthalpy window's, rows named "isentropic" the isentropic window's. The status
    // is the companion's: 0 report, 1 message, 3 no calculation.
    void sameAsTheWindow_data()
    {
        QTest::addColumn<bool>("imperial");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("status");
        QTest::newRow("saturation by pressure") << false << QStringList{"1", "", "", ""} << 0;
        QTest::newRow("saturation by temperature") << false << QStringList{"", "100", "", ""} << 0;
        QTest::newRow("all four fields: superheated steam") << false << QStringList{"1", "300", "5", "0.5"} << 0;
        QTest::newRow("wet steam by enthalpy") << false << QStringList{"1", "", "2000", "0.3"} << 0;
        QTest::newRow("wet steam by dryness") << false << QStringList{"1", "", "", "0.9"} << 0;
        QTest::newRow("pressure out of range") << false << QStringList{"50", "", "", ""} << 1;
        QTest::newRow("pressure or temperature out of range") << false << QStringList{"200", "300", "", ""} << 1;
        QTest::newRow("dryness above 1") << false << QStringList{"1", "", "", "1.5"} << 1;
        QTest::newRow("enthalpy and dryness only") << false << QStringList{"", "", "2000", "0.5"} << 3;
        QTest::newRow("imperial: wet steam by dryness, volume basis") << true << QStringList{"760", "", "", "0.5"} << 0;
        QTest::newRow("heat: wet steam") << false << QStringList{"10", "300", "0.5"} << 0;
        QTest::newRow("heat: a blank is a filled box") << false << QStringList{"10", " ", "1"} << 0;
        QTest::newRow("heat: reference out of range") << false << QStringList{"300", "300", "1"} << 1;
        QTest::newRow("heat: empty field") << false << QStringList{"10", "", "1"} << 3;
        QTest::newRow("isentropic: worked example") << false << QStringList{"10", "500", "0.01", "85"} << 0;
        QTest::newRow("isentropic: compression, imperial") << true << QStringList{"760", "300", "7600", "80"} << 0;
        QTest::newRow("isentropic: efficiency out of range") << false << QStringList{"10", "500", "0.01", "0"} << 1;
        QTest::newRow("isentropic: outlet pressure empty") << false << QStringList{"10", "500", "", "85"} << 3;
    }

    void sameAsTheWindow()
    {
        QFETCH(bool, imperial);
        QFETCH(QStringList, texts);
        QFETCH(int, status);
        GuiFixture fixture;
        if (imperial)  // Fahrenheit, mmHg, kcal/kg, kcal/(kg K), lb/ft3, SBW
            fixture.WriteSettings("3\r\n15\r\n33\r\n53\r\n74\r\n1\r\n#FALSE#\r\n");
        Form1 main;  // its start-up sets the units, for the constant-enthalpy window too
        Form4 heat;
        Form5 isentropic;
        const bool isentropicRow = QByteArray(QTest::currentDataTag()).startsWith("isentropic");
        const size_t window = texts.size() == 3 ? 1 : isentropicRow ? 2 : 0;
        const QList<NumericTextBox*> boxes =
            std::array{QList{main.Text1, main.Text2, main.Text3, main.Text4}, QList{heat.Text1, heat.Text2, heat.Text3},
                       QList{isentropic.Text1, isentropic.Text2, isentropic.Text3, isentropic.Text4}}[window];
        const QStringList options = std::array{
            QStringList{"pressure", "temperature", "enthalpy", "dryness"},
            QStringList{"reference-pressure", "reference-temperature", "set-pressure"},
            QStringList{"inlet-pressure", "inlet-temperature", "outlet-pressure", "efficiency"}}[window];
        QStringList arguments{"--settings-dir", fixture.folder.path()};
        for (qsizetype i = 0; i < texts.size(); ++i) {
            boxes[i]->setText(texts[i]);
            if (!texts[i].isEmpty())
                arguments << "--" + options[i] + '=' + texts[i];
        }
        fixture.messages.messages.clear();
        std::array{main.Command1, heat.Command1, isentropic.Command1}[window]->click();
        const QStringList lines = std::array{main.Picture1, heat.Picture1, isentropic.Picture1}[window]->Lines();
        const QByteArray report = lines.isEmpty() ? "" : (lines.join('\n') + '\n').toUtf8();
        QCOMPARE(report.isEmpty(), status != 0);
        QCOMPARE(fixture.messages.messages.size(), size_t(status == 1));

        const CompanionRun companion = RunCompanionProcess(arguments);
        QCOMPARE(companion.out, report);
        QCOMPARE(companion.exitCode, status);
        const QByteArray message = status == 1 ? fixture.messages.messages.front().prompt.toUtf8() + '\n' : "";
        QCOMPARE(companion.err, status == 3 ? "vaporlane-calc: the filled fields select no calculation\n" : message);
    }

    // --chart draws the states that the window publishes to the chart window, each marker at its pixel of the
    // 1200 by 900 image; a refused calculation writes no file.
    void chartOfTheWindowsStates_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("markers");
        QTest::newRow("h-s: superheated state") << "hs" << QStringList{"-p", "10", "-t", "500"} << "a.png" << 1;
        QTest::newRow("p-h: throttling into the dome")
            << "ph" << QStringList{"--reference-pressure=10", "--reference-temperature=300", "--set-pressure=0.5"}
            << "a.PNG" << 2;
        QTest::newRow("T-s: turbine with efficiency")
            << "ts"
            << QStringList{"--inlet-pressure=10", "--inlet-temperature=500", "--outlet-pressure=0.01",
                           "--efficiency=85"}
            << "a.png" << 3;
        QTest::newRow("h-s: saturation as SVG") << "hs" << QStringList{"-p", "1"} << "a.svg" << 2;
        QTest::newRow("h-s: refused state, no file") << "hs" << QStringList{"-p", "200", "-t", "300"} << "a.png" << 0;
    }

    void chartOfTheWindowsStates()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, options);
        QFETCH(QString, file);
        QFETCH(int, markers);
        GuiFixture fixture;
        Form1 main;  // sets the units up
        const QString path = fixture.folder.filePath(file);
        const CompanionRun companion =
            RunCompanionProcess(QStringList{"--settings-dir", fixture.folder.path(), "--chart", kind, "-o", path} +
                                options);
        QCOMPARE(companion.exitCode, markers == 0 ? 1 : 0);
        QCOMPARE(QFile::exists(path), markers > 0);
        if (markers == 0) {
            QCOMPARE(companion.err, QByteArray("圧力or温度が範囲外です。\n"));
            return;
        }
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        if (file.endsWith(u"svg")) {
            QVERIFY(bytes.contains("<svg") && bytes.contains("</svg>"));
            return;
        }
        const QImage image = QImage::fromData(bytes, "PNG");
        QCOMPARE(image.size(), QSize(1200, 900));

        // The same calculation in process, as the companion makes it, and where its markers fall.
        const ChartKind chartKind = kind == u"hs" ? ChartKind::kHs : kind == u"ts" ? ChartKind::kTs : ChartKind::kPh;
        const ChartData chart = BuildChart(chartKind, Engine());
        const ChartOverlay overlay = OverlayOf(chart, companionStates(options), Engine());
        QCOMPARE(overlay.markers.size(), size_t(markers));
        const ChartTransform t = TransformFor(QRectF(0, 0, 1200, 900), QGuiApplication::font(), chart.extent);
        for (const WorldPoint& marker : overlay.markers)
            QCOMPARE(image.pixelColor(t.ToPixel(marker).toPoint()), kMarkerColour);
    }

private:
    // What the window of the options publishes for them.
    static ChartStates companionStates(const QStringList& options)
    {
        ClearChartStates();
        Form1 main;
        Form4 heat;
        Form5 isentropic;
        const QStringList values = options.filter(QStringLiteral("=")).replaceInStrings(QRegularExpression(".*="), "");
        if (values.size() == 3) {
            for (int i = 0; i < 3; ++i)
                QList{heat.Text1, heat.Text2, heat.Text3}[i]->setText(values[i]);
            heat.Command1->click();
        } else if (values.size() == 4) {
            for (int i = 0; i < 4; ++i)
                QList{isentropic.Text1, isentropic.Text2, isentropic.Text3, isentropic.Text4}[i]->setText(values[i]);
            isentropic.Command1->click();
        } else {
            main.Text1->setText(options.value(1));
            main.Text2->setText(options.value(3));
            main.Command1->click();
        }
        return LatestChartStates();
    }
};

QTEST_MAIN(CompanionWindowTest)
#include "CompanionWindowTest.moc"
