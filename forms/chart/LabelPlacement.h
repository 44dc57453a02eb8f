// SPDX-License-Identifier: MIT
// Where the chart's labels go: along their lines, turned with them, where the line runs straight enough under
// the text, inside the plot, and over no other label or marker. A label that finds no such place is left out.
// Pixel geometry only: the texts' sizes come from the caller.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <optional>
#include <vector>

// A text's box: centred on a point, turned by an angle (radians, y downwards as on the screen).
struct LabelBox {
    QPointF centre;
    QSizeF size;
    double angle = 0.0;

    bool Overlaps(const LabelBox& other) const;
    bool Inside(const QRectF& area) const;
};

// The parts of polylines inside an area, each segment clipped at its edges: where a label may go. A straight
// piece that crosses the whole area (an isobar in the dome of a zoomed view) keeps the part inside.
std::vector<std::vector<QPointF>> VisibleRuns(const std::vector<std::vector<QPointF>>& runs, const QRectF& area);

class LabelPlacer {
public:
    explicit LabelPlacer(const QRectF& area);

    // Something labels keep clear of: a marker, a placed text.
    void Reserve(const LabelBox& box);
    // A line labels keep clear of (the saturation line): pixel points, a run of them per piece.
    void ReserveLine(const std::vector<std::vector<QPointF>>& runs);

    // A place on a line (pixel points, a run of them per visible piece) for a text of this size, as near to the
    // fraction `preferred` of the visible length as the line and the labels already placed allow; reserved once
    // found.
    std::optional<LabelBox> OnLine(const std::vector<std::vector<QPointF>>& runs, const QSizeF& size,
                                   double preferred);

    // A place beside a point (a marker), upright, at one of its four corners; reserved once found.
    std::optional<LabelBox> BesidePoint(const QPointF& point, double clearance, const QSizeF& size);

    const std::vector<LabelBox>& Placed() const { return placed_; }

private:
    bool Free(const LabelBox& box) const;

    struct Segment {
        QPointF a;
        QPointF b;
        QRectF bounds;
    };
    bool Crosses(const LabelBox& box) const;

    QRectF area_;
    std::vector<LabelBox> placed_;
    std::vector<Segment> lines_;
};
