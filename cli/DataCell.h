// SPDX-License-Identifier: MIT
// Batch cells are data, not typed keys: a cell holds one whole number, blanks around it aside, or nothing.
#pragma once

#include <QString>

#include <optional>
#include <string_view>

// The cell without the blanks around it, when that is empty or one decimal number: an optional sign, digits
// with at most one point, an optional exponent (E or D, an optional sign, digits). Nothing for any other text
// ("10kPa", "1,5", "abc", "１０", "1e", "&H10").
std::optional<QString> WholeNumberCell(const QString& cell);

// The row error for a cell that is not one number, naming the field by its window label:
// "圧力の値「10kPa」を数値として読めません。" (a long text shortened).
QString NotANumberMessage(const QString& label, const QString& cell);

// A cell of ASCII bytes as WholeNumberCell and then the window's leading-number conversion read it, without
// building text: nothing where it is not one number; else whether it is empty, and the number (0 when empty).
struct CellNumber {
    bool empty = true;
    double value = 0;
};
std::optional<CellNumber> ReadNumberCell(std::string_view ascii);
