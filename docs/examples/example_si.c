// SPDX-License-Identifier: MIT
/* The aqp_ family of libaquaprop: SI units, NaN for invalid input, array forms.
 * Build against an installed copy: cc example_si.c $(pkg-config --cflags --libs aquaprop) -o example_si */
#include <aquaprop.h>
#include <math.h>
#include <stdio.h>

int main(void) {
    /* Feed water at 5 MPa, from 300 K to 600 K; the last one is steam (Tsat(5 MPa) = 537.09 K), and 2500 K is
     * outside the range. One call computes every enthalpy. */
    enum { kStates = 5 };
    const double p[kStates] = {5e6, 5e6, 5e6, 5e6, 5e6};    /* Pa */
    const double T[kStates] = {300.0, 400.0, 500.0, 600.0, 2500.0}; /* K */
    double h[kStates];
    const size_t invalid = aqp_h_pT_n(kStates, p, T, h);
    for (int k = 0; k < kStates; ++k) {
        printf("h(%.0f Pa, %.0f K) = %.3f J/kg\n", p[k], T[k], h[k]);
    }
    printf("%zu of %d states outside the range\n", invalid, kStates);

    /* Back from (p, h) to T, and wet steam by its dryness x (the vapour fraction). */
    printf("T(5 MPa, h(400 K)) = %.9f K\n", aqp_T_ph(5e6, h[1]));
    const double Ts = aqp_Tsat_p(1e5);
    const double hWet = aqp_h_Tx(Ts, 0.9);
    printf("Tsat(100 kPa) = %.6f K, h at x = 0.9: %.3f J/kg, x back: %.12f\n", Ts, hWet, aqp_x_ph(1e5, hWet));

    /* One state with every property; in the two-phase region cp, cv and w are NaN. */
    const aqp_state wet = aqp_state_ph(1e5, hWet);
    printf("state: T = %.6f K, x = %.6f, v = %.6f m3/kg, s = %.3f J/(kg K), cp %s\n", wet.T, wet.x, wet.v, wet.s,
           isnan(wet.cp) ? "undefined" : "defined");

    /* No unit settings apply here: STM_SetPressUnit changes nothing for aqp_ functions. */
    STM_SetPressUnit(17);
    printf("after STM_SetPressUnit(17): Tsat(100000 Pa) = %.6f K\n", aqp_Tsat_p(1e5));
    return 0;
}
