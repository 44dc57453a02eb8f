// SPDX-License-Identifier: MIT
#include "engine/units/Units.h"

#include <cstddef>
#include <iterator>

namespace aquaprop::units {

namespace detail {

std::atomic<uint32_t> processUnits{(kCelsius - kFirstTemperature) << kTemperatureField |
                                   (kMegapascal - kFirstPressure) << kPressureField |
                                   (kKilojoulePerKg - kFirstEnthalpy) << kEnthalpyField |
                                   (kKilojoulePerKgK - kFirstEntropy) << kEntropyField};

namespace {

// The units this thread set itself: their fields in mask, their values in units.
struct Own {
    uint32_t mask = 0;
    uint32_t units = 0;
};
thread_local Own own;

// Threads that have set a unit so far, counted up to two.
std::atomic<int> setters{0};

// The field becomes this thread's own and the process-wide one. A thread's first setting, when another thread
// set before, makes the threads' units differ for good.
void Set(Field field, unsigned index) {
    const uint32_t clear = ~(kFieldMask << field);
    const uint32_t value = static_cast<uint32_t>(index) << field;
    const bool first = own.mask == 0;
    own.mask |= kFieldMask << field;
    own.units = (own.units & clear) | value;
    const uint32_t differ = first && setters.fetch_add(1, std::memory_order_relaxed) > 0 ? kThreadsDiffer : 0u;
    uint32_t word = processUnits.load(std::memory_order_relaxed);
    while (!processUnits.compare_exchange_weak(word, (word & clear) | value | differ, std::memory_order_release,
                                               std::memory_order_relaxed)) {
    }
}

}  // namespace

uint32_t ThreadUnits() {
    return (processUnits.load(std::memory_order_acquire) & ~own.mask) | (own.units & own.mask);
}

}  // namespace detail

namespace {

using namespace detail;

template <int32_t kFirst, std::size_t kCount>
bool SetIn(Field field, int32_t code) {
    if (!(code >= kFirst && code < kFirst + static_cast<int32_t>(kCount))) return false;
    Set(field, static_cast<unsigned>(code - kFirst));
    return true;
}

}  // namespace

bool SetTemperatureUnit(int32_t code) {
    return SetIn<kFirstTemperature, std::size(kTemperature)>(kTemperatureField, code);
}
bool SetPressureUnit(int32_t code) { return SetIn<kFirstPressure, std::size(kPressure)>(kPressureField, code); }
bool SetEnthalpyUnit(int32_t code) { return SetIn<kFirstEnthalpy, std::size(kEnergy)>(kEnthalpyField, code); }
bool SetEntropyUnit(int32_t code) { return SetIn<kFirstEntropy, std::size(kEnergy)>(kEntropyField, code); }

bool SetVolumeUnit(int32_t code) {
    if (code != kCubicMetrePerKg && code != kKgPerCubicMetre) return false;
    Set(kVolumeField, code == kKgPerCubicMetre ? 1u : 0u);
    return true;
}

void ResetUnits() {
    SetTemperatureUnit(kCelsius);
    SetPressureUnit(kMegapascal);
    SetEnthalpyUnit(kKilojoulePerKg);
    SetEntropyUnit(kKilojoulePerKgK);
    SetVolumeUnit(kCubicMetrePerKg);
}

}  // namespace aquaprop::units
