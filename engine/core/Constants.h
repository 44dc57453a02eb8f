// IF97 constants and the limits of its range of validity, SI core units:
// K, MPa, kJ/kg, kJ/(kg K), m3/kg, kg/m3.
#pragma once

namespace aquaprop {

inline constexpr double kGasConstant = 0.461526;      // R, kJ/(kg K)
inline constexpr double kCriticalK = 647.096;         // Tc
inline constexpr double kCriticalMPa = 22.064;        // pc
inline constexpr double kCriticalDensity = 322.0;     // rhoc, kg/m3

inline constexpr double kMinK = 273.15;               // lower temperature limit
inline constexpr double kRegion13K = 623.15;          // region 1 below, region 3 above
inline constexpr double kB23MaxK = 863.15;            // B23 line ends here at 100 MPa
inline constexpr double kRegion25K = 1073.15;         // region 2 below, region 5 above
inline constexpr double kMaxK = 2273.15;              // upper limit of region 5
inline constexpr double kMaxMPa = 100.0;              // upper pressure limit of regions 1, 2, 3
inline constexpr double kMaxRegion5MPa = 50.0;        // upper pressure limit of region 5
inline constexpr double kSatMinMPa = 611.213e-6;      // psat(273.15 K)

}  // namespace aquaprop
