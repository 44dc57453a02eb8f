// Every C interface test starts from the engine's default units and leaves them so.
#pragma once

#include <gtest/gtest.h>

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

}  // namespace aquaprop::testing
