// Renders each window offscreen to a PNG in the build folder's screenshots/, so that anyone can look at
// the windows without a display.
#include "forms/heat/Form4.h"
#include "forms/main/CommonDialog.h"
#include "forms/main/Form1.h"
#include "forms/main/HelpViewer.h"
#include "forms/units/Form2.h"
#include "forms/version/Form3.h"
#include "forms/common/NumericTextBox.h"
#include "tests/common/GuiFixture.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QPixmap>

#include <memory>

class RenderWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiFixture> fixture;

    // Saves the window as it would appear and checks the picture has the window's size.
    static void Render(QWidget& window, const QString& name)
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPixmap picture = window.grab();
        QCOMPARE(picture.size(), window.size());
        const QString path = QDir(QStringLiteral(VAPORLANE_SCREENSHOTS)).filePath(name + QStringLiteral(".png"));
        QVERIFY2(picture.save(path), qPrintable(path));
        qInfo("%s", qPrintable(path));
    }

private slots:
    void initTestCase() { QVERIFY(QDir().mkpath(QStringLiteral(VAPORLANE_SCREENSHOTS))); }

    void init()
    {
        fixture = std::make_unique<GuiFixture>();
        QVERIFY(QFile::copy(QStringLiteral(VAPORLANE_HELP_SOURCE), fixture->folder.filePath("Vaporlane.hlp")));
    }

    void cleanup() { fixture.reset(); }

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
        Render(form, QStringLiteral("Form1-report"));
    }

    void mainWindowInOtherUnits()
    {
        fixture->WriteSettings("3\r\n14\r\n33\r\n53\r\n74\r\n0\r\n#FALSE#\r\n");
        Form1 form;
        form.Text1->setText(QStringLiteral("10"));
        form.Text2->setText(QStringLiteral("500"));
        form.Command1_Click();
        Render(form, QStringLiteral("Form1-other-units"));
    }

    void optionMenu()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.menu_Option->popup(form.mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(form.menu_Option));
        const QPixmap picture = form.menu_Option->grab();
        QVERIFY(picture.save(QDir(QStringLiteral(VAPORLANE_SCREENSHOTS)).filePath("Form1-option-menu.png")));
        form.menu_Option->hide();
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
        Form4 heat;
        Render(heat, QStringLiteral("Form4"));
    }
};

QTEST_MAIN(RenderWindows)
#include "RenderWindows.moc"
