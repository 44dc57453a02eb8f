// SPDX-License-Identifier: MIT
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
    // Without a script, property functions ask the real library when true, else answer `constant`;
    // unit setters always ask the library.
    bool useLibrary = true;
    double constant = 1.0;
    // Runs at every call after it is recorded (to look at the window at that moment).
    std::function<void(const EngineCall&)> onCall;

#define ENGINE_FUNCTION(result, name, parameters, arguments)                                      \
    result name parameters override                                                               \
    {                                                                                             \
        return answer<result>(#name, Doubles arguments, [&] { return library_.name arguments; }); \
    }
#include "engine/seam/EngineFunctions.def"

private:
    AquapropEngine library_;

    template <typename... Args>
    static std::vector<double> Doubles(Args... args)
    {
        return {static_cast<double>(args)...};
    }

    // Records the call, then answers from the script, the library or the constant.
    template <typename Result, typename Library>
    Result answer(const char* name, std::vector<double> args, Library library)
    {
        const QString function = QString::fromLatin1(name);
        calls.push_back({function, std::move(args)});
        const size_t index = calls.size() - 1;
        if (onCall)
            onCall(calls.back());
        if (auto it = answerAtCall.find(index); it != answerAtCall.end())
            return static_cast<Result>(it->second);
        if (auto it = answerOf.find(function); it != answerOf.end())
            return static_cast<Result>(it->second);
        if (useLibrary || function.startsWith(QStringLiteral("STM_Set")))
            return library();
        return static_cast<Result>(constant);
    }
};
