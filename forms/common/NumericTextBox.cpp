// SPDX-License-Identifier: MIT
#include "forms/common/NumericTextBox.h"

#include "forms/common/KeyCodes.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>

#include <unordered_map>

namespace {

constexpr int kLineFeed = 10;     // Ctrl+Enter
constexpr int kDeleteChar = 127;  // Ctrl+Backspace

// Keys whose classic code is not their own character code; shifted symbols share the code of their
// unshifted key (US layout).
const std::unordered_map<int, int>& keyCodes()
{
    static const std::unordered_map<int, int> table = {
        {Qt::Key_Backspace, vbKeyBack}, {Qt::Key_Tab, 9}, {Qt::Key_Backtab, 9}, {Qt::Key_Clear, 12},
        {Qt::Key_Return, vbKeyReturn}, {Qt::Key_Enter, vbKeyReturn}, {Qt::Key_Shift, 16}, {Qt::Key_Control, 17},
        {Qt::Key_Alt, 18}, {Qt::Key_Pause, 19}, {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, vbKeyEscape},
        {Qt::Key_Space, 32}, {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
        {Qt::Key_Home, 36}, {Qt::Key_Left, 37}, {Qt::Key_Up, vbKeyUp}, {Qt::Key_Right, 39},
        {Qt::Key_Down, vbKeyDown}, {Qt::Key_Print, 44}, {Qt::Key_Insert, 45}, {Qt::Key_Delete, vbKeyDelete},
        {Qt::Key_Meta, 91}, {Qt::Key_Menu, 93}, {Qt::Key_NumLock, 144}, {Qt::Key_ScrollLock, 145},
        {Qt::Key_Exclam, 49}, {Qt::Key_At, 50}, {Qt::Key_NumberSign, 51}, {Qt::Key_Dollar, 52},
        {Qt::Key_Percent, 53}, {Qt::Key_AsciiCircum, 54}, {Qt::Key_Ampersand, 55},
        {Qt::Key_Asterisk, 56}, {Qt::Key_ParenLeft, 57}, {Qt::Key_ParenRight, 48},
        {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186}, {Qt::Key_Equal, 187}, {Qt::Key_Plus, 187},
        {Qt::Key_Comma, 188}, {Qt::Key_Less, 188}, {Qt::Key_Minus, 189}, {Qt::Key_Underscore, 189},
        {Qt::Key_Period, 190}, {Qt::Key_Greater, 190}, {Qt::Key_Slash, 191}, {Qt::Key_Question, 191},
        {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
        {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
        {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
        {Qt::Key_QuoteDbl, 222},
    };
    return table;
}

// The numeric keypad's own codes: digits 96-105, then * + (separator) - . /.
int keypadCode(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return 96 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period: return 110;
    case Qt::Key_Comma: return 110;
    case Qt::Key_Slash: return 111;
    default: return 0;
    }
}

// Ctrl with a letter or one of [ \ ] gives a control character, as on the classic keyboard.
std::optional<int16_t> controlCharacter(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<int16_t>(key - Qt::Key_A + 1);
    switch (key) {
    case Qt::Key_BracketLeft: return 27;
    case Qt::Key_Backslash: return 28;
    case Qt::Key_BracketRight: return 29;
    case Qt::Key_Backspace: return kDeleteChar;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kLineFeed;
    default: return std::nullopt;
    }
}

// The text a character code stands for; the code is a UTF-16 unit kept in 16 signed bits.
QString characterText(int16_t KeyAscii) { return QString(QChar(static_cast<char16_t>(KeyAscii))); }

}  // namespace

int VirtualKeyCode(const QKeyEvent& event)
{
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier) {
        if (const int code = keypadCode(key))
            return code;
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return key;  // Qt's codes of digits and letters are the classic ones
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    const auto& table = keyCodes();
    const auto it = table.find(key);
    return it == table.end() ? 0 : it->second;
}

std::optional<int16_t> CharacterCode(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool control = modifiers & Qt::ControlModifier;
    const bool alt = modifiers & Qt::AltModifier;
    if (alt && !control)
        return std::nullopt;  // Alt combinations are menu keys, not characters
    switch (event.key()) {
    case Qt::Key_Backspace: return static_cast<int16_t>(control ? kDeleteChar : vbKeyBack);
    case Qt::Key_Return:
    case Qt::Key_Enter: return static_cast<int16_t>(control ? kLineFeed : vbKeyReturn);
    case Qt::Key_Escape: return static_cast<int16_t>(vbKeyEscape);
    default: break;
    }
    if (control && !alt)
        return controlCharacter(event.key());
    const QString text = event.text();
    if (text.isEmpty())
        return std::nullopt;
    // A control character in the text (Delete's 127, a Tab) does not make the key a typed character.
    const char16_t unit = text.front().unicode();
    if (unit < 32 || unit == kDeleteChar)
        return std::nullopt;
    return static_cast<int16_t>(unit);
}

NumericTextBox::NumericTextBox(QWidget* parent) : QLineEdit(parent)
{
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setInputMethodHints(Qt::ImhFormattedNumbersOnly | Qt::ImhNoPredictiveText);
}

QVariant NumericTextBox::inputMethodQuery(Qt::InputMethodQuery query) const
{
    // QLineEdit answers ImEnabled from its read-only state alone, whatever the widget attribute says.
    if (query == Qt::ImEnabled)
        return false;
    return QLineEdit::inputMethodQuery(query);
}

void NumericTextBox::keyPressEvent(QKeyEvent* event)
{
    const QPointer<NumericTextBox> alive(this);
    int keyCode = VirtualKeyCode(*event);
    if (KeyDown)
        KeyDown(keyCode, event->modifiers());
    if (!alive)
        return;

    if (const std::optional<int16_t> original = CharacterCode(*event)) {
        int16_t KeyAscii = *original;
        if (KeyPress)
            KeyPress(KeyAscii);
        if (!alive)
            return;
        if (KeyAscii == 0) {
            event->accept();  // discarded: the box never sees it
            return;
        }
        if (KeyAscii != *original && static_cast<uint16_t>(KeyAscii) >= 32) {
            // The handler typed another character in place of this one.
            insert(characterText(KeyAscii));
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void NumericTextBox::inputMethodEvent(QInputMethodEvent* event)
{
    // Only committed characters count, each one as a typed key; pre-edit text and replacements of the
    // surrounding text never reach the box.
    event->accept();
    const QString committed = event->commitString();
    const QPointer<NumericTextBox> alive(this);
    for (const QChar c : committed) {
        int16_t KeyAscii = static_cast<int16_t>(c.unicode());
        if (KeyPress)
            KeyPress(KeyAscii);
        if (!alive)
            return;
        const QString text = characterText(KeyAscii);
        if (KeyAscii == vbKeyBack)
            backspace();
        else if (text.front().isPrint())
            insert(text);
    }
}

void NumericTextBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions())
        action->setText(action->text().section(QLatin1Char('\t'), 0, 0));
    menu->popup(event->globalPos());
}
