// Units named on the command line: by code (12) or by the name the units dialog lists (MPa).
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

enum class UnitQuantity { Temperature, Pressure, Enthalpy, Entropy, Volume, DrynessBasis };

// The code for a unit's code or name; names match without regard to case or to full-width letters,
// and "C" or "degC" also name ℃. Nothing for a text that names no unit of the quantity.
std::optional<int16_t> UnitCodeOf(UnitQuantity quantity, const QString& text);

// The names as the units dialog lists them, each with its code, e.g. "MPa (12)".
QStringList UnitChoicesOf(UnitQuantity quantity);
