// Every C interface test starts from the engine's default units.
#pragma once

#include <gtest/gtest.h>

#include "engine/aquaprop.h"

namespace aquaprop::testing {

class DefaultUnits : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset() {
        ASSERT_NE(STM_SetTempUnit(2), 0);
        ASSERT_NE(STM_SetPressUnit(12), 0);
        ASSERT_NE(STM_SetEnthalUnit(32), 0);
        ASSERT_NE(STM_SetEntroUnit(52), 0);
        ASSERT_NE(STM_SetDensityUnit(71), 0);
    }
};

template <typename Param>
class DefaultUnitsWithParam : public DefaultUnits, public ::testing::WithParamInterface<Param> {};

}  // namespace aquaprop::testing
