#pragma once

#include <QString>

// The value of the longest leading part of a text that reads as a number (0 when there is none).
double LeadingNumber(const QString& text);
