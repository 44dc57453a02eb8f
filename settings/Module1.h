// Module1: the settings and unit label tables shared by every window for the whole run.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace Module1 {

// Unit codes (see UnitCatalogue.h for their meaning and ranges).
inline int16_t TempUnit = 2;
inline int16_t PressUnit = 12;
inline int16_t EnthalUnit = 32;
inline int16_t EntroUnit = 52;
inline int16_t DensityUnit = 71;

// 0: the dryness is a mass fraction (SBV); 1: by volume (SBW).
inline int16_t DrynessBasis = 0;

// Multiplier for specific volumes and densities that the engine returns; follows DensityUnit.
inline double DensityFactor = 1.0;

inline bool AlwaysOnTop = false;

// Bracketed unit texts, slot = code minus the quantity's lowest code. Filled once at start-up.
inline std::array<QString, 3> TempUnitLabels;
inline std::array<QString, 11> PressUnitLabels;
inline std::array<QString, 3> EnthalUnitLabels;
inline std::array<QString, 3> EntroUnitLabels;
inline std::array<QString, 4> DensityUnitLabels;

}  // namespace Module1
