// SPDX-License-Identifier: MIT
// The engine's current unit per quantity and the conversions between those units and the SI core units
// (K, MPa, kJ/kg, kJ/(kg K), m3/kg). The current units are the engine's only mutable state: each thread follows
// the process-wide unit of a quantity, the one set last by any thread, until it sets that unit itself.
#pragma once

#include <cstdint>

namespace aquaprop::units {

// Unit codes. Gauge pressures are relative to the standard atmosphere, 101325 Pa.
enum Code : int32_t {
    kKelvin = 1,
    kCelsius = 2,
    kFahrenheit = 3,
    kPascal = 11,
    kMegapascal = 12,
    kKgfPerCm2 = 13,
    kKgfPerCm2Gauge = 14,
    kMmHg = 15,
    kMmHgGauge = 16,
    kAtmosphere = 17,
    kAtmosphereGauge = 18,
    kMillibar = 19,
    kPascalGauge = 20,
    kMegapascalGauge = 21,
    kJoulePerKg = 31,
    kKilojoulePerKg = 32,
    kKilocaloriePerKg = 33,
    kJoulePerKgK = 51,
    kKilojoulePerKgK = 52,
    kKilocaloriePerKgK = 53,
    kCubicMetrePerKg = 71,
    kKgPerCubicMetre = 72,
};

// 0 degC in K.
inline constexpr double kCelsiusZeroK = 273.15;

// Setters: true if the code belongs to the quantity, which then becomes the calling thread's own unit and the
// process-wide one; otherwise the current unit stays.
bool SetTemperatureUnit(int32_t code);
bool SetPressureUnit(int32_t code);
bool SetEnthalpyUnit(int32_t code);
bool SetEntropyUnit(int32_t code);
bool SetVolumeUnit(int32_t code);

// Back to the defaults, as if set: degC, MPa, kJ/kg, kJ/(kg K), m3/kg.
void ResetUnits();

// How far a temperature or pressure converted to SI may lie from the exact conversion of the same quantity: a
// few units in the last place of the magnitudes involved, the value and the unit's offset (a gauge
// pressure's atmosphere, the zero of degC or degF); nothing in K and MPa.
double TemperatureRoundOff(double kelvin);
double PressureRoundOff(double megapascal);

double TemperatureToSI(double value);
double TemperatureFromSI(double kelvin);
double PressureToSI(double value);
double PressureFromSI(double megapascal);
double EnthalpyToSI(double value);
double EnthalpyFromSI(double kJPerKg);
double EntropyToSI(double value);
double EntropyFromSI(double kJPerKgK);
// A specific volume in m3/kg as the current unit shows it: itself, or its reciprocal as a density.
double VolumeFromSI(double m3PerKg);

}  // namespace aquaprop::units
