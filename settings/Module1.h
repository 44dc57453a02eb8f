// SPDX-License-Identifier: MIT
// Module1: the settings and unit label tables shared by every window for the whole run.
#pragma once

#include "settings/SettingsFile.h"
#include "settings/UnitCatalogue.h"

#include <QString>

#include <array>
#include <cstdint>

namespace Module1 {

// The seven values of the settings file, as in effect now.
inline Settings Current;

// Their classic names. Unit codes: see UnitCatalogue.h for their meaning and ranges.
inline int16_t& TempUnit = Current.TempUnit;
inline int16_t& PressUnit = Current.PressUnit;
inline int16_t& EnthalUnit = Current.EnthalUnit;
inline int16_t& EntroUnit = Current.EntroUnit;
inline int16_t& DensityUnit = Current.DensityUnit;
// 0: the dryness is a mass fraction (SBV); 1: by volume (SBW).
inline int16_t& DrynessBasis = Current.DrynessBasis;
inline bool& AlwaysOnTop = Current.AlwaysOnTop;

// Multiplier for specific volumes and densities that the engine returns; follows DensityUnit.
inline double DensityFactor = 1.0;

// Bracketed unit texts, in the order of the quantity's codes. Filled once at start-up.
inline std::array<QString, kTemperatureUnits.choices.size()> TempUnitLabels;
inline std::array<QString, kPressureUnits.choices.size()> PressUnitLabels;
inline std::array<QString, kEnthalpyUnits.choices.size()> EnthalUnitLabels;
inline std::array<QString, kEntropyUnits.choices.size()> EntroUnitLabels;
inline std::array<QString, kVolumeUnits.choices.size()> DensityUnitLabels;

}  // namespace Module1
