// SPDX-License-Identifier: MIT
#include "cli/WindowCalculation.h"

#include "forms/common/LeadingNumber.h"
#include "forms/heat/HeatContentCalculation.h"
#include "forms/isentropic/IsentropicCalculation.h"
#include "forms/main/PropertyCalculation.h"
#include "forms/main/PropertyList.h"
#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

struct ValueColumn {
    QString symbol;
    std::optional<UnitQuantity> unit;  // none for a dryness
};

// Main window columns, in the order of the report's quantities.
enum MainColumn { P, T, Ts, H, HLiquid, HVapour, S, SLiquid, SVapour, V, VLiquid, VVapour, MainColumnCount };

const std::vector<ValueColumn>& mainColumns()
{
    using enum UnitQuantity;
    static const std::vector<ValueColumn> columns{
        {QStringLiteral("P"), Pressure},    {QStringLiteral("T"), Temperature}, {QStringLiteral("Ts"), Temperature},
        {QStringLiteral("h"), Enthalpy},    {QStringLiteral("h'"), Enthalpy},   {QStringLiteral("h''"), Enthalpy},
        {QStringLiteral("s"), Entropy},     {QStringLiteral("s'"), Entropy},    {QStringLiteral("s''"), Entropy},
        {QStringLiteral("v"), Volume},      {QStringLiteral("v'"), Volume},     {QStringLiteral("v''"), Volume},
    };
    return columns;
}

enum HeatColumn { TRef, HRef, SRef, VRef, TSet, HSet, SSet, VSet, HeatColumnCount };

const std::vector<ValueColumn>& heatColumns()
{
    using enum UnitQuantity;
    static const std::vector<ValueColumn> columns{
        {QStringLiteral("T_ref"), Temperature}, {QStringLiteral("h_ref"), Enthalpy},
        {QStringLiteral("s_ref"), Entropy},     {QStringLiteral("v_ref"), Volume},
        {QStringLiteral("T_set"), Temperature}, {QStringLiteral("h_set"), Enthalpy},
        {QStringLiteral("s_set"), Entropy},     {QStringLiteral("v_set"), Volume},
    };
    return columns;
}

// Inlet, isentropic outlet, actual outlet (T is Ts when wet; x only when wet), then the two enthalpy drops.
enum IsentropicColumn { Inlet = 0, Outlet2s = 4, Outlet2 = 9, Drop2s = 14, Drop2, IsentropicColumnCount };

const std::vector<ValueColumn>& isentropicColumns()
{
    using enum UnitQuantity;
    static const std::vector<ValueColumn> columns{
        {QStringLiteral("T1"), Temperature},  {QStringLiteral("h1"), Enthalpy},
        {QStringLiteral("s1"), Entropy},      {QStringLiteral("v1"), Volume},
        {QStringLiteral("T2s"), Temperature}, {QStringLiteral("h2s"), Enthalpy},
        {QStringLiteral("s2s"), Entropy},     {QStringLiteral("v2s"), Volume},
        {QStringLiteral("x2s"), std::nullopt}, {QStringLiteral("T2"), Temperature},
        {QStringLiteral("h2"), Enthalpy},     {QStringLiteral("s2"), Entropy},
        {QStringLiteral("v2"), Volume},       {QStringLiteral("x2"), std::nullopt},
        {QStringLiteral("h1-h2s"), Enthalpy}, {QStringLiteral("h1-h2"), Enthalpy},
    };
    return columns;
}

const std::vector<ValueColumn>& columnsOf(CalcWindow window)
{
    switch (window) {
    case CalcWindow::Main: return mainColumns();
    case CalcWindow::HeatContent: return heatColumns();
    case CalcWindow::Isentropic:
    case CalcWindow::Properties: break;  // the property list's columns are its properties
    }
    return isentropicColumns();
}

QString caseName(CalculationCase calculationCase)
{
    switch (calculationCase) {
    case CalculationCase::None:
        break;
    case CalculationCase::SaturationByPressure:
        return QStringLiteral("saturation-by-pressure");
    case CalculationCase::SaturationByTemperature:
        return QStringLiteral("saturation-by-temperature");
    case CalculationCase::PressureTemperature:
        return QStringLiteral("pressure-temperature");
    case CalculationCase::PressureEnthalpy:
        return QStringLiteral("pressure-enthalpy");
    case CalculationCase::PressureDryness:
        return QStringLiteral("pressure-dryness");
    case CalculationCase::TemperatureDryness:
        return QStringLiteral("temperature-dryness");
    }
    return QStringLiteral("none");
}

QString phaseName(Phase phase)
{
    switch (phase) {
    case Phase::None:
        break;
    case Phase::CompressedWater:
        return QStringLiteral("compressed-water");
    case Phase::WetSteam:
        return QStringLiteral("wet-steam");
    case Phase::SuperheatedSteam:
        return QStringLiteral("superheated-steam");
    }
    return {};
}

// The numbers of a saturation report.
void takeSaturation(const SaturationState& state, std::vector<std::optional<double>>& values)
{
    const double factor = Module1::DensityFactor;
    values[P] = state.P;
    values[Ts] = state.Ts;
    values[HLiquid] = state.hLiquid;
    values[HVapour] = state.hVapour;
    values[SLiquid] = state.sLiquid;
    values[SVapour] = state.sVapour;
    values[VLiquid] = factor * state.vLiquid;
    values[VVapour] = factor * state.vVapour;
}

// The numbers of a single state's report; without a phase the report leaves out P and T.
void takeState(const PhaseState& state, std::vector<std::optional<double>>& values)
{
    if (state.phase != Phase::None) {
        values[P] = state.P;
        values[state.phase == Phase::WetSteam ? Ts : T] = state.T;
    }
    values[H] = state.h;
    values[S] = state.s;
    values[V] = Module1::DensityFactor * state.v;
}

// Empties a result for a window with this many reported numbers, keeping its storage.
void reset(WindowResult& result, size_t values)
{
    result.message.clear();
    result.report.clear();
    result.calculationCase = QStringLiteral("none");
    result.phases.clear();
    result.values.assign(values, std::nullopt);
    result.chart = {};
}

void calculateMain(const FieldValues& fields, PropertyEngine& engine, ReportText text, WindowResult& result)
{
    reset(result, MainColumnCount);
    const CalculationCase calculationCase =
        Classify({fields[0].filled, fields[1].filled, fields[2].filled, fields[3].filled});
    const CalculationOutcome outcome = CalculateCase(
        calculationCase, {fields[0].value, fields[1].value, fields[2].value, fields[3].value}, engine, text);
    result.message = outcome.message;
    result.report = outcome.report;
    result.calculationCase = caseName(calculationCase);
    if (text == ReportText::Build)
        result.chart = ChartStatesOf(outcome);
    if (outcome.saturation)
        takeSaturation(*outcome.saturation, result.values);
    if (outcome.state) {
        result.phases << phaseName(outcome.state->phase);
        takeState(*outcome.state, result.values);
    }
}

// Every property of the state, each number in the column of its property.
WindowResult calculateProperties(const QStringList& texts, PropertyEngine& engine, ReportText text)
{
    const PropertyList list = ListProperties(texts, engine);
    WindowResult result;
    result.message = list.message;
    if (text == ReportText::Build)
        result.report = PropertyReport(list.rows);
    result.calculationCase = caseName(list.calculationCase);
    result.phases = {phaseName(list.phase)};
    result.values.resize(kPropertyCount);
    for (const PropertyRow& row : list.rows)
        result.values[static_cast<size_t>(row.property)] = row.value;
    return result;
}

QString heatPhaseName(SetPhase phase)
{
    switch (phase) {
    case SetPhase::CompressedWater:
        return QStringLiteral("compressed-water");
    case SetPhase::Saturated:
        return QStringLiteral("wet-steam");
    case SetPhase::Superheated:
        return QStringLiteral("superheated-steam");
    }
    return {};
}

void calculateHeat(const FieldValues& fields, PropertyEngine& engine, ReportText text, WindowResult& result)
{
    reset(result, HeatColumnCount);
    // The window stops without a message while any box is empty.
    for (size_t field = 0; field < 3; ++field)
        if (!fields[field].filled)
            return;

    const HeatContentInputs inputs{fields[0].value, fields[1].value, fields[2].value};
    const HeatContentOutcome outcome = CalculateHeatContent(inputs, engine, text);
    result.calculationCase = QStringLiteral("constant-enthalpy");
    result.message = outcome.message;
    result.report = outcome.report;
    if (!outcome.message.isEmpty())
        return;

    result.phases << heatPhaseName(outcome.phase);
    if (text == ReportText::Build)
        result.chart = ChartStatesOf(inputs, outcome);
    const double factor = Module1::DensityFactor;
    result.values[TRef] = outcome.reference.T;
    result.values[HRef] = outcome.reference.h;
    result.values[SRef] = outcome.reference.s;
    result.values[VRef] = factor * outcome.reference.v;
    result.values[TSet] = outcome.set.T;
    result.values[HSet] = outcome.set.h;
    result.values[SSet] = outcome.set.s;
    result.values[VSet] = factor * outcome.set.v;
}

// T, h, s, v and the dryness of one state from its first column on.
void takePoint(const IsentropicPoint& point, size_t first, std::vector<std::optional<double>>& values)
{
    values[first] = point.T;
    values[first + 1] = point.h;
    values[first + 2] = point.s;
    values[first + 3] = Module1::DensityFactor * point.v;
    if (first != Inlet)
        values[first + 4] = point.dryness;
}

void calculateIsentropic(const FieldValues& fields, PropertyEngine& engine, ReportText text, WindowResult& result)
{
    reset(result, IsentropicColumnCount);
    std::array<std::optional<double>, 4> boxes;
    for (size_t field = 0; field < boxes.size(); ++field)
        if (fields[field].filled)
            boxes[field] = fields[field].value;
    const std::optional<IsentropicInputs> inputs = IsentropicInputsOf(boxes);
    if (!inputs)
        return;

    const IsentropicOutcome outcome = CalculateIsentropic(*inputs, engine, text);
    result.calculationCase = QStringLiteral("isentropic");
    result.message = outcome.message;
    result.report = outcome.report;
    if (!outcome.result)
        return;

    const IsentropicResult& states = *outcome.result;
    if (text == ReportText::Build)
        result.chart = ChartStatesOf(outcome);
    result.phases << phaseName(states.isentropic.phase)
                  << (states.actual ? phaseName(states.actual->phase) : QString());
    takePoint(states.inlet, Inlet, result.values);
    takePoint(states.isentropic, Outlet2s, result.values);
    if (states.actual)
        takePoint(*states.actual, Outlet2, result.values);
    result.values[Drop2s] = states.IsentropicDrop();
    result.values[Drop2] = states.ActualDrop();
}

}  // namespace

QString FieldsName(CalcWindow window)
{
    switch (window) {
    case CalcWindow::Main:
    case CalcWindow::Properties: return QStringLiteral("the main window's fields");
    case CalcWindow::HeatContent: return QStringLiteral("the constant-enthalpy fields");
    case CalcWindow::Isentropic: break;
    }
    return QStringLiteral("the isentropic fields");
}

const std::vector<FieldName>& FieldsOf(CalcWindow window)
{
    static const std::vector<FieldName> mainFields{
        {QStringLiteral("pressure"), QStringLiteral("pressure"), QStringLiteral("p"),
         QStringLiteral("Pressure field text (main window)."), QStringLiteral("圧力")},
        {QStringLiteral("temperature"), QStringLiteral("temperature"), QStringLiteral("t"),
         QStringLiteral("Temperature field text (main window)."), QStringLiteral("温度")},
        {QStringLiteral("enthalpy"), QStringLiteral("enthalpy"), QStringLiteral("H"),
         QStringLiteral("Enthalpy field text (main window)."), QStringLiteral("エンタルピ")},
        {QStringLiteral("dryness"), QStringLiteral("dryness"), QStringLiteral("x"),
         QStringLiteral("Dryness field text, 0 to 1 (main window)."), QStringLiteral("乾き度")},
    };
    static const std::vector<FieldName> heatFields{
        {QStringLiteral("reference_pressure"), QStringLiteral("reference-pressure"), QString(),
         QStringLiteral("Reference pressure (constant-enthalpy window)."), QStringLiteral("基準圧力")},
        {QStringLiteral("reference_temperature"), QStringLiteral("reference-temperature"), QString(),
         QStringLiteral("Reference temperature (constant-enthalpy window)."), QStringLiteral("基準温度")},
        {QStringLiteral("set_pressure"), QStringLiteral("set-pressure"), QString(),
         QStringLiteral("Set pressure (constant-enthalpy window)."), QStringLiteral("設定圧力")},
    };
    static const std::vector<FieldName> isentropicFields{
        {QStringLiteral("inlet_pressure"), QStringLiteral("inlet-pressure"), QString(),
         QStringLiteral("Inlet pressure (isentropic window)."), QStringLiteral("基準圧力")},
        {QStringLiteral("inlet_temperature"), QStringLiteral("inlet-temperature"), QString(),
         QStringLiteral("Inlet temperature (isentropic window)."), QStringLiteral("基準温度")},
        {QStringLiteral("outlet_pressure"), QStringLiteral("outlet-pressure"), QString(),
         QStringLiteral("Outlet pressure (isentropic window)."), QStringLiteral("設定圧力")},
        {QStringLiteral("efficiency"), QStringLiteral("efficiency"), QString(),
         QStringLiteral("Efficiency in per cent, optional (isentropic window)."), QStringLiteral("効率")},
    };
    switch (window) {
    case CalcWindow::Main:
    case CalcWindow::Properties: return mainFields;
    case CalcWindow::HeatContent: return heatFields;
    case CalcWindow::Isentropic: break;
    }
    return isentropicFields;
}

const QStringList& PhaseColumnsOf(CalcWindow window)
{
    static const QStringList one{QStringLiteral("phase")};
    static const QStringList outlets{QStringLiteral("phase_2s"), QStringLiteral("phase_2")};
    return window == CalcWindow::Isentropic ? outlets : one;
}

const QStringList& ValueSymbolsOf(CalcWindow window)
{
    static const auto symbols = [](const std::vector<ValueColumn>& columns) {
        QStringList list;
        for (const ValueColumn& column : columns)
            list << column.symbol;
        return list;
    };
    static const QStringList propertyColumns = [] {
        QStringList list;
        for (size_t i = 0; i < kPropertyCount; ++i)
            list << PropertyColumn(static_cast<Property>(i));
        return list;
    }();
    static const QStringList lists[] = {symbols(mainColumns()), symbols(heatColumns()), symbols(isentropicColumns()),
                                        propertyColumns};
    return lists[static_cast<size_t>(window)];
}

QStringList ValueUnitsOf(CalcWindow window)
{
    QStringList units;
    if (window == CalcWindow::Properties) {
        for (size_t i = 0; i < kPropertyCount; ++i)
            units << PropertyUnit(static_cast<Property>(i));
        return units;
    }
    for (const ValueColumn& column : columnsOf(window))
        units << (column.unit ? UnitText(*column.unit) : QString());
    return units;
}

WindowResult CalculateWindow(CalcWindow window, const QStringList& texts, PropertyEngine& engine, ReportText text)
{
    if (window == CalcWindow::Properties)
        return calculateProperties(texts, engine, text);
    FieldValues fields;
    for (qsizetype field = 0; field < std::min(texts.size(), static_cast<qsizetype>(kMostFields)); ++field)
        fields[static_cast<size_t>(field)] = {!texts[field].isEmpty(), LeadingNumber(texts[field])};
    WindowResult result;
    CalculateWindow(window, fields, engine, text, result);
    return result;
}

void CalculateWindow(CalcWindow window, const FieldValues& fields, PropertyEngine& engine, ReportText text,
                     WindowResult& result)
{
    switch (window) {
    case CalcWindow::Main: return calculateMain(fields, engine, text, result);
    case CalcWindow::HeatContent: return calculateHeat(fields, engine, text, result);
    case CalcWindow::Properties: break;  // reads texts
    case CalcWindow::Isentropic: return calculateIsentropic(fields, engine, text, result);
    }
}
