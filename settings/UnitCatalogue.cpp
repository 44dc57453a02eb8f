#include "settings/UnitCatalogue.h"

#include "engine/seam/PropertyEngine.h"
#include "forms/common/Messages.h"
#include "settings/Module1.h"

namespace {

// Lowest and highest code of each quantity; the label tables start at the lowest.
constexpr int16_t kTempFirst = 1, kTempLast = 3, kTempDefault = 2;
constexpr int16_t kPressFirst = 11, kPressLast = 21, kPressDefault = 12;
constexpr int16_t kEnthalFirst = 31, kEnthalLast = 33, kEnthalDefault = 32;
constexpr int16_t kEntroFirst = 51, kEntroLast = 53, kEntroDefault = 52;
constexpr int16_t kDensityFirst = 71, kDensityLast = 74, kDensityDefault = 71;

constexpr double kCubicFeetPerCubicMetre = 35.3147;
constexpr double kPoundsPerKilogram = 2.20462;

// The names as the units dialog lists them; the label texts are the same names in brackets.
const QStringList& tempNames()
{
    static const QStringList names{QStringLiteral("Ｋ"), QStringLiteral("℃"), QStringLiteral("Ｆ")};
    return names;
}

const QStringList& pressNames()
{
    static const QStringList names{
        QStringLiteral("Pa"),   QStringLiteral("MPa"),  QStringLiteral("Kg/cm2"), QStringLiteral("Kg/cm2G"),
        QStringLiteral("mmHg"), QStringLiteral("mmHgG"), QStringLiteral("atm"),   QStringLiteral("atmG"),
        QStringLiteral("mmbar"), QStringLiteral("Pe"),  QStringLiteral("MPe"),
    };
    return names;
}

const QStringList& enthalNames()
{
    static const QStringList names{QStringLiteral("J/Kg"), QStringLiteral("KJ/Kg"), QStringLiteral("Kcal/Kg")};
    return names;
}

const QStringList& entroNames()
{
    static const QStringList names{QStringLiteral("J/KgK"), QStringLiteral("KJ/KgK"), QStringLiteral("Kcal/KgK")};
    return names;
}

const QStringList& densityNames()
{
    static const QStringList names{QStringLiteral("m3/Kg"), QStringLiteral("Kg/m3"), QStringLiteral("ft3/lb"),
                                   QStringLiteral("lb/ft3")};
    return names;
}

template <size_t N>
void fillLabels(std::array<QString, N>& table, const QStringList& names)
{
    for (size_t i = 0; i < N; ++i)
        table[i] = QLatin1Char('[') + names[static_cast<qsizetype>(i)] + QLatin1Char(']');
}

void keepInRange(int16_t& code, int16_t first, int16_t last, int16_t fallback)
{
    if (code < first || code > last)
        code = fallback;
}

template <size_t N>
QString labelOf(const std::array<QString, N>& table, int16_t code, int16_t first)
{
    const int slot = code - first;
    return slot >= 0 && static_cast<size_t>(slot) < N ? table[static_cast<size_t>(slot)] : QString();
}

void reportRefusal(int16_t accepted, const QString& quantity)
{
    if (accepted == 0)
        MsgBox(QStringLiteral("単位設定 Error on ") + quantity, MsgBoxStyle::OkOnly, AppTitle);
}

}  // namespace

void FillUnitLabels()
{
    fillLabels(Module1::TempUnitLabels, tempNames());
    fillLabels(Module1::PressUnitLabels, pressNames());
    fillLabels(Module1::EnthalUnitLabels, enthalNames());
    fillLabels(Module1::EntroUnitLabels, entroNames());
    fillLabels(Module1::DensityUnitLabels, densityNames());
}

void ReplaceInvalidUnits()
{
    keepInRange(Module1::TempUnit, kTempFirst, kTempLast, kTempDefault);
    keepInRange(Module1::PressUnit, kPressFirst, kPressLast, kPressDefault);
    keepInRange(Module1::EnthalUnit, kEnthalFirst, kEnthalLast, kEnthalDefault);
    keepInRange(Module1::EntroUnit, kEntroFirst, kEntroLast, kEntroDefault);
    keepInRange(Module1::DensityUnit, kDensityFirst, kDensityLast, kDensityDefault);
}

void HandUnitsToEngine()
{
    PropertyEngine& engine = Engine();
    reportRefusal(engine.STM_SetTempUnit(Module1::TempUnit), QStringLiteral("温度"));
    reportRefusal(engine.STM_SetPressUnit(Module1::PressUnit), QStringLiteral("圧力"));
    reportRefusal(engine.STM_SetEnthalUnit(Module1::EnthalUnit), QStringLiteral("エンタルピ"));
    reportRefusal(engine.STM_SetEntroUnit(Module1::EntroUnit), QStringLiteral("エントロピ"));

    // The Anglo-American units: the engine works in the metric one and the report scales.
    int32_t engineDensityUnit = Module1::DensityUnit;
    double factor = 1.0;
    switch (Module1::DensityUnit) {
    case 73:
        engineDensityUnit = 71;
        factor = kCubicFeetPerCubicMetre / kPoundsPerKilogram;
        break;
    case 74:
        engineDensityUnit = 72;
        factor = kPoundsPerKilogram / kCubicFeetPerCubicMetre;
        break;
    default:
        break;
    }
    Module1::DensityFactor = factor;
    reportRefusal(engine.STM_SetDensityUnit(engineDensityUnit), QStringLiteral("比容積"));
}

QString TempUnitText() { return labelOf(Module1::TempUnitLabels, Module1::TempUnit, kTempFirst); }
QString PressUnitText() { return labelOf(Module1::PressUnitLabels, Module1::PressUnit, kPressFirst); }
QString EnthalUnitText() { return labelOf(Module1::EnthalUnitLabels, Module1::EnthalUnit, kEnthalFirst); }
QString EntroUnitText() { return labelOf(Module1::EntroUnitLabels, Module1::EntroUnit, kEntroFirst); }
QString DensityUnitText() { return labelOf(Module1::DensityUnitLabels, Module1::DensityUnit, kDensityFirst); }

QString DrynessBasisCaption(int16_t basis)
{
    switch (basis) {
    case 0:
        return QStringLiteral("ＳＢＶ");
    case 1:
        return QStringLiteral("ＳＢＷ");
    default:
        return {};
    }
}

QStringList TempUnitEntries() { return tempNames(); }
QStringList PressUnitEntries() { return pressNames(); }
QStringList EnthalUnitEntries() { return enthalNames(); }
QStringList EntroUnitEntries() { return entroNames(); }
QStringList DensityUnitEntries() { return densityNames(); }
QStringList DrynessBasisEntries() { return {QStringLiteral("SBV"), QStringLiteral("SBW")}; }
