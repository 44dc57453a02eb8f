// SPDX-License-Identifier: MIT
// Viscosity, thermal conductivity and surface tension: the releases' and the IF97-based check values, the
// crossover function against high-precision values, and the critical enhancement's sign and continuity.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "Published.h"
#include "TransportData.h"
#include "engine/core/Constants.h"
#include "engine/core/Region3.h"
#include "engine/core/Selection.h"
#include "engine/core/transport/Conductivity.h"
#include "engine/core/transport/ConductivityTable.h"
#include "engine/core/transport/SurfaceTension.h"
#include "engine/core/transport/Transport.h"
#include "engine/core/transport/Viscosity.h"

namespace aquaprop::transport {
namespace {

using aquaprop::testing::CheckRow;
using aquaprop::testing::MatchesPublished;
using aquaprop::testing::Number;
using aquaprop::testing::ReadCheckValues;

constexpr double kMicro = 1e6;  // the check values are in uPa s and mW/(m K)
constexpr double kMilli = 1e3;

double ViscosityMicroPaS(double rho, double T) { return kMicro * Viscosity(rho, T); }
double BackgroundMilliWmK(double rho, double T) { return kMilli * ConductivityBackground(rho, T); }

// Every row of each file, to its printed digits.
TEST(TransportCheckValues, AtDensityAndTemperature) {
    const struct {
        const char* file;
        const char* column;
        std::size_t rows;
        double (*equation)(double rho, double T);
    } files[] = {{"viscosity_rhoT.csv", "mu", 11, ViscosityMicroPaS},
                 {"conductivity_rhoT.csv", "lambda", 4, BackgroundMilliWmK}};
    for (const auto& f : files) {
        const std::vector<CheckRow> rows = ReadCheckValues(f.file);
        ASSERT_EQ(rows.size(), f.rows) << f.file;
        for (const CheckRow& r : rows) {
            EXPECT_TRUE(MatchesPublished(f.equation(Number(r, "rho"), Number(r, "T")), r.at(f.column)))
                << f.file << ": " << r.at("T") << " K, " << r.at("rho") << " kg/m3";
        }
    }
}

// Regions 1, 2 and 5, with the enhancement where it is not zero (up to 5 mW/(m K) here).
TEST(TransportCheckValues, AtTemperatureAndPressureThroughIF97) {
    const std::vector<CheckRow> rows = ReadCheckValues("transport_pT_if97.csv");
    ASSERT_EQ(rows.size(), 10u);
    for (const CheckRow& r : rows) {
        SCOPED_TRACE(r.at("T") + " K, " + r.at("p") + " MPa");
        const double T = Number(r, "T");
        const double p = Number(r, "p");
        const TransportProps x = TransportPT(p, T);
        EXPECT_TRUE(MatchesPublished(kMicro * x.mu, r.at("mu")));
        EXPECT_TRUE(MatchesPublished(kMicro * ViscosityPT(p, T), r.at("mu")));
        EXPECT_TRUE(MatchesPublished(kMilli * x.lambda, r.at("lambda")));
    }
}

// The release's three check values, zero at the critical point, NaN outside 273.15 K .. Tc.
TEST(SurfaceTension, CheckValuesAndRange) {
    const struct {
        double T;
        const char* sigma;  // mN/m
    } cases[] = {{300, "71.685963"}, {450, "42.891499"}, {600, "8.375611"}};
    for (const auto& c : cases) EXPECT_TRUE(MatchesPublished(kMilli * SurfaceTension(c.T), c.sigma)) << c.T;
    EXPECT_EQ(SurfaceTension(kCriticalK), 0.0);
    EXPECT_GT(SurfaceTension(kMinK), 0.0);
    for (double T : {kMinK - 1e-9, kCriticalK + 1e-9, kNaN}) EXPECT_TRUE(std::isnan(SurfaceTension(T))) << T;
}

// Z from its closed form in 50-digit arithmetic (mpmath). For small y the closed form in doubles loses a digit per
// decade (some 1e-11 relative at y = 1e-5); the regrouped form keeps full precision across its switches at 0.1
// and 1, at tiny densities and near the critical point where cv/cp -> 0; below the cut-off it is zero.
TEST(CrossoverFunction, MatchesHighPrecisionValues) {
    const struct {
        const char* name;
        double y, cvOverCp, dr, Z;
    } cases[] = {
        {"AtTheCutOff", 1.2e-07, 0.5, 1.0, 3.8197183286280382e-8},
        {"Tiny", 1e-05, 0.9, 2.5, 3.1830861295029382e-6},
        {"Small", 0.001, 0.2, 0.5, 3.1803489221610332e-4},
        {"SeriesRange", 0.05, 0.05, 1.2, 1.5167804729260308e-2},
        {"BelowSeriesLimit", 0.099, 0.6, 1.0, 2.9857359148533996e-2},
        {"AboveSeriesLimit", 0.101, 0.6, 1.0, 3.043066761772827e-2},
        {"DiluteGas", 0.01, 0.5, 0.001, 1.6093035865630231e-1},
        {"ModerateDiluteGas", 0.5, 0.01, 0.1, 4.7335493194494163e-1},
        {"BelowOne", 0.999, 0.3, 1.0, 2.0493166542258458e-1},
        {"AboveOne", 1.001, 0.3, 1.0, 2.0523633379421905e-1},
        {"Large", 10.0, 0.003, 1.0, 9.3407839232189292e-2},
        {"NearCritical", 300.0, 0.0005, 1.0, 3.6428358284422434e-3},
        {"BelowTheCutOff", 1.19e-7, 0.5, 1.0, 0.0},
        {"Zero", 0.0, 0.5, 1.0, 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(detail::CrossoverFunction(c.y, c.cvOverCp, c.dr), c.Z, 5e-15 * c.Z) << c.name;
    }
    EXPECT_TRUE(std::isnan(detail::CrossoverFunction(kNaN, 0.5, 1.0)));
}

double Enhancement(double p, double T) { return CriticalEnhancement(ConductivityStateOf(StatePT(p, T), T)); }

// Over the whole range, dense where the enhancement is large: never negative, finite wherever IF97 gives the
// state, and zero far from the critical point.
TEST(CriticalEnhancement, NeverNegativeAndFinite) {
    std::vector<double> temperatures = {kMinK, kCriticalK, kTransportMaxK};
    for (double T = kMinK; T < kTransportMaxK; T += 7.3) temperatures.push_back(T);
    for (double T = kRegion13K; T < 700.0; T += 0.37) temperatures.push_back(T);
    std::vector<double> pressures = {kCriticalMPa, kMaxMPa};
    for (double p = 1e-4; p < kMaxMPa; p *= 1.3) pressures.push_back(p);
    for (double p = 15.0; p < 40.0; p += 0.113) pressures.push_back(p);
    for (double T : temperatures) {
        for (double p : pressures) {
            if (RegionPT(p, T) == Region::kNone) continue;
            const double lambda2 = Enhancement(p, T);
            ASSERT_TRUE(lambda2 >= 0.0 && std::isfinite(lambda2)) << T << " K, " << p << " MPa: " << lambda2;
        }
    }
    EXPECT_EQ(Enhancement(0.1, 300), 0.0);
    EXPECT_EQ(Enhancement(0.1, 1000), 0.0);
}

// Where the reference polynomial changes rows (the table's densities), at both edges of the blend around each,
// along region 3 isotherms: the enhancement on either side of each point agrees to 1e-9 relative. Without the
// blend the rows differ by 2e-7 to 6e-4 of the enhancement there.
TEST(CriticalEnhancement, ContinuousWhereTheReferenceChangesRows) {
    const auto lambda2 = [](double dr, double T) {
        const double rho = dr * kCriticalDensity;
        return CriticalEnhancement(ConductivityStateOf(region3::PropsRhoT(rho, T), T));
    };
    constexpr double kSide = 1e-11;  // reduced density
    for (double T : {647.2, 650.0, 660.0, 700.0, 750.0, 800.0, 860.0}) {
        for (double upper : tables::kConductivityReferenceUpper) {
            for (double dr : {upper - detail::kReferenceBlend, upper, upper + detail::kReferenceBlend}) {
                const double below = lambda2(dr - kSide, T);
                const double above = lambda2(dr + kSide, T);
                ASSERT_GT(below, 0.0) << T << " K, dr " << dr;
                EXPECT_NEAR(above, below, 1e-9 * below) << T << " K, dr " << dr;
            }
        }
    }
}

// Approaching the critical point along the critical isobar and isotherm, lambda grows without bound in the
// releases but stays finite with IF97's cp, also at the critical point itself.
TEST(ThermalConductivity, GrowsButStaysFiniteNearTheCriticalPoint) {
    double previousT = 0.0;
    double previousP = 0.0;
    for (double distance : {1.0, 0.1, 1e-2, 1e-3, 1e-4, 1e-6, 0.0}) {
        const double alongIsobar = TransportPT(kCriticalMPa, kCriticalK + distance).lambda;
        const double alongIsotherm = TransportPT(kCriticalMPa + distance, kCriticalK).lambda;
        EXPECT_TRUE(std::isfinite(alongIsobar) && alongIsobar > previousT) << distance;
        EXPECT_TRUE(std::isfinite(alongIsotherm) && alongIsotherm > previousP) << distance;
        previousT = alongIsobar;
        previousP = alongIsotherm;
    }
}

// IF97's range, up to 1173.15 K.
TEST(TransportPT, Range) {
    const struct {
        const char* name;
        double p, T;
        bool accepted;
    } cases[] = {
        {"AtLowestTemperature", 1, kMinK, true},
        {"BelowLowestTemperature", 1, kMinK - 0.01, false},
        {"AtTransportLimit", 1, kTransportMaxK, true},
        {"AboveTransportLimit", 1, kTransportMaxK + 0.01, false},
        {"Region5AboveTransportLimit", 1, 1500, false},
        {"Region5At50MPa", kMaxRegion5MPa, 1100, true},
        {"Region5Above50MPa", kMaxRegion5MPa + 0.01, 1100, false},
        {"At100MPa", kMaxMPa, 500, true},
        {"Above100MPa", kMaxMPa + 0.01, 500, false},
        {"ZeroPressure", 0, 500, false},
    };
    for (const auto& c : cases) {
        const TransportProps x = TransportPT(c.p, c.T);
        const double mu = ViscosityPT(c.p, c.T);
        EXPECT_EQ(std::isfinite(x.mu) && x.mu > 0 && std::isfinite(x.lambda) && x.lambda > 0, c.accepted) << c.name;
        EXPECT_EQ(std::isfinite(mu), c.accepted) << c.name;
    }
}

}  // namespace
}  // namespace aquaprop::transport
