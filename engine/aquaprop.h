/*
 * aquaprop: properties of water and steam by the IAPWS Industrial Formulation 1997 (IF97).
 *
 * Every value passed in or returned is in the current unit of its quantity, set with the
 * STM_Set...Unit functions (defaults: degrees Celsius, MPa, kJ/kg, kJ/(kg K), m3/kg).
 * A property function returns STM_ERROR_VALUE (-99999.999) for any input outside the range of
 * validity of IF97, for NaN or infinite inputs and for a wetness outside 0..1; it never returns
 * NaN or an infinity.
 *
 * Wetness w: the liquid mass fraction of a wet mixture, 1 = saturated liquid, 0 = saturated vapour
 * (w = 1 - dryness).
 */
#ifndef AQUAPROP_H
#define AQUAPROP_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(AQUAPROP_BUILDING)
#define AQUAPROP_API __attribute__((visibility("default")))
#else
#define AQUAPROP_API
#endif

#define STM_ERROR_VALUE (-99999.999)

/* Unit setters: non-zero = accepted, 0 = refused (the previous unit stays).
 * Temperature: 1 K, 2 degC, 3 degF.
 * Pressure: 11 Pa, 12 MPa, 13 kgf/cm2, 14 kgf/cm2 gauge, 15 mmHg, 16 mmHg gauge, 17 atm, 18 atm gauge,
 *           19 millibar, 20 Pa gauge, 21 MPa gauge (gauge units relative to 101325 Pa).
 * Enthalpy: 31 J/kg, 32 kJ/kg, 33 kcal/kg (international table calorie).
 * Entropy: 51 J/(kg K), 52 kJ/(kg K), 53 kcal/(kg K).
 * Specific volume or density: 71 m3/kg, 72 kg/m3. */
AQUAPROP_API int16_t STM_SetTempUnit(int32_t code);
AQUAPROP_API int16_t STM_SetPressUnit(int32_t code);
AQUAPROP_API int16_t STM_SetEnthalUnit(int32_t code);
AQUAPROP_API int16_t STM_SetEntroUnit(int32_t code);
AQUAPROP_API int16_t STM_SetDensityUnit(int32_t code);

/* Saturation line. */
AQUAPROP_API double STM_sTp(double p);           /* saturation temperature, 611.213 Pa <= p <= 22.064 MPa */
AQUAPROP_API double STM_sPt(double T);           /* saturation pressure, 273.15 K <= T <= 647.096 K */
AQUAPROP_API double STM_sHtx(double T, double w); /* w h'(T) + (1 - w) h''(T) */
AQUAPROP_API double STM_sStx(double T, double w); /* w s'(T) + (1 - w) s''(T) */
AQUAPROP_API double STM_sDtx(double T, double w); /* w v' + (1 - w) v'', or its reciprocal as a density */
AQUAPROP_API double STM_sXph(double p, double h); /* (h'' - h) / (h'' - h') at Tsat(p), h' <= h <= h'' */

/* Single-phase states. */
AQUAPROP_API double STM_nHtp(double T, double p); /* enthalpy */
AQUAPROP_API double STM_nStp(double T, double p); /* entropy */
AQUAPROP_API double STM_nDtp(double T, double p); /* specific volume or density */
AQUAPROP_API double STM_nTph(double p, double h); /* temperature; Tsat(p) inside the two-phase region */

#ifdef __cplusplus
}
#endif

#endif
