// SPDX-License-Identifier: MIT
#include "forms/chart/ChartData.h"

#include "forms/chart/ChartTicks.h"
#include "forms/chart/StateFinder.h"
#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double kLiquid = 1.0;
constexpr double kVapour = 0.0;

constexpr int kSteps = 48;              // even steps of a line before its bends are refined
constexpr int kProcessSteps = 16;
constexpr double kLowestIsobar = 1e-5;  // of the highest pressure: 1 kPa
constexpr int kIsotherms = 20;          // about this many, at a round step
constexpr int kDrynessLines = 9;        // 0.1 to 0.9
constexpr double kIsochoreAboveCritical = 2.0;  // the densest isochore, as a multiple of the critical volume
constexpr double kPadding = 0.02;       // the extent's margin around the lines, of its size

// The highest temperature the engine takes on the saturation line, by halving: Tc in the current unit, reached
// without a unit conversion of the program's own.
double criticalTemperature(PropertyEngine& engine, double accepted, double refused)
{
    while (std::nextafter(accepted, refused) != refused) {
        const double mid = 0.5 * (accepted + refused);
        if (mid == accepted || mid == refused)
            break;
        (engine.STM_sPt(mid) != EngineErrorValue ? accepted : refused) = mid;
    }
    return accepted;
}

template <typename A, typename B>
void append(std::vector<A>& to, const B& more)
{
    to.insert(to.end(), more.begin(), more.end());
}

class ChartBuilder {
public:
    ChartBuilder(ChartKind kind, PropertyEngine& engine) : engine_(engine), find_(engine)
    {
        chart_.axes = {kind, engine.STM_GetMinPress()};
        Tmin_ = engine.STM_GetMinTemp();
        Tmax_ = engine.STM_GetMaxTemp();
        highest_ = engine.STM_GetMaxPress() - chart_.axes.pressureZero;
        const double Tc = criticalTemperature(engine, Tmin_, Tmax_);
        chart_.critical = find_.Wet(Tc, 0.5).value_or(FoundState{}).state;
        const WorldPoint liquid = at(find_.Wet(Tmin_, kLiquid));
        const WorldPoint vapour = at(find_.Wet(Tmin_, kVapour));
        const WorldPoint critical = chart_.axes.Of(chart_.critical);
        chart_.scale = {std::fabs(vapour.x - liquid.x), std::fabs(critical.y - liquid.y)};
    }

    ChartData Build() &&
    {
        titles();
        saturation();
        for (double p : RoundSeries(kLowestIsobar * highest_, highest_, 3))
            isobar(p + chart_.axes.pressureZero);
        const double step = NiceStep(Tmax_ - Tmin_, kIsotherms);
        for (double T : StepsBetween(Tmin_, Tmax_, step / 2))
            isotherm(T, std::fmod(std::fabs(T), step) > step / 4);
        for (int k = 1; k <= kDrynessLines; ++k)
            dryness(k / 10.0);
        if (chart_.axes.kind != ChartKind::kHs)
            isochores();
        extent();
        return std::move(chart_);
    }

private:
    WorldPoint at(const std::optional<FoundState>& found) const
    {
        return found ? chart_.axes.Of(found->state) : Break();
    }

    std::vector<WorldPoint> sample(const LineFunction& f, double t0, double t1) const
    {
        return SampleLine(f, t0, t1, kSteps, chart_.scale);
    }

    void add(LineFamily family, double value, const QString& label, std::vector<WorldPoint> points,
             bool minor = false)
    {
        if (std::ranges::any_of(points, IsPoint))
            chart_.lines.push_back({family, value, label, std::move(points), minor});
    }

    // Log of the absolute pressure, the parameter along isotherms.
    double logAbsolute(double p) const { return std::log(p - chart_.axes.pressureZero); }
    double pressure(double u) const { return std::exp(u) + chart_.axes.pressureZero; }

    void titles()
    {
        const QString entropy = QStringLiteral("エントロピ s ") + EntroUnitText();
        const QString enthalpy = QStringLiteral("エンタルピ h ") + EnthalUnitText();
        switch (chart_.axes.kind) {
        case ChartKind::kHs:
            chart_.xTitle = entropy;
            chart_.yTitle = enthalpy;
            break;
        case ChartKind::kTs:
            chart_.xTitle = entropy;
            chart_.yTitle = QStringLiteral("温度 T ") + TempUnitText();
            break;
        case ChartKind::kPh:
            chart_.xTitle = enthalpy;
            chart_.yTitle = QStringLiteral("圧力 p ") + PressUnitText();
            break;
        }
    }

    // Liquid line up to the critical point, vapour line back down.
    void saturation()
    {
        const double Tc = chart_.critical.T;
        std::vector<WorldPoint> points = sample([this](double T) { return at(find_.Wet(T, kLiquid)); }, Tmin_, Tc);
        append(points, sample([this](double T) { return at(find_.Wet(T, kVapour)); }, Tc, Tmin_));
        add(LineFamily::kSaturation, 0.0, QString(), std::move(points));
    }

    // Below the critical pressure the liquid part ends and the vapour part starts at Tsat; between them the isobar
    // crosses the dome as a straight line on every chart.
    void isobar(double p)
    {
        const QString label = NumberText(p) + ' ' + UnitName(UnitQuantity::Pressure);
        const auto single = [this, p](double T) { return at(find_.Single(T, p)); };
        const double Ts = engine_.STM_sTp(p);
        if (Ts == EngineErrorValue) {
            add(LineFamily::kIsobar, p, label, sample(single, Tmin_, Tmax_));
            return;
        }
        std::vector<WorldPoint> points = sample(single, Tmin_, Ts);
        const auto vapour = [&](double T) { return T <= Ts ? at(find_.Wet(Ts, kVapour)) : single(T); };
        append(points, sample(vapour, Ts, Tmax_));
        add(LineFamily::kIsobar, p, label, std::move(points));
    }

    // From the lowest isobar's pressure up: vapour to psat(T), liquid above. Inside the dome an isotherm is an
    // isobar too; the h–s chart leaves it to the isobars there.
    void isotherm(double T, bool minor)
    {
        const QString label = NumberText(T) + ' ' + UnitName(UnitQuantity::Temperature);
        const double lo = std::log(kLowestIsobar * highest_);
        const double hi = std::log(highest_);
        const auto single = [this, T](double u) { return at(find_.Single(T, pressure(u))); };
        const double psat = engine_.STM_sPt(T);
        if (psat == EngineErrorValue) {
            add(LineFamily::kIsotherm, T, label, sample(single, lo, hi), minor);
            return;
        }
        const double uSat = logAbsolute(psat);
        std::vector<WorldPoint> points;
        if (uSat > lo) {
            const auto vapour = [&](double u) { return u >= uSat ? at(find_.Wet(T, kVapour)) : single(u); };
            points = sample(vapour, lo, uSat);
            if (chart_.axes.kind == ChartKind::kHs)
                points.push_back(Break());
        }
        append(points, sample(single, std::max(lo, uSat), hi));
        add(LineFamily::kIsotherm, T, label, std::move(points), minor);
    }

    void dryness(double x)
    {
        const auto f = [this, x](double T) { return at(find_.Wet(T, 1.0 - x)); };
        add(LineFamily::kDryness, x, QStringLiteral("x=") + NumberText(x), sample(f, Tmin_, chart_.critical.T));
    }

    // Decades of the specific volume (or density) in the unit shown, on the vapour side of the critical volume.
    void isochores()
    {
        const bool density = IsDensityUnit(Module1::DensityUnit);
        const double factor = Module1::DensityFactor;  // shown = factor * the engine's value
        const double critical = factor * engine_.STM_sDtx(chart_.critical.T, kLiquid);
        const double loosest = factor * engine_.STM_nDtp(Tmax_, pressure(std::log(kLowestIsobar * highest_)));
        const double lo = density ? loosest : kIsochoreAboveCritical * critical;
        const double hi = density ? critical / kIsochoreAboveCritical : loosest;
        const QString unit = UnitName(UnitQuantity::Volume);
        const double lowest = kLowestIsobar * highest_;
        for (double shown : RoundSeries(lo, hi, 1)) {
            const double v = shown / factor;
            // Down to the lowest isobar, like the other lines.
            const auto f = [this, v, density, lowest](double T) {
                const std::optional<FoundState> found = find_.FromTv(T, v, density);
                return found && found->state.p - chart_.axes.pressureZero >= lowest ? at(found) : Break();
            };
            add(LineFamily::kIsochore, v, NumberText(shown) + ' ' + unit, sample(f, Tmin_, Tmax_));
        }
    }

    void extent()
    {
        WorldRect& e = chart_.extent;
        e = {HUGE_VAL, -HUGE_VAL, HUGE_VAL, -HUGE_VAL};
        for (const ChartLine& line : chart_.lines) {
            for (const WorldPoint& p : line.points) {
                if (!IsPoint(p))
                    continue;
                e = {std::min(e.left, p.x), std::max(e.right, p.x), std::min(e.bottom, p.y), std::max(e.top, p.y)};
            }
        }
        const double dx = kPadding * e.Width();
        const double dy = kPadding * e.Height();
        e = {e.left - dx, e.right + dx, e.bottom - dy, e.top + dy};
    }

    PropertyEngine& engine_;
    StateFinder find_;
    ChartData chart_;
    double Tmin_ = 0.0;
    double Tmax_ = 0.0;
    double highest_ = 0.0;  // the highest pressure above absolute zero, in the current unit
};

}  // namespace

ChartData BuildChart(ChartKind kind, PropertyEngine& engine) { return ChartBuilder(kind, engine).Build(); }

bool ShowsMinorLines(const ChartData& chart, const WorldRect& view)
{
    return view.Width() < 0.5 * chart.extent.Width() || view.Height() < 0.5 * chart.extent.Height();
}

std::vector<WorldPoint> ProcessLine(const ChartData& chart, const ChartStates& states, const ChartProcess& process,
                                    PropertyEngine& engine)
{
    const ChartState& a = states.states.at(process.from);
    const ChartState& b = states.states.at(process.to);
    const StateFinder find(engine);
    const ChartAxes& axes = chart.axes;
    const auto world = [&axes](const std::optional<FoundState>& found) {
        return found ? axes.Of(found->state) : Break();
    };
    // Pressures between the two ends, evenly in log p.
    const auto pressure = [&axes, &a, &b](double t) {
        const double lo = std::log(a.p - axes.pressureZero);
        const double hi = std::log(b.p - axes.pressureZero);
        return std::exp(lo + t * (hi - lo)) + axes.pressureZero;
    };
    LineFunction f;
    switch (process.path) {
    case ProcessPath::kConstantPressure:
        f = [&](double t) { return world(find.FromPh(a.p, a.h + t * (b.h - a.h))); };
        break;
    case ProcessPath::kConstantEnthalpy:
        f = [&](double t) { return world(find.FromPh(pressure(t), a.h)); };
        break;
    case ProcessPath::kConstantEntropy:
        f = [&](double t) { return world(find.FromPs(pressure(t), a.s)); };
        break;
    case ProcessPath::kStraightHs:
        f = [&](double t) { return world(find.FromHs(a.h + t * (b.h - a.h), a.s + t * (b.s - a.s))); };
        break;
    }
    std::vector<WorldPoint> points = SampleLine(f, 0.0, 1.0, kProcessSteps, chart.scale);
    // The ends are the published states themselves.
    if (!points.empty() && IsPoint(points.front()))
        points.front() = axes.Of(a);
    if (!points.empty() && IsPoint(points.back()))
        points.back() = axes.Of(b);
    return points;
}

ChartOverlay OverlayOf(const ChartData& chart, const ChartStates& states, PropertyEngine& engine)
{
    ChartOverlay overlay;
    for (const ChartState& state : states.states)
        overlay.markers.push_back(chart.axes.Of(state));
    for (const ChartProcess& process : states.processes)
        overlay.processes.push_back(ProcessLine(chart, states, process, engine));
    return overlay;
}
