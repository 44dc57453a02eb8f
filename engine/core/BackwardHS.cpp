// SPDX-License-Identifier: MIT
#include "engine/core/BackwardHS.h"

#include <cmath>

#include "engine/core/Constants.h"
#include "engine/core/PowerSum.h"
#include "engine/core/region3/Backward.h"
#include "engine/core/tables/BackwardHSTable.h"
#include "engine/core/tables/BoundaryHSTable.h"

namespace aquaprop {

namespace {

// Each equation reduces h and s by its own h* and s* and shifts them, and its sum gives the result over its
// reducing value (p*, h* or T*), some as a power, an inverse or a logarithm.
struct Reduction {
    double refResult;
    double refEnthalpy;  // kJ/kg
    double etaShift;
    double refEntropy;   // kJ/(kg K)
    double sigmaShift;
};

// The boundary equations in s alone have both variables from s: (s/s* + first, s/s* + second).
struct EntropyReduction {
    double refResult;
    double refEntropy;
    double firstShift;
    double secondShift;
};

constexpr Reduction kRegion1{100.0, 3400.0, 0.05, 7.6, 0.05};
constexpr Reduction kRegion2a{4.0, 4200.0, -0.5, 12.0, -1.2};
constexpr Reduction kRegion2b{100.0, 4100.0, -0.6, 7.9, -1.01};
constexpr Reduction kRegion2c{100.0, 3500.0, -0.7, 5.9, -1.1};
constexpr Reduction kRegion3a{99.0, 2300.0, -1.01, 4.4, -0.75};
constexpr Reduction kRegion3b{16.6, 2800.0, -0.681, 5.3, -0.792};
constexpr Reduction kB23{900.0, 3000.0, -0.727, 5.3, -0.864};
constexpr Reduction kTsat{550.0, 2800.0, -0.119, 9.2, -1.07};

constexpr EntropyReduction kSatLiquid{1700.0, 3.8, -1.09, 0.366e-4};
constexpr EntropyReduction kSatVapour2c3b{2800.0, 5.9, -1.02, -0.726};
constexpr EntropyReduction kB13{1700.0, 3.8, -0.884, -0.864};
// ln(h''/2800) = sum n (5.21/s - 0.513)^I (s/9.2 - 0.524)^J.
constexpr double kSatVapour2abRefEnthalpy = 2800.0;
constexpr double kSatVapour2abInverseRef = 5.21;
constexpr double kSatVapour2abInverseShift = -0.513;
constexpr double kSatVapour2abRefEntropy = 9.2;
constexpr double kSatVapour2abShift = -0.524;

template <const auto& kTable>
double Sum(const Reduction& r, double h, double s) {
    return SumPowers<kTable, kF>(h / r.refEnthalpy + r.etaShift, s / r.refEntropy + r.sigmaShift).f;
}

template <const auto& kTable>
double Sum(const EntropyReduction& r, double s) {
    const double sigma = s / r.refEntropy;
    return SumPowers<kTable, kF>(sigma + r.firstShift, sigma + r.secondShift).f;
}

double FourthPower(double x) {
    const double x2 = x * x;
    return x2 * x2;
}

}  // namespace

double region1::BackwardPressureHS(double h, double s) {
    return kRegion1.refResult * Sum<tables::kRegion1Phs>(kRegion1, h, s);
}

double region2::B2abEnthalpy(double s) {
    using tables::kB2abHs;
    return kB2abHs[0] + s * (kB2abHs[1] + s * (kB2abHs[2] + s * kB2abHs[3]));
}

region2::Subregion region2::SubregionHS(double h, double s) {
    if (s < k2bcEntropy) return Subregion::k2c;
    return h <= B2abEnthalpy(s) ? Subregion::k2a : Subregion::k2b;
}

double region2::BackwardPressureHS(double h, double s) {
    switch (SubregionHS(h, s)) {
        case Subregion::k2a:
            return kRegion2a.refResult * FourthPower(Sum<tables::kRegion2aPhs>(kRegion2a, h, s));
        case Subregion::k2b:
            return kRegion2b.refResult * FourthPower(Sum<tables::kRegion2bPhs>(kRegion2b, h, s));
        case Subregion::k2c:
            break;
    }
    return kRegion2c.refResult * FourthPower(Sum<tables::kRegion2cPhs>(kRegion2c, h, s));
}

double region3::BackwardPressureHS(double h, double s) {
    if (s <= kCriticalEntropy) return kRegion3a.refResult * Sum<tables::kRegion3aPhs>(kRegion3a, h, s);
    return kRegion3b.refResult / Sum<tables::kRegion3bPhs>(kRegion3b, h, s);
}

double boundary::SaturatedLiquidEnthalpy(double s) {
    if (s <= region3::kEntropy623.liquid) return kSatLiquid.refResult * Sum<tables::kSatLiquid1Hs>(kSatLiquid, s);
    return kSatLiquid.refResult * Sum<tables::kSatLiquid3aHs>(kSatLiquid, s);
}

double boundary::SaturatedVapourEnthalpy(double s) {
    if (s <= k2bcEntropy) {
        return kSatVapour2c3b.refResult * FourthPower(Sum<tables::kSatVapour2c3bHs>(kSatVapour2c3b, s));
    }
    const double x = kSatVapour2abInverseRef / s + kSatVapour2abInverseShift;
    const double y = s / kSatVapour2abRefEntropy + kSatVapour2abShift;
    return kSatVapour2abRefEnthalpy * std::exp(SumPowers<tables::kSatVapour2abHs, kF>(x, y).f);
}

double boundary::B13Enthalpy(double s) { return kB13.refResult * Sum<tables::kB13Hs>(kB13, s); }

double boundary::B23TemperatureHS(double h, double s) { return kB23.refResult * Sum<tables::kB23Hs>(kB23, h, s); }

double region4::SaturationTemperatureHS(double h, double s) {
    return kTsat.refResult * Sum<tables::kSaturationTemperatureHs>(kTsat, h, s);
}

}  // namespace aquaprop
