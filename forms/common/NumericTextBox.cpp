#include "forms/common/NumericTextBox.h"

// Placeholder: the key emulation lands with the numeric input fields.
NumericTextBox::NumericTextBox(QWidget* parent) : QLineEdit(parent) {}

void NumericTextBox::keyPressEvent(QKeyEvent* event) { QLineEdit::keyPressEvent(event); }
