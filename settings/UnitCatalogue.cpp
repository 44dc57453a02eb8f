// SPDX-License-Identifier: MIT
#include "settings/UnitCatalogue.h"

#include "forms/common/Messages.h"
#include "settings/Module1.h"

namespace {

constexpr bool quantitiesInOrder()
{
    for (size_t i = 0; i < kQuantities.size(); ++i)
        if (kQuantities[i]->quantity != static_cast<UnitQuantity>(i))
            return false;
    return true;
}
static_assert(quantitiesInOrder(), "UnitsOf() finds a quantity by its place");

// Module1's label table of a unit, in the order of the quantity's table.
std::span<QString> labelTable(UnitQuantity quantity)
{
    switch (quantity) {
    case UnitQuantity::Temperature:
        return Module1::TempUnitLabels;
    case UnitQuantity::Pressure:
        return Module1::PressUnitLabels;
    case UnitQuantity::Enthalpy:
        return Module1::EnthalUnitLabels;
    case UnitQuantity::Entropy:
        return Module1::EntroUnitLabels;
    case UnitQuantity::Volume:
        return Module1::DensityUnitLabels;
    case UnitQuantity::DrynessBasis:
        break;
    }
    return {};
}

// Tells the engine a quantity's unit; a refusal shows the quantity's message and changes nothing.
void handOver(PropertyEngine& engine, const QuantityUnits& quantity)
{
    const int16_t code = Module1::Current.Code(quantity.quantity);
    const UnitChoice* choice = quantity.Find(code);
    if ((engine.*quantity.setter)(choice ? choice->engineCode : code) == 0)
        MsgBox(QStringLiteral("単位設定 Error on ") + ToQString(quantity.name), MsgBoxStyle::OkOnly, AppTitle);
}

}  // namespace

QString ToQString(std::u16string_view text) { return QString::fromUtf16(text.data(), std::ssize(text)); }

QString LabelOf(const UnitChoice& choice)
{
    return choice.caption.empty() ? QLatin1Char('[') + ToQString(choice.entry) + QLatin1Char(']')
                                  : ToQString(choice.caption);
}

QStringList EntriesOf(const QuantityUnits& quantity)
{
    QStringList entries;
    for (const UnitChoice& choice : quantity.choices)
        entries << ToQString(choice.entry);
    return entries;
}

void FillUnitLabels()
{
    for (const QuantityUnits* quantity : kUnits) {
        const std::span<QString> table = labelTable(quantity->quantity);
        for (size_t i = 0; i < table.size(); ++i)
            table[i] = LabelOf(quantity->choices[i]);
    }
}

void ReplaceInvalidUnits()
{
    for (const QuantityUnits* quantity : kUnits) {
        int16_t& code = Module1::Current.Code(quantity->quantity);
        if (!quantity->Find(code))
            code = quantity->defaultCode;
    }
}

void HandUnitsToEngine()
{
    // The Anglo-American volume units: the engine works in the metric one and the report scales.
    const UnitChoice* volume = kVolumeUnits.Find(Module1::DensityUnit);
    Module1::DensityFactor = volume ? volume->factor : 1.0;
    PropertyEngine& engine = Engine();
    for (const QuantityUnits* quantity : kUnits)
        handOver(engine, *quantity);
}

QString UnitName(UnitQuantity quantity)
{
    const UnitChoice* choice = UnitsOf(quantity).Find(Module1::Current.Code(quantity));
    return choice ? ToQString(choice->entry) : QString();
}

QString UnitText(UnitQuantity quantity)
{
    const std::span<QString> table = labelTable(quantity);
    const int slot = UnitsOf(quantity).Position(Module1::Current.Code(quantity));
    return slot >= 0 && static_cast<size_t>(slot) < table.size() ? table[static_cast<size_t>(slot)] : QString();
}

bool IsDensityUnit(int16_t code)
{
    const UnitChoice* choice = kVolumeUnits.Find(code);
    return choice && choice->density;
}

QString DrynessBasisCaption(int16_t basis)
{
    const UnitChoice* choice = kDrynessBasisUnits.Find(basis);
    return choice ? LabelOf(*choice) : QString();
}
