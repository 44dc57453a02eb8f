// SPDX-License-Identifier: MIT
/* Live steam expanding through a turbine, with libaquaprop.
 * Build against an installed copy: cc example.c $(pkg-config --cflags --libs aquaprop) -o example */
#include <aquaprop.h>
#include <stdio.h>

/* Prints one result, or says that the engine refused the input. */
static void Show(const char *label, double value, const char *unit) {
    if (value == STM_ERROR_VALUE) {
        printf("%-28s out of range\n", label);
    } else {
        printf("%-28s %14.6f %s\n", label, value, unit);
    }
}

int main(void) {
    /* degC, MPa, kJ/kg, kJ/(kg K), m3/kg: also the defaults. */
    if (!STM_SetTempUnit(2) || !STM_SetPressUnit(12) || !STM_SetEnthalUnit(32) || !STM_SetEntroUnit(52) ||
        !STM_SetDensityUnit(71)) {
        fprintf(stderr, "a unit was refused\n");
        return 1;
    }

    /* Live steam at 10 MPa and 500 degC. */
    const double p1 = 10.0;
    const double T1 = 500.0;
    const double h1 = STM_nHtp(T1, p1);
    const double s1 = STM_nStp(T1, p1);
    Show("live steam enthalpy", h1, "kJ/kg");
    Show("live steam entropy", s1, "kJ/(kg K)");
    Show("specific volume", STM_nDtp(T1, p1), "m3/kg");
    Show("cp", STM_nCPtp(T1, p1), "kJ/(kg K)");
    Show("cv", STM_nCVtp(T1, p1), "kJ/(kg K)");
    Show("speed of sound", STM_nWtp(T1, p1), "m/s");
    Show("temperature from p and s", STM_nTps(p1, s1), "degC");

    /* Isentropic expansion to 10 kPa ends inside the two-phase region. The wetness w is the liquid
     * fraction: the dryness is 1 - w. */
    const double p2 = 0.01;
    if (STM_IsSat_ps(p2, s1)) {
        const double w2 = STM_sXps(p2, s1);
        const double h2 = STM_sHps(p2, s1);
        Show("condenser temperature", STM_sTp(p2), "degC");
        Show("dryness after expansion", 1.0 - w2, "-");
        Show("enthalpy after expansion", h2, "kJ/kg");
        Show("isentropic work", h1 - h2, "kJ/kg");
        Show("latent heat in condenser", STM_sRt(STM_sTp(p2)), "kJ/kg");
    }

    /* Outside the range every function answers STM_ERROR_VALUE. */
    Show("enthalpy at 150 MPa", STM_nHtp(300.0, 150.0), "kJ/kg");
    Show("lowest temperature", STM_GetMinTemp(), "degC");
    Show("highest pressure", STM_GetMaxPress(), "MPa");
    return 0;
}
