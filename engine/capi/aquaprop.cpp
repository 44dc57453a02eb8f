// SPDX-License-Identifier: MIT
// The STM_ C interface: converts units, calls the SI core and turns every failure into STM_ERROR_VALUE.
//
// The saturation line is decided in the caller's units, as a caller would decide it from the engine's own
// results: (T, p) is the liquid where T <= STM_sTp(p), and (p, h) is wet where STM_sHtx(STM_sTp(p), 1) <= h <=
// STM_sHtx(STM_sTp(p), 0) (likewise in s). Conversions move values by round-off, so the SI temperature or
// the side handed to the core follows that decision.
#include "engine/aquaprop.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>

#include "engine/capi/CallersDome.h"
#include "engine/core/Constants.h"
#include "engine/core/Props.h"
#include "engine/core/Region4.h"
#include "engine/core/Saturation.h"
#include "engine/core/Selection.h"
#include "engine/core/SelectionHS.h"
#include "engine/core/transport/SurfaceTension.h"
#include "engine/core/transport/Transport.h"
#include "engine/units/Units.h"

namespace {

using aquaprop::Quantity;
namespace units = aquaprop::units;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

int16_t Accepted(bool accepted) { return accepted ? 1 : 0; }

// NaN (the core's "no answer") and anything not finite leave as the error value.
double Checked(double value) { return std::isfinite(value) ? value : STM_ERROR_VALUE; }

// The ends of the range. A caller's value for an end (32 degF, STM_GetMaxPress(), STM_sPt(0 degC) in mmHg gauge)
// reaches SI a few units in the last place away from it; within the conversion's round-off it is that end. The
// saturation line ends at 273.15 K and Tc; single states also at 1073.15 K (above 50 MPa) and 2273.15 K.
constexpr double kSaturationTemperatureEnds[] = {aquaprop::kMinK, aquaprop::kCriticalK};
constexpr double kStateTemperatureEnds[] = {aquaprop::kMinK, aquaprop::kCriticalK, aquaprop::kRegion25K,
                                            aquaprop::kMaxK};
constexpr double kPressureEnds[] = {aquaprop::kSatMinMPa, aquaprop::kCriticalMPa, aquaprop::kMaxRegion5MPa,
                                    aquaprop::kMaxMPa};

// Near an end means within 1e-12 relative, far more than any conversion's round-off: only there is the unit's
// round-off looked at.
constexpr double kNearEnd = 1e-12;

template <std::size_t kCount>
[[gnu::noinline]] double SnappedToEnd(double si, const double (&ends)[kCount], const units::Linear& unit) {
    for (double end : ends) {
        if (std::fabs(si - end) <= unit.RoundOff(si)) return end;
    }
    return si;
}

// The doubles near an end as a range of bit patterns, which order as the positive doubles do: one subtraction
// and one unsigned comparison, in the integer units beside the floating-point work, tell whether a value lies
// in it. Twice as wide as near, to be sure; NaN and negative values lie outside.
struct NearRange {
    uint64_t first;
    uint64_t width;
};

template <const auto& kEnds>
constexpr auto kNearRanges = [] {
    std::array<NearRange, std::size(kEnds)> ranges{};
    for (std::size_t k = 0; k < std::size(kEnds); ++k) {
        const uint64_t first = std::bit_cast<uint64_t>(kEnds[k] * (1.0 - 2.0 * kNearEnd));
        ranges[k] = {first, std::bit_cast<uint64_t>(kEnds[k] * (1.0 + 2.0 * kNearEnd)) - first};
    }
    return ranges;
}();

// value converted to SI by unit, an end where it lies within round-off of one. K and MPa convert exactly, so
// there only the end itself is the end. Otherwise one branch, rarely taken, whatever the value. These
// conversions are inlined always: they are most of what a call does besides the property.
template <const auto& kEnds>
[[gnu::always_inline]] inline double ToSI(double value, const units::Unit& unit) {
    const double si = unit.ToSI(value);
    if (unit.IsSI()) return si;
    const uint64_t bits = std::bit_cast<uint64_t>(si);
    bool near = false;
    for (const NearRange& range : kNearRanges<kEnds>) near |= bits - range.first <= range.width;
    return near ? SnappedToEnd(si, kEnds, unit.linear()) : si;
}

// The saturation line's temperature, and a single state's.
[[gnu::always_inline]] inline double SaturationTemperatureToSI(const units::Current& u, double T) {
    return ToSI<kSaturationTemperatureEnds>(T, u.Temperature());
}

[[gnu::always_inline]] inline double StateTemperatureToSI(const units::Current& u, double T) {
    return ToSI<kStateTemperatureEnds>(T, u.Temperature());
}

[[gnu::always_inline]] inline double PressureToSI(const units::Current& u, double p) {
    return ToSI<kPressureEnds>(p, u.Pressure());
}

// A temperature in SI on the caller's side of the saturation line, with its region where that side settles it.
struct Sided {
    double T;
    aquaprop::Region region;
};

// si, converted from T, on the caller's side of the saturation line at pSI: at most Tsat(p) where T <= STM_sTp(p),
// above it otherwise. Only a temperature close to the line may need moving. Where it is compared with Tsat(p)
// from 273.15 K to 623.15 K, the side is the region, as RegionPT would decide it by the same comparison: 1 on the
// liquid side, 2 on the vapour side; kNone elsewhere.
[[gnu::noinline]] Sided OnCallersSideWithRegion(const units::Current& u, double T, double si, double pSI) {
    using aquaprop::Region;
    if (aquaprop::region4::SideByBounds(pSI, si) != aquaprop::region4::Side::kClose) return {si, Region::kNone};
    if (!(pSI >= aquaprop::kSatMinMPa && pSI <= aquaprop::kCriticalMPa && si >= aquaprop::kMinK)) {
        return {si, Region::kNone};
    }
    const double Ts = aquaprop::region4::SaturationTemperature(pSI);
    const bool liquid = T <= u.Temperature().FromSI(Ts);
    const double sided = liquid ? std::min(si, Ts) : (si > Ts ? si : std::nextafter(Ts, kInfinity));
    if (!(sided >= aquaprop::kMinK && sided <= aquaprop::kRegion13K)) return {sided, Region::kNone};
    return {sided, liquid ? Region::k1 : Region::k2};
}

double OnCallersSide(const units::Current& u, double T, double si, double pSI) {
    return OnCallersSideWithRegion(u, T, si, pSI).T;
}

// T in SI for the (T, p) functions.
double SidedTemperature(const units::Current& u, double T, double pSI) {
    return OnCallersSide(u, T, StateTemperatureToSI(u, T), pSI);
}

// The n functions take (T, p); the core takes (p, T). Where the region is settled the state lies far from the
// saturation line, on the caller's side of it whatever the unit: `settled(region, p, T)` there and beside the line
// where the side decides the region, `full(p, T)` elsewhere.
template <typename Settled, typename Full>
[[gnu::always_inline]] inline auto AtTP(const units::Current& u, double T, double p, Settled settled, Full full) {
    const double pSI = PressureToSI(u, p);
    const double TSI = StateTemperatureToSI(u, T);
    if (const aquaprop::Region region = aquaprop::SettledRegion(pSI, TSI); region != aquaprop::Region::kNone) {
        return settled(region, pSI, TSI);
    }
    const Sided sided = OnCallersSideWithRegion(u, T, TSI, pSI);
    if (sided.region != aquaprop::Region::kNone) return settled(sided.region, pSI, sided.T);
    return full(pSI, sided.T);
}

template <Quantity q>
double PropertyTP(const units::Current& u, double T, double p) {
    return AtTP(
        u, T, p, [](aquaprop::Region r, double pSI, double TSI) { return aquaprop::SettledPropertyPT<q>(r, pSI, TSI); },
        [](double pSI, double TSI) { return aquaprop::PropertyPT<q>(pSI, TSI); });
}

aquaprop::Props StateTP(const units::Current& u, double T, double p) {
    return AtTP(
        u, T, p, [](aquaprop::Region r, double pSI, double TSI) { return aquaprop::SettledStatePT(r, pSI, TSI); },
        [](double pSI, double TSI) { return aquaprop::StatePT(pSI, TSI); });
}

// The current units for the two-phase region's decision.
struct CurrentUnits {
    static double TemperatureFromSI(double kelvin) { return units::TemperatureFromSI(kelvin); }
    static double SaturationTemperatureToSI(double T) { return ::SaturationTemperatureToSI(units::Current(), T); }
    template <Quantity kGiven>
    static double GivenToSI(double x) {
        return kGiven == Quantity::kEnthalpy ? units::EnthalpyToSI(x) : units::EntropyToSI(x);
    }
    template <Quantity kGiven>
    static double GivenFromSI(double x) {
        return kGiven == Quantity::kEnthalpy ? units::EnthalpyFromSI(x) : units::EntropyFromSI(x);
    }
};
using Dome = aquaprop::capi::CallersDome<CurrentUnits>;

// The wetness of a wet (p, x), NaN for any other; the saturation temperature it belongs to in TsUser.
template <Quantity kGiven>
double WetnessOf(double p, double x, double* TsUser = nullptr) {
    return Dome::Wetness<kGiven>(PressureToSI(units::Current(), p), x, TsUser);
}

// T of (p, x) in the current unit: STM_sTp(p) inside the dome, ends included; beside it on the phase's side.
template <Quantity kGiven>
double TemperatureOf(double p, double x) {
    return Dome::Temperature<kGiven>(PressureToSI(units::Current(), p), x);
}

aquaprop::HsState StateHS(const units::Current& u, double h, double s) {
    return aquaprop::StateHS(u.Enthalpy().ToSI(h), u.Entropy().ToSI(s));
}

// A core function of (p, T), called with the C interface's (T, p), on the caller's side of the saturation line.
template <double (*F)(double, double)>
double CoreTP(double T, double p) {
    const units::Current u;
    const double pSI = PressureToSI(u, p);
    return F(pSI, SidedTemperature(u, T, pSI));
}

// The saturated liquid's (w = 1) or vapour's (w = 0) value of a core function of T; a mixture has no single value.
template <aquaprop::Saturated<double> (*F)(double)>
double SaturatedPhase(double T, double w) {
    if (!(w == 1.0 || w == 0.0)) return STM_ERROR_VALUE;
    const aquaprop::Saturated<double> both = F(SaturationTemperatureToSI(units::Current(), T));
    return Checked(w == 1.0 ? both.liquid : both.vapour);
}

}  // namespace

extern "C" {

int16_t STM_SetTempUnit(int32_t code) { return Accepted(units::SetTemperatureUnit(code)); }
int16_t STM_SetPressUnit(int32_t code) { return Accepted(units::SetPressureUnit(code)); }
int16_t STM_SetEnthalUnit(int32_t code) { return Accepted(units::SetEnthalpyUnit(code)); }
int16_t STM_SetEntroUnit(int32_t code) { return Accepted(units::SetEntropyUnit(code)); }
int16_t STM_SetDensityUnit(int32_t code) { return Accepted(units::SetVolumeUnit(code)); }

double STM_sTp(double p) {
    const units::Current u;
    const double T = aquaprop::region4::SaturationTemperature(PressureToSI(u, p));
    return Checked(u.Temperature().FromSI(T));
}

double STM_sPt(double T) {
    const units::Current u;
    const double p = aquaprop::region4::SaturationPressure(SaturationTemperatureToSI(u, T));
    return Checked(u.Pressure().FromSI(p));
}

double STM_sHtx(double T, double w) {
    const units::Current u;
    const double h = aquaprop::SaturatedMixture<Quantity::kEnthalpy>(SaturationTemperatureToSI(u, T), w);
    return Checked(u.Enthalpy().FromSI(h));
}

double STM_sStx(double T, double w) {
    const units::Current u;
    const double s = aquaprop::SaturatedMixture<Quantity::kEntropy>(SaturationTemperatureToSI(u, T), w);
    return Checked(u.Entropy().FromSI(s));
}

double STM_sDtx(double T, double w) {
    const units::Current u;
    const double v = aquaprop::SaturatedMixture<Quantity::kVolume>(SaturationTemperatureToSI(u, T), w);
    return Checked(u.VolumeFromSI(v));
}

double STM_sXph(double p, double h) { return Checked(WetnessOf<Quantity::kEnthalpy>(p, h)); }

double STM_sRt(double T) {
    const units::Current u;
    return Checked(u.Enthalpy().FromSI(aquaprop::LatentHeat(SaturationTemperatureToSI(u, T))));
}

double STM_sXps(double p, double s) { return Checked(WetnessOf<Quantity::kEntropy>(p, s)); }

double STM_sHps(double p, double s) {
    double Ts = aquaprop::kNaN;
    const double w = WetnessOf<Quantity::kEntropy>(p, s, &Ts);
    const units::Current u;
    const double h = aquaprop::SaturatedMixture<Quantity::kEnthalpy>(SaturationTemperatureToSI(u, Ts), w);
    return Checked(u.Enthalpy().FromSI(h));
}

int16_t STM_IsSat_ph(double p, double h) { return Accepted(!std::isnan(WetnessOf<Quantity::kEnthalpy>(p, h))); }

int16_t STM_IsSat_ps(double p, double s) { return Accepted(!std::isnan(WetnessOf<Quantity::kEntropy>(p, s))); }

double STM_nHtp(double T, double p) {
    const units::Current u;
    return Checked(u.Enthalpy().FromSI(PropertyTP<Quantity::kEnthalpy>(u, T, p)));
}

double STM_nStp(double T, double p) {
    const units::Current u;
    return Checked(u.Entropy().FromSI(PropertyTP<Quantity::kEntropy>(u, T, p)));
}

double STM_nDtp(double T, double p) {
    const units::Current u;
    return Checked(u.VolumeFromSI(PropertyTP<Quantity::kVolume>(u, T, p)));
}

double STM_nCPtp(double T, double p) {
    const units::Current u;
    return Checked(u.Entropy().FromSI(StateTP(u, T, p).cp));
}

double STM_nCVtp(double T, double p) {
    const units::Current u;
    return Checked(u.Entropy().FromSI(StateTP(u, T, p).cv));
}

double STM_nWtp(double T, double p) { return Checked(StateTP(units::Current(), T, p).w); }

double STM_nTph(double p, double h) { return Checked(TemperatureOf<Quantity::kEnthalpy>(p, h)); }

double STM_nTps(double p, double s) { return Checked(TemperatureOf<Quantity::kEntropy>(p, s)); }

double STM_nPhs(double h, double s) {
    const units::Current u;
    return Checked(u.Pressure().FromSI(StateHS(u, h, s).p));
}

double STM_nThs(double h, double s) {
    const units::Current u;
    return Checked(u.Temperature().FromSI(StateHS(u, h, s).T));
}

double STM_sXhs(double h, double s) { return Checked(StateHS(units::Current(), h, s).w); }

double STM_nUtp(double T, double p) {
    const units::Current u;
    return Checked(u.Enthalpy().FromSI(StateTP(u, T, p).u));
}

double STM_nMUtp(double T, double p) { return Checked(CoreTP<aquaprop::transport::ViscosityPT>(T, p)); }

double STM_nLAMtp(double T, double p) {
    const units::Current u;
    const double pSI = PressureToSI(u, p);
    return Checked(aquaprop::transport::TransportPT(pSI, SidedTemperature(u, T, pSI)).lambda);
}

double STM_nNUtp(double T, double p) { return Checked(CoreTP<aquaprop::transport::KinematicViscosityPT>(T, p)); }

double STM_nPRtp(double T, double p) { return Checked(CoreTP<aquaprop::transport::PrandtlPT>(T, p)); }

double STM_nKAPtp(double T, double p) { return Checked(CoreTP<aquaprop::IsentropicExponentPT>(T, p)); }

double STM_sUtx(double T, double w) {
    const units::Current u;
    return Checked(u.Enthalpy().FromSI(aquaprop::SaturatedInternalEnergy(SaturationTemperatureToSI(u, T), w)));
}

double STM_sMUtx(double T, double w) { return SaturatedPhase<aquaprop::transport::SaturatedViscosity>(T, w); }

double STM_sLAMtx(double T, double w) { return SaturatedPhase<aquaprop::transport::SaturatedConductivity>(T, w); }

double STM_sSIGt(double T) {
    return Checked(aquaprop::transport::SurfaceTension(SaturationTemperatureToSI(units::Current(), T)));
}

double STM_GetMinTemp(void) { return units::TemperatureFromSI(aquaprop::kMinK); }
double STM_GetMaxTemp(void) { return units::TemperatureFromSI(aquaprop::kMaxK); }
double STM_GetMinPress(void) { return units::PressureFromSI(aquaprop::kMinMPa); }
double STM_GetMaxPress(void) { return units::PressureFromSI(aquaprop::kMaxMPa); }

int16_t STM_GetDllVer(void) { return AQUAPROP_VERSION_NUMBER; }

}  // extern "C"
