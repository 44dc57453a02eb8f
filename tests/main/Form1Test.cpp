#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "forms/common/Twips.h"
#include "forms/common/WindowManager.h"
#include "forms/main/CommonDialog.h"
#include "forms/main/Form1.h"
#include "forms/main/HelpViewer.h"
#include "tests/common/GuiFixture.h"
#include "tests/common/ReadOnlyFolder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTreeWidget>

#include <memory>

namespace {

const QByteArray kDefaultFile("2\r\n12\r\n32\r\n52\r\n71\r\n0\r\n#FALSE#\r\n");
const QByteArray kOnTopFile("2\r\n12\r\n32\r\n52\r\n71\r\n0\r\n#TRUE#\r\n");

QStringList Captions(const QList<QAction*>& actions)
{
    QStringList captions;
    for (const QAction* action : actions)
        captions << action->text();
    return captions;
}

QStringList FolderEntries(const QString& path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiFixture> fixture;
    std::vector<SetWindowPosCall> stacking;

    void WriteFile(const QByteArray& bytes) { fixture->WriteSettings(bytes); }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init()
    {
        fixture = std::make_unique<GuiFixture>();
        QVERIFY(fixture->folder.isValid());
        stacking.clear();
        SetWindowPosObserver([this](const SetWindowPosCall& call) { stacking.push_back(call); });
    }

    void cleanup()
    {
        SetWindowPosObserver({});
        fixture.reset();
    }

    void controlsSitWhereLaidOut_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<bool>("sizedToText");
        QTest::newRow("Label1 pressure caption") << "Label1" << QRect(240, 240, 375, 255) << false;
        QTest::newRow("Text1 pressure") << "Text1" << QRect(1320, 240, 1215, 300) << false;
        QTest::newRow("Text2 temperature") << "Text2" << QRect(1320, 720, 1215, 300) << false;
        QTest::newRow("Label2 temperature caption") << "Label2" << QRect(240, 720, 375, 255) << false;
        QTest::newRow("Label3 pressure unit") << "Label3" << QRect(2760, 240, 0, 0) << true;
        QTest::newRow("Label4 temperature unit") << "Label4" << QRect(2760, 720, 0, 0) << true;
        QTest::newRow("Picture1 report area") << "Picture1" << QRect(240, 2160, 4505, 1520) << false;
        QTest::newRow("Command1 display button") << "Command1" << QRect(3720, 720, 975, 375) << false;
        QTest::newRow("Text3 enthalpy") << "Text3" << QRect(1320, 1200, 1215, 300) << false;
        QTest::newRow("Label5 enthalpy unit") << "Label5" << QRect(2760, 1200, 0, 0) << true;
        QTest::newRow("Label6 enthalpy caption") << "Label6" << QRect(240, 1200, 0, 0) << true;
        QTest::newRow("Label7 dryness caption") << "Label7" << QRect(240, 1680, 0, 0) << true;
        QTest::newRow("Text4 dryness") << "Text4" << QRect(1320, 1680, 1215, 300) << false;
    }

    void controlsSitWhereLaidOut()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(bool, sizedToText);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* control = form.centralWidget()->findChild<QWidget*>(name);
        QVERIFY(control);
        const QRect expected = Twips::ToPixels(twips.x(), twips.y(), twips.width(), twips.height());
        QCOMPARE(control->pos(), expected.topLeft());
        if (sizedToText)
            QCOMPARE(control->size(), control->sizeHint());
        else
            QCOMPARE(control->size(), expected.size());
    }

    void labelsFollowTheirNewCaption()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const int before = form.Label3->width();
        form.Label3->setText(QStringLiteral("[Kg/cm2G]"));
        QTRY_COMPARE(form.Label3->size(), form.Label3->sizeHint());
        QVERIFY(form.Label3->width() > before);
        QCOMPARE(form.Label3->pos(), Twips::ToPixels(2760, 240, 0, 0).topLeft());
    }

    void windowHasAFixedClientAreaAndNoMaximise()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QStringLiteral("Vaporlane"));
        QCOMPARE(form.centralWidget()->size(), Twips::ToPixels(0, 0, 4980, 3825).size());
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.size(), form.minimumSize());
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));

        const QSize size = form.size();
        form.resize(size + QSize(200, 100));
        QCOMPARE(form.size(), size);
        form.showMaximized();
        QCOMPARE(form.size(), size);
    }

    void startsEmptyWithTheFocusInThePressureField()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), form.Text1);
        for (const NumericTextBox* box : {form.Text1, form.Text2, form.Text3, form.Text4})
            QVERIFY(box->text().isEmpty());
        QVERIFY(form.Picture1->Lines().isEmpty());
        QCOMPARE(form.Command1->text(), QStringLiteral("表　示"));
        QCOMPARE(form.Label1->text(), QStringLiteral("圧力"));
        QCOMPARE(form.Label2->text(), QStringLiteral("温度"));
        QCOMPARE(form.Label6->text(), QStringLiteral("エンタルピ"));
        QVERIFY(form.windowIcon().availableSizes().contains(QSize(32, 32)));
        QCOMPARE(form.windowIcon().availableSizes().size(), 8);
    }

    void tabCyclesThroughTheFieldsInOrder()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const QList<QWidget*> expected{form.Text2, form.Picture1, form.Command1, form.Text3, form.Text4, form.Text1};
        QList<QWidget*> visited;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        QCOMPARE(visited, expected);
    }

    void menusCarryTheirCaptions()
    {
        Form1 form;
        QCOMPARE(Captions(form.menuBar()->actions()),
                 QStringList({"ファイル(&F)", "オプション(&O)", "特殊計算(&P)", "ヘルプ(&H)"}));
        QCOMPARE(Captions(form.menu_File->actions()), QStringList({"Quit Vaporlane(&X)"}));
        QCOMPARE(Captions(form.menu_Option->actions()), QStringList({"ウインドウを常に手前に表示", "使用単位(&U)"}));
        QCOMPARE(Captions(form.menu_SpecialCalculation->actions()), QStringList({"エンタルピ一定"}));
        QCOMPARE(Captions(form.menu_Help->actions()), QStringList({"目次(&C)", "バージョン情報(&A)..."}));
        for (QMenu* menu : {form.menu_File, form.menu_Option, form.menu_SpecialCalculation, form.menu_Help})
            for (const QAction* action : menu->actions()) {
                QVERIFY(action->isEnabled() && action->isVisible() && !action->isSeparator());
                QVERIFY(action->shortcut().isEmpty());
                QCOMPARE(action->isCheckable(), action == form.menu_Option_WindowShow);
            }
    }

    void startUpFromTheSettingsFile_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("captions");  // Label3, Label4, Label5, Label7
        QTest::addColumn<QList<int>>("engineUnits");
        QTest::addColumn<double>("densityFactor");
        QTest::addColumn<bool>("onTop");

        const QStringList defaults{"[MPa]", "[℃]", "[KJ/Kg]", "ＳＢＶ"};
        const QList<int> defaultUnits{2, 12, 32, 52, 71};
        QTest::newRow("no file: defaults") << false << QByteArray() << defaults << defaultUnits << 1.0 << false;
        QTest::newRow("Fahrenheit, mmHg, kcal, lb/ft3, SBW, on top")
            << true << QByteArray("3\r\n15\r\n33\r\n53\r\n74\r\n1\r\n#TRUE#\r\n")
            << QStringList{"[mmHg]", "[Ｆ]", "[Kcal/Kg]", "ＳＢＷ"} << QList<int>{3, 15, 33, 53, 72}
            << 2.20462 / 35.3147 << true;
        QTest::newRow("pressure code 22 becomes MPa")
            << true << QByteArray("2\r\n22\r\n32\r\n52\r\n71\r\n0\r\n#FALSE#\r\n") << defaults << defaultUnits << 1.0
            << false;
        QTest::newRow("one line with commas") << true << QByteArray("1,21,31,51,73,0,#FALSE#")
                                              << QStringList{"[MPe]", "[Ｋ]", "[J/Kg]", "ＳＢＶ"}
                                              << QList<int>{1, 21, 31, 51, 71} << 35.3147 / 2.20462 << false;
        QTest::newRow("every code out of range")
            << true << QByteArray("0\r\n10\r\n34\r\n41\r\n75\r\n0\r\n#FALSE#\r\n") << defaults << defaultUnits << 1.0
            << false;
        QTest::newRow("dryness basis 5 keeps the design caption")
            << true << QByteArray("2\r\n12\r\n32\r\n52\r\n71\r\n5\r\n#FALSE#\r\n")
            << QStringList{"[MPa]", "[℃]", "[KJ/Kg]", "乾き度"} << defaultUnits << 1.0 << false;
        QTest::newRow("broken: empty file") << true << QByteArray("") << defaults << defaultUnits << 1.0 << false;
        QTest::newRow("broken: short file") << true << QByteArray("3\r\n15") << QStringList{"[mmHg]", "[Ｆ]", "[KJ/Kg]", "ＳＢＶ"}
                                            << QList<int>{3, 15, 32, 52, 71} << 1.0 << false;
        QTest::newRow("broken: text where a number is due")
            << true << QByteArray("1\r\nbar\r\n33\r\n52\r\n71\r\n1\r\n#TRUE#\r\n")
            << QStringList{"[MPa]", "[Ｋ]", "[Kcal/Kg]", "ＳＢＷ"} << QList<int>{1, 12, 33, 52, 71} << 1.0 << true;
        QTest::newRow("broken: numbers beyond 16 bits")
            << true << QByteArray("65539\r\n65551\r\n32\r\n52\r\n71\r\n65537\r\n#TRUE#\r\n") << defaults
            << defaultUnits << 1.0 << true;
        QTest::newRow("broken: binary junk")
            << true << QByteArray::fromHex("00ff8d0a0d2c2c0a3c3eff7f0000de") << defaults << defaultUnits << 1.0 << false;
        QTest::newRow("broken: huge file")
            << true << QByteArray(8 * 1024 * 1024, '7') << defaults << defaultUnits << 1.0 << false;
    }

    void startUpFromTheSettingsFile()
    {
        QFETCH(bool, present);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, captions);
        QFETCH(QList<int>, engineUnits);
        QFETCH(double, densityFactor);
        QFETCH(bool, onTop);
        if (present)
            WriteFile(file);

        Form1 form;

        QCOMPARE(QStringList({form.Label3->text(), form.Label4->text(), form.Label5->text(), form.Label7->text()}),
                 captions);
        QList<int> handed;
        QStringList setters;
        for (const EngineCall& call : fixture->engine.calls) {
            setters << call.name;
            handed << static_cast<int>(call.args.at(0));
        }
        QCOMPARE(setters, QStringList({"STM_SetTempUnit", "STM_SetPressUnit", "STM_SetEnthalUnit", "STM_SetEntroUnit",
                                       "STM_SetDensityUnit"}));
        QCOMPARE(handed, engineUnits);
        QCOMPARE(Module1::DensityFactor, densityFactor);
        QCOMPARE(Module1::AlwaysOnTop, onTop);
        QCOMPARE(form.menu_Option_WindowShow->isChecked(), onTop);
        QCOMPARE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        QCOMPARE(stacking.size(), size_t{1});
        QCOMPARE(stacking[0].hWnd, &form);
        QCOMPARE(stacking[0].hWndInsertAfter, onTop ? HWND_TOPMOST : HWND_NOTOPMOST);
        QCOMPARE(QPoint(stacking[0].X, stacking[0].Y), form.pos());
        QCOMPARE(QList<int>({stacking[0].cx, stacking[0].cy, static_cast<int>(stacking[0].uFlags)}),
                 QList<int>({1, 1, 1}));

        // Start-up writes nothing.
        QCOMPARE(QFile::exists(fixture->SettingsPath()), present);
        QCOMPARE(fixture->ReadSettings(), file);
        QCOMPARE(FolderEntries(fixture->folder.path()).size(), present ? 1 : 0);
        QVERIFY(fixture->messages.messages.empty());
    }

    void nextSaveWritesTheReplacedCodes()
    {
        WriteFile("9\r\n22\r\n30\r\n54\r\n70\r\n1\r\n#FALSE#\r\n");
        Form1 form;
        form.menu_Option_WindowShow->trigger();
        QCOMPARE(fixture->ReadSettings(), QByteArray("2\r\n12\r\n32\r\n52\r\n71\r\n1\r\n#TRUE#\r\n"));
    }

    void refusedPressureUnitGivesOneMessage()
    {
        fixture->engine.answerOf[QStringLiteral("STM_SetPressUnit")] = 0;
        WriteFile("1\r\n16\r\n31\r\n51\r\n73\r\n0\r\n#FALSE#\r\n");
        Form1 form;
        QCOMPARE(fixture->messages.messages.size(), size_t{1});
        const RecordedMessage& message = fixture->messages.messages[0];
        QCOMPARE(message.prompt, QStringLiteral("単位設定 Error on 圧力"));
        QCOMPARE(message.style, MsgBoxStyle::OkOnly);
        QCOMPARE(message.title, QStringLiteral("Vaporlane"));
        QCOMPARE(fixture->engine.calls.size(), size_t{5});
        QCOMPARE(fixture->engine.calls[4].args.at(0), 71.0);
        QCOMPARE(form.Label3->text(), QStringLiteral("[mmHgG]"));
        QCOMPARE(Module1::PressUnit, int16_t{16});
        QCOMPARE(Module1::DensityFactor, 35.3147 / 2.20462);
    }

    void alwaysOnTopTogglesAndIsRemembered()
    {
        auto form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QRect geometry = form->geometry();
        const QPoint position = form->pos();

        for (const bool expected : {true, false}) {
            stacking.clear();
            form->menu_Option_WindowShow->trigger();
            QCOMPARE(Module1::AlwaysOnTop, expected);
            QCOMPARE(form->menu_Option_WindowShow->isChecked(), expected);
            QCOMPARE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint), expected);
            QCOMPARE(stacking.size(), size_t{1});
            QCOMPARE(stacking[0].hWndInsertAfter, expected ? HWND_TOPMOST : HWND_NOTOPMOST);
            QCOMPARE(QPoint(stacking[0].X, stacking[0].Y), position);
            QCOMPARE(stacking[0].uFlags, SWP_NOSIZE);
            QVERIFY(form->isVisible());
            QCOMPARE(form->geometry(), geometry);
            QCOMPARE(fixture->ReadSettings(), expected ? kOnTopFile : kDefaultFile);
            QVERIFY(fixture->messages.messages.empty());

            // A restart shows the state last chosen.
            GuiFixture::ResetSettings();
            Form1 restarted;
            QCOMPARE(Module1::AlwaysOnTop, expected);
            QCOMPARE(restarted.menu_Option_WindowShow->isChecked(), expected);
            QCOMPARE(restarted.windowFlags().testFlag(Qt::WindowStaysOnTopHint), expected);
        }
    }

    // Neither the program's folder nor the user's configuration folder (here inside it) can be written.
    void failedSaveKeepsTheNewStateAndTheOldFile()
    {
        WriteFile(kDefaultFile);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(fixture->folder.filePath("config")));
        Form1 form;
        {
            ReadOnlyFolder readOnly(fixture->folder.path());
            QVERIFY(readOnly.Effective());
            form.menu_Option_WindowShow->trigger();
        }
        QCOMPARE(fixture->messages.messages.size(), size_t{1});
        const RecordedMessage& message = fixture->messages.messages[0];
        const QString usersFile = fixture->folder.filePath("config/vaporlane/Vaporlane.cfg");
        QCOMPARE(message.prompt, QStringLiteral("設定を保存できませんでした。\n") + QDir::toNativeSeparators(usersFile));
        QCOMPARE(message.style, MsgBoxStyle::OkOnly);
        QCOMPARE(message.title, QStringLiteral("Vaporlane"));
        QVERIFY(Module1::AlwaysOnTop);
        QVERIFY(form.menu_Option_WindowShow->isChecked());
        QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(fixture->ReadSettings(), kDefaultFile);
        QCOMPARE(FolderEntries(fixture->folder.path()), QStringList{"Vaporlane.cfg"});
    }

    void quitWritesNothing_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<bool>("present");
        QTest::newRow("quit command, file present") << true << true;
        QTest::newRow("quit command, no file") << true << false;
        QTest::newRow("close button, file present") << false << true;
        QTest::newRow("close button, no file") << false << false;
    }

    void quitWritesNothing()
    {
        QFETCH(bool, byMenu);
        QFETCH(bool, present);
        const QByteArray odd("3,15,33,53,74,1,#TRUE#");  // not the form the program writes
        if (present)
            WriteFile(odd);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        if (byMenu)
            form.menu_File_End->trigger();
        else
            QVERIFY(form.close());
        QVERIFY(!form.isVisible());
        QCOMPARE(fixture->ReadSettings(), present ? odd : QByteArray());
        QCOMPARE(FolderEntries(fixture->folder.path()).size(), present ? 1 : 0);
    }

    void dialogsLeaveTheWindowInItsLayer_data()
    {
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QString>("dialogClass");
        QTest::addColumn<bool>("onTop");
        const struct {
            const char* item;
            const char* dialog;
        } openers[] = {{"menu_Option_Unit", "Form2"},
                       {"menu_SpecialCalculation_HeatContent", "Form4"},
                       {"menu_Help_Version", "Form3"}};
        for (const auto& opener : openers)
            for (const bool onTop : {true, false})
                QTest::addRow("%s, %s", opener.dialog, onTop ? "on top" : "not on top")
                    << opener.item << opener.dialog << onTop;
    }

    void dialogsLeaveTheWindowInItsLayer()
    {
        QFETCH(QString, menuItem);
        QFETCH(QString, dialogClass);
        QFETCH(bool, onTop);
        if (onTop)
            WriteFile(kOnTopFile);
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QStringList opened;
        bool modal = false;
        fixture->ExpectDialog([&](QDialog& dialog) {
            opened << QString::fromLatin1(dialog.metaObject()->className());
            modal = dialog.windowModality() != Qt::NonModal;
        });
        stacking.clear();

        form.findChild<QAction*>(menuItem)->trigger();

        QCOMPARE(opened, QStringList{dialogClass});
        QVERIFY(modal);
        QVERIFY(fixture->unexpectedDialogs.isEmpty());
        QVERIFY(!stacking.empty());
        QCOMPARE(stacking.back().hWnd, &form);
        QCOMPARE(stacking.back().hWndInsertAfter, onTop ? HWND_TOPMOST : HWND_NOTOPMOST);
        QCOMPARE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    }

    void helpOpensOnItsContents()
    {
        QVERIFY(QFile::copy(QStringLiteral(VAPORLANE_HELP_SOURCE), fixture->folder.filePath("Vaporlane.hlp")));
        Form1 form;
        form.menu_Help_Contents->trigger();

        QCOMPARE(form.CommonDialog1->HelpFile, QDir(fixture->folder.path()).filePath("Vaporlane.hlp"));
        QCOMPARE(form.CommonDialog1->HelpCommand, 15);
        HelpViewer* viewer = form.CommonDialog1->Viewer();
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QVERIFY(viewer->Contents()->isVisible());
        QVERIFY(viewer->Browser()->toPlainText().contains(QStringLiteral("Vaporlane ヘルプ")));
        QStringList topics;
        for (int i = 0; i < viewer->Contents()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* top = viewer->Contents()->topLevelItem(i);
            for (int j = 0; j < top->childCount(); ++j)
                topics << top->child(j)->text(0);
        }
        for (const char* topic : {"メイン画面", "計算の選び方", "使用単位", "エンタルピ一定", "メッセージ一覧", "計算方法"})
            QVERIFY2(topics.contains(QString::fromUtf8(topic)), topic);

        // Choosing a topic scrolls the text to it.
        viewer->resize(600, 400);
        const QList<QTreeWidgetItem*> found =
            viewer->Contents()->findItems(QStringLiteral("計算方法"), Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        emit viewer->Contents()->itemActivated(found[0], 0);
        QVERIFY(viewer->Browser()->verticalScrollBar()->value() > 0);

        // Asking again shows the same window.
        form.menu_Help_Contents->trigger();
        QCOMPARE(form.CommonDialog1->Viewer(), viewer);
        QVERIFY(fixture->messages.messages.empty());
    }

    void quitAlsoClosesTheHelp()
    {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.menu_Help_Contents->trigger();
        QPointer<HelpViewer> viewer = form.CommonDialog1->Viewer();
        QVERIFY(viewer && viewer->isVisible());
        form.menu_File_End->trigger();
        QVERIFY(!viewer || !viewer->isVisible());
    }

    void missingHelpFileIsReportedByTheViewer()
    {
        Form1 form;
        form.menu_Help_Contents->trigger();
        HelpViewer* viewer = form.CommonDialog1->Viewer();
        QVERIFY(viewer && viewer->isVisible());
        const QString text = viewer->Browser()->toPlainText();
        QVERIFY(text.startsWith(QStringLiteral("ヘルプファイルを開けません。")));
        QVERIFY(text.contains(QDir::toNativeSeparators(fixture->folder.filePath("Vaporlane.hlp"))));
        QCOMPARE(viewer->Contents()->topLevelItemCount(), 0);
        QVERIFY(fixture->messages.messages.empty());
        QVERIFY(form.Text1->isEnabled());
    }

    void helpExplainsEveryMessage()
    {
        QFile help(QStringLiteral(VAPORLANE_HELP_SOURCE));
        QVERIFY(help.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(help.readAll());
        const QStringList messages{
            "圧力が範囲外です。",          "温度が範囲外です。",         "圧力or温度が範囲外です。",
            "圧力orエンタルピが範囲外です。", "乾き度が範囲外です。",       "単位設定 Error on 温度",
            "単位設定 Error on 圧力",      "単位設定 Error on エンタルピ", "単位設定 Error on エントロピ",
            "単位設定 Error on 比容積",     "設定を保存できませんでした。", "ヘルプファイルを開けません。",
        };
        for (const QString& message : messages)
            QVERIFY2(text.contains(message), qPrintable(message));
    }

    // The main report's labels are 21 columns wide, the constant-enthalpy report's 20: within each report
    // every "=" stands in the same column.
    void reportLabelsKeepTheirColumns_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<double>("columns");
        const QStringList mainReport{
            " 圧力          P   = ", " 飽和温度      Ts  = ", " 圧縮水温度    T   = ", " 過熱蒸気温度  T   = ",
            " エンタルピ    h   = ", " エンタルピ    h'  = ", "               h'' = ", " エントロピ    s   = ",
            " エントロピ    s'  = ", "               s'' = ", " 比容積        v   = ", " 比容積        v'  = ",
            "               v'' = ",
        };
        const QStringList heatReport{"  温度        T   = ", "  エンタルピ  h   = ", "  エントロピ  s   = ",
                                     "  比容積      v   = "};
        for (const QString& label : mainReport)
            QTest::addRow("main: %s", qPrintable(label.simplified())) << label << 21.0;
        for (const QString& label : heatReport)
            QTest::addRow("heat: %s", qPrintable(label.simplified())) << label << 20.0;
    }

    void reportLabelsKeepTheirColumns()
    {
        QFETCH(QString, label);
        QFETCH(double, columns);
        Form1 form;
        QCOMPARE(form.Picture1->font(), ReportFont());
        QCOMPARE(ColumnsOf(label, form.Picture1->font()), columns);
    }

    void reportFontIsAJapaneseFixedPitchFont()
    {
        const QFont font = ReportFont();
        QCOMPARE(font.pointSize(), 9);
        QCOMPARE(ColumnsOf(QStringLiteral("圧力温度比容積エンタルピ飽和"), font), 28.0);
        QCOMPARE(ColumnsOf(QStringLiteral("0123456789.-[]/'="), font), 17.0);
        QVERIFY2(QFontInfo(font).family() != QFontDatabase::systemFont(QFontDatabase::FixedFont).family(),
                 qPrintable(QFontInfo(font).family()));
    }

    void displayButtonPrintsTheReportOrOneMessage()
    {
        Form1 form;
        form.Picture1->Print(QStringLiteral("old"));
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        QVERIFY(form.Picture1->Lines().isEmpty());  // nothing filled: only cleared

        form.Text1->setText(QStringLiteral("1"));
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        QCOMPARE(form.Picture1->Lines().size(), 8);
        QCOMPARE(form.Picture1->Lines()[0], QStringLiteral(" 圧力          P   =        1.00000000 [MPa]"));
        QVERIFY(form.Picture1->Lines()[1].startsWith(QStringLiteral(" 飽和温度      Ts  =      179.88")));
        QVERIFY(fixture->messages.messages.empty());

        // Out of range: one stop message instead of a report.
        fixture->engine.answerOf[QStringLiteral("STM_sTp")] = EngineErrorValue;
        form.Command1_Click();
        QCOMPARE(fixture->messages.messages.size(), size_t{1});
        QCOMPARE(fixture->messages.messages[0].prompt, QStringLiteral("圧力が範囲外です。"));
        QCOMPARE(fixture->messages.messages[0].style, MsgBoxStyle::Critical);
        QCOMPARE(fixture->messages.messages[0].title, QStringLiteral("Vaporlane"));
        QVERIFY(form.Picture1->Lines().isEmpty());
    }

};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
