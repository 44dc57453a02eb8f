// SPDX-License-Identifier: MIT
// The engine's current unit per quantity and the conversions between those units and the SI core units
// (K, MPa, kJ/kg, kJ/(kg K), m3/kg). The current units are the engine's only mutable state: each thread follows
// the process-wide unit of a quantity, the one set last by any thread, until it sets that unit itself.
#pragma once

#include <atomic>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

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

// A linear unit: SI = (value + offset) * scale.
struct Linear {
    double offset;
    double scale;

    constexpr bool IsSI() const { return offset == 0.0 && scale == 1.0; }
    constexpr bool OffsetOnly() const { return offset != 0.0 && scale == 1.0; }
    double ToSI(double value) const { return (value + offset) * scale; }
    double FromSI(double si) const { return (scale == 1.0 ? si : si / scale) - offset; }

    // Converting a value to SI and back rounds the sum with the offset and the product with the scale, each by
    // half a unit in the last place, and the unit's constants themselves are rounded; four units of the larger
    // magnitude cover all of it. The SI units themselves convert exactly.
    double RoundOff(double si) const {
        constexpr double kRoundOffUnits = 4.0;
        if (IsSI()) return 0.0;
        return kRoundOffUnits * std::numeric_limits<double>::epsilon() * (std::fabs(si) + std::fabs(offset * scale));
    }
};

// A quantity's current unit. The SI unit and the units that only shift (degC, MPa gauge) are told by their index,
// and their conversions leave out what would add 0 or multiply by 1: exact either way, but it lengthens every
// call. (In the SI unit a -0 stays -0 rather than turning +0; both lie outside the range.)
class Unit {
public:
    Unit(const Linear& linear, bool si, bool offsetOnly) : linear_(linear), si_(si), offsetOnly_(offsetOnly) {}

    const Linear& linear() const { return linear_; }
    bool IsSI() const { return si_; }
    double ToSI(double value) const {
        if (si_) return value;
        return offsetOnly_ ? value + linear_.offset : linear_.ToSI(value);
    }
    double FromSI(double si) const {
        if (si_) return si;
        return offsetOnly_ ? si - linear_.offset : linear_.FromSI(si);
    }
    double RoundOff(double si) const { return linear_.RoundOff(si); }

private:
    const Linear& linear_;
    bool si_;
    bool offsetOnly_;
};

namespace detail {

constexpr double kStandardAtmospherePa = 101325.0;
constexpr double kKgfPerCm2Pa = 98066.5;
constexpr double kMmHgPerAtmosphere = 760.0;
constexpr double kMmHgPa = kStandardAtmospherePa / kMmHgPerAtmosphere;
constexpr double kPaPerMPa = 1e6;
constexpr double kKilocalorieKJ = 4.1868;    // international table calorie
constexpr double kFahrenheitZeroR = 459.67;  // 0 degF in degrees Rankine
constexpr double kRankinePerKelvin = 1.8;

// Each table is indexed by code minus its first code.
inline constexpr int32_t kFirstTemperature = kKelvin;
inline constexpr Linear kTemperature[] = {
    {0.0, 1.0},                                   // K
    {kCelsiusZeroK, 1.0},                         // degC
    {kFahrenheitZeroR, 1.0 / kRankinePerKelvin},  // degF
};

inline constexpr int32_t kFirstPressure = kPascal;
inline constexpr Linear kPressure[] = {
    {0.0, 1.0 / kPaPerMPa},                                            // Pa
    {0.0, 1.0},                                                        // MPa
    {0.0, kKgfPerCm2Pa / kPaPerMPa},                                   // kgf/cm2
    {kStandardAtmospherePa / kKgfPerCm2Pa, kKgfPerCm2Pa / kPaPerMPa},  // kgf/cm2 gauge
    {0.0, kMmHgPa / kPaPerMPa},                                        // mmHg
    {kMmHgPerAtmosphere, kMmHgPa / kPaPerMPa},                         // mmHg gauge
    {0.0, kStandardAtmospherePa / kPaPerMPa},                          // atm
    {1.0, kStandardAtmospherePa / kPaPerMPa},                          // atm gauge
    {0.0, 100.0 / kPaPerMPa},                                          // millibar
    {kStandardAtmospherePa, 1.0 / kPaPerMPa},                          // Pa gauge
    {kStandardAtmospherePa / kPaPerMPa, 1.0},                          // MPa gauge
};

inline constexpr int32_t kFirstEnthalpy = kJoulePerKg;
inline constexpr int32_t kFirstEntropy = kJoulePerKgK;
inline constexpr Linear kEnergy[] = {
    {0.0, 1e-3},            // J/kg, J/(kg K)
    {0.0, 1.0},             // kJ/kg, kJ/(kg K)
    {0.0, kKilocalorieKJ},  // kcal/kg, kcal/(kg K)
};

// The indices of a table's units that pass a test, as bits.
template <std::size_t kCount>
constexpr uint32_t IndicesWhere(const Linear (&table)[kCount], bool (Linear::*test)() const) {
    uint32_t bits = 0;
    for (std::size_t k = 0; k < kCount; ++k) bits |= (table[k].*test)() ? 1u << k : 0u;
    return bits;
}

// The units of all quantities in one word, four bits each, every field an index into its quantity's table (the
// volume's: 1 for a density). One word so that a call reads its units once.
enum Field : unsigned {
    kTemperatureField = 0,
    kPressureField = 4,
    kEnthalpyField = 8,
    kEntropyField = 12,
    kVolumeField = 16,
};
inline constexpr uint32_t kFieldMask = 0xFu;

// Set in the process-wide word once a second thread has set a unit. Until then every thread's units are the
// process-wide ones: the one thread that set any holds them also as its own.
inline constexpr uint32_t kThreadsDiffer = 1u << 31;

extern std::atomic<uint32_t> processUnits;

// This thread's units: its own where it set them, the process-wide ones elsewhere.
uint32_t ThreadUnits();

}  // namespace detail

// The units in force on the calling thread, read once.
class Current {
public:
    Current() : word_(Read()) {}

    Unit Temperature() const { return Of<detail::kTemperature>(detail::kTemperatureField); }
    Unit Pressure() const { return Of<detail::kPressure>(detail::kPressureField); }
    Unit Enthalpy() const { return Of<detail::kEnergy>(detail::kEnthalpyField); }
    Unit Entropy() const { return Of<detail::kEnergy>(detail::kEntropyField); }
    bool VolumeAsDensity() const { return Index(detail::kVolumeField) != 0; }

    // A specific volume in m3/kg as the volume unit shows it: itself, or its reciprocal as a density.
    double VolumeFromSI(double m3PerKg) const { return VolumeAsDensity() ? 1.0 / m3PerKg : m3PerKg; }

private:
    static uint32_t Read() {
        const uint32_t word = detail::processUnits.load(std::memory_order_acquire);
        return (word & detail::kThreadsDiffer) == 0u ? word : detail::ThreadUnits();
    }
    unsigned Index(detail::Field field) const { return (word_ >> field) & detail::kFieldMask; }

    template <const auto& kTable>
    Unit Of(detail::Field field) const {
        constexpr uint32_t kSI = detail::IndicesWhere(kTable, &Linear::IsSI);
        constexpr uint32_t kOffsetOnly = detail::IndicesWhere(kTable, &Linear::OffsetOnly);
        const unsigned index = Index(field);
        return {kTable[index], ((kSI >> index) & 1u) != 0u, ((kOffsetOnly >> index) & 1u) != 0u};
    }

    uint32_t word_;
};

// How far a temperature or pressure converted to SI may lie from the exact conversion of the same quantity: a
// few units in the last place of the magnitudes involved, the value and the unit's offset (a gauge
// pressure's atmosphere, the zero of degC or degF); nothing in K and MPa.
inline double TemperatureRoundOff(double kelvin) { return Current().Temperature().RoundOff(kelvin); }
inline double PressureRoundOff(double megapascal) { return Current().Pressure().RoundOff(megapascal); }

inline double TemperatureToSI(double value) { return Current().Temperature().ToSI(value); }
inline double TemperatureFromSI(double kelvin) { return Current().Temperature().FromSI(kelvin); }
inline double PressureToSI(double value) { return Current().Pressure().ToSI(value); }
inline double PressureFromSI(double megapascal) { return Current().Pressure().FromSI(megapascal); }
inline double EnthalpyToSI(double value) { return Current().Enthalpy().ToSI(value); }
inline double EnthalpyFromSI(double kJPerKg) { return Current().Enthalpy().FromSI(kJPerKg); }
inline double EntropyToSI(double value) { return Current().Entropy().ToSI(value); }
inline double EntropyFromSI(double kJPerKgK) { return Current().Entropy().FromSI(kJPerKgK); }
inline double VolumeFromSI(double m3PerKg) { return Current().VolumeFromSI(m3PerKg); }

}  // namespace aquaprop::units
