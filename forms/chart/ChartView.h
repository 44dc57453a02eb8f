// SPDX-License-Identifier: MIT
// The chart window's drawing area: one chart kind at a time, its lines cached until the units change, the
// published states over them, the state under the cursor, and zooming by dragging a rectangle.
#pragma once

#include "forms/chart/ChartData.h"
#include "forms/chart/ChartExport.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <map>
#include <optional>

class QRubberBand;

class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);

    ChartKind Kind() const { return kind_; }
    // Shows another kind, whole.
    void SetKind(ChartKind kind);

    // The whole chart again after zooming.
    void ShowWhole();
    // Zooms to the rectangle between two corners in the widget (a dragged one); a few pixels do nothing.
    void ZoomTo(const QPointF& corner, const QPointF& opposite);

    // The published states changed (or were cleared by a change of units): draw them anew.
    void StatesChanged();

    // The chart of the current kind in the current units, built on first use after a change.
    const ChartData& Chart();
    const ChartOverlay& Overlay();
    const WorldRect& View();
    ChartTransform Transform();

    // The status line's text for the point under a pixel; empty outside the plot.
    QString ReadoutAt(const QPointF& pixel);

    // The visible chart as an image file's bytes, at the widget's size.
    QByteArray Export(ImageFormat format);

signals:
    void Hovered(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    using UnitsKey = std::array<int16_t, 5>;
    static UnitsKey CurrentUnits();
    void ForgetIfUnitsChanged();

    ChartKind kind_ = ChartKind::kHs;
    UnitsKey units_{};
    std::map<ChartKind, ChartData> charts_;
    std::optional<ChartOverlay> overlay_;
    std::optional<WorldRect> zoom_;  // none: the whole chart
    QRubberBand* band_ = nullptr;
    QPointF bandOrigin_;
};
