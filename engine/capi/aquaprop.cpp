// SPDX-License-Identifier: MIT
// The STM_ C interface: converts units, calls the SI core and turns every failure into STM_ERROR_VALUE.
//
// The saturation line is decided in the caller's units, as a caller would decide it from the engine's own
// results: (T, p) is the liquid where T <= STM_sTp(p), and (p, h) is wet where STM_sHtx(STM_sTp(p), 1) <= h <=
// STM_sHtx(STM_sTp(p), 0) (likewise in s). Conversions move values by round-off, so the SI temperature or
// the side handed to the core follows that decision.
#include "engine/aquaprop.h"

#include <algorithm>
#include <cmath>
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
[[gnu::noinline]] double SnappedToEnd(double si, const double (&ends)[kCount], double (*roundOff)(double)) {
    for (double end : ends) {
        if (std::fabs(si - end) <= roundOff(si)) return end;
    }
    return si;
}

// One branch, rarely taken, whatever the value.
template <std::size_t kCount>
double AtEnd(double si, const double (&ends)[kCount], double (*roundOff)(double)) {
    bool near = false;
    for (double end : ends) near |= std::fabs(si - end) <= kNearEnd * end;
    return near ? SnappedToEnd(si, ends, roundOff) : si;
}

// The saturation line's temperature, and a single state's.
double SaturationTemperatureToSI(double T) {
    return AtEnd(units::TemperatureToSI(T), kSaturationTemperatureEnds, units::TemperatureRoundOff);
}

double StateTemperatureToSI(double T) {
    return AtEnd(units::TemperatureToSI(T), kStateTemperatureEnds, units::TemperatureRoundOff);
}

double PressureToSI(double p) { return AtEnd(units::PressureToSI(p), kPressureEnds, units::PressureRoundOff); }

// si, converted from T, on the caller's side of the saturation line at pSI: at most Tsat(p) where T <= STM_sTp(p),
// above it otherwise.
[[gnu::noinline]] double OnCallersSide(double T, double si, double pSI) {
    if (!(pSI >= aquaprop::kSatMinMPa && pSI <= aquaprop::kCriticalMPa && si >= aquaprop::kMinK)) return si;
    const double Ts = aquaprop::region4::SaturationTemperature(pSI);
    if (T <= units::TemperatureFromSI(Ts)) return std::min(si, Ts);
    return si > Ts ? si : std::nextafter(Ts, kInfinity);
}

// T in SI for the (T, p) functions: only a temperature close to the saturation line may need moving.
double SidedTemperature(double T, double pSI) {
    const double si = StateTemperatureToSI(T);
    if (aquaprop::region4::SideByBounds(pSI, si) != aquaprop::region4::Side::kClose) return si;
    return OnCallersSide(T, si, pSI);
}

// The n functions take (T, p); the core takes (p, T).
template <Quantity q>
double PropertyTP(double T, double p) {
    const double pSI = PressureToSI(p);
    return aquaprop::PropertyPT<q>(pSI, SidedTemperature(T, pSI));
}

aquaprop::Props StateTP(double T, double p) {
    const double pSI = PressureToSI(p);
    return aquaprop::StatePT(pSI, SidedTemperature(T, pSI));
}

// The current units for the two-phase region's decision.
struct CurrentUnits {
    static double TemperatureFromSI(double kelvin) { return units::TemperatureFromSI(kelvin); }
    static double SaturationTemperatureToSI(double T) { return ::SaturationTemperatureToSI(T); }
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
    return Dome::Wetness<kGiven>(PressureToSI(p), x, TsUser);
}

// T of (p, x) in the current unit: STM_sTp(p) inside the dome, ends included; beside it on the phase's side.
template <Quantity kGiven>
double TemperatureOf(double p, double x) {
    return Dome::Temperature<kGiven>(PressureToSI(p), x);
}

aquaprop::HsState StateHS(double h, double s) {
    return aquaprop::StateHS(units::EnthalpyToSI(h), units::EntropyToSI(s));
}

// A core function of (p, T), called with the C interface's (T, p), on the caller's side of the saturation line.
template <double (*F)(double, double)>
double CoreTP(double T, double p) {
    const double pSI = PressureToSI(p);
    return F(pSI, SidedTemperature(T, pSI));
}

// The saturated liquid's (w = 1) or vapour's (w = 0) value of a core function of T; a mixture has no single value.
template <aquaprop::Saturated<double> (*F)(double)>
double SaturatedPhase(double T, double w) {
    if (!(w == 1.0 || w == 0.0)) return STM_ERROR_VALUE;
    const aquaprop::Saturated<double> both = F(SaturationTemperatureToSI(T));
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
    const double T = aquaprop::region4::SaturationTemperature(PressureToSI(p));
    return Checked(units::TemperatureFromSI(T));
}

double STM_sPt(double T) {
    const double p = aquaprop::region4::SaturationPressure(SaturationTemperatureToSI(T));
    return Checked(units::PressureFromSI(p));
}

double STM_sHtx(double T, double w) {
    const double h = aquaprop::SaturatedMixture<Quantity::kEnthalpy>(SaturationTemperatureToSI(T), w);
    return Checked(units::EnthalpyFromSI(h));
}

double STM_sStx(double T, double w) {
    const double s = aquaprop::SaturatedMixture<Quantity::kEntropy>(SaturationTemperatureToSI(T), w);
    return Checked(units::EntropyFromSI(s));
}

double STM_sDtx(double T, double w) {
    const double v = aquaprop::SaturatedMixture<Quantity::kVolume>(SaturationTemperatureToSI(T), w);
    return Checked(units::VolumeFromSI(v));
}

double STM_sXph(double p, double h) { return Checked(WetnessOf<Quantity::kEnthalpy>(p, h)); }

double STM_sRt(double T) {
    return Checked(units::EnthalpyFromSI(aquaprop::LatentHeat(SaturationTemperatureToSI(T))));
}

double STM_sXps(double p, double s) { return Checked(WetnessOf<Quantity::kEntropy>(p, s)); }

double STM_sHps(double p, double s) {
    double Ts = aquaprop::kNaN;
    const double w = WetnessOf<Quantity::kEntropy>(p, s, &Ts);
    return Checked(units::EnthalpyFromSI(aquaprop::SaturatedMixture<Quantity::kEnthalpy>(SaturationTemperatureToSI(Ts), w)));
}

int16_t STM_IsSat_ph(double p, double h) { return Accepted(!std::isnan(WetnessOf<Quantity::kEnthalpy>(p, h))); }

int16_t STM_IsSat_ps(double p, double s) { return Accepted(!std::isnan(WetnessOf<Quantity::kEntropy>(p, s))); }

double STM_nHtp(double T, double p) { return Checked(units::EnthalpyFromSI(PropertyTP<Quantity::kEnthalpy>(T, p))); }

double STM_nStp(double T, double p) { return Checked(units::EntropyFromSI(PropertyTP<Quantity::kEntropy>(T, p))); }

double STM_nDtp(double T, double p) { return Checked(units::VolumeFromSI(PropertyTP<Quantity::kVolume>(T, p))); }

double STM_nCPtp(double T, double p) {
    return Checked(units::EntropyFromSI(StateTP(T, p).cp));
}

double STM_nCVtp(double T, double p) {
    return Checked(units::EntropyFromSI(StateTP(T, p).cv));
}

double STM_nWtp(double T, double p) { return Checked(StateTP(T, p).w); }

double STM_nTph(double p, double h) { return Checked(TemperatureOf<Quantity::kEnthalpy>(p, h)); }

double STM_nTps(double p, double s) { return Checked(TemperatureOf<Quantity::kEntropy>(p, s)); }

double STM_nPhs(double h, double s) { return Checked(units::PressureFromSI(StateHS(h, s).p)); }

double STM_nThs(double h, double s) { return Checked(units::TemperatureFromSI(StateHS(h, s).T)); }

double STM_sXhs(double h, double s) { return Checked(StateHS(h, s).w); }

double STM_nUtp(double T, double p) { return Checked(units::EnthalpyFromSI(StateTP(T, p).u)); }

double STM_nMUtp(double T, double p) { return Checked(CoreTP<aquaprop::transport::ViscosityPT>(T, p)); }

double STM_nLAMtp(double T, double p) {
    const double pSI = PressureToSI(p);
    return Checked(aquaprop::transport::TransportPT(pSI, SidedTemperature(T, pSI)).lambda);
}

double STM_nNUtp(double T, double p) { return Checked(CoreTP<aquaprop::transport::KinematicViscosityPT>(T, p)); }

double STM_nPRtp(double T, double p) { return Checked(CoreTP<aquaprop::transport::PrandtlPT>(T, p)); }

double STM_nKAPtp(double T, double p) { return Checked(CoreTP<aquaprop::IsentropicExponentPT>(T, p)); }

double STM_sUtx(double T, double w) {
    return Checked(units::EnthalpyFromSI(aquaprop::SaturatedInternalEnergy(SaturationTemperatureToSI(T), w)));
}

double STM_sMUtx(double T, double w) { return SaturatedPhase<aquaprop::transport::SaturatedViscosity>(T, w); }

double STM_sLAMtx(double T, double w) { return SaturatedPhase<aquaprop::transport::SaturatedConductivity>(T, w); }

double STM_sSIGt(double T) { return Checked(aquaprop::transport::SurfaceTension(SaturationTemperatureToSI(T))); }

double STM_GetMinTemp(void) { return units::TemperatureFromSI(aquaprop::kMinK); }
double STM_GetMaxTemp(void) { return units::TemperatureFromSI(aquaprop::kMaxK); }
double STM_GetMinPress(void) { return units::PressureFromSI(aquaprop::kMinMPa); }
double STM_GetMaxPress(void) { return units::PressureFromSI(aquaprop::kMaxMPa); }

int16_t STM_GetDllVer(void) { return AQUAPROP_VERSION_NUMBER; }

}  // extern "C"
