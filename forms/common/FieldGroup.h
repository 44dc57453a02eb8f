// SPDX-License-Identifier: MIT
// A window's numeric input fields, each a caption, a box and a unit label, and the keys they share: Up and
// Down move to the neighbouring box, Enter runs the window's calculation, Delete and every character that the
// filter lets through clear the window's report area.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

class NumericTextBox;
class QLabel;
class ReportArea;

struct Field {
    QLabel* Caption = nullptr;
    NumericTextBox* Box = nullptr;
    QLabel* Unit = nullptr;  // none beside a dryness
};

// What Up in the first box and Down in the last do: go round to the other end, or nothing.
enum class FieldEnds { Ring, Stop };

class FieldGroup {
public:
    // The fields in the order Up and Down follow.
    FieldGroup(std::vector<Field> fields, FieldEnds ends, ReportArea& report, std::function<void()> calculate);

    // Key-down in box n, counted from 1 as the boxes are named (Text1 is the first).
    void KeyDown(int n, int KeyCode);

    // A character typed into box n, vetted by the numeric filter with the decimal point allowed.
    void KeyPress(int n, int16_t& KeyAscii);

    // Gives the unit labels their texts, in field order; a field without a unit label takes none.
    void ShowUnits(std::initializer_list<QString> texts);

    // The handlers of one box, members of its window (Text1_KeyDown and Text1_KeyPress, ...).
    template <typename Window>
    struct Handlers {
        void (Window::*KeyDown)(int& KeyCode, Qt::KeyboardModifiers Shift);
        void (Window::*KeyPress)(int16_t& KeyAscii);
    };

    // Sends each box's two key events to its window's handlers, given in field order.
    template <typename Window>
    void Route(Window* window, std::initializer_list<Handlers<Window>> handlers)
    {
        size_t index = 0;
        for (const auto& [down, press] : handlers)
            route(index++, [window, down](int& code, Qt::KeyboardModifiers shift) { (window->*down)(code, shift); },
                  [window, press](int16_t& code) { (window->*press)(code); });
    }

private:
    void route(size_t index, std::function<void(int&, Qt::KeyboardModifiers)> keyDown,
               std::function<void(int16_t&)> keyPress);
    NumericTextBox* box(int n) const;

    std::vector<Field> fields_;
    FieldEnds ends_;
    ReportArea& report_;
    std::function<void()> calculate_;
};
