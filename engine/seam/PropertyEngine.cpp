#include "engine/seam/PropertyEngine.h"

#include "engine/aquaprop.h"

static_assert(EngineErrorValue == STM_ERROR_VALUE);

int16_t AquapropEngine::STM_SetTempUnit(int32_t code) { return ::STM_SetTempUnit(code); }
int16_t AquapropEngine::STM_SetPressUnit(int32_t code) { return ::STM_SetPressUnit(code); }
int16_t AquapropEngine::STM_SetEnthalUnit(int32_t code) { return ::STM_SetEnthalUnit(code); }
int16_t AquapropEngine::STM_SetEntroUnit(int32_t code) { return ::STM_SetEntroUnit(code); }
int16_t AquapropEngine::STM_SetDensityUnit(int32_t code) { return ::STM_SetDensityUnit(code); }

double AquapropEngine::STM_sTp(double p) { return ::STM_sTp(p); }
double AquapropEngine::STM_sPt(double T) { return ::STM_sPt(T); }
double AquapropEngine::STM_sHtx(double T, double w) { return ::STM_sHtx(T, w); }
double AquapropEngine::STM_sStx(double T, double w) { return ::STM_sStx(T, w); }
double AquapropEngine::STM_sDtx(double T, double w) { return ::STM_sDtx(T, w); }
double AquapropEngine::STM_sXph(double p, double h) { return ::STM_sXph(p, h); }
double AquapropEngine::STM_nHtp(double T, double p) { return ::STM_nHtp(T, p); }
double AquapropEngine::STM_nStp(double T, double p) { return ::STM_nStp(T, p); }
double AquapropEngine::STM_nDtp(double T, double p) { return ::STM_nDtp(T, p); }
double AquapropEngine::STM_nTph(double p, double h) { return ::STM_nTph(p, h); }

namespace {
AquapropEngine library;
PropertyEngine* current = &library;
}

PropertyEngine& Engine() { return *current; }

void SetEngine(PropertyEngine* engine) { current = engine ? engine : &library; }
