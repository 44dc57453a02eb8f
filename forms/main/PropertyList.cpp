// SPDX-License-Identifier: MIT
#include "forms/main/PropertyList.h"

#include "forms/common/LeadingNumber.h"
#include "forms/common/ReportLine.h"
#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"

#include <QLatin1Char>

#include <initializer_list>
#include <utility>

namespace {

// Wetness arguments of the saturation functions.
constexpr double kLiquid = 1.0;
constexpr double kVapour = 0.0;

// What a row's number means. The engine's own units for the first four; specific volumes and densities in the
// pair of units the current volume unit belongs to; the rest in fixed units that show at least seven
// significant digits in the report's number field over the whole range.
enum class Unit {
    Pressure,
    Temperature,
    Enthalpy,
    Entropy,  // also the heat capacities
    Volume,
    Density,
    Speed,               // m/s
    Ratio,               // dimensionless
    Viscosity,           // uPa s, from the engine's Pa s
    KinematicViscosity,  // mm2/s, from m2/s
    Conductivity,        // mW/(m K), from W/(m K)
    SurfaceTension,      // mN/m, from N/m
};

struct Entry {
    QString column;
    QString label;
    Unit unit;
};

// Indexed by Property.
const std::vector<Entry>& catalogue()
{
    using U = Unit;
    static const std::vector<Entry> entries{
        {"P", ReportLabel::Pressure, U::Pressure},
        {"T", QStringLiteral(" 温度          T   = "), U::Temperature},
        {"Ts", ReportLabel::SaturationTemperature, U::Temperature},
        {"x", QStringLiteral(" 乾き度        x   = "), U::Ratio},
        {"h", QStringLiteral(" 比エンタルピ  h   = "), U::Enthalpy},
        {"h'", QStringLiteral(" 比エンタルピ  h'  = "), U::Enthalpy},
        {"h''", ReportLabel::EnthalpyVapour, U::Enthalpy},
        {"s", QStringLiteral(" 比エントロピ  s   = "), U::Entropy},
        {"s'", QStringLiteral(" 比エントロピ  s'  = "), U::Entropy},
        {"s''", ReportLabel::EntropyVapour, U::Entropy},
        {"v", ReportLabel::Volume, U::Volume},
        {"v'", ReportLabel::VolumeLiquid, U::Volume},
        {"v''", ReportLabel::VolumeVapour, U::Volume},
        {"rho", QStringLiteral(" 密度          rho = "), U::Density},
        {"rho'", QStringLiteral(" 密度          rho'= "), U::Density},
        {"rho''", QStringLiteral("              rho''= "), U::Density},
        {"u", QStringLiteral(" 比内部エネルギ u  = "), U::Enthalpy},
        {"u'", QStringLiteral(" 比内部エネルギ u' = "), U::Enthalpy},
        {"u''", QStringLiteral("                u''= "), U::Enthalpy},
        {"cp", QStringLiteral(" 定圧比熱      cp  = "), U::Entropy},
        {"cv", QStringLiteral(" 定容比熱      cv  = "), U::Entropy},
        {"w", QStringLiteral(" 音速          w   = "), U::Speed},
        {"kappa", QStringLiteral(" 等エントロピ指数  = "), U::Ratio},
        {"mu", QStringLiteral(" 粘度          mu  = "), U::Viscosity},
        {"mu'", QStringLiteral(" 粘度          mu' = "), U::Viscosity},
        {"mu''", QStringLiteral("               mu''= "), U::Viscosity},
        {"nu", QStringLiteral(" 動粘度        nu  = "), U::KinematicViscosity},
        {"nu'", QStringLiteral(" 動粘度        nu' = "), U::KinematicViscosity},
        {"nu''", QStringLiteral("               nu''= "), U::KinematicViscosity},
        {"lambda", QStringLiteral(" 熱伝導率      lam = "), U::Conductivity},
        {"lambda'", QStringLiteral(" 熱伝導率      lam'= "), U::Conductivity},
        {"lambda''", QStringLiteral("              lam''= "), U::Conductivity},
        {"Pr", QStringLiteral(" プラントル数  Pr  = "), U::Ratio},
        {"sigma", QStringLiteral(" 表面張力      sig = "), U::SurfaceTension},
    };
    return entries;
}

const Entry& entryOf(Property property) { return catalogue().at(static_cast<size_t>(property)); }

// The specific-volume and density units of the current volume unit's pair: m3/Kg with Kg/m3, ft3/lb with lb/ft3.
std::pair<const UnitChoice&, const UnitChoice&> volumeAndDensityUnits()
{
    const bool imperial = Module1::DensityUnit == 73 || Module1::DensityUnit == 74;
    return {*kVolumeUnits.Find(imperial ? 73 : 71), *kVolumeUnits.Find(imperial ? 74 : 72)};
}

QString unitText(Unit unit)
{
    switch (unit) {
    case Unit::Pressure: return PressUnitText();
    case Unit::Temperature: return TempUnitText();
    case Unit::Enthalpy: return EnthalUnitText();
    case Unit::Entropy: return EntroUnitText();
    case Unit::Volume: return LabelOf(volumeAndDensityUnits().first);
    case Unit::Density: return LabelOf(volumeAndDensityUnits().second);
    case Unit::Speed: return QStringLiteral("[m/s]");
    case Unit::Ratio: break;  // no unit: the line ends with its number
    case Unit::Viscosity: return QStringLiteral("[μPa s]");
    case Unit::KinematicViscosity: return QStringLiteral("[mm2/s]");
    case Unit::Conductivity: return QStringLiteral("[mW/mK]");
    case Unit::SurfaceTension: return QStringLiteral("[mN/m]");
    }
    return {};
}

// The specific volume in m3/kg of what the engine gives in its volume unit: a specific volume or a density.
double cubicMetresPerKg(double engineVolume)
{
    return IsDensityUnit(Module1::DensityUnit) ? 1 / engineVolume : engineVolume;
}

// An engine result in the row's unit. Volume and density rows take the engine's volume result.
double shown(Unit unit, double engineValue)
{
    switch (unit) {
    case Unit::Volume: return cubicMetresPerKg(engineValue) * volumeAndDensityUnits().first.factor;
    case Unit::Density: return volumeAndDensityUnits().second.factor / cubicMetresPerKg(engineValue);
    case Unit::Viscosity:
    case Unit::KinematicViscosity: return 1e6 * engineValue;
    case Unit::Conductivity:
    case Unit::SurfaceTension: return 1e3 * engineValue;
    default: return engineValue;
    }
}

bool anyError(std::initializer_list<double> results)
{
    for (double result : results)
        if (result == EngineErrorValue)
            return true;
    return false;
}

// Rows in the order they are added; an engine refusal keeps its row, without a value.
class Rows {
public:
    void add(Property property, double engineValue) { add(property, engineValue, entryOf(property).label); }
    void add(Property property, double engineValue, const QString& label)
    {
        const Unit unit = entryOf(property).unit;
        std::optional<double> value;
        if (engineValue != EngineErrorValue)
            value = shown(unit, engineValue);
        rows_.push_back({property, label, value, unitText(unit)});
    }
    std::vector<PropertyRow> take() { return std::move(rows_); }

private:
    std::vector<PropertyRow> rows_;
};

// mu v from the engine's mu and volume result, or the refusal of either.
double kinematic(double mu, double engineVolume)
{
    return anyError({mu, engineVolume}) ? EngineErrorValue : mu * cubicMetresPerKg(engineVolume);
}

// Both saturated phases' viscosity, kinematic viscosity and conductivity at Ts, and the surface tension.
void addPhases(Rows& rows, PropertyEngine& engine, double Ts, double vLiquid, double vVapour)
{
    const double muLiquid = engine.STM_sMUtx(Ts, kLiquid);
    const double muVapour = engine.STM_sMUtx(Ts, kVapour);
    rows.add(Property::muLiquid, muLiquid);
    rows.add(Property::muVapour, muVapour);
    rows.add(Property::nuLiquid, kinematic(muLiquid, vLiquid));
    rows.add(Property::nuVapour, kinematic(muVapour, vVapour));
    rows.add(Property::lambdaLiquid, engine.STM_sLAMtx(Ts, kLiquid));
    rows.add(Property::lambdaVapour, engine.STM_sLAMtx(Ts, kVapour));
    rows.add(Property::sigma, engine.STM_sSIGt(Ts));
}

PropertyList failed(CalculationCase calculationCase, const QString& message)
{
    return {message, calculationCase, Phase::None, {}};
}

// Saturation at P and Ts: both phases.
PropertyList saturation(PropertyEngine& engine, CalculationCase calculationCase, double P, double Ts)
{
    const double hLiquid = engine.STM_sHtx(Ts, kLiquid);
    const double hVapour = engine.STM_sHtx(Ts, kVapour);
    const double sLiquid = engine.STM_sStx(Ts, kLiquid);
    const double sVapour = engine.STM_sStx(Ts, kVapour);
    const double vLiquid = engine.STM_sDtx(Ts, kLiquid);
    const double vVapour = engine.STM_sDtx(Ts, kVapour);
    if (anyError({P, Ts, hLiquid, hVapour, sLiquid, sVapour, vLiquid, vVapour}))
        return failed(calculationCase, calculationCase == CalculationCase::SaturationByPressure
                                           ? CalculationMessage::PressureOutOfRange
                                           : CalculationMessage::TemperatureOutOfRange);
    Rows rows;
    rows.add(Property::P, P);
    rows.add(Property::Ts, Ts);
    rows.add(Property::hLiquid, hLiquid);
    rows.add(Property::hVapour, hVapour);
    rows.add(Property::sLiquid, sLiquid);
    rows.add(Property::sVapour, sVapour);
    rows.add(Property::vLiquid, vLiquid);
    rows.add(Property::vVapour, vVapour);
    rows.add(Property::rhoLiquid, vLiquid);
    rows.add(Property::rhoVapour, vVapour);
    rows.add(Property::uLiquid, engine.STM_sUtx(Ts, kLiquid));
    rows.add(Property::uVapour, engine.STM_sUtx(Ts, kVapour));
    addPhases(rows, engine, Ts, vLiquid, vVapour);
    return {{}, calculationCase, Phase::None, rows.take()};
}

// A wet state at P and Ts with dryness x, its h, s and v (as the engine gives v) already known.
struct WetState {
    double P, Ts, x, h, s, v;
};

PropertyList wet(PropertyEngine& engine, CalculationCase calculationCase, const WetState& state)
{
    Rows rows;
    rows.add(Property::P, state.P);
    rows.add(Property::Ts, state.Ts);
    rows.add(Property::x, state.x);
    rows.add(Property::h, state.h);
    rows.add(Property::s, state.s);
    rows.add(Property::v, state.v);
    rows.add(Property::rho, state.v);
    rows.add(Property::u, engine.STM_sUtx(state.Ts, 1 - state.x));
    addPhases(rows, engine, state.Ts, engine.STM_sDtx(state.Ts, kLiquid), engine.STM_sDtx(state.Ts, kVapour));
    return {{}, calculationCase, Phase::WetSteam, rows.take()};
}

// A wet state from its dryness, at Ts = Tsat(P) or P = psat(Ts), as the main window's pressure-dryness case.
PropertyList wetByDryness(PropertyEngine& engine, CalculationCase calculationCase, double P, double Ts, double x)
{
    if (x < 0 || x > 1)
        return failed(calculationCase, CalculationMessage::DrynessOutOfRange);
    const double h = engine.STM_sHtx(Ts, 1 - x);
    const double s = engine.STM_sStx(Ts, 1 - x);
    const double v = WetVolume(engine, Ts, x);
    if (anyError({P, Ts, h, s, v}))
        return failed(calculationCase, calculationCase == CalculationCase::PressureDryness
                                           ? CalculationMessage::PressureOutOfRange
                                           : CalculationMessage::TemperatureOutOfRange);
    return wet(engine, calculationCase, {P, Ts, x, h, s, v});
}

// A single state at (T, P) with its enthalpy h; no phase above the critical pressure or on the saturation line.
PropertyList single(PropertyEngine& engine, CalculationCase calculationCase, double P, double T, double h,
                    const QString& message)
{
    const double Ts = engine.STM_sTp(P);
    const double s = engine.STM_nStp(T, P);
    const double v = engine.STM_nDtp(T, P);
    if (anyError({T, h, s, v}))
        return failed(calculationCase, message);
    const Phase phase = Ts == EngineErrorValue ? Phase::None
                        : T < Ts               ? Phase::CompressedWater
                        : T > Ts               ? Phase::SuperheatedSteam
                                               : Phase::None;
    Rows rows;
    rows.add(Property::P, P);
    rows.add(Property::T, T, phase == Phase::None ? entryOf(Property::T).label : TemperatureLabel(phase));
    rows.add(Property::h, h);
    rows.add(Property::s, s);
    rows.add(Property::v, v);
    rows.add(Property::rho, v);
    rows.add(Property::u, engine.STM_nUtp(T, P));
    rows.add(Property::cp, engine.STM_nCPtp(T, P));
    rows.add(Property::cv, engine.STM_nCVtp(T, P));
    rows.add(Property::w, engine.STM_nWtp(T, P));
    rows.add(Property::kappa, engine.STM_nKAPtp(T, P));
    rows.add(Property::mu, engine.STM_nMUtp(T, P));
    rows.add(Property::nu, engine.STM_nNUtp(T, P));
    rows.add(Property::lambda, engine.STM_nLAMtp(T, P));
    rows.add(Property::Pr, engine.STM_nPRtp(T, P));
    return {{}, calculationCase, phase, rows.take()};
}

// The main window's pressure-enthalpy state: wet steam, or the single state at its temperature.
PropertyList byEnthalpy(PropertyEngine& engine, double P, double h)
{
    constexpr CalculationCase kCase = CalculationCase::PressureEnthalpy;
    const QString& message = CalculationMessage::PressureOrEnthalpyOutOfRange;
    const EnthalpyState found = StateFromPressureEnthalpy(engine, P, h);
    const PhaseState& state = found.state;
    if (state.phase == Phase::None)
        return {{}, kCase, Phase::None, {}};
    if (found.refused)
        return failed(kCase, message);
    if (state.phase == Phase::WetSteam)
        return wet(engine, kCase, {P, state.T, 1 - found.wetness, h, state.s, state.v});
    return single(engine, kCase, P, state.T, h, message);
}

}  // namespace

CalculationCase ClassifyProperties(const std::array<bool, 4>& filled)
{
    const auto [P, T, h, x] = filled;
    if (!P && T && !h && x)
        return CalculationCase::TemperatureDryness;
    return Classify(filled);
}

PropertyList ListProperties(const QStringList& texts, PropertyEngine& engine)
{
    std::array<bool, 4> filled{};
    for (size_t i = 0; i < filled.size(); ++i)
        filled[i] = !texts.value(static_cast<qsizetype>(i)).isEmpty();
    const auto value = [&texts](qsizetype field) { return LeadingNumber(texts.value(field)); };
    const double P = value(0);
    const double T = value(1);
    switch (const CalculationCase calculationCase = ClassifyProperties(filled)) {
    case CalculationCase::None:
        break;
    case CalculationCase::SaturationByPressure:
        return saturation(engine, calculationCase, P, engine.STM_sTp(P));
    case CalculationCase::SaturationByTemperature:
        return saturation(engine, calculationCase, engine.STM_sPt(T), T);
    case CalculationCase::PressureTemperature:
        return single(engine, calculationCase, P, T, engine.STM_nHtp(T, P),
                      CalculationMessage::PressureOrTemperatureOutOfRange);
    case CalculationCase::PressureEnthalpy:
        return byEnthalpy(engine, P, value(2));
    case CalculationCase::PressureDryness:
        return wetByDryness(engine, calculationCase, P, engine.STM_sTp(P), value(3));
    case CalculationCase::TemperatureDryness:
        return wetByDryness(engine, calculationCase, engine.STM_sPt(T), T, value(3));
    }
    return {};
}

QString PropertyColumn(Property property) { return entryOf(property).column; }

QString PropertyUnit(Property property) { return unitText(entryOf(property).unit); }

namespace {

const QString kNoValue = QStringLiteral("範囲外");

// The number field's text, or kNoValue right-aligned in it (each of its characters two columns wide).
QString valueField(const std::optional<double>& value)
{
    return value ? NumberField(*value) : kNoValue.rightJustified(kNumberFieldWidth - kNoValue.size());
}

}  // namespace

QStringList PropertyReport(const std::vector<PropertyRow>& rows)
{
    QStringList lines;
    for (const PropertyRow& row : rows) {
        if (row.value)
            lines << ReportLine(row.label, *row.value, row.unit);
        else
            lines << row.label + valueField(row.value) + (row.unit.isEmpty() ? QString() : ' ' + row.unit);
    }
    return lines;
}

QString PropertyCopyText(const std::vector<PropertyRow>& rows)
{
    QString text;
    for (const PropertyRow& row : rows) {
        QString label = row.label.simplified();
        label.chop(1);  // the "="
        text += label.trimmed() + QLatin1Char('\t') + valueField(row.value).trimmed() + QLatin1Char('\t') + row.unit
                + QLatin1Char('\n');
    }
    return text;
}
