// SPDX-License-Identifier: MIT
// The main window: layout, start-up from the settings file, always-on-top, quit, the dialogs' layer, help, the
// report font, the display button's message, and the report areas' copy command and screen-reader text.
#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "forms/common/WindowManager.h"
#include "forms/heat/Form4.h"
#include "forms/main/CommonDialog.h"
#include "forms/main/Form1.h"
#include "forms/main/HelpViewer.h"
#include "tests/common/FifoWatchdog.h"
#include "tests/common/GuiFixture.h"
#include "tests/common/ReadOnlyFolder.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>

#include <chrono>
#include <memory>

#include <sys/stat.h>

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiFixture> fixture;
    std::vector<SetWindowPosCall> stacking;

    QStringList Files() const
    {
        return QDir(fixture->folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init()
    {
        fixture = std::make_unique<GuiFixture>();
        stacking.clear();
        SetWindowPosObserver([this](const SetWindowPosCall& call) { stacking.push_back(call); });
    }

    void cleanup() { SetWindowPosObserver({}); fixture.reset(); }

    // The window's flags and fixed size, the start state, tab order and menus (its size: the render test).
    void windowAsDesigned()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(form.windowTitle(), QStringLiteral("Vaporlane"));
        const Qt::WindowFlags minimiseAndClose = Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
        QCOMPARE(form.windowFlags() & (minimiseAndClose | Qt::WindowMaximizeButtonHint), minimiseAndClose);
        const QSize fixedSize = form.size();
        form.resize(fixedSize + QSize(200, 100));
        form.showMaximized();
        QCOMPARE(form.size(), fixedSize);

        QCOMPARE(form.Text1->text() + form.Text2->text() + form.Text3->text() + form.Text4->text(), QString());
        QVERIFY(form.Picture1->Lines().isEmpty());
        QCOMPARE(QStringList({form.Command1->text(), form.Label1->text(), form.Label2->text(), form.Label6->text()}),
                 QStringList({"表　示", "圧力", "温度", "エンタルピ"}));
        QList<QWidget*> visited{QApplication::focusWidget()};
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        QCOMPARE(visited, QList<QWidget*>({form.Text1, form.Text2, form.Picture1, form.Command1, form.Text3, form.Text4,
                                           form.Text1}));
        const QList<QSize> icons = form.windowIcon().availableSizes();
        QVERIFY(icons.size() == 8 && icons.contains(QSize(32, 32)));

        QStringList menus;  // no shortcuts; only the always-on-top item takes a check mark
        for (const QAction* menu : form.menuBar()->actions()) {
            menus << menu->text() + ':';
            for (const QAction* item : menu->menu()->actions())
                menus << item->text() + (item->isCheckable() ? "[ ]" : "") + item->shortcut().toString();
        }
        QCOMPARE(menus.join(' '), QStringLiteral("ファイル(&F): Quit Vaporlane(&X) オプション(&O): ウインドウを常に手前に"
                                                 "表示[ ] 使用単位(&U) 特殊計算(&P): エンタルピ一定 エントロピ一定 物性値一覧 線図 "
                                                 "ヘルプ(&H): 目次(&C) バージョン情報(&A)..."));
    }

    // Texts: Label3, Label4, Label5, Label7; a null file: none. What cannot be read takes its default (the settings
    // test has each kind of broken text), and a huge file is read no further than needed. Neither
    // start-up nor quitting (the close button where there is no file, else the quit command) writes anything.
    void startUpFromTheSettingsFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<QString>("engine");
        QTest::addColumn<bool>("onTop");
        const QString texts = QStringLiteral("[MPa] [℃] [KJ/Kg] ＳＢＶ"), units = QStringLiteral("2 12 32 52 71");
        QTest::newRow("no file: defaults") << QByteArray() << texts << units << false;
        QTest::newRow("Fahrenheit, mmHg, kcal, lb/ft3, SBW, on top")
            << QByteArray("3\r\n15\r\n33\r\n53\r\n74\r\n1\r\n#TRUE#\r\n") << "[mmHg] [Ｆ] [Kcal/Kg] ＳＢＷ"
            << "3 15 33 53 72" << true;
        QTest::newRow("every code out of range, pressure 22")
            << QByteArray("0\r\n22\r\n34\r\n41\r\n75\r\n0\r\n#FALSE#\r\n") << texts << units << false;
        QTest::newRow("dryness basis 5 keeps the design caption")
            << QByteArray("2\r\n12\r\n32\r\n52\r\n71\r\n5\r\n#FALSE#\r\n") << "[MPa] [℃] [KJ/Kg] 乾き度" << units << false;
        QTest::newRow("broken: huge file") << QByteArray(8 * 1024 * 1024, '7') << texts << units << false;
    }

    void startUpFromTheSettingsFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, texts);
        QFETCH(QString, engine);
        QFETCH(bool, onTop);
        if (!file.isNull())
            fixture->WriteSettings(file);

        Form1 form;

        QCOMPARE(QStringList({form.Label3->text(), form.Label4->text(), form.Label5->text(), form.Label7->text()}),
                 texts.split(' '));
        QStringList handed;  // STM_SetTempUnit(2): "Temp2"
        for (const EngineCall& call : fixture->engine.calls)
            handed << call.name.mid(7, call.name.size() - 11) + QString::number(call.args.at(0));
        const QStringList u = engine.split(' ');
        QCOMPARE(handed.join(' '),
                 QStringLiteral("Temp%1 Press%2 Enthal%3 Entro%4 Density%5").arg(u[0], u[1], u[2], u[3], u[4]));
        QCOMPARE(form.menu_Option_WindowShow->isChecked(), onTop);
        QCOMPARE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        QCOMPARE(stacking.size(), size_t{1});
        const SetWindowPosCall& c = stacking[0];
        QVERIFY(c.hWnd == &form && c.hWndInsertAfter == (onTop ? HWND_TOPMOST : HWND_NOTOPMOST));
        QCOMPARE(QList<int>({c.X, c.Y, c.cx, c.cy, int(c.uFlags)}), QList<int>({form.x(), form.y(), 1, 1, 1}));
        QVERIFY(fixture->messages.messages.empty());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        file.isNull() ? void(form.close()) : form.menu_File_End->trigger();
        QVERIFY(!form.isVisible());
        QCOMPARE(fixture->ReadSettings(), file);
        QCOMPARE(Files().size(), file.isNull() ? 0 : 1);
    }

    // Toggled twice, each time rewriting the file (with the codes replaced at start-up), which start-up reads
    // back. Then, with no folder writable: one message, the new state kept, the old file intact.
    void alwaysOnTopTogglesAndIsRemembered()
    {
        fixture->WriteSettings("9\r\n22\r\n30\r\n54\r\n70\r\n1\r\n#FALSE#\r\n");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(fixture->folder.filePath("config")));
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QRect geometry = form.geometry();
        const QPoint position = form.pos();
        for (const bool expected : {true, false}) {
            stacking.clear();
            form.menu_Option_WindowShow->trigger();
            QCOMPARE(form.menu_Option_WindowShow->isChecked(), expected);
            QCOMPARE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint), expected);
            QCOMPARE(stacking.size(), size_t{1});
            QCOMPARE(stacking[0].hWndInsertAfter, expected ? HWND_TOPMOST : HWND_NOTOPMOST);
            QCOMPARE(QPoint(stacking[0].X, stacking[0].Y), position);
            QCOMPARE(stacking[0].uFlags, SWP_NOSIZE);
            QVERIFY(form.isVisible());
            QCOMPARE(form.geometry(), geometry);
            const char* const top = expected ? "#TRUE#\r\n" : "#FALSE#\r\n";
            QCOMPARE(fixture->ReadSettings(), "2\r\n12\r\n32\r\n52\r\n71\r\n1\r\n" + QByteArray(top));
            QCOMPARE(Files(), QStringList{"Vaporlane.cfg"});  // no temporary file left
            QVERIFY(fixture->messages.messages.empty());
        }

        const QByteArray old = fixture->ReadSettings();
        {
            ReadOnlyFolder readOnly(fixture->folder.path());
            QVERIFY(readOnly.Effective());
            form.menu_Option_WindowShow->trigger();
        }
        QCOMPARE(fixture->messages.messages.size(), size_t{1});
        const RecordedMessage& message = fixture->messages.messages[0];
        const QString usersFile = fixture->folder.filePath("config/vaporlane/Vaporlane.cfg");
        QCOMPARE(message.prompt, QStringLiteral("設定を保存できませんでした。\n") + QDir::toNativeSeparators(usersFile));
        QVERIFY(message.style == MsgBoxStyle::OkOnly && message.title == QStringLiteral("Vaporlane"));
        QVERIFY(form.menu_Option_WindowShow->isChecked());
        QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(fixture->ReadSettings(), old);
        QCOMPARE(Files(), QStringList{"Vaporlane.cfg"});
    }

    // Each menu opens its window modally, in the chosen layer and built afresh each time (the boxes filled at the
    // first opening are empty at the second); the main window takes its layer back after it.
    void dialogsLeaveTheWindowInItsLayer_data()
    {
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QString>("dialogClass");
        QTest::addColumn<bool>("onTop");
        const char* const openers[][2] = {{"menu_Option_Unit", "Form2"},
                                          {"menu_SpecialCalculation_HeatContent", "Form4"},
                                          {"menu_SpecialCalculation_Isentropic", "Form5"},
                                          {"menu_SpecialCalculation_Properties", "Form6"},
                                          {"menu_Help_Version", "Form3"}};
        for (const auto& opener : openers)
            for (const bool onTop : {true, false})
                QTest::addRow("%s, %s", opener[1], onTop ? "on top" : "not on top") << opener[0] << opener[1] << onTop;
    }

    void dialogsLeaveTheWindowInItsLayer()
    {
        QFETCH(QString, menuItem);
        QFETCH(QString, dialogClass);
        QFETCH(bool, onTop);
        if (onTop)
            fixture->WriteSettings("2\r\n12\r\n32\r\n52\r\n71\r\n0\r\n#TRUE#\r\n");
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QStringList opened;  // each window takes the chosen layer itself and has no owner
        const auto record = [&](QDialog& dialog) {
            QString texts;
            for (NumericTextBox* box : dialog.findChildren<NumericTextBox*>())
                texts += box->text(), box->setText(QStringLiteral("1"));
            opened << QString::fromLatin1(dialog.metaObject()->className()) + (dialog.isModal() ? " modal" : "") +
                          (dialog.parent() ? " owned" : "") +
                          (dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint) ? " on top" : "") + texts;
        };
        for (int opening = 0; opening < 2; ++opening) {
            fixture->ExpectDialog(record);
            stacking.clear();
            form.findChild<QAction*>(menuItem)->trigger();
            QVERIFY(fixture->unexpectedDialogs.isEmpty());
            QVERIFY(!stacking.empty() && stacking.back().hWnd == &form);
            QCOMPARE(stacking.back().hWndInsertAfter, onTop ? HWND_TOPMOST : HWND_NOTOPMOST);
            QCOMPARE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        }
        QCOMPARE(opened, QStringList(2, dialogClass + " modal" + (onTop ? " on top" : "")));
    }

    // Without its file the viewer says so, at once also where a FIFO has the file's name; asked again once the file
    // is there, the same window reads it afresh, opens on its contents (command 15) and scrolls to a chosen topic;
    // quitting closes it.
    void helpViewer_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no file") << false << "No such file or directory";
        QTest::newRow("a FIFO") << true << "not a regular file";
    }

    void helpViewer()
    {
        QFETCH(bool, fifo);
        QFETCH(QString, reason);
        const QString path = fixture->folder.filePath("Vaporlane.hlp");
        QVERIFY(!fifo || mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        FifoWatchdog watchdog(path);
        form.menu_Help_Contents->trigger();
        QVERIFY(watchdog.Stop() < std::chrono::seconds(1));
        QCOMPARE(form.CommonDialog1->HelpFile, path);
        QCOMPARE(form.CommonDialog1->HelpCommand, 15);
        QPointer<HelpViewer> viewer = form.CommonDialog1->Viewer();
        QVERIFY(viewer && viewer->isVisible());
        const QString message = QStringLiteral("ヘルプファイルを開けません。\n") + QDir::toNativeSeparators(path);
        QCOMPARE(viewer->Browser()->toPlainText(), message + '\n' + reason);
        QCOMPARE(viewer->Contents()->topLevelItemCount(), 0);

        QVERIFY(!fifo || QFile::remove(path));
        QVERIFY(QFile::copy(QStringLiteral(VAPORLANE_HELP_SOURCE), path));
        form.menu_Help_Contents->trigger();
        QCOMPARE(form.CommonDialog1->Viewer(), viewer.data());
        QVERIFY(viewer->Contents()->isVisible());
        QVERIFY(viewer->Browser()->toPlainText().contains(QStringLiteral("Vaporlane ヘルプ")));
        QList<QTreeWidgetItem*> found;
        for (const char* topic : {"メイン画面", "計算の選び方", "使用単位", "エンタルピ一定", "エントロピ一定", "物性値一覧",
                                  "コマンドラインでの計算（vaporlane-calc）",
                                  "ほかのプログラムから使う計算エンジン", "メッセージ一覧", "計算方法"}) {
            found = viewer->Contents()->findItems(QString::fromUtf8(topic), Qt::MatchExactly | Qt::MatchRecursive);
            QVERIFY2(found.size() == 1, topic);
        }
        viewer->resize(600, 400);
        emit viewer->Contents()->itemActivated(found[0], 0);  // the last topic
        QVERIFY(viewer->Browser()->verticalScrollBar()->value() > 0);
        QVERIFY(fixture->messages.messages.empty());
        form.menu_File_End->trigger();
        QVERIFY(!viewer || !viewer->isVisible());
    }

    // Every link of the help document, as the viewer reads it, leads to an anchor at a topic's heading.
    void helpLinksLeadToTopics()
    {
        QFile file(QStringLiteral(VAPORLANE_HELP_SOURCE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTextDocument document;
        document.setHtml(QString::fromUtf8(file.readAll()));
        QMap<QString, bool> topics;  // anchor name: at a heading
        QStringList links;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
                const QTextCharFormat format = fragment.fragment().charFormat();
                for (const QString& name : format.anchorNames())
                    topics[name] = block.blockFormat().headingLevel() > 0;
                if (!format.anchorHref().isEmpty() && !links.contains(format.anchorHref()))
                    links << format.anchorHref();
            }
        }
        QVERIFY(links.size() >= 5);
        for (const QString& link : links)
            QVERIFY2(link.startsWith('#') && topics.value(link.mid(1)), qPrintable(link));
    }

    // In the report font actually used (not Qt's Latin fallback) every full-width character of the reports' labels
    // is two columns and every ASCII one one column, so every "=" of a report lines up.
    void reportFontKeepsTheLabelsColumns()
    {
        Form1 form;
        const QFont font = form.Picture1->font();
        QCOMPARE(font, ReportFont());
        QCOMPARE(font.pointSize(), 9);
        QVERIFY2(QFontInfo(font).family() != QFontDatabase::systemFont(QFontDatabase::FixedFont).family(),
                 qPrintable(QFontInfo(font).family()));
        const QString wide = QStringLiteral("圧力飽和温度縮水過熱蒸気エンタルピロ比容積乾き断有効");
        QCOMPARE(ColumnsOf(wide, font), 2.0 * double(wide.size()));
        QCOMPARE(ColumnsOf(QStringLiteral("0123456789.-[]/'="), font), 17.0);
    }

    void displayButtonGivesOneStopMessage()
    {
        Form1 form;
        form.Text1->setText("1");
        form.Picture1->Print("old");
        fixture->engine.answerOf[QStringLiteral("STM_sTp")] = EngineErrorValue;
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        QCOMPARE(fixture->messages.messages.size(), size_t{1});
        const RecordedMessage& message = fixture->messages.messages[0];
        QCOMPARE(message.prompt, QStringLiteral("圧力が範囲外です。"));
        QCOMPARE(message.style, MsgBoxStyle::Critical);
        QCOMPARE(message.title, QStringLiteral("Vaporlane"));
        QVERIFY(form.Picture1->Lines().isEmpty());
    }

    // "コピー", Ctrl+C after a click or after Tab: exactly the report's lines; an empty report copies nothing.
    void copyPutsExactlyTheReportsLines_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("way");
        QTest::newRow("main window, context menu") << "main" << "menu";
        QTest::newRow("main window, Ctrl+C after a click") << "main" << "click";
        QTest::newRow("constant enthalpy, Ctrl+C after Tab") << "heat" << "tab";
        QTest::newRow("empty report: context menu item disabled") << "empty" << "menu";
        QTest::newRow("empty report: Ctrl+C copies nothing") << "empty" << "click";
    }

    void copyPutsExactlyTheReportsLines()
    {
        QFETCH(QString, which);
        QFETCH(QString, way);
        Form1 main;
        Form4 heat;
        main.Text1->setText(which == QStringLiteral("main") ? "1" : "");
        main.Command1_Click();
        heat.Text1->setText("1"), heat.Text2->setText("150"), heat.Text3->setText("0.2");
        heat.Command1_Click();
        const bool isHeat = which == QStringLiteral("heat");
        QWidget& window = isHeat ? static_cast<QWidget&>(heat) : main;
        ReportArea* area = isHeat ? heat.Picture1 : main.Picture1;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QApplication::clipboard()->setText(QStringLiteral("before"));
        const QStringList lines = area->Lines();
        QCOMPARE(lines.size() >= 5, which != QStringLiteral("empty"));
        if (way == QStringLiteral("menu")) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), area->mapToGlobal(QPoint(10, 10)));
            QApplication::sendEvent(area, &event);
            auto* menu = area->findChild<QMenu*>();
            QTRY_VERIFY(menu && menu->isVisible());
            QAction* copy = menu->actions().value(0);
            QVERIFY(menu->actions().size() == 1 && copy->text() == QStringLiteral("コピー"));
            QCOMPARE(copy->isEnabled(), !lines.isEmpty());
            copy->isEnabled() ? QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(copy).center())
                              : void(menu->close());
            QTRY_VERIFY(!area->findChild<QMenu*>());  // closed and gone
        } else {
            if (way == QStringLiteral("tab")) {
                heat.Text3->setFocus();  // the field before the report area
                QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
            } else {
                QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(20, 5));
            }
            QCOMPARE(QApplication::focusWidget(), area);
            QTest::keyClick(window.windowHandle(), Qt::Key_C, Qt::ControlModifier);
        }
        QCOMPARE(QApplication::clipboard()->text(), lines.isEmpty() ? "before" : lines.join('\n') + '\n');
        QCOMPARE(area->Lines(), lines);
        QVERIFY(fixture->messages.messages.empty());
    }

    // The report as value and text; the first two lines' "=" at one x on the screen, found again at its centre.
    void screenReadersReadTheReport()
    {
        Form1 form;
        form.Text1->setText("1");
        form.Command1_Click();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QAccessibleInterface* report = QAccessible::queryAccessibleInterface(form.Picture1);
        QVERIFY(report && report->textInterface());
        QCOMPARE(report->role(), QAccessible::StaticText);
        QCOMPARE(report->text(QAccessible::Name), QStringLiteral("計算結果"));
        const QStringList lines = form.Picture1->Lines();
        const QString whole = lines.join('\n') + '\n';
        QCOMPARE(report->text(QAccessible::Value), whole);
        QAccessibleTextInterface* text = report->textInterface();
        QCOMPARE(text->text(0, text->characterCount()), whole);
        const int first = static_cast<int>(lines[0].indexOf('='));
        const int second = static_cast<int>(lines[0].size() + 1 + lines[1].indexOf('='));
        QVERIFY(first > 0 && text->characterRect(first).width() > 0);
        QCOMPARE(text->characterRect(second).x(), text->characterRect(first).x());
        QCOMPARE(text->offsetAtPoint(text->characterRect(second).center()), second);
        form.Picture1->Cls();
        QVERIFY(report->text(QAccessible::Value).isEmpty() && text->characterCount() == 0);
        QCOMPARE(text->characterRect(0), QRect());
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
