// The program's one door to the property engine. Production code calls Engine(); tests install a
// scripted fake with SetEngine() to force refusals and error values at a chosen call.
#pragma once

#include <cstdint>

constexpr double EngineErrorValue = -99999.999;

class PropertyEngine {
public:
    virtual ~PropertyEngine() = default;

    virtual int16_t STM_SetTempUnit(int32_t code) = 0;
    virtual int16_t STM_SetPressUnit(int32_t code) = 0;
    virtual int16_t STM_SetEnthalUnit(int32_t code) = 0;
    virtual int16_t STM_SetEntroUnit(int32_t code) = 0;
    virtual int16_t STM_SetDensityUnit(int32_t code) = 0;

    virtual double STM_sTp(double p) = 0;
    virtual double STM_sPt(double T) = 0;
    virtual double STM_sHtx(double T, double w) = 0;
    virtual double STM_sStx(double T, double w) = 0;
    virtual double STM_sDtx(double T, double w) = 0;
    virtual double STM_sXph(double p, double h) = 0;
    virtual double STM_nHtp(double T, double p) = 0;
    virtual double STM_nStp(double T, double p) = 0;
    virtual double STM_nDtp(double T, double p) = 0;
    virtual double STM_nTph(double p, double h) = 0;
};

// The engine library itself, through its C interface.
class AquapropEngine final : public PropertyEngine {
public:
    int16_t STM_SetTempUnit(int32_t code) override;
    int16_t STM_SetPressUnit(int32_t code) override;
    int16_t STM_SetEnthalUnit(int32_t code) override;
    int16_t STM_SetEntroUnit(int32_t code) override;
    int16_t STM_SetDensityUnit(int32_t code) override;

    double STM_sTp(double p) override;
    double STM_sPt(double T) override;
    double STM_sHtx(double T, double w) override;
    double STM_sStx(double T, double w) override;
    double STM_sDtx(double T, double w) override;
    double STM_sXph(double p, double h) override;
    double STM_nHtp(double T, double p) override;
    double STM_nStp(double T, double p) override;
    double STM_nDtp(double T, double p) override;
    double STM_nTph(double p, double h) override;
};

// The engine in use: the library unless a test installed another.
PropertyEngine& Engine();

// Installs an engine (not owned); nullptr restores the library.
void SetEngine(PropertyEngine* engine);
