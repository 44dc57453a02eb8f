// SPDX-License-Identifier: MIT
// A single-line text box that raises the classic two key events: key-down with the virtual key code,
// then, for a key that produces a character, the character event with the code a classic text box
// receives. A character set to 0 by its handler never reaches the box.
//
// The boxes take numbers only, so input methods are switched off for them: with a Japanese input method
// active the digit keys arrive as plain key events. Text that an input method commits all the same goes
// through the character event one character at a time, as if typed; its pre-edit text is never shown.
#pragma once

#include <QLineEdit>

#include <cstdint>
#include <functional>
#include <optional>

class QContextMenuEvent;
class QInputMethodEvent;
class QKeyEvent;

// The classic virtual key code of a key (48-57 digits, 65-90 letters, 13 Enter, 38 up, 46 Delete, ...);
// 0 for a key that has none.
int VirtualKeyCode(const QKeyEvent& event);

// The character code that a classic text box receives for this key press (8 Backspace, 13 Enter,
// 27 Escape, 22 Ctrl+V, the typed character otherwise), or nothing for a key without a character.
std::optional<int16_t> CharacterCode(const QKeyEvent& event);

class NumericTextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit NumericTextBox(QWidget* parent = nullptr);

    // Key-down: virtual key code (38 up, 40 down, 13 Enter, 46 Delete, ...) and the modifiers.
    std::function<void(int& KeyCode, Qt::KeyboardModifiers Shift)> KeyDown;
    // Character: the character code, in and out; 0 on return discards the character.
    std::function<void(int16_t& KeyAscii)> KeyPress;

    // Input methods are told that the box takes none.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    // The standard commands without their shortcut hints: the character filter discards those keys.
    void contextMenuEvent(QContextMenuEvent* event) override;
};
