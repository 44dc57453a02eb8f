// SPDX-License-Identifier: MIT
#include "engine/seam/PropertyEngine.h"

#include <type_traits>

#include "engine/aquaprop.h"

static_assert(EngineErrorValue == STM_ERROR_VALUE);

// Each function forwards to the library's; a list entry whose types differ from aquaprop.h does not compile.
#define ENGINE_FUNCTION(result, name, parameters, arguments)                                              \
    static_assert(std::is_same_v<decltype(::name), result parameters>, #name " differs from aquaprop.h"); \
    result AquapropEngine::name parameters { return ::name arguments; }
#include "engine/seam/EngineFunctions.def"

namespace {
AquapropEngine library;
PropertyEngine* current = &library;
}

PropertyEngine& Engine() { return *current; }

void SetEngine(PropertyEngine* engine) { current = engine ? engine : &library; }
