// SPDX-License-Identifier: MIT
#include "engine/core/transport/Conductivity.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <numbers>

#include "engine/core/Constants.h"
#include "engine/core/transport/ConductivityTable.h"
#include "engine/core/transport/Correlation.h"

namespace aquaprop::transport {

namespace {

constexpr double kUnitWmK = 1e-3;  // the release's lambda is in mW/(m K)
constexpr double kUnitPaS = 1e-6;  // and the viscosity in its enhancement in uPa s

// The critical enhancement for industrial use.
constexpr double kEnhancementScale = 177.8514;          // Lambda, in mW/(m K)
constexpr double kEnhancementGasConstant = 0.46151805;  // R of the release (not IF97's), kJ/(kg K)
constexpr double kXi0Nm = 0.13;                         // xi0, amplitude of the correlation length, nm
constexpr double kInverseQdNm = 0.40;                   // 1/qD, nm
constexpr double kGamma0 = 0.06;                        // Gamma0, amplitude of the susceptibility
constexpr double kNu = 0.630;                           // critical exponents nu and gamma
constexpr double kGamma = 1.239;
constexpr double kReferenceTr = 1.5;                    // TR, the reference isotherm, reduced
constexpr double kMinCrossoverY = 1.2e-7;               // Z = 0 below

// 1/zeta_ref as one polynomial in dr per density range: kReferenceRows[j][i] = A_ij.
constexpr std::size_t kRanges = std::size(tables::kConductivityReferenceUpper) + 1;
constexpr std::size_t kReferenceDegree = 5;
using ReferenceRow = std::array<double, kReferenceDegree + 1>;

constexpr std::array<ReferenceRow, kRanges> ReferenceRows() {
    std::array<ReferenceRow, kRanges> rows{};
    for (const Term& t : tables::kConductivityReference) rows.at(t.J).at(t.I) = t.n;
    return rows;
}
constexpr auto kReferenceRows = ReferenceRows();
static_assert(std::size(tables::kConductivityReference) == kRanges * (kReferenceDegree + 1),
              "one coefficient for every power and range");

double InverseReferenceOnRow(std::size_t j, double dr) {
    double sum = kReferenceRows[j][kReferenceDegree];
    for (std::size_t i = kReferenceDegree; i-- > 0;) sum = sum * dr + kReferenceRows[j][i];
    return sum;
}

// Across the change from row k to row k + 1, a smoothstep weight over 2 kReferenceBlend.
double InverseReferenceBlended(std::size_t k, double dr) {
    const double t = (dr - tables::kConductivityReferenceUpper[k] + detail::kReferenceBlend) /
                     (2.0 * detail::kReferenceBlend);
    const double weight = t * t * (3.0 - 2.0 * t);
    const double below = InverseReferenceOnRow(k, dr);
    return below + weight * (InverseReferenceOnRow(k + 1, dr) - below);
}

double InverseReference(double dr) {
    constexpr const auto& upper = tables::kConductivityReferenceUpper;
    std::size_t j = 0;
    while (j < std::size(upper) && dr > upper[j]) ++j;
    if (j < std::size(upper) && dr > upper[j] - detail::kReferenceBlend) return InverseReferenceBlended(j, dr);
    if (j > 0 && dr < upper[j - 1] + detail::kReferenceBlend) return InverseReferenceBlended(j - 1, dr);
    return InverseReferenceOnRow(j, dr);
}

// Below kSeriesLimit the closed forms of e^-u - 1 + u and y - atan y lose digits to cancellation; their series
// converge fast there.
constexpr double kSeriesLimit = 0.1;
constexpr std::size_t kSeriesTerms = 10;
using Series = std::array<double, kSeriesTerms>;

// (-1)^n / (n + 2)!
constexpr Series ExpRemainderSeries() {
    Series c{};
    double factorial = 2.0;
    for (std::size_t n = 0; n < kSeriesTerms; ++n) {
        c[n] = (n % 2 == 0 ? 1.0 : -1.0) / factorial;
        factorial *= double(n + 3);
    }
    return c;
}

// (-1)^m / (2m + 3)
constexpr Series AtanRemainderSeries() {
    Series c{};
    for (std::size_t m = 0; m < kSeriesTerms; ++m) c[m] = (m % 2 == 0 ? 1.0 : -1.0) / double(2 * m + 3);
    return c;
}

double Horner(const Series& c, double x) {
    double sum = c[kSeriesTerms - 1];
    for (std::size_t n = kSeriesTerms - 1; n-- > 0;) sum = sum * x + c[n];
    return sum;
}

// e^-u - 1 + u >= 0
double ExpRemainder(double u) {
    static constexpr Series kSeries = ExpRemainderSeries();
    return u < kSeriesLimit ? u * u * Horner(kSeries, u) : std::expm1(-u) + u;
}

// y - atan y >= 0
double AtanRemainder(double y) {
    static constexpr Series kSeries = AtanRemainderSeries();
    return y < kSeriesLimit ? y * y * y * Horner(kSeries, y * y) : y - std::atan(y);
}

}  // namespace

namespace detail {

// Z = 2/(pi y) [(1 - 1/kappa) atan y + y/kappa - (1 - e^-u)], u = 1/(1/y + y^2/(3 dr^2)). For small y the bracket
// is a small difference of terms near y; there it is regrouped as (y - u) + (e^-u - 1 + u) - (1 - 1/kappa)(y - atan y),
// whose first two parts are positive and outweigh the third.
double CrossoverFunction(double y, double cvOverCp, double dr) {
    if (y < kMinCrossoverY) return 0.0;
    const double q = y * y * y / (3.0 * dr * dr);
    const double u = y / (1.0 + q);
    const double bracket = y < 1.0 ? y / (1.0 + 1.0 / q) + ExpRemainder(u) - (1.0 - cvOverCp) * AtanRemainder(y)
                                   : (1.0 - cvOverCp) * std::atan(y) + cvOverCp * y + std::expm1(-u);
    return 2.0 / (std::numbers::pi * y) * bracket;
}

}  // namespace detail

double ConductivityBackground(double rho, double T) {
    return kUnitWmK * DiluteGasPart<tables::kConductivityDilute>(T) *
           ResidualFactor<tables::kConductivityResidual>(rho, T);
}

double CriticalEnhancement(const ConductivityState& x) {
    const double Tr = x.T / kCriticalK;
    const double dr = x.rho / kCriticalDensity;
    const double zeta = kCriticalMPa / kCriticalDensity * x.drhodp;
    const double dchi = dr * (zeta - kReferenceTr / (Tr * InverseReference(dr)));
    if (dchi <= 0.0) return 0.0;  // a NaN passes on
    const double y = kXi0Nm / kInverseQdNm * std::pow(dchi / kGamma0, kNu / kGamma);
    const double Z = detail::CrossoverFunction(y, x.cv / x.cp, dr);
    return kUnitWmK * kEnhancementScale * dr * (x.cp / kEnhancementGasConstant) * Tr / (x.mu / kUnitPaS) * Z;
}

double ThermalConductivity(const ConductivityState& x) {
    return ConductivityBackground(x.rho, x.T) + CriticalEnhancement(x);
}

}  // namespace aquaprop::transport
