// SPDX-License-Identifier: MIT
// The aqp_ C interface: SI base units at the edge, the core inside, NaN for every invalid input. It reads no
// state at all, the STM_ units least of all.
#include <algorithm>
#include <cmath>
#include <cstddef>

#include "engine/aquaprop.h"
#include "engine/capi/ArrayForms.h"
#include "engine/capi/CallersDome.h"
#include "engine/core/Constants.h"
#include "engine/core/Props.h"
#include "engine/core/Region1.h"
#include "engine/core/Region2.h"
#include "engine/core/Region4.h"
#include "engine/core/Region5.h"
#include "engine/core/Selection.h"
#include "engine/core/SelectionHS.h"
#include "engine/core/transport/SurfaceTension.h"
#include "engine/core/transport/Transport.h"

namespace {

using aquaprop::kNaN;
using aquaprop::Quantity;

// The core works in MPa and kJ; these are the STM_ units' own conversions for Pa, J/kg and J/(kg K), so that the
// two families give the same digits.
constexpr double kMPaPerPa = 1e-6;
constexpr double kKiloPerUnit = 1e-3;

double CoreMPa(double pa) { return pa * kMPaPerPa; }
double Pascal(double mpa) { return mpa / kMPaPerPa; }
double CoreKilo(double joules) { return joules * kKiloPerUnit; }
double Joules(double kilo) { return kilo / kKiloPerUnit; }

// A dryness as the core's wetness; NaN outside 0..1 (1 - x alone would take a tiny negative x as 1).
double WetnessOf(double x) { return x >= 0.0 && x <= 1.0 ? 1.0 - x : kNaN; }

template <Quantity q>
double SiMixture(double T, double x) {
    return aquaprop::SaturatedMixture<q>(T, WetnessOf(x));
}

// SI units for the two-phase region's decision, made on the values aqp_h_Tx and aqp_s_Tx give.
struct SiUnits {
    static double TemperatureFromSI(double kelvin) { return kelvin; }
    static double SaturationTemperatureToSI(double kelvin) { return kelvin; }
    template <Quantity>
    static double GivenToSI(double joules) { return CoreKilo(joules); }
    template <Quantity>
    static double GivenFromSI(double kilo) { return Joules(kilo); }
};
using Dome = aquaprop::capi::CallersDome<SiUnits>;

// The liquid fraction of a wet (p, h) or (p, s), NaN for any other.
template <Quantity kGiven>
double SiWetness(double p, double given) {
    return Dome::Wetness<kGiven>(CoreMPa(p), given);
}

template <Quantity kGiven>
double SiDryness(double p, double given) {
    return 1.0 - SiWetness<kGiven>(p, given);
}

template <Quantity q>
double SiPropertyPT(double p, double T) {
    return aquaprop::PropertyPT<q>(CoreMPa(p), T);
}

double Same(double value) { return value; }
double Reciprocal(double value) { return 1.0 / value; }

// A property of (p, T) in the region already decided for it: region 1's value as given, regions 2 and 5 straight
// from their equations, anything else (region 3, no region) through the whole selection again.
template <Quantity q>
double InRegion(aquaprop::Region region, double p, double T, double liquid) {
    switch (region) {
        case aquaprop::Region::k1:
            return liquid;
        case aquaprop::Region::k2:
            return aquaprop::region2::Property<q>(p, T);
        case aquaprop::Region::k5:
            return aquaprop::region5::Property<q>(p, T);
        default:
            return aquaprop::PropertyPT<q>(p, T);
    }
}

// The array form of a property of (p, T). Region 1, where arrays of liquid states spend their time, is evaluated in
// vector registers for a block of states at once; the states of the block that lie elsewhere then on their own.
template <Quantity q, double (*fromCore)(double)>
std::size_t PropertiesPT(std::size_t n, const double* p, const double* T, double* out) {
    constexpr std::size_t kBlock = 256;
    double pBlock[kBlock];
    double value[kBlock];
    aquaprop::Region region[kBlock];
    std::size_t invalid = 0;
    for (std::size_t start = 0; start < n; start += kBlock) {
        const std::size_t m = std::min(kBlock, n - start);
        const double* TBlock = T + start;
        std::size_t liquids = 0;
        for (std::size_t j = 0; j < m; ++j) {
            pBlock[j] = CoreMPa(p[start + j]);
            region[j] = aquaprop::RegionPT(pBlock[j], TBlock[j]);
            liquids += region[j] == aquaprop::Region::k1 ? 1 : 0;
        }
        if (liquids > 0) aquaprop::region1::Properties<q>(m, pBlock, TBlock, value);
        for (std::size_t j = 0; j < m; ++j) value[j] = InRegion<q>(region[j], pBlock[j], TBlock[j], value[j]);
        for (std::size_t j = 0; j < m; ++j) {
            out[start + j] = aquaprop::capi::Valid(fromCore(value[j]));
            invalid += aquaprop::capi::IsNaN(out[start + j]);
        }
    }
    return invalid;
}

aquaprop::Props SiStatePT(double p, double T) { return aquaprop::StatePT(CoreMPa(p), T); }

// A core function of (p, T) in MPa and K, at p in Pa.
template <double (*F)(double, double)>
double SiCorePT(double p, double T) {
    return F(CoreMPa(p), T);
}

// The saturated liquid's (x = 0) or vapour's (x = 1) value of a core function of T; a mixture has no single value.
template <aquaprop::Saturated<double> (*F)(double)>
double SaturatedPhase(double T, double x) {
    if (!(x == 0.0 || x == 1.0)) return kNaN;
    const aquaprop::Saturated<double> both = F(T);
    return x == 0.0 ? both.liquid : both.vapour;
}

template <Quantity kGiven>
double SiTemperature(double p, double given) {
    return Dome::Temperature<kGiven>(CoreMPa(p), given);
}

// h of (p, s): the wet mixture's inside the two-phase region, else h at T(p, s).
double EnthalpyPS(double p, double s) {
    const double w = SiWetness<Quantity::kEntropy>(p, s);
    if (!std::isnan(w)) {
        const double T = aquaprop::region4::SaturationTemperature(CoreMPa(p));
        return aquaprop::SaturatedMixture<Quantity::kEnthalpy>(T, w);
    }
    return SiPropertyPT<Quantity::kEnthalpy>(p, SiTemperature<Quantity::kEntropy>(p, s));
}

constexpr aqp_state kNoState{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN};

aqp_state SingleState(double p, double T) {
    const aquaprop::Props x = SiStatePT(p, T);
    if (std::isnan(x.h)) return kNoState;
    return {p, T, kNaN, x.v, 1.0 / x.v, Joules(x.h), Joules(x.u), Joules(x.s), Joules(x.cp), Joules(x.cv), x.w};
}

// The mixture of liquid mass fraction w at the saturation state (p, T); x is the dryness 1 - w as given.
aqp_state WetState(double p, double T, double w, double x) {
    const double v = aquaprop::SaturatedMixture<Quantity::kVolume>(T, w);
    const double h = aquaprop::SaturatedMixture<Quantity::kEnthalpy>(T, w);
    const double s = aquaprop::SaturatedMixture<Quantity::kEntropy>(T, w);
    if (std::isnan(v + h + s + p)) return kNoState;
    const double u = Joules(h) - p * v;
    return {p, T, x, v, 1.0 / v, Joules(h), u, Joules(s), kNaN, kNaN, kNaN};
}

template <Quantity kGiven>
aqp_state StateFrom(double p, double given) {
    const double w = SiWetness<kGiven>(p, given);
    if (std::isnan(w)) return SingleState(p, SiTemperature<kGiven>(p, given));
    return WetState(p, aquaprop::region4::SaturationTemperature(CoreMPa(p)), w, 1.0 - w);
}

}  // namespace

// Saturation line.
AQP_FUNCTION1(Tsat_p, p, aquaprop::region4::SaturationTemperature(CoreMPa(p)))
AQP_FUNCTION1(psat_T, T, Pascal(aquaprop::region4::SaturationPressure(T)))
AQP_FUNCTION1(hfg_T, T, Joules(aquaprop::LatentHeat(T)))
AQP_FUNCTION2(h_Tx, T, x, Joules(SiMixture<Quantity::kEnthalpy>(T, x)))
AQP_FUNCTION2(s_Tx, T, x, Joules(SiMixture<Quantity::kEntropy>(T, x)))
AQP_FUNCTION2(v_Tx, T, x, SiMixture<Quantity::kVolume>(T, x))
AQP_FUNCTION2(rho_Tx, T, x, 1.0 / SiMixture<Quantity::kVolume>(T, x))
AQP_FUNCTION2(u_Tx, T, x, Joules(aquaprop::SaturatedInternalEnergy(T, WetnessOf(x))))
AQP_FUNCTION2(mu_Tx, T, x, SaturatedPhase<aquaprop::transport::SaturatedViscosity>(T, x))
AQP_FUNCTION2(lam_Tx, T, x, SaturatedPhase<aquaprop::transport::SaturatedConductivity>(T, x))
AQP_FUNCTION1(sigma_T, T, aquaprop::transport::SurfaceTension(T))
AQP_FUNCTION2(x_ph, p, h, SiDryness<Quantity::kEnthalpy>(p, h))
AQP_FUNCTION2(x_ps, p, s, SiDryness<Quantity::kEntropy>(p, s))

// Single states of (p, T).
#define AQP_PROPERTY_PT(name, q, fromCore)                                                  \
    AQP_SCALAR2(name, p, T, fromCore(SiPropertyPT<q>(p, T)))                                \
    extern "C" size_t aqp_##name##_n(size_t n, const double* p, const double* T, double* out) { \
        return PropertiesPT<q, fromCore>(n, p, T, out);                                     \
    }
AQP_PROPERTY_PT(h_pT, Quantity::kEnthalpy, Joules)
AQP_PROPERTY_PT(s_pT, Quantity::kEntropy, Joules)
AQP_PROPERTY_PT(v_pT, Quantity::kVolume, Same)
AQP_PROPERTY_PT(rho_pT, Quantity::kVolume, Reciprocal)
AQP_FUNCTION2(cp_pT, p, T, Joules(SiStatePT(p, T).cp))
AQP_FUNCTION2(cv_pT, p, T, Joules(SiStatePT(p, T).cv))
AQP_FUNCTION2(w_pT, p, T, SiStatePT(p, T).w)
AQP_FUNCTION2(u_pT, p, T, Joules(SiStatePT(p, T).u))
AQP_FUNCTION2(kappa_pT, p, T, SiCorePT<aquaprop::IsentropicExponentPT>(p, T))

// Transport properties of (p, T), up to 1173.15 K.
AQP_FUNCTION2(mu_pT, p, T, SiCorePT<aquaprop::transport::ViscosityPT>(p, T))
AQP_FUNCTION2(lam_pT, p, T, aquaprop::transport::TransportPT(CoreMPa(p), T).lambda)
AQP_FUNCTION2(nu_pT, p, T, SiCorePT<aquaprop::transport::KinematicViscosityPT>(p, T))
AQP_FUNCTION2(Pr_pT, p, T, SiCorePT<aquaprop::transport::PrandtlPT>(p, T))

// Inverses.
AQP_FUNCTION2(T_ph, p, h, SiTemperature<Quantity::kEnthalpy>(p, h))
AQP_FUNCTION2(T_ps, p, s, SiTemperature<Quantity::kEntropy>(p, s))
AQP_FUNCTION2(h_ps, p, s, Joules(EnthalpyPS(p, s)))

// The state from (h, s): its pressure, temperature and, in the two-phase region, dryness.
AQP_FUNCTION2(p_hs, h, s, Pascal(aquaprop::StateHS(CoreKilo(h), CoreKilo(s)).p))
AQP_FUNCTION2(T_hs, h, s, aquaprop::StateHS(CoreKilo(h), CoreKilo(s)).T)
AQP_FUNCTION2(x_hs, h, s, 1.0 - aquaprop::StateHS(CoreKilo(h), CoreKilo(s)).w)

extern "C" {

aqp_state aqp_state_pT(double p, double T) { return SingleState(p, T); }
aqp_state aqp_state_ph(double p, double h) { return StateFrom<Quantity::kEnthalpy>(p, h); }
aqp_state aqp_state_ps(double p, double s) { return StateFrom<Quantity::kEntropy>(p, s); }

aqp_state aqp_state_px(double p, double x) {
    return WetState(p, aquaprop::region4::SaturationTemperature(CoreMPa(p)), WetnessOf(x), x);
}

aqp_state aqp_state_Tx(double T, double x) {
    return WetState(Pascal(aquaprop::region4::SaturationPressure(T)), T, WetnessOf(x), x);
}

}  // extern "C"
