// SPDX-License-Identifier: MIT
// The three charts' coordinates and the one transform between them and the pixels of a plot area.
// World coordinates are in the engine's current units: the h–s chart has x = s, y = h; the T–s chart x = s,
// y = T; the p–h chart x = h, y = log10 of the absolute pressure in the current pressure unit's scale.
#pragma once

#include "forms/chart/ChartStates.h"

#include <QPointF>
#include <QRectF>

enum class ChartKind { kHs, kTs, kPh };

struct WorldPoint {
    double x;
    double y;
};

struct WorldRect {
    double left;
    double right;
    double bottom;
    double top;

    double Width() const { return right - left; }
    double Height() const { return top - bottom; }
    bool Contains(const WorldPoint& p) const { return p.x >= left && p.x <= right && p.y >= bottom && p.y <= top; }
};

// How a chart places a state: its kind and, for the p–h chart, the current pressure unit's absolute zero (0, or
// minus one atmosphere in a gauge unit), so that log p is taken of the absolute pressure.
struct ChartAxes {
    ChartKind kind = ChartKind::kHs;
    double pressureZero = 0.0;

    WorldPoint Of(const ChartState& state) const;
    // The pressure in the current unit at a height of the p–h chart.
    double PressureAt(double y) const;
    // The height of a pressure on the p–h chart; NaN at or below absolute zero.
    double HeightOf(double p) const;
};

// World to pixels and back, linear on both axes: the view's rectangle fills the plot area, y upwards.
class ChartTransform {
public:
    ChartTransform(const WorldRect& view, const QRectF& plot);

    QPointF ToPixel(const WorldPoint& p) const;
    WorldPoint ToWorld(const QPointF& pixel) const;
    const WorldRect& View() const { return view_; }
    const QRectF& Plot() const { return plot_; }

private:
    WorldRect view_;
    QRectF plot_;
};
