// SPDX-License-Identifier: MIT
// The unit catalogue: for each quantity its unit codes with their texts, the default, and how a code goes to the
// engine. The settings, the units dialog, the reports and the companion all read these tables.
#pragma once

#include "engine/seam/PropertyEngine.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// In the order of the settings file and of the units dialog's lists.
enum class UnitQuantity { Temperature, Pressure, Enthalpy, Entropy, Volume, DrynessBasis };

// One unit of a quantity.
struct UnitChoice {
    int16_t code;
    std::u16string_view entry;       // as the units dialog lists it; also the companion's name for it
    int32_t engineCode;              // what the engine's setter receives
    std::u16string_view aliases{};   // more names the companion takes, separated by blanks
    double factor = 1.0;             // DensityFactor: the engine's volumes are scaled by it for the report
    bool density = false;            // the engine gives densities, not specific volumes
    std::u16string_view caption{};   // the text shown where it is not the entry in brackets
};

// A quantity's units, and how its code is kept and handed over.
struct QuantityUnits {
    UnitQuantity quantity;
    std::u16string_view name;  // in the refusal message "単位設定 Error on " + name
    std::span<const UnitChoice> choices;
    int16_t defaultCode;
    int16_t (PropertyEngine::*setter)(int32_t);  // nullptr: the engine is not told

    // The unit of a code, or nullptr for a code outside the table.
    constexpr const UnitChoice* Find(int16_t code) const
    {
        for (const UnitChoice& choice : choices)
            if (choice.code == code)
                return &choice;
        return nullptr;
    }

    // Its position in the table, or -1.
    constexpr int Position(int16_t code) const
    {
        const UnitChoice* choice = Find(code);
        return choice ? static_cast<int>(choice - choices.data()) : -1;
    }
};

// Each quantity: its units in code order (the units dialog lists them so), the name its refusal message gives,
// the default that replaces an invalid code, and the engine's setter.
inline constexpr UnitChoice kTemperatureChoices[] = {
    {1, u"Ｋ", 1, u"degK"},
    {2, u"℃", 2, u"C degC"},
    {3, u"Ｆ", 3, u"degF °F"},
};
inline constexpr QuantityUnits kTemperatureUnits{UnitQuantity::Temperature, u"温度", kTemperatureChoices, 2,
                                                 &PropertyEngine::STM_SetTempUnit};

inline constexpr UnitChoice kPressureChoices[] = {
    {11, u"Pa", 11},    {12, u"MPa", 12},   {13, u"Kg/cm2", 13}, {14, u"Kg/cm2G", 14},
    {15, u"mmHg", 15},  {16, u"mmHgG", 16}, {17, u"atm", 17},    {18, u"atmG", 18},
    {19, u"mmbar", 19}, {20, u"Pe", 20},    {21, u"MPe", 21},
};
inline constexpr QuantityUnits kPressureUnits{UnitQuantity::Pressure, u"圧力", kPressureChoices, 12,
                                              &PropertyEngine::STM_SetPressUnit};

inline constexpr UnitChoice kEnthalpyChoices[] = {{31, u"J/Kg", 31}, {32, u"KJ/Kg", 32}, {33, u"Kcal/Kg", 33}};
inline constexpr QuantityUnits kEnthalpyUnits{UnitQuantity::Enthalpy, u"エンタルピ", kEnthalpyChoices, 32,
                                              &PropertyEngine::STM_SetEnthalUnit};

inline constexpr UnitChoice kEntropyChoices[] = {{51, u"J/KgK", 51}, {52, u"KJ/KgK", 52}, {53, u"Kcal/KgK", 53}};
inline constexpr QuantityUnits kEntropyUnits{UnitQuantity::Entropy, u"エントロピ", kEntropyChoices, 52,
                                             &PropertyEngine::STM_SetEntroUnit};

// Specific volume or density. The Anglo-American units go to the engine as the metric ones; the report scales.
inline constexpr double kCubicFeetPerCubicMetre = 35.3147;
inline constexpr double kPoundsPerKilogram = 2.20462;
inline constexpr UnitChoice kVolumeChoices[] = {
    {71, u"m3/Kg", 71},
    {.code = 72, .entry = u"Kg/m3", .engineCode = 72, .density = true},
    {.code = 73, .entry = u"ft3/lb", .engineCode = 71, .factor = kCubicFeetPerCubicMetre / kPoundsPerKilogram},
    {.code = 74, .entry = u"lb/ft3", .engineCode = 72, .factor = kPoundsPerKilogram / kCubicFeetPerCubicMetre,
     .density = true},
};
inline constexpr QuantityUnits kVolumeUnits{UnitQuantity::Volume, u"比容積", kVolumeChoices, 71,
                                            &PropertyEngine::STM_SetDensityUnit};

// The dryness basis, 0 a mass fraction and 1 by volume, shown full-width on the main window. Not a unit: never
// replaced, never handed to the engine; 0 where the settings file has none.
inline constexpr UnitChoice kDrynessBasisChoices[] = {
    {.code = 0, .entry = u"SBV", .engineCode = 0, .caption = u"ＳＢＶ"},
    {.code = 1, .entry = u"SBW", .engineCode = 1, .caption = u"ＳＢＷ"},
};
inline constexpr QuantityUnits kDrynessBasisUnits{UnitQuantity::DrynessBasis, u"乾き度", kDrynessBasisChoices,
                                                  0, nullptr};

// Every quantity, in the order of UnitQuantity.
inline constexpr std::array<const QuantityUnits*, 6> kQuantities{
    &kTemperatureUnits, &kPressureUnits, &kEnthalpyUnits, &kEntropyUnits, &kVolumeUnits, &kDrynessBasisUnits};

// The five units, in the order they are handed to the engine.
inline constexpr std::span<const QuantityUnits* const, 5> kUnits{kQuantities.data(), 5};

inline const QuantityUnits& UnitsOf(UnitQuantity quantity) { return *kQuantities[static_cast<size_t>(quantity)]; }

QString ToQString(std::u16string_view text);

// A unit's text beside numbers: the entry in brackets ("[MPa]"), or its own caption.
QString LabelOf(const UnitChoice& choice);

// The entries of a quantity's list in the units dialog, in order.
QStringList EntriesOf(const QuantityUnits& quantity);

// Fills Module1's five label tables.
void FillUnitLabels();

// Replaces each unit code outside its range by the quantity's default.
void ReplaceInvalidUnits();

// Hands the five units to the engine (temperature, pressure, enthalpy, entropy, specific volume), one
// message per refusal, and sets DensityFactor.
void HandUnitsToEngine();

// The current unit texts, e.g. "[MPa]".
QString UnitText(UnitQuantity quantity);
inline QString TempUnitText() { return UnitText(UnitQuantity::Temperature); }
inline QString PressUnitText() { return UnitText(UnitQuantity::Pressure); }
inline QString EnthalUnitText() { return UnitText(UnitQuantity::Enthalpy); }
inline QString EntroUnitText() { return UnitText(UnitQuantity::Entropy); }
inline QString DensityUnitText() { return UnitText(UnitQuantity::Volume); }

// The current unit's name as the units dialog lists it ("MPa", "℃"), for texts beside numbers in running text.
QString UnitName(UnitQuantity quantity);

// Whether the engine gives densities rather than specific volumes in this specific-volume unit.
bool IsDensityUnit(int16_t code);

// "ＳＢＶ" for 0, "ＳＢＷ" for 1, an empty string for anything else.
QString DrynessBasisCaption(int16_t basis);
