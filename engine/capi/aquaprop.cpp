// Placeholder until the core lands: refuses everything.
#include "engine/aquaprop.h"

extern "C" {
int16_t STM_SetTempUnit(int32_t) { return 0; }
int16_t STM_SetPressUnit(int32_t) { return 0; }
int16_t STM_SetEnthalUnit(int32_t) { return 0; }
int16_t STM_SetEntroUnit(int32_t) { return 0; }
int16_t STM_SetDensityUnit(int32_t) { return 0; }
double STM_sTp(double) { return STM_ERROR_VALUE; }
double STM_sPt(double) { return STM_ERROR_VALUE; }
double STM_sHtx(double, double) { return STM_ERROR_VALUE; }
double STM_sStx(double, double) { return STM_ERROR_VALUE; }
double STM_sDtx(double, double) { return STM_ERROR_VALUE; }
double STM_sXph(double, double) { return STM_ERROR_VALUE; }
double STM_nHtp(double, double) { return STM_ERROR_VALUE; }
double STM_nStp(double, double) { return STM_ERROR_VALUE; }
double STM_nDtp(double, double) { return STM_ERROR_VALUE; }
double STM_nTph(double, double) { return STM_ERROR_VALUE; }
}
