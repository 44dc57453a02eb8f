// SPDX-License-Identifier: MIT
#include "cli/DataCell.h"

namespace {

// Longer texts are cut in messages; the row repeats the whole cell in its own column.
constexpr qsizetype kShownCharacters = 32;

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Digits from i on; how many there were.
qsizetype skipDigits(QStringView text, qsizetype& i)
{
    const qsizetype start = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i - start;
}

bool isWholeNumber(QStringView text)
{
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = skipDigits(text, i);
    if (i < text.size() && text[i] == u'.') {
        ++i;
        digits += skipDigits(text, i);
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        if (skipDigits(text, i) == 0)
            return false;
    }
    return i == text.size();
}

}  // namespace

std::optional<QString> WholeNumberCell(const QString& cell)
{
    const QString trimmed = cell.trimmed();
    if (trimmed.isEmpty() || isWholeNumber(trimmed))
        return trimmed;
    return std::nullopt;
}

QString NotANumberMessage(const QString& label, const QString& cell)
{
    QString shown = cell.trimmed();
    if (shown.size() > kShownCharacters) {
        const qsizetype cut = shown[kShownCharacters - 1].isHighSurrogate() ? kShownCharacters - 1 : kShownCharacters;
        shown = shown.left(cut) + QStringLiteral("…");
    }
    return QStringLiteral("%1の値「%2」を数値として読めません。").arg(label, shown);
}
