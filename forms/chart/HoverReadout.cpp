// SPDX-License-Identifier: MIT
#include "forms/chart/HoverReadout.h"

#include "settings/UnitCatalogue.h"

namespace {

constexpr int kDigits = 6;

QString quantity(const QString& symbol, double value, UnitQuantity unit)
{
    return symbol + QStringLiteral(" = ") + QString::number(value, 'g', kDigits) + ' ' + UnitName(unit);
}

// Compressed water below Tsat (below Tc at or above the critical pressure), superheated steam above it,
// supercritical fluid beyond both critical values.
QString phaseOf(const ChartData& chart, const ChartState& state, PropertyEngine& engine)
{
    if (state.p >= chart.critical.p)
        return state.T < chart.critical.T ? QStringLiteral("圧縮水") : QStringLiteral("超臨界");
    return state.T < engine.STM_sTp(state.p) ? QStringLiteral("圧縮水") : QStringLiteral("過熱蒸気");
}

}  // namespace

std::optional<FoundState> StateAt(const ChartData& chart, const WorldPoint& point, PropertyEngine& engine)
{
    const StateFinder find(engine);
    switch (chart.axes.kind) {
    case ChartKind::kHs:
        return find.FromHs(point.y, point.x);
    case ChartKind::kTs:
        return find.FromTs(point.y, point.x);
    case ChartKind::kPh:
        break;
    }
    return find.FromPh(chart.axes.PressureAt(point.y), point.x);
}

QString HoverText(const ChartData& chart, const std::optional<FoundState>& found, PropertyEngine& engine)
{
    if (!found)
        return QStringLiteral("範囲外");
    const ChartState& x = found->state;
    const QString separator = QStringLiteral("   ");
    const QString last = found->dryness ? QStringLiteral("乾き度 x = ") + QString::number(*found->dryness, 'f', 4)
                                        : phaseOf(chart, x, engine);
    return QStringList{quantity(QStringLiteral("p"), x.p, UnitQuantity::Pressure),
                       quantity(QStringLiteral("T"), x.T, UnitQuantity::Temperature),
                       quantity(QStringLiteral("h"), x.h, UnitQuantity::Enthalpy),
                       quantity(QStringLiteral("s"), x.s, UnitQuantity::Entropy), last}
        .join(separator);
}
