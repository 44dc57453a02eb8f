// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The value of the longest leading part of a text that reads as a number (0 when there is none).
double LeadingNumber(const QString& text);

// The same value, and how far into the text the number goes: the characters from `length` on (blanks
// aside) are what the conversion ignores. 0 when the text holds no number.
struct LeadingNumberRead {
    double value;
    qsizetype length;
};
LeadingNumberRead ReadLeadingNumber(const QString& text);
