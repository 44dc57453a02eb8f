// SPDX-License-Identifier: MIT
// Renders each window offscreen to a PNG in the build folder's screenshots/, for a look without a display.
// With QT_SCALE_FACTOR=2 (192 dots per inch, into screenshots/192dpi/) every picture doubles and the reports'
// columns must stay aligned in device pixels.
#include "forms/chart/ChartView.h"
#include "forms/chart/Form7.h"
#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "forms/heat/Form4.h"
#include "forms/isentropic/Form5.h"
#include "forms/main/CommonDialog.h"
#include "forms/main/Form1.h"
#include "forms/main/HelpViewer.h"
#include "forms/properties/Form6.h"
#include "forms/units/Form2.h"
#include "forms/version/Form3.h"
#include "tests/common/GuiFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include <array>

namespace {

// The screen's scale: 1 at 96 dots per inch, 2 at 192.
int Scale() { return std::max(qEnvironmentVariableIntValue("QT_SCALE_FACTOR"), 1); }

QString ScreenshotFolder() { return QStringLiteral(VAPORLANE_SCREENSHOTS) + (Scale() == 1 ? "" : "/192dpi"); }

// The picture has the window's logical size times the scale.
void Render(QWidget& window, const QString& name)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPixmap picture = window.grab();
    QCOMPARE(picture.devicePixelRatio(), qreal(Scale()));
    QCOMPARE(picture.size(), window.size() * Scale());
    QVERIFY(picture.save(ScreenshotFolder() + '/' + name + QStringLiteral(".png")));
}

// Prints each line cut after its "=" again: in the rendered pixels every "=" must end in the same device-pixel
// column, inside the cell that the layout gives it.
void CheckEqualsSignsAlign(ReportArea& area)
{
    const QStringList lines = area.Lines();
    area.Cls();
    QList<QRect> cells;
    for (int offset = 0; const QString& line : lines) {
        const int equals = static_cast<int>(line.indexOf('='));
        if (equals < 0)
            continue;
        area.Print(line.left(equals + 1));
        cells << area.CharacterRect(offset + equals);
        offset += equals + 2;
    }
    QVERIFY(cells.size() >= 4);
    const QImage image = area.grab().toImage();
    QList<int> edges;
    for (const QRect& cell : cells) {  // the rightmost device-pixel column with ink in the cell's rows
        const QImage band = image.copy(0, cell.top() * Scale(), image.width(), cell.height() * Scale());
        int edge = band.width();
        bool ink = false;
        while (!ink && --edge >= 0)
            for (int y = 0; y < band.height() && !ink; ++y)
                ink = band.pixelColor(edge, y) != area.palette().color(area.backgroundRole());
        QVERIFY2(edge >= cell.left() * Scale() && edge <= (cell.right() + 1) * Scale(),
                 qPrintable(QString::number(edge)));
        edges << edge;
    }
    QCOMPARE(edges.count(edges[0]), edges.size());
    for (const QString& line : lines)
        area.Print(line);
}

}  // namespace

class RenderWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QDir().mkpath(ScreenshotFolder())); }

    // The layout keeps the logical pixels of 96 dots per inch at any scale.
    void windows()
    {
        GuiFixture fixture;
        QVERIFY(QFile::copy(QStringLiteral(VAPORLANE_HELP_SOURCE), fixture.folder.filePath("Vaporlane.hlp")));
        Form1 form;
        Render(form, QStringLiteral("Form1-start"));
        QCOMPARE(form.centralWidget()->size(), QSize(332, 255));
        form.menu_Help_Contents_Click();
        QVERIFY(form.CommonDialog1->Viewer());
        Render(*form.CommonDialog1->Viewer(), QStringLiteral("HelpViewer"));
        Form2 units(form);
        Render(units, QStringLiteral("Form2"));
        Form3 version;
        Render(version, QStringLiteral("Form3"));
    }

    // Settings: SBW, on top; Fahrenheit, Kg/cm2G, kcal, lb/ft3.
    void reports_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("name");
        QTest::newRow("main window at 1 MPa")
            << QByteArray("2\r\n12\r\n32\r\n52\r\n71\r\n1\r\n#TRUE#\r\n") << QStringList{"1", ""} << "Form1-report";
        QTest::newRow("main window, other units") << QByteArray("3\r\n14\r\n33\r\n53\r\n74\r\n0\r\n#FALSE#\r\n")
                                                  << QStringList{"10", "500"} << "Form1-other-units";
        QTest::newRow("constant enthalpy") << QByteArray() << QStringList{"1", "150", "0.2"} << "Form4";
        QTest::newRow("isentropic, the longest report") << QByteArray("2\r\n12\r\n33\r\n53\r\n74\r\n0\r\n#FALSE#\r\n")
                                                        << QStringList{"10", "500", "0.01", "85"} << "Form5";
        QTest::newRow("property list, the longest") << QByteArray("2\r\n16\r\n33\r\n53\r\n74\r\n1\r\n#FALSE#\r\n")
                                                    << QStringList{"1000", "", "", ""} << "Form6";
    }

    void reports()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QStringList, fields);
        QFETCH(QString, name);
        GuiFixture fixture;
        if (!settings.isNull())
            fixture.WriteSettings(settings);
        Form1 main;  // its start-up sets the units, for the special-calculation windows too
        Form4 heat;
        Form5 isentropic;
        Form6 properties;
        // Two fields: the main window, three: Form4, four: Form5 or Form6.
        const size_t window = name == QStringLiteral("Form6") ? 3 : fields.size() - 2;
        const QList<NumericTextBox*> boxes =
            std::array{QList{main.Text1, main.Text2}, QList{heat.Text1, heat.Text2, heat.Text3},
                       QList{isentropic.Text1, isentropic.Text2, isentropic.Text3, isentropic.Text4},
                       QList{properties.Text1, properties.Text2, properties.Text3, properties.Text4}}[window];
        for (qsizetype i = 0; i < fields.size(); ++i)
            boxes[i]->setText(fields[i]);
        std::array{main.Command1, heat.Command1, isentropic.Command1, properties.Command1}[window]->click();
        ReportArea& area = *std::array{main.Picture1, heat.Picture1, isentropic.Picture1, properties.Picture1}[window];
        Render(*std::array<QWidget*, 4>{&main, &heat, &isentropic, &properties}[window], name);
        // The longest list shows whole without scrolling.
        QVERIFY(!properties.Scroll1->verticalScrollBar()->isVisible());
        QVERIFY(!properties.Scroll1->horizontalScrollBar()->isVisible());
        // The whole report shows: its last character lies inside the area.
        const QRect last = area.CharacterRect(static_cast<int>(area.Text().size()) - 2);
        QVERIFY2(area.rect().contains(last), qPrintable(area.Lines().last()));
        CheckEqualsSignsAlign(area);
    }

    // The chart window in each kind: over the main window's state, over the constant-enthalpy window's throttling
    // from 10 MPa, 500 degC to 0.1 MPa, and zoomed into the isentropic window's turbine from there to 0.01 MPa.
    void chart_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("process");
        QTest::newRow("h-s, a state") << 0 << "";
        QTest::newRow("h-s, throttling") << 0 << "throttling";
        QTest::newRow("T-s, throttling") << 1 << "throttling";
        QTest::newRow("p-h, throttling") << 2 << "throttling";
        QTest::newRow("h-s, turbine zoomed in") << 0 << "turbine";
    }

    void chart()
    {
        QFETCH(int, kind);
        QFETCH(QString, process);
        GuiFixture fixture;
        Form1 main;
        main.menu_SpecialCalculation_Chart->trigger();
        Form7& chart = *main.Chart();
        chart.Combo1->setCurrentIndex(kind);
        chart.Combo1_Click();
        Form4 heat;
        Form5 turbine;
        if (process == u"throttling") {
            for (auto [box, text] : {std::pair{heat.Text1, "10"}, {heat.Text2, "500"}, {heat.Text3, "0.1"}})
                box->setText(text);
            heat.Command1_Click();
        } else if (process == u"turbine") {
            for (auto [box, text] : {std::pair{turbine.Text1, "10"}, {turbine.Text2, "500"}, {turbine.Text3, "0.01"},
                                     {turbine.Text4, "85"}})
                box->setText(text);
            turbine.Command1_Click();
            chart.show();
            QVERIFY(QTest::qWaitForWindowExposed(&chart));
            const ChartTransform t = chart.Picture1->Transform();
            chart.Picture1->ZoomTo(t.ToPixel({5.8, 3600}), t.ToPixel({8.0, 1900}));
        } else {
            main.Text1->setText("10");
            main.Text2->setText("500");
            main.Command1_Click();
        }
        const char* names[] = {"hs", "ts", "ph"};
        Render(chart, QStringLiteral("Form7-%1%2").arg(names[kind], process.isEmpty() ? "" : '-' + process));
        chart.close();
    }
};

QTEST_MAIN(RenderWindows)
#include "RenderWindows.moc"
