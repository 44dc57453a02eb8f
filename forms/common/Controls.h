// SPDX-License-Identifier: MIT
// The windows' labels, input boxes and buttons, named after their controls ("Label1", "Command1").
#pragma once

#include <initializer_list>

class NumericTextBox;
class QLabel;
class QPushButton;
class QString;
class QWidget;

// A label with its caption, for a layout or the caller to place.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption);

// A dialog's caption at its rectangle in twips, the text at the top left. Where the font is wider than the one
// the layout was drawn for, the label grows: a caption is never cut.
QLabel* MakeCaption(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                    int height);

// A label that sizes itself to its text (a unit text), at left and top in twips; empty until a text is set.
QLabel* MakeUnitLabel(QWidget* parent, const char* name, int left, int top);

// A numeric input box, for a layout or the caller to place.
NumericTextBox* MakeBox(QWidget* parent, const char* name);

// Numeric input boxes named "Text1", "Text2", ... in their order, one below the other in twips: at `left`, the
// first at `top` and each next one `pitch` lower, 1215 wide and 300 high.
void MakeBoxColumn(QWidget* parent, std::initializer_list<NumericTextBox**> boxes, int left, int top, int pitch);

// Gives a label a new text and fits the label to it.
void SetCaption(QLabel* label, const QString& caption);

// A dialog's button at its rectangle in twips. It is never the dialog's default: Enter clicks only the focused
// button.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                        int height);
