// The STM_ C interface: converts units, calls the SI core and turns every failure into STM_ERROR_VALUE.
#include "engine/aquaprop.h"

#include <cmath>

#include "engine/core/Constants.h"
#include "engine/core/Props.h"
#include "engine/core/Region4.h"
#include "engine/core/Selection.h"
#include "engine/core/SelectionHS.h"
#include "engine/core/transport/SurfaceTension.h"
#include "engine/core/transport/Transport.h"
#include "engine/units/Units.h"

namespace {

using aquaprop::Quantity;
namespace units = aquaprop::units;

int16_t Accepted(bool accepted) { return accepted ? 1 : 0; }

// NaN (the core's "no answer") and anything not finite leave as the error value.
double Checked(double value) { return std::isfinite(value) ? value : STM_ERROR_VALUE; }

// The n functions take (T, p); the core takes (p, T).
template <Quantity q>
double PropertyTP(double T, double p) {
    return aquaprop::PropertyPT<q>(units::PressureToSI(p), units::TemperatureToSI(T));
}

aquaprop::Props StateTP(double T, double p) {
    return aquaprop::StatePT(units::PressureToSI(p), units::TemperatureToSI(T));
}

aquaprop::HsState StateHS(double h, double s) {
    return aquaprop::StateHS(units::EnthalpyToSI(h), units::EntropyToSI(s));
}

// A core function of (p, T), called with the C interface's (T, p).
template <double (*F)(double, double)>
double CoreTP(double T, double p) {
    return F(units::PressureToSI(p), units::TemperatureToSI(T));
}

// The saturated liquid's (w = 1) or vapour's (w = 0) value of a core function of T; a mixture has no single value.
template <aquaprop::Saturated<double> (*F)(double)>
double SaturatedPhase(double T, double w) {
    if (!(w == 1.0 || w == 0.0)) return STM_ERROR_VALUE;
    const aquaprop::Saturated<double> both = F(units::TemperatureToSI(T));
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
    const double T = aquaprop::region4::SaturationTemperature(units::PressureToSI(p));
    return Checked(units::TemperatureFromSI(T));
}

double STM_sPt(double T) {
    const double p = aquaprop::region4::SaturationPressure(units::TemperatureToSI(T));
    return Checked(units::PressureFromSI(p));
}

double STM_sHtx(double T, double w) {
    const double h = aquaprop::SaturatedMixture<Quantity::kEnthalpy>(units::TemperatureToSI(T), w);
    return Checked(units::EnthalpyFromSI(h));
}

double STM_sStx(double T, double w) {
    const double s = aquaprop::SaturatedMixture<Quantity::kEntropy>(units::TemperatureToSI(T), w);
    return Checked(units::EntropyFromSI(s));
}

double STM_sDtx(double T, double w) {
    const double v = aquaprop::SaturatedMixture<Quantity::kVolume>(units::TemperatureToSI(T), w);
    return Checked(units::VolumeFromSI(v));
}

double STM_sXph(double p, double h) {
    return Checked(aquaprop::Wetness<Quantity::kEnthalpy>(units::PressureToSI(p), units::EnthalpyToSI(h)));
}

double STM_sRt(double T) {
    return Checked(units::EnthalpyFromSI(aquaprop::LatentHeat(units::TemperatureToSI(T))));
}

double STM_sXps(double p, double s) {
    return Checked(aquaprop::Wetness<Quantity::kEntropy>(units::PressureToSI(p), units::EntropyToSI(s)));
}

double STM_sHps(double p, double s) {
    const double pSI = units::PressureToSI(p);
    const double w = aquaprop::Wetness<Quantity::kEntropy>(pSI, units::EntropyToSI(s));
    const double T = aquaprop::region4::SaturationTemperature(pSI);
    return Checked(units::EnthalpyFromSI(aquaprop::SaturatedMixture<Quantity::kEnthalpy>(T, w)));
}

int16_t STM_IsSat_ph(double p, double h) {
    const double w = aquaprop::Wetness<Quantity::kEnthalpy>(units::PressureToSI(p), units::EnthalpyToSI(h));
    return Accepted(!std::isnan(w));
}

int16_t STM_IsSat_ps(double p, double s) {
    const double w = aquaprop::Wetness<Quantity::kEntropy>(units::PressureToSI(p), units::EntropyToSI(s));
    return Accepted(!std::isnan(w));
}

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

double STM_nTph(double p, double h) {
    const double T = aquaprop::Temperature<Quantity::kEnthalpy>(units::PressureToSI(p), units::EnthalpyToSI(h));
    return Checked(units::TemperatureFromSI(T));
}

double STM_nTps(double p, double s) {
    const double T = aquaprop::Temperature<Quantity::kEntropy>(units::PressureToSI(p), units::EntropyToSI(s));
    return Checked(units::TemperatureFromSI(T));
}

double STM_nPhs(double h, double s) { return Checked(units::PressureFromSI(StateHS(h, s).p)); }

double STM_nThs(double h, double s) { return Checked(units::TemperatureFromSI(StateHS(h, s).T)); }

double STM_sXhs(double h, double s) { return Checked(StateHS(h, s).w); }

double STM_nUtp(double T, double p) { return Checked(units::EnthalpyFromSI(StateTP(T, p).u)); }

double STM_nMUtp(double T, double p) { return Checked(CoreTP<aquaprop::transport::ViscosityPT>(T, p)); }

double STM_nLAMtp(double T, double p) {
    return Checked(aquaprop::transport::TransportPT(units::PressureToSI(p), units::TemperatureToSI(T)).lambda);
}

double STM_nNUtp(double T, double p) { return Checked(CoreTP<aquaprop::transport::KinematicViscosityPT>(T, p)); }

double STM_nPRtp(double T, double p) { return Checked(CoreTP<aquaprop::transport::PrandtlPT>(T, p)); }

double STM_nKAPtp(double T, double p) { return Checked(CoreTP<aquaprop::IsentropicExponentPT>(T, p)); }

double STM_sUtx(double T, double w) {
    return Checked(units::EnthalpyFromSI(aquaprop::SaturatedInternalEnergy(units::TemperatureToSI(T), w)));
}

double STM_sMUtx(double T, double w) { return SaturatedPhase<aquaprop::transport::SaturatedViscosity>(T, w); }

double STM_sLAMtx(double T, double w) { return SaturatedPhase<aquaprop::transport::SaturatedConductivity>(T, w); }

double STM_sSIGt(double T) { return Checked(aquaprop::transport::SurfaceTension(units::TemperatureToSI(T))); }

double STM_GetMinTemp(void) { return units::TemperatureFromSI(aquaprop::kMinK); }
double STM_GetMaxTemp(void) { return units::TemperatureFromSI(aquaprop::kMaxK); }
double STM_GetMinPress(void) { return units::PressureFromSI(aquaprop::kMinMPa); }
double STM_GetMaxPress(void) { return units::PressureFromSI(aquaprop::kMaxMPa); }

int16_t STM_GetDllVer(void) { return AQUAPROP_VERSION_NUMBER; }

}  // extern "C"
