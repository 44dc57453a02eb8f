// SPDX-License-Identifier: MIT
// The character filter of the numeric input boxes.
#pragma once

#include <QString>

#include <cstdint>

class QLineEdit;

namespace Module1 {

// Whether a typed character is let through, given the box's text and caret (start of its selection).
bool AcceptsCharacter(const QString& allowed, const QString& text, int caret, int16_t KeyAscii);

// Vets one typed character for a numeric input box: leaves KeyAscii as it is (accept) or sets it to 0.
void NumericKeyFilter(const QString& allowed, const QLineEdit& box, int16_t& KeyAscii);

}  // namespace Module1
