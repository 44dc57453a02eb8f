// SPDX-License-Identifier: MIT
// The charts' geometry where a fault would hide: every line's points are states of the line's value by the
// engine's own inverse functions, the saturation line lies on the dome's edge, the critical point where the
// engine has it, markers at their states, the cursor's state back at its pixel, processes along their paths.
#include "engine/seam/PropertyEngine.h"
#include "forms/chart/ChartData.h"
#include "forms/chart/HoverReadout.h"
#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

class ChartData_ : public ::testing::TestWithParam<ChartKind> {
protected:
    static void SetUpTestSuite()
    {
        Module1::Current = Settings();  // degC, MPa, kJ/kg, kJ/(kg K), m3/kg
        FillUnitLabels();
        HandUnitsToEngine();
    }

    static const ChartData& Chart(ChartKind kind)
    {
        static std::map<ChartKind, ChartData> built;
        auto found = built.find(kind);
        if (found == built.end())
            found = built.emplace(kind, BuildChart(kind, Engine())).first;
        return found->second;
    }

    const ChartData& chart() const { return Chart(GetParam()); }
};

// The state at every point of every line of a family, by the chart's inverse (the hover readout's). On the p-h
// chart, log p and back may take the triple point's pressure below the range by an ulp: the lines' ends at the
// lowest temperature are left out there.
template <typename Check>
int forEachPoint(const ChartData& chart, LineFamily family, Check check)
{
    const double bottom = chart.axes.HeightOf(Engine().STM_sPt(Engine().STM_GetMinTemp()));
    int checked = 0;
    for (const ChartLine& line : chart.lines) {
        if (line.family != family)
            continue;
        for (const WorldPoint& p : line.points) {
            if (!IsPoint(p) || (chart.axes.kind == ChartKind::kPh && p.y <= bottom))
                continue;
            const std::optional<FoundState> found = StateAt(chart, p, Engine());
            EXPECT_TRUE(found) << line.label.toStdString() << " at " << p.x << ", " << p.y;
            if (found)
                check(line, *found);
            ++checked;
        }
    }
    return checked;
}

// On the T-s chart a liquid's entropy hardly depends on p (below 4 degC it even rises with p, and a wet state
// shares the point): p from (T, s) is checked on the vapour side only. At 350 and 800 degC two regions' equations
// meet, and the engine may answer with either side's temperature, within their consistency of some mK.
TEST_P(ChartData_, IsobarsAndIsothermsKeepTheirValue)
{
    const bool ts = GetParam() == ChartKind::kTs;
    const int isobars = forEachPoint(chart(), LineFamily::kIsobar, [ts](const ChartLine& line, const FoundState& x) {
        if (ts && line.value < 22.064 && x.state.T <= Engine().STM_sTp(line.value))
            return;
        EXPECT_NEAR(x.state.p, line.value, 1e-7 * line.value) << line.label.toStdString() << " at T " << x.state.T;
    });
    const int isotherms = forEachPoint(chart(), LineFamily::kIsotherm, [](const ChartLine& line, const FoundState& x) {
        const bool seam = line.value == 350.0 || line.value == 800.0;
        EXPECT_NEAR(x.state.T, line.value, seam ? 0.01 : 1e-7 * (line.value + 273.15)) << line.label.toStdString();
    });
    EXPECT_GT(isobars, 1000);
    EXPECT_GT(isotherms, 1000);
}

// The saturation line is the dome's edge: at Tsat(p), saturated liquid or vapour where the state counts as wet
// (near Tc the edge is steep in p, and log p's round-off may put the point a hair outside); the dryness lines lie
// inside at their x. All of them end at the critical point, where a state has no dryness of its own.
TEST_P(ChartData_, SaturationAndDrynessLinesLieOnTheDome)
{
    const double Tc = chart().critical.T;
    const int edge = forEachPoint(chart(), LineFamily::kSaturation, [Tc](const ChartLine&, const FoundState& x) {
        if (x.state.T > Tc - 1e-6)
            return;
        EXPECT_NEAR(x.state.T, Engine().STM_sTp(x.state.p), 1e-6) << x.state.p;
        if (x.dryness) {
            EXPECT_NEAR(std::min(*x.dryness, 1.0 - *x.dryness), 0.0, 1e-6) << x.state.T;
        }
    });
    const int inside = forEachPoint(chart(), LineFamily::kDryness, [Tc](const ChartLine& line, const FoundState& x) {
        if (x.state.T > Tc - 1e-6)
            return;
        ASSERT_TRUE(x.dryness) << line.label.toStdString() << " at " << x.state.T;
        // Within a kelvin of Tc the lines meet at the critical point, where x loses its digits.
        if (x.state.T < 372.9) {
            EXPECT_NEAR(*x.dryness, line.value, 1e-6) << line.label.toStdString() << " at " << x.state.T;
        }
    });
    EXPECT_GT(edge, 100);
    EXPECT_GT(inside, 500);
}

TEST_P(ChartData_, IsochoresKeepTheirVolume)
{
    const int checked = forEachPoint(chart(), LineFamily::kIsochore, [](const ChartLine& line, const FoundState& x) {
        const double v = x.dryness ? Engine().STM_sDtx(x.state.T, 1.0 - *x.dryness) : Engine().STM_nDtp(x.state.T, x.state.p);
        EXPECT_NEAR(v, line.value, 1e-7 * line.value) << line.label.toStdString() << " at " << x.state.T;
    });
    // The h-s chart draws none.
    if (GetParam() == ChartKind::kHs)
        EXPECT_EQ(checked, 0);
    else
        EXPECT_GT(checked, 200);
}

// The critical point is the engine's: no latent heat, the saturation pressure there; the top of the saturation
// line on the T-s and p-h charts.
TEST_P(ChartData_, CriticalPointAtItsPlace)
{
    const ChartState& c = chart().critical;
    EXPECT_NEAR(c.T, 373.946, 1e-9);
    EXPECT_NEAR(c.p, 22.064, 1e-9);
    EXPECT_NEAR(Engine().STM_sRt(c.T), 0.0, 1e-6);
    EXPECT_NEAR(c.h, 2087.546, 1e-3);
    EXPECT_NEAR(c.s, 4.41202, 1e-5);
    if (GetParam() != ChartKind::kHs) {
        double top = -HUGE_VAL;
        for (const ChartLine& line : chart().lines)
            if (line.family == LineFamily::kSaturation)
                for (const WorldPoint& p : line.points)
                    top = std::max(top, p.y);
        EXPECT_DOUBLE_EQ(top, chart().axes.Of(c).y);
    }
}

// Every pixel of the plot that shows a state: its state, placed on the chart and drawn, lands on that pixel again;
// and a published state's marker lies at its coordinates.
TEST_P(ChartData_, ReadoutAndMarkersInvertThePlotTransform)
{
    const ChartTransform t(chart().extent, QRectF(60, 30, 700, 500));
    int states = 0;
    for (double x = t.Plot().left(); x <= t.Plot().right(); x += 23.3) {
        for (double y = t.Plot().top(); y <= t.Plot().bottom(); y += 17.9) {
            const std::optional<FoundState> found = StateAt(chart(), t.ToWorld({x, y}), Engine());
            if (!found)
                continue;
            ++states;
            const QPointF back = t.ToPixel(chart().axes.Of(found->state));
            EXPECT_NEAR(back.x(), x, 1e-6) << x << ", " << y;
            EXPECT_NEAR(back.y(), y, 1e-6) << x << ", " << y;
        }
    }
    EXPECT_GT(states, 200);

    const ChartState live{10, 500, Engine().STM_nHtp(500, 10), Engine().STM_nStp(500, 10)};
    const WorldPoint marker = OverlayOf(chart(), SingleState(live), Engine()).markers.at(0);
    const std::map<ChartKind, std::pair<double, double>> expected{
        {ChartKind::kHs, {live.s, live.h}}, {ChartKind::kTs, {live.s, live.T}}, {ChartKind::kPh, {live.h, 1.0}}};
    EXPECT_DOUBLE_EQ(marker.x, expected.at(GetParam()).first);
    EXPECT_DOUBLE_EQ(marker.y, expected.at(GetParam()).second);
}

// An expansion as the isentropic window will publish it: the isentropic line keeps s, the actual one runs
// straight on the h-s chart; a throttling keeps h. Each ends at its states.
TEST_P(ChartData_, ProcessesRunAlongTheirPaths)
{
    PropertyEngine& e = Engine();
    const ChartState inlet{10, 500, e.STM_nHtp(500, 10), e.STM_nStp(500, 10)};
    const double wet = e.STM_sXps(0.01, inlet.s);
    const ChartState isentropic{0.01, e.STM_sTp(0.01), e.STM_sHps(0.01, inlet.s), inlet.s};
    const double h2 = inlet.h - 0.85 * (inlet.h - isentropic.h);
    const double T2 = e.STM_sTp(0.01);
    const ChartState actual{0.01, T2, h2, e.STM_sStx(T2, e.STM_sXph(0.01, h2))};
    ASSERT_NE(wet, EngineErrorValue);
    const ChartStates states = Expansion(inlet, isentropic, actual);
    ChartStates throttling = Process(inlet, {0.1, e.STM_nTph(0.1, inlet.h), inlet.h, 0}, ProcessPath::kConstantEnthalpy);
    throttling.states[1].s = e.STM_nStp(throttling.states[1].T, 0.1);

    const ChartOverlay overlay = OverlayOf(chart(), states, Engine());
    ASSERT_EQ(overlay.processes.size(), 2u);
    const auto statesOn = [this](const std::vector<WorldPoint>& line) {
        std::vector<ChartState> on;
        for (const WorldPoint& p : line)
            if (const std::optional<FoundState> found = StateAt(chart(), p, Engine()))
                on.push_back(found->state);
        return on;
    };
    for (const ChartState& x : statesOn(overlay.processes[0]))
        EXPECT_NEAR(x.s, inlet.s, 1e-9 * inlet.s) << x.p;
    for (const ChartState& x : statesOn(overlay.processes[1])) {
        const double f = (x.h - inlet.h) / (actual.h - inlet.h);  // straight from the inlet to the outlet
        EXPECT_NEAR(x.s, inlet.s + f * (actual.s - inlet.s), 1e-6) << x.p;
    }
    const std::vector<WorldPoint> throttled = OverlayOf(chart(), throttling, Engine()).processes.at(0);
    for (const ChartState& x : statesOn(throttled))
        EXPECT_NEAR(x.h, inlet.h, 1e-9 * inlet.h) << x.p;
    EXPECT_GT(throttled.size(), 10u);
    EXPECT_DOUBLE_EQ(overlay.processes[1].back().x, chart().axes.Of(actual).x);
    EXPECT_DOUBLE_EQ(overlay.processes[1].back().y, chart().axes.Of(actual).y);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ChartData_, ::testing::Values(ChartKind::kHs, ChartKind::kTs, ChartKind::kPh),
                         [](const auto& row) { return std::string(row.param == ChartKind::kHs   ? "Hs"
                                                                  : row.param == ChartKind::kTs ? "Ts"
                                                                                                : "Ph"); });

// In a gauge pressure unit log p is taken of the absolute pressure; every unit shows in the titles and labels.
TEST(ChartDataUnits, GaugeFahrenheitAndKilocalories)
{
    Module1::Current = Settings();
    Module1::TempUnit = 3;
    Module1::PressUnit = 21;  // MPa gauge
    Module1::EnthalUnit = 33;
    Module1::EntroUnit = 53;
    FillUnitLabels();
    HandUnitsToEngine();
    const ChartData chart = BuildChart(ChartKind::kPh, Engine());
    EXPECT_DOUBLE_EQ(chart.axes.pressureZero, -0.101325);
    EXPECT_EQ(chart.xTitle, QStringLiteral("エンタルピ h [Kcal/Kg]"));
    EXPECT_EQ(chart.yTitle, QStringLiteral("圧力 p [MPe]"));
    int isobars = 0;
    for (const ChartLine& line : chart.lines) {
        if (line.family != LineFamily::kIsobar)
            continue;
        EXPECT_TRUE(line.label.endsWith(QStringLiteral(" MPe"))) << line.label.toStdString();
        for (const WorldPoint& p : line.points) {
            const std::optional<FoundState> x = StateAt(chart, p, Engine());
            ASSERT_TRUE(x);
            EXPECT_NEAR(x->state.p, line.value, 1e-7 * (line.value + 0.101325));
            ++isobars;
        }
    }
    EXPECT_GT(isobars, 500);
    EXPECT_NEAR(chart.critical.T, 373.946 * 1.8 + 32, 1e-9);
    Module1::Current = Settings();
    HandUnitsToEngine();
}

}  // namespace
