// SPDX-License-Identifier: MIT
/*
 * aquaprop: properties of water and steam by the IAPWS Industrial Formulation 1997 (IF97), in two families of
 * functions over one core: STM_ in units chosen at run time, and aqp_ (below) in SI base units.
 *
 * STM_: every value passed in or returned is in the current unit of its quantity, set with the
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

#include <stddef.h>
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

/* Unit setters: non-zero = accepted, 0 = refused (the previous unit stays). An accepted unit becomes the calling
 * thread's own unit of that quantity and the process-wide one: a thread uses the process-wide unit, the one set
 * last by any thread, until it sets that quantity's unit itself. So units set before threads start hold in them,
 * and threads that each set their units work in their own without disturbing one another.
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
AQUAPROP_API double STM_sTp(double p);           /* saturation temperature, 611.2127 Pa <= p <= 22.064 MPa */
AQUAPROP_API double STM_sPt(double T);           /* saturation pressure, 273.15 K <= T <= 647.096 K */
AQUAPROP_API double STM_sHtx(double T, double w); /* w h'(T) + (1 - w) h''(T) */
AQUAPROP_API double STM_sStx(double T, double w); /* w s'(T) + (1 - w) s''(T) */
AQUAPROP_API double STM_sDtx(double T, double w); /* w v' + (1 - w) v'', or its reciprocal as a density */
AQUAPROP_API double STM_sXph(double p, double h); /* (h'' - h) / (h'' - h') at Tsat(p), h' <= h <= h'', where
                                                     h' and h'' are STM_sHtx(STM_sTp(p), 1) and (..., 0) */

/* Latent heat h''(T) - h'(T), in the enthalpy unit, 273.15 K <= T <= 647.096 K; 0 at the critical point. */
AQUAPROP_API double STM_sRt(double T);

/* The wet state from p and s: the same mixture rule as STM_sXph, in the entropy.
 * STM_sXps gives w = (s'' - s) / (s'' - s') at Tsat(p), STM_sHps the enthalpy w h' + (1 - w) h'' of that
 * mixture. Defined for 611.2127 Pa <= p < 22.064 MPa and s' <= s <= s'' (the values STM_sStx gives at STM_sTp(p));
 * STM_ERROR_VALUE outside the two-phase region and at or above the critical pressure. */
AQUAPROP_API double STM_sXps(double p, double s);
AQUAPROP_API double STM_sHps(double p, double s);

/* Predicates of the two-phase region, boundary included: 1 where STM_sXph (STM_sXps) gives a wetness,
 * i.e. 611.2127 Pa <= p < 22.064 MPa and h' <= h <= h'' (s' <= s <= s''); else 0, also for any input outside
 * the range, NaN or infinite, and at or above the critical pressure, where there is no two-phase region. */
AQUAPROP_API int16_t STM_IsSat_ph(double p, double h);
AQUAPROP_API int16_t STM_IsSat_ps(double p, double s);

/* Single-phase states, T and p within the range of validity (see STM_GetMinTemp below). At T = STM_sTp(p) every
 * function gives the saturated liquid's value, at any higher T the vapour's. */
AQUAPROP_API double STM_nHtp(double T, double p); /* enthalpy */
AQUAPROP_API double STM_nStp(double T, double p); /* entropy */
AQUAPROP_API double STM_nDtp(double T, double p); /* specific volume or density */
AQUAPROP_API double STM_nCPtp(double T, double p); /* isobaric heat capacity cp, in the entropy unit; it grows
                                                      without bound towards the critical point */
AQUAPROP_API double STM_nCVtp(double T, double p); /* isochoric heat capacity cv, in the entropy unit */
AQUAPROP_API double STM_nWtp(double T, double p);  /* speed of sound in m/s, whatever the units */

/* Temperature from p and h, or from p and s, refined to the forward equations (STM_nHtp or STM_nStp at the
 * result gives h or s back to round-off); STM_sTp(p) inside the two-phase region (the same test as STM_IsSat_ph),
 * at most STM_sTp(p) below it and above STM_sTp(p) above it. Where two regions' equations meet (623.15 K, the
 * B23 line, 1073.15 K) they differ slightly: an h or s that neither side reaches gives the boundary's
 * temperature. */
AQUAPROP_API double STM_nTph(double p, double h);
AQUAPROP_API double STM_nTps(double p, double s);

/* The state from h and s, refined to the forward equations (STM_nHtp and STM_nStp at the answer give h and s
 * back to round-off), regions 1 to 5 (region 5 by iteration on its basic equation). Inside the two-phase region,
 * saturation lines included, STM_nPhs and STM_nThs give psat and Tsat, and STM_sXhs the wetness w with
 * h = w h' + (1 - w) h'' and s = w s' + (1 - w) s''; STM_sXhs is STM_ERROR_VALUE for a single phase. Where two
 * regions' equations meet, an (h, s) between the two sides' values is answered on the boundary itself. */
AQUAPROP_API double STM_nPhs(double h, double s); /* pressure */
AQUAPROP_API double STM_nThs(double h, double s); /* temperature */
AQUAPROP_API double STM_sXhs(double h, double s); /* wetness of a wet state */
/* Internal energy, transport properties and surface tension.
 * Viscosity and thermal conductivity by the IAPWS formulations of 2008 and 2011 for industrial use with IF97
 * (thermal conductivity with its critical enhancement), from IF97's densities, cp, cv and speed of sound;
 * defined for 273.15 K <= T <= 1173.15 K within IF97's pressure range: above 1173.15 K (region 5) they give
 * STM_ERROR_VALUE. Their results are in SI units whatever the units set. */
AQUAPROP_API double STM_nUtp(double T, double p);   /* specific internal energy, in the enthalpy unit */
AQUAPROP_API double STM_nMUtp(double T, double p);  /* dynamic viscosity, Pa s */
AQUAPROP_API double STM_nLAMtp(double T, double p); /* thermal conductivity, W/(m K) */
AQUAPROP_API double STM_nNUtp(double T, double p);  /* kinematic viscosity mu / rho, m2/s */
AQUAPROP_API double STM_nPRtp(double T, double p);  /* Prandtl number cp mu / lambda */
AQUAPROP_API double STM_nKAPtp(double T, double p); /* isentropic exponent w^2 rho / p, over IF97's whole range */
AQUAPROP_API double STM_sUtx(double T, double w);   /* w u'(T) + (1 - w) u''(T), in the enthalpy unit */
/* Viscosity and thermal conductivity of the saturated liquid (w = 1) or vapour (w = 0) at T, 273.15 K <= T <=
 * 647.096 K; any other w gives STM_ERROR_VALUE, since a mixture has no single value. Within 1.4e-7 K of 647.096 K
 * for the vapour and 3.5e-10 K for the liquid, where IF97's saturated states have no positive cp, STM_sLAMtx gives
 * STM_ERROR_VALUE as well. */
AQUAPROP_API double STM_sMUtx(double T, double w);
AQUAPROP_API double STM_sLAMtx(double T, double w);
AQUAPROP_API double STM_sSIGt(double T); /* surface tension on the saturation line, N/m, 273.15 K <= T <= 647.096 K */

/* The range of validity in the current units: 273.15 K <= T <= 2273.15 K and 0 < p <= 100 MPa, where above
 * 1073.15 K only p <= 50 MPa is valid. The lower pressure limit is absolute zero pressure and is itself
 * excluded; in a gauge unit it reads minus one standard atmosphere (-101325 Pa gauge, -0.101325 MPa gauge,
 * -760 mmHg gauge, -1 atm gauge, -1.0332275 kgf/cm2 gauge). */
AQUAPROP_API double STM_GetMinTemp(void);
AQUAPROP_API double STM_GetMaxTemp(void);
AQUAPROP_API double STM_GetMinPress(void);
AQUAPROP_API double STM_GetMaxPress(void);

/* The engine's version as 100 * major + minor: 140 for version 1.40. */
AQUAPROP_API int16_t STM_GetDllVer(void);

/*
 * The aqp_ family: reentrant, in SI base units whatever the STM_ settings: T in K, p in Pa, h and u in J/kg,
 * s, cp and cv in J/(kg K), v in m3/kg, rho in kg/m3, w in m/s, mu in Pa s, lam in W/(m K), nu in m2/s, sigma in
 * N/m. It keeps no state, so any number of threads may call it at once. Every invalid input gives NaN, never
 * STM_ERROR_VALUE: outside the range of validity, NaN or infinite arguments, a dryness outside 0..1, a state
 * outside the two-phase region where x is asked for.
 *
 * Dryness x: the vapour mass fraction of a wet mixture, 0 = saturated liquid, 1 = saturated vapour (x = 1 - w).
 *
 * Array forms: each function f(a, b) has f_n(n, a, b, out), setting out[k] = f(a[k], b[k]) for k < n over
 * contiguous arrays and returning how many out[k] are NaN; out may be one of the input arrays, but must not
 * overlap them otherwise. The results equal the scalar function's bit for bit.
 */

/* Saturation line: 273.15 K <= T <= 647.096 K, 611.2127 Pa <= p <= 22.064 MPa. */
AQUAPROP_API double aqp_Tsat_p(double p);
AQUAPROP_API double aqp_psat_T(double T);
AQUAPROP_API double aqp_hfg_T(double T);            /* latent heat h'' - h', 0 at the critical point */
AQUAPROP_API double aqp_h_Tx(double T, double x);   /* (1 - x) h' + x h'' at T */
AQUAPROP_API double aqp_s_Tx(double T, double x);
AQUAPROP_API double aqp_v_Tx(double T, double x);
AQUAPROP_API double aqp_rho_Tx(double T, double x); /* 1 / aqp_v_Tx */
AQUAPROP_API size_t aqp_Tsat_p_n(size_t n, const double* p, double* out);
AQUAPROP_API size_t aqp_psat_T_n(size_t n, const double* T, double* out);
AQUAPROP_API size_t aqp_hfg_T_n(size_t n, const double* T, double* out);
AQUAPROP_API size_t aqp_h_Tx_n(size_t n, const double* T, const double* x, double* out);
AQUAPROP_API size_t aqp_s_Tx_n(size_t n, const double* T, const double* x, double* out);
AQUAPROP_API size_t aqp_v_Tx_n(size_t n, const double* T, const double* x, double* out);
AQUAPROP_API size_t aqp_rho_Tx_n(size_t n, const double* T, const double* x, double* out);

/* Internal energy of the wet mixture, (1 - x) u' + x u'' at T; viscosity (Pa s) and thermal conductivity
 * (W/(m K)) of the saturated liquid (x = 0) or vapour (x = 1) at T, NaN for any other x, and the conductivity NaN
 * within 1e-10 K of 647.096 K as for STM_sLAMtx; surface tension (N/m) on the saturation line. */
AQUAPROP_API double aqp_u_Tx(double T, double x);
AQUAPROP_API double aqp_mu_Tx(double T, double x);
AQUAPROP_API double aqp_lam_Tx(double T, double x);
AQUAPROP_API double aqp_sigma_T(double T);
AQUAPROP_API size_t aqp_u_Tx_n(size_t n, const double* T, const double* x, double* out);
AQUAPROP_API size_t aqp_mu_Tx_n(size_t n, const double* T, const double* x, double* out);
AQUAPROP_API size_t aqp_lam_Tx_n(size_t n, const double* T, const double* x, double* out);
AQUAPROP_API size_t aqp_sigma_T_n(size_t n, const double* T, double* out);

/* Dryness of (p, h) or (p, s): (h - h') / (h'' - h') at Tsat(p) for h' <= h <= h'' (each end within 1e-12
 * relative), p below the critical pressure; NaN outside the two-phase region. */
AQUAPROP_API double aqp_x_ph(double p, double h);
AQUAPROP_API double aqp_x_ps(double p, double s);
AQUAPROP_API size_t aqp_x_ph_n(size_t n, const double* p, const double* h, double* out);
AQUAPROP_API size_t aqp_x_ps_n(size_t n, const double* p, const double* s, double* out);

/* Single-phase states of (p, T) within the range of validity; at T = Tsat(p) the saturated liquid's values, as
 * the STM_n functions give them. */
AQUAPROP_API double aqp_h_pT(double p, double T);
AQUAPROP_API double aqp_s_pT(double p, double T);
AQUAPROP_API double aqp_v_pT(double p, double T);
AQUAPROP_API double aqp_rho_pT(double p, double T);
AQUAPROP_API double aqp_cp_pT(double p, double T);
AQUAPROP_API double aqp_cv_pT(double p, double T);
AQUAPROP_API double aqp_w_pT(double p, double T);
AQUAPROP_API size_t aqp_h_pT_n(size_t n, const double* p, const double* T, double* out);
AQUAPROP_API size_t aqp_s_pT_n(size_t n, const double* p, const double* T, double* out);
AQUAPROP_API size_t aqp_v_pT_n(size_t n, const double* p, const double* T, double* out);
AQUAPROP_API size_t aqp_rho_pT_n(size_t n, const double* p, const double* T, double* out);
AQUAPROP_API size_t aqp_cp_pT_n(size_t n, const double* p, const double* T, double* out);
AQUAPROP_API size_t aqp_cv_pT_n(size_t n, const double* p, const double* T, double* out);
AQUAPROP_API size_t aqp_w_pT_n(size_t n, const double* p, const double* T, double* out);

/* Internal energy (J/kg) and isentropic exponent w^2 rho / p of (p, T) over the whole range; viscosity mu (Pa s),
 * thermal conductivity lam (W/(m K)), kinematic viscosity nu = mu / rho (m2/s) and Prandtl number cp mu / lam of
 * (p, T) up to 1173.15 K, NaN above (as STM_nMUtp and its kin). */
AQUAPROP_API double aqp_u_pT(double p, double T);
AQUAPROP_API double aqp_kappa_pT(double p, double T);
AQUAPROP_API double aqp_mu_pT(double p, double T);
AQUAPROP_API double aqp_lam_pT(double p, double T);
AQUAPROP_API double aqp_nu_pT(double p, double T);
AQUAPROP_API double aqp_Pr_pT(double p, double T);
AQUAPROP_API size_t aqp_u_pT_n(size_t n, const double* p, const double* T, double* out);
AQUAPROP_API size_t aqp_kappa_pT_n(size_t n, const double* p, const double* T, double* out);
AQUAPROP_API size_t aqp_mu_pT_n(size_t n, const double* p, const double* T, double* out);
AQUAPROP_API size_t aqp_lam_pT_n(size_t n, const double* p, const double* T, double* out);
AQUAPROP_API size_t aqp_nu_pT_n(size_t n, const double* p, const double* T, double* out);
AQUAPROP_API size_t aqp_Pr_pT_n(size_t n, const double* p, const double* T, double* out);

/* Temperature of (p, h) or (p, s) as STM_nTph and STM_nTps give it (Tsat(p) inside the two-phase region), and
 * the enthalpy of (p, s) anywhere in the range: the wet mixture's inside the two-phase region. */
AQUAPROP_API double aqp_T_ph(double p, double h);
AQUAPROP_API double aqp_T_ps(double p, double s);
AQUAPROP_API double aqp_h_ps(double p, double s);
AQUAPROP_API size_t aqp_T_ph_n(size_t n, const double* p, const double* h, double* out);
AQUAPROP_API size_t aqp_T_ps_n(size_t n, const double* p, const double* s, double* out);
AQUAPROP_API size_t aqp_h_ps_n(size_t n, const double* p, const double* s, double* out);

/* The state from h and s as STM_nPhs, STM_nThs and STM_sXhs give it: its pressure and temperature (psat and Tsat
 * in the two-phase region), and its dryness x = 1 - w, NaN for a single phase. */
AQUAPROP_API double aqp_p_hs(double h, double s);
AQUAPROP_API double aqp_T_hs(double h, double s);
AQUAPROP_API double aqp_x_hs(double h, double s);
AQUAPROP_API size_t aqp_p_hs_n(size_t n, const double* h, const double* s, double* out);
AQUAPROP_API size_t aqp_T_hs_n(size_t n, const double* h, const double* s, double* out);
AQUAPROP_API size_t aqp_x_hs_n(size_t n, const double* h, const double* s, double* out);

/* One state with every property, from any of the pairs above. In the two-phase region x is the dryness, T the
 * saturation temperature and cp, cv and w are NaN; elsewhere x is NaN. Every field is NaN for invalid input. */
typedef struct aqp_state {
    double p;   /* Pa */
    double T;   /* K */
    double x;   /* dryness */
    double v;   /* m3/kg */
    double rho; /* kg/m3 */
    double h;   /* J/kg */
    double u;   /* J/kg */
    double s;   /* J/(kg K) */
    double cp;  /* J/(kg K) */
    double cv;  /* J/(kg K) */
    double w;   /* m/s */
} aqp_state;

AQUAPROP_API aqp_state aqp_state_pT(double p, double T);
AQUAPROP_API aqp_state aqp_state_ph(double p, double h);
AQUAPROP_API aqp_state aqp_state_ps(double p, double s);
AQUAPROP_API aqp_state aqp_state_px(double p, double x);
AQUAPROP_API aqp_state aqp_state_Tx(double T, double x);

#ifdef __cplusplus
}
#endif

#endif
