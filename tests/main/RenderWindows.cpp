// Renders each window offscreen to a PNG in the build folder's screenshots/, so that anyone can look at
// the windows without a display. Run with QT_SCALE_FACTOR=2 it renders them as a 192 dots-per-inch screen
// shows them, into screenshots/192dpi/: the layout keeps its logical pixels, so every picture doubles, and
// the report's columns must stay aligned in device pixels.
#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "forms/common/Twips.h"
#include "forms/heat/Form4.h"
#include "forms/main/CommonDialog.h"
#include "forms/main/Form1.h"
#include "forms/main/HelpViewer.h"
#include "forms/units/Form2.h"
#include "forms/version/Form3.h"
#include "tests/common/GuiFixture.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QPixmap>

#include <memory>

namespace {

// The screen's scale: 1 at 96 dots per inch, 2 at 192.
int Scale()
{
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariableIntValue("QT_SCALE_FACTOR") : 1;
}

QString ScreenshotFolder()
{
    const QDir base(QStringLiteral(VAPORLANE_SCREENSHOTS));
    return Scale() == 1 ? base.path() : base.filePath(QStringLiteral("%1dpi").arg(96 * Scale()));
}

// The rightmost device-pixel column with ink in each band of `bands` (logical rectangles), or -1.
QList<int> RightmostInk(const QImage& image, const QColor& background, const QList<QRect>& bands)
{
    const qreal ratio = image.devicePixelRatio();
    QList<int> edges;
    for (const QRect& band : bands) {
        const int top = qRound(band.top() * ratio);
        const int bottom = std::min(qRound((band.bottom() + 1) * ratio), image.height());
        int edge = -1;
        for (int x = image.width() - 1; x >= 0 && edge < 0; --x) {
            for (int y = top; y < bottom; ++y) {
                if (image.pixelColor(x, y) != background) {
                    edge = x;
                    break;
                }
            }
        }
        edges << edge;
    }
    return edges;
}

}  // namespace

class RenderWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiFixture> fixture;

    // Saves the window as it would appear; the picture has the window's logical size times the scale.
    static void Render(QWidget& window, const QString& name)
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPixmap picture = window.grab();
        QCOMPARE(picture.devicePixelRatio(), qreal(Scale()));
        QCOMPARE(picture.size(), window.size() * Scale());
        const QString path = QDir(ScreenshotFolder()).filePath(name + QStringLiteral(".png"));
        QVERIFY2(picture.save(path), qPrintable(path));
        qInfo("%s", qPrintable(path));
    }

    // Prints each line cut after its "=" again and checks in the rendered pixels that every "=" ends in
    // the same column, inside the cell that the layout gives it.
    static void CheckEqualsSignsAlign(ReportArea& area)
    {
        const QStringList lines = area.Lines();
        area.Cls();
        QList<QRect> cells;
        int offset = 0;
        for (const QString& line : lines) {
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (equals < 0)
                continue;
            area.Print(line.left(equals + 1));
            cells << area.CharacterRect(offset + static_cast<int>(equals));
            offset += static_cast<int>(equals) + 2;
        }
        QVERIFY(cells.size() >= 4);
        const QImage image = area.grab().toImage();
        const QList<int> edges = RightmostInk(image, area.palette().color(area.backgroundRole()), cells);
        for (qsizetype i = 0; i < cells.size(); ++i) {
            QCOMPARE(edges[i], edges[0]);
            QVERIFY2(edges[i] >= cells[i].left() * Scale() && edges[i] <= (cells[i].right() + 1) * Scale(),
                     qPrintable(QStringLiteral("line %1: ink ends at %2").arg(i).arg(edges[i])));
        }
        for (const QString& line : lines)
            area.Print(line);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(Scale() == 1 || Scale() == 2);
        QVERIFY(QDir().mkpath(ScreenshotFolder()));
    }

    void init()
    {
        fixture = std::make_unique<GuiFixture>();
        QVERIFY(QFile::copy(QStringLiteral(VAPORLANE_HELP_SOURCE), fixture->folder.filePath("Vaporlane.hlp")));
    }

    void cleanup() { fixture.reset(); }

    // The twips conversion works in logical pixels, which are those of 96 dots per inch at any scale.
    void layoutKeepsLogicalPixels()
    {
        QCOMPARE(Twips::TwipsPerPixelX(), 15.0f);
        QCOMPARE(Twips::TwipsPerPixelY(), 15.0f);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.centralWidget()->size(), QSize(332, 255));
        QCOMPARE(form.devicePixelRatio(), qreal(Scale()));
    }

    void mainWindowAtStart()
    {
        Form1 form;
        Render(form, QStringLiteral("Form1-start"));
    }

    void mainWindowWithAReport()
    {
        fixture->WriteSettings("2\r\n12\r\n32\r\n52\r\n71\r\n1\r\n#TRUE#\r\n");
        Form1 form;
        form.Text1->setText(QStringLiteral("1"));
        form.Command1_Click();
        QCOMPARE(form.Picture1->Lines().size(), 8);
        Render(form, QStringLiteral("Form1-report"));
        CheckEqualsSignsAlign(*form.Picture1);
    }

    void mainWindowInOtherUnits()
    {
        fixture->WriteSettings("3\r\n14\r\n33\r\n53\r\n74\r\n0\r\n#FALSE#\r\n");
        Form1 form;
        form.Text1->setText(QStringLiteral("10"));
        form.Text2->setText(QStringLiteral("500"));
        form.Command1_Click();
        Render(form, QStringLiteral("Form1-other-units"));
        CheckEqualsSignsAlign(*form.Picture1);
    }

    void optionMenu()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.menu_Option->popup(form.mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(form.menu_Option));
        const QPixmap picture = form.menu_Option->grab();
        QVERIFY(picture.save(QDir(ScreenshotFolder()).filePath("Form1-option-menu.png")));
        form.menu_Option->hide();
    }

    void reportContextMenu()
    {
        Form1 form;
        form.Text1->setText(QStringLiteral("1"));
        form.Command1_Click();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint inside(40, 30);
        QContextMenuEvent event(QContextMenuEvent::Mouse, inside, form.Picture1->mapToGlobal(inside));
        QApplication::sendEvent(form.Picture1, &event);
        auto* menu = form.Picture1->findChild<QMenu*>();
        QVERIFY(menu);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QVERIFY(menu->grab().save(QDir(ScreenshotFolder()).filePath("Form1-report-menu.png")));
        menu->close();
    }

    void helpViewer()
    {
        Form1 form;
        form.menu_Help_Contents_Click();
        QVERIFY(form.CommonDialog1->Viewer());
        Render(*form.CommonDialog1->Viewer(), QStringLiteral("HelpViewer"));
    }

    void dialogs()
    {
        Form1 form;
        Form2 units(form);
        Render(units, QStringLiteral("Form2"));
        Form3 version;
        Render(version, QStringLiteral("Form3"));
    }

    void heatContentWithAReport()
    {
        Form1 form;  // its start-up fills the unit texts
        Form4 heat;
        heat.Text1->setText(QStringLiteral("1"));
        heat.Text2->setText(QStringLiteral("150"));
        heat.Text3->setText(QStringLiteral("0.2"));
        heat.Command1_Click();
        Render(heat, QStringLiteral("Form4"));
        CheckEqualsSignsAlign(*heat.Picture1);
    }
};

QTEST_MAIN(RenderWindows)
#include "RenderWindows.moc"
