// SPDX-License-Identifier: MIT
// The chart's parts without the engine: round numbers for ticks and line values, label placement, the feed of
// published states.
#include "forms/chart/ChartStates.h"
#include "forms/chart/ChartTicks.h"
#include "forms/chart/LabelPlacement.h"

#include <gtest/gtest.h>

#include <numbers>
#include <tuple>

namespace {

TEST(ChartTicks, RoundNumbersExactlyAsTyped)
{
    EXPECT_EQ(NiceStep(2000, 20), 100);
    EXPECT_EQ(NiceStep(3600, 20), 200);  // degF over the range
    EXPECT_EQ(NiceStep(7.3, 8), 1);
    const std::vector<double> series = RoundSeries(1e-3 * (1 + 1e-12), 100, 3);
    ASSERT_EQ(series.size(), 16u);
    EXPECT_EQ(series.front(), 0.001);
    EXPECT_EQ(series[4], 0.02);
    EXPECT_EQ(series.back(), 100);
    EXPECT_EQ(RoundSeries(0.004, 0.06, 1), std::vector<double>{0.01});
    const std::vector<double> steps = StepsBetween(-0.3, 1.0, 0.5);
    EXPECT_EQ(steps, (std::vector<double>{0.0, 0.5, 1.0}));
    EXPECT_FALSE(std::signbit(steps[0]));
    EXPECT_EQ(TickText(6.5, 0.5), QStringLiteral("6.5"));
    EXPECT_EQ(TickText(1200, 200), QStringLiteral("1200"));
    EXPECT_EQ(NumberText(1e8), QStringLiteral("1e8"));
    EXPECT_EQ(NumberText(0.002), QStringLiteral("0.002"));
}

TEST(LabelBox, TurnedBoxesOverlapOnlyWhereTheyMeet)
{
    const LabelBox flat{{0, 0}, {40, 10}, 0.0};
    const struct {
        const char* name;
        LabelBox other;
        bool overlaps;
    } rows[] = {
        {"CrossingAtRightAngles", {{0, 0}, {40, 10}, std::numbers::pi / 2}, true},
        {"BesideAlongTheText", {{41, 0}, {40, 10}, 0.0}, false},
        {"DiagonalPastTheCornerThoughTheirBoundsMeet", {{34, 20}, {40, 4}, std::numbers::pi / 4}, false},
        {"DiagonalReachingIn", {{22, 8}, {40, 4}, std::numbers::pi / 4}, true},
    };
    for (const auto& row : rows)
        EXPECT_EQ(flat.Overlaps(row.other), row.overlaps) << row.name;
}

// Thirty slanted lines 8 pixels apart and a marker: the labels found keep clear of each other, of the marker and
// of a reserved line, inside the plot; a line too short for its text gets none.
TEST(LabelPlacer, LabelsNeitherOverlapNorLeaveThePlot)
{
    const QRectF plot(0, 0, 400, 300);
    LabelPlacer placer(plot);
    const LabelBox marker{{200, 150}, {9, 9}, 0.0};
    placer.Reserve(marker);
    placer.ReserveLine({{QPointF(0, 100), QPointF(400, 100)}});
    int placed = 0;
    for (int k = 0; k < 30; ++k) {
        const double x = -20 + 8 * k;
        const std::vector<std::vector<QPointF>> runs{{QPointF(x, 300), QPointF(x + 150, 0)}};
        placed += placer.OnLine(runs, QSizeF(50, 12), 0.5) ? 1 : 0;
    }
    EXPECT_GT(placed, 5);
    EXPECT_FALSE(placer.OnLine({{QPointF(10, 250), QPointF(80, 250)}}, QSizeF(50, 12), 0.5));
    const std::vector<LabelBox>& boxes = placer.Placed();
    for (size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_TRUE(boxes[i].Inside(plot));
        for (size_t j = i + 1; j < boxes.size(); ++j)
            EXPECT_FALSE(boxes[i].Overlaps(boxes[j])) << i << " " << j;
        const LabelBox band{{200, 100}, {400, 0.5}, 0.0};  // the reserved line
        EXPECT_FALSE(i > 0 && boxes[i].Overlaps(band)) << i;
    }
}

// What of a line a view shows, for its label: segments clipped at the plot's edges, a piece per visit.
TEST(VisibleRuns, SegmentsClippedAtThePlotsEdges)
{
    using Runs = std::vector<std::vector<QPointF>>;
    const QRectF plot(0, 0, 100, 50);
    const std::tuple<const char*, Runs, Runs> rows[] = {
        {"inside: as it is", {{{10, 10}, {20, 20}, {30, 10}}}, {{{10, 10}, {20, 20}, {30, 10}}}},
        {"straight across, both ends outside", {{{-50, 25}, {150, 25}}}, {{{0, 25}, {100, 25}}}},
        {"out over the top and back", {{{10, 40}, {20, -10}, {30, 40}}}, {{{10, 40}, {18, 0}}, {{22, 0}, {30, 40}}}},
        {"beside the plot: nothing", {{{-10, 0}, {-5, 60}}}, {}},
        {"a single point: nothing", {{{10, 10}}}, {}},
    };
    for (const auto& [name, runs, expected] : rows)
        EXPECT_EQ(VisibleRuns(runs, plot), expected) << name;
}

TEST(ChartStatesFeed, ListenersHearEveryPublicationWhileTheyLive)
{
    int heard = 0;
    {
        const ChartStatesListener listener([&heard] { ++heard; });
        PublishChartStates(Expansion({10, 500, 3375, 6.6}, {0.01, 45.8, 2090, 6.6}, std::nullopt));
        EXPECT_EQ(LatestChartStates().states.size(), 2u);
        EXPECT_EQ(LatestChartStates().processes.at(0).path, ProcessPath::kConstantEntropy);
        ClearChartStates();
        EXPECT_TRUE(LatestChartStates().states.empty());
    }
    PublishChartStates(SingleState({1, 100, 419, 1.3}));
    EXPECT_EQ(heard, 2);
    ClearChartStates();
}

}  // namespace
