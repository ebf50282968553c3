#pragma once
// Reading environment variables through a function that tests can replace.

#include <cstdlib>
#include <functional>

namespace xvexo {

// Reads an environment variable: nullptr when unset. An empty function stands for std::getenv.
using TEnvLookup = std::function<const char*(const char*)>;

// The value of Name, or nullptr when it is unset or empty.
inline const char* ReadEnv(const TEnvLookup& GetEnv, const char* Name) {
    const char* Value = GetEnv ? GetEnv(Name) : std::getenv(Name);
    return Value != nullptr && *Value != '\0' ? Value : nullptr;
}

}  // namespace xvexo
