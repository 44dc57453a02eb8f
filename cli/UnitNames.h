// SPDX-License-Identifier: MIT
// Units named on the command line: by code (12) or by the name the units dialog lists (MPa).
#pragma once

#include "settings/UnitCatalogue.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The code for a unit's code or name; names match without regard to case or to full-width letters, and the
// catalogue's aliases ("C" or "degC" for ℃) count as names. Nothing for a text that names no unit of the
// quantity.
std::optional<int16_t> UnitCodeOf(UnitQuantity quantity, const QString& text);

// The names as the units dialog lists them, each with its code, e.g. "MPa (12)".
QStringList UnitChoicesOf(UnitQuantity quantity);
