// Any double in, NaN or a finite number out: never an infinity, a crash or an endless iteration.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "engine/core/Region3.h"

namespace aquaprop::region3 {
namespace {

std::vector<double> Inputs() {
    using L = std::numeric_limits<double>;
    std::vector<double> v{0.0,  -0.0,     L::denorm_min(), 1e-300, -1e-300, 1e300,  -1e300,  L::max(), L::lowest(),
                          L::infinity(), -L::infinity(), L::quiet_NaN(), -1.0, 1.0, 16.5291643, 22.064, 100.0,
                          100.0000001,   322.0,  623.15,   647.096,  863.15,  2087.5, 4.41, 1e4};
    std::mt19937_64 rng(20240601);
    for (int i = 0; i < 40; ++i) {
        const std::uint64_t bits = rng();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        v.push_back(d);
    }
    std::uniform_real_distribution<double> plausible(-10.0, 3000.0);
    for (int i = 0; i < 40; ++i) v.push_back(plausible(rng));
    return v;
}

bool NaNOrFinite(double x) { return !std::isinf(x); }

TEST(Robustness, AnyDoubleGivesNaNOrAFiniteValue) {
    const std::vector<double> inputs = Inputs();
    for (double a : inputs) {
        const SaturationDensities d = SaturationDensitiesT(a);
        EXPECT_TRUE(NaNOrFinite(d.liquid) && NaNOrFinite(d.vapour)) << a;
        EXPECT_TRUE(NaNOrFinite(SaturationPropsT(a).vapour.h)) << a;
        for (double b : inputs) {
            const Props x = PropsRhoT(a, b);
            EXPECT_TRUE(NaNOrFinite(Pressure(a, b))) << a << " " << b;
            EXPECT_TRUE(NaNOrFinite(x.h) && NaNOrFinite(x.s) && NaNOrFinite(x.cp) && NaNOrFinite(x.w)) << a << " " << b;
            EXPECT_TRUE(NaNOrFinite(DensityPT(a, b))) << a << " " << b;
            EXPECT_TRUE(NaNOrFinite(PropsPT(a, b).h)) << a << " " << b;
            EXPECT_TRUE(NaNOrFinite(TemperaturePH(a, b))) << a << " " << b;
            EXPECT_TRUE(NaNOrFinite(TemperaturePS(a, b))) << a << " " << b;
        }
    }
}

}  // namespace
}  // namespace aquaprop::region3
