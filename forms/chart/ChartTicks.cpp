// SPDX-License-Identifier: MIT
#include "forms/chart/ChartTicks.h"

#include <algorithm>
#include <cmath>

namespace {

// Within this fraction of a step, a value counts as reached: steps added up or scaled by powers of ten carry
// round-off.
constexpr double kSlack = 1e-9;

}  // namespace

double NiceStep(double span, int count)
{
    const double raw = span / count;
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * decade >= raw * (1.0 - kSlack))
            return m * decade;
    return 10.0 * decade;
}

std::vector<double> StepsBetween(double lo, double hi, double step)
{
    std::vector<double> values;
    if (!(step > 0.0 && hi >= lo))
        return values;
    for (double k = std::ceil(lo / step - kSlack); k * step <= hi + step * kSlack; k += 1.0) {
        // A multiple that rounds to zero is zero, not -0 or 1e-17.
        const double v = k * step;
        values.push_back(std::fabs(v) < step * kSlack ? 0.0 : v);
    }
    return values;
}

std::vector<double> RoundSeries(double lo, double hi, int perDecade)
{
    static constexpr double kMantissas[3][3] = {{1, 0, 0}, {1, 5, 0}, {1, 2, 5}};
    const double(&mantissas)[3] = kMantissas[std::clamp(perDecade, 1, 3) - 1];
    std::vector<double> values;
    if (!(lo > 0.0 && hi >= lo))
        return values;
    for (int e = static_cast<int>(std::floor(std::log10(lo))); e <= static_cast<int>(std::ceil(std::log10(hi))); ++e) {
        for (int i = 0; i < std::clamp(perDecade, 1, 3); ++i) {
            // 10^e by division for negative e: 0.001 exactly as typed rather than 1e-3 * 1 with round-off.
            const double v = e >= 0 ? mantissas[i] * std::pow(10.0, e) : mantissas[i] / std::pow(10.0, -e);
            if (v >= lo * (1.0 - kSlack) && v <= hi * (1.0 + kSlack))
                values.push_back(v);
        }
    }
    return values;
}

QString NumberText(double v)
{
    QString text = QString::number(v, 'g', 6);
    text.replace(QStringLiteral("e+0"), QStringLiteral("e")).replace(QStringLiteral("e+"), QStringLiteral("e"));
    return text;
}

QString TickText(double v, double step)
{
    const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + kSlack)));
    return QString::number(v, 'f', decimals);
}
