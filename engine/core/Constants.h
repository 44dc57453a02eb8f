// SPDX-License-Identifier: MIT
// IF97 constants and the limits of its range of validity, SI core units:
// K, MPa, kJ/kg, kJ/(kg K), m3/kg, kg/m3.
#pragma once

#include <limits>

namespace aquaprop {

// The core's "no answer": every function gives NaN where it has none, and the C interface turns it into the
// error value.
inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

inline constexpr double kGasConstant = 0.461526;      // R, kJ/(kg K)
inline constexpr double kCriticalK = 647.096;         // Tc
inline constexpr double kCriticalMPa = 22.064;        // pc
inline constexpr double kCriticalDensity = 322.0;     // rhoc, kg/m3

inline constexpr double kMinK = 273.15;               // lower temperature limit
inline constexpr double kMinMPa = 0.0;                // lower pressure limit, itself excluded (p > 0)
inline constexpr double kRegion13K = 623.15;          // region 1 below, region 3 above
inline constexpr double kB23MaxK = 863.15;            // B23 line ends here at 100 MPa
inline constexpr double kRegion25K = 1073.15;         // region 2 below, region 5 above
inline constexpr double kMaxK = 2273.15;              // upper limit of region 5
inline constexpr double kMaxMPa = 100.0;              // upper pressure limit of regions 1, 2, 3
inline constexpr double kMaxRegion5MPa = 50.0;        // upper pressure limit of region 5
// psat(273.15 K) by the region 4 equation (611.213 Pa as published to six digits), so that the saturation
// temperature of every saturation pressure is defined.
inline constexpr double kSatMinMPa = 611.21267744434539e-6;

// psat(623.15 K) by the region 4 equation, MPa: where regions 1, 2, 3 and the B23 line meet.
inline constexpr double kSat13MPa = 16.529164252604509;

// Backward subregions of region 2: 2a up to 4 MPa; the B2bc line starts on the saturation line at 6.5467 MPa,
// below it everything above 4 MPa is 2b. In T(p,s), 2c lies below s = 5.85 kJ/(kg K).
inline constexpr double k2abMPa = 4.0;
inline constexpr double kB2bcMinMPa = 6.5467;
inline constexpr double k2bcEntropy = 5.85;           // kJ/(kg K)

// A temperature refined to round-off may lie this far (relative) beyond a limit of the range and is then taken
// as the limit, so that h or s given at a limit (say from (273.15 K, 100 MPa), through a unit conversion) finds it.
inline constexpr double kRefinedRelTolerance = 1e-12;

}  // namespace aquaprop
