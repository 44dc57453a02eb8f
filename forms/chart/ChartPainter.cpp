// SPDX-License-Identifier: MIT
#include "forms/chart/ChartPainter.h"

#include "forms/chart/ChartTicks.h"
#include "forms/chart/LabelPlacement.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const QColor kFrame(60, 60, 60);
const QColor kGrid(228, 228, 228);
const QColor kLabelBackground(255, 255, 255, 225);
const QColor kProcess = kMarkerColour;

constexpr double kTickLength = 4.0;
constexpr double kTickSpacing = 1.6;   // the least room between tick texts, in their own widths
constexpr double kLabelScale = 0.85;   // line labels against the chart's font
constexpr double kProcessWidth = 2.2;
constexpr double kCriticalRadius = 3.0;
constexpr double kMinorWidth = 0.6;    // of the family's width

struct Family {
    LineFamily family;
    QColor colour;
    double width;
    Qt::PenStyle style;
    QString legend;
};

const Family kFamilies[] = {
    {LineFamily::kSaturation, QColor(0, 0, 0), 1.6, Qt::SolidLine, QStringLiteral("飽和線")},
    {LineFamily::kIsobar, QColor(31, 95, 191), 1.0, Qt::SolidLine, QStringLiteral("等圧線")},
    {LineFamily::kIsotherm, QColor(192, 57, 43), 1.0, Qt::SolidLine, QStringLiteral("等温線")},
    {LineFamily::kDryness, QColor(46, 139, 87), 0.9, Qt::DashLine, QStringLiteral("等乾き度線")},
    {LineFamily::kIsochore, QColor(168, 120, 0), 0.9, Qt::DashDotLine, QStringLiteral("等容線")},
};

const Family& familyOf(LineFamily f) { return *std::ranges::find(kFamilies, f, &Family::family); }

// Where along its visible part a family's labels go first, as a fraction of it: so that the families' labels
// gather in different parts of the chart.
double preferredPlace(LineFamily family, ChartKind kind)
{
    switch (family) {
    case LineFamily::kIsobar:
        return kind == ChartKind::kPh ? 0.1 : 0.85;
    case LineFamily::kIsotherm:
        return kind == ChartKind::kTs ? 0.92 : 0.15;
    case LineFamily::kDryness:
        return 0.3;
    case LineFamily::kIsochore:
        return 0.65;
    case LineFamily::kSaturation:
        break;
    }
    return 0.5;
}

QFont labelFont(QFont font)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * kLabelScale);
    else
        font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * kLabelScale)));
    return font;
}

struct Tick {
    double at;  // world coordinate
    QString text;
};

std::vector<Tick> linearTicks(double lo, double hi, int count)
{
    const double step = NiceStep(hi - lo, std::max(count, 2));
    std::vector<Tick> ticks;
    for (double v : StepsBetween(lo, hi, step))
        ticks.push_back({v, TickText(v, step)});
    return ticks;
}

// Decades of the absolute pressure, with 2 and 5 between them where there is room, labelled in the current unit;
// within less than a decade, round steps of the pressure itself.
std::vector<Tick> pressureTicks(const ChartAxes& axes, double lo, double hi, int count)
{
    const double decades = hi - lo;
    std::vector<Tick> ticks;
    for (double v : RoundSeries(std::pow(10.0, lo), std::pow(10.0, hi), decades * 3 <= count ? 3 : 1))
        ticks.push_back({std::log10(v), NumberText(v + axes.pressureZero)});
    if (ticks.size() >= 2)
        return ticks;
    ticks.clear();
    const double pLo = std::pow(10.0, lo);
    const double pHi = std::pow(10.0, hi);
    const double step = NiceStep(pHi - pLo, std::max(count, 2));
    for (double v : StepsBetween(pLo, pHi, step))
        if (v > 0.0)
            ticks.push_back({std::log10(v), NumberText(v + axes.pressureZero)});
    return ticks;
}

struct Axes {
    std::vector<Tick> x;
    std::vector<Tick> y;
};

Axes ticksFor(const ChartData& chart, const ChartTransform& t, const QFontMetricsF& fm)
{
    const double xRoom = fm.horizontalAdvance(QStringLiteral("00000.0")) * kTickSpacing;
    const double yRoom = fm.height() * 2.5;
    const WorldRect& v = t.View();
    Axes axes;
    axes.x = linearTicks(v.left, v.right, static_cast<int>(t.Plot().width() / xRoom));
    const int yCount = static_cast<int>(t.Plot().height() / yRoom);
    axes.y = chart.axes.kind == ChartKind::kPh ? pressureTicks(chart.axes, v.bottom, v.top, yCount)
                                               : linearTicks(v.bottom, v.top, yCount);
    return axes;
}

// The pieces of a line in pixels, between its breaks.
std::vector<QPolygonF> pixelRuns(const std::vector<WorldPoint>& points, const ChartTransform& t)
{
    std::vector<QPolygonF> runs(1);
    for (const WorldPoint& p : points) {
        if (IsPoint(p))
            runs.back() << t.ToPixel(p);
        else if (!runs.back().isEmpty())
            runs.emplace_back();
    }
    if (runs.back().isEmpty())
        runs.pop_back();
    return runs;
}

// The parts of the runs inside the plot: where a label may go.
std::vector<std::vector<QPointF>> visibleRuns(const std::vector<QPolygonF>& runs, const QRectF& plot)
{
    std::vector<std::vector<QPointF>> points;
    for (const QPolygonF& run : runs)
        points.emplace_back(run.begin(), run.end());
    return VisibleRuns(points, plot);
}

void drawText(QPainter& painter, const LabelBox& box, const QString& text, const QColor& colour)
{
    painter.save();
    painter.translate(box.centre);
    painter.rotate(box.angle * 180.0 / std::numbers::pi);
    const QRectF rect(-0.5 * box.size.width(), -0.5 * box.size.height(), box.size.width(), box.size.height());
    painter.fillRect(rect, kLabelBackground);
    painter.setPen(colour);
    painter.drawText(rect, Qt::AlignCenter, text);
    painter.restore();
}

QSizeF textSize(const QFontMetricsF& fm, const QString& text)
{
    return {fm.horizontalAdvance(text) + 2.0, fm.height()};
}

void paintGridAndAxes(QPainter& painter, const ChartData& chart, const ChartTransform& t, const QRectF& area)
{
    const QRectF plot = t.Plot();
    const QFontMetricsF fm(painter.font());
    const Axes ticks = ticksFor(chart, t, fm);
    painter.setPen(QPen(kGrid, 0.8));
    for (const Tick& tick : ticks.x) {
        const double x = t.ToPixel({tick.at, t.View().bottom}).x();
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    for (const Tick& tick : ticks.y) {
        const double y = t.ToPixel({t.View().left, tick.at}).y();
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    painter.setPen(QPen(kFrame, 1.0));
    painter.drawRect(plot);
    for (const Tick& tick : ticks.x) {
        const double x = t.ToPixel({tick.at, t.View().bottom}).x();
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTickLength));
        const double w = fm.horizontalAdvance(tick.text);
        painter.drawText(QPointF(x - 0.5 * w, plot.bottom() + kTickLength + fm.ascent() + 1), tick.text);
    }
    for (const Tick& tick : ticks.y) {
        const double y = t.ToPixel({t.View().left, tick.at}).y();
        painter.drawLine(QPointF(plot.left() - kTickLength, y), QPointF(plot.left(), y));
        const double w = fm.horizontalAdvance(tick.text);
        painter.drawText(QPointF(plot.left() - kTickLength - 2 - w, y + 0.5 * fm.ascent() - 1), tick.text);
    }
    const double xTitleWidth = fm.horizontalAdvance(chart.xTitle);
    painter.drawText(QPointF(plot.center().x() - 0.5 * xTitleWidth, area.bottom() - fm.descent() - 2), chart.xTitle);
    painter.save();
    painter.translate(area.left() + fm.ascent() + 2, plot.center().y() + 0.5 * fm.horizontalAdvance(chart.yTitle));
    painter.rotate(-90);
    painter.drawText(QPointF(0, 0), chart.yTitle);
    painter.restore();
}

void paintLegend(QPainter& painter, const ChartData& chart, const QRectF& plot)
{
    const QFontMetricsF fm(painter.font());
    const double sample = 2.0 * fm.height();
    double x = plot.left();
    const double y = plot.top() - 0.8 * fm.height();
    const auto item = [&](const QPen& pen, const QString& text) {
        painter.setPen(pen);
        painter.drawLine(QPointF(x, y), QPointF(x + sample, y));
        x += sample + 4;
        painter.setPen(kFrame);
        painter.drawText(QPointF(x, y + 0.5 * fm.ascent() - 1), text);
        x += fm.horizontalAdvance(text) + fm.height();
    };
    for (const Family& f : kFamilies) {
        const bool shown = std::ranges::any_of(chart.lines, [&f](const ChartLine& l) { return l.family == f.family; });
        if (shown)
            item(QPen(f.colour, f.width + 0.4, f.style), f.legend);
    }
    item(QPen(kProcess, kProcessWidth), QStringLiteral("計算した状態"));
}

// The saturation line last, over the isobars that run along its liquid side.
void paintLines(QPainter& painter, const ChartData& chart, const ChartTransform& t)
{
    std::vector<const ChartLine*> order;
    const bool minor = ShowsMinorLines(chart, t.View());
    for (const ChartLine& line : chart.lines)
        if (minor || !line.minor)
            order.push_back(&line);
    std::ranges::stable_partition(order, [](const ChartLine* l) { return l->family != LineFamily::kSaturation; });
    for (const ChartLine* l : order) {
        const ChartLine& line = *l;
        const Family& f = familyOf(line.family);
        painter.setPen(QPen(f.colour, line.minor ? kMinorWidth * f.width : f.width, f.style, Qt::RoundCap, Qt::RoundJoin));
        for (const QPolygonF& run : pixelRuns(line.points, t))
            painter.drawPolyline(run);
    }
}

void paintLineLabels(QPainter& painter, const ChartData& chart, const ChartTransform& t, LabelPlacer& placer)
{
    const QFont font = labelFont(painter.font());
    const QFontMetricsF fm(font);
    painter.setFont(font);
    const bool minor = ShowsMinorLines(chart, t.View());
    for (const Family& f : kFamilies) {
        for (const ChartLine& line : chart.lines) {
            if (line.family != f.family || line.label.isEmpty() || (line.minor && !minor))
                continue;
            const std::vector<std::vector<QPointF>> runs = visibleRuns(pixelRuns(line.points, t), t.Plot());
            const std::optional<LabelBox> box =
                placer.OnLine(runs, textSize(fm, line.label), preferredPlace(line.family, chart.axes.kind));
            if (box)
                drawText(painter, *box, line.label, f.colour);
        }
    }
}

void paintCriticalPoint(QPainter& painter, const ChartData& chart, const ChartTransform& t, LabelPlacer& placer)
{
    const QPointF c = t.ToPixel(chart.axes.Of(chart.critical));
    if (!t.Plot().contains(c))
        return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(c, kCriticalRadius, kCriticalRadius);
    const QFontMetricsF fm(painter.font());
    const QString text = QStringLiteral("臨界点");
    if (const std::optional<LabelBox> box = placer.BesidePoint(c, kCriticalRadius + 2, textSize(fm, text)))
        drawText(painter, *box, text, Qt::black);
}

// The markers and their numbers come first among the labels, so that no line label hides them.
struct MarkerNumber {
    QString text;
    LabelBox box;
};

std::vector<MarkerNumber> reserveMarkers(const ChartOverlay& overlay, const ChartTransform& t, const QFontMetricsF& fm,
                                         LabelPlacer& placer)
{
    std::vector<MarkerNumber> numbers;
    const double d = 2 * kMarkerRadius;
    for (size_t i = 0; i < overlay.markers.size(); ++i) {
        const QPointF p = t.ToPixel(overlay.markers[i]);
        if (!IsPoint(overlay.markers[i]) || !t.Plot().contains(p))
            continue;
        placer.Reserve({p, QSizeF(d, d), 0.0});
        const QString text = QString::number(i + 1);
        if (const std::optional<LabelBox> box = placer.BesidePoint(p, kMarkerRadius + 3, textSize(fm, text)))
            numbers.push_back({text, *box});
    }
    return numbers;
}

void paintOverlay(QPainter& painter, const ChartOverlay& overlay, const ChartTransform& t,
                  const std::vector<MarkerNumber>& numbers)
{
    painter.setPen(QPen(kProcess, kProcessWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const std::vector<WorldPoint>& process : overlay.processes)
        for (const QPolygonF& run : pixelRuns(process, t))
            painter.drawPolyline(run);
    painter.setPen(QPen(Qt::white, 1.2));
    painter.setBrush(kMarkerColour);
    for (const WorldPoint& m : overlay.markers)
        if (IsPoint(m))
            painter.drawEllipse(t.ToPixel(m), kMarkerRadius, kMarkerRadius);
    for (const MarkerNumber& number : numbers)
        drawText(painter, number.box, number.text, kMarkerColour.darker(130));
}

}  // namespace

QRectF PlotArea(const QRectF& area, const QFont& font)
{
    const QFontMetricsF fm(font);
    const double left = 1.5 * fm.height() + fm.horizontalAdvance(QStringLiteral("0.00000")) + kTickLength + 4;
    const double bottom = 2.3 * fm.height() + kTickLength + 4;
    const double top = 1.8 * fm.height();
    const double right = fm.horizontalAdvance(QStringLiteral("0000"));
    return area.adjusted(left, top, -right, -bottom);
}

ChartTransform TransformFor(const QRectF& area, const QFont& font, const WorldRect& view)
{
    return ChartTransform(view, PlotArea(area, font));
}

void PaintChart(QPainter& painter, const QRectF& area, const ChartData& chart, const WorldRect& view,
                const ChartOverlay& overlay)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(area, Qt::white);
    const QFont font = painter.font();
    const ChartTransform t = TransformFor(area, font, view);
    paintGridAndAxes(painter, chart, t, area);
    paintLegend(painter, chart, t.Plot());

    painter.save();
    painter.setClipRect(t.Plot());
    paintLines(painter, chart, t);
    LabelPlacer placer(t.Plot());
    for (const ChartLine& line : chart.lines)
        if (line.family == LineFamily::kSaturation)
            placer.ReserveLine(visibleRuns(pixelRuns(line.points, t), t.Plot()));
    const auto numbers = reserveMarkers(overlay, t, QFontMetricsF(labelFont(font)), placer);
    paintCriticalPoint(painter, chart, t, placer);
    paintLineLabels(painter, chart, t, placer);
    painter.setFont(labelFont(font));
    paintOverlay(painter, overlay, t, numbers);
    painter.restore();
    painter.restore();
}
