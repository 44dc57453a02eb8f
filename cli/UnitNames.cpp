// SPDX-License-Identifier: MIT
#include "cli/UnitNames.h"

#include <algorithm>

namespace {

// Full-width letters and ℃ become their plain forms ("Ｋ" -> "k", "℃" -> "°c").
QString comparable(const QString& text)
{
    return text.trimmed().normalized(QString::NormalizationForm_KC).toCaseFolded();
}

bool names(const UnitChoice& choice, const QString& wanted)
{
    if (comparable(ToQString(choice.entry)) == wanted)
        return true;
    const QStringList aliases = ToQString(choice.aliases).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return std::any_of(aliases.begin(), aliases.end(),
                       [&](const QString& alias) { return comparable(alias) == wanted; });
}

}  // namespace

std::optional<int16_t> UnitCodeOf(UnitQuantity quantity, const QString& text)
{
    const QuantityUnits& units = UnitsOf(quantity);
    bool isNumber = false;
    const int code = text.trimmed().toInt(&isNumber);
    if (isNumber) {
        if (code < INT16_MIN || code > INT16_MAX || !units.Find(static_cast<int16_t>(code)))
            return std::nullopt;
        return static_cast<int16_t>(code);
    }

    const QString wanted = comparable(text);
    for (const UnitChoice& choice : units.choices)
        if (names(choice, wanted))
            return choice.code;
    return std::nullopt;
}

QStringList UnitChoicesOf(UnitQuantity quantity)
{
    QStringList choices;
    for (const UnitChoice& choice : UnitsOf(quantity).choices)
        choices << QStringLiteral("%1 (%2)").arg(ToQString(choice.entry)).arg(choice.code);
    return choices;
}
