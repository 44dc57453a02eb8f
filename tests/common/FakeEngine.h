// A scripted engine for tests: records every call, answers from a script where one is set and from the
// real library (or a constant) otherwise.
#pragma once

#include "engine/seam/PropertyEngine.h"

#include <QString>

#include <functional>
#include <map>
#include <vector>

struct EngineCall {
    QString name;  // e.g. "STM_sTp"
    std::vector<double> args;
};

class FakeEngine final : public PropertyEngine {
public:
    std::vector<EngineCall> calls;

    // Answer of the call with this index (0-based, counting every call, setters included).
    std::map<size_t, double> answerAtCall;
    // Answer of every call of a function, by name, where no index-based answer applies.
    std::map<QString, double> answerOf;
    // Without a script, property functions ask the real library when true, else answer `constant`.
    bool useLibrary = true;
    double constant = 1.0;
    // Runs at every call after it is recorded (to look at the window at that moment).
    std::function<void(const EngineCall&)> onCall;

    // Only the calls of property functions, setters left out.
    std::vector<EngineCall> PropertyCalls() const
    {
        std::vector<EngineCall> result;
        for (const EngineCall& call : calls)
            if (!call.name.startsWith(QStringLiteral("STM_Set")))
                result.push_back(call);
        return result;
    }

    int16_t STM_SetTempUnit(int32_t c) override { return setter("STM_SetTempUnit", c, &AquapropEngine::STM_SetTempUnit); }
    int16_t STM_SetPressUnit(int32_t c) override { return setter("STM_SetPressUnit", c, &AquapropEngine::STM_SetPressUnit); }
    int16_t STM_SetEnthalUnit(int32_t c) override { return setter("STM_SetEnthalUnit", c, &AquapropEngine::STM_SetEnthalUnit); }
    int16_t STM_SetEntroUnit(int32_t c) override { return setter("STM_SetEntroUnit", c, &AquapropEngine::STM_SetEntroUnit); }
    int16_t STM_SetDensityUnit(int32_t c) override { return setter("STM_SetDensityUnit", c, &AquapropEngine::STM_SetDensityUnit); }

    double STM_sTp(double p) override { return one("STM_sTp", p, &AquapropEngine::STM_sTp); }
    double STM_sPt(double T) override { return one("STM_sPt", T, &AquapropEngine::STM_sPt); }
    double STM_sHtx(double T, double w) override { return two("STM_sHtx", T, w, &AquapropEngine::STM_sHtx); }
    double STM_sStx(double T, double w) override { return two("STM_sStx", T, w, &AquapropEngine::STM_sStx); }
    double STM_sDtx(double T, double w) override { return two("STM_sDtx", T, w, &AquapropEngine::STM_sDtx); }
    double STM_sXph(double p, double h) override { return two("STM_sXph", p, h, &AquapropEngine::STM_sXph); }
    double STM_nHtp(double T, double p) override { return two("STM_nHtp", T, p, &AquapropEngine::STM_nHtp); }
    double STM_nStp(double T, double p) override { return two("STM_nStp", T, p, &AquapropEngine::STM_nStp); }
    double STM_nDtp(double T, double p) override { return two("STM_nDtp", T, p, &AquapropEngine::STM_nDtp); }
    double STM_nTph(double p, double h) override { return two("STM_nTph", p, h, &AquapropEngine::STM_nTph); }

private:
    AquapropEngine library_;

    bool scripted(const char* name, double& answer)
    {
        const size_t index = calls.size() - 1;
        if (onCall)
            onCall(calls.back());
        if (auto it = answerAtCall.find(index); it != answerAtCall.end()) {
            answer = it->second;
            return true;
        }
        if (auto it = answerOf.find(QString::fromLatin1(name)); it != answerOf.end()) {
            answer = it->second;
            return true;
        }
        return false;
    }

    int16_t setter(const char* name, int32_t code, int16_t (AquapropEngine::*real)(int32_t))
    {
        calls.push_back({QString::fromLatin1(name), {static_cast<double>(code)}});
        double answer = 0;
        if (scripted(name, answer))
            return static_cast<int16_t>(answer);
        return (library_.*real)(code);
    }

    double one(const char* name, double a, double (AquapropEngine::*real)(double))
    {
        calls.push_back({QString::fromLatin1(name), {a}});
        double answer = 0;
        if (scripted(name, answer))
            return answer;
        return useLibrary ? (library_.*real)(a) : constant;
    }

    double two(const char* name, double a, double b, double (AquapropEngine::*real)(double, double))
    {
        calls.push_back({QString::fromLatin1(name), {a, b}});
        double answer = 0;
        if (scripted(name, answer))
            return answer;
        return useLibrary ? (library_.*real)(a, b) : constant;
    }
};
