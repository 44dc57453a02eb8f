// The key emulation of the numeric boxes: the codes of both events, their order, and what reaches the box.
// What the main window makes of the keys is tested on Form1 itself.
#include "forms/common/NumericKeyFilter.h"
#include "forms/common/NumericTextBox.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>
#include <QVBoxLayout>

namespace {

// One box wired like the program's boxes: the filter with "." on the character event; both events noted.
class Harness : public QWidget {
public:
    NumericTextBox* box = nullptr;
    QStringList events;  // "down 13", "press 13", ... in the order they arrive

    Harness()
    {
        auto* layout = new QVBoxLayout(this);
        box = new NumericTextBox(this);
        layout->addWidget(box);
        box->KeyDown = [this](int& KeyCode, Qt::KeyboardModifiers) {
            events << QStringLiteral("down %1").arg(KeyCode);
        };
        box->KeyPress = [this](int16_t& KeyAscii) {
            events << QStringLiteral("press %1").arg(KeyAscii);
            Module1::NumericKeyFilter(QStringLiteral("."), *box, KeyAscii);
        };
    }
};

}  // namespace

class NumericTextBoxTest : public QObject {
    Q_OBJECT

private:
    Harness* harness = nullptr;

    NumericTextBox& box() { return *harness->box; }

private slots:
    void init()
    {
        harness = new Harness;
        harness->show();
        QApplication::setActiveWindow(harness);
        QVERIFY(QTest::qWaitForWindowActive(harness));
        box().setFocus();
    }

    void cleanup()
    {
        delete harness;
        harness = nullptr;
    }

    void codes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<int>("charCode");  // -1: no character event

        const int none = Qt::NoModifier;
        const int ctrl = Qt::ControlModifier;
        const int shift = Qt::ShiftModifier;
        const int keypad = Qt::KeypadModifier;
        QTest::newRow("digit") << int(Qt::Key_7) << none << "7" << 55 << 55;
        QTest::newRow("keypad digit") << int(Qt::Key_7) << keypad << "7" << 103 << 55;
        QTest::newRow("point") << int(Qt::Key_Period) << none << "." << 190 << 46;
        QTest::newRow("keypad point") << int(Qt::Key_Period) << keypad << "." << 110 << 46;
        QTest::newRow("letter") << int(Qt::Key_A) << none << "a" << 65 << 97;
        QTest::newRow("shifted letter") << int(Qt::Key_A) << shift << "A" << 65 << 65;
        QTest::newRow("shifted digit gives its symbol") << int(Qt::Key_ParenRight) << shift << ")" << 48 << 41;
        QTest::newRow("plus") << int(Qt::Key_Plus) << shift << "+" << 187 << 43;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << "\b" << 8 << 8;
        QTest::newRow("enter") << int(Qt::Key_Return) << none << "\r" << 13 << 13;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << keypad << "\r" << 13 << 13;
        QTest::newRow("shift enter") << int(Qt::Key_Return) << shift << "\r" << 13 << 13;
        QTest::newRow("escape") << int(Qt::Key_Escape) << none << "\x1b" << 27 << 27;
        QTest::newRow("ctrl c") << int(Qt::Key_C) << ctrl << "\x03" << 67 << 3;
        QTest::newRow("ctrl v without text") << int(Qt::Key_V) << ctrl << "" << 86 << 22;
        QTest::newRow("ctrl x") << int(Qt::Key_X) << ctrl << "\x18" << 88 << 24;
        QTest::newRow("ctrl digit has no character") << int(Qt::Key_1) << ctrl << "" << 49 << -1;
        QTest::newRow("alt letter has no character") << int(Qt::Key_F) << int(Qt::AltModifier) << "f" << 70 << -1;
        QTest::newRow("delete has no character") << int(Qt::Key_Delete) << none << "\x7f" << 46 << -1;
        QTest::newRow("up") << int(Qt::Key_Up) << none << "" << 38 << -1;
        QTest::newRow("ctrl up") << int(Qt::Key_Up) << ctrl << "" << 38 << -1;
        QTest::newRow("down") << int(Qt::Key_Down) << none << "" << 40 << -1;
        QTest::newRow("home") << int(Qt::Key_Home) << none << "" << 36 << -1;
        QTest::newRow("f1") << int(Qt::Key_F1) << none << "" << 112 << -1;
        QTest::newRow("shift key itself") << int(Qt::Key_Shift) << shift << "" << 16 << -1;
        QTest::newRow("full-width digit") << int(Qt::Key_unknown) << none << "１" << 0 << int(int16_t(0xFF11));
        QTest::newRow("surrogate pair gives first unit")
            << int(Qt::Key_unknown) << none << QString::fromUtf16(u"\U0001D7CF") << 0 << int(int16_t(0xD835));
    }

    void codes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, keyCode);
        QFETCH(int, charCode);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QCOMPARE(VirtualKeyCode(event), keyCode);
        const std::optional<int16_t> character = CharacterCode(event);
        QCOMPARE(character.has_value() ? int(*character) : -1, charCode);
    }

    void pointOverSelectedPointIsRefused()
    {
        box().setText(QStringLiteral("12.5"));
        box().setSelection(2, 1);
        QTest::keyClick(&box(), Qt::Key_Period);
        QCOMPARE(box().text(), QStringLiteral("12.5"));
    }

    void keyDownComesBeforeCharacter()
    {
        QTest::keyClick(&box(), Qt::Key_3);
        QCOMPARE(harness->events, (QStringList{QStringLiteral("down 51"), QStringLiteral("press 51")}));
    }

    void fullWidthDigitIsDiscarded()
    {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("１"));
        QApplication::sendEvent(&box(), &event);
        QCOMPARE(box().text(), QString());
    }

    void ctrlCDoesNotCopy()
    {
        QApplication::clipboard()->setText(QStringLiteral("old"));
        box().setText(QStringLiteral("12"));
        box().selectAll();
        QTest::keyClick(&box(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("old"));
    }

    void handlerMayReplaceCharacter()
    {
        box().KeyPress = [](int16_t& KeyAscii) { KeyAscii = KeyAscii == 'a' ? 'b' : KeyAscii; };
        QTest::keyClick(&box(), Qt::Key_A);
        QCOMPARE(box().text(), QStringLiteral("b"));
    }

    void boxWithoutHandlersTypesAsUsual()
    {
        NumericTextBox plain;
        QTest::keyClicks(&plain, QStringLiteral("a-1"));
        QCOMPARE(plain.text(), QStringLiteral("a-1"));
        QApplication::clipboard()->setText(QStringLiteral("7"));
        QTest::keyClick(&plain, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(plain.text(), QStringLiteral("a-17"));
    }
};

QTEST_MAIN(NumericTextBoxTest)
#include "NumericTextBoxTest.moc"
