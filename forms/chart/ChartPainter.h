// SPDX-License-Identifier: MIT
// Draws a chart with QPainter on any paint device: the window's widget, a PNG image or an SVG file. Frame, grid,
// ticks and titles; the lines with their labels where they collide with nothing; the published states' processes
// and markers; a legend above the plot.
#pragma once

#include "forms/chart/ChartData.h"

#include <QColor>
#include <QFont>
#include <QRectF>

class QPainter;

// The marker of a published state: its fill, and its radius in logical pixels.
inline const QColor kMarkerColour(208, 0, 111);
inline constexpr double kMarkerRadius = 4.5;

// The plot area inside the area the chart is drawn in: what the axes, titles and legend leave.
QRectF PlotArea(const QRectF& area, const QFont& font);

// The transform of a view of the chart drawn into an area.
ChartTransform TransformFor(const QRectF& area, const QFont& font, const WorldRect& view);

void PaintChart(QPainter& painter, const QRectF& area, const ChartData& chart, const WorldRect& view,
                const ChartOverlay& overlay);
