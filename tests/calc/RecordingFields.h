// Input fields for the calculation without a window: the four texts, the clears in order, and what the
// fields held when the engine was first asked.
#pragma once

#include "forms/main/PropertyCalculation.h"
#include "tests/common/FakeEngine.h"

#include <array>
#include <optional>
#include <vector>

class RecordingFields final : public InputFields {
public:
    std::array<QString, 4> texts;
    std::vector<int> cleared;
    std::optional<std::array<QString, 4>> atFirstEngineCall;

    RecordingFields(const QString& P, const QString& T, const QString& h, const QString& x) : texts{P, T, h, x} {}

    QString Text(int field) const override { return texts.at(static_cast<size_t>(field - 1)); }
    void Clear(int field) override
    {
        cleared.push_back(field);
        texts.at(static_cast<size_t>(field - 1)).clear();
    }

    // Makes the engine note the texts at its first call.
    void Watch(FakeEngine& engine)
    {
        engine.onCall = [this](const EngineCall&) {
            if (!atFirstEngineCall)
                atFirstEngineCall = texts;
        };
    }
};
