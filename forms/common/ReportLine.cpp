// SPDX-License-Identifier: MIT
#include "forms/common/ReportLine.h"

namespace {

constexpr int kDecimals = 8;

}  // namespace

QString NumberField(double value)
{
    // QString::number ignores the locale, so the point is always ".".
    QString text = QString::number(value, 'f', kDecimals);
    // A value that rounds to zero from below reads "0.00000000": a negative zero means nothing to a reader.
    static const QString zero = QString::number(0.0, 'f', kDecimals);
    if (text == QLatin1Char('-') + zero)
        text = zero;
    return text.rightJustified(kNumberFieldWidth, QLatin1Char(' '));
}

QString ReportLine(const QString& label, double value, const QString& unitText)
{
    if (unitText.isEmpty())
        return label + NumberField(value);
    return label + NumberField(value) + QLatin1Char(' ') + unitText;
}
