// SPDX-License-Identifier: MIT
#include "forms/chart/LabelPlacement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <ranges>
#include <utility>

namespace {

constexpr double kGap = 2.0;              // pixels kept free around every label
constexpr double kFractionStep = 0.04;    // candidate places along a line, apart by this fraction of it
constexpr double kStraightness = 0.35;    // how far the line may leave the text's axis, in text heights
constexpr double kShortestLine = 1.5;     // a line shorter than this many text widths gets no label

using Corners = std::array<QPointF, 4>;

Corners cornersOf(const LabelBox& b)
{
    const double c = std::cos(b.angle);
    const double s = std::sin(b.angle);
    const double w = 0.5 * b.size.width();
    const double h = 0.5 * b.size.height();
    Corners corners;
    const double signs[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    for (int i = 0; i < 4; ++i) {
        const double x = signs[i][0] * w;
        const double y = signs[i][1] * h;
        corners[static_cast<size_t>(i)] = b.centre + QPointF(x * c - y * s, x * s + y * c);
    }
    return corners;
}

// Whether the corners of two boxes are apart along one of the axes (separating-axis test).
bool separated(const Corners& a, const Corners& b, const QPointF& axis)
{
    const auto project = [&axis](const Corners& corners) {
        double lo = HUGE_VAL;
        double hi = -HUGE_VAL;
        for (const QPointF& p : corners) {
            const double d = p.x() * axis.x() + p.y() * axis.y();
            lo = std::min(lo, d);
            hi = std::max(hi, d);
        }
        return std::pair{lo, hi};
    };
    const auto [aLo, aHi] = project(a);
    const auto [bLo, bHi] = project(b);
    return aHi <= bLo || bHi <= aLo;
}

LabelBox padded(LabelBox box)
{
    box.size += QSizeF(2 * kGap, 2 * kGap);
    return box;
}

// A point on the line at an arc length, within one run.
struct Along {
    size_t run;
    size_t segment;  // between points segment and segment + 1
    double offset;   // arc length into the segment
};

class Arc {
public:
    explicit Arc(const std::vector<std::vector<QPointF>>& runs) : runs_(runs)
    {
        for (const std::vector<QPointF>& run : runs) {
            std::vector<double> lengths{0.0};
            for (size_t i = 1; i < run.size(); ++i)
                lengths.push_back(lengths.back() + std::hypot(run[i].x() - run[i - 1].x(), run[i].y() - run[i - 1].y()));
            total_ += lengths.back();
            cumulative_.push_back(std::move(lengths));
        }
    }

    double Total() const { return total_; }

    // The run and its arc length at an arc length over all runs.
    std::pair<size_t, double> Locate(double s) const
    {
        for (size_t r = 0; r < cumulative_.size(); ++r) {
            if (s <= cumulative_[r].back())
                return {r, s};
            s -= cumulative_[r].back();
        }
        return {cumulative_.size() - 1, cumulative_.back().back()};
    }

    double RunLength(size_t run) const { return cumulative_[run].back(); }

    QPointF PointAt(size_t run, double s) const
    {
        const std::vector<double>& c = cumulative_[run];
        const size_t i = static_cast<size_t>(std::upper_bound(c.begin(), c.end(), s) - c.begin());
        const size_t seg = std::clamp<size_t>(i, 1, c.size() - 1) - 1;
        const double length = c[seg + 1] - c[seg];
        const double f = length > 0.0 ? (s - c[seg]) / length : 0.0;
        const std::vector<QPointF>& p = runs_[run];
        return p[seg] + f * (p[seg + 1] - p[seg]);
    }

    // The largest distance of the run's points between two arc lengths from the straight line through a and b.
    double Deviation(size_t run, double s0, double s1, const QPointF& a, const QPointF& b) const
    {
        const QPointF d = b - a;
        const double length = std::hypot(d.x(), d.y());
        double worst = 0.0;
        const std::vector<double>& c = cumulative_[run];
        for (size_t i = 0; i < c.size(); ++i) {
            if (c[i] <= s0 || c[i] >= s1)
                continue;
            const QPointF q = runs_[run][i] - a;
            worst = std::max(worst, std::fabs(q.x() * d.y() - q.y() * d.x()) / length);
        }
        return worst;
    }

private:
    const std::vector<std::vector<QPointF>>& runs_;
    std::vector<std::vector<double>> cumulative_;
    double total_ = 0.0;
};

}  // namespace

bool LabelBox::Overlaps(const LabelBox& other) const
{
    const Corners a = cornersOf(*this);
    const Corners b = cornersOf(other);
    for (const Corners* box : {&a, &b}) {
        for (int i = 0; i < 2; ++i) {
            const QPointF edge = (*box)[static_cast<size_t>(i + 1)] - (*box)[static_cast<size_t>(i)];
            if (separated(a, b, QPointF(-edge.y(), edge.x())))
                return false;
        }
    }
    return true;
}

bool LabelBox::Inside(const QRectF& area) const
{
    return std::ranges::all_of(cornersOf(*this), [&area](const QPointF& p) { return area.contains(p); });
}

namespace {

// The part of the segment a-b inside the area (Liang-Barsky against its four edges); none if it misses it.
std::optional<std::pair<QPointF, QPointF>> clipped(const QPointF& a, const QPointF& b, const QRectF& area)
{
    const QPointF d = b - a;
    const double p[4] = {-d.x(), d.x(), -d.y(), d.y()};
    const double q[4] = {a.x() - area.left(), area.right() - a.x(), a.y() - area.top(), area.bottom() - a.y()};
    double t0 = 0.0;
    double t1 = 1.0;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return std::nullopt;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
    }
    if (!(t0 <= t1))
        return std::nullopt;
    return std::pair{t0 == 0.0 ? a : a + t0 * d, t1 == 1.0 ? b : a + t1 * d};
}

}  // namespace

std::vector<std::vector<QPointF>> VisibleRuns(const std::vector<std::vector<QPointF>>& runs, const QRectF& area)
{
    std::vector<std::vector<QPointF>> visible;
    std::vector<QPointF> piece;
    const auto flush = [&] {
        if (piece.size() > 1)
            visible.push_back(std::move(piece));
        piece.clear();
    };
    for (const std::vector<QPointF>& run : runs) {
        for (size_t i = 1; i < run.size(); ++i) {
            const std::optional<std::pair<QPointF, QPointF>> part = clipped(run[i - 1], run[i], area);
            if (!part) {
                flush();
                continue;
            }
            if (piece.empty() || piece.back() != part->first) {
                flush();
                piece.push_back(part->first);
            }
            piece.push_back(part->second);
        }
        flush();
    }
    return visible;
}

LabelPlacer::LabelPlacer(const QRectF& area) : area_(area) {}

void LabelPlacer::Reserve(const LabelBox& box) { placed_.push_back(box); }

void LabelPlacer::ReserveLine(const std::vector<std::vector<QPointF>>& runs)
{
    for (const std::vector<QPointF>& run : runs)
        for (size_t i = 1; i < run.size(); ++i)
            lines_.push_back({run[i - 1], run[i], QRectF(run[i - 1], run[i]).normalized()});
}

// Whether a reserved line passes through the box: each segment near it, turned into the box's own frame, clipped
// against the box.
bool LabelPlacer::Crosses(const LabelBox& box) const
{
    const Corners corners = cornersOf(box);
    const auto [left, right] = std::ranges::minmax(corners | std::views::transform(&QPointF::x));
    const auto [top, bottom] = std::ranges::minmax(corners | std::views::transform(&QPointF::y));
    const QRectF near(QPointF(left, top), QPointF(right, bottom));
    const double c = std::cos(-box.angle);
    const double s = std::sin(-box.angle);
    const auto local = [&](const QPointF& p) {
        const QPointF d = p - box.centre;
        return QPointF(d.x() * c - d.y() * s, d.x() * s + d.y() * c);
    };
    const QRectF frame(-0.5 * box.size.width(), -0.5 * box.size.height(), box.size.width(), box.size.height());
    return std::ranges::any_of(lines_, [&](const Segment& segment) {
        return near.intersects(segment.bounds.adjusted(-0.5, -0.5, 0.5, 0.5)) &&
               clipped(local(segment.a), local(segment.b), frame);
    });
}

bool LabelPlacer::Free(const LabelBox& box) const
{
    const LabelBox wide = padded(box);
    return box.Inside(area_) && std::ranges::none_of(placed_, [&wide](const LabelBox& b) { return b.Overlaps(wide); }) &&
           !Crosses(wide);
}

std::optional<LabelBox> LabelPlacer::OnLine(const std::vector<std::vector<QPointF>>& runs, const QSizeF& size,
                                            double preferred)
{
    const Arc arc(runs);
    if (arc.Total() < kShortestLine * size.width())
        return std::nullopt;
    std::vector<double> fractions;
    for (double f = kFractionStep / 2; f < 1.0; f += kFractionStep)
        fractions.push_back(f);
    std::ranges::sort(fractions, {}, [preferred](double f) { return std::fabs(f - preferred); });
    const double half = 0.5 * size.width();
    for (const double f : fractions) {
        const auto [run, s] = arc.Locate(f * arc.Total());
        if (s < half || s > arc.RunLength(run) - half)
            continue;  // the text would run past the end of its piece of line
        const QPointF a = arc.PointAt(run, s - half);
        const QPointF b = arc.PointAt(run, s + half);
        if (arc.Deviation(run, s - half, s + half, a, b) > kStraightness * size.height())
            continue;
        double angle = std::atan2(b.y() - a.y(), b.x() - a.x());
        if (angle > std::numbers::pi / 2)
            angle -= std::numbers::pi;  // upright: never upside down
        else if (angle < -std::numbers::pi / 2)
            angle += std::numbers::pi;
        const LabelBox box{0.5 * (a + b), size, angle};
        if (Free(box)) {
            Reserve(box);
            return box;
        }
    }
    return std::nullopt;
}

std::optional<LabelBox> LabelPlacer::BesidePoint(const QPointF& point, double clearance, const QSizeF& size)
{
    const double dx = clearance + 0.5 * size.width();
    const double dy = clearance + 0.5 * size.height();
    for (const QPointF offset : {QPointF(dx, -dy), QPointF(-dx, -dy), QPointF(dx, dy), QPointF(-dx, dy)}) {
        const LabelBox box{point + offset, size, 0.0};
        if (Free(box)) {
            Reserve(box);
            return box;
        }
    }
    return std::nullopt;
}
