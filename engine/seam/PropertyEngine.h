// SPDX-License-Identifier: MIT
// The program's one door to the property engine. Production code calls Engine(); tests install a
// scripted fake with SetEngine() to force refusals and error values at a chosen call.
// Its functions are those of aquaprop.h, expanded from EngineFunctions.def.
#pragma once

#include <cstdint>

constexpr double EngineErrorValue = -99999.999;

class PropertyEngine {
public:
    virtual ~PropertyEngine() = default;

#define ENGINE_FUNCTION(result, name, parameters, arguments) virtual result name parameters = 0;
#include "engine/seam/EngineFunctions.def"
};

// The engine library itself, through its C interface.
class AquapropEngine final : public PropertyEngine {
public:
#define ENGINE_FUNCTION(result, name, parameters, arguments) result name parameters override;
#include "engine/seam/EngineFunctions.def"
};

// The engine in use: the library unless a test installed another.
PropertyEngine& Engine();

// Installs an engine (not owned); nullptr restores the library.
void SetEngine(PropertyEngine* engine);
