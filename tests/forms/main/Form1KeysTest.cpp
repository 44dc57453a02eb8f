// SPDX-License-Identifier: MIT
// Typing in the numeric fields: real key events and input-method commits on Form1 (and Form4) offscreen, the real
// engine behind a recording fake; Enter on the display button; the fields' context menu in Qt's Japanese.
#include "forms/common/NumericTextBox.h"
#include "forms/common/QtTranslation.h"
#include "forms/common/ReportArea.h"
#include "forms/heat/Form4.h"
#include "forms/main/Form1.h"
#include "tests/common/GuiFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <array>
#include <memory>

// A key in field 1 to 4 (its text all selected) over the texts "P|T|h|x"; the texts after it and the report's
// lines (0 cleared, 1 the old one left, more a fresh one).
struct KeyCase { int field; Qt::Key key; Qt::KeyboardModifiers modifiers; QString before, after; int lines; };
Q_DECLARE_METATYPE(KeyCase)

class Form1KeysTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiFixture> fixture;
    std::unique_ptr<Form1> form;
    std::array<NumericTextBox*, 4> boxes{};

private slots:
    void initTestCase() { QVERIFY(InstallQtTranslation()); }

    void init()
    {
        fixture = std::make_unique<GuiFixture>();
        form = std::make_unique<Form1>();
        form->show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        boxes = {form->Text1, form->Text2, form->Text3, form->Text4};
    }

    void cleanup()
    {
        QVERIFY(fixture->unexpectedDialogs.isEmpty());
        form.reset();
        fixture.reset();
    }

    void keyDownComesBeforeTheCharacter()
    {
        NumericTextBox plain;
        QStringList events;
        plain.KeyDown = [&](int& code, Qt::KeyboardModifiers) { events << QStringLiteral("down %1").arg(code); };
        plain.KeyPress = [&](int16_t& code) { events << QStringLiteral("press %1").arg(code); };
        QTest::keyClick(&plain, Qt::Key_3);
        QCOMPARE(events, (QStringList{"down 51", "press 51"}));
    }

    void keys_data()
    {
        QTest::addColumn<KeyCase>("row");
        using enum Qt::Key;
        const Qt::KeyboardModifiers none = Qt::NoModifier, ctrl = Qt::ControlModifier;
        QTest::newRow("enter") << KeyCase{1, Key_Return, none, "1|||", "1|||", 8};
        QTest::newRow("keypad enter") << KeyCase{1, Key_Enter, Qt::KeypadModifier, "1|||", "1|||", 8};
        QTest::newRow("shift enter") << KeyCase{1, Key_Return, Qt::ShiftModifier, "1|||", "1|||", 8};
        QTest::newRow("enter, every field empty") << KeyCase{2, Key_Return, none, "|||", "|||", 0};
        QTest::newRow("enter, all four filled") << KeyCase{4, Key_Return, none, "1|300|2800|0.5", "1|300||", 5};
        QTest::newRow("backspace") << KeyCase{1, Key_Backspace, none, "12|||", "|||", 0};
        QTest::newRow("delete") << KeyCase{2, Key_Delete, none, "|12||", "|||", 0};
        QTest::newRow("accepted digit") << KeyCase{3, Key_7, none, "|||", "||7|", 0};
        QTest::newRow("refused letter") << KeyCase{2, Key_A, none, "|1.5||", "|1.5||", 1};
        QTest::newRow("ctrl c") << KeyCase{1, Key_C, ctrl, "1.5|||", "1.5|||", 1};
        QTest::newRow("ctrl v") << KeyCase{1, Key_V, ctrl, "1.5|||", "1.5|||", 1};
    }

    void keys()
    {
        QFETCH(KeyCase, row);
        for (int n = 0; n < 4; ++n)
            boxes[n]->setText(row.before.section('|', n, n));
        NumericTextBox* box = boxes[row.field - 1];
        box->setFocus();
        box->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("5"));
        form->Picture1->Print(QStringLiteral("old report"));
        QTest::keyClick(box, row.key, row.modifiers);
        QCOMPARE(boxes[0]->text() + '|' + boxes[1]->text() + '|' + boxes[2]->text() + '|' + boxes[3]->text(), row.after);
        QCOMPARE(form->Picture1->Lines().size(), row.lines);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("5"));
    }

    // Down round the ring, then up; Ctrl+Up acts as Up.
    void arrowsGoRoundTheFields()
    {
        boxes[0]->setFocus();
        form->Picture1->Print(QStringLiteral("old report"));
        const int ring[] = {2, 3, 4, 1, 4, 3, 2, 1};
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), i < 4 ? Qt::Key_Down : Qt::Key_Up,
                            i == 7 ? Qt::ControlModifier : Qt::NoModifier);
            QCOMPARE(QApplication::focusWidget(), boxes[ring[i] - 1]);
        }
        QCOMPARE(form->Picture1->Lines(), QStringList{QStringLiteral("old report")});
    }

    // Input methods are off for all seven fields, as a platform's input context asks.
    void inputMethodsAreOffInEveryField()
    {
        Form4 heat;
        QList<NumericTextBox*> fields{boxes.begin(), boxes.end()};
        fields << heat.Text1 << heat.Text2 << heat.Text3;
        for (NumericTextBox* field : fields) {
            QInputMethodQueryEvent query(Qt::ImEnabled | Qt::ImHints);
            QApplication::sendEvent(field, &query);
            QVERIFY(!query.value(Qt::ImEnabled).toBool());
            QVERIFY(!field->testAttribute(Qt::WA_InputMethodEnabled));
            QVERIFY(query.value(Qt::ImHints).toInt() & Qt::ImhFormattedNumbersOnly);
        }
    }

    // What an input method commits goes through the filter character by character, each accepted character
    // clearing the report; pre-edit text never shows.
    void inputMethodCommits_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("preedit");
        QTest::addColumn<QString>("commit");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("lines");  // of the report: 1 the old one left, 0 cleared
        QTest::newRow("full-width digits and kana") << "" << "" << "１０あ" << "" << 1;
        QTest::newRow("ASCII digits") << "2" << "" << "10" << "210" << 0;
        QTest::newRow("second point") << "1.5" << "" << "." << "1.5" << 1;
        QTest::newRow("mixed: only the digit") << "" << "" << "０あＡ1" << "1" << 0;
        QTest::newRow("pre-edit only") << "3" << "あ" << "" << "3" << 1;
        QTest::newRow("pre-edit beside a commit") << "" << "１" << "2" << "2" << 0;
    }

    void inputMethodCommits()
    {
        QFETCH(QString, before);
        QFETCH(QString, preedit);
        QFETCH(QString, commit);
        QFETCH(QString, after);
        QFETCH(int, lines);
        NumericTextBox* box = boxes[1];
        box->setText(before);
        form->Picture1->Print(QStringLiteral("old report"));
        QInputMethodEvent event(preedit, {});
        event.setCommitString(commit);
        QApplication::sendEvent(box, &event);
        QCOMPARE(box->text(), after);
        QCOMPARE(form->Picture1->Lines().size(), lines);
        NumericTextBox plain;  // what the box shows: its text alone, no pre-edit beside it
        plain.resize(box->size());
        plain.setText(after);
        const auto picture = [](QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); };
        QCOMPARE(picture(box), picture(&plain));
    }

    // Enter and Space on the focused display button both run the calculation.
    void keysOnTheDisplayButton()
    {
        boxes[0]->setText(QStringLiteral("1"));
        const std::pair<Qt::Key, Qt::KeyboardModifier> keys[] = {
            {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Space, Qt::NoModifier}};
        for (const auto& [key, modifier] : keys) {
            form->Picture1->Cls();
            form->Command1->setFocus();
            QTest::keyClick(form->Command1, key, modifier);
            QCOMPARE(form->Picture1->Lines().size(), 8);
        }
    }

    // Qt's own commands in Japanese, without the shortcut hints that the filter would discard.
    void contextMenuInJapaneseWithoutShortcuts()
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), boxes[0]->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(boxes[0], &event);
        auto* menu = boxes[0]->findChild<QMenu*>();
        QTRY_VERIFY(menu && menu->isVisible());
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << action->text();
        menu->close();
        QCOMPARE(texts.join('|'), QStringLiteral("元に戻す(&U)|やり直す(&R)||切り取り(&T)|コピー(&C)|貼り付け(&P)|削除||すべてを選択"));
    }
};

QTEST_MAIN(Form1KeysTest)
#include "Form1KeysTest.moc"
