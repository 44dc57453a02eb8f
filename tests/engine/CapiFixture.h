// SPDX-License-Identifier: MIT
// Every C interface test starts from the engine's default units and leaves them so.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/aquaprop.h"

namespace aquaprop::testing {

inline void SetUnits(int32_t T, int32_t p, int32_t h = 32, int32_t s = 52, int32_t volume = 71) {
    ASSERT_TRUE(STM_SetTempUnit(T) && STM_SetPressUnit(p) && STM_SetEnthalUnit(h) && STM_SetEntroUnit(s) &&
                STM_SetDensityUnit(volume));
}

class DefaultUnits : public ::testing::Test {
protected:
    void SetUp() override { SetUnits(2, 12); }
    void TearDown() override { SetUnits(2, 12); }
};

template <typename Param>
class DefaultUnitsWithParam : public DefaultUnits, public ::testing::WithParamInterface<Param> {};

// One code per quantity, named for parameterised tests.
struct UnitSet {
    const char* name;
    int32_t T, p, h, s, volume;
};

// Between them every kind of conversion: the SI units, the defaults, degF with MPa gauge and kcal, degC with mmHg
// gauge; volumes and densities.
inline constexpr UnitSet kUnitSets[] = {{"Defaults", 2, 12, 32, 52, 71},
                                        {"KelvinPaJoulesDensity", 1, 11, 31, 51, 72},
                                        {"FahrenheitMPaGaugeKilocalories", 3, 21, 33, 53, 72},
                                        {"CelsiusMmHgGauge", 2, 16, 32, 52, 71}};

// A test run once in each unit set, which it starts from.
class InUnitSet : public DefaultUnitsWithParam<UnitSet> {
protected:
    void SetUp() override {
        const UnitSet& u = GetParam();
        SetUnits(u.T, u.p, u.h, u.s, u.volume);
    }
};

inline std::string UnitSetName(const ::testing::TestParamInfo<UnitSet>& row) { return row.param.name; }

}  // namespace aquaprop::testing
