// SPDX-License-Identifier: MIT
#include "engine/core/region3/VolumePT.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/core/Constants.h"
#include "engine/core/Region4.h"
#include "engine/core/PowerSum.h"
#include "engine/core/tables/Backward3VolumeTable.h"

namespace aquaprop::region3 {

namespace {

// The region 3 backward equations sum with halved powers in four lanes; the boundaries, of one variable, in one.
template <const auto& kTable>
constexpr PowerSumFunction kSum = PowerSum<kTable, Chain::kHalving, 4>;
template <const auto& kTable>
constexpr PowerSumFunction kBoundarySum = PowerSum<kTable, Chain::kHalving, 1>;

// Form omega = [sum n ((pi - a)^c)^I ((theta - b)^d)^J]^e; 3n alone is omega = exp(sum n (pi - a)^I (theta - b)^J).
struct VolumeEquation {
    double vStar;  // m3/kg
    double pStar;  // MPa
    double TStar;  // K
    double a;
    double b;
    double c;  // 1 or 0.5; 0 marks the exponential form
    double d;  // 1 or 0.25
    double e;  // 1 or 4
    PowerSumFunction sum;
};

constexpr std::array<VolumeEquation, 26> kEquations{{
    {0.0024, 100, 760, 0.085, 0.817, 1, 1, 1, kSum<tables::kRegion3aVpt>},  // 3a
    {0.0041, 100, 860, 0.280, 0.779, 1, 1, 1, kSum<tables::kRegion3bVpt>},  // 3b
    {0.0022, 40, 690, 0.259, 0.903, 1, 1, 1, kSum<tables::kRegion3cVpt>},  // 3c
    {0.0029, 40, 690, 0.559, 0.939, 1, 1, 4, kSum<tables::kRegion3dVpt>},  // 3d
    {0.0032, 40, 710, 0.587, 0.918, 1, 1, 1, kSum<tables::kRegion3eVpt>},  // 3e
    {0.0064, 40, 730, 0.587, 0.891, 0.5, 1, 4, kSum<tables::kRegion3fVpt>},  // 3f
    {0.0027, 25, 660, 0.872, 0.971, 1, 1, 4, kSum<tables::kRegion3gVpt>},  // 3g
    {0.0032, 25, 660, 0.898, 0.983, 1, 1, 4, kSum<tables::kRegion3hVpt>},  // 3h
    {0.0041, 25, 660, 0.910, 0.984, 0.5, 1, 4, kSum<tables::kRegion3iVpt>},  // 3i
    {0.0054, 25, 670, 0.875, 0.964, 0.5, 1, 4, kSum<tables::kRegion3jVpt>},  // 3j
    {0.0077, 25, 680, 0.802, 0.935, 1, 1, 1, kSum<tables::kRegion3kVpt>},  // 3k
    {0.0026, 24, 650, 0.908, 0.989, 1, 1, 4, kSum<tables::kRegion3lVpt>},  // 3l
    {0.0028, 23, 650, 1.00, 0.997, 1, 0.25, 1, kSum<tables::kRegion3mVpt>},  // 3m
    {0.0031, 23, 650, 0.976, 0.997, 0, 0, 0, kSum<tables::kRegion3nVpt>},  // 3n: exponential form
    {0.0034, 23, 650, 0.974, 0.996, 0.5, 1, 1, kSum<tables::kRegion3oVpt>},  // 3o
    {0.0041, 23, 650, 0.972, 0.997, 0.5, 1, 1, kSum<tables::kRegion3pVpt>},  // 3p
    {0.0022, 23, 650, 0.848, 0.983, 1, 1, 4, kSum<tables::kRegion3qVpt>},  // 3q
    {0.0054, 23, 650, 0.874, 0.982, 1, 1, 1, kSum<tables::kRegion3rVpt>},  // 3r
    {0.0022, 21, 640, 0.886, 0.990, 1, 1, 4, kSum<tables::kRegion3sVpt>},  // 3s
    {0.0088, 20, 650, 0.803, 1.02, 1, 1, 1, kSum<tables::kRegion3tVpt>},  // 3t
    {0.0026, 23, 650, 0.902, 0.988, 1, 1, 1, kSum<tables::kRegion3uVpt>},  // 3u
    {0.0031, 23, 650, 0.960, 0.995, 1, 1, 1, kSum<tables::kRegion3vVpt>},  // 3v
    {0.0039, 23, 650, 0.959, 0.995, 1, 1, 4, kSum<tables::kRegion3wVpt>},  // 3w
    {0.0049, 23, 650, 0.910, 0.988, 1, 1, 1, kSum<tables::kRegion3xVpt>},  // 3x
    {0.0031, 22, 650, 0.996, 0.994, 1, 1, 4, kSum<tables::kRegion3yVpt>},  // 3y
    {0.0038, 22, 650, 0.993, 0.994, 1, 1, 4, kSum<tables::kRegion3zVpt>},  // 3z
}};

struct BoundaryEquation {
    PowerSumFunction sum;  // of pi alone (J = 0)
    bool logarithmic;      // theta = sum n (ln pi)^I instead of sum n pi^I
};

constexpr std::array<BoundaryEquation, 12> kBoundaries{{
    {kBoundarySum<tables::kB3ab>, true},
    {kBoundarySum<tables::kB3cd>, false},
    {nullptr, false},  // 3ef is the straight line below
    {kBoundarySum<tables::kB3gh>, false},
    {kBoundarySum<tables::kB3ij>, false},
    {kBoundarySum<tables::kB3jk>, false},
    {kBoundarySum<tables::kB3mn>, false},
    {kBoundarySum<tables::kB3op>, true},
    {kBoundarySum<tables::kB3qu>, false},
    {kBoundarySum<tables::kB3rx>, false},
    {kBoundarySum<tables::kB3uv>, false},
    {kBoundarySum<tables::kB3wx>, true},
}};

constexpr double kEfSlope = 3.727888004;                // K/MPa, T_3ef = slope (p - pc) + Tc
constexpr double kCdMinMPa = 19.00881189173929;          // T_3cd meets the saturation line
constexpr double kNearCriticalMinMPa = 21.04336732;      // psat(643.15 K)
constexpr double kUyMinMPa = 21.93161551;                // psat where v' = 0.00264 m3/kg
constexpr double kZxMinMPa = 21.90096265;                // psat where v'' = 0.00385 m3/kg
constexpr double kABMinMPa = 40.0;
constexpr double kCDEFMinMPa = 25.0;
constexpr double kGHIJKMinMPa = 23.5;
constexpr double kLHIJKMinMPa = 23.0;
constexpr double kLMNOPMinMPa = 22.5;
constexpr double kSRKMinMPa = 20.5;
constexpr double kUVWXMinMPa = 22.11;

double Tb(SubregionBoundary boundary, double p) { return BoundaryTemperature(boundary, p); }

using B = SubregionBoundary;
using S = Subregion;

// Bounds of a boundary's T_b(p) over intervals of p, each sampled at kSamples + 1 points. The lines are smooth in
// p: between neighbouring samples they stray from the samples' range by far less than the largest change from one
// sample to the next, which widens each bound. A T below or above the bounds is on that side without T_b(p).
class BoundedBoundary {
public:
    BoundedBoundary(SubregionBoundary boundary, double pLo, double pHi)
        : boundary_(boundary), pLo_(pLo), width_((pHi - pLo) / kIntervals) {
        for (int k = 0; k < kIntervals; ++k) {
            double lo = Tb(boundary, pLo + k * width_), hi = lo, step = 0.0, previous = lo;
            for (int j = 1; j <= kSamples; ++j) {
                const double T = Tb(boundary, std::min(pLo + (k + double(j) / kSamples) * width_, pHi));
                lo = std::min(lo, T);
                hi = std::max(hi, T);
                step = std::max(step, std::fabs(T - previous));
                previous = T;
            }
            bounds_[k] = {lo - step - 1e-9 * lo, hi + step + 1e-9 * hi};
        }
    }

    // T <= T_b(p), exactly as Tb(boundary, p) decides it.
    bool AtOrBelow(double T, double p) const {
        const double u = (p - pLo_) * (1.0 / width_);
        if (u >= 0.0 && u < kIntervals) {
            const Bounds& b = bounds_[static_cast<int>(u)];
            if (T < b.low) return true;
            if (T > b.high) return false;
        }
        return T <= Tb(boundary_, p);
    }

private:
    static constexpr int kIntervals = 32;
    static constexpr int kSamples = 8;
    struct Bounds {
        double low, high;  // K
    };
    SubregionBoundary boundary_;
    double pLo_;
    double width_;
    std::array<Bounds, kIntervals> bounds_{};
};

// The two lines most states are placed by, over the pressures where they are asked; built on first use.
const BoundedBoundary& AbLine() {
    static const BoundedBoundary line(B::kAb, 25.0, kMaxMPa);
    return line;
}

const BoundedBoundary& CdLine() {
    static const BoundedBoundary line(B::kCd, kCdMinMPa, 40.0);
    return line;
}

// T_3qu < T <= T_3rx between psat(643.15 K) and 22.5 MPa.
Subregion SelectNearCritical(double p, double T) {
    if (p > kUVWXMinMPa) {
        if (T <= Tb(B::kUv, p)) return S::k3u;
        if (T <= Tb(B::kEf, p)) return S::k3v;
        if (T <= Tb(B::kWx, p)) return S::k3w;
        return S::k3x;
    }
    if (p > kCriticalMPa) {
        if (T <= Tb(B::kUv, p)) return S::k3u;
        if (T <= Tb(B::kEf, p)) return S::k3y;
        if (T <= Tb(B::kWx, p)) return S::k3z;
        return S::k3x;
    }
    if (T <= region4::SaturationTemperature(p)) {
        if (p <= kUyMinMPa) return S::k3u;
        return T <= Tb(B::kUv, p) ? S::k3u : S::k3y;
    }
    if (p <= kZxMinMPa) return S::k3x;
    return T <= Tb(B::kWx, p) ? S::k3z : S::k3x;
}

// From 22.5 to 25 MPa the rows share their hot end: ... | T_3ij | j | T_3jk | k.
Subregion SelectHotEnd(double p, double T) {
    if (T <= Tb(B::kIj, p)) return S::k3i;
    if (T <= Tb(B::kJk, p)) return S::k3j;
    return S::k3k;
}

}  // namespace

double BoundaryTemperature(SubregionBoundary boundary, double p) {
    if (boundary == B::kEf) return kEfSlope * (p - kCriticalMPa) + kCriticalK;
    const BoundaryEquation& eq = kBoundaries[static_cast<int>(boundary)];
    return eq.sum(eq.logarithmic ? std::log(p) : p, 1.0);
}

Subregion SelectSubregion(double p, double T) {
    if (p > kABMinMPa) return AbLine().AtOrBelow(T, p) ? S::k3a : S::k3b;
    if (p > kCDEFMinMPa) {
        if (CdLine().AtOrBelow(T, p)) return S::k3c;
        if (AbLine().AtOrBelow(T, p)) return S::k3d;
        if (T <= Tb(B::kEf, p)) return S::k3e;
        return S::k3f;
    }
    if (p > kLMNOPMinMPa) {
        if (CdLine().AtOrBelow(T, p)) return S::k3c;
        if (p > kLHIJKMinMPa) {
            if (T <= Tb(B::kGh, p)) return p > kGHIJKMinMPa ? S::k3g : S::k3l;
            if (T <= Tb(B::kEf, p)) return S::k3h;
            return SelectHotEnd(p, T);
        }
        if (T <= Tb(B::kGh, p)) return S::k3l;
        if (T <= Tb(B::kMn, p)) return S::k3m;
        if (T <= Tb(B::kEf, p)) return S::k3n;
        if (T <= Tb(B::kOp, p)) return S::k3o;
        if (T <= Tb(B::kIj, p)) return S::k3p;
        return SelectHotEnd(p, T);
    }
    if (p > kNearCriticalMinMPa) {
        if (CdLine().AtOrBelow(T, p)) return S::k3c;
        if (T <= Tb(B::kQu, p)) return S::k3q;
        if (T <= Tb(B::kRx, p)) return SelectNearCritical(p, T);
        return T <= Tb(B::kJk, p) ? S::k3r : S::k3k;
    }
    if (p > kSRKMinMPa) {
        if (CdLine().AtOrBelow(T, p)) return S::k3c;
        if (T <= region4::SaturationTemperature(p)) return S::k3s;
        return T <= Tb(B::kJk, p) ? S::k3r : S::k3k;
    }
    if (p > kCdMinMPa) {
        if (CdLine().AtOrBelow(T, p)) return S::k3c;
        return T <= region4::SaturationTemperature(p) ? S::k3s : S::k3t;
    }
    return T <= region4::SaturationTemperature(p) ? S::k3c : S::k3t;
}

Subregion SaturatedLiquidSubregion(double p) {
    if (p <= kCdMinMPa) return S::k3c;
    if (p <= kNearCriticalMinMPa) return S::k3s;
    return p <= kUyMinMPa ? S::k3u : S::k3y;
}

Subregion SaturatedVapourSubregion(double p) {
    if (p <= kSRKMinMPa) return S::k3t;
    if (p <= kNearCriticalMinMPa) return S::k3r;
    return p <= kZxMinMPa ? S::k3x : S::k3z;
}

bool IsLiquidSide(Subregion subregion) {
    switch (subregion) {
        case S::k3c:
        case S::k3s:
        case S::k3q:
        case S::k3u:
        case S::k3y:
            return true;
        default:
            return false;
    }
}

double SubregionVolume(Subregion subregion, double p, double T) {
    const VolumeEquation& eq = kEquations[static_cast<int>(subregion)];
    const double x = p / eq.pStar - eq.a;
    const double y = T / eq.TStar - eq.b;
    if (eq.c == 0.0) return eq.vStar * std::exp(eq.sum(x, y));
    const double omega = eq.sum(eq.c == 1.0 ? x : std::sqrt(x), eq.d == 1.0 ? y : std::sqrt(std::sqrt(y)));
    if (eq.e == 1.0) return eq.vStar * omega;
    const double squared = omega * omega;
    return eq.vStar * squared * squared;
}

double VolumePT(double p, double T) { return SubregionVolume(SelectSubregion(p, T), p, T); }

}  // namespace aquaprop::region3
