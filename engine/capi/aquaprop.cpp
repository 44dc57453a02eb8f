// The STM_ C interface: converts units, calls the SI core and turns every failure into STM_ERROR_VALUE.
#include "engine/aquaprop.h"

#include <cmath>

#include "engine/core/Region4.h"
#include "engine/core/Selection.h"
#include "engine/units/Units.h"

namespace {

using aquaprop::Quantity;
namespace units = aquaprop::units;

int16_t Accepted(bool accepted) { return accepted ? 1 : 0; }

// NaN (the core's "no answer") and anything not finite leave as the error value.
double Checked(double value) { return std::isfinite(value) ? value : STM_ERROR_VALUE; }

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
    return Checked(aquaprop::WetnessPH(units::PressureToSI(p), units::EnthalpyToSI(h)));
}

double STM_nHtp(double T, double p) {
    const double h = aquaprop::PropertyTP<Quantity::kEnthalpy>(units::TemperatureToSI(T), units::PressureToSI(p));
    return Checked(units::EnthalpyFromSI(h));
}

double STM_nStp(double T, double p) {
    const double s = aquaprop::PropertyTP<Quantity::kEntropy>(units::TemperatureToSI(T), units::PressureToSI(p));
    return Checked(units::EntropyFromSI(s));
}

double STM_nDtp(double T, double p) {
    const double v = aquaprop::PropertyTP<Quantity::kVolume>(units::TemperatureToSI(T), units::PressureToSI(p));
    return Checked(units::VolumeFromSI(v));
}

double STM_nTph(double p, double h) {
    const double T = aquaprop::TemperaturePH(units::PressureToSI(p), units::EnthalpyToSI(h));
    return Checked(units::TemperatureFromSI(T));
}

}  // extern "C"
