// SPDX-License-Identifier: MIT
/* A program of someone else's that uses the installed engine. */
#include <aquaprop.h>
#include <stdio.h>

int main(void)
{
    if (!STM_SetPressUnit(12) || !STM_SetTempUnit(2))
        return 1;
    const double ts = STM_sTp(1.0);
    const double bad = STM_nHtp(25.0, 200.0);
    printf("%.8f %s\n", ts, bad == STM_ERROR_VALUE ? "refused" : "accepted");
    return 0;
}
