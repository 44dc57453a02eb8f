// SPDX-License-Identifier: MIT
// The numeric boxes' keys without a window: what the filter lets through, and the codes of the two classic
// key events that a Qt key event stands for.
#include "forms/common/NumericKeyFilter.h"
#include "forms/common/NumericTextBox.h"

#include <gtest/gtest.h>

#include <QInputDevice>
#include <QKeyEvent>

namespace {

TEST(NumericKeyFilter, DecidesByAllowedSetTextAndCaret)
{
    const struct { const char *name, *allowed, *text; int caret; int16_t code; bool accepted; } rows[] = {
        {"digit 0", ".", "", 0, '0', true},                 {"digit 9", ".", "12", 2, '9', true},
        {"digit before a sign", "-", "-5", 0, '3', true},   {"first point", ".", "12", 2, '.', true},
        {"second point", ".", "12.5", 4, '.', false},       {"point in the selection", ".", "12.5", 2, '.', false},
        {"point not allowed", "-", "12", 2, '.', false},    {"minus not allowed", ".", "", 0, '-', false},
        {"minus at the start", ".-", "12", 0, '-', true},   {"minus after the start", ".-", "12", 1, '-', false},
        {"second minus", ".-", "-12", 0, '-', false},       {"plus at the start", "+", "3", 0, '+', true},
        {"second plus", "+", "+3", 0, '+', false},          {"plus beside a minus", "+-", "-3", 0, '+', true},
        {"backspace", ".", "12", 2, 8, true},               {"enter", ".", "12", 2, 13, false},
        {"letter E", ".", "1", 1, 'E', false},              {"full-width digit", ".", "", 0, int16_t(0xFF11), false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Module1::AcceptsCharacter(row.allowed, row.text, row.caret, row.code), row.accepted) << row.name;
}

TEST(NumericTextBox, KeyAndCharacterCodes)
{
    using enum Qt::Key;
    const int none = Qt::NoModifier, ctrl = Qt::ControlModifier, keypad = Qt::KeypadModifier;
    // The key, its modifiers and text, the key-down code, the character code (-1: no character event).
    const struct { const char* name; int key; int modifiers; const char* text; int keyCode; int charCode; } rows[] = {
        {"keypad digit", Key_7, keypad, "7", 103, 55},    {"letter", Key_A, none, "a", 65, 97},
        {"backspace", Key_Backspace, none, "\b", 8, 8},    {"enter", Key_Return, none, "\r", 13, 13},
        {"escape", Key_Escape, none, "\x1b", 27, 27},      {"ctrl v without text", Key_V, ctrl, "", 86, 22},
        {"ctrl digit", Key_1, ctrl, "", 49, -1},           {"alt letter", Key_F, Qt::AltModifier, "f", 70, -1},
        {"delete", Key_Delete, none, "\x7f", 46, -1},  {"full-width 1", Key_unknown, none, "１", 0, int16_t(0xFF11)},
        {"shifted digit gives its symbol", Key_ParenRight, Qt::ShiftModifier, ")", 48, 41},
    };
    // A keyboard of its own: without an application Qt would make a default one and never free it.
    const QInputDevice keyboard(QStringLiteral("keyboard"), 1, QInputDevice::DeviceType::Keyboard);
    for (const auto& row : rows) {
        const QKeyEvent event(QEvent::KeyPress, row.key, Qt::KeyboardModifiers(row.modifiers), 0, 0, 0,
                              QString::fromUtf8(row.text), false, 1, &keyboard);
        const std::optional<int16_t> character = CharacterCode(event);
        EXPECT_EQ(VirtualKeyCode(event), row.keyCode) << row.name;
        EXPECT_EQ(character ? *character : -1, row.charCode) << row.name;
    }
}

}  // namespace
