// SPDX-License-Identifier: MIT
#include "forms/chart/ChartAxes.h"

#include <cmath>
#include <limits>

WorldPoint ChartAxes::Of(const ChartState& state) const
{
    switch (kind) {
    case ChartKind::kHs:
        return {state.s, state.h};
    case ChartKind::kTs:
        return {state.s, state.T};
    case ChartKind::kPh:
        break;
    }
    return {state.h, HeightOf(state.p)};
}

double ChartAxes::PressureAt(double y) const { return std::pow(10.0, y) + pressureZero; }

double ChartAxes::HeightOf(double p) const
{
    const double absolute = p - pressureZero;
    return absolute > 0.0 ? std::log10(absolute) : std::numeric_limits<double>::quiet_NaN();
}

ChartTransform::ChartTransform(const WorldRect& view, const QRectF& plot) : view_(view), plot_(plot) {}

QPointF ChartTransform::ToPixel(const WorldPoint& p) const
{
    return {plot_.left() + (p.x - view_.left) / view_.Width() * plot_.width(),
            plot_.bottom() - (p.y - view_.bottom) / view_.Height() * plot_.height()};
}

WorldPoint ChartTransform::ToWorld(const QPointF& pixel) const
{
    return {view_.left + (pixel.x() - plot_.left()) / plot_.width() * view_.Width(),
            view_.bottom + (plot_.bottom() - pixel.y()) / plot_.height() * view_.Height()};
}
