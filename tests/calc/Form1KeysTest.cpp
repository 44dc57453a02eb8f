// Typing in the main window's fields: real key events on Form1 offscreen, the real engine behind a recording fake.
#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"
#include "forms/main/Form1.h"
#include "tests/common/GuiFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <array>
#include <memory>

class Form1KeysTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiFixture> fixture;
    std::unique_ptr<Form1> form;
    std::array<NumericTextBox*, 4> boxes{};

private slots:
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

    void typingTakesOnePointOnly()
    {
        boxes[0]->setFocus();
        QTest::keyClicks(boxes[0], QStringLiteral("12.5."));
        QCOMPARE(boxes[0]->text(), QStringLiteral("12.5"));
    }

    void keys_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("before");  // "P|T|h|x"; the key's field all selected
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("lines");  // of the report: 0 cleared, 1 the old one left, more a fresh one
        const int none = Qt::NoModifier;
        const int enter = Qt::Key_Return;
        QTest::newRow("enter") << 1 << enter << none << "1|||" << "1|||" << 8;
        QTest::newRow("keypad enter") << 1 << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "1|||" << "1|||" << 8;
        QTest::newRow("shift enter") << 1 << enter << int(Qt::ShiftModifier) << "1|||" << "1|||" << 8;
        QTest::newRow("enter, every field empty") << 2 << enter << none << "|||" << "|||" << 0;
        QTest::newRow("enter, all four filled") << 4 << enter << none << "1|300|2800|0.5" << "1|300||" << 5;
        QTest::newRow("backspace") << 1 << int(Qt::Key_Backspace) << none << "12|||" << "|||" << 0;
        QTest::newRow("delete") << 2 << int(Qt::Key_Delete) << none << "|12||" << "|||" << 0;
        QTest::newRow("accepted digit") << 3 << int(Qt::Key_7) << none << "|||" << "||7|" << 0;
        QTest::newRow("letter") << 2 << int(Qt::Key_A) << none << "|1.5||" << "|1.5||" << 1;
        QTest::newRow("minus") << 3 << int(Qt::Key_Minus) << none << "||1.5|" << "||1.5|" << 1;
        QTest::newRow("point over the point") << 4 << int(Qt::Key_Period) << none << "|||1.5" << "|||1.5" << 1;
        QTest::newRow("ctrl c") << 1 << int(Qt::Key_C) << int(Qt::ControlModifier) << "1.5|||" << "1.5|||" << 1;
        QTest::newRow("ctrl v") << 1 << int(Qt::Key_V) << int(Qt::ControlModifier) << "1.5|||" << "1.5|||" << 1;
    }

    void keys()
    {
        QFETCH(int, field);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, lines);
        for (int n = 0; n < 4; ++n)
            boxes[n]->setText(before.section('|', n, n));
        boxes[field - 1]->setFocus();
        boxes[field - 1]->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("5"));
        form->Picture1->Print(QStringLiteral("old report"));
        QTest::keyClick(boxes[field - 1], Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(boxes[0]->text() + '|' + boxes[1]->text() + '|' + boxes[2]->text() + '|' + boxes[3]->text(), after);
        QCOMPARE(form->Picture1->Lines().size(), lines);
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
};

QTEST_MAIN(Form1KeysTest)
#include "Form1KeysTest.moc"
