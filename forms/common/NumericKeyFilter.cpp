// SPDX-License-Identifier: MIT
#include "forms/common/NumericKeyFilter.h"

#include "forms/common/KeyCodes.h"

#include <QLineEdit>

namespace Module1 {

namespace {

// A sign is taken only in front of everything and only once.
bool acceptsSign(QChar sign, const QString& allowed, const QString& text, int caret)
{
    return allowed.contains(sign) && caret == 0 && !text.contains(sign);
}

}  // namespace

bool AcceptsCharacter(const QString& allowed, const QString& text, int caret, int16_t KeyAscii)
{
    if (KeyAscii >= '0' && KeyAscii <= '9')
        return true;
    if (KeyAscii == '.')
        return allowed.contains(QLatin1Char('.')) && !text.contains(QLatin1Char('.'));
    if (KeyAscii == '-')
        return acceptsSign(QLatin1Char('-'), allowed, text, caret);
    if (KeyAscii == '+')
        return acceptsSign(QLatin1Char('+'), allowed, text, caret);
    return KeyAscii == vbKeyBack;
}

void NumericKeyFilter(const QString& allowed, const QLineEdit& box, int16_t& KeyAscii)
{
    // The caret is the start of the selection where there is one.
    const int caret = box.hasSelectedText() ? box.selectionStart() : box.cursorPosition();
    if (!AcceptsCharacter(allowed, box.text(), caret, KeyAscii))
        KeyAscii = 0;
}

}  // namespace Module1
