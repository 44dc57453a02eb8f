// Whatever double goes in, a finite number comes out: a value or the error value, never NaN or infinity.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "CapiFixture.h"

namespace aquaprop {
namespace {

using Function = double (*)(double, double);

double sTp(double p, double) { return STM_sTp(p); }
double sPt(double T, double) { return STM_sPt(T); }
double sRt(double T, double) { return STM_sRt(T); }
// The predicates answer 0 or 1; anything else shows as NaN here.
double IsSatPh(double p, double h) {
    const int16_t r = STM_IsSat_ph(p, h);
    return r == 0 || r == 1 ? r : std::nan("");
}
double IsSatPs(double p, double s) {
    const int16_t r = STM_IsSat_ps(p, s);
    return r == 0 || r == 1 ? r : std::nan("");
}

struct NamedFunction {
    const char* name;
    Function function;
};

constexpr NamedFunction kFunctions[] = {
    {"sTp", sTp},         {"sPt", sPt},         {"sHtx", STM_sHtx}, {"sStx", STM_sStx}, {"sDtx", STM_sDtx},
    {"sXph", STM_sXph},   {"nHtp", STM_nHtp},   {"nStp", STM_nStp}, {"nDtp", STM_nDtp}, {"nTph", STM_nTph},
    {"sRt", sRt},         {"sXps", STM_sXps},   {"sHps", STM_sHps}, {"IsSat_ph", IsSatPh}, {"IsSat_ps", IsSatPs},
    {"nCPtp", STM_nCPtp}, {"nCVtp", STM_nCVtp}, {"nWtp", STM_nWtp}, {"nTps", STM_nTps},
};

std::vector<double> ExtremeDoubles() {
    using L = std::numeric_limits<double>;
    std::vector<double> out = {0.0, -0.0, L::min(), -L::min(), L::denorm_min(), -L::denorm_min(), L::max(),
                               -L::max(), L::infinity(), -L::infinity(), L::quiet_NaN(), -L::quiet_NaN(),
                               L::signaling_NaN(), L::epsilon(), 1.0, -1.0, 0.5, 1e-300, 1e300, -1e300,
                               9.2233720368547758e18, -9.2233720368547758e18, 4.2949672960e9, 2.147483648e9,
                               -99999.999, 273.15, 373.946, 647.096, 22.064, 100.0, 2000.0, 2273.15, 1e-8};
    return out;
}

struct UnitSet {
    const char* name;
    int32_t temperature;
    int32_t pressure;
    int32_t enthalpy;
    int32_t entropy;
    int32_t volume;
};

class NeverNaNOrInfinity : public testing::DefaultUnitsWithParam<UnitSet> {
protected:
    void SetUp() override {
        DefaultUnits::SetUp();
        const UnitSet& u = GetParam();
        ASSERT_NE(STM_SetTempUnit(u.temperature), 0);
        ASSERT_NE(STM_SetPressUnit(u.pressure), 0);
        ASSERT_NE(STM_SetEnthalUnit(u.enthalpy), 0);
        ASSERT_NE(STM_SetEntroUnit(u.entropy), 0);
        ASSERT_NE(STM_SetDensityUnit(u.volume), 0);
    }

    static void Check(const NamedFunction& f, double a, double b) {
        const double result = f.function(a, b);
        ASSERT_TRUE(std::isfinite(result)) << f.name << "(" << a << ", " << b << ") = " << result;
    }
};

TEST_P(NeverNaNOrInfinity, ExtremeArguments) {
    const std::vector<double> values = ExtremeDoubles();
    for (const NamedFunction& f : kFunctions) {
        for (double a : values) {
            for (double b : values) Check(f, a, b);
        }
    }
}

// Random bit patterns reach every exponent, and random values inside the range reach every region.
TEST_P(NeverNaNOrInfinity, RandomArguments) {
    std::mt19937_64 random(20260101);
    std::uniform_real_distribution<double> temperature(-300.0, 2500.0);
    std::uniform_real_distribution<double> pressure(-1.0, 120.0);
    std::uniform_real_distribution<double> enthalpy(-500.0, 9000.0);
    std::uniform_real_distribution<double> wetness(-0.2, 1.2);
    std::uniform_real_distribution<double> entropy(-1.0, 14.0);
    for (int k = 0; k < 3000; ++k) {
        for (const NamedFunction& f : kFunctions) {
            Check(f, std::bit_cast<double>(random()), std::bit_cast<double>(random()));
        }
        const double T = temperature(random);
        const double p = pressure(random);
        const double h = enthalpy(random);
        const double w = wetness(random);
        Check({"sTp", sTp}, p, 0);
        Check({"sPt", sPt}, T, 0);
        Check({"sHtx", STM_sHtx}, T, w);
        Check({"sStx", STM_sStx}, T, w);
        Check({"sDtx", STM_sDtx}, T, w);
        Check({"sXph", STM_sXph}, p, h);
        Check({"nHtp", STM_nHtp}, T, p);
        Check({"nStp", STM_nStp}, T, p);
        Check({"nDtp", STM_nDtp}, T, p);
        Check({"nTph", STM_nTph}, p, h);
        const double s = entropy(random);
        Check({"sRt", sRt}, T, 0);
        Check({"sXps", STM_sXps}, p, s);
        Check({"sHps", STM_sHps}, p, s);
        Check({"IsSat_ph", IsSatPh}, p, h);
        Check({"IsSat_ps", IsSatPs}, p, s);
        Check({"nCPtp", STM_nCPtp}, T, p);
        Check({"nCVtp", STM_nCVtp}, T, p);
        Check({"nWtp", STM_nWtp}, T, p);
        Check({"nTps", STM_nTps}, p, s);
    }
}

// Close to the critical point cp grows without bound, yet every answer stays finite and positive.
TEST_P(NeverNaNOrInfinity, AroundTheCriticalPoint) {
    ASSERT_NE(STM_SetTempUnit(1), 0);
    ASSERT_NE(STM_SetPressUnit(12), 0);
    for (double dT : {-1e-3, -1e-9, 0.0, 1e-9, 1e-3}) {
        for (double dp : {-1e-3, -1e-9, 0.0, 1e-9, 1e-3}) {
            const double T = 647.096 + dT;
            const double p = 22.064 + dp;
            for (double (*f)(double, double) : {STM_nCPtp, STM_nCVtp, STM_nWtp}) {
                const double x = f(T, p);
                EXPECT_TRUE(std::isfinite(x) && x > 0.0) << T << " " << p << " " << x;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Units, NeverNaNOrInfinity,
                         ::testing::Values(UnitSet{"Defaults", 2, 12, 32, 52, 71},
                                           UnitSet{"KelvinPaJoulesDensity", 1, 11, 31, 51, 72},
                                           UnitSet{"FahrenheitGaugeKilocalories", 3, 21, 33, 53, 72},
                                           UnitSet{"CelsiusMmHgGauge", 2, 16, 32, 52, 71}),
                         [](const ::testing::TestParamInfo<UnitSet>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace aquaprop
