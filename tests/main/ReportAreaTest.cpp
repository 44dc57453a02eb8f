// The report areas of the main and the constant-enthalpy window: "コピー" and Ctrl+C put the report's
// lines on the clipboard; screen readers read the report through the accessibility interface.
#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "forms/heat/Form4.h"
#include "forms/main/Form1.h"
#include "tests/common/GuiFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>

#include <memory>

namespace {

enum class Window { Main, HeatContent };
enum class Way { ContextMenu, CtrlCAfterClick, CtrlCAfterTab };

// A window showing a report, its report area and the field before the area in the tab order.
struct ReportWindow {
    std::unique_ptr<QWidget> window;
    ReportArea* area = nullptr;
    QWidget* fieldBefore = nullptr;
};

ReportWindow Open(Window which)
{
    ReportWindow shown;
    if (which == Window::Main) {
        auto form = std::make_unique<Form1>();
        form->Text1->setText(QStringLiteral("1"));
        form->Command1_Click();
        shown.area = form->Picture1;
        shown.fieldBefore = form->Text2;
        shown.window = std::move(form);
    } else {
        auto form = std::make_unique<Form4>();
        form->Text1->setText(QStringLiteral("1"));
        form->Text2->setText(QStringLiteral("150"));
        form->Text3->setText(QStringLiteral("0.2"));
        form->Command1_Click();
        shown.area = form->Picture1;
        shown.fieldBefore = form->Text3;
        shown.window = std::move(form);
    }
    shown.window->show();
    return shown;
}

// Opens the area's context menu as a right click would; it must not wait for a choice.
QMenu* OpenContextMenu(ReportArea* area)
{
    const QPoint inside(10, 10);
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, area->mapToGlobal(inside));
    QApplication::sendEvent(area, &event);
    return area->findChild<QMenu*>();
}

void PressCtrlC(QWidget* window) { QTest::keyClick(window->windowHandle(), Qt::Key_C, Qt::ControlModifier); }

}  // namespace

Q_DECLARE_METATYPE(Window)
Q_DECLARE_METATYPE(Way)

class ReportAreaTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiFixture> fixture;

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init()
    {
        fixture = std::make_unique<GuiFixture>();
        QApplication::clipboard()->setText(QStringLiteral("before"));
    }

    void cleanup() { fixture.reset(); }

    void copyPutsExactlyTheReportsLines_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<Way>("way");
        QTest::addColumn<QString>("firstLine");
        const QString mainFirst = QStringLiteral(" 圧力          P   =        1.00000000 [MPa]");
        const QString heatFirst = QStringLiteral(" 基準値");
        QTest::newRow("main window, context menu") << Window::Main << Way::ContextMenu << mainFirst;
        QTest::newRow("main window, Ctrl+C after a click") << Window::Main << Way::CtrlCAfterClick << mainFirst;
        QTest::newRow("main window, Ctrl+C after Tab") << Window::Main << Way::CtrlCAfterTab << mainFirst;
        QTest::newRow("constant enthalpy, context menu") << Window::HeatContent << Way::ContextMenu << heatFirst;
        QTest::newRow("constant enthalpy, Ctrl+C after a click")
            << Window::HeatContent << Way::CtrlCAfterClick << heatFirst;
        QTest::newRow("constant enthalpy, Ctrl+C after Tab") << Window::HeatContent << Way::CtrlCAfterTab << heatFirst;
    }

    void copyPutsExactlyTheReportsLines()
    {
        QFETCH(Window, window);
        QFETCH(Way, way);
        QFETCH(QString, firstLine);
        const ReportWindow shown = Open(window);
        QVERIFY(QTest::qWaitForWindowActive(shown.window.get()));
        const QStringList lines = shown.area->Lines();
        QVERIFY(lines.size() >= 5);
        QVERIFY2(lines[0].startsWith(firstLine), qPrintable(lines[0]));

        switch (way) {
        case Way::ContextMenu: {
            QMenu* menu = OpenContextMenu(shown.area);
            QVERIFY(menu);
            QTRY_VERIFY(menu->isVisible());
            QCOMPARE(menu->actions().size(), 1);
            QAction* copy = menu->actions()[0];
            QCOMPARE(copy->text(), QStringLiteral("コピー"));
            QVERIFY(copy->isEnabled());
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(copy).center());
            QTRY_VERIFY(!shown.area->findChild<QMenu*>());  // closed and gone
            break;
        }
        case Way::CtrlCAfterClick:
            QTest::mouseClick(shown.area, Qt::LeftButton, {}, QPoint(20, 5));
            QCOMPARE(QApplication::focusWidget(), shown.area);
            PressCtrlC(shown.window.get());
            break;
        case Way::CtrlCAfterTab:
            shown.fieldBefore->setFocus();
            QTest::keyClick(shown.window->windowHandle(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), shown.area);
            PressCtrlC(shown.window.get());
            break;
        }

        const QString copied = QApplication::clipboard()->text();
        QVERIFY(copied.endsWith(QLatin1Char('\n')));
        QCOMPARE(copied.chopped(1).split(QLatin1Char('\n')), lines);
        QCOMPARE(shown.area->Lines(), lines);  // copying leaves the report as it was
        QVERIFY(fixture->messages.messages.empty());
    }

    void emptyReportCopiesNothing()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QMenu* menu = OpenContextMenu(form.Picture1);
        QVERIFY(menu);
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(!menu->actions()[0]->isEnabled());
        menu->close();

        QTest::mouseClick(form.Picture1, Qt::LeftButton);
        PressCtrlC(&form);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    }

    // Ctrl+C in an input box copies nothing there, and does not reach the report either.
    void ctrlCInAFieldDoesNotCopyTheReport()
    {
        const ReportWindow shown = Open(Window::Main);
        QVERIFY(QTest::qWaitForWindowActive(shown.window.get()));
        shown.fieldBefore->setFocus();
        PressCtrlC(shown.window.get());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    }

    void screenReadersReadTheReport_data()
    {
        QTest::addColumn<Window>("window");
        QTest::newRow("main window") << Window::Main;
        QTest::newRow("constant enthalpy") << Window::HeatContent;
    }

    void screenReadersReadTheReport()
    {
        QFETCH(Window, window);
        const ReportWindow shown = Open(window);
        QVERIFY(QTest::qWaitForWindowExposed(shown.window.get()));
        QAccessibleInterface* report = QAccessible::queryAccessibleInterface(shown.area);
        QVERIFY(report);
        QCOMPARE(report->role(), QAccessible::StaticText);
        QCOMPARE(report->text(QAccessible::Name), QStringLiteral("計算結果"));
        const QStringList lines = shown.area->Lines();
        const QString whole = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
        QCOMPARE(report->text(QAccessible::Value), whole);

        QAccessibleTextInterface* text = report->textInterface();
        QVERIFY(text);
        QCOMPARE(text->characterCount(), whole.size());
        QCOMPARE(text->text(0, text->characterCount()), whole);

        // Line by line, with every "=" in the same column on the screen.
        int lineStart = 0;
        int equalsX = -1;
        for (const QString& line : lines) {
            int start = -1;
            int end = -1;
            QCOMPARE(text->textAtOffset(lineStart + 1, QAccessible::LineBoundary, &start, &end).trimmed(),
                     line.trimmed());
            QCOMPARE(start, lineStart);
            const int equals = static_cast<int>(line.indexOf(QLatin1Char('=')));
            if (equals >= 0) {
                const QRect cell = text->characterRect(lineStart + equals);
                QVERIFY(cell.width() > 0);
                QCOMPARE(text->offsetAtPoint(cell.center()), lineStart + equals);
                if (equalsX < 0)
                    equalsX = cell.x();
                QCOMPARE(cell.x(), equalsX);
            }
            lineStart += static_cast<int>(line.size()) + 1;
        }
        QVERIFY(equalsX > 0);

        shown.area->Cls();
        QCOMPARE(report->text(QAccessible::Value), QString());
        QCOMPARE(text->characterCount(), 0);
        QCOMPARE(text->characterRect(0), QRect());
    }
};

QTEST_MAIN(ReportAreaTest)
#include "ReportAreaTest.moc"
