// SPDX-License-Identifier: MIT
#include "engine/units/Units.h"

#include <atomic>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <limits>

namespace aquaprop::units {

namespace {

constexpr double kStandardAtmospherePa = 101325.0;
constexpr double kKgfPerCm2Pa = 98066.5;
constexpr double kMmHgPerAtmosphere = 760.0;
constexpr double kMmHgPa = kStandardAtmospherePa / kMmHgPerAtmosphere;
constexpr double kPaPerMPa = 1e6;
constexpr double kKilocalorieKJ = 4.1868;  // international table calorie
constexpr double kFahrenheitZeroR = 459.67;  // 0 degF in degrees Rankine
constexpr double kRankinePerKelvin = 1.8;

// A linear unit: SI = (value + offset) * scale.
struct Linear {
    double offset;
    double scale;
};

// Each table is indexed by code minus its first code.
constexpr int32_t kFirstTemperature = kKelvin;
constexpr Linear kTemperature[] = {
    {0.0, 1.0},                                       // K
    {kCelsiusZeroK, 1.0},                             // degC
    {kFahrenheitZeroR, 1.0 / kRankinePerKelvin},      // degF
};

constexpr int32_t kFirstPressure = kPascal;
constexpr Linear kPressure[] = {
    {0.0, 1.0 / kPaPerMPa},                                                    // Pa
    {0.0, 1.0},                                                                // MPa
    {0.0, kKgfPerCm2Pa / kPaPerMPa},                                           // kgf/cm2
    {kStandardAtmospherePa / kKgfPerCm2Pa, kKgfPerCm2Pa / kPaPerMPa},          // kgf/cm2 gauge
    {0.0, kMmHgPa / kPaPerMPa},                                                // mmHg
    {kMmHgPerAtmosphere, kMmHgPa / kPaPerMPa},                    // mmHg gauge
    {0.0, kStandardAtmospherePa / kPaPerMPa},                                  // atm
    {1.0, kStandardAtmospherePa / kPaPerMPa},                                  // atm gauge
    {0.0, 100.0 / kPaPerMPa},                                                  // millibar
    {kStandardAtmospherePa, 1.0 / kPaPerMPa},                                  // Pa gauge
    {kStandardAtmospherePa / kPaPerMPa, 1.0},                                  // MPa gauge
};

constexpr int32_t kFirstEnthalpy = kJoulePerKg;
constexpr Linear kEnergy[] = {
    {0.0, 1e-3},            // J/kg, J/(kg K)
    {0.0, 1.0},             // kJ/kg, kJ/(kg K)
    {0.0, kKilocalorieKJ},  // kcal/kg, kcal/(kg K)
};
constexpr int32_t kFirstEntropy = kJoulePerKgK;

template <int32_t kFirst, std::size_t kCount>
bool InRange(int32_t code) {
    return code >= kFirst && code < kFirst + static_cast<int32_t>(kCount);
}

// A unit per quantity, as an index into its table. A thread follows the process-wide unit, the one any thread set
// last, until it sets that quantity's unit itself; from then on it has its own. The process-wide ones are atomic so
// that a setter on one thread never tears a read on another.
struct Choice {
    std::atomic<int>& process;
    int& own;  // kFollow or an index

    static constexpr int kFollow = -1;

    int Get() const { return own != kFollow ? own : process.load(std::memory_order_relaxed); }
    void Set(int index) {
        own = index;
        process.store(index, std::memory_order_relaxed);
    }
};

std::atomic<int> processTemperature{kCelsius - kFirstTemperature};
std::atomic<int> processPressure{kMegapascal - kFirstPressure};
std::atomic<int> processEnthalpy{kKilojoulePerKg - kFirstEnthalpy};
std::atomic<int> processEntropy{kKilojoulePerKgK - kFirstEntropy};
std::atomic<int> processAsDensity{0};
thread_local int ownTemperature = Choice::kFollow;
thread_local int ownPressure = Choice::kFollow;
thread_local int ownEnthalpy = Choice::kFollow;
thread_local int ownEntropy = Choice::kFollow;
thread_local int ownAsDensity = Choice::kFollow;

Choice TemperatureUnit() { return {processTemperature, ownTemperature}; }
Choice PressureUnit() { return {processPressure, ownPressure}; }
Choice EnthalpyUnit() { return {processEnthalpy, ownEnthalpy}; }
Choice EntropyUnit() { return {processEntropy, ownEntropy}; }
Choice VolumeUnit() { return {processAsDensity, ownAsDensity}; }

template <int32_t kFirst, std::size_t kCount>
bool Set(Choice unit, int32_t code) {
    if (!InRange<kFirst, kCount>(code)) return false;
    unit.Set(code - kFirst);
    return true;
}

// Converting a value to SI and back rounds the sum with the offset and the product with the scale, each by half
// a unit in the last place, and the unit's constants themselves are rounded; four units of the larger magnitude
// cover all of it. The SI units themselves convert exactly.
constexpr double kRoundOffUnits = 4.0;

double ToSI(const Linear& u, double value) { return (value + u.offset) * u.scale; }

double RoundOff(const Linear& u, double si) {
    if (u.offset == 0.0 && u.scale == 1.0) return 0.0;
    return kRoundOffUnits * std::numeric_limits<double>::epsilon() * (std::fabs(si) + std::fabs(u.offset * u.scale));
}
double FromSI(const Linear& u, double si) { return (u.scale == 1.0 ? si : si / u.scale) - u.offset; }

const Linear& Current(const Linear* table, Choice unit) { return table[unit.Get()]; }

}  // namespace

bool SetTemperatureUnit(int32_t code) {
    return Set<kFirstTemperature, std::size(kTemperature)>(TemperatureUnit(), code);
}
bool SetPressureUnit(int32_t code) { return Set<kFirstPressure, std::size(kPressure)>(PressureUnit(), code); }
bool SetEnthalpyUnit(int32_t code) { return Set<kFirstEnthalpy, std::size(kEnergy)>(EnthalpyUnit(), code); }
bool SetEntropyUnit(int32_t code) { return Set<kFirstEntropy, std::size(kEnergy)>(EntropyUnit(), code); }

bool SetVolumeUnit(int32_t code) {
    if (code != kCubicMetrePerKg && code != kKgPerCubicMetre) return false;
    VolumeUnit().Set(code == kKgPerCubicMetre ? 1 : 0);
    return true;
}

void ResetUnits() {
    SetTemperatureUnit(kCelsius);
    SetPressureUnit(kMegapascal);
    SetEnthalpyUnit(kKilojoulePerKg);
    SetEntropyUnit(kKilojoulePerKgK);
    SetVolumeUnit(kCubicMetrePerKg);
}

double TemperatureRoundOff(double kelvin) { return RoundOff(Current(kTemperature, TemperatureUnit()), kelvin); }
double PressureRoundOff(double megapascal) { return RoundOff(Current(kPressure, PressureUnit()), megapascal); }
double TemperatureToSI(double value) { return ToSI(Current(kTemperature, TemperatureUnit()), value); }
double TemperatureFromSI(double kelvin) { return FromSI(Current(kTemperature, TemperatureUnit()), kelvin); }
double PressureToSI(double value) { return ToSI(Current(kPressure, PressureUnit()), value); }
double PressureFromSI(double megapascal) { return FromSI(Current(kPressure, PressureUnit()), megapascal); }
double EnthalpyToSI(double value) { return ToSI(Current(kEnergy, EnthalpyUnit()), value); }
double EnthalpyFromSI(double kJPerKg) { return FromSI(Current(kEnergy, EnthalpyUnit()), kJPerKg); }
double EntropyToSI(double value) { return ToSI(Current(kEnergy, EntropyUnit()), value); }
double EntropyFromSI(double kJPerKgK) { return FromSI(Current(kEnergy, EntropyUnit()), kJPerKgK); }

double VolumeFromSI(double m3PerKg) { return VolumeUnit().Get() != 0 ? 1.0 / m3PerKg : m3PerKg; }

}  // namespace aquaprop::units
